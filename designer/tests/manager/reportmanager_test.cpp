// The report manager driven as a person drives it: its menus, its tree's
// keys, mouse and clipboard, and its page designs, with the responder
// answering its questions.

#include "designer/controls/itemselector.h"
#include "designer/manager/ordertree.h"
#include "designer/manager/reportmanager.h"
#include "designer/tests/designfixture.h"

#include "classlib/controls/application.h"
#include "classlib/controls/menus.h"
#include "classlib/controls/modalresponder.h"
#include "classlib/controls/panel.h"
#include "classlib/controls/statusbar.h"
#include "classlib/controls/treeview.h"
#include "classlib/core/codepage.h"
#include "classlib/system/clipboard.h"
#include "classlib/tests/errorof.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

namespace designer::tests {
namespace {

using namespace classlib;

class ReportManagerTest : public DesignerTest {
protected:
    void SetUp() override
    {
        DesignerTest::SetUp();
        Pages = new TfrmPages(nullptr);
        Pages->Document = Document;
        Pages->Show();
        Pages->LoadPageOrder(Document->PageOrder());
    }
    void TearDown() override
    {
        delete Pages;
        DesignerTest::TearDown();
    }

    QString Order() const { return Document->PageOrder(); }
    TTreeNode* Node(const QString& Text) const
    {
        for (TTreeNode* n = Pages->tvwPages->Items()->GetFirstNode(); n; n = n->GetNext())
            if (n->Text() == Text) return n;
        return nullptr;
    }
    void FocusTree()
    {
        Pages->SetActiveControl(Pages->tvwPages);
        Pages->tvwPages->SetFocus();
    }

