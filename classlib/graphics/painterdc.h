#pragma once

// The device context over a QPainter: screen widgets, QImage, printer, PDF.
// It maps logical to device pixels itself (the QPainter's own transform is
// left as the device set it up) and draws without antialiasing, so pixels
// land where the platform's drawing puts them.

#include "classlib/graphics/devicecontext.h"

#include <QPainter>

#include <memory>
#include <optional>

class QPaintDevice;

namespace classlib {

class TPainterDC : public TDeviceContext {
public:
    // Paints on Device with a painter of its own, ended by the destructor.
    explicit TPainterDC(QPaintDevice* Device);
    // Paints through Painter, which stays the caller's and must outlive us.
    explicit TPainterDC(QPainter* Painter);
    ~TPainterDC() override;

    // Ends the own painter and begins one on Device (null: none); the state
    // is kept, as when another bitmap is selected into a memory context.
    void SetDevice(QPaintDevice* Device);
    // Ends the own painter, so the device's pixels can be read or copied.
    void EndPaint();
    QPainter* Painter() const { return FPainter; }

    // Capabilities come from the painter's device unless set here.
    void SetDeviceCaps(const std::optional<TDeviceCaps>& Caps);
    TDeviceCaps DeviceCaps() const override;

    void LineTo(int X, int Y) override;
    void Rectangle(const TRect& R) override;
    void Ellipse(const TRect& R) override;
    void Polygon(const std::vector<TPoint>& Points) override;
    void Polyline(const std::vector<TPoint>& Points) override;
    void FillRect(const TRect& R, const TLogBrush& Brush) override;
    TColorRef SetPixel(int X, int Y, TColorRef Color) override;
    TColorRef GetPixel(int X, int Y) const override;
    void ExtTextOut(int X, int Y, unsigned Options, const TRect* Rect, const QString& Text,
                    const std::vector<int>* Dx = nullptr) override;
    void StretchDIBits(const TRect& Dest, const TRect& SrcRect, const QImage& Image,
                       quint32 Rop) override;
    QImage CopyImage(const TRect& Logical) const override;

private:
    struct TDevRect;  // normalised output pixels, Right/Bottom excluded
    TDevRect OutRect(const TRect& Logical) const;
    QPointF OutPoint(int X, int Y) const;  // pixel centre
    // Applies the dirty state, the clip narrowed to TextClip when given;
    // false when nothing can draw. Ink: output pixels that bound all that
    // is drawn next, when known.
    bool Begin(const QRect* TextClip = nullptr, const QRect* Ink = nullptr);
    std::optional<QRegion> OutputClip() const;  // the state's, output pixels
    const std::optional<QRegion>& StateClip();  // OutputClip, kept
    QPen MakePen() const;
    QBrush MakeBrush(const TLogBrush& Brush) const;
    // Sets the ROP2 composition; false for R2_NOP.
    bool ApplyROP2(QPen* Pen, QBrush* Brush);
    // A plain fill cut to a clip of one rectangle, so that the painter's
    // clip need not change for it: the pixels left, empty when not cut.
    QRect CutToClip(TDevRect& Device);
    // The device rectangle, pen and brush of a filled shape; false when
    // nothing is to be drawn. Cut: a plain fill, cut as above.
    bool BeginShape(const TRect& Rect, TDevRect& Device, QPen& Pen, QBrush& Brush, bool Cut = false);
    void FillDevRect(const TDevRect& R, const QBrush& Brush);
    void DrawSegment(QPen Pen, const QPointF& A, const QPointF& B);
    int PenPixels() const;
    QImage* TargetImage() const;

    const TResolvedFont& OutputFont() const;
    // The output font as drawn: the Qt font and its glyphs, kept while the
    // selected font and the scale stay.
    struct TTextFace;
    const TTextFace& TextFace();
    static void DrawDecorations(QPainter& P, const TTextFace& Face, const QPointF& Origin, double Width);

    QPainter* FPainter = nullptr;
    QPaintDevice* FDevice = nullptr;
    std::unique_ptr<QPainter> FOwnPainter;
    mutable std::shared_ptr<const TResolvedFont> FOutFont;
    std::unique_ptr<TTextFace> FFace;
    std::optional<QRegion> FStateClip;  // output pixels; none: unclipped
    std::optional<QRegion> FPainterClip;  // what the painter was given
    bool FPainterClipKnown = false;
    std::optional<TDeviceCaps> FCaps;
    // What the device answered, asked once per device.
    mutable std::optional<TDeviceCaps> FDeviceCaps;
};

} // namespace classlib
