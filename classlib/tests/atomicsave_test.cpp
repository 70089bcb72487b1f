// Saving a file whole or not at all: every failing step keeps the old file
// and leaves no temporary; what a save may and may not replace.

#include "classlib/core/atomicsave.h"
#include "classlib/core/streams.h"
#include "classlib/core/sysutils.h"
#include "classlib/tests/errorof.h"
#include "classlib/tests/savefaults.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

#include <sys/stat.h>
#include <unistd.h>

namespace classlib {
namespace {

using test::ErrorOf;
using test::FolderEntries;

QByteArray ReadFile(const QString& Name)
{
    QFile f(Name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void WriteFile(const QString& Name, const QByteArray& Bytes)
{
    QFile f(Name);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(Bytes), Bytes.size());
}

// The message of the error a failed save raises, of the class its step
// gives: the file cannot be created, or it cannot be written.
template <class F>
QString SaveError(const test::TSaveFaultCase& Case, F&& Save)
{
    return Case.Reason.isEmpty() ? ErrorOf<EFCreateError>(Save) : ErrorOf<EWriteError>(Save);
}

TEST(AtomicSave, EveryFailingStepKeepsTheOldFileAndLeavesNoTemporary)
{
    const QByteArray bytes(6000, 'n');
    const QByteArray old(6000, 'o');
    struct TWriter {
        const char* Name;
        std::function<void(const QString&)> Save;
    };
    const TWriter writers[] = {
        {"AtomicSaveToFile", [&](const QString& File) { AtomicSaveToFile(File, bytes); }},
        {"TBytesStream::SaveToFile", [&](const QString& File) { TBytesStream(bytes).SaveToFile(File); }},
    };
    for (const TWriter& w : writers) {
        for (const test::TSaveFaultCase& c : test::SaveFaultCases(bytes.size())) {
            for (const bool replacing : {true, false}) {
                SCOPED_TRACE(std::string(w.Name) + " / " + c.Name + (replacing ? " / replacing" : " / new"));
                QTemporaryDir dir;
                const QString file = dir.filePath(QStringLiteral("report.qxf"));
                if (replacing)
                    WriteFile(file, old);
                {
                    TSaveFaultScope fault(c.Fault);
                    EXPECT_EQ(SaveError(c, [&] { w.Save(file); }), test::SaveErrorOf(c, file));
                }
                EXPECT_EQ(ReadFile(file), replacing ? old : QByteArray("<missing>"));
                EXPECT_EQ(FolderEntries(dir.path()),
                          replacing ? QStringList{QStringLiteral("report.qxf")} : QStringList{});
                // The same writer saves once the fault is gone.
                w.Save(file);
                EXPECT_EQ(ReadFile(file), bytes);
                EXPECT_EQ(FolderEntries(dir.path()), QStringList{QStringLiteral("report.qxf")});
            }
        }
    }
}

TEST(AtomicSave, WritesWholeFilesAndKeepsWhatTheOldOneWas)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("a.bin"));

    AtomicSaveToFile(file, QByteArray());
    EXPECT_EQ(ReadFile(file), QByteArray());
    {
        // A disk that fills up only after the file's last byte.
        TSaveFaultScope fault({TSaveStage::Write, 5, ENOSPC});
        AtomicSaveToFile(file, "hello");
    }
    EXPECT_EQ(ReadFile(file), "hello");

    ASSERT_EQ(::chmod(QFile::encodeName(file).constData(), 0640), 0);
    AtomicSaveToFile(file, "again");
    EXPECT_EQ(ReadFile(file), "again");
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(file).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);

    // A link keeps naming the file it names, which takes the bytes.
    const QString link = dir.filePath(QStringLiteral("link.bin"));
    ASSERT_TRUE(QFile::link(file, link));
    AtomicSaveToFile(link, "through the link");
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(ReadFile(file), "through the link");

    // A name near the system's limit still leaves room for the temporary.
    const QString longName = dir.filePath(QString(250, u'l'));
    AtomicSaveToFile(longName, "long");
    EXPECT_EQ(ReadFile(longName), "long");
    EXPECT_EQ(FolderEntries(dir.path()).size(), 3);
}

TEST(AtomicSave, RefusesWhatItMayNotReplace)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("folder"));
    ASSERT_TRUE(QDir().mkpath(folder + QStringLiteral("/inside")));
    const QString readOnly = dir.filePath(QStringLiteral("readonly.bin"));
    WriteFile(readOnly, "mine");
    ASSERT_TRUE(QFile::setPermissions(readOnly, QFileDevice::ReadOwner));
    struct TCase {
        const char* Name;
        QString File;
    };
    std::vector<TCase> cases{
        {"empty name", QString()},
        {"a folder", folder},
        {"a missing folder", dir.filePath(QStringLiteral("no/such/file.bin"))},
    };
    // The superuser may write any file.
    if (::geteuid() != 0)
        cases.push_back({"a read-only file", readOnly});
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(ErrorOf<EFCreateError>([&] { AtomicSaveToFile(c.File, "x"); }),
                  QStringLiteral("Cannot create file ") + c.File);
    }
    EXPECT_TRUE(QFileInfo(folder + QStringLiteral("/inside")).isDir());
    EXPECT_EQ(ReadFile(readOnly), "mine");
    EXPECT_EQ(FolderEntries(dir.path()), (QStringList{QStringLiteral("folder"), QStringLiteral("readonly.bin")}));
}

} // namespace
} // namespace classlib
