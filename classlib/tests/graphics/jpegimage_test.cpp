#include "classlib/graphics/jpegimage.h"

#include "classlib/graphics/bitmap.h"
#include "picturesamples.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

using namespace classlib;
using namespace picturesamples;

namespace {

bool Near(QRgb A, QRgb B, int Tolerance = 24)
{
    return std::abs(qRed(A) - qRed(B)) <= Tolerance && std::abs(qGreen(A) - qGreen(B)) <= Tolerance &&
           std::abs(qBlue(A) - qBlue(B)) <= Tolerance;
}

// The JPEG file with the frame's height and width replaced.
QByteArray WithSize(QByteArray File, quint16 W, quint16 H)
{
    const qsizetype sof = File.indexOf(QByteArray("\xFF\xC0", 2));
    EXPECT_GT(sof, 0);
    File[sof + 5] = char(H >> 8);
    File[sof + 6] = char(H & 0xFF);
    File[sof + 7] = char(W >> 8);
    File[sof + 8] = char(W & 0xFF);
    return File;
}

// A W x H file of one colour in the given colour space, straight from
// libjpeg: the picture class itself only writes RGB.
QByteArray OneColourFile(J_COLOR_SPACE Space, std::vector<JSAMPLE> Pixel, int W = 8, int H = 8)
{
    jpeg_compress_struct info;
    jpeg_error_mgr err;
    info.err = jpeg_std_error(&err);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = JDIMENSION(W);
    info.image_height = JDIMENSION(H);
    info.input_components = int(Pixel.size());
    info.in_color_space = Space;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> row;
    for (int x = 0; x < W; ++x) row.insert(row.end(), Pixel.begin(), Pixel.end());
    while (info.next_scanline < info.image_height) {
        JSAMPROW r = row.data();
        jpeg_write_scanlines(&info, &r, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    QByteArray out(reinterpret_cast<const char*>(buffer), qsizetype(size));
    std::free(buffer);
    return out;
}

} // namespace

TEST(JPEGImage, DecodesGreyAndCmykFiles)
{
    // CMYK files carry the Adobe marker: values stored inverted, so
    // 255 - (0, 255, 255, 0) is red.
    const struct { const char* name; QByteArray file; QRgb want; } cases[] = {
        {"grey", OneColourFile(JCS_GRAYSCALE, {128}), qRgb(128, 128, 128)},
        {"cmyk red", OneColourFile(JCS_CMYK, {255, 0, 0, 255}), qRgb(255, 0, 0)},
        {"cmyk half black", OneColourFile(JCS_CMYK, {255, 255, 255, 128}), qRgb(128, 128, 128)},
    };
    for (const auto& c : cases) {
        const QImage img = TJPEGImage::Decode(c.file);
        ASSERT_EQ(img.size(), QSize(8, 8)) << c.name;
        EXPECT_TRUE(Near(img.pixel(4, 4), c.want, 4)) << c.name << " " << std::hex << img.pixel(4, 4);
    }
}

TEST(JPEGImage, DecodesWhatItEncodes)
{
    const QImage img = TJPEGImage::Decode(JpegFile(16, 16));
    ASSERT_EQ(img.size(), QSize(16, 16));
    EXPECT_TRUE(Near(img.pixel(1, 1), qRgb(255, 0, 0)));
    EXPECT_TRUE(Near(img.pixel(14, 1), qRgb(0, 255, 0)));
    EXPECT_TRUE(Near(img.pixel(1, 14), qRgb(0, 0, 255)));
    EXPECT_TRUE(Near(img.pixel(14, 14), qRgb(255, 255, 255)));
}

TEST(JPEGImage, DataKeepsTheFileBytesUnchanged)
{
    const QByteArray file = JpegFile();
    ASSERT_TRUE(file.startsWith("\xFF\xD8"));
    const QByteArray data = Le32(qint32(file.size())) + file;
    TJPEGImage j;
    TBytesStream in(data);
    j.ReadData(in);
    EXPECT_EQ(j.Width(), 16);
    EXPECT_EQ(j.Data(), file);
    TMemoryStream out;
    j.WriteData(out);
    EXPECT_EQ(out.Bytes(), data);
}

TEST(JPEGImage, BitmapsConvertBothWays)
{
    TBitmap b;
    b.SetImage(Quadrants(16, 16));
    TJPEGImage j;
    j.Assign(&b);
    EXPECT_TRUE(j.Data().startsWith("\xFF\xD8"));
    TBitmap back;
    back.Assign(&j);
    EXPECT_EQ(back.Width(), 16);
    EXPECT_TRUE(Near(back.Image().pixel(1, 1), qRgb(255, 0, 0)));
}

TEST(JPEGImage, BadDataIsAClearErrorAndKeepsThePicture)
{
    const QByteArray file = JpegFile();
    const struct { const char* name; QByteArray file; const char* message; } cases[] = {
        {"not jpeg", QByteArray("BM not a jpeg"), "JPEG error: Not a JPEG file: starts with 0x42 0x4d"},
        {"cut", file.left(file.size() / 2), "JPEG error: Premature end of JPEG file"},
        {"header only", file.left(2), "JPEG error: Premature end of JPEG file"},
        {"huge", WithSize(file, 65000, 65000), "Image too large (65000 x 65000 pixels)"},
        {"zero width", WithSize(file, 0, 16), "JPEG error: Empty JPEG image (DNL not supported)"},
    };
    for (const auto& c : cases) {
        TJPEGImage j;
        TBytesStream ok(file);
        j.LoadFromStream(ok);
        TBytesStream in(c.file);
        EXPECT_EQ(ErrorOf<EInvalidGraphic>([&] { j.LoadFromStream(in); }), QString::fromUtf8(c.message))
            << c.name;
        EXPECT_EQ(j.Data(), file) << c.name;
    }
}
