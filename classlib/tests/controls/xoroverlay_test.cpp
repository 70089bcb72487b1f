// Exclusive-or feedback over a window: shapes drawn twice are gone.

#include "classlib/controls/form.h"
#include "classlib/controls/xoroverlay.h"

#include <QImage>

#include <gtest/gtest.h>

namespace classlib {
namespace {

struct TOverlaidForm {
    TForm Form{nullptr};
    TCustomControl* Child;
    TOverlaidForm()
    {
        Form.SetBounds(0, 0, 100, 80);
        Form.SetColor(clWhite);
        Child = new TCustomControl(&Form);
        Child->SetParent(&Form);
        Child->SetBounds(10, 10, 40, 30);
        Child->SetColor(clBlack);
        Form.Show();
    }
    // The window as shown, in its client pixels.
    QImage Shot() const { return Form.Widget()->grab().toImage(); }
    TPoint Screen(int X, int Y) const { return Form.ClientToScreen(Point(X, Y)); }
};

QRgb At(const QImage& I, int X, int Y)
{
    return I.pixel(X, Y) & 0xFFFFFF;
}

TEST(XorOverlay, OneOverlayAWindowAndTheSameShapeTwiceRemovesIt)
{
    TOverlaidForm f;
    TXorOverlay* o = TXorOverlay::Of(f.Child);
    ASSERT_NE(o, nullptr);
    EXPECT_EQ(TXorOverlay::Of(&f.Form), o);
    const QImage before = f.Shot();

    o->Line(f.Screen(5, 20), f.Screen(60, 20));
    o->FocusRect(Rect(f.Screen(60, 50).X, f.Screen(60, 50).Y, f.Screen(70, 60).X, f.Screen(70, 60).Y));
    o->Mark(Bounds(f.Screen(80, 5).X, f.Screen(80, 5).Y, 6, 6), clGray);
    EXPECT_EQ(o->ShapeCount(), 3);
    const QImage shown = f.Shot();
    // The line inverts what is under it, white and black alike, and stops
    // before its end point.
    EXPECT_EQ(At(shown, 5, 20), 0x000000u);
    EXPECT_EQ(At(shown, 20, 20), 0xFFFFFFu);  // over the black child
    EXPECT_EQ(At(shown, 59, 20), 0x000000u);
    EXPECT_EQ(At(shown, 60, 20), 0xFFFFFFu);
    EXPECT_EQ(At(shown, 5, 21), 0xFFFFFFu);
    // Focus dots every other pixel.
    EXPECT_EQ(At(shown, 60, 50), 0x000000u);
    EXPECT_EQ(At(shown, 61, 50), 0xFFFFFFu);
    EXPECT_EQ(At(shown, 62, 50), 0x000000u);
    EXPECT_EQ(At(shown, 69, 52), 0x000000u);
    EXPECT_EQ(At(shown, 65, 55), 0xFFFFFFu);  // inside stays
    EXPECT_EQ(At(shown, 83, 8), 0x808080u);

    o->Mark(Bounds(f.Screen(80, 5).X, f.Screen(80, 5).Y, 6, 6), clGray);
    o->Line(f.Screen(5, 20), f.Screen(60, 20));
    o->FocusRect(Rect(f.Screen(60, 50).X, f.Screen(60, 50).Y, f.Screen(70, 60).X, f.Screen(70, 60).Y));
    EXPECT_EQ(o->ShapeCount(), 0);
    EXPECT_EQ(f.Shot(), before);
}

TEST(XorOverlay, ALineOfAColourTakesThePixelsExclusiveOrIt)
{
    TOverlaidForm f;
    TXorOverlay* o = TXorOverlay::Of(&f.Form);
    const QImage before = f.Shot();
    const TColor grey = TColor(0xC0C0C0);
    o->Line(f.Screen(5, 20), f.Screen(60, 20), TRect{}, grey);
    const QImage shown = f.Shot();
    EXPECT_EQ(At(shown, 5, 20), 0x3F3F3Fu);   // white
    EXPECT_EQ(At(shown, 20, 20), 0xC0C0C0u);  // black
    // Another colour is another line.
    o->Line(f.Screen(5, 20), f.Screen(60, 20));
    EXPECT_EQ(o->ShapeCount(), 2);
    o->Line(f.Screen(5, 20), f.Screen(60, 20));
    o->Line(f.Screen(5, 20), f.Screen(60, 20), TRect{}, grey);
    EXPECT_EQ(f.Shot(), before);
}

TEST(XorOverlay, ALineShowsOnlyInsideItsClip)
{
    TOverlaidForm f;
    TXorOverlay* o = TXorOverlay::Of(&f.Form);
    const TPoint a = f.Screen(0, 5), b = f.Screen(30, 5);
    o->Line(a, f.Screen(100, 5), Rect(a.X, a.Y, b.X, b.Y + 1));
    const QImage shown = f.Shot();
    EXPECT_EQ(At(shown, 29, 5), 0x000000u);
    EXPECT_EQ(At(shown, 30, 5), 0xFFFFFFu);
    // Erasing needs the same ends only.
    o->Line(a, f.Screen(100, 5));
    EXPECT_EQ(o->ShapeCount(), 0);
}

TEST(XorOverlay, ItStaysAboveChildrenRaisedLaterAndPassesTheMouse)
{
    TOverlaidForm f;
    TXorOverlay* o = TXorOverlay::Of(&f.Form);
    o->Line(f.Screen(12, 12), f.Screen(20, 12));
    f.Child->BringToFront();
    o->Line(f.Screen(12, 14), f.Screen(20, 14));
    const QImage shown = f.Shot();
    EXPECT_EQ(At(shown, 12, 12), 0xFFFFFFu);
    EXPECT_EQ(At(shown, 12, 14), 0xFFFFFFu);
    EXPECT_TRUE(o->testAttribute(Qt::WA_TransparentForMouseEvents));
    f.Form.SetBounds(0, 0, 150, 120);
    EXPECT_EQ(o->geometry(), f.Form.Widget()->rect());
}

} // namespace
} // namespace classlib
