#pragma once

// TCanvas: the class library's drawing surface over a device context. Its
// pen, brush and font are persistent values, selected into the device
// context lazily, before the first drawing call after they change. A
// RestoreDC changes the selection behind the canvas's back: call Refresh
// after it.

#include "classlib/graphics/brush.h"
#include "classlib/graphics/devicecontext.h"
#include "classlib/graphics/font.h"
#include "classlib/graphics/pen.h"

#include <QImage>

#include <vector>

namespace classlib {

class TGraphic;

// Raster operations of CopyRect and the blits.
using TCopyMode = quint32;
constexpr TCopyMode cmBlackness = BLACKNESS;
constexpr TCopyMode cmDstInvert = DSTINVERT;
constexpr TCopyMode cmMergeCopy = MERGECOPY;
constexpr TCopyMode cmMergePaint = MERGEPAINT;
constexpr TCopyMode cmNotSrcCopy = NOTSRCCOPY;
constexpr TCopyMode cmNotSrcErase = NOTSRCERASE;
constexpr TCopyMode cmPatCopy = PATCOPY;
constexpr TCopyMode cmPatInvert = PATINVERT;
constexpr TCopyMode cmPatPaint = PATPAINT;
constexpr TCopyMode cmSrcAnd = SRCAND;
constexpr TCopyMode cmSrcCopy = SRCCOPY;
constexpr TCopyMode cmSrcErase = SRCERASE;
constexpr TCopyMode cmSrcInvert = SRCINVERT;
constexpr TCopyMode cmSrcPaint = SRCPAINT;
constexpr TCopyMode cmWhiteness = WHITENESS;

class TCanvas : public TPersistent {
    QX_CLASS(TCanvas, TPersistent)
public:
    enum TStateItem : unsigned { csHandleValid = 1, csFontValid = 2, csPenValid = 4, csBrushValid = 8 };

    TCanvas();
    // Draws on DC, which stays the caller's and must outlive the canvas (or
    // be replaced with SetHandle first).
    explicit TCanvas(TDeviceContext* DC);
    ~TCanvas() override;

    TDeviceContext* Handle() const { return FDC; }
    void SetHandle(TDeviceContext* DC);
    bool HandleAllocated() const { return FDC != nullptr; }
    // The device context; EInvalidOperation "Canvas does not allow drawing"
    // without one.
    TDeviceContext& DC() const;

    TFont* Font() const { return FFont; }
    void SetFont(const TFont* Value) { FFont->Assign(Value); }
    TPen* Pen() const { return FPen; }
    void SetPen(const TPen* Value) { FPen->Assign(Value); }
    TBrush* Brush() const { return FBrush; }
    void SetBrush(const TBrush* Value) { FBrush->Assign(Value); }
    TCopyMode CopyMode() const { return FCopyMode; }
    void SetCopyMode(TCopyMode Value) { FCopyMode = Value; }

    TPoint PenPos() const;
    void SetPenPos(const TPoint& Value) { MoveTo(Value.X, Value.Y); }

    void MoveTo(int X, int Y);
    void LineTo(int X, int Y);
    void Rectangle(int X1, int Y1, int X2, int Y2) { Rectangle(TRect{X1, Y1, X2, Y2}); }
    void Rectangle(const TRect& R);
    void Ellipse(int X1, int Y1, int X2, int Y2) { Ellipse(TRect{X1, Y1, X2, Y2}); }
    void Ellipse(const TRect& R);
    // The brush over R, no outline.
    void FillRect(const TRect& R);
    // The dotted exclusive-or rectangle of a focus (see DrawFocusRect).
    void DrawFocusRect(const TRect& R);
    void Polygon(const std::vector<TPoint>& Points);
    void Polyline(const std::vector<TPoint>& Points);
    TColor Pixels(int X, int Y) const;
    void SetPixels(int X, int Y, TColor Color);

    // Text at (X, Y) in the font; the pen moves to the end of the text.
    void TextOut(int X, int Y, const QString& Text);
    // Text at (X, Y) clipped to R, R filled with the brush when solid.
    void TextRect(const TRect& R, int X, int Y, const QString& Text);
    int TextWidth(const QString& Text);
    int TextHeight(const QString& Text);
    TSize TextExtent(const QString& Text);

    // The graphic draws itself stretched into R; a rectangle with Top >
    // Bottom is not mirrored.
    void StretchDraw(const TRect& R, const TGraphic* Graphic);
    void Draw(int X, int Y, const TGraphic* Graphic);
    // Image pixels stretched into R with CopyMode (for graphics that hold
    // pixels).
    void StretchDrawImage(const TRect& R, const QImage& Image);
    // Source's pixels in SrcRect stretched into Dest with CopyMode.
    void CopyRect(const TRect& Dest, const TCanvas& Source, const TRect& SrcRect);

    // Logical bounding box of the area drawing reaches.
    TRect ClipRect() const;

    // Forgets what was selected into the device context, so that pen,
    // brush and font are selected again on next use.
    void Refresh() { FState = FDC ? unsigned(csHandleValid) : 0u; }
    // Selects what State asks for (csFontValid | ...) into the context.
    void RequiredState(unsigned State);

    void Assign(const TPersistent* Source) override;

private:
    void ObjectChanged(TObject* Sender);

    TDeviceContext* FDC = nullptr;
    TFont* FFont;
    TPen* FPen;
    TBrush* FBrush;
    TCopyMode FCopyMode = cmSrcCopy;
    unsigned FState = 0;
};

} // namespace classlib
