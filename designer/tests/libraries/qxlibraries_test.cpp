#include "designer/libraries/dllbind.h"
#include "designer/libraries/qxlibentries.h"
#include "designer/libraries/resourceids.h"
#include "designer/libraries/wqxres.h"
#include "designer/libraries/wqxui.h"

#include "classlib/controls/application.h"
#include "classlib/controls/button.h"
#include "classlib/controls/checkbox.h"
#include "classlib/controls/form.h"
#include "classlib/controls/modalresponder.h"
#include "classlib/controls/screen.h"
#include "classlib/system/moduleresources.h"
#include "classlib/system/registry.h"
#include "classlib/tests/errorof.h"
#include "classlib/tests/tempconfig.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <optional>

using namespace classlib;
using namespace classlib::test;
using namespace designer;

namespace qxlibraries_test {

// Settings in a folder of the test's own; "Binary Path" set, empty or
// absent; stand-in libraries copied where it points; their calls logged.
class QXLibraries : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(Temp.isValid());
        qputenv("QXSTUB_LOG", LogFile().toLocal8Bit());
        qunsetenv("QXSTUB_FAIL");
    }

    void TearDown() override
    {
        HideSplash();
        qunsetenv("QXSTUB_LOG");
        qunsetenv("QXSTUB_FAIL");
    }

    // nullopt deletes the value.
    void SetBinaryPath(const std::optional<QString>& Value)
    {
        TRegistry reg;
        ASSERT_TRUE(reg.OpenKey(QString::fromLatin1(InstallationKey), true));
        if (Value)
            reg.WriteString(QString::fromLatin1(BinaryPathValue), *Value);
        else
            reg.DeleteValue(QString::fromLatin1(BinaryPathValue));
    }

    // A folder holding Stub (a library of the test build) as File.
    QString FolderWith(const QString& Stub, const QString& File)
    {
        const QString folder = Temp.filePath(QStringLiteral("bin%1").arg(++FFolders));
        QDir().mkpath(folder);
        EXPECT_TRUE(QFile::copy(QStringLiteral(QX_TESTLIBS_DIR "/lib%1.so").arg(Stub), folder + QLatin1Char('/') + File));
        return folder;
    }

    QString LogFile() const { return Temp.filePath(QStringLiteral("calls.log")); }

    // The logged calls, "<file> <entry>" a line.
    QStringList Calls() const
    {
        QFile log(LogFile());
        if (!log.open(QIODevice::ReadOnly))
            return {};
        return QString::fromLocal8Bit(log.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    static QString Line(const QString& Folder, const QString& File, const char* Entry)
    {
        return Folder + QLatin1Char('/') + File + QLatin1Char(' ') + QLatin1String(Entry);
    }

    TTempConfig Config;
    QTemporaryDir Temp;

private:
    int FFolders = 0;
};

TEST_F(QXLibraries, TheInstallationFolderIsTheBinaryPathWhenAbsolute)
{
    const struct {
        const char* Case;
        std::optional<QString> Value;
        QString Folder;
    } rows[] = {
        {"absent", std::nullopt, QString()},
        {"empty", QString(), QString()},
        {"absolute", QStringLiteral("/opt/tessary"), QStringLiteral("/opt/tessary")},
        {"relative", QStringLiteral("bin"), QString()},
        {"a Windows folder", QStringLiteral("C:\\X"), QString()},
    };
    EXPECT_EQ(InstallationFolder(), QString()) << "no key at all";
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Case);
        SetBinaryPath(row.Value);
        EXPECT_EQ(InstallationFolder(), row.Folder);
    }
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(QString::fromLatin1(InstallationKey), true));
    reg.WriteInteger(QString::fromLatin1(BinaryPathValue), 7);
    EXPECT_EQ(InstallationFolder(), QString()) << "an integer";
}

TEST_F(QXLibraries, TheAboutBoxComesFromTheBinaryPath)
{
    const QString folder = FolderWith(QStringLiteral("qxuistub"), QStringLiteral("libqxui.so"));
    SetBinaryPath(folder);
    ShowAboutBox();
    EXPECT_EQ(Calls(), (QStringList{Line(folder, "libqxui.so", "InitQXLibrary"),
                                    Line(folder, "libqxui.so", "ShowAbout"),
                                    Line(folder, "libqxui.so", "Detach")}));
}

