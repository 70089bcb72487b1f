// Writes the seed corpora of the picture fuzz targets from our own classes:
//   make_graphics_corpus <corpus folder>
// creates <folder>/bitmap, jpegimage, metafile and picture.

#include "classlib/core/streams.h"
#include "classlib/core/sysutils.h"
#include "classlib/graphics/bitmap.h"
#include "classlib/graphics/bitmapfile.h"
#include "classlib/graphics/jpegimage.h"
#include "classlib/graphics/metafile.h"
#include "classlib/graphics/metafiledc.h"
#include "classlib/graphics/picture.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

using namespace classlib;

namespace {

QImage Sample(int W, int H)
{
    QImage img(W, H, QImage::Format_RGB32);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            img.setPixel(x, y, qRgb(x * 255 / W, y * 255 / H, (x + y) % 2 ? 255 : 0));
    return img;
}

// Grey and CMYK files, which the picture class itself never writes.
QByteArray JpegOfSpace(J_COLOR_SPACE Space, const std::vector<JSAMPLE>& Pixel, int W, int H)
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
    if (Space == JCS_GRAYSCALE) jpeg_simple_progression(&info);
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

// A page that uses every record the recorder writes.
QByteArray SamplePage()
{
    TMetafileDC dc(TRect{0, 0, 4000, 3000});
    dc.SetMapMode(MM_HIMETRIC);
    dc.SaveDC();
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(100, 100);
    dc.SetViewportExt(200, 150);
    dc.SetWindowOrg(5, 5);
    dc.SetViewportOrg(3, 3);
    dc.Ellipse(TRect{0, 0, 50, 40});
    dc.RestoreDC(-1);
    dc.SelectPen(TLogPen{PS_DASH, 20, RGB(200, 0, 0)});
    dc.SelectBrush(TLogBrush{BS_HATCHED, RGB(0, 0, 200), HS_DIAGCROSS});
    dc.SetROP2(R2_XORPEN);
    dc.SetPolyFillMode(WINDING);
    dc.SetBkMode(TRANSPARENT);
    dc.SetBkColor(RGB(1, 2, 3));
    dc.Rectangle(TRect{100, -100, 1900, -1400});
    dc.Polygon({{100, -100}, {500, -900}, {900, -100}});
    dc.Polyline({{0, 0}, {40000, -40000}, {10, -10}});
    dc.MoveTo(0, 0);
    dc.LineTo(3000, -2000);
    dc.SetPixel(50, -50, RGB(9, 9, 9));
    dc.IntersectClipRect(TRect{0, 0, 3500, -2500});
    dc.ExcludeClipRect(TRect{10, -10, 20, -20});
    dc.OffsetClipRgn(5, -5);
    const TRegion region = TRegion::FromRects({TRect{0, 0, 50, 50}, TRect{60, 0, 90, 30}});
    dc.ExtSelectClipRgn(&region, RGN_AND);
    dc.SelectClipRgn(nullptr);
    TLogFont font;
    font.Height = -400;
    font.Escapement = 900;
    font.Weight = FW_BOLD;
    font.FaceName = QStringLiteral("Liberation Serif");
    dc.SelectFont(font);
    dc.SetTextColor(RGB(0, 100, 0));
    dc.SetTextAlign(TA_BASELINE | TA_CENTER);
    const TRect box{200, -200, 1800, -800};
    dc.ExtTextOut(300, -300, ETO_CLIPPED | ETO_OPAQUE, &box, QStringLiteral("Page 1 \u00e9\u20ac"));
    dc.SetStretchBltMode(COLORONCOLOR);
    dc.StretchDIBits(TRect{2000, -1500, 3000, -2500}, TRect{0, 0, 6, 4}, Sample(6, 4), SRCCOPY);
    dc.StretchDIBits(TRect{2000, -1500, 3000, -2500}, TRect{1, 1, 3, 3}, Sample(6, 4), SRCAND);
    dc.FillRect(TRect{0, -2600, 4000, -3000}, TLogBrush{BS_SOLID, RGB(250, 250, 0), 0});
    return dc.Finish();
}

QByteArray PictureData(const TGraphic& G)
{
    TPicture p;
    p.SetGraphic(&G);
    TMemoryStream s;
    p.WriteData(s);
    return s.Bytes();
}

bool Write(const QDir& Dir, const QString& Name, const QByteArray& Bytes)
{
    TBytesStream s(Bytes);
    try {
        s.SaveToFile(Dir.filePath(Name));
        return true;
    } catch (const Exception& e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.Message));
        return false;
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_graphics_corpus <corpus folder>\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QDir root(QString::fromLocal8Bit(argv[1]));
    for (const char* sub : {"bitmap", "jpegimage", "metafile", "picture"}) root.mkpath(sub);
    const QDir bmp(root.filePath("bitmap")), jpg(root.filePath("jpegimage")),
        emf(root.filePath("metafile")), pic(root.filePath("picture"));
    bool ok = true;

    for (int bits : {1, 8, 24, 32})
        ok &= Write(bmp, QString("sample%1.bmp").arg(bits), detail::WriteBitmapFile(Sample(7, 5), bits));
    ok &= Write(jpg, "sample.jpg", TJPEGImage::Encode(Sample(17, 9), 75));
    ok &= Write(jpg, "grey-progressive.jpg", JpegOfSpace(JCS_GRAYSCALE, {100}, 9, 3));
    ok &= Write(jpg, "cmyk.jpg", JpegOfSpace(JCS_CMYK, {10, 200, 30, 240}, 5, 6));
    const QByteArray page = SamplePage();
    ok &= Write(emf, "page.emf", page);

    TBitmap bitmap;
    bitmap.SetImage(Sample(5, 4));
    TJPEGImage jpeg;
    jpeg.Assign(&bitmap);
    TMetafile metafile;
    metafile.SetData(page);
    ok &= Write(pic, "bitmap.bin", PictureData(bitmap));
    ok &= Write(pic, "jpeg.bin", PictureData(jpeg));
    ok &= Write(pic, "metafile.bin", PictureData(metafile));
    return ok ? 0 : 1;
}
