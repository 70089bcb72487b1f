// Every way into decoded pixels honours the one pixel limit: a few bytes
// that claim a huge picture are refused before any pixel is decoded.

#include "classlib/graphics/bitmap.h"
#include "classlib/graphics/emfrecords.h"
#include "classlib/graphics/jpegimage.h"
#include "classlib/graphics/metafile.h"
#include "classlib/graphics/metafiledc.h"
#include "classlib/graphics/metafileplayer.h"
#include "classlib/graphics/painterdc.h"
#include "classlib/graphics/picture.h"
#include "picturesamples.h"

#include <gtest/gtest.h>

#include <functional>

using namespace classlib;
using namespace picturesamples;

namespace {

// A bitmap file header and info header claiming W x H, with BitCount bits,
// Compression, a one-colour palette and then Pixels.
QByteArray BitmapHeaderClaiming(qint32 W, qint32 H, int BitCount, quint32 Compression, const QByteArray& Pixels)
{
    const int palette = BitCount <= 8 ? 4 : 0;
    QByteArray b(14 + 40 + palette, '\0');
    b[0] = 'B';
    b[1] = 'M';
    Put32(b, 2, quint32(b.size() + Pixels.size()));
    Put32(b, 10, quint32(b.size()));
    Put32(b, 14, 40);
    Put32(b, 18, quint32(W));
    Put32(b, 22, quint32(H));
    Put16(b, 26, 1);
    Put16(b, 28, quint16(BitCount));
    Put32(b, 30, Compression);
    Put32(b, 46, palette ? 1 : 0);
    return b + Pixels;
}

// The JPEG file with the frame's height and width replaced.
QByteArray JpegClaiming(quint16 W, quint16 H)
{
    QByteArray file = JpegFile(8, 8);
    const qsizetype sof = file.indexOf(QByteArray("\xFF\xC0", 2));
    EXPECT_GT(sof, 0);
    file[sof + 5] = char(H >> 8);
    file[sof + 6] = char(H & 0xFF);
    file[sof + 7] = char(W >> 8);
    file[sof + 8] = char(W & 0xFF);
    return file;
}

// A picture's stored "Data": the class name, the length, the file.
QByteArray PictureData(const char* ClassName, const QByteArray& File)
{
    return ShortStringFor(ClassName) + Le32(qint32(File.size())) + File;
}

// A metafile whose one record draws a run-length bitmap claiming 60000 x
// 60000 pixels in two bytes of pixel data.
QByteArray MetafileWithHugeBitmap()
{
    using namespace classlib::emf;
    TMetafileDC dc(TRect{0, 0, 1000, 1000});
    QByteArray emf = dc.Finish();
    QByteArray record;
    {
        TEmfWriter w(record);
        w.Begin(EMR_STRETCHDIBITS);
        w.Rect({});
        for (int i = 0; i < 6; ++i) w.I32(0);
        w.U32(80); w.U32(44); w.U32(124); w.U32(2);  // info header and palette, pixels
        w.U32(DIB_RGB_COLORS); w.U32(SRCCOPY); w.I32(100); w.I32(100);
        w.U32(40); w.I32(60000); w.I32(60000); w.U16(1); w.U16(8);
        w.U32(1); w.U32(2); w.Zeros(8); w.U32(1); w.U32(0);
        w.Zeros(4);                    // the palette's one colour
        w.Bytes("\x00\x01", 2);        // end of bitmap
        w.End();
    }
    emf.insert(HeaderSize, record);
    Put32(emf, 48, quint32(emf.size()));
    return emf;
}

TEST(PictureLimit, HugeClaimsAreRefusedOnEveryPath)
{
    // No pixel data at all behind the headers: the size is refused first.
    const QByteArray bmp = BitmapHeaderClaiming(60000, 60000, 24, 0, {});
    // Run-length coding reaches any size in a few bytes: "end of bitmap".
    const QByteArray rle = BitmapHeaderClaiming(60000, 60000, 8, 1, QByteArray("\x00\x01", 2));
    const QByteArray jpeg = JpegClaiming(60000, 60000);
    ASSERT_LT(jpeg.size(), 1000);
    const QString tooLarge = QStringLiteral("Image too large (60000 x 60000 pixels)");

    const struct {
        const char* name;
        std::function<void()> read;
    } paths[] = {
        {"bitmap file", [&] { TBitmap::DecodeFile(bmp); }},
        {"bitmap stream", [&] { TBytesStream s(bmp); TBitmap().LoadFromStream(s); }},
        {"run-length bitmap", [&] { TBitmap::DecodeFile(rle); }},
        {"jpeg file", [&] { TJPEGImage::Decode(jpeg); }},
        {"jpeg stream", [&] { TBytesStream s(jpeg); TJPEGImage().LoadFromStream(s); }},
        {"stored bitmap picture", [&] { TBytesStream s(PictureData("TBitmap", bmp)); TPicture().ReadData(s); }},
        {"stored run-length picture", [&] { TBytesStream s(PictureData("TBitmap", rle)); TPicture().ReadData(s); }},
        {"stored jpeg picture", [&] { TBytesStream s(PictureData("TJPEGImage", jpeg)); TPicture().ReadData(s); }},
        {"bitmap made that size", [] { TBitmap().SetSize(60000, 60000); }},
        {"bitmap record of a metafile", [] {
             TMetafile mf;
             mf.SetData(MetafileWithHugeBitmap());
             QImage target(50, 50, QImage::Format_RGB32);
             TPainterDC dc(&target);
             PlayEnhMetaFile(dc, mf, TRect{0, 0, 50, 50});
         }},
    };
    for (const auto& p : paths) EXPECT_EQ(ErrorOf<EInvalidGraphic>(p.read), tooLarge) << p.name;
}

TEST(PictureLimit, OneTestDecidesTheSize)
{
    const struct {
        const char* name;
        qint64 width, height;
        bool fits;
    } cases[] = {
        {"one pixel", 1, 1, true},
        {"exactly the limit", MaxGraphicPixels, 1, true},
        {"square at the limit", 1 << 13, 1 << 13, true},
        {"one row more", 1 << 13, (1 << 13) + 1, false},
        {"one pixel more", MaxGraphicPixels + 1, 1, false},
        {"zero width", 0, 10, false},
        {"negative height", 10, -1, false},
        {"sides whose product overflows", qint64(1) << 40, qint64(1) << 40, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(GraphicSizeFits(c.width, c.height), c.fits) << c.name;
        EXPECT_EQ(ErrorOf<EInvalidGraphic>([&] { CheckGraphicSize(c.width, c.height); }) == "<no error>", c.fits)
            << c.name;
    }
}

} // namespace

TEST(PictureLimit, PicturesHeldAtOnceShareOneBudget)
{
    const qint64 before = TPixelHold::HeldPixels();
    {
        // Copies of one picture share its data and count once.
        TBitmap source;
        source.SetSize(100, 50);
        TJPEGImage jpeg;
        jpeg.Assign(&source);
        TJPEGImage rows[3];
        for (TJPEGImage& row : rows) row.Assign(&jpeg);
        EXPECT_EQ(TPixelHold::HeldPixels() - before, 2 * 5000);

        // A claim that would pass the budget is refused and leaves what
        // was held in place.
        TPixelHold big, last, third;
        big.Hold(-1, MaxHeldPixels - TPixelHold::HeldPixels() - 1);
        last.Hold(-2, 1);
        EXPECT_EQ(TPixelHold::HeldPixels(), MaxHeldPixels);
        const QString full = QStringLiteral("Pictures hold more than 256 megapixels");
        EXPECT_EQ(ErrorOf<EInvalidGraphic>([&] { third.Hold(-3, 1); }), full);
        EXPECT_EQ(ErrorOf<EInvalidGraphic>([&] { source.SetSize(100, 51); }), full);
        EXPECT_EQ(source.Height(), 50);
        big.Release();
        source.SetSize(100, 51);
        EXPECT_EQ(TPixelHold::HeldPixels() - before, 5100 + 5000 + 1);
    }
    EXPECT_EQ(TPixelHold::HeldPixels(), before);
}