TEST_F(QXLibraries, WithoutABinaryPathTheAboutBoxIsTheOneBesideTheDesigner)
{
    const struct {
        const char* Case;
        std::optional<QString> Value;
    } rows[] = {
        {"absent", std::nullopt},
        {"empty", QString()},
        {"relative", QStringLiteral("testlibs")},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Case);
        SetBinaryPath(row.Value);
        TModalScript script;
        script.Answer(mrOk);
        ShowAboutBox();
        ASSERT_EQ(script.Requests().size(), 1u);
        EXPECT_EQ(script.Requests()[0].Kind, TModalKind::Form);
        EXPECT_EQ(script.Requests()[0].Caption, QStringLiteral("About Tessary"));
    }
    EXPECT_TRUE(Calls().isEmpty());
}

TEST_F(QXLibraries, FailuresOfTheLibraryReachTheCallerAndItIsUnloaded)
{
    const QString folder = FolderWith(QStringLiteral("qxuistub"), QStringLiteral("libqxui.so"));
    SetBinaryPath(folder);
    const struct {
        const char* Case;
        const char* Fail;
        std::function<void()> Call;
        QString Message;
        QStringList Calls;
    } rows[] = {
        {"InitQXLibrary", "InitQXLibrary", [] { ShowAboutBox(); }, QStringLiteral("InitQXLibrary failed"),
         {Line(folder, "libqxui.so", "InitQXLibrary"), Line(folder, "libqxui.so", "Detach")}},
        {"ShowAbout", "ShowAbout", [] { ShowAboutBox(); }, QStringLiteral("ShowAbout failed"),
         {Line(folder, "libqxui.so", "InitQXLibrary"), Line(folder, "libqxui.so", "ShowAbout"),
          Line(folder, "libqxui.so", "Detach")}},
        {"EditOptions", "EditOptions",
         [] {
             bool a = false, b = false, c = false, d = false;
             EditDesignerOptions(a, b, c, d);
         },
         QStringLiteral("EditOptions failed"),
         {Line(folder, "libqxui.so", "InitQXLibrary"), Line(folder, "libqxui.so", "EditOptions"),
          Line(folder, "libqxui.so", "Detach")}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Case);
        QFile::remove(LogFile());
        qputenv("QXSTUB_FAIL", row.Fail);
        EXPECT_EQ(ErrorOf(row.Call), row.Message);
        EXPECT_EQ(Calls(), row.Calls);
    }
}

TEST_F(QXLibraries, ALibraryWithoutInitQXLibraryFailsEveryBinding)
{
    const QString folder = FolderWith(QStringLiteral("qxnoinit"), QStringLiteral("libqxui.so"));
    QFile::copy(folder + QStringLiteral("/libqxui.so"), folder + QStringLiteral("/libqxres.so"));
    SetBinaryPath(folder);
    const QString message = QStringLiteral("Error accessing library function InitQXLibrary");
    bool a = false, b = false, c = false, d = false;
    const std::function<void()> calls[] = {
        [] { ShowAboutBox(); },
        [&] { EditDesignerOptions(a, b, c, d); },
        [] { LoadQXBitmap(); },
        [] { LoadQXString(); },
        [] { LoadQXJPEG(0); },
        [] { LoadQXLibrary(QStringLiteral("qxui.dll")); },
    };
    for (const auto& call : calls)
        EXPECT_EQ(ErrorOf<EDLLException>(call), message);
}

TEST_F(QXLibraries, AMissingLibraryNamesThePathTried)
{
    SetBinaryPath(QStringLiteral("/nonexistent"));
    EXPECT_EQ(ErrorOf<EDLLException>([] { ShowAboutBox(); }),
              QStringLiteral("Error loading library /nonexistent/qxui.dll"));
    EXPECT_EQ(ErrorOf<EDLLException>([] { LoadQXString(); }),
              QStringLiteral("Error loading library /nonexistent/qxres.dll"));
}

TEST_F(QXLibraries, TheSplashFormIsLoadedByPlainNameAndHiddenOnce)
{
    const QString folder = FolderWith(QStringLiteral("qxuistub"), QStringLiteral("libqxui.so"));
    SetBinaryPath(folder);
    EXPECT_NO_THROW(HideSplash()) << "without a splash form";
    EXPECT_FALSE(SplashShown());

    const int forms = Screen()->FormCount();
    ShowSplash();
    EXPECT_TRUE(SplashShown());
    ASSERT_EQ(Screen()->FormCount(), forms + 1);
    EXPECT_EQ(Screen()->Forms(forms)->Name(), QStringLiteral("frmSplash"));
    EXPECT_TRUE(Screen()->Forms(forms)->Visible());

    HideSplash();
    EXPECT_FALSE(SplashShown());
    EXPECT_EQ(Screen()->FormCount(), forms);
    EXPECT_NO_THROW(HideSplash()) << "a second time";
    // The stand-in at "Binary Path" was never touched.
    EXPECT_TRUE(Calls().isEmpty());
}

