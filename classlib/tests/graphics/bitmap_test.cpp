#include "classlib/graphics/bitmap.h"

#include "classlib/graphics/canvas.h"
#include "picturesamples.h"

#include <gtest/gtest.h>

#include <climits>

using namespace classlib;
using namespace picturesamples;

namespace {

QByteArray DataOf(const TBitmap& B)
{
    TMemoryStream s;
    B.WriteData(s);
    return s.Bytes();
}

} // namespace

TEST(Bitmap, FilesOfEveryDepthDecodeToTheirPixels)
{
    const struct { int bits; TPixelFormat format; } cases[] = {
        {1, pf1bit}, {8, pf8bit}, {24, pf24bit}, {32, pf32bit},
    };
    for (const auto& c : cases) {
        TBitmap b;
        TBytesStream s(BmpFile(c.bits));
        b.LoadFromStream(s);
        ASSERT_EQ(b.Width(), 8) << c.bits;
        ASSERT_EQ(b.Height(), 6);
        EXPECT_EQ(b.PixelFormat(), c.format) << c.bits;
        if (c.bits == 1) {
            EXPECT_EQ(b.Image().pixel(7, 5), qRgb(255, 255, 255));
            continue;
        }
        EXPECT_EQ(b.Image().pixel(0, 0), qRgb(255, 0, 0)) << c.bits;
        EXPECT_EQ(b.Image().pixel(7, 0), qRgb(0, 255, 0)) << c.bits;
        EXPECT_EQ(b.Image().pixel(0, 5), qRgb(0, 0, 255)) << c.bits;
    }
}

TEST(Bitmap, DataIsLengthThenFileAndRoundTripsUnchanged)
{
    const QByteArray file = BmpFile(24);
    const QByteArray data = Le32(qint32(file.size())) + file;
    TBitmap b;
    TBytesStream in(data + "tail");
    b.ReadData(in);
    EXPECT_EQ(in.Position(), data.size());  // what follows stays in place
    EXPECT_EQ(DataOf(b), data);

    TBitmap copy;
    copy.Assign(&b);
    EXPECT_EQ(DataOf(copy), data);
}

TEST(Bitmap, EmptyBitmapStoresLengthZero)
{
    TBitmap b;
    EXPECT_EQ(DataOf(b), Le32(0));
    TBitmap r;
    r.SetSize(2, 2);
    TBytesStream in(Le32(0));
    r.ReadData(in);
    EXPECT_TRUE(r.Empty());
}

TEST(Bitmap, CanvasDrawsOnThePixelsAndTheFileFollows)
{
    TBitmap b;
    b.SetSize(10, 10);
    EXPECT_EQ(b.Image().pixel(5, 5), qRgb(255, 255, 255));
    b.Canvas().Brush()->SetColor(clRed);
    b.Canvas().FillRect(TRect{0, 0, 5, 10});
    EXPECT_EQ(b.Image().pixel(2, 2), qRgb(255, 0, 0));
    EXPECT_EQ(b.Image().pixel(7, 2), qRgb(255, 255, 255));

    TBitmap r;
    TBytesStream in(DataOf(b));
    r.ReadData(in);
    EXPECT_EQ(r.Image().pixel(2, 2), qRgb(255, 0, 0));

    // The canvas survives a size change and draws on the new pixels.
    TCanvas& canvas = b.Canvas();
    b.SetSize(20, 4);
    canvas.FillRect(TRect{15, 0, 20, 4});
    EXPECT_EQ(b.Image().pixel(17, 1), qRgb(255, 0, 0));
    EXPECT_EQ(b.Image().pixel(2, 2), qRgb(255, 0, 0));  // kept from before

    // A canvas kept across a read still draws, and what it drew is stored.
    const QByteArray file = BmpFile(24);
    TBitmap loaded;
    TCanvas& held = loaded.Canvas();
    TBytesStream in2(Le32(qint32(file.size())) + file);
    loaded.ReadData(in2);
    held.Brush()->SetColor(clBlack);
    held.FillRect(TRect{0, 0, 8, 6});
    TBitmap stored;
    TBytesStream in3(DataOf(loaded));
    stored.ReadData(in3);
    EXPECT_EQ(stored.Image().pixel(7, 5), qRgb(0, 0, 0));
}

