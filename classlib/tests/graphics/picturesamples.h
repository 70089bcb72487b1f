#pragma once

// Sample pictures made by our own code, and error capture, for the picture
// and metafile tests.

#include "classlib/tests/errorof.h"
#include "classlib/core/streams.h"
#include "classlib/core/sysutils.h"
#include "classlib/graphics/bitmapfile.h"
#include "classlib/graphics/jpegimage.h"

#include <QImage>
#include <QtEndian>

namespace picturesamples {

// A small image of four coloured quadrants.
inline QImage Quadrants(int W = 8, int H = 6)
{
    QImage img(W, H, QImage::Format_RGB32);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            img.setPixel(x, y, x < W / 2 ? (y < H / 2 ? qRgb(255, 0, 0) : qRgb(0, 0, 255))
                                         : (y < H / 2 ? qRgb(0, 255, 0) : qRgb(255, 255, 255)));
    return img;
}

inline QByteArray BmpFile(int BitCount = 24, int W = 8, int H = 6)
{
    return classlib::detail::WriteBitmapFile(Quadrants(W, H), BitCount);
}

inline QByteArray JpegFile(int W = 16, int H = 16)
{
    return classlib::TJPEGImage::Encode(Quadrants(W, H), 90);
}

inline QByteArray Le32(qint32 V)
{
    QByteArray b(4, '\0');
    qToLittleEndian<qint32>(V, b.data());
    return b;
}

inline QByteArray ShortStringFor(const char* S) { return char(qstrlen(S)) + QByteArray(S); }

inline void Put32(QByteArray& B, qint64 At, quint32 V) { qToLittleEndian<quint32>(V, B.data() + At); }
inline void Put16(QByteArray& B, qint64 At, quint16 V) { qToLittleEndian<quint16>(V, B.data() + At); }

using classlib::test::ErrorOf;

} // namespace picturesamples
