#include "designer/elements/panel.h"

#include "designer/document/designstate.h"

#include "classlib/core/classbuilder.h"
#include "classlib/core/sysutils.h"
#include "classlib/graphics/canvas.h"

namespace designer {

using namespace classlib;

const TClassInfo& TQXPanel::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TQXPanel>("TQXPanel")
        .Prop("Align", &TControl::Align, &TControl::SetAlign).Default(alNone)
        .Prop("Columns", &TQXPanel::Columns, &TQXPanel::SetColumns)
        .Prop("AutoSize", &TQXPanel::AutoSize, &TQXPanel::SetAutoSize)
        .Build();
    return info;
}

TQXPanel::TQXPanel(TComponent* AOwner) : TQXContainer(AOwner)
{
    SetMMHeight(20);
    UpdateBounds();
}

void TQXPanel::SetColumns(int Value)
{
    if (Value == FColumns) return;
    if (Value < 1) throw EInvalidOp(QStringLiteral("Invalid property value"));
    FColumns = Value;
    InvalidateTree(this);
    Realign();
}

void TQXPanel::SetAutoSize(bool Value)
{
    if (Value == FAutoSize) return;
    FAutoSize = Value;
    if (FitsPicture()) UpdateContent();
}

bool TQXPanel::FitsPicture() const
{
    return Background()->IsPicture() && !Background()->IsStretched();
}

int TQXPanel::ColumnWidthUnits() const
{
    const TRect r = GetContentRectUnits();
    return SatInt((qint64(r.Right) - r.Left) / std::max(FColumns, 1));
}

int TQXPanel::ColumnWidthPixels() const
{
    return ToPixels(ColumnWidthUnits());
}

void TQXPanel::UpdateContent()
{
    if (FitsPicture()) {
        const runtime::TQXBackground& bg = *Background();
        if (FAutoSize && bg.PixWidth > 0 && bg.PixHeight > 0)
            SetOuterBounds(Left(), Top(), bg.PixWidth, bg.PixHeight);
        InvalidateTree(this);
        UpdateBounds();
    }
    TQXContainer::UpdateContent();
}

void TQXPanel::AlignControls(TControl* AControl, TRect&)
{
    TRect r = GetContentRectUnits();
    r.Right = SatAdd(r.Left, ColumnWidthUnits());
    AlignChildrenUnits(this, r, AControl);
}

void TQXPanel::PaintContent()
{
    const qint64 step = ColumnWidthPixels();
    // Columns of no width would put every line in one place.
    if (step <= 0) return;
    TCanvas& canvas = *Canvas();
    const TRect c = ClientRect();
    canvas.Pen()->SetStyle(psDot);
    canvas.Pen()->SetWidth(1);
    canvas.Pen()->SetColor(OutlineColor);
    qint64 x = c.Left + step;
    for (int i = 1; i < FColumns && x < c.Right; ++i, x += step) {
        canvas.MoveTo(int(x), c.Top);
        canvas.LineTo(int(x), c.Bottom);
    }
}

} // namespace designer
