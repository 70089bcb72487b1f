#include "classlib/graphics/canvas.h"
#include "classlib/graphics/color.h"
#include "classlib/graphics/edges.h"
#include "classlib/graphics/painterdc.h"

#include "recordingdc.h"

#include <QImage>
#include <QPixmap>

#include <gtest/gtest.h>

using namespace classlib;

namespace {

TColorRef Px(const QImage& I, int X, int Y)
{
    const QRgb c = I.pixel(X, Y);
    return RGB(qRed(c), qGreen(c), qBlue(c));
}

TEST(Edges, BordersTakeTheButtonColoursOfTheirKind)
{
    const struct {
        const char* Name;
        unsigned Edge;
        TColor OuterTopLeft, OuterBottomRight, InnerTopLeft, InnerBottomRight;
    } cases[] = {
        {"raised", EDGE_RAISED, cl3DLight, cl3DDkShadow, clBtnHighlight, clBtnShadow},
        {"sunken", EDGE_SUNKEN, clBtnShadow, clBtnHighlight, cl3DDkShadow, cl3DLight},
        {"etched", EDGE_ETCHED, clBtnShadow, clBtnHighlight, clBtnHighlight, clBtnShadow},
        {"bump", EDGE_BUMP, cl3DLight, cl3DDkShadow, cl3DDkShadow, cl3DLight},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        QImage img(20, 10, QImage::Format_RGB32);
        img.fill(Qt::magenta);
        {
            TPainterDC dc(&img);
            TRect r = Rect(0, 0, 20, 10);
            EXPECT_TRUE(DrawEdge(dc, r, c.Edge, BF_RECT | BF_ADJUST | BF_MIDDLE));
            EXPECT_EQ(r, Rect(2, 2, 18, 8));
        }
        EXPECT_EQ(Px(img, 5, 0), ColorToRGB(c.OuterTopLeft));
        EXPECT_EQ(Px(img, 0, 5), ColorToRGB(c.OuterTopLeft));
        EXPECT_EQ(Px(img, 5, 9), ColorToRGB(c.OuterBottomRight));
        EXPECT_EQ(Px(img, 19, 5), ColorToRGB(c.OuterBottomRight));
        EXPECT_EQ(Px(img, 19, 0), ColorToRGB(c.OuterBottomRight));  // the far corners
        EXPECT_EQ(Px(img, 5, 1), ColorToRGB(c.InnerTopLeft));
        EXPECT_EQ(Px(img, 5, 8), ColorToRGB(c.InnerBottomRight));
        EXPECT_EQ(Px(img, 18, 5), ColorToRGB(c.InnerBottomRight));
        EXPECT_EQ(Px(img, 10, 5), ColorToRGB(clBtnFace));
    }
}

TEST(Edges, OnlyTheNamedSidesAreDrawnAndNoBorderDrawsNothing)
{
    QImage img(10, 10, QImage::Format_RGB32);
    img.fill(Qt::white);
    {
        TPainterDC dc(&img);
        TRect r = Rect(0, 0, 10, 10);
        EXPECT_FALSE(DrawEdge(dc, r, 0, BF_RECT | BF_MIDDLE));
        EXPECT_TRUE(DrawEdge(dc, r, BDR_RAISEDINNER, BF_TOP));
        EXPECT_EQ(r, Rect(0, 0, 10, 10));  // no BF_ADJUST
    }
    EXPECT_EQ(Px(img, 5, 0), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(Px(img, 0, 5), RGB(255, 255, 255));
    EXPECT_EQ(Px(img, 5, 9), RGB(255, 255, 255));
}

TEST(Edges, AFocusRectangleDrawnTwiceRestoresThePixels)
{
    QImage img(12, 8, QImage::Format_RGB32);
    img.fill(Qt::white);
    img.setPixel(4, 0, qRgb(10, 20, 30));
    const QImage before = img;
    {
        TPainterDC dc(&img);
        TCanvas canvas(&dc);
        canvas.DrawFocusRect(Rect(0, 0, 12, 8));
    }
    EXPECT_EQ(Px(img, 0, 0), RGB(0, 0, 0));
    EXPECT_EQ(Px(img, 1, 0), RGB(255, 255, 255));
    EXPECT_EQ(Px(img, 4, 0), RGB(245, 235, 225));
    EXPECT_EQ(Px(img, 0, 2), RGB(0, 0, 0));
    EXPECT_EQ(Px(img, 11, 4), RGB(0, 0, 0));
    EXPECT_EQ(Px(img, 5, 4), RGB(255, 255, 255));
    {
        TPainterDC dc(&img);
        DrawFocusRect(dc, Rect(0, 0, 12, 8));
    }
    EXPECT_EQ(img, before);
}

// A widget being painted keeps no pixels to read back: the rectangle is
// drawn through the device's primitives all the same, and leaves the
// device's state as it was.
TEST(Edges, AFocusRectangleShowsOnDevicesThatKeepNoPixels)
{
    QPixmap pixmap(12, 8);
    pixmap.fill(Qt::white);
    {
        TPainterDC dc(&pixmap);
        DrawFocusRect(dc, Rect(0, 0, 12, 8));
    }
    const QImage img = pixmap.toImage();
    EXPECT_EQ(Px(img, 0, 0), RGB(0, 0, 0));
    EXPECT_EQ(Px(img, 1, 0), RGB(255, 255, 255));
    EXPECT_EQ(Px(img, 11, 4), RGB(0, 0, 0));

    classlib::test::TRecordingDC recorder;
    recorder.SetROP2(R2_COPYPEN);
    DrawFocusRect(recorder, Rect(0, 0, 4, 4));
    // Two dots on the top and bottom edges each, one on each side.
    EXPECT_EQ(recorder.Log.filter(QStringLiteral("LineTo")).size(), 6);
    EXPECT_EQ(recorder.Log.first(), QStringLiteral("SelectPen 0 1 000000"));
    EXPECT_EQ(recorder.State().ROP2, R2_COPYPEN);
    EXPECT_EQ(recorder.SaveLevel(), 0);
}

} // namespace
