#pragma once

// JPEG pictures: the file's bytes are kept and written back unchanged; the
// image is decoded with libjpeg for drawing.

#include "classlib/graphics/graphic.h"

#include <QByteArray>
#include <QImage>

namespace classlib {

class TBitmap;

class TJPEGImage : public TGraphic {
    QX_CLASS(TJPEGImage, TGraphic)
public:
    TJPEGImage() = default;

    int Width() const override { return FImage.width(); }
    int Height() const override { return FImage.height(); }
    bool Empty() const override { return FData.isEmpty(); }

    // 1..100, used when a bitmap is assigned (compressed).
    int CompressionQuality() const { return FQuality; }
    void SetCompressionQuality(int Value);

    // The JPEG file as read or as last compressed.
    const QByteArray& Data() const { return FData; }
    // The decoded pixels (Format_RGB32), null when empty.
    const QImage& Image() const { return FImage; }

    // From another JPEG picture (copies the bytes) or from a bitmap
    // (compresses it at CompressionQuality).
    void Assign(const TPersistent* Source) override;
    void Draw(TCanvas& Canvas, const TRect& Rect) const override;

    // The JPEG file. The whole file is decoded when it is loaded, so bad
    // data is an EInvalidGraphic "JPEG error: <libjpeg's message>" at once.
    void LoadFromStream(TStream& Stream) override;
    void SaveToStream(TStream& Stream) const override;
    // 4-byte length, then the JPEG file (FF D8 ...).
    void ReadData(TStream& Stream) override;
    void WriteData(TStream& Stream) const override;

    // libjpeg called directly, its errors turned into EInvalidGraphic.
    static QImage Decode(const QByteArray& File);
    static QByteArray Encode(const QImage& Image, int Quality);

protected:
    void AssignTo(TPersistent* Dest) const override;

private:
    void LoadBytes(const QByteArray& File);

    QByteArray FData;
    QImage FImage;
    TPixelHold FHold;
    int FQuality = 90;
};

} // namespace classlib
