#include "classlib/graphics/bitmapfile.h"

#include "classlib/core/sysutils.h"
#include "classlib/graphics/graphic.h"

#include <QtEndian>

#include <cstring>

namespace classlib::detail {

namespace {

constexpr qint64 FileHeaderSize = 14;
constexpr quint32 BI_RGB = 0, BI_RLE8 = 1, BI_RLE4 = 2, BI_BITFIELDS = 3;

[[noreturn]] void Invalid(const QString& Reason)
{
    throw EInvalidGraphic(QStringLiteral("Bitmap image is not valid: ") + Reason);
}

quint16 U16(const QByteArray& b, qint64 at) { return qFromLittleEndian<quint16>(b.constData() + at); }
quint32 U32(const QByteArray& b, qint64 at) { return qFromLittleEndian<quint32>(b.constData() + at); }
qint32 I32(const QByteArray& b, qint64 at) { return qFromLittleEndian<qint32>(b.constData() + at); }

qint64 Stride(qint64 Width, int BitCount) { return ((Width * BitCount + 31) / 32) * 4; }

} // namespace

TBitmapFileInfo CheckBitmapFile(const QByteArray& File)
{
    const qint64 size = File.size();
    if (size < FileHeaderSize + 4) Invalid(QStringLiteral("truncated header"));
    if (File[0] != 'B' || File[1] != 'M') Invalid(QStringLiteral("bad signature"));
    const quint32 offBits = U32(File, 10);
    const quint32 infoSize = U32(File, FileHeaderSize);
    if (infoSize != 12 && infoSize != 40 && infoSize != 52 && infoSize != 56 && infoSize != 108 &&
        infoSize != 124)
        Invalid(Format("info header of %d bytes", {infoSize}));
    if (infoSize > size - FileHeaderSize) Invalid(QStringLiteral("truncated header"));

    TBitmapFileInfo info;
    qint64 width, height;
    int planes;
    quint32 colorsUsed = 0;
    const bool core = infoSize == 12;
    if (core) {
        width = U16(File, 18);
        height = U16(File, 20);
        planes = U16(File, 22);
        info.BitCount = U16(File, 24);
    } else {
        width = I32(File, 18);
        height = I32(File, 22);
        planes = U16(File, 26);
        info.BitCount = U16(File, 28);
        info.Compression = U32(File, 30);
        colorsUsed = U32(File, 46);
    }
    if (height < 0) {
        info.TopDown = true;
        height = -height;  // a 64-bit value: INT_MIN negates safely
    }
    CheckGraphicSize(width, height);
    info.Width = int(width);
    info.Height = int(height);
    if (planes != 1) Invalid(Format("%d planes", {planes}));
    switch (info.BitCount) {
    case 1: case 4: case 8: case 16: case 24: case 32: break;
    default: Invalid(Format("%d bits per pixel", {info.BitCount}));
    }
    const bool compressionFits =
        info.Compression == BI_RGB || (info.Compression == BI_RLE8 && info.BitCount == 8) ||
        (info.Compression == BI_RLE4 && info.BitCount == 4) ||
        (info.Compression == BI_BITFIELDS && (info.BitCount == 16 || info.BitCount == 32));
    if (!compressionFits)
        Invalid(Format("compression %d with %d bits per pixel", {info.Compression, info.BitCount}));
    if (info.TopDown && info.Compression != BI_RGB && info.Compression != BI_BITFIELDS)
        Invalid(QStringLiteral("compressed top-down image"));

    // What lies between the info header and the pixels.
    qint64 tables = 0;
    if (info.Compression == BI_BITFIELDS && infoSize == 40) tables = 12;
    if (info.BitCount <= 8) {
        const qint64 maxColors = qint64(1) << info.BitCount;
        if (colorsUsed > maxColors) Invalid(Format("palette of %d colours", {colorsUsed}));
        tables += (colorsUsed ? colorsUsed : maxColors) * (core ? 3 : 4);
    }
    const qint64 headers = FileHeaderSize + infoSize;
    if (tables > size - headers) Invalid(QStringLiteral("truncated colour table"));
    if (offBits < headers + tables || offBits > size) Invalid(QStringLiteral("pixel data outside the file"));

    if (info.Compression == BI_RGB || info.Compression == BI_BITFIELDS) {
        const qint64 stride = Stride(width, info.BitCount);
        // Both factors are bounded (width by MaxGraphicPixels, stride * height
        // by 4 bytes a pixel of it), so the product does not overflow.
        if (stride * height > size - offBits) Invalid(QStringLiteral("truncated pixel data"));
    }
    return info;
}

QByteArray WriteBitmapFile(const QImage& Image, int BitCount)
{
    QImage img;
    QList<QRgb> palette;
    switch (BitCount) {
    case 1:
        img = Image.convertToFormat(QImage::Format_Mono);
        palette = img.colorTable();
        break;
    case 8:
        img = Image.convertToFormat(QImage::Format_Indexed8);
        palette = img.colorTable();
        break;
    case 24:
        img = Image.convertToFormat(QImage::Format_RGB888);
        break;
    default:
        BitCount = 32;
        img = Image.convertToFormat(QImage::Format_RGB32);
        break;
    }
    const qint64 width = img.width(), height = img.height();
    const qint64 stride = Stride(width, BitCount);
    const qint64 paletteBytes = qint64(palette.size()) * 4;
    const qint64 offBits = FileHeaderSize + 40 + paletteBytes;
    const qint64 total = offBits + stride * height;
    if (total > std::numeric_limits<qint32>::max())
        throw EInvalidGraphicOperation(QStringLiteral("Bitmap too large to save"));

    QByteArray out(total, '\0');
    uchar* p = reinterpret_cast<uchar*>(out.data());
    p[0] = 'B';
    p[1] = 'M';
    qToLittleEndian<quint32>(quint32(total), p + 2);
    qToLittleEndian<quint32>(quint32(offBits), p + 10);
    uchar* h = p + FileHeaderSize;
    qToLittleEndian<quint32>(40, h);
    qToLittleEndian<qint32>(qint32(width), h + 4);
    qToLittleEndian<qint32>(qint32(height), h + 8);
    qToLittleEndian<quint16>(1, h + 12);
    qToLittleEndian<quint16>(quint16(BitCount), h + 14);
    qToLittleEndian<quint32>(BI_RGB, h + 16);
    qToLittleEndian<quint32>(quint32(stride * height), h + 20);
    qToLittleEndian<qint32>(3780, h + 24);  // 96 dpi in pixels per metre
    qToLittleEndian<qint32>(3780, h + 28);
    qToLittleEndian<quint32>(quint32(palette.size()), h + 32);
    uchar* pal = h + 40;
    for (QRgb c : palette) {
        pal[0] = uchar(qBlue(c));
        pal[1] = uchar(qGreen(c));
        pal[2] = uchar(qRed(c));
        pal[3] = 0;
        pal += 4;
    }
    for (qint64 y = 0; y < height; ++y) {
        const uchar* src = img.constScanLine(int(height - 1 - y));
        uchar* dst = p + offBits + y * stride;
        switch (BitCount) {
        case 1:
        case 8:
            std::memcpy(dst, src, size_t((width * BitCount + 7) / 8));
            break;
        case 24:
            for (qint64 x = 0; x < width; ++x) {  // RGB888 holds R, G, B; files hold B, G, R
                dst[3 * x] = src[3 * x + 2];
                dst[3 * x + 1] = src[3 * x + 1];
                dst[3 * x + 2] = src[3 * x];
            }
            break;
        default:
            for (qint64 x = 0; x < width; ++x)
                qToLittleEndian<quint32>(reinterpret_cast<const QRgb*>(src)[x] & 0xFFFFFF, dst + 4 * x);
            break;
        }
    }
    return out;
}

} // namespace classlib::detail
