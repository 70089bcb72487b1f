// Palette buttons: the sticky frame, and a palette used the way the main
// window uses it (a Shift-click keeps a tool, a plain click does not).

#include "designer/controls/palettebutton.h"

#include "classlib/controls/form.h"
#include "classlib/controls/toolbar.h"
#include "classlib/tests/controls/handlers.h"

#include <QImage>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace designer::tests {
namespace {

using namespace classlib;

TColorRef Px(const QImage& Img, int X, int Y)
{
    const QRgb c = Img.pixel(X, Y);
    return RGB(qRed(c), qGreen(c), qBlue(c));
}

// A form with a bar of an arrow button and three palette buttons. The
// bar's click handler stands in for the main window's palette: every
// palette button becomes sticky exactly when Shift was held as the mouse
// went down, and only the clicked button is down.
struct TPalette {
    std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
    TToolBar* Bar = new TToolBar(Form.get());
    TToolButton* Arrow = new TToolButton(Bar);
    TPaletteButton* Tools[3] = {new TPaletteButton(Bar), new TPaletteButton(Bar), new TPaletteButton(Bar)};
    bool ShiftDown = false;

    TPalette()
    {
        Form->SetBounds(0, 0, 300, 100);
        Bar->SetParent(Form.get());
        Bar->SetBounds(0, 0, 300, 30);
        Arrow->SetParent(Bar);
        for (TToolButton* b : Buttons()) {
            b->SetParent(Bar);
            classlib::testing::Bind(b->OnMouseDown, [this](TObject*, TMouseButton, TShiftState Shift, int, int) {
                ShiftDown = Shift.Contains(ssShift);
            });
            classlib::testing::Bind(b->OnClick, [this, b](TObject*) { Clicked(b); });
        }
        Form->Show();
    }
    std::vector<TToolButton*> Buttons() const { return {Arrow, Tools[0], Tools[1], Tools[2]}; }
    void Clicked(TToolButton* Button)
    {
        for (TToolButton* b : Buttons()) {
            if (auto* p = dynamic_cast<TPaletteButton*>(b)) p->SetSticky(ShiftDown && Button != Arrow);
            b->SetDown(b == Button);
        }
    }
    void Click(TToolButton* B, Qt::KeyboardModifiers Keys = {})
    {
        QTest::mouseClick(B->Widget(), Qt::LeftButton, Keys, QPoint(8, 8));
    }
    static QImage Face(TToolButton* B) { return B->Widget()->grab().toImage(); }
    // The frame runs one pixel inside the button's edge.
    static bool Framed(TToolButton* B)
    {
        const QImage img = Face(B);
        const TColorRef blue = ColorToRGB(clBlue);
        return Px(img, 1, 10) == blue && Px(img, img.width() - 2, 10) == blue && Px(img, 10, 1) == blue &&
               Px(img, 10, img.height() - 2) == blue;
    }
};

TEST(PaletteButton, StartsBlueFramedNotStickyAndUp)
{
    TPaletteButton b(nullptr);
    EXPECT_EQ(b.FrameColor(), clBlue);
    EXPECT_FALSE(b.Sticky());
    EXPECT_FALSE(b.Down());
}

TEST(PaletteButton, ShowsItsFrameOnlyWhileDownAndSticky)
{
    const struct {
        const char* Name;
        bool Sticky, Down, Framed;
    } cases[] = {
        {"up", false, false, false},
        {"sticky but up", true, false, false},
        {"down but not sticky", false, true, false},
        {"down and sticky", true, true, true},
    };
    for (const auto& c : cases) {
        TPalette p;
        p.Tools[1]->SetSticky(c.Sticky);
        p.Tools[1]->SetDown(c.Down);
        EXPECT_EQ(TPalette::Framed(p.Tools[1]), c.Framed) << c.Name;
        // Down draws the button sunken, framed or not.
        EXPECT_EQ(Px(TPalette::Face(p.Tools[1]), 0, 0) == ColorToRGB(clBtnShadow), c.Down) << c.Name;
    }
}

TEST(PaletteButton, TheFrameTakesTheFrameColour)
{
    TPalette p;
    p.Tools[0]->SetFrameColor(clRed);
    p.Tools[0]->SetSticky(true);
    p.Tools[0]->SetDown(true);
    EXPECT_EQ(Px(TPalette::Face(p.Tools[0]), 1, 10), ColorToRGB(clRed));
}

TEST(PaletteButton, AShiftClickKeepsTheToolAndAPlainClickDropsTheMark)
{
    TPalette p;
    p.Click(p.Tools[1], Qt::ShiftModifier);
    EXPECT_TRUE(p.Tools[1]->Down());
    EXPECT_TRUE(p.Tools[1]->Sticky());
    EXPECT_TRUE(TPalette::Framed(p.Tools[1]));
    EXPECT_FALSE(TPalette::Framed(p.Tools[0]));  // sticky too, but up

    p.Click(p.Tools[2]);
    EXPECT_FALSE(p.Tools[1]->Down());
    EXPECT_FALSE(TPalette::Framed(p.Tools[1]));
    EXPECT_TRUE(p.Tools[2]->Down());
    EXPECT_FALSE(p.Tools[2]->Sticky());
    EXPECT_FALSE(TPalette::Framed(p.Tools[2]));

    // The arrow ends every mark, Shift or not.
    p.Click(p.Tools[0], Qt::ShiftModifier);
    p.Click(p.Arrow, Qt::ShiftModifier);
    EXPECT_TRUE(p.Arrow->Down());
    for (TPaletteButton* t : p.Tools) {
        EXPECT_FALSE(t->Down());
        EXPECT_FALSE(t->Sticky());
    }
}

} // namespace
} // namespace designer::tests
