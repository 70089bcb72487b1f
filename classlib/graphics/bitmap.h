#pragma once

// Bitmaps: an image in memory, stored as a bitmap file (.bmp), drawn on
// through a canvas.

#include "classlib/graphics/graphic.h"

#include <QByteArray>
#include <QImage>

#include <memory>

namespace classlib {

class TPainterDC;

QX_ENUM(TPixelFormat, pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfCustom)

class TBitmap : public TGraphic {
    QX_CLASS(TBitmap, TGraphic)
public:
    TBitmap();
    ~TBitmap() override;

    int Width() const override { return FImage.width(); }
    int Height() const override { return FImage.height(); }
    bool Empty() const override { return FImage.isNull(); }
    void SetWidth(int Value) { SetSize(Value, Height()); }
    void SetHeight(int Value) { SetSize(Width(), Value); }
    // 0 x 0 empties the bitmap; new pixels are white. Sizes are checked
    // against MaxGraphicPixels before anything is allocated.
    void SetSize(int NewWidth, int NewHeight);

    // The bits per pixel written to a bitmap file; drawing always works in
    // 32 bits.
    TPixelFormat PixelFormat() const { return FPixelFormat; }
    void SetPixelFormat(TPixelFormat Value);

    // A canvas that draws on the bitmap, in pixels, made on first use. It
    // stays valid for the bitmap's lifetime, across size changes.
    TCanvas& Canvas();
    // The pixels, in Format_RGB32 (or null when empty).
    const QImage& Image() const { return FImage; }
    // Replaces the pixels; the pixel format follows the image's depth.
    void SetImage(const QImage& Image);

    void Assign(const TPersistent* Source) override;
    void Draw(TCanvas& Canvas, const TRect& Rect) const override;

    // A bitmap file: BITMAPFILEHEADER, info header, palette, pixels.
    void LoadFromStream(TStream& Stream) override;
    void SaveToStream(TStream& Stream) const override;
    // 4-byte length, then the bitmap file (length 0: empty).
    void ReadData(TStream& Stream) override;
    void WriteData(TStream& Stream) const override;

    // Decodes a bitmap file after checking every size in it; EInvalidGraphic
    // "Bitmap image is not valid..." for bad data.
    static QImage DecodeFile(const QByteArray& File, TPixelFormat* Format = nullptr);

private:
    void LoadFile(const QByteArray& File);
    QByteArray FileBytes() const;
    void ImageChanged();
    void ResetCanvasDevice();

    QImage FImage;
    TPixelHold FHold;
    TPixelFormat FPixelFormat = pfDevice;
    // The file the bitmap was read from, written back unchanged while the
    // pixels have not been touched and no canvas can draw on them.
    QByteArray FFile;
    std::unique_ptr<TPainterDC> FDC;
    std::unique_ptr<TCanvas> FCanvas;
};

} // namespace classlib
