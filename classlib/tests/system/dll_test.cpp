#include "classlib/system/dll.h"
#include "classlib/system/libraryentry.h"

#include "classlib/tests/errorof.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace classlib;
using namespace classlib::test;

namespace dll_test {

const QString TestLib = QStringLiteral("qxdlltest.dll");

using TCountsProc = void (*)(int*, int*);

struct TCounts {
    int Attach = 0;
    int Detach = 0;
};

TCounts CountsOf(TDLLHandle Handle)
{
    TCounts c;
    GetDLLProc<TCountsProc>(Handle, QStringLiteral("DllTestCounts"))(&c.Attach, &c.Detach);
    return c;
}

TEST(LibraryFileName, MapsTheProgramsNamesToSharedObjects)
{
    const struct {
        const char* Case;
        QString Name;
        QString File;
    } rows[] = {
        {"plain", QStringLiteral("qxui.dll"), QStringLiteral("libqxui.so")},
        {"any case", QStringLiteral("QxRes.DLL"), QStringLiteral("libQxRes.so")},
        {"folder kept", QStringLiteral("/opt/x/qxui.dll"), QStringLiteral("/opt/x/libqxui.so")},
        {"relative folder", QStringLiteral("lib/qxres.dll"), QStringLiteral("lib/libqxres.so")},
        {"shared object", QStringLiteral("libm.so.6"), QStringLiteral("libm.so.6")},
        {"extension alone", QStringLiteral(".dll"), QStringLiteral(".dll")},
        {"folder named .dll", QStringLiteral("a.dll/b"), QStringLiteral("a.dll/b")},
        {"empty", QString(), QString()},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Case);
        EXPECT_EQ(LibraryFileName(row.Name), row.File);
    }
}

TEST(LoadDLL, FailuresNameWhatWasAsked)
{
    const struct {
        const char* Case;
        QString Name;
    } rows[] = {
        {"missing plain name", QStringLiteral("nosuchlibrary.dll")},
        {"missing path", QStringLiteral("/nonexistent/qxui.dll")},
        {"not a library", QStringLiteral("/etc/hostname")},
        {"empty", QString()},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Case);
        EXPECT_EQ(ErrorOf<EDLLException>([&] { LoadDLL(row.Name); }),
                  QStringLiteral("Error loading library %1").arg(row.Name));
    }
}

TEST(LoadDLL, FindsAPlainNameBesideTheCallerWhateverTheWorkingFolder)
{
    QTemporaryDir elsewhere;
    const QString before = QDir::currentPath();
    QDir::setCurrent(elsewhere.path());
    TDLLHandle handle = nullptr;
    EXPECT_NO_THROW(handle = LoadDLL(TestLib));
    QDir::setCurrent(before);
    EXPECT_NE(handle, nullptr);
    UnloadDLL(handle);
}

TEST(GetDLLProc, MissingEntryOrHandleNamesTheEntry)
{
    TDLLHandle handle = LoadDLL(TestLib);
    EXPECT_EQ(ErrorOf<EDLLException>([&] { GetDLLProc(handle, QStringLiteral("NoSuchEntry")); }),
              QStringLiteral("Error accessing library function NoSuchEntry"));
    EXPECT_EQ(ErrorOf<EDLLException>([] { GetDLLProc(nullptr, QStringLiteral("InitQXLibrary")); }),
              QStringLiteral("Error accessing library function InitQXLibrary"));
    EXPECT_NE(GetDLLProc(handle, QStringLiteral("DllTestCounts")), nullptr);
    UnloadDLL(handle);
}

TEST(LoadDLL, AttachRunsOnTheFirstLoadAndDetachOnTheLast)
{
    TDLLHandle first = LoadDLL(TestLib);
    const TCounts start = CountsOf(first);
    TDLLHandle second = LoadDLL(TestLib);
    EXPECT_EQ(second, first);
    EXPECT_EQ(CountsOf(first).Attach, start.Attach);
    UnloadDLL(second);
    EXPECT_EQ(CountsOf(first).Detach, start.Detach);
    UnloadDLL(first);
    // Still mapped: the library is never taken out of the process.
    const TCounts end = CountsOf(first);
    EXPECT_EQ(end.Detach, start.Detach + 1);

    TDLLHandle again = LoadDLL(TestLib);
    EXPECT_EQ(CountsOf(again).Attach, end.Attach + 1);
    UnloadDLL(again);
}

TEST(LoadDLL, AFailingAttachUnloadsAndRaisesWhatItReported)
{
    TDLLHandle handle = LoadDLL(TestLib);
    GetDLLProc<void (*)()>(handle, QStringLiteral("DllTestFailNextAttach"))();
    UnloadDLL(handle);
    const TCounts before = CountsOf(handle);

    EXPECT_EQ(ErrorOf([] { LoadDLL(TestLib); }), QStringLiteral("Attach refused"));
    EXPECT_EQ(CountsOf(handle).Attach, before.Attach);

    // The next load attaches as a first load does.
    TDLLHandle again = LoadDLL(TestLib);
    EXPECT_EQ(CountsOf(again).Attach, before.Attach + 1);
    UnloadDLL(again);
}

TEST(DLLLoad, UnloadsWhenItGoesUnlessReleased)
{
    TDLLHandle probe = LoadDLL(TestLib);
    const TCounts start = CountsOf(probe);
    TDLLHandle kept = nullptr;
    try {
        TDLLLoad load(LoadDLL(TestLib));
        kept = TDLLLoad(LoadDLL(TestLib)).Release();
        throw Exception(QStringLiteral("unwinding"));
    } catch (const Exception&) {
    }
    EXPECT_EQ(kept, probe);
    UnloadDLL(kept);
    // Three loads, three unloads: only the probe's last one detaches.
    EXPECT_EQ(CountsOf(probe).Detach, start.Detach);
    UnloadDLL(probe);
    EXPECT_EQ(CountsOf(probe).Detach, start.Detach + 1);
}

TEST(UnloadDLL, NothingHappensForNoHandle)
{
    EXPECT_NO_THROW(UnloadDLL(nullptr));
}

} // namespace dll_test
