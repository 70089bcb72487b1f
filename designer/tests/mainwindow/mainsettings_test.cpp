// What the designer remembers from one start to the next.

#include "designer/document/designinstances.h"
#include "designer/document/designstate.h"
#include "designer/mainwindow/mainwindow.h"
#include "designer/preview/previewwindow.h"
#include "designer/mainwindow/qxactivate.h"
#include "designer/manager/reportmanager.h"
#include "designer/controls/ruler.h"

#include "designer-framework/alignpalette.h"
#include "designer-framework/inspectorwindow.h"

#include "classlib/controls/application.h"
#include "classlib/core/atomicsave.h"
#include "classlib/controls/coolbar.h"
#include "classlib/controls/menus.h"
#include "classlib/controls/panel.h"
#include "classlib/controls/modalresponder.h"
#include "classlib/controls/toolbar.h"
#include "classlib/system/registry.h"
#include "runtime/report.h"
#include "classlib/tests/tempconfig.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <vector>

namespace designer::tests {
namespace {

using namespace classlib;

const QString Root = QStringLiteral("\\Software\\Vorn\\Tessary\\1.12\\");

// One start of the designer, closed the way the user closes it.
void Start(const std::function<void(TfrmMain&)>& Body, const char* FileName = nullptr, bool Embedded = false)
{
    TModalScript script;
    script.Then([&](TModalRequest& Request) {
        auto* main = dynamic_cast<TfrmMain*>(Request.Form);
        EXPECT_NE(main, nullptr);
        if (!main) return mrCancel;
        QCoreApplication::processEvents();
        Body(*main);
        EXPECT_TRUE(main->CloseQuery());
        return mrOk;
    });
    QXActivate(FileName, Embedded ? 1 : 0, 0);
    EXPECT_EQ(script.Unexpected(), 0);
}

TEST(MainSettings, ViewOptionsAndTheWindowLayoutSurviveARestart)
{
    test::TTempConfig config;
    Start([](TfrmMain& Main) {
        // A fresh machine: everything shown, the stored options.
        EXPECT_TRUE(Main.mmiPalette->Checked());
        EXPECT_TRUE(Main.mmiRuler->Checked());
        EXPECT_TRUE(ShowCaptions);
        EXPECT_TRUE(ConfirmDelete);
        EXPECT_FALSE(AutoPreview);
        Main.mmiPalette->Click();
        Main.mmiRuler->Click();
        Main.SetBounds(30, 40, 700, 520);
    });
    Start([](TfrmMain& Main) {
        EXPECT_FALSE(Main.mmiPalette->Checked());
        EXPECT_TRUE(Main.mmiStandard->Checked());
        EXPECT_FALSE(Main.cbrMain->Bands()->Items(1)->Visible());
        EXPECT_FALSE(Main.mmiRuler->Checked());
        EXPECT_FALSE(Main.TopRuler->Visible());
        EXPECT_EQ(Main.Width(), 700);
        EXPECT_EQ(Main.Height(), 520);
        Main.mmiPalette->Click();
        Main.mmiRuler->Click();
    });
    Start([](TfrmMain& Main) {
        EXPECT_TRUE(Main.cbrMain->Bands()->Items(1)->Visible());
        EXPECT_TRUE(Main.TopRuler->Visible());
    });
}

TEST(MainSettings, RecentFilesAreKeptButNotByTheEmbeddedDesigner)
{
    test::TTempConfig config;
    QTemporaryDir dir;
    const QString first = dir.filePath(QStringLiteral("first.qxf"));
    Start([&](TfrmMain& Main) { Main.AddRecent(first); });
    const QByteArray embedded = QFile::encodeName(dir.filePath(QStringLiteral("host.qxf")));
    Start([&](TfrmMain& Main) {
        EXPECT_EQ(Main.Recent.Count(), 0);
        Main.AddRecent(dir.filePath(QStringLiteral("other.qxf")));
    }, embedded.constData(), true);
    Start([&](TfrmMain& Main) {
        ASSERT_EQ(Main.Recent.Count(), 1);
        EXPECT_EQ(Main.Recent.Get(0), first);
    });
}

TEST(MainSettings, StoredValuesAreUntrusted)
{
    test::TTempConfig config;
    {
        TRegistry registry;
        ASSERT_TRUE(registry.OpenKey(Root + QStringLiteral("Main"), true));
        registry.WriteString(QStringLiteral("Recent"), QStringLiteral("\r\n/a.qxf\r\n\r\n  \r\n/b.qxf\r\n"));
        registry.CloseKey();
        ASSERT_TRUE(registry.OpenKey(Root + QStringLiteral("Delphi"), true));
        registry.WriteString(QStringLiteral("Binary Path"), QStringLiteral("relative/folder"));
        registry.CloseKey();
    }
    Start([](TfrmMain& Main) {
        // "Main" stops at the first missing value: the window's place.
        EXPECT_EQ(Main.Recent.Count(), 0);
        EXPECT_EQ(Application()->HelpFile(), QStringLiteral("QX.HLP"));
    });
    {
        TRegistry registry;
        ASSERT_TRUE(registry.OpenKey(Root + QStringLiteral("Main"), true));
        registry.WriteString(QStringLiteral("Recent"), QStringLiteral("\r\n/a.qxf\r\n\r\n  \r\n/b.qxf\r\n"));
        registry.CloseKey();
        ASSERT_TRUE(registry.OpenKey(Root + QStringLiteral("Delphi"), true));
        registry.WriteString(QStringLiteral("Binary Path"), QStringLiteral("/opt/tessary"));
        registry.CloseKey();
    }
    Start([](TfrmMain& Main) {
        ASSERT_EQ(Main.Recent.Count(), 2);
        EXPECT_EQ(Main.Recent.Get(0), QStringLiteral("/a.qxf"));
        EXPECT_EQ(Main.Recent.Get(1), QStringLiteral("/b.qxf"));
        EXPECT_EQ(Application()->HelpFile(), QStringLiteral("/opt/tessary/help/QX.HLP"));
    });
    {
        TRegistry registry;
        ASSERT_TRUE(registry.OpenKey(Root + QStringLiteral("Delphi"), true));
        registry.WriteInteger(QStringLiteral("Binary Path"), 7);
        registry.CloseKey();
    }
    // A number where a folder belongs: the designer starts all the same.
    bool started = false;
    Start([&](TfrmMain&) {
        started = true;
        EXPECT_EQ(Application()->HelpFile(), QStringLiteral("QX.HLP"));
    });
    EXPECT_TRUE(started);
}

TEST(MainSettings, AFailureToStoreIsReportedAndTheWindowClosesAnyway)
{
    test::TTempConfig config;
    // A configuration "folder" that is a file: nothing can be stored.
    const QString blocked = config.Path() + QStringLiteral("/blocked");
    QFile file(blocked);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(blocked));
    int shown = 0;
    auto old = Application()->OnException;
    Application()->OnException = [&shown](TObject*, const Exception&) { ++shown; };
    // The designer shows through its own routine while it runs.
    Start([&](TfrmMain&) {
        Application()->OnException = [&shown](TObject*, const Exception&) { ++shown; };
    });
    EXPECT_EQ(shown, 1);
    Application()->OnException = old;
}

TEST(MainSettings, WindowsNeverShownAreStoredHiddenAndStayHidden)
{
    test::TTempConfig config;
    const auto tools = [](TfrmMain& Main) {
        return std::vector<std::pair<const char*, TForm*>>{{"Inspector", Main.InspectorWindow()},
                                                            {"Align", Main.AlignWindow()},
                                                            {"Manager", Manager},
                                                            {"Preview", Preview}};
    };
    Start([&](TfrmMain& Main) {
        for (const auto& [key, window] : tools(Main)) EXPECT_FALSE(window->Visible()) << key;
    });
    for (const char* key : {"Inspector", "Align", "Manager", "Preview"}) {
        TRegistry registry;
        ASSERT_TRUE(registry.OpenKeyReadOnly(Root + QString::fromLatin1(key))) << key;
        EXPECT_FALSE(registry.ReadBool(QStringLiteral("Visible"))) << key;
    }
    Start([&](TfrmMain& Main) {
        for (const auto& [key, window] : tools(Main)) EXPECT_FALSE(window->Showing()) << key;
        // Shown at close: shown at the next start.
        Main.mmiAlign->Click();
    });
    Start([&](TfrmMain& Main) {
        EXPECT_TRUE(Main.AlignWindow()->Showing());
        EXPECT_FALSE(Main.InspectorWindow()->Showing());
    });
}

TEST(MainSettings, AFullDiskAtCloseIsReportedAndKeepsTheStoredSettings)
{
    test::TTempConfig config;
    {
        TRegistry reg;
        ASSERT_TRUE(reg.OpenKey(Root + QStringLiteral("Delphi"), true));
        reg.WriteString(QStringLiteral("Binary Path"), QStringLiteral("/opt/tessary"));
    }
    Start([](TfrmMain&) {});
    QFile file(TRegistry::FileName());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray stored = file.readAll();
    file.close();

    QStringList shown;
    auto old = Application()->OnException;
    {
        TSaveFaultScope fault({TSaveStage::Write, stored.size() / 2, ENOSPC});
        Start([&](TfrmMain& Main) {
            Application()->OnException = [&shown](TObject*, const Exception& E) { shown << E.Message; };
            Main.mmiPalette->Click();
        });
    }
    Application()->OnException = old;
    EXPECT_EQ(shown, QStringList{QStringLiteral("Failed to set data for 'Palette'")});
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), stored);
    file.close();
    EXPECT_EQ(QDir(QFileInfo(file).absolutePath()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("registry.ini")});
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKeyReadOnly(Root + QStringLiteral("Delphi")));
    EXPECT_EQ(reg.ReadString(QStringLiteral("Binary Path")), QStringLiteral("/opt/tessary"));
}

