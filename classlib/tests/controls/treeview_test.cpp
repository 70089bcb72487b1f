// Tree views used as a person would: clicks on rows and buttons, double
// clicks, keys, right clicks and editing a text in place; the node tree
// itself, its order, sorting and freeing.

#include "classlib/controls/application.h"
#include "classlib/controls/form.h"
#include "classlib/controls/treeview.h"
#include "classlib/core/sysutils.h"
#include "handlers.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace classlib {
namespace {

using testing::Bind;

struct TTreeFixture : ::testing::Test {
    TForm form{nullptr};
    TTreeView* tree = new TTreeView(&form);
    // Fruit (Apple, Pear (Seed)), Stone
    TTreeNode* fruit = nullptr;
    TTreeNode* apple = nullptr;
    TTreeNode* pear = nullptr;
    TTreeNode* seed = nullptr;
    TTreeNode* stone = nullptr;

    void SetUp() override
    {
        form.SetBounds(0, 0, 300, 240);
        tree->SetParent(&form);
        tree->SetBounds(10, 10, 200, 200);
        TTreeNodes& items = *tree->Items();
        fruit = items.AddChild(nullptr, QStringLiteral("Fruit"));
        apple = items.AddChild(fruit, QStringLiteral("Apple"));
        pear = items.Add(apple, QStringLiteral("Pear"));
        seed = items.AddChild(pear, QStringLiteral("Seed"));
        stone = items.Add(fruit, QStringLiteral("Stone"));
        form.Show();
        tree->SetFocus();
    }