TEST_F(QXLibraries, TheAboutBoxLeavesTheSplashFormUp)
{
    const int forms = Screen()->FormCount();
    ShowSplash();
    {
        TModalScript script;
        script.Answer(mrOk);
        ShowAboutBox();
    }
    // Loaded twice, unloaded once: the library, and the splash form with
    // it, stay.
    ASSERT_EQ(Screen()->FormCount(), forms + 1);
    EXPECT_EQ(Screen()->Forms(forms)->Name(), QStringLiteral("frmSplash"));
    HideSplash();
    EXPECT_EQ(Screen()->FormCount(), forms);
}

TEST_F(QXLibraries, ASecondSplashReplacesTheFirst)
{
    const int forms = Screen()->FormCount();
    ShowSplash();
    ShowSplash();
    EXPECT_EQ(Screen()->FormCount(), forms + 1);
    HideSplash();
    EXPECT_EQ(Screen()->FormCount(), forms);
}

// Clicks the boxes named in Toggle, then Button, the way a person would.
TModalResponder ClickThrough(QStringList Toggle, QString Button)
{
    return [Toggle, Button](TModalRequest& Request) {
        TForm* form = Request.Form;
        for (const QString& name : Toggle) {
            auto* box = dynamic_cast<TCheckBox*>(form->FindComponent(name));
            if (box)
                QTest::mouseClick(box->Widget(), Qt::LeftButton, {}, QPoint(8, box->Height() / 2));
        }
        auto* button = dynamic_cast<TButton*>(form->FindComponent(Button));
        if (button)
            QTest::mouseClick(button->Widget(), Qt::LeftButton);
        return form->ModalResult();
    };
}

TEST_F(QXLibraries, TheOptionsDialogEditsTheFourOptionsInPlace)
{
    const struct {
        const char* Case;
        QStringList Toggle;
        QString Button;
        bool Accepted;
        bool Grid, Captions, Confirm, Preview;
    } rows[] = {
        {"OK after two clicks", {"chkShowGrid", "chkAutoPreview"}, "btnOK", true, false, true, false, true},
        {"OK unchanged", {}, "btnOK", true, true, true, false, false},
        {"Cancel after clicks", {"chkShowCaptions", "chkConfirmDelete"}, "btnCancel", false, true, true, false, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Case);
        bool grid = true, captions = true, confirm = false, preview = false;
        TModalScript script;
        script.Then(ClickThrough(row.Toggle, row.Button));
        EXPECT_EQ(EditDesignerOptions(grid, captions, confirm, preview), row.Accepted);
        EXPECT_EQ(script.Unexpected(), 0);
        EXPECT_EQ((std::array{grid, captions, confirm, preview}),
                  (std::array{row.Grid, row.Captions, row.Confirm, row.Preview}));
    }
}

TEST_F(QXLibraries, ARefusedDialogLeavesTheOptionsAsTheLibraryLeftThem)
{
    // The stand-in turns ShowGrid and AutoPreview over and answers false.
    SetBinaryPath(FolderWith(QStringLiteral("qxuistub"), QStringLiteral("libqxui.so")));
    bool grid = true, captions = true, confirm = true, preview = false;
    EXPECT_FALSE(EditDesignerOptions(grid, captions, confirm, preview));
    EXPECT_EQ((std::array{grid, captions, confirm, preview}), (std::array{false, true, true, true}));
}

TEST_F(QXLibraries, TheDialogShowsTheOptionsItIsGiven)
{
    bool grid = false, captions = true, confirm = false, preview = true;
    std::array<bool, 4> shown{};
    TModalScript script;
    script.Then([&](TModalRequest& Request) {
        int i = 0;
        for (const char* name : {"chkShowGrid", "chkShowCaptions", "chkConfirmDelete", "chkAutoPreview"})
            shown[i++] = dynamic_cast<TCheckBox*>(Request.Form->FindComponent(QString::fromLatin1(name)))->Checked();
        return mrCancel;
    });
    EXPECT_FALSE(EditDesignerOptions(grid, captions, confirm, preview));
    EXPECT_EQ(shown, (std::array{false, true, false, true}));
}