    TfrmPages* Pages = nullptr;
};

QString Lines(const QString& Line, int Count)
{
    QString text;
    for (int i = 0; i < Count; ++i) text += Line + QStringLiteral("\r\n");
    return text;
}

TEST_F(ReportManagerTest, NewPageAddsADesignAndAnEntryAtTheEnd)
{
    ASSERT_EQ(Order(), QStringLiteral("p  -1Page1"));
    // Showing the window brought the designs up to date.
    EXPECT_EQ(Pages->islPages->ItemCount(), 1);
    EXPECT_EQ(Pages->sbrBottom->Panels()->Items(1)->Text(), QStringLiteral("1"));
    Document->SetModified(false);
    Pages->mmiNewPage->Click();
    EXPECT_EQ(Document->GetPageCount(), 2);
    EXPECT_EQ(Order(), QStringLiteral("p  -1Page1\r\np  -1Page2\r\n"));
    EXPECT_TRUE(Document->GetModified());
    EXPECT_EQ(Pages->islPages->ItemCount(), 2);
    EXPECT_EQ(Pages->islPages->ItemIndex(), 1);
    EXPECT_EQ(Pages->sbrBottom->Panels()->Items(1)->Text(), QStringLiteral("2"));
    EXPECT_TRUE(Pages->pmiDelete->Enabled());
}

TEST_F(ReportManagerTest, GroupsAreNamedRenamedAndRefusedAsThePartsSay)
{
    Pages->LoadPageOrder(QStringLiteral("p  -1Page1\r\ng  -1Group1\r\ng  -1Group3\r\n"));
    Pages->tvwPages->SetSelected(nullptr);
    Pages->mmiNewGroup->Click();
    EXPECT_EQ(Order(), QStringLiteral("p  -1Page1\r\ng  -1Group1\r\ng  -1Group3\r\ng  -1Group2\r\n"));

    int shown = 0;
    QString message;
    auto before = Application()->OnException;
    Application()->OnException = [&](TObject*, const Exception& E) {
        ++shown;
        message = E.Message;
    };
    FocusTree();
    auto rename = [&](TTreeNode* Group, const QString& Typed) {
        Pages->tvwPages->SetSelected(Group);
        QTest::keyClick(Pages->tvwPages->Widget(), Qt::Key_F2);
        ASSERT_TRUE(Pages->tvwPages->IsEditing()) << Typed.toStdString();
        QLineEdit* editor = nullptr;
        for (QLineEdit* e : Pages->tvwPages->Widget()->findChildren<QLineEdit*>())
            if (e->isVisible()) editor = e;
        ASSERT_NE(editor, nullptr);
        editor->setText(Typed);
        QTest::keyClick(editor, Qt::Key_Return);
    };
    TTreeNode* third = Node(QStringLiteral("Group3"));
    rename(third, QStringLiteral("group1"));
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(message, QStringLiteral("Group named group1 already exists!"));
    EXPECT_EQ(third->Text(), QStringLiteral("Group3"));
    // A group may bear a page entry's name; an empty name keeps the old one.
    rename(third, QStringLiteral("Page1"));
    rename(third, QStringLiteral("  "));
    EXPECT_EQ(shown, 1);
    Application()->OnException = before;
    EXPECT_EQ(Order(), QStringLiteral("p  -1Page1\r\ng  -1Group1\r\ng  -1Page1\r\ng  -1Group2\r\n"));
    // Page entries are not renamed.
    Pages->tvwPages->SetSelected(Pages->tvwPages->Items()->Root(0));
    QTest::keyClick(Pages->tvwPages->Widget(), Qt::Key_F2);
    EXPECT_FALSE(Pages->tvwPages->IsEditing());
}

// The clash is shown by the exception display in the Part's own words:
// no full stop after its exclamation mark.
TEST_F(ReportManagerTest, AGroupNameClashIsShownExactlyAsWorded)
{
    Pages->LoadPageOrder(QStringLiteral("g  -1body\r\ng  -1Group2\r\n"));
    FocusTree();
    TTreeNode* second = Node(QStringLiteral("Group2"));
    Pages->tvwPages->SetSelected(second);
    QTest::keyClick(Pages->tvwPages->Widget(), Qt::Key_F2);
    ASSERT_TRUE(Pages->tvwPages->IsEditing());
    QLineEdit* editor = nullptr;
    for (QLineEdit* e : Pages->tvwPages->Widget()->findChildren<QLineEdit*>())
        if (e->isVisible()) editor = e;
    ASSERT_NE(editor, nullptr);
    TModalScript script;
    script.Answer(mrOk);
    editor->selectAll();
    QTest::keyClicks(editor, QStringLiteral("body"));
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(int(script.Requests().size()), 1);
    EXPECT_EQ(script.Requests()[0].Kind, TModalKind::Message);
    EXPECT_EQ(script.Requests()[0].Text, QStringLiteral("Group named body already exists!"));
    EXPECT_EQ(second->Text(), QStringLiteral("Group2"));
    EXPECT_EQ(script.Unexpected(), 0);
}

TEST_F(ReportManagerTest, CopyAndPasteGoThroughTheClipboardAsOrderText)
{
    Pages->LoadPageOrder(QStringLiteral("g  -1Left\r\np   0A\r\np   0B\r\ng  -1Right\r\np   3C\r\n"));
    FocusTree();
    Pages->tvwPages->SetSelected(Node(QStringLiteral("Left")));
    Pages->pmiLCopy->Click();
    EXPECT_EQ(DecodeCodePage(Clipboard().AsText(), 1252), QStringLiteral("g  -1Left\r\np   0A\r\np   0B\r\n"));
    Pages->tvwPages->SetSelected(Node(QStringLiteral("C")));
    Pages->pmiLPaste->Click();
    EXPECT_EQ(Order(), QStringLiteral("g  -1Left\r\np   0A\r\np   0B\r\ng  -1Right\r\np   3C\r\n"
                                      "g   3Group1\r\np   5A\r\np   5B\r\n"));
    // Cut takes the entry out; text that is no order adds nothing.
    Pages->tvwPages->SetSelected(Node(QStringLiteral("C")));
    Pages->pmiLCut->Click();
    EXPECT_FALSE(Order().contains(QStringLiteral("C\r\n")));
    Clipboard().SetAsText("hello");
    Document->SetModified(false);
    const QString before = Order();
    Pages->pmiLPaste->Click();
    EXPECT_EQ(Order(), before);
    EXPECT_TRUE(Document->GetModified());
}

TEST_F(ReportManagerTest, DroppingAnEntryOnEmptySpaceMovesItToTheEndOfTheTop)
{
    Pages->LoadPageOrder(QStringLiteral("g  -1G\r\np   0A\r\np  -1B\r\n"));
    TTreeView* tree = Pages->tvwPages;
    tree->SetSelected(Node(QStringLiteral("A")));
    Pages->tvwPagesDragDrop(tree, tree, 5, tree->ClientHeight() - 2);
    EXPECT_EQ(Order(), QStringLiteral("g  -1G\r\np  -1B\r\np  -1A\r\n"));
    // Onto itself: nothing moves.
    tree->SetSelected(Node(QStringLiteral("G")));
    const TRect r = Node(QStringLiteral("G"))->DisplayRect(true);
    Pages->tvwPagesDragDrop(tree, tree, r.Left + 2, r.Top + 2);
    EXPECT_EQ(Order(), QStringLiteral("g  -1G\r\np  -1B\r\np  -1A\r\n"));
    bool accept = false;
    Pages->tvwPagesDragOver(tree, Pages->islPages, 1, 1, dsDragMove, accept);
    EXPECT_FALSE(accept);
}

TEST_F(ReportManagerTest, DeletingAPageAsksFirst)
{
    Pages->mmiNewPage->Click();
    TModalScript script;
    script.Answer(mrNo).Answer(mrYes);
    Pages->pmiDelete->Click();
    EXPECT_EQ(script.Requests()[0].Text, QStringLiteral("Are you sure you want to delete page Page2?"));
    EXPECT_EQ(Document->GetPageCount(), 2);
    Pages->pmiDelete->Click();
    EXPECT_EQ(Document->GetPageCount(), 1);
    EXPECT_EQ(Order(), QStringLiteral("p  -1Page1\r\n"));
    EXPECT_EQ(script.Unexpected(), 0);
}

TEST_F(ReportManagerTest, TheGroupPaneDecidesWhatTheMenusOffer)
{
    Pages->mmiPage->Click();
    EXPECT_TRUE(Pages->mmiNewGroup->Enabled());
    Pages->mmiGroups->Click();
    EXPECT_FALSE(Pages->GetGroupPaneVisible());
    Pages->mmiPage->Click();
    EXPECT_FALSE(Pages->mmiNewGroup->Enabled());
    EXPECT_FALSE(Pages->mmiNewShortcut->Enabled());
    Pages->mnuNew->Popup(0, 0);
    EXPECT_FALSE(Pages->pmiNGroup->Enabled());
    Pages->mnuNew->Menu()->close();
    Pages->mmiView->Click();
    EXPECT_FALSE(Pages->mmiGroups->Checked());
    Pages->SetGroupPaneVisible(true);
    // The shortcut submenu lists the pages before its placeholder.
    Pages->mmiNewPage->Click();
    Pages->mmiNewShortcut->Click();
    ASSERT_EQ(Pages->mmiNewShortcut->Count(), 3);
    EXPECT_EQ(Pages->mmiNewShortcut->Items(1)->Caption(), QStringLiteral("Page2"));
    Pages->tvwPages->SetSelected(nullptr);
    Pages->mmiNewShortcut->Items(0)->Click();
    EXPECT_EQ(Order(), QStringLiteral("p  -1Page1\r\np  -1Page2\r\np  -1Page1\r\n"));
    Pages->mmiNewShortcut->Click();
    EXPECT_EQ(Pages->mmiNewShortcut->Count(), 3);
}

TEST_F(ReportManagerTest, AStoredOrderWithLinesTheTreeCannotReadIsKeptUntilTheUserLetsAnEditReplaceIt)
{
    // Read as the run reads it: blanks and control characters trimmed,
    // blank lines skipped; the line of kind x and all after it are not.
    const QString stored = QStringLiteral("g\t -1G\x01\r\np   0Page1\r\n\r\nx  -1Bad\r\np  -1Page1\r\n");
    Document->SetPageOrder(stored);
    TModalScript script;
    script.Answer(mrOk).Answer(mrNo).Answer(mrNo).Answer(mrYes);
    Pages->LoadPageOrder(stored);
    // The document reloads the tree on every change: told once.
    Pages->LoadPageOrder(stored);
    ASSERT_EQ(script.Requests().size(), 1u);
    EXPECT_EQ(script.Requests()[0].Text,
              QStringLiteral("Print Order has 2 lines that cannot be read. They are kept until the Print Order is "
                             "changed."));
    EXPECT_EQ(script.Requests()[0].DlgType, mtWarning);
    ASSERT_NE(Node(QStringLiteral("G")), nullptr);
    EXPECT_EQ(Node(QStringLiteral("Page1"))->Parent(), Node(QStringLiteral("G")));

    const QString question = QStringLiteral("Changing the Print Order drops 2 lines that cannot be read. Continue?");
    // No: the group is not added.
    Pages->tvwPages->SetSelected(nullptr);
    Pages->mmiNewGroup->Click();
    ASSERT_EQ(script.Requests().size(), 2u);
    EXPECT_EQ(script.Requests()[1].Text, question);
    EXPECT_EQ(script.Requests()[1].DlgType, mtConfirmation);
    EXPECT_EQ(Order(), stored);
    EXPECT_EQ(Pages->tvwPages->Items()->Count(), 2);
    // No: a rename typed in keeps the old name.
    FocusTree();
    Pages->tvwPages->SetSelected(Node(QStringLiteral("G")));
    QTest::keyClick(Pages->tvwPages->Widget(), Qt::Key_F2);
    ASSERT_TRUE(Pages->tvwPages->IsEditing());
    for (QLineEdit* e : Pages->tvwPages->Widget()->findChildren<QLineEdit*>())
        if (e->isVisible()) {
            e->setText(QStringLiteral("Renamed"));
            QTest::keyClick(e, Qt::Key_Return);
        }
    ASSERT_EQ(script.Requests().size(), 3u);
    EXPECT_EQ(script.Requests()[2].Text, question);
    EXPECT_EQ(Node(QStringLiteral("G"))->Text(), QStringLiteral("G"));
    EXPECT_EQ(Order(), stored);
    // Yes: the order is what the tree shows, with the edit.
    Pages->tvwPages->SetSelected(Node(QStringLiteral("Page1")));
    Pages->pmiLDelete->Click();
    EXPECT_EQ(Order(), QStringLiteral("g  -1G\r\n"));
    // Nothing left to drop: no more questions.
    Pages->tvwPages->SetSelected(nullptr);
    Pages->mmiNewGroup->Click();
    EXPECT_EQ(Order(), QStringLiteral("g  -1G\r\ng  -1Group1\r\n"));
    EXPECT_EQ(script.Requests().size(), 4u);
    EXPECT_EQ(script.Unexpected(), 0);
}

TEST_F(ReportManagerTest, PastesInsertsAndDropsBeyondWhatARunAcceptsAreRefusedAndChangeNothing)
{
    using classlib::test::ErrorOf;
    const QString tooLong = QStringLiteral("Print Order can hold at most 9999 entries!");
    // Groups of one name take the free names in turn.
    Pages->LoadPageOrder(Lines(QStringLiteral("g  -1A"), 9998));
    TTreeNodes& items = *Pages->tvwPages->Items();
    ASSERT_EQ(items.RootCount(), 9998);
    EXPECT_EQ(items.Root(9997)->Text(), QStringLiteral("Group9997"));
    Document->SetPageOrder(Pages->Order().TreeToOrderText());
    const QString full = Order();

    FocusTree();
    Pages->tvwPages->SetSelected(nullptr);
    Clipboard().SetAsText("g  -1G\r\np   0Page1\r\n");
    EXPECT_EQ(ErrorOf([&] { Pages->pmiLPaste->Click(); }), tooLong);
    EXPECT_EQ(items.RootCount(), 9998);
    EXPECT_EQ(Order(), full);
    // The last entry that fits; then no page design without its entry.
    Pages->mmiNewGroup->Click();
    EXPECT_EQ(items.Root(9998)->Text(), QStringLiteral("Group9998"));
    EXPECT_EQ(ErrorOf([&] { Pages->mmiNewPage->Click(); }), tooLong);
    EXPECT_EQ(Document->GetPageCount(), 1);
    EXPECT_EQ(ErrorOf([&] { Pages->mmiNewShortcut->Click(); Pages->mmiNewShortcut->Items(0)->Click(); }), tooLong);
    EXPECT_EQ(items.RootCount(), 9999);

    // 63 groups each inside the one before, then a group holding a group:
    // dropped into the 63rd, it would nest 65 deep.
    QString chain;
    for (int i = 0; i < 63; ++i) chain += QStringLiteral("g%1G%2\r\n").arg(i - 1, 4).arg(i);
    Pages->LoadPageOrder(chain + QStringLiteral("g  -1Top\r\ng  63Inner\r\n"));
    Pages->StorePageOrder();
    const QString nested = Order();
    TTreeView* tree = Pages->tvwPages;
    tree->SetSelected(Node(QStringLiteral("Top")));
    const TRect r = Node(QStringLiteral("G62"))->DisplayRect(true);
    // So deep a row's text lies beyond the right edge: dropped on its left.
    ASSERT_EQ(tree->GetNodeAt(5, r.Top + 2), Node(QStringLiteral("G62")));
    EXPECT_EQ(ErrorOf([&] { Pages->tvwPagesDragDrop(tree, tree, 5, r.Top + 2); }),
              QStringLiteral("Groups can be nested at most 64 deep!"));
    EXPECT_EQ(Order(), nested);
    EXPECT_EQ(Node(QStringLiteral("Inner"))->Parent(), Node(QStringLiteral("Top")));
    EXPECT_EQ(Node(QStringLiteral("Top"))->Parent(), nullptr);
    // The group inside goes one level less deep.
    tree->SetSelected(Node(QStringLiteral("Inner")));
    const TRect g62 = Node(QStringLiteral("G62"))->DisplayRect(true);
    Pages->tvwPagesDragDrop(tree, tree, 5, g62.Top + 2);
    EXPECT_EQ(Node(QStringLiteral("Inner"))->Parent(), Node(QStringLiteral("G62")));
    EXPECT_TRUE(Order().endsWith(QStringLiteral("g  62Inner\r\ng  -1Top\r\n")));
}

} // namespace
} // namespace designer::tests
