#pragma once

// TPen: colour, raster mode, style and width of lines and outlines.

#include "classlib/graphics/color.h"
#include "classlib/graphics/devicecontext.h"
#include "classlib/graphics/graphicsobject.h"

namespace classlib {

QX_ENUM(TPenMode, pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmMergePenNot, pmMaskPenNot,
        pmMergeNotPen, pmMaskNotPen, pmMerge, pmNotMerge, pmMask, pmNotMask, pmXor, pmNotXor)
QX_ENUM(TPenStyle, psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame)

// The raster-2 mode (R2_...) of a pen mode.
int PenModeToROP2(TPenMode Mode);

class TPen : public TGraphicsObject {
    QX_CLASS(TPen, TGraphicsObject)
public:
    TPen() = default;

    void Assign(const TPersistent* Source) override;

    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    TPenMode Mode() const { return FMode; }
    void SetMode(TPenMode Value);
    TPenStyle Style() const { return FStyle; }
    void SetStyle(TPenStyle Value);
    // Logical units of the canvas.
    int Width() const { return FWidth; }
    void SetWidth(int Value);

    TLogPen LogPen() const;

private:
    TColor FColor = clBlack;
    TPenMode FMode = pmCopy;
    TPenStyle FStyle = psSolid;
    int FWidth = 1;
};

} // namespace classlib