TEST_F(QXLibraries, TheTextureCountsAgree)
{
    const QStringList names = LoadQXString().split(QLatin1Char('\n'));
    ASSERT_GT(names.size(), 1);
    for (const QString& name : names)
        EXPECT_FALSE(name.trimmed().isEmpty());

    const std::unique_ptr<TBitmap> strip = LoadQXBitmap();
    EXPECT_EQ(strip->Width(), 64);
    EXPECT_EQ(strip->Height(), 64 * names.size());

    for (int i = 0; i < names.size(); ++i) {
        SCOPED_TRACE(i);
        const std::unique_ptr<TJPEGImage> picture = LoadQXJPEG(i);
        EXPECT_GE(picture->Width(), 64);
        EXPECT_GE(picture->Height(), 64);
    }
    const int past = int(names.size());
    EXPECT_EQ(ErrorOf<EResNotFound>([&] { LoadQXJPEG(past); }),
              QStringLiteral("Resource %1 not found").arg(QXTextureJPEGBase + past));
    EXPECT_EQ(ErrorOf<EResNotFound>([] { LoadQXJPEG(-1); }), QStringLiteral("Resource 7999 not found"));
    EXPECT_EQ(ErrorOf<EResNotFound>([] { LoadQXJPEG(std::numeric_limits<int>::max()); }),
              QStringLiteral("Resource %1 not found").arg(qint64(QXTextureJPEGBase) + std::numeric_limits<int>::max()));
}

TEST_F(QXLibraries, EachThumbnailIsItsTextureInSmall)
{
    const std::unique_ptr<TBitmap> strip = LoadQXBitmap();
    const int count = strip->Height() / 64;
    for (int i = 0; i < count; ++i) {
        SCOPED_TRACE(i);
        const QImage picture = LoadQXJPEG(i)->Image().scaled(64, 64, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const QImage thumb = strip->Image().copy(0, 64 * i, 64, 64);
        // Mean colours agree within what JPEG compression moves them.
        auto mean = [](const QImage& img) {
            qint64 r = 0, g = 0, b = 0;
            for (int y = 0; y < img.height(); ++y)
                for (int x = 0; x < img.width(); ++x) {
                    const QRgb p = img.pixel(x, y);
                    r += qRed(p), g += qGreen(p), b += qBlue(p);
                }
            const qint64 n = qint64(img.width()) * img.height();
            return std::array{r / n, g / n, b / n};
        };
        const auto a = mean(picture), t = mean(thumb);
        for (int c = 0; c < 3; ++c)
            EXPECT_NEAR(a[c], t[c], 6);
    }
}

TEST_F(QXLibraries, ResourcesOfALibraryWithoutThemRaise)
{
    // The stand-in has InitQXLibrary but no resource table.
    const QString folder = FolderWith(QStringLiteral("qxuistub"), QStringLiteral("libqxres.so"));
    SetBinaryPath(folder);
    EXPECT_EQ(ErrorOf<EDLLException>([] { LoadQXString(); }), QStringLiteral("Resource Access Failed"));
    EXPECT_EQ(ErrorOf<EResNotFound>([] { LoadQXBitmap(); }), QStringLiteral("Resource 7000 not found"));
    EXPECT_EQ(ErrorOf<EResNotFound>([] { LoadQXJPEG(2); }), QStringLiteral("Resource 8002 not found"));
}

TEST_F(QXLibraries, TheUserInterfaceEntriesRefuseWhatTheyCannotUse)
{
    TDLLLoad qxui(LoadDLL(QStringLiteral("qxui.dll")));
    bool b = false;
    const struct {
        const char* Case;
        std::function<void()> Call;
        QString Message;
    } rows[] = {
        {"no application",
         [&] { CallEntry<TInitQXLibraryProc>(qxui.Handle(), QString::fromLatin1(InitQXLibraryEntry), nullptr,
                                             static_cast<void*>(Screen())); },
         QStringLiteral("The user-interface library needs the program's application and screen")},
        {"an option missing",
         [&] { CallEntry<TEditOptionsProc>(qxui.Handle(), QString::fromLatin1(EditOptionsEntry), &b, &b,
                                           static_cast<bool*>(nullptr), &b, &b); },
         QStringLiteral("EditOptions needs all five of its arguments")},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Case);
        EXPECT_EQ(ErrorOf(row.Call), row.Message);
    }
    TQXEntryStatus status;
    EXPECT_EQ(GetDLLProc<TInitQXLibraryProc>(qxui.Handle(), QString::fromLatin1(InitQXLibraryEntry))(
                  static_cast<void*>(Application()), static_cast<void*>(Screen()), &status),
              qxOk);
}

} // namespace qxlibraries_test
