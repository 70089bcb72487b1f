// Which of the designer's windows is the active one, and so has the keys,
// after the user clicks the page, runs a View command or closes a message:
// the main window keeps them while the user works on the page.

#include "classlib/tests/controls/waituntil.h"
#include "designer/document/designinstances.h"
#include "designer/document/designstate.h"
#include "designer/document/document.h"
#include "designer/document/page.h"
#include "designer/elements/band.h"
#include "designer/mainwindow/mainwindow.h"
#include "designer/mainwindow/qxactivate.h"
#include "designer/manager/reportmanager.h"
#include "designer/preview/previewwindow.h"

#include "designer-framework/alignpalette.h"
#include "designer-framework/inspectorgrid.h"
#include "designer-framework/inspectorwindow.h"

#include "classlib/controls/application.h"
#include "classlib/controls/edit.h"
#include "classlib/controls/menus.h"
#include "classlib/controls/modalresponder.h"
#include "classlib/controls/screen.h"
#include "classlib/controls/toolbar.h"
#include "classlib/controls/treeview.h"
#include "classlib/tests/tempconfig.h"

#include <QApplication>
#include <QCoreApplication>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace designer::tests {
namespace {

using namespace classlib;

void Settle()
{
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
}

void RunDesigner(const std::function<void(TfrmMain&, TModalScript&)>& Body)
{
    classlib::test::TTempConfig config;
    TModalScript script;
    script.Then([&](TModalRequest& Request) {
        auto* main = dynamic_cast<TfrmMain*>(Request.Form);
        EXPECT_NE(main, nullptr);
        if (!main) return mrCancel;
        Settle();
        Body(*main, script);
        return mrOk;
    });
    QXActivate(nullptr, 0, 0);
    EXPECT_EQ(script.Unexpected(), 0);
}

// Where a person's key goes: the control with the focus, else the active window.
void PressKey(Qt::Key Key, Qt::KeyboardModifiers Modifiers = {})
{
    QWidget* target = QApplication::focusWidget();
    if (!target) target = QApplication::activeWindow();
    ASSERT_NE(target, nullptr);
    QTest::keyClick(target, Key, Modifiers);
    Settle();
}

// The user goes back to the main window (its hidden "F12" command).
void BackToMain(TfrmMain& Main)
{
    Main.mmiMainForm->Click();
    EXPECT_TRUE(classlib::testing::WaitUntil([&] { return Screen()->ActiveForm() == &Main; }));
}

TEST(MainFocus, AfterAClickOnTheAPageDeleteAsksAndTheInspectorStaysBehind)
{
    RunDesigner([](TfrmMain& Main, TModalScript& Script) {
        designer_framework::TfrmInspector* inspector = Main.InspectorWindow();
        Main.mmiInspector->Click();
        EXPECT_TRUE(classlib::testing::WaitUntil([&] { return Screen()->ActiveForm() == inspector; }));
        auto* band = dynamic_cast<TQXBand*>(PageWindow->CreateComponent(TQXBand::StaticClass(), TPoint{10, 10}));
        ASSERT_NE(band, nullptr);
        PageWindow->ClearSelection();
        BackToMain(Main);

        // Selected by a click, the band's name shows in the inspector's editor.
        QTest::mouseClick(band->Widget(), Qt::LeftButton, {}, QPoint(5, 5));
        Settle();
        ASSERT_EQ(PageWindow->SelectionCount(), 1);
        EXPECT_EQ(Screen()->ActiveForm(), &Main);
        EXPECT_FALSE(inspector->edtValue->Focused());
        const QString shown = inspector->edtValue->Text();

        const bool confirm = ConfirmDelete;
        ConfirmDelete = true;
        Script.Answer(mrNo);
        PressKey(Qt::Key_Delete);
        ASSERT_EQ(Script.Pending(), 0);
        EXPECT_EQ(Script.Requests().back().Text, QStringLiteral("Are you sure you want to delete selected item(s)?"));
        EXPECT_EQ(inspector->edtValue->Text(), shown);
        EXPECT_EQ(PageWindow->SelectionCount(), 1);

        // Inserting from the palette's menu keeps the page's window active too.
        Main.mmiComponent->Items(1)->Click();
        Settle();
        EXPECT_EQ(Screen()->ActiveForm(), &Main);
        ConfirmDelete = false;
        const int before = PageWindow->ComponentCount();
        PressKey(Qt::Key_Delete);
        EXPECT_EQ(PageWindow->ComponentCount(), before - 1);
        ConfirmDelete = confirm;

        // Working in the inspector, its editor has the keys.
        Main.mmiInspector->Click();
        EXPECT_TRUE(classlib::testing::WaitUntil([&] { return Screen()->ActiveForm() == inspector; }));
        EXPECT_TRUE(classlib::testing::WaitUntil([&] { return inspector->edtValue->Focused(); }));
    });
}

TEST(MainFocus, EachViewCommandMakesItsWindowTheActiveOne)
{
    RunDesigner([](TfrmMain& Main, TModalScript&) {
        const struct {
            const char* Name;
            std::function<void()> Command;
            TForm* Window;
        } rows[] = {
            {"Report Manager", [&] { Main.mmiReportMan->Click(); }, Manager},
            {"Preview (F5)", [] { PressKey(Qt::Key_F5); }, Preview},
            {"Object Inspector (F11)", [] { PressKey(Qt::Key_F11); }, Main.InspectorWindow()},
            {"Alignment Palette", [&] { Main.mmiAlign->Click(); }, Main.AlignWindow()},
        };
        for (const auto& row : rows) {
            SCOPED_TRACE(row.Name);
            // Shown the first time, then again while it stays behind the main window.
            for (int time = 0; time < 2; ++time) {
                BackToMain(Main);
                row.Command();
                EXPECT_TRUE(classlib::testing::WaitUntil([&] { return Screen()->ActiveForm() == row.Window; }));
                EXPECT_TRUE(row.Window->Showing());
            }
        }
    });
}

TEST(MainFocus, TheManagerKeepsTheKeysAfterARefusedNameAndGivesThemBackForAPage)
{
    RunDesigner([](TfrmMain& Main, TModalScript& Script) {
        Main.mmiNewPage->Click();
        Main.mmiInspector->Click();
        Main.mmiReportMan->Click();
        EXPECT_TRUE(classlib::testing::WaitUntil([&] { return Screen()->ActiveForm() == Manager; }));
        Manager->LoadPageOrder(QStringLiteral("p  -1Page1\r\np  -1Page2\r\ng  -1Group1\r\ng  -1Group2\r\n"));
        TTreeView* tree = Manager->tvwPages;
        tree->SetFocus();
        // The message box goes; the window system activates the main window.
        Script.Then([&Main](TModalRequest&) {
            Main.Widget()->activateWindow();
            Settle();
            return mrOk;
        });
        tree->SetSelected(tree->Items()->Root(3));
        QTest::keyClick(tree->Widget(), Qt::Key_F2);
        ASSERT_TRUE(tree->IsEditing());
        for (QLineEdit* e : tree->Widget()->findChildren<QLineEdit*>())
            if (e->isVisible()) {
                e->setText(QStringLiteral("group1"));
                QTest::keyClick(e, Qt::Key_Return);
            }
        Settle();
        ASSERT_EQ(Script.Pending(), 0);
        EXPECT_TRUE(Script.Requests().back().Text.startsWith(QStringLiteral("Group named group1 already exists!")));
        EXPECT_TRUE(classlib::testing::WaitUntil([&] { return Screen()->ActiveForm() == Manager; }));

        // A double click on a page entry opens the page for the main window.
        TTreeNode* first = tree->Items()->Root(0);
        const TRect r = first->DisplayRect(true);
        const TPoint at = tree->ClientToScreen(TPoint{r.Left + 3, (r.Top + r.Bottom) / 2});
        const QPoint point = tree->Widget()->mapFromGlobal(QPoint(at.X, at.Y));
        // A person's double click: a click, then the second press.
        QTest::mouseClick(tree->Widget(), Qt::LeftButton, {}, point);
        QTest::mouseDClick(tree->Widget(), Qt::LeftButton, {}, point);
        Settle();
        EXPECT_EQ(Document->CurrentPage(), 0);
        EXPECT_TRUE(classlib::testing::WaitUntil([&] { return Screen()->ActiveForm() == &Main; }));
        EXPECT_NE(Screen()->ActiveForm(), Main.InspectorWindow());
    });
}

} // namespace
} // namespace designer::tests