    // The middle of a node's text, where a person clicks.
    QPoint At(TTreeNode* Node) const
    {
        const TRect r = Node->DisplayRect(true);
        return QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    }
    QPoint ButtonOf(TTreeNode* Node) const
    {
        const TRect r = Node->DisplayRect(false);
        return QPoint((Node->Level() + 1) * tree->Indent() - tree->Indent() / 2, (r.Top + r.Bottom) / 2);
    }
    void Press(TTreeNode* Node, Qt::MouseButton Button = Qt::LeftButton)
    {
        QTest::mouseClick(tree->Widget(), Button, {}, At(Node));
    }
    QStringList Shown() const
    {
        QStringList texts;
        for (int y = 1; y < tree->ClientHeight(); y += tree->RowHeight())
            if (TTreeNode* n = tree->GetNodeAt(5, y)) texts << n->Text();
        return texts;
    }
};

TEST_F(TTreeFixture, NodesKeepTheirPlacesAndGoWithTheirParent)
{
    TTreeNodes& items = *tree->Items();
    EXPECT_EQ(items.Count(), 5);
    const QStringList order = {"Fruit", "Apple", "Pear", "Seed", "Stone"};
    for (int i = 0; i < items.Count(); ++i) EXPECT_EQ(items.Item(i)->Text(), order[i]);
    EXPECT_THROW(items.Item(5), EListError);
    EXPECT_EQ(pear->Index(), 1);
    EXPECT_EQ(seed->Level(), 2);
    EXPECT_EQ(seed->GetNext(), stone);
    EXPECT_TRUE(seed->HasAsParent(fruit));
    EXPECT_EQ(apple->GetNextSibling(), pear);
    EXPECT_EQ(pear->GetPrevSibling(), apple);

    QStringList freed;
    Bind(tree->OnDeletion, [&](TObject*, TTreeNode* Node) { freed << Node->Text(); });
    tree->SetSelected(seed);
    TTreeNode* announced = seed;
    Bind(tree->OnChange, [&](TObject*, TTreeNode* Node) { announced = Node; });
    pear->Delete();
    EXPECT_EQ(freed, (QStringList{"Seed", "Pear"}));
    EXPECT_EQ(tree->Selected(), nullptr);
    EXPECT_EQ(announced, nullptr);
    EXPECT_EQ(items.Count(), 3);
    items.Clear();
    EXPECT_EQ(items.Count(), 0);
    EXPECT_EQ(freed.size(), 5);
}

TEST_F(TTreeFixture, ClicksSelectOpenAndCloseAsAPersonExpects)
{
    EXPECT_EQ(Shown(), (QStringList{"Fruit", "Stone"}));
    // The button opens and closes without selecting.
    QTest::mouseClick(tree->Widget(), Qt::LeftButton, {}, ButtonOf(fruit));
    EXPECT_EQ(Shown(), (QStringList{"Fruit", "Apple", "Pear", "Stone"}));
    EXPECT_EQ(tree->Selected(), nullptr);

    std::vector<TTreeNode*> changes;
    Bind(tree->OnChange, [&](TObject*, TTreeNode* Node) { changes.push_back(Node); });
    bool allow = false;
    Bind(tree->OnChanging, [&](TObject*, TTreeNode*, bool& Allow) { Allow = allow; });
    Press(pear);
    EXPECT_EQ(tree->Selected(), nullptr);
    allow = true;
    Press(pear);
    EXPECT_EQ(tree->Selected(), pear);
    EXPECT_EQ(changes, std::vector<TTreeNode*>{pear});

    // A double click opens a node; the collapse may be refused.
    QTest::mouseDClick(tree->Widget(), Qt::LeftButton, {}, At(pear));
    EXPECT_TRUE(pear->Expanded());
    EXPECT_TRUE(Shown().contains("Seed"));
    Bind(tree->OnCollapsing, [](TObject*, TTreeNode*, bool& Allow) { Allow = false; });
    QTest::mouseClick(tree->Widget(), Qt::LeftButton, {}, ButtonOf(fruit));
    EXPECT_TRUE(fruit->Expanded());
    tree->OnCollapsing = {};
    // Closing a parent of the selection selects the parent.
    tree->SetSelected(seed);
    fruit->Collapse(false);
    EXPECT_EQ(tree->Selected(), fruit);

    // A right press selects only when asked to.
    Press(stone, Qt::RightButton);
    EXPECT_EQ(tree->Selected(), fruit);
    tree->SetRightClickSelect(true);
    Press(stone, Qt::RightButton);
    EXPECT_EQ(tree->Selected(), stone);
}

TEST_F(TTreeFixture, KeysWalkTheShownRows)
{
    tree->FullExpand();
    tree->SetSelected(fruit);
    const struct {
        Qt::Key Key;
        TTreeNode* TTreeFixture::*Expected;
    } steps[] = {
        {Qt::Key_Down, &TTreeFixture::apple}, {Qt::Key_Down, &TTreeFixture::pear},
        {Qt::Key_Right, &TTreeFixture::seed}, {Qt::Key_Left, &TTreeFixture::pear},
        {Qt::Key_End, &TTreeFixture::stone},  {Qt::Key_Home, &TTreeFixture::fruit},
        {Qt::Key_Up, &TTreeFixture::fruit},
    };
    for (const auto& s : steps) {
        QTest::keyClick(tree->Widget(), s.Key);
        EXPECT_EQ(tree->Selected(), this->*s.Expected) << QTest::toString(s.Key);
    }
    // Left closes an open node before it walks up; Right opens it again.
    QTest::keyClick(tree->Widget(), Qt::Key_Left);
    EXPECT_FALSE(fruit->Expanded());
    QTest::keyClick(tree->Widget(), Qt::Key_Right);
    EXPECT_TRUE(fruit->Expanded());
}

TEST_F(TTreeFixture, ATextIsEditedInPlaceAndARefusalKeepsTheOldOne)
{
    QString seen;
    Bind(tree->OnEdited, [&](TObject*, TTreeNode*, QString& S) {
        seen = S;
        if (S == QStringLiteral("Taken")) throw Exception(QStringLiteral("Name taken"));
    });
    const struct {
        const char* Typed;
        Qt::Key End;
        const char* After;
    } cases[] = {{"Plum", Qt::Key_Return, "Plum"}, {"Cherry", Qt::Key_Escape, "Plum"}, {"Taken", Qt::Key_Return, "Plum"}};
    int shown = 0;
    auto before = Application()->OnException;
    Application()->OnException = [&](TObject*, const Exception&) { ++shown; };
    for (const auto& c : cases) {
        ASSERT_TRUE(stone->EditText()) << c.Typed;
        EXPECT_TRUE(tree->IsEditing());
        QLineEdit* editor = nullptr;
        for (QLineEdit* e : tree->Widget()->findChildren<QLineEdit*>())
            if (e->isVisible()) editor = e;
        ASSERT_NE(editor, nullptr);
        editor->selectAll();
        QTest::keyClicks(editor, QString::fromLatin1(c.Typed));
        QTest::keyClick(editor, c.End);
        QCoreApplication::processEvents();
        EXPECT_FALSE(tree->IsEditing()) << c.Typed;
        EXPECT_EQ(stone->Text(), QString::fromLatin1(c.After)) << c.Typed;
    }
    EXPECT_EQ(seen, QStringLiteral("Taken"));
    EXPECT_EQ(shown, 1);
    Application()->OnException = before;

    // Refused by the view or by OnEditing: no editor.
    Bind(tree->OnEditing, [](TObject*, TTreeNode* Node, bool& Allow) { Allow = Node->Text() != "Fruit"; });
    EXPECT_FALSE(fruit->EditText());
    tree->SetReadOnly(true);
    EXPECT_FALSE(stone->EditText());
    EXPECT_FALSE(tree->IsEditing());
}

TEST_F(TTreeFixture, ASecondClickOnTheSelectedTextStartsEditing)
{
    Press(stone);
    EXPECT_FALSE(tree->IsEditing());
    Press(stone);
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    EXPECT_TRUE(tree->IsEditing());
    tree->EndEditing(true);
}

TEST_F(TTreeFixture, WithAutomaticDraggingAClickStillSelectsAndADragDrops)
{
    tree->SetDragMode(dmAutomatic);
    tree->FullExpand();
    QStringList drops;
    Bind(tree->OnDragOver, [](TObject*, TObject*, int, int, TDragState, bool& Accept) { Accept = true; });
    Bind(tree->OnDragDrop, [&](TObject*, TObject* Source, int X, int Y) {
        EXPECT_EQ(Source, tree);
        drops << tree->Selected()->Text() + QStringLiteral(">") + tree->GetNodeAt(X, Y)->Text();
    });
    Press(pear);
    EXPECT_EQ(tree->Selected(), pear);
    EXPECT_TRUE(drops.isEmpty());
    QTest::mousePress(tree->Widget(), Qt::LeftButton, {}, At(apple));
    QTest::mouseMove(tree->Widget(), At(stone));
    QTest::mouseRelease(tree->Widget(), Qt::LeftButton, {}, At(stone));
    EXPECT_FALSE(tree->Dragging());
    EXPECT_EQ(drops, QStringList{"Apple>Stone"});
}

TEST(TreeView, SortedSiblingsFollowTheirTextsWithoutRegardToCase)
{
    TTreeView tree(nullptr);
    tree.SetSortType(stText);
    TTreeNodes& items = *tree.Items();
    TTreeNode* b = items.AddChild(nullptr, QStringLiteral("beta"));
    items.AddChild(nullptr, QStringLiteral("Gamma"));
    items.AddChild(nullptr, QStringLiteral("alpha"));
    auto texts = [&] {
        QStringList t;
        for (int i = 0; i < items.RootCount(); ++i) t << items.Root(i)->Text();
        return t;
    };
    EXPECT_EQ(texts(), (QStringList{"alpha", "beta", "Gamma"}));
    b->SetText(QStringLiteral("Zeta"));
    EXPECT_EQ(texts(), (QStringList{"alpha", "Gamma", "Zeta"}));
    // Siblings know their new places after a sort.
    EXPECT_EQ(b->Index(), 2);
    EXPECT_EQ(b->GetPrevSibling()->Text(), "Gamma");
    EXPECT_EQ(items.Root(0)->GetNextSibling()->Text(), "Gamma");
}

TEST(TreeView, SiblingsFollowEachOtherAfterNodesInTheMiddleGo)
{
    TTreeView tree(nullptr);
    TTreeNodes& items = *tree.Items();
    std::vector<TTreeNode*> nodes;
    for (int i = 0; i < 6; ++i) nodes.push_back(items.AddChild(nullptr, QString::number(i)));
    items.AddChild(nodes[3], QStringLiteral("3a"));
    nodes[1]->Delete();
    nodes[4]->Delete();
    QStringList walked;
    for (TTreeNode* n = items.GetFirstNode(); n; n = n->GetNext()) walked << n->Text() + ":" + QString::number(n->Index());
    EXPECT_EQ(walked, (QStringList{"0:0", "2:1", "3:2", "3a:0", "5:3"}));
    EXPECT_EQ(nodes[5]->GetPrevSibling(), nodes[3]);
    EXPECT_EQ(nodes[0]->GetNextSibling(), nodes[2]);
    EXPECT_EQ(nodes[5]->GetNextSibling(), nullptr);
    // Each deleted from the back, as a clear does.
    items.Clear();
    EXPECT_EQ(items.Count(), 0);
}

TEST_F(TTreeFixture, AnUnfocusedSelectionShowsOnlyWhenNotHidden)
{
    form.Widget()->clearFocus();
    tree->Widget()->clearFocus();
    ASSERT_FALSE(tree->Focused());
    tree->SetSelected(stone);
    auto pixel = [&](TTreeNode* Node) {
        const QImage shot = tree->Widget()->grab().toImage();
        const TRect r = Node->DisplayRect(true);
        // Inside the text's box, right of the letters.
        return shot.pixel(r.Right - 2, r.Top + 2) & 0xFFFFFF;
    };
    auto rgb = [](TColor Color) {
        const TColorRef c = ColorToRGB(Color);
        return qRgb(GetRValue(c), GetGValue(c), GetBValue(c)) & 0xFFFFFF;
    };
    EXPECT_EQ(pixel(stone), rgb(clWindow));
    tree->SetHideSelection(false);
    EXPECT_EQ(pixel(stone), rgb(clBtnFace));
    EXPECT_EQ(pixel(fruit), rgb(clWindow));
}

} // namespace
} // namespace classlib
