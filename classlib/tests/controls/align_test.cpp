// A windowed control places its aligned children against the sides of its
// client area, and again whenever its size or a child changes; Ctl3D and
// ShowHint follow the parent like ParentColor.

#include "classlib/controls/control.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace classlib {
namespace {

struct TChildCase {
    TAlign Align;
    TRect Start;  // as set before aligning
    TRect Placed; // after
    bool Visible = true;
};

TEST(Align, ChildrenFillTheSidesInOrder)
{
    // The parent's client area is 200 x 100.
    struct {
        const char* Name;
        std::vector<TChildCase> Children;
    } cases[] = {
        {"tops stack in the order of their tops",
         {{alTop, Bounds(0, 50, 10, 30), Bounds(0, 20, 200, 30)},
          {alTop, Bounds(5, 0, 10, 20), Bounds(0, 0, 200, 20)}}},
        {"bottoms stack upwards, lowest bottom first",
         {{alBottom, Bounds(0, 0, 10, 20), Bounds(0, 50, 200, 20)},
          {alBottom, Bounds(0, 0, 10, 30), Bounds(0, 70, 200, 30)}}},
        {"every side, then the client in what is left",
         {{alClient, Bounds(1, 1, 1, 1), Bounds(30, 20, 130, 70)},
          {alRight, Bounds(0, 0, 40, 5), Bounds(160, 20, 40, 70)},
          {alLeft, Bounds(0, 0, 30, 5), Bounds(0, 20, 30, 70)},
          {alBottom, Bounds(0, 0, 5, 10), Bounds(0, 90, 200, 10)},
          {alTop, Bounds(0, 0, 5, 20), Bounds(0, 0, 200, 20)},
          {alNone, Bounds(3, 4, 5, 6), Bounds(3, 4, 5, 6)}}},
        {"hidden children take no room",
         {{alLeft, Bounds(0, 0, 50, 5), Bounds(0, 0, 50, 5), false},
          {alLeft, Bounds(60, 0, 20, 5), Bounds(0, 0, 20, 100)}}},
        {"a client area used up leaves the client control empty",
         {{alTop, Bounds(0, 0, 5, 120), Bounds(0, 0, 200, 120)},
          {alClient, Bounds(0, 0, 5, 5), Bounds(0, 120, 200, 0)}}},
    };
    for (const auto& c : cases) {
        TWinControl parent(nullptr);
        parent.SetBounds(0, 0, 200, 100);
        std::vector<std::unique_ptr<TCustomControl>> children;
        parent.DisableAlign();  // as a form's stream sets them: all at once
        for (const TChildCase& k : c.Children) {
            auto child = std::make_unique<TCustomControl>(nullptr);
            child->SetBounds(k.Start.Left, k.Start.Top, k.Start.Width(), k.Start.Height());
            child->SetVisible(k.Visible);
            child->SetParent(&parent);
            child->SetAlign(k.Align);
            children.push_back(std::move(child));
        }
        parent.EnableAlign();
        for (size_t i = 0; i < children.size(); ++i)
            EXPECT_EQ(children[i]->BoundsRect(), c.Children[i].Placed) << c.Name << ", child " << i;
    }
}

TEST(Align, RealignsWhenTheParentOrAChildChanges)
{
    TWinControl parent(nullptr);
    parent.SetBounds(0, 0, 200, 100);
    auto* top = new TCustomControl(nullptr);
    top->SetBounds(0, 0, 10, 20);
    top->SetParent(&parent);
    top->SetAlign(alTop);
    auto* client = new TCustomControl(nullptr);
    client->SetParent(&parent);
    client->SetAlign(alClient);
    EXPECT_EQ(client->BoundsRect(), Bounds(0, 20, 200, 80));

    parent.SetBounds(0, 0, 300, 150);  // resized
    EXPECT_EQ(top->BoundsRect(), Bounds(0, 0, 300, 20));
    EXPECT_EQ(client->BoundsRect(), Bounds(0, 20, 300, 130));
    top->SetHeight(50);  // an aligned child resized
    EXPECT_EQ(top->BoundsRect(), Bounds(0, 0, 300, 50));
    EXPECT_EQ(client->BoundsRect(), Bounds(0, 50, 300, 100));
    top->Hide();
    EXPECT_EQ(client->BoundsRect(), Bounds(0, 0, 300, 150));
    top->Show();
    top->SetAlign(alLeft);  // keeps its width of 300: the client has nothing left
    EXPECT_EQ(top->BoundsRect(), Bounds(0, 0, 300, 150));
    EXPECT_EQ(client->BoundsRect(), Bounds(300, 0, 0, 150));
    top->SetWidth(100);
    EXPECT_EQ(client->BoundsRect(), Bounds(100, 0, 200, 150));
    parent.SetBorderStyle(bsSingle);  // the client area shrinks by the border
    EXPECT_EQ(top->BoundsRect(), Bounds(0, 0, 100, 146));
    EXPECT_EQ(client->BoundsRect(), Bounds(100, 0, 196, 146));
    delete top;  // leaving the parent
    EXPECT_EQ(client->BoundsRect(), Bounds(0, 0, 296, 146));
    client->SetAlign(alNone);
    parent.SetBounds(0, 0, 400, 400);
    EXPECT_EQ(client->BoundsRect(), Bounds(0, 0, 296, 146));
}

TEST(ParentProperties, Ctl3DAndShowHintFollowTheParentUntilSet)
{
    TWinControl parent(nullptr);
    TWinControl child(nullptr);
    TCustomControl grandChild(nullptr);
    child.SetParent(&parent);
    grandChild.SetParent(&child);
    grandChild.SetHint(QStringLiteral("Pages"));
    EXPECT_TRUE(child.ParentCtl3D());
    EXPECT_TRUE(grandChild.ParentShowHint());

    parent.SetCtl3D(false);
    parent.SetShowHint(true);
    EXPECT_FALSE(child.Ctl3D());
    EXPECT_FALSE(grandChild.Ctl3D());
    EXPECT_TRUE(grandChild.ShowHint());
    EXPECT_EQ(grandChild.Widget()->toolTip(), QStringLiteral("Pages"));

    child.SetBounds(0, 0, 50, 40);
    child.SetBorderStyle(bsSingle);
    EXPECT_EQ(child.ClientRect(), Rect(0, 0, 48, 38));  // a flat border: 1 pixel
    child.SetCtl3D(true);
    EXPECT_EQ(child.ClientRect(), Rect(0, 0, 46, 36));  // a sunken edge: 2 pixels

    // Set on the child: it stops following.
    child.SetShowHint(false);
    EXPECT_FALSE(child.ParentCtl3D());
    EXPECT_FALSE(child.ParentShowHint());
    EXPECT_TRUE(grandChild.Ctl3D());
    EXPECT_FALSE(grandChild.ShowHint());
    EXPECT_TRUE(grandChild.Widget()->toolTip().isEmpty());
    parent.SetCtl3D(false);
    parent.SetShowHint(true);
    EXPECT_TRUE(child.Ctl3D());
    EXPECT_FALSE(child.ShowHint());

    // Following again takes the parent's value at once.
    child.SetParentCtl3D(true);
    child.SetParentShowHint(true);
    EXPECT_FALSE(child.Ctl3D());
    EXPECT_TRUE(grandChild.ShowHint());
}

} // namespace
} // namespace classlib