TEST(Bitmap, MalformedFilesAreClearErrors)
{
    const QByteArray good = BmpFile(24);
    const QByteArray pal = BmpFile(8);
    auto with = [](QByteArray b, qint64 at, quint32 v, int width = 4) {
        if (width == 2)
            Put16(b, at, quint16(v));
        else
            Put32(b, at, v);
        return b;
    };
    const struct { const char* name; QByteArray file; const char* message; } cases[] = {
        {"empty", QByteArray(), "Bitmap image is not valid: truncated header"},
        {"short", good.left(17), "Bitmap image is not valid: truncated header"},
        {"signature", with(good, 0, 0x4D58, 2), "Bitmap image is not valid: bad signature"},
        {"info size", with(good, 14, 20), "Bitmap image is not valid: info header of 20 bytes"},
        {"info beyond end", good.left(40), "Bitmap image is not valid: truncated header"},
        {"zero width", with(good, 18, 0), "Invalid image size (0 x 6 pixels)"},
        {"negative width", with(good, 18, quint32(-8)), "Invalid image size (-8 x 6 pixels)"},
        {"huge", with(with(good, 18, 100000), 22, 100000), "Image too large (100000 x 100000 pixels)"},
        {"min height", with(good, 22, 0x80000000u), "Image too large (8 x 2147483648 pixels)"},
        {"planes", with(good, 26, 2, 2), "Bitmap image is not valid: 2 planes"},
        {"bit count", with(good, 28, 7, 2), "Bitmap image is not valid: 7 bits per pixel"},
        {"compression", with(good, 30, 1), "Bitmap image is not valid: compression 1 with 24 bits per pixel"},
        {"palette", with(pal, 46, 300), "Bitmap image is not valid: palette of 300 colours"},
        {"pixels cut", good.left(good.size() - 1), "Bitmap image is not valid: truncated pixel data"},
        {"offset beyond", with(good, 10, quint32(good.size() + 1)), "Bitmap image is not valid: pixel data outside the file"},
        {"offset in header", with(good, 10, 20), "Bitmap image is not valid: pixel data outside the file"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ErrorOf<EInvalidGraphic>([&] { TBitmap::DecodeFile(c.file); }), QString::fromUtf8(c.message))
            << c.name;
}

TEST(Bitmap, MalformedDataLengthsAreClearErrorsAndKeepThePixels)
{
    const QByteArray file = BmpFile(24);
    const struct { const char* name; QByteArray data; const char* message; } cases[] = {
        {"negative", Le32(-1) + file, "Invalid bitmap data size -1 (198 bytes remain)"},
        {"beyond", Le32(qint32(file.size() + 1)) + file, "Invalid bitmap data size 199 (198 bytes remain)"},
        {"huge", Le32(INT_MAX) + file, "Invalid bitmap data size 2147483647 (198 bytes remain)"},
        {"bad file", Le32(4) + "BMxx", "Bitmap image is not valid: truncated header"},
    };
    ASSERT_EQ(file.size(), 198);
    for (const auto& c : cases) {
        TBitmap b;
        b.SetSize(3, 3);
        TBytesStream in(c.data);
        EXPECT_EQ(ErrorOf<EInvalidGraphic>([&] { b.ReadData(in); }), QString::fromUtf8(c.message)) << c.name;
        EXPECT_EQ(b.Width(), 3) << c.name;
    }
    TBitmap b;
    TBytesStream cut(QByteArray("\x01\x00", 2));
    EXPECT_EQ(ErrorOf<EReadError>([&] { b.ReadData(cut); }), "Stream read error");
}

TEST(Bitmap, SizesAreCheckedBeforeAllocation)
{
    TBitmap b;
    EXPECT_EQ(ErrorOf<EInvalidGraphic>([&] { b.SetSize(-1, 5); }), "Invalid image size (-1 x 5 pixels)");
    EXPECT_EQ(ErrorOf<EInvalidGraphic>([&] { b.SetSize(INT_MAX, INT_MAX); }),
              "Image too large (2147483647 x 2147483647 pixels)");
    EXPECT_TRUE(b.Empty());
    b.SetSize(1 << 13, 1 << 13);  // exactly the limit
    EXPECT_EQ(qint64(b.Width()) * b.Height(), MaxGraphicPixels);
    b.SetSize(0, 0);
    EXPECT_TRUE(b.Empty());
}
