#include "classlib/graphics/jpegimage.h"

#include "classlib/core/classbuilder.h"
#include "classlib/core/streams.h"
#include "classlib/graphics/bitmap.h"
#include "classlib/graphics/canvas.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <jerror.h>
#include <jpeglib.h>

namespace classlib {

namespace {

// libjpeg reports errors through a callback that must not return: it jumps
// back to the setjmp below. Only C objects live between the two, so no
// destructor is skipped; the caller turns the message into an exception.
struct TJpegError {
    jpeg_error_mgr Mgr;
    std::jmp_buf Jump;
    char Message[JMSG_LENGTH_MAX];
    bool Failed;
};

void ErrorExit(j_common_ptr Info)
{
    auto* err = reinterpret_cast<TJpegError*>(Info->err);
    (*Info->err->format_message)(Info, err->Message);
    std::longjmp(err->Jump, 1);
}

// Warnings are silent, except that a file ending early is an error: a
// truncated picture would otherwise draw as grey.
void EmitMessage(j_common_ptr Info, int Level)
{
    if (Level < 0 && Info->err->msg_code == JWRN_JPEG_EOF) ErrorExit(Info);
}

// Progressive files can hold any number of scans; the bound keeps bad
// files from taking minutes.
void Progress(j_common_ptr Info)
{
    auto* d = reinterpret_cast<j_decompress_ptr>(Info);
    if (Info->is_decompressor && d->input_scan_number > MaxJpegScans) {
        std::snprintf(reinterpret_cast<TJpegError*>(Info->err)->Message, JMSG_LENGTH_MAX,
                      "More than %d scans", MaxJpegScans);
        std::longjmp(reinterpret_cast<TJpegError*>(Info->err)->Jump, 1);
    }
}

void InitError(TJpegError& Err)
{
    jpeg_std_error(&Err.Mgr);
    Err.Mgr.error_exit = ErrorExit;
    Err.Mgr.emit_message = EmitMessage;
    Err.Message[0] = 0;
    Err.Failed = false;
}

[[noreturn]] void Raise(const TJpegError& Err)
{
    throw EInvalidGraphic(QStringLiteral("JPEG error: ") + QString::fromLocal8Bit(Err.Message));
}

// Result codes of the C-level decoder.
enum TDecodeResult { drOk, drError, drTooLarge };

// Everything here is plain C data, see TJpegError.
TDecodeResult DecodeC(const uchar* Data, size_t Size, TJpegError& Err, QImage* Out,
                      JDIMENSION* Width, JDIMENSION* Height)
{
    jpeg_decompress_struct info;
    jpeg_progress_mgr progress;
    info.err = &Err.Mgr;
    if (setjmp(Err.Jump)) {
        jpeg_destroy_decompress(&info);
        return drError;
    }
    jpeg_create_decompress(&info);
    progress.progress_monitor = Progress;
    info.progress = &progress;
    jpeg_mem_src(&info, Data, static_cast<unsigned long>(Size));
    jpeg_read_header(&info, TRUE);
    *Width = info.image_width;
    *Height = info.image_height;
    // The sides are checked before libjpeg allocates for them.
    if (!GraphicSizeFits(info.image_width, info.image_height)) {
        jpeg_destroy_decompress(&info);
        return drTooLarge;
    }
    const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    info.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGRX;
    jpeg_start_decompress(&info);
    *Out = QImage(int(info.output_width), int(info.output_height), QImage::Format_RGB32);
    if (Out->isNull()) {
        std::snprintf(Err.Message, JMSG_LENGTH_MAX, "Out of memory");
        jpeg_destroy_decompress(&info);
        return drError;
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = Out->scanLine(int(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
        if (cmyk) {
            // Adobe writes CMYK inverted; 4 bytes become one 32-bit pixel in place.
            const bool inverted = info.saw_Adobe_marker;
            auto* px = reinterpret_cast<QRgb*>(row);
            for (JDIMENSION x = 0; x < info.output_width; ++x) {
                int c = row[4 * x], m = row[4 * x + 1], y = row[4 * x + 2], k = row[4 * x + 3];
                if (!inverted) {
                    c = 255 - c; m = 255 - m; y = 255 - y; k = 255 - k;
                }
                px[x] = qRgb(c * k / 255, m * k / 255, y * k / 255);
            }
        }
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return drOk;
}

bool EncodeC(const QImage& Img, int Quality, TJpegError& Err, unsigned char** Buffer,
             unsigned long* Size)
{
    jpeg_compress_struct info;
    info.err = &Err.Mgr;
    if (setjmp(Err.Jump)) {
        jpeg_destroy_compress(&info);
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, Buffer, Size);
    info.image_width = JDIMENSION(Img.width());
    info.image_height = JDIMENSION(Img.height());
    info.input_components = 4;
    info.in_color_space = JCS_EXT_BGRX;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, Quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<uchar*>(Img.constScanLine(int(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

} // namespace

const TClassInfo& TJPEGImage::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TJPEGImage>("TJPEGImage").Build();
    return info;
}

QImage TJPEGImage::Decode(const QByteArray& File)
{
    TJpegError err;
    InitError(err);
    QImage image;
    JDIMENSION width = 0, height = 0;
    switch (DecodeC(reinterpret_cast<const uchar*>(File.constData()), size_t(File.size()), err,
                    &image, &width, &height)) {
    case drOk: return image;
    case drTooLarge: CheckGraphicSize(width, height); break;  // raises
    case drError: break;
    }
    Raise(err);
}

QByteArray TJPEGImage::Encode(const QImage& Image, int Quality)
{
    const QImage img = Image.convertToFormat(QImage::Format_RGB32);
    TJpegError err;
    InitError(err);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    const bool ok = EncodeC(img, Quality, err, &buffer, &size);
    QByteArray out;
    if (ok) out = QByteArray(reinterpret_cast<const char*>(buffer), qsizetype(size));
    std::free(buffer);
    if (!ok) Raise(err);
    return out;
}

void TJPEGImage::SetCompressionQuality(int Value)
{
    FQuality = std::clamp(Value, 1, 100);
}

void TJPEGImage::LoadBytes(const QByteArray& File)
{
    QImage image = File.isEmpty() ? QImage() : Decode(File);
    FHold.Hold(image);
    FData = File;
    FImage = std::move(image);
    Changed();
}

void TJPEGImage::Assign(const TPersistent* Source)
{
    if (auto* jpeg = dynamic_cast<const TJPEGImage*>(Source)) {
        FHold.Hold(jpeg->FImage);
        FData = jpeg->FData;
        FImage = jpeg->FImage;
        FQuality = jpeg->FQuality;
        Changed();
    } else if (auto* bitmap = dynamic_cast<const TBitmap*>(Source)) {
        if (bitmap->Empty()) {
            FData.clear();
            FImage = QImage();
            FHold.Release();
        } else {
            QByteArray data = Encode(bitmap->Image(), FQuality);
            QImage image = Decode(data);  // draw what a reader of the bytes would see
            FHold.Hold(image);
            FData = std::move(data);
            FImage = std::move(image);
        }
        Changed();
    } else {
        TGraphic::Assign(Source);
    }
}

void TJPEGImage::AssignTo(TPersistent* Dest) const
{
    if (auto* bitmap = dynamic_cast<TBitmap*>(Dest)) {
        bitmap->SetImage(FImage);
        bitmap->SetPixelFormat(pf24bit);
        return;
    }
    TGraphic::AssignTo(Dest);
}

void TJPEGImage::Draw(TCanvas& Canvas, const TRect& Rect) const
{
    if (!FImage.isNull()) Canvas.StretchDrawImage(Rect, FImage);
}

void TJPEGImage::LoadFromStream(TStream& Stream)
{
    LoadBytes(detail::ReadRemaining(Stream));
}

void TJPEGImage::SaveToStream(TStream& Stream) const
{
    Stream.WriteBuffer(FData.constData(), FData.size());
}

void TJPEGImage::ReadData(TStream& Stream)
{
    LoadBytes(detail::ReadSizedData(Stream, "JPEG"));
}

void TJPEGImage::WriteData(TStream& Stream) const
{
    detail::WriteSizedData(Stream, FData);
}

} // namespace classlib
