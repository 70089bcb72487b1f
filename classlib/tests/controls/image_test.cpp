// Images: the picture at the top left, centred or stretched, sizing to it,
// and transparency passed on to the graphic.

#include "classlib/controls/form.h"
#include "classlib/controls/image.h"
#include "classlib/graphics/bitmap.h"

#include <gtest/gtest.h>

namespace classlib {
namespace {

// A 16 x 16 marker: red, with a blue top-left pixel.
void PaintMarker(TBitmap& bmp)
{
    bmp.SetSize(16, 16);
    bmp.Canvas().Brush()->SetColor(clRed);
    bmp.Canvas().FillRect(Rect(0, 0, 16, 16));
    bmp.Canvas().SetPixels(0, 0, clBlue);
}

TEST(Image, DrawsThePictureWhereItsSettingsPlaceIt)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 200, 200);
    form.SetColor(clWhite);
    auto* image = new TImage(&form);
    image->SetParent(&form);
    image->SetBounds(0, 0, 48, 48);
    TBitmap marker;
    PaintMarker(marker);
    image->Picture()->SetGraphic(&marker);
    form.Show();

    const struct {
        const char* Name;
        bool Center, Stretch;
        QPoint Red, White;
    } cases[] = {
        {"top left", false, false, QPoint(8, 8), QPoint(30, 30)},
        {"centred", true, false, QPoint(24, 24), QPoint(5, 5)},
        {"stretched", false, true, QPoint(40, 40), QPoint(-1, -1)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        image->SetCenter(c.Center);
        image->SetStretch(c.Stretch);
        const QImage shot = form.Widget()->grab().toImage();
        EXPECT_EQ(shot.pixelColor(c.Red), QColor(Qt::red));
        if (c.White.x() >= 0) {
            EXPECT_EQ(shot.pixelColor(c.White), QColor(Qt::white));
        }
    }
}

TEST(Image, SizesToThePictureAndPassesTransparencyOn)
{
    TImage image(nullptr);
    image.SetAutoSize(true);
    TBitmap marker;
    PaintMarker(marker);
    image.Picture()->SetGraphic(&marker);
    EXPECT_EQ(image.Width(), 16);
    EXPECT_EQ(image.Height(), 16);
    image.SetTransparent(true);
    EXPECT_TRUE(image.Picture()->Graphic()->Transparent());
    image.Picture()->SetGraphic(&marker);  // a new graphic takes it too
    EXPECT_TRUE(image.Picture()->Graphic()->Transparent());
}

TEST(Image, PublishesItsSettings)
{
    const TClassInfo& info = TImage::StaticClass();
    for (const char* name : {"AutoSize", "Center", "Picture", "Stretch", "Transparent"})
        EXPECT_NE(info.FindProp(QString::fromLatin1(name)), nullptr) << name;
}

} // namespace
} // namespace classlib
