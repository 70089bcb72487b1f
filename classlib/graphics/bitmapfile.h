#pragma once

// The bitmap file format (.bmp) at the byte level: a checker that looks at
// every size before anything is decoded, and a writer. Private to the
// graphics library.

#include <QByteArray>
#include <QImage>

namespace classlib::detail {

struct TBitmapFileInfo {
    int Width = 0;
    int Height = 0;  // always positive; TopDown says which row comes first
    bool TopDown = false;
    int BitCount = 0;
    quint32 Compression = 0;
};

// EInvalidGraphic "Bitmap image is not valid: <reason>" or the size errors
// of CheckGraphicSize.
TBitmapFileInfo CheckBitmapFile(const QByteArray& File);

// A bottom-up bitmap file with a 40-byte info header, BI_RGB, of 1, 8, 24
// or 32 bits per pixel.
QByteArray WriteBitmapFile(const QImage& Image, int BitCount);

} // namespace classlib::detail
