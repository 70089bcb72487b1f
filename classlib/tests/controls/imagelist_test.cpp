// Image lists: pictures cut from the program's bitmaps, masks, drawing
// enabled and disabled, and who hears of changes.

#include "classlib/controls/imagelist.h"
#include "classlib/core/classregistry.h"
#include "classlib/graphics/bitmap.h"
#include "classlib/graphics/canvas.h"

#include <QImage>

#include <memory>

#include <gtest/gtest.h>

namespace classlib {
namespace {

constexpr QRgb Red = 0xFFFF0000u;
constexpr QRgb Fuchsia = 0xFFFF00FFu;
constexpr QRgb White = 0xFFFFFFFFu;

TColorRef Px(const QImage& Img, int X, int Y)
{
    const QRgb c = Img.pixel(X, Y);
    return RGB(qRed(c), qGreen(c), qBlue(c));
}

// Width x Height in Background, with one Red pixel at (Dx, Dy) of each
// Side-wide cell.
std::unique_ptr<TBitmap> Strip(int Width, int Height, int Side, int Dx, int Dy, QRgb Background)
{
    QImage img(Width, Height, QImage::Format_RGB32);
    img.fill(Background);
    for (int x = Dx; x < Width; x += Side)
        if (Dy < Height) img.setPixel(x, Dy, Red);
    auto bmp = std::make_unique<TBitmap>();
    bmp->SetImage(img);
    return bmp;
}

TEST(ImageList, BitmapsAreCutIntoPicturesOfTheListsSize)
{
    struct {
        const char* Name;
        int BitmapWidth, BitmapHeight;
        int Added;
    } cases[] = {
        {"a strip of three", 48, 16, 3},
        {"one picture and a remainder", 40, 16, 2},
        {"narrower than a picture", 10, 16, 1},
        {"taller than a picture", 16, 40, 1},
    };
    for (const auto& c : cases) {
        TImageList list(nullptr);
        const auto bmp = Strip(c.BitmapWidth, c.BitmapHeight, 16, 2, 3, White);
        EXPECT_EQ(list.Add(bmp.get()), 0) << c.Name;
        EXPECT_EQ(list.Count(), c.Added) << c.Name;
        EXPECT_EQ(list.Add(bmp.get()), c.Added) << c.Name;  // the first index of the next
        for (int i = 0; i < c.Added; ++i) {
            const QImage p = list.Picture(i);
            ASSERT_EQ(p.size(), QSize(16, 16)) << c.Name;
            EXPECT_EQ(p.pixel(2, 3), Red) << c.Name;
        }
    }
    // What a bitmap narrower than the picture leaves is transparent.
    TImageList list(nullptr);
    const auto narrow = Strip(10, 8, 16, 2, 3, White);
    list.Add(narrow.get());
    EXPECT_EQ(qAlpha(list.Picture(0).pixel(12, 2)), 0);
    EXPECT_EQ(qAlpha(list.Picture(0).pixel(2, 12)), 0);
    EXPECT_EQ(list.Picture(0).pixel(0, 0), White);

    TBitmap empty;
    EXPECT_EQ(list.Add(&empty), -1);
    EXPECT_EQ(list.Add(nullptr), -1);
    EXPECT_TRUE(list.Picture(1).isNull());
    EXPECT_TRUE(list.Picture(-1).isNull());
}

TEST(ImageList, AMaskOrAMaskColourMakesPixelsTransparent)
{
    TImageList list(nullptr);
    list.SetWidth(4);
    list.SetHeight(4);
    const auto fuchsia = Strip(4, 4, 4, 1, 1, Fuchsia);
    EXPECT_EQ(list.AddMasked(fuchsia.get(), clFuchsia), 0);
    EXPECT_EQ(qAlpha(list.Picture(0).pixel(0, 0)), 0);
    EXPECT_EQ(list.Picture(0).pixel(1, 1), Red);

    QImage maskImage(4, 4, QImage::Format_RGB32);
    maskImage.fill(Qt::black);
    maskImage.setPixel(3, 3, White);  // white: transparent
    TBitmap mask;
    mask.SetImage(maskImage);
    EXPECT_EQ(list.Add(fuchsia.get(), &mask), 1);
    EXPECT_EQ(list.Picture(1).pixel(0, 0), Fuchsia);
    EXPECT_EQ(qAlpha(list.Picture(1).pixel(3, 3)), 0);
}

TEST(ImageList, DrawsPicturesWithTheirTransparencyOrEmbossedWhenDisabled)
{
    TImageList list(nullptr);
    list.SetWidth(4);
    list.SetHeight(4);
    const auto dot = Strip(4, 4, 4, 1, 1, Fuchsia);
    list.AddMasked(dot.get(), clFuchsia);

    struct {
        const char* Name;
        bool Enabled;
        int Index;
        TColorRef AtDot, RightBelowDot, Beside;
    } cases[] = {
        {"enabled", true, 0, RGB(255, 0, 0), RGB(0, 0, 255), RGB(0, 0, 255)},
        {"disabled", false, 0, ColorToRGB(clBtnShadow), ColorToRGB(clBtnHighlight), RGB(0, 0, 255)},
        {"out of range", true, 1, RGB(0, 0, 255), RGB(0, 0, 255), RGB(0, 0, 255)},
        {"negative", true, -1, RGB(0, 0, 255), RGB(0, 0, 255), RGB(0, 0, 255)},
    };
    for (const auto& c : cases) {
        TBitmap target;
        target.SetSize(10, 10);
        TCanvas& canvas = target.Canvas();
        canvas.Brush()->SetColor(clBlue);
        canvas.FillRect(Rect(0, 0, 10, 10));
        list.Draw(canvas, 3, 2, c.Index, c.Enabled);
        const QImage img = target.Image();
        EXPECT_EQ(Px(img, 4, 3), c.AtDot) << c.Name;
        EXPECT_EQ(Px(img, 5, 4), c.RightBelowDot) << c.Name;
        EXPECT_EQ(Px(img, 3, 2), c.Beside) << c.Name;
    }
}

TEST(ImageList, ChangesAreToldAndANewSizeEmptiesTheList)
{
    TImageList list(nullptr);
    int told = 0;
    auto link = std::make_unique<TChangeLink>();
    link->OnChange = [&told](TObject*) { ++told; };
    list.RegisterChanges(link.get());
    EXPECT_EQ(link->Sender(), &list);

    const auto strip = Strip(32, 16, 16, 0, 0, White);
    list.Add(strip.get());
    EXPECT_EQ(told, 1);
    list.Delete(0);
    EXPECT_EQ(list.Count(), 1);
    list.Delete(5);  // out of range: nothing
    EXPECT_EQ(told, 2);
    list.SetWidth(24);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(told, 3);
    list.SetHeight(0);
    EXPECT_EQ(list.Height(), 1);
    list.Clear();  // already empty
    EXPECT_EQ(told, 4);

    // A link that goes leaves the list; a list that goes leaves its links.
    link.reset();
    list.Add(strip.get());
    auto other = std::make_unique<TImageList>(nullptr);
    TChangeLink survivor;
    other->RegisterChanges(&survivor);
    other.reset();
    EXPECT_EQ(survivor.Sender(), nullptr);
}

TEST(ImageList, IsRegisteredForFormsAndPublishesItsSize)
{
    EXPECT_EQ(GetClass(QStringLiteral("TImageList")), &TImageList::StaticClass());
    const TPropInfo* width = TImageList::StaticClass().FindProp(u"Width");
    ASSERT_NE(width, nullptr);
    EXPECT_TRUE(width->HasDefault);
    EXPECT_EQ(width->Default, 16);
    EXPECT_EQ(TImageList::StaticClass().FindProp(u"OnChange")->Kind(), TTypeKind::tkMethod);
}

} // namespace
} // namespace classlib
