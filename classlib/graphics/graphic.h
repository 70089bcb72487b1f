#pragma once

// The base of every picture format: bitmaps, JPEG pictures and metafiles.

#include "classlib/core/persistent.h"
#include "classlib/core/sysutils.h"
#include "classlib/graphics/gditypes.h"

#include <QImage>
#include <QString>

#include <functional>

namespace classlib {

class TCanvas;
class TStream;

// Limits of the readers of pictures, which take untrusted bytes.
// The largest image that any picture reader decodes or any graphic
// allocates, tested by GraphicSizeFits alone.
// 64 megapixels (256 MB at 32 bits): holds an A4 page at 600 dpi (35 MP).
constexpr qint64 MaxGraphicPixels = qint64(1) << 26;
// Pixels that the decoded pictures of the process hold at once: one picture
// is bounded above, but a document of a few hundred kilobytes can hold
// many. 256 megapixels (1 GB at 32 bits).
constexpr qint64 MaxHeldPixels = qint64(1) << 28;
// Scans of a progressive JPEG file: each one costs a pass over the image.
constexpr int MaxJpegScans = 256;
// Rectangles of a metafile's clip region: building one costs quadratic time.
constexpr quint32 MaxClipRegionRects = 1024;

// Bad or unsupported picture data.
class EInvalidGraphic : public Exception { public: using Exception::Exception; };
// An operation the graphic does not support (saving a metafile as a bitmap...).
class EInvalidGraphicOperation : public Exception { public: using Exception::Exception; };

// Both sides positive and no more than MaxGraphicPixels in all: the one
// test of every path that decodes or allocates pixels.
bool GraphicSizeFits(qint64 Width, qint64 Height);
// EInvalidGraphic "Invalid image size (%d x %d pixels)" unless both sides
// are positive, "Image too large (%d x %d pixels)" beyond MaxGraphicPixels.
void CheckGraphicSize(qint64 Width, qint64 Height);

// A graphic's share of MaxHeldPixels: the pixels of the image it holds,
// counted once however many graphics share that image's data.
class TPixelHold {
public:
    TPixelHold() = default;
    ~TPixelHold() { Release(); }
    TPixelHold(const TPixelHold&) = delete;
    TPixelHold& operator=(const TPixelHold&) = delete;

    // Holds Image (nothing for a null image) in place of what was held;
    // EInvalidGraphic "Pictures hold more than %d megapixels" when all
    // holds together would pass MaxHeldPixels, and the hold is unchanged.
    void Hold(const QImage& Image);
    // The same by the identity of an image's data and its pixel count.
    void Hold(qint64 Key, qint64 Pixels);
    void Release();

    // All holds of the process together.
    static qint64 HeldPixels();

private:
    qint64 FKey = 0;
    bool FHeld = false;
};

class TGraphic : public TPersistent {
    QX_CLASS(TGraphic, TPersistent)
public:
    using TChangeHandler = std::function<void(TObject* Sender)>;

    TGraphic() = default;

    // Pixels for bitmaps and JPEG pictures; metafiles say what theirs are.
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual bool Empty() const = 0;
    virtual bool Transparent() const { return FTransparent; }
    virtual void SetTransparent(bool Value);

    // Stretches the graphic over Rect, in the canvas's logical units. A
    // rectangle whose Top is greater than its Bottom (y pointing up) is
    // not mirrored: the picture's top row goes to the upper edge.
    virtual void Draw(TCanvas& Canvas, const TRect& Rect) const = 0;

    // The graphic's file format (.bmp, .jpg, .emf): the whole rest of the
    // stream is read. On failure the graphic keeps its previous contents.
    virtual void LoadFromStream(TStream& Stream) = 0;
    virtual void SaveToStream(TStream& Stream) const = 0;
    void LoadFromFile(const QString& FileName);
    // Written to a temporary file that replaces FileName once complete.
    void SaveToFile(const QString& FileName) const;

    // The graphic's part of a picture's stored "Data" (after the class name).
    // ReadData reads exactly what WriteData wrote, so data that follows in
    // the stream stays in place.
    virtual void ReadData(TStream& Stream) = 0;
    virtual void WriteData(TStream& Stream) const = 0;

    TChangeHandler OnChange;

protected:
    void Changed();

    bool FTransparent = false;
};

namespace detail {
// The common "Data" of bitmaps, JPEG pictures and metafiles: a 4-byte
// length, then that many bytes of the file. The length is checked against
// what remains before anything is allocated: EInvalidGraphic
// "Invalid %s data size %d (%d bytes remain)" with What ("bitmap", ...).
QByteArray ReadSizedData(TStream& Stream, const char* What);
void WriteSizedData(TStream& Stream, const QByteArray& Bytes);
// The rest of the stream, for LoadFromStream.
QByteArray ReadRemaining(TStream& Stream);
} // namespace detail

} // namespace classlib
