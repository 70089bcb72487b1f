#include "classlib/system/dll.h"
#include "classlib/system/libraryentry.h"
#include "classlib/system/moduleresources.h"

#include "classlib/tests/errorof.h"

#include <gtest/gtest.h>

#include <cstring>
#include <typeinfo>

using namespace classlib;
using namespace classlib::test;

namespace libraryentry_test {

using TRaiseProc = int (*)(int, const char*, TQXEntryStatus*);

// What the caller raises for the status an entry of the test library
// reported: the class name and the message.
struct TRaised {
    const std::type_info* Class = nullptr;  // nullptr: nothing raised
    QString Message;
};

TRaised RaisedFor(int Kind, const char* Message)
{
    TDLLHandle handle = LoadDLL(QStringLiteral("qxdlltest.dll"));
    auto raise = GetDLLProc<TRaiseProc>(handle, QStringLiteral("DllTestRaise"));
    TQXEntryStatus status;
    raise(Kind, Message, &status);
    UnloadDLL(handle);
    try {
        RaiseEntryStatus(status);
    } catch (const Exception& e) {
        return {&typeid(e), e.Message};
    }
    return {};
}

TEST(EntryStatus, TheCallerRaisesWhatTheLibraryRaised)
{
    const struct {
        const char* Case;
        int Kind;
        const std::type_info* Class;
        QString Message;
    } rows[] = {
        {"success", 0, nullptr, QString()},
        {"library error", 1, &typeid(EDLLException), QStringLiteral("m1")},
        {"silent abort", 2, &typeid(EAbort), QStringLiteral("m1")},
        {"standard exception", 3, &typeid(Exception), QStringLiteral("m1")},
        {"not an exception", 4, &typeid(Exception), QStringLiteral("Unknown exception in library")},
        {"resource error", 5, &typeid(EResNotFound), QStringLiteral("m1")},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Case);
        const TRaised r = RaisedFor(row.Kind, "m1");
        EXPECT_TRUE(r.Class == row.Class || (r.Class && row.Class && *r.Class == *row.Class))
            << (r.Class ? r.Class->name() : "nothing");
        EXPECT_EQ(r.Message, row.Message);
    }
}

TEST(EntryStatus, LongMessagesAreCutAtACharacterBoundary)
{
    const QByteArray text = QString(3000, QChar(0xE9)).toUtf8();
    const TRaised r = RaisedFor(1, text.constData());
    EXPECT_GT(r.Message.size(), 1000);
    EXPECT_LT(r.Message.toUtf8().size(), 2048);
    EXPECT_EQ(r.Message, QString(r.Message.size(), QChar(0xE9)));
}

TEST(EntryStatus, ANullStatusIsRefusedWithoutRunningTheEntry)
{
    bool ran = false;
    EXPECT_EQ(GuardEntry(nullptr, [&] { ran = true; }), qxFailed);
    EXPECT_FALSE(ran);
}

} // namespace libraryentry_test