TEST(MainSettings, ThePreviewWindowKeepsItsPlaceBarsAndMonochromeCheck)
{
    test::TTempConfig config;
    Start([](TfrmMain&) {
        ASSERT_NE(Preview, nullptr);
        EXPECT_FALSE(Preview->Monochrome());
        EXPECT_TRUE(Preview->tbrPreview->Visible());
        Preview->SetMonochrome(true);
        Preview->pmiToolbar->Click();
        Preview->SetStayOnTop(true);
        Preview->SetBounds(40, 50, 400, 300);
    });
    Start([](TfrmMain&) {
        ASSERT_NE(Preview, nullptr);
        EXPECT_TRUE(Preview->Monochrome());
        EXPECT_TRUE(Preview->mmiMonochrome->Checked());
        // Only the check: the pages are drawn as before.
        EXPECT_FALSE(Preview->QXReport->Monochrome());
        EXPECT_FALSE(Preview->mmiToolbar->Checked());
        EXPECT_TRUE(Preview->GetStayOnTop());
        EXPECT_EQ(Preview->Width(), 400);
        EXPECT_EQ(Preview->Height(), 300);
        EXPECT_FALSE(Preview->Showing());
    });
}

} // namespace
} // namespace designer::tests

namespace designer::tests {
namespace {

TEST(MainSettings, TheReportManagersPanesSurviveARestart)
{
    test::TTempConfig config;
    Start([](TfrmMain&) {
        EXPECT_FALSE(Manager->Showing());
        Manager->pnlLeft->SetWidth(180);
        Manager->mmiToolbar->Click();
    });
    Start([](TfrmMain&) {
        // Never opened: still hidden.
        EXPECT_FALSE(Manager->Showing());
        EXPECT_EQ(Manager->pnlLeft->Width(), 180);
        EXPECT_FALSE(Manager->tbrPages->Visible());
        EXPECT_TRUE(Manager->GetGroupPaneVisible());
        Manager->SetGroupPaneVisible(false);
    });
    Start([](TfrmMain&) { EXPECT_FALSE(Manager->GetGroupPaneVisible()); });
}

} // namespace
} // namespace designer::tests
