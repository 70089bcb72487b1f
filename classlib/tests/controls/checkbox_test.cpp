// Check boxes driven with the mouse and keys: clicks, Space, an
// accelerator, a double click; the tick they show.

#include "classlib/controls/checkbox.h"
#include "classlib/controls/form.h"

#include "handlers.h"

#include <QTest>

#include <gtest/gtest.h>

namespace classlib {
namespace {

using testing::Bind;

TEST(CheckBox, ClicksAndSpaceToggleAndEveryChangeFiresOnClick)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 200, 80);
    auto* box = new TCheckBox(&form);
    box->SetParent(&form);
    box->SetCaption(QStringLiteral("&Stay on top"));
    form.Show();
    form.Widget()->activateWindow();
    (void)QTest::qWaitForWindowActive(form.Widget());
    std::vector<bool> seen;
    Bind(box->OnClick, [&](TObject*) { seen.push_back(box->Checked()); });

    QTest::mouseClick(box->Widget(), Qt::LeftButton, {}, QPoint(5, 8));
    EXPECT_TRUE(box->Checked());
    EXPECT_TRUE(box->Focused());
    QTest::keyClick(box->Widget(), Qt::Key_Space);
    EXPECT_FALSE(box->Checked());
    box->SetChecked(true);
    box->SetChecked(true);  // no change, no click
    QTest::keyClick(box->Widget(), Qt::Key_S, Qt::AltModifier);
    EXPECT_FALSE(box->Checked());
    EXPECT_EQ(seen, (std::vector<bool>{true, false, true, false}));
    // A double click is two clicks: back where it was.
    QTest::mouseClick(box->Widget(), Qt::LeftButton, {}, QPoint(5, 8));
    QTest::mouseDClick(box->Widget(), Qt::LeftButton, {}, QPoint(5, 8));
    QTest::mouseRelease(box->Widget(), Qt::LeftButton, {}, QPoint(5, 8));
    EXPECT_FALSE(box->Checked());
    EXPECT_EQ(seen, (std::vector<bool>{true, false, true, false, true, false}));

    // Disabled: the mouse changes nothing.
    box->SetEnabled(false);
    QTest::mouseClick(box->Widget(), Qt::LeftButton, {}, QPoint(5, 8));
    EXPECT_FALSE(box->Checked());
    EXPECT_EQ(seen.size(), 6u);
}

TEST(CheckBox, ShowsItsTickOnlyWhileChecked)
{
    TCheckBox box(nullptr);
    box.SetBounds(0, 0, 100, 17);
    const auto dark = [&] {
        const QImage img = box.Widget()->grab().toImage();
        int n = 0;
        // Inside the box's sunken edge (two pixels a side).
        for (int y = 5; y < 13; ++y)
            for (int x = 3; x < 10; ++x)
                n += qGray(img.pixel(x, y)) < 64;
        return n;
    };
    EXPECT_EQ(dark(), 0);
    box.SetChecked(true);
    EXPECT_GT(dark(), 10);
}

TEST(CheckBox, LeftJustifiedPutsTheBoxAtTheRightEdge)
{
    TCheckBox box(nullptr);
    box.SetBounds(0, 0, 60, 17);
    box.SetCaption(QStringLiteral("Left"));
    // The box's sunken edge: dark pixels in its first column.
    auto edgeAt = [&box](int X) {
        const QImage img = box.Widget()->grab().toImage();
        return qGray(img.pixel(X, 8)) < 160;
    };
    EXPECT_TRUE(edgeAt(0));
    EXPECT_FALSE(edgeAt(60 - 13));
    box.SetAlignment(taLeftJustify);
    EXPECT_FALSE(edgeAt(0));
    EXPECT_TRUE(edgeAt(60 - 13));
}

} // namespace
} // namespace classlib

namespace classlib {
namespace {

TEST(CheckBoxFocus, TheFocusedOneShowsItsDottedRectangle)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 200, 80);
    auto* focused = new TCheckBox(&form);
    auto* other = new TCheckBox(&form);
    for (TCheckBox* box : {focused, other}) {
        box->SetParent(&form);
        box->SetCaption(QStringLiteral("Top"));
    }
    focused->SetBounds(8, 8, 80, 17);
    other->SetBounds(8, 40, 80, 17);
    form.Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.Widget()));
    QTest::mouseClick(focused->Widget(), Qt::LeftButton, {}, QPoint(5, 8));
    ASSERT_TRUE(focused->Focused());
    const QImage on = focused->Widget()->grab().toImage();
    const QImage off = other->Widget()->grab().toImage();
    ASSERT_EQ(on.size(), off.size());
    // The tick differs too: only the caption's surroundings count.
    int differing = 0;
    for (int y = 0; y < on.height(); ++y)
        for (int x = 18; x < on.width(); ++x) differing += on.pixel(x, y) != off.pixel(x, y);
    EXPECT_GT(differing, 10);
}

} // namespace
} // namespace classlib
