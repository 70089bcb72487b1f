#include "classlib/graphics/bitmap.h"

#include "classlib/core/classbuilder.h"
#include "classlib/core/streams.h"
#include "classlib/graphics/bitmapfile.h"
#include "classlib/graphics/canvas.h"
#include "classlib/graphics/painterdc.h"

#include <cstring>

namespace classlib {

namespace {

TPixelFormat FormatOfBits(int BitCount, quint32 Compression)
{
    switch (BitCount) {
    case 1: return pf1bit;
    case 4: return pf4bit;
    case 8: return pf8bit;
    case 16: return Compression == 3 ? pf16bit : pf15bit;  // BI_RGB 16 bits are 5-5-5
    case 24: return pf24bit;
    case 32: return pf32bit;
    default: return pfCustom;
    }
}

int BitsOfFormat(TPixelFormat Format)
{
    switch (Format) {
    case pf1bit: return 1;
    case pf4bit:  // kept as 8 bits: no 4-bit image format to convert through
    case pf8bit: return 8;
    case pf15bit:
    case pf16bit:
    case pf24bit: return 24;
    default: return 32;
    }
}

TPixelFormat FormatOfImage(const QImage& Image)
{
    switch (Image.depth()) {
    case 1: return pf1bit;
    case 8: return pf8bit;
    case 16: return pf16bit;
    case 24: return pf24bit;
    default: return pfDevice;
    }
}

} // namespace

const TClassInfo& TBitmap::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TBitmap>("TBitmap").Build();
    return info;
}

TBitmap::TBitmap() = default;

TBitmap::~TBitmap()
{
    // The canvas draws through the device context: it goes first.
    FCanvas.reset();
    FDC.reset();
}

QImage TBitmap::DecodeFile(const QByteArray& File, TPixelFormat* Format)
{
    const detail::TBitmapFileInfo info = detail::CheckBitmapFile(File);
    QImage image;
    if (!image.loadFromData(File, "BMP") || image.width() != info.Width || image.height() != info.Height)
        throw EInvalidGraphic(QStringLiteral("Bitmap image is not valid"));
    if (Format) *Format = FormatOfBits(info.BitCount, info.Compression);
    return image.convertToFormat(QImage::Format_RGB32);
}

void TBitmap::ResetCanvasDevice()
{
    if (FDC) FDC->SetDevice(FImage.isNull() ? nullptr : &FImage);
}

void TBitmap::ImageChanged()
{
    FFile.clear();
    ResetCanvasDevice();
    Changed();
}

void TBitmap::LoadFile(const QByteArray& File)
{
    TPixelFormat format = pfDevice;
    QImage image = DecodeFile(File, &format);
    FHold.Hold(image);
    if (FDC) FDC->SetDevice(nullptr);
    FImage = std::move(image);
    FPixelFormat = format;
    FFile = File;
    ResetCanvasDevice();
    Changed();
}

QByteArray TBitmap::FileBytes() const
{
    if (FImage.isNull()) return {};
    // Once a canvas exists the pixels may have been drawn on at any time.
    if (!FFile.isEmpty() && !FCanvas) return FFile;
    return detail::WriteBitmapFile(FImage, BitsOfFormat(FPixelFormat));
}

void TBitmap::SetSize(int NewWidth, int NewHeight)
{
    if (NewWidth == Width() && NewHeight == Height()) return;
    QImage image;
    if (NewWidth != 0 || NewHeight != 0) {
        CheckGraphicSize(NewWidth, NewHeight);
        image = QImage(NewWidth, NewHeight, QImage::Format_RGB32);
        if (image.isNull()) throw EOutOfMemory(QStringLiteral("Out of memory"));
        image.fill(Qt::white);
        // What fits of the old pixels stays, as when a bitmap is resized.
        if (!FImage.isNull()) {
            if (FDC) FDC->EndPaint();
            const int w = std::min(NewWidth, FImage.width()), h = std::min(NewHeight, FImage.height());
            for (int y = 0; y < h; ++y)
                std::memcpy(image.scanLine(y), FImage.constScanLine(y), size_t(w) * 4);
        }
    }
    FHold.Hold(image);
    if (FDC) FDC->SetDevice(nullptr);
    FImage = std::move(image);
    ImageChanged();
}

void TBitmap::SetPixelFormat(TPixelFormat Value)
{
    if (Value == FPixelFormat) return;
    FPixelFormat = Value;
    FFile.clear();
    Changed();
}

TCanvas& TBitmap::Canvas()
{
    if (!FCanvas) {
        FDC = std::make_unique<TPainterDC>(FImage.isNull() ? nullptr : &FImage);
        FCanvas = std::make_unique<TCanvas>(FDC.get());
    }
    return *FCanvas;
}

void TBitmap::SetImage(const QImage& Image)
{
    if (!Image.isNull()) CheckGraphicSize(Image.width(), Image.height());
    QImage image = Image.isNull() ? QImage() : Image.convertToFormat(QImage::Format_RGB32);
    FHold.Hold(image);
    if (FDC) FDC->SetDevice(nullptr);
    FImage = std::move(image);
    FPixelFormat = Image.isNull() ? pfDevice : FormatOfImage(Image);
    ImageChanged();
}

void TBitmap::Assign(const TPersistent* Source)
{
    if (auto* bitmap = dynamic_cast<const TBitmap*>(Source)) {
        if (bitmap == this) return;
        QImage image = bitmap->FImage.copy();
        FHold.Hold(image);
        if (FDC) FDC->SetDevice(nullptr);
        FImage = std::move(image);
        FPixelFormat = bitmap->FPixelFormat;
        FTransparent = bitmap->FTransparent;
        const QByteArray file = bitmap->FFile;
        ImageChanged();
        FFile = file;
        return;
    }
    TGraphic::Assign(Source);
}

void TBitmap::Draw(TCanvas& Canvas, const TRect& Rect) const
{
    if (!FImage.isNull()) Canvas.StretchDrawImage(Rect, FImage);
}

void TBitmap::LoadFromStream(TStream& Stream)
{
    LoadFile(detail::ReadRemaining(Stream));
}

void TBitmap::SaveToStream(TStream& Stream) const
{
    const QByteArray file = FileBytes();
    Stream.WriteBuffer(file.constData(), file.size());
}

void TBitmap::ReadData(TStream& Stream)
{
    const QByteArray file = detail::ReadSizedData(Stream, "bitmap");
    if (!file.isEmpty()) {
        LoadFile(file);
        return;
    }
    if (FDC) FDC->SetDevice(nullptr);
    FImage = QImage();
    FHold.Release();
    ImageChanged();
}

void TBitmap::WriteData(TStream& Stream) const
{
    detail::WriteSizedData(Stream, FileBytes());
}

} // namespace classlib
