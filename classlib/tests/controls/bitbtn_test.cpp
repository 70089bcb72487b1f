// Buttons with glyphs from the program's bitmaps.

#include "classlib/controls/bitbtn.h"
#include "classlib/graphics/bitmapresource.h"

#include <QImage>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace classlib {
namespace {

TColorRef Px(const QImage& Img, int X, int Y)
{
    const QRgb c = Img.pixel(X, Y);
    return RGB(qRed(c), qGreen(c), qBlue(c));
}

// 4 x 4: a white background (the bottom-left pixel) around a red centre.
QImage RedDot()
{
    QImage img(4, 4, QImage::Format_RGB32);
    img.fill(Qt::white);
    img.setPixel(1, 1, qRgb(255, 0, 0));
    img.setPixel(2, 2, qRgb(255, 0, 0));
    return img;
}

TEST(BitmapResources, AreFoundByNameWithoutRegardToCase)
{
    RegisterBitmapResource(QStringLiteral("TRedDot"), RedDot());
    TBitmap bmp;
    ASSERT_TRUE(LoadBitmapResource(bmp, QStringLiteral("treddot")));
    EXPECT_EQ(bmp.Width(), 4);
    EXPECT_EQ(bmp.Image().pixel(1, 1) & 0xFFFFFF, 0xFF0000u);

    // Missing: the bitmap stays as it was.
    EXPECT_FALSE(LoadBitmapResource(bmp, QStringLiteral("TNoSuchClass")));
    EXPECT_EQ(bmp.Width(), 4);

    // A later registration replaces the earlier.
    QImage big(8, 2, QImage::Format_RGB32);
    big.fill(Qt::black);
    RegisterBitmapResource(QStringLiteral("TREDDOT"), big);
    ASSERT_TRUE(LoadBitmapResource(bmp, QStringLiteral("TRedDot")));
    EXPECT_EQ(bmp.Width(), 8);
}

class TCountingBtn : public TBitBtn {
public:
    using TBitBtn::TBitBtn;
    int Clicks = 0;

protected:
    void Click() override
    {
        ++Clicks;
        TBitBtn::Click();
    }
};

TEST(BitBtn, ShowsItsGlyphCentredAndSinksWhilePressed)
{
    TCountingBtn btn(nullptr);
    btn.SetBounds(0, 0, 28, 28);
    TBitmap glyph;
    glyph.SetImage(RedDot());
    btn.SetGlyph(&glyph);

    QImage up = btn.Widget()->grab().toImage();
    // Centred: (28 - 4) / 2 = 12; transparent pixels show the face.
    EXPECT_EQ(Px(up, 13, 13), RGB(255, 0, 0));
    EXPECT_EQ(Px(up, 12, 12), ColorToRGB(clBtnFace));
    EXPECT_EQ(Px(up, 0, 0), ColorToRGB(cl3DLight));  // raised

    QTest::mousePress(btn.Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_TRUE(btn.Down());
    QImage down = btn.Widget()->grab().toImage();
    EXPECT_EQ(Px(down, 14, 14), RGB(255, 0, 0));
    EXPECT_EQ(Px(down, 0, 0), ColorToRGB(clBtnShadow));  // sunken
    QTest::mouseRelease(btn.Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_FALSE(btn.Down());
    EXPECT_EQ(btn.Clicks, 1);

    // Disabled: embossed in the shadow colour, and no press.
    btn.SetEnabled(false);
    QImage off = btn.Widget()->grab().toImage();
    EXPECT_EQ(Px(off, 13, 13), ColorToRGB(clBtnShadow));
}

TEST(BitBtn, AnEmptyGlyphLeavesTheCaptionAlone)
{
    TBitBtn btn(nullptr);
    btn.SetBounds(0, 0, 60, 20);
    btn.SetCaption(QStringLiteral("OK"));
    const QImage img = btn.Widget()->grab().toImage();
    // The text, whatever its smoothing, sits in the middle.
    int left = 60, right = -1;
    for (int y = 2; y < 18; ++y)
        for (int x = 2; x < 58; ++x)
            if (Px(img, x, y) != ColorToRGB(clBtnFace)) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    ASSERT_GE(right, left);
    EXPECT_LE(std::abs((left - 2) - (57 - right)), 3);
}

TEST(BitBtn, AnAmpersandUnderlinesTheNextLetterAndIsNotShown)
{
    // The ink of each caption's columns: "&OK" takes the columns of "OK".
    auto inkedColumns = [](const QString& Caption) {
        TBitBtn btn(nullptr);
        btn.SetBounds(0, 0, 60, 20);
        btn.SetCaption(Caption);
        const QImage img = btn.Widget()->grab().toImage();
        std::pair<int, int> span{60, -1};
        for (int y = 2; y < 18; ++y)
            for (int x = 2; x < 58; ++x)
                if (Px(img, x, y) != ColorToRGB(clBtnFace)) {
                    span.first = std::min(span.first, x);
                    span.second = std::max(span.second, x);
                }
        return span;
    };
    EXPECT_EQ(inkedColumns(QStringLiteral("&OK")), inkedColumns(QStringLiteral("OK")));
}

} // namespace
} // namespace classlib
