#include "designer/dialogs/pendialog.h"

#include "designer/controls/colorselector.h"
#include "designer/controls/drawcombobox.h"

#include "classlib/controls/button.h"
#include "classlib/controls/edit.h"
#include "classlib/controls/label.h"
#include "classlib/core/classbuilder.h"
#include "classlib/graphics/pen.h"

#include <QByteArray>

namespace designer {

using namespace classlib;

namespace {

// A line of the style across the middle, its pattern shortened so that a
// whole period fits in the picture ('x' a pixel set).
void PenPicture(TCanvas& Canvas, int Index)
{
    static const char* const Patterns[] = {"x", "xxxxx  ", "x ", "xxxx  x  ", "xxx x x  ", " "};
    const QByteArray pattern(Patterns[Index]);
    for (int x = 0; x < 16; ++x)
        if (pattern[x % pattern.size()] == 'x') Canvas.SetPixels(x, 6, clBlack);
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
