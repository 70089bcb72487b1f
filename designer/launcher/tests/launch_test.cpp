#include "designer/launcher/launch.h"

#include "classlib/system/dll.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

#include <gtest/gtest.h>

using namespace classlib;
using namespace launcher;

namespace launch_test {

TEST(ParseLaunchArgs, ReadsTheFlagsAndOneFileName)
{
    const struct {
        const char* Case;
        QStringList Args;
        bool Ok;
        TLaunchArgs Result;
        QString Error;
    } rows[] = {
        {"nothing", {}, true, {}, {}},
        {"file", {"a.qxr"}, true, {true, "a.qxr", false, false}, {}},
        {"flags before", {"--embedded", "--splash", "b.qxr"}, true, {true, "b.qxr", true, true}, {}},
        {"flag after", {"b.qxr", "--splash"}, true, {true, "b.qxr", false, true}, {}},
        {"dash file after --", {"--", "--splash"}, true, {true, "--splash", false, false}, {}},
        {"stdin-like dash is a name", {"-"}, true, {true, "-", false, false}, {}},
        {"unknown option", {"--fast"}, false, {}, "Unknown option --fast"},
        {"two files", {"a", "b"}, false, {}, "Only one file name may be given"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Case);
        TLaunchArgs got;
        QString error;
        EXPECT_EQ(ParseLaunchArgs(row.Args, got, error), row.Ok);
        EXPECT_EQ(error, row.Error);
        if (!row.Ok)
            continue;
        EXPECT_EQ(got.HasFileName, row.Result.HasFileName);
        EXPECT_EQ(got.FileName, row.Result.FileName);
        EXPECT_EQ(got.Embedded, row.Result.Embedded);
        EXPECT_EQ(got.WithSplash, row.Result.WithSplash);
    }
}

using TRecordedProc = int (*)(const char**, int*, int*, int*);

TEST(Launch, CallsQXActivateWithTheFileAndTheFlags)
{
    const QString stub = QStringLiteral("qxactivatestub.dll");
    const struct {
        const char* Case;
        TLaunchArgs Args;
        bool HadFileName;
        std::string FileName;
        int Embedded;
        int WithSplash;
    } rows[] = {
        {"no file", {}, false, "", 0, 0},
        {"embedded file", {true, QStringLiteral("r\u00E9port.qxr"), true, false}, true, "r\xC3\xA9port.qxr", 1, 0},
        {"splash", {true, QStringLiteral("x"), false, true}, true, "x", 0, 1},
    };
    TDLLHandle handle = LoadDLL(stub);
    auto recorded = GetDLLProc<TRecordedProc>(handle, QStringLiteral("RecordedActivate"));
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Case);
        const char* name = nullptr;
        int had = -1, embedded = -1, splash = -1;
        const int before = recorded(&name, &had, &embedded, &splash);
        EXPECT_EQ(Launch(row.Args, stub), 0);
        EXPECT_EQ(recorded(&name, &had, &embedded, &splash), before + 1);
        EXPECT_EQ(bool(had), row.HadFileName);
        EXPECT_EQ(std::string(name), row.FileName);
        EXPECT_EQ(embedded, row.Embedded);
        EXPECT_EQ(splash, row.WithSplash);
    }
    UnloadDLL(handle);
}

TEST(Launch, ALibraryThatCannotBeHadEndsWithAnError)
{
    EXPECT_EQ(Launch({}, QStringLiteral("nosuchcore.dll")), 1);
    // A library without QXActivate.
    EXPECT_EQ(Launch({}, QStringLiteral("libm.so.6")), 1);
}

TEST(Launcher, RefusesABadCommandLineWithUsage)
{
    QProcess p;
    p.start(QStringLiteral(QX_DESIGNER_EXE), {QStringLiteral("--bogus")});
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), 2);
    const QString err = QString::fromLocal8Bit(p.readAllStandardError());
    EXPECT_TRUE(err.contains(QStringLiteral("qxdesigner: Unknown option --bogus"))) << err.toStdString();
    EXPECT_TRUE(err.contains(QStringLiteral("usage: qxdesigner"))) << err.toStdString();
}

TEST(Launcher, SitsBesideTheLibrariesItLoads)
{
    const QDir folder = QFileInfo(QStringLiteral(QX_DESIGNER_EXE)).dir();
    for (const char* name : {"qxcore.dll", "qxui.dll", "qxres.dll"}) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(folder.exists(LibraryFileName(QString::fromLatin1(name))));
    }
}

} // namespace launch_test
