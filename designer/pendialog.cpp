#include "designer/pendialog.h"

#include "designer/colorselector.h"
#include "designer/drawcombobox.h"

#include "classlib/controls/button.h"
#include "classlib/controls/edit.h"
#include "classlib/controls/label.h"
#include "classlib/core/classbuilder.h"
#include "classlib/graphics/pen.h"

namespace designer {

using namespace classlib;

namespace {

// A line of the style across the middle.
void PenPicture(TCanvas& Canvas, int Index)
{
    Canvas.Pen()->SetColor(clBlack);
    Canvas.Pen()->SetWidth(1);
    Canvas.Pen()->SetStyle(TPenStyle(Index));
    Canvas.MoveTo(0, 6);
    Canvas.LineTo(16, 6);
}

} // namespace

const TClassInfo& TfrmPropPen::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TfrmPropPen>("TfrmPropPen")
        .Method("FormShow", &TfrmPropPen::FormShow)
        .Method("btnOkClick", &TfrmPropPen::btnOkClick)
        .Build();
    return info;
}

TfrmPropPen::TfrmPropPen(TComponent* AOwner) : TStyleListDialog(AOwner)
{
    SetCaption(QStringLiteral("Pen"));
    SetPosition(poScreenCenter);
    SetBounds(0, 0, 206, 135);

    AddStyleList(4, 20, 137, {"Solid", "Dash", "Dot", "Dash Dot", "Dash Dot Dot", "Clear"}, PenPicture);
    lblWidth = AddLabel("lblWidth", QStringLiteral("Width:"), 156, 4);
    edtWidth = Place(new TEdit(this), "edtWidth", this, 155, 20, 46, 21);
    EnableControls(false, {lblWidth, edtWidth});
    lblColor = AddLabel("lblColor", QStringLiteral("Color:"), 4, 52);
    clrColor = Place(new TColorSelector(this), "clrColor", this, 4, 68, 137, 22);
    clrColor->SetRGB(clWhite);
    BindColorSelector(clrColor);
    AddButtons(TRect{4, 96, 201, 125}, 48, 105, u"btnOkClick");

    OnShow = Handler(u"FormShow");
    InitForm();
}

TfrmPropPen::~TfrmPropPen()
{
    DoDestroy();
}

void TfrmPropPen::FormShow(TObject*)
{
    if (!Pen) return;
    // The list has no item for an inside-frame pen.
    const int style = int(Pen->Style());
    cmbStyle->SetItemIndex(style < cmbStyle->Items()->Count() ? style : -1);
    clrColor->SetRGB(Pen->Color());
}

void TfrmPropPen::btnOkClick(TObject*)
{
    if (Pen) {
        // With no item chosen the pen keeps its style.
        if (cmbStyle->ItemIndex() >= 0) Pen->SetStyle(TPenStyle(cmbStyle->ItemIndex()));
        Pen->SetColor(clrColor->RGB());
    }
    SetModalResult(mrOk);
}

} // namespace designer
