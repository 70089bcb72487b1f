// Pixel probes of rendered sheets: paper, outline, shadow, the corners the
// shadow leaves in the background colour, and page content.

#include "runtime/custompreview.h"

#include "classlib/controls/form.h"
#include "classlib/graphics/canvas.h"
#include "classlib/graphics/font.h"
#include "classlib/graphics/metafile.h"
#include "classlib/graphics/metafiledc.h"
#include "classlib/graphics/painterdc.h"

#include <QImage>
#include <QPixmap>

#include <algorithm>

#include <gtest/gtest.h>

namespace runtime {
namespace {

using namespace classlib;

TColorRef Px(const QImage& Img, int X, int Y)
{
    const QRgb c = Img.pixel(X, Y);
    return RGB(qRed(c), qGreen(c), qBlue(c));
}

// A page of 100 x 100 mm with a red square in its middle third.
QByteArray RedSquarePage()
{
    TMetafile mf;
    mf.SetMMWidth(10000);
    mf.SetMMHeight(10000);
    {
        TMetafileCanvas c(mf);
        c.DC().SetMapMode(MM_HIMETRIC);
        c.Brush()->SetColor(clRed);
        c.FillRect(TRect{3333, -3333, 6667, -6667});
    }
    return mf.Data();
}

// One column of half-size pages in a 300 x 200 desktop; the preview's
// widget has a two-pixel border.
void ShowPages(TCustomPreview& P, int Pages)
{
    P.SetBounds(0, 0, 300 + 4 + GetSystemMetrics(SM_CXVSCROLL), 200 + 4 + GetSystemMetrics(SM_CYHSCROLL));
    P.BeginUpdate();
    P.SetPreviewStyle(psZoom);
    P.SetZoom(0.5);
    P.SetPageCount(Pages);
    P.EndUpdate();
}

QImage Grab(TCustomPreview& P)
{
    return P.Widget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

TEST(PreviewRender, SheetWithShadowOnTheDesktopAndContentFromAMetafile)
{
    TCustomPreview p(nullptr);
    TMetafile page;
    page.SetData(RedSquarePage());
    QList<int> drawn;
    QList<TRect> rects;
    p.OnDrawPage = [&](TObject* Sender, TCanvas* Canvas, int PageNumber, const TRect& R) {
        EXPECT_EQ(Sender, &p);
        drawn.append(PageNumber);
        rects.append(R);
        Canvas->StretchDraw(R, &page);
    };
    ShowPages(p, 1);
    p.SetBackColor(clTeal);
    const QImage img = Grab(p);
    ASSERT_EQ(drawn, QList<int>{1});
    EXPECT_EQ(rects[0], Rect(0, 0, 108, 138));

    const TPreviewLeaf* leaf = p.Leaves(0);
    const int l = 2 + leaf->Left(), t = 2 + leaf->Top(), w = leaf->Width(), h = leaf->Height();
    const TColorRef back = ColorToRGB(clTeal);
    struct TProbe {
        const char* Name;
        int X, Y;
        TColorRef Color;
    };
    const TProbe probes[] = {
        {"desktop", 10, 10, back},
        {"outline top-left", l, t, RGB(0, 0, 0)},
        {"outline bottom", l + 20, t + h - 4, RGB(0, 0, 0)},
        {"paper", l + 10, t + 10, RGB(255, 255, 255)},
        {"content", l + w / 2, t + h / 2, RGB(255, 0, 0)},
        {"right shadow", l + w - 2, t + h / 2, RGB(0, 0, 0)},
        {"bottom shadow", l + w / 2, t + h - 1, RGB(0, 0, 0)},
        {"corner above the right shadow", l + w - 1, t + 1, back},
        {"corner left of the bottom shadow", l + 1, t + h - 1, back},
        {"beside the sheet", l + w + 2, t + h / 2, back},
    };
    for (const TProbe& pr : probes) {
        SCOPED_TRACE(pr.Name);
        EXPECT_EQ(Px(img, pr.X, pr.Y), pr.Color);
    }
}

TEST(PreviewRender, DefaultBackgroundIsTheWorkSpaceColour)
{
    TCustomPreview p(nullptr);
    ShowPages(p, 1);
    const QImage img = Grab(p);
    EXPECT_EQ(Px(img, 10, 10), ColorToRGB(clAppWorkSpace));
    const TPreviewLeaf* leaf = p.Leaves(0);
    EXPECT_EQ(Px(img, 2 + leaf->Left() + leaf->Width() - 1, 2 + leaf->Top() + 1), ColorToRGB(clAppWorkSpace));
}

class TBluePreview : public TCustomPreview {
public:
    using TCustomPreview::TCustomPreview;
    QList<int> Painted;

protected:
    void PaintPage(TPreviewLeaf* Leaf) override
    {
        Painted.append(Leaf->PageIndex());
        Leaf->Canvas()->Brush()->SetColor(clBlue);
        Leaf->Canvas()->FillRect(Rect(20, 20, 40, 40));
    }
};

TEST(PreviewRender, DescendantsPaintThePageThemselves)
{
    TBluePreview p(nullptr);
    bool eventFired = false;
    p.OnDrawPage = [&](TObject*, TCanvas*, int, const TRect&) { eventFired = true; };
    ShowPages(p, 1);
    const QImage img = Grab(p);
    EXPECT_EQ(p.Painted, QList<int>{0});
    EXPECT_FALSE(eventFired);
    const TPreviewLeaf* leaf = p.Leaves(0);
    EXPECT_EQ(Px(img, 2 + leaf->Left() + 30, 2 + leaf->Top() + 30), RGB(0, 0, 255));
}

TEST(PreviewRender, PaintWhileThePageCountChangesAsksOnlyForPagesThatExist)
{
    TCustomPreview p(nullptr);
    p.SetBounds(0, 0, 600 + 4 + GetSystemMetrics(SM_CXVSCROLL), 400 + 4 + GetSystemMetrics(SM_CYHSCROLL));
    p.SetPreviewStyle(psZoom);
    p.SetZoom(0.5);
    p.SetColumns(3);
    p.SetPageCount(6);
    p.LastLine();
    QList<int> drawn;
    p.OnDrawPage = [&](TObject*, TCanvas*, int PageNumber, const TRect&) { drawn.append(PageNumber); };
    // A rebuild in progress: the count has dropped, the layout waits.
    p.BeginUpdate();
    p.SetPageCount(1);
    (void)Grab(p);
    for (int n : drawn)
        EXPECT_LE(n, 1);
    p.EndUpdate();
    drawn.clear();
    (void)Grab(p);
    EXPECT_EQ(drawn, QList<int>{1});
}

} // namespace
} // namespace runtime

namespace runtime {
namespace {

int BlackPixels(const QImage& Img)
{
    int n = 0;
    for (int y = 0; y < Img.height(); ++y)
        for (int x = 0; x < Img.width(); ++x)
            n += (Img.pixel(x, y) & 0xFFFFFF) == 0;
    return n;
}

TEST(PreviewRender, PageButtonsShowTwoTrianglesOnTheirFace)
{
    TCustomPreview p(nullptr);
    ShowPages(p, 3);
    ASSERT_TRUE(p.PageDownButton()->Enabled());
    ASSERT_FALSE(p.PageUpButton()->Enabled());
    const QImage down = p.PageDownButton()->Widget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage up = p.PageUpButton()->Widget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    // Two triangles of 1 + 3 + 5 pixels; the glyph's ground is transparent.
    EXPECT_EQ(BlackPixels(down), 18);
    EXPECT_EQ(BlackPixels(up), 0);  // disabled: drawn embossed, not black
    const TSpeedButton* b = p.PageDownButton();
    EXPECT_EQ(Px(down, b->Width() / 2 - 4, b->Height() / 2 + 3), ColorToRGB(clBtnFace));
    const QImage glyph = p.PageDownButton()->Glyph()->Image();
    EXPECT_EQ(glyph.size(), QSize(8, 8));
    EXPECT_EQ(p.PageDownButton()->Glyph()->PixelFormat(), pf4bit);
}

} // namespace
} // namespace runtime

namespace runtime {
namespace {

// A page of 100 x 100 mm with one underlined and one struck-out line of
// large text.
QByteArray DecoratedTextPage()
{
    TMetafile mf;
    mf.SetMMWidth(10000);
    mf.SetMMHeight(10000);
    {
        TMetafileCanvas c(mf);
        c.DC().SetMapMode(MM_HIMETRIC);
        c.Font()->SetName(QStringLiteral("Arial"));
        c.Font()->SetHeight(-1200);
        c.Brush()->SetStyle(bsClear);
        c.Font()->SetStyle(TFontStyles{fsUnderline});
        c.TextOut(1000, -1500, QStringLiteral("Underlined"));
        c.Font()->SetStyle(TFontStyles{fsStrikeOut});
        c.TextOut(1000, -5000, QStringLiteral("Struck out"));
    }
    return mf.Data();
}

// Rows of Img (within Area) on which more than half of the text's width is
// inked: the decoration lines.
QList<int> LineRows(const QImage& Img, const QRect& Area)
{
    int left = Area.right(), right = Area.left();
    for (int y = Area.top(); y <= Area.bottom(); ++y)
        for (int x = Area.left(); x <= Area.right(); ++x)
            if (qGray(Img.pixel(x, y)) < 128) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    QList<int> rows;
    for (int y = Area.top(); y <= Area.bottom(); ++y) {
        int inked = 0;
        for (int x = left; x <= right; ++x) inked += qGray(Img.pixel(x, y)) < 128;
        if (right > left && inked * 2 > right - left) rows.append(y - Area.top());
    }
    return rows;
}

// The preview paints into a widget that sits inside a window: its
// decorations stand where playing the page onto an image puts them.
TEST(PreviewRender, DecorationsOnScreenStandWhereTheyStandInAnImage)
{
    TMetafile page;
    page.SetData(DecoratedTextPage());
    TForm form(nullptr);
    form.SetBounds(0, 0, 640, 560);
    auto* p = new TCustomPreview(&form);
    p->SetParent(&form);
    TRect drawnAt{};
    p->OnDrawPage = [&](TObject*, TCanvas* Canvas, int, const TRect& R) {
        drawnAt = R;
        Canvas->StretchDraw(R, &page);
    };
    p->SetBounds(37, 23, 560, 500);
    p->BeginUpdate();
    p->SetPreviewStyle(psZoom);
    p->SetZoom(1.0);
    p->SetPageCount(1);
    p->EndUpdate();
    const QImage screen = form.Widget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_GT(drawnAt.Right, 0);

    QImage image(drawnAt.Right, drawnAt.Bottom, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        TPainterDC dc(&image);
        TCanvas canvas(&dc);
        canvas.StretchDraw(drawnAt, &page);
    }

    const TPreviewLeaf* leaf = p->Leaves(0);
    const QPoint at = leaf->Widget()->mapTo(form.Widget(), QPoint(0, 0));
    ASSERT_TRUE(at.x() > 0 && at.y() > 0);
    // The underline below the first line, the strike-out through the second.
    const int half = drawnAt.Bottom / 2;
    for (const QRect& area : {QRect(4, 4, drawnAt.Right - 8, half - 4), QRect(4, half, drawnAt.Right - 8, half - 8)}) {
        const QList<int> expected = LineRows(image, area);
        ASSERT_FALSE(expected.isEmpty());
        EXPECT_EQ(LineRows(screen, area.translated(at)), expected);
    }
}

} // namespace
} // namespace runtime
