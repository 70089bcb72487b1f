#pragma once

// TBrush: colour and pattern of fills.

#include "classlib/graphics/color.h"
#include "classlib/graphics/devicecontext.h"
#include "classlib/graphics/graphicsobject.h"

namespace classlib {

QX_ENUM(TBrushStyle, bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross,
        bsDiagCross)

class TBrush : public TGraphicsObject {
    QX_CLASS(TBrush, TGraphicsObject)
public:
    TBrush() = default;

    void Assign(const TPersistent* Source) override;

    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    TBrushStyle Style() const { return FStyle; }
    void SetStyle(TBrushStyle Value);

    TLogBrush LogBrush() const;

private:
    TColor FColor = clWhite;
    TBrushStyle FStyle = bsSolid;
};

} // namespace classlib
