#include "designer/dialogs/brushdialog.h"

#include "designer/controls/colorselector.h"
#include "designer/controls/drawcombobox.h"

#include "classlib/controls/button.h"
#include "classlib/core/classbuilder.h"
#include "classlib/core/stringlist.h"
#include "classlib/graphics/brush.h"
#include "classlib/graphics/pen.h"

namespace designer {

using namespace classlib;

namespace {

// A small filled box of the style.
void BrushPicture(TCanvas& Canvas, int Index)
{
    Canvas.Pen()->SetColor(clBlack);
    Canvas.Brush()->SetColor(clBlack);
    Canvas.Brush()->SetStyle(TBrushStyle(Index));
    Canvas.Rectangle(0, 1, 16, 13);
}

} // namespace

const TClassInfo& TfrmPropBrush::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TfrmPropBrush>("TfrmPropBrush")
        .Method("FormShow", &TfrmPropBrush::FormShow)
        .Method("btnOkClick", &TfrmPropBrush::btnOkClick)
        .Build();
    return info;
}

TfrmPropBrush::TfrmPropBrush(TComponent* AOwner) : TStyleListDialog(AOwner)
{
    SetCaption(QStringLiteral("Brush"));
    SetPosition(poScreenCenter);
    SetBounds(0, 0, 279, 103);

    AddStyleList(8, 24, 125,
                 {"Solid", "Clear", "Horizontal", "Vertical", "Forward Diagonal", "Back Diagonal", "Cross",
                  "Diagonal Cross"},
                 BrushPicture);
    lblColor = AddLabel("lblColor", QStringLiteral("Color:"), 140, 8);
    clrColor = Place(new TColorSelector(this), "clrColor", this, 140, 24, 133, 22);
    clrColor->SetRGB(clWhite);
    clrColor->Extensions()->Add(QStringLiteral("Semitransparent"));
    BindColorSelector(clrColor);
    AddButtons(TRect{8, 60, 277, 89}, 119, 70, u"btnOkClick");

    OnShow = Handler(u"FormShow");
    InitForm();
}

TfrmPropBrush::~TfrmPropBrush()
{
    DoDestroy();
}

void TfrmPropBrush::FormShow(TObject*)
{
    if (!Brush) return;
    cmbStyle->SetItemIndex(int(Brush->Style()));
    clrColor->SetRGB(Brush->Color());
}

void TfrmPropBrush::btnOkClick(TObject*)
{
    if (Brush) {
        Brush->SetColor(clrColor->RGB());
        if (cmbStyle->ItemIndex() >= 0) Brush->SetStyle(TBrushStyle(cmbStyle->ItemIndex()));
    }
    SetModalResult(mrOk);
}

} // namespace designer
