#include "designer/dialogs/framedialog.h"

#include "designer/controls/colorselector.h"

#include "runtime/attributes.h"

#include "classlib/controls/button.h"
#include "classlib/controls/checkbox.h"
#include "classlib/controls/edit.h"
#include "classlib/controls/label.h"
#include "classlib/controls/paintbox.h"
#include "classlib/controls/panel.h"
#include "classlib/core/classbuilder.h"
#include "classlib/graphics/pen.h"

namespace designer {

using namespace classlib;
using namespace runtime;

const TClassInfo& TfrmFrameProperty::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TfrmFrameProperty>("TfrmFrameProperty")
        .Method("FormShow", &TfrmFrameProperty::FormShow)
        .Method("cbxSideClick", &TfrmFrameProperty::cbxSideClick)
        .Method("pbxFramePaint", &TfrmFrameProperty::pbxFramePaint)
        .Method("btnOkClick", &TfrmFrameProperty::btnOkClick)
        .Build();
    return info;
}

TfrmFrameProperty::TfrmFrameProperty(TComponent* AOwner) : TAttributeDialog(AOwner)
{
    SetCaption(QStringLiteral("Frame"));
    // Where it was designed, not centred.
    SetPosition(poDesigned);
    SetBounds(124, 139, 311, 152);

    auto side = [this](const char* Name, const char* Caption, int L, int T, int W) {
        auto* box = Place(new TCheckBox(this), Name, this, L, T, W, 17);
        box->SetCaption(QString::fromLatin1(Caption));
        box->OnClick = Handler(u"cbxSideClick");
        return box;
    };
    cbxTop = side("cbxTop", "Top", 70, 2, 45);
    cbxLeft = side("cbxLeft", "Left", 4, 44, 37);
    cbxLeft->SetAlignment(taLeftJustify);
    cbxRight = side("cbxRight", "Right", 113, 44, 49);
    cbxBottom = side("cbxBottom", "Bottom", 70, 87, 61);
    pnlWhite = Place(new TPanel(this), "pnlWhite", this, 44, 20, 66, 66);
    pnlWhite->SetCaption(QString());
    pnlWhite->SetColor(clWhite);
    pnlWhite->SetBevelOuter(bvNone);
    // A flat line: the preview has 64 x 64 pixels inside it.
    pnlWhite->SetBorderStyle(bsSingle);
    pnlWhite->SetCtl3D(false);
    pnlWhite->SetEnabled(false);
    pbxFrame = Place(new TPaintBox(this), "pbxFrame", pnlWhite, 0, 0, 64, 64);
    pbxFrame->SetAlign(alClient);
    pbxFrame->OnPaint = Handler(u"pbxFramePaint");
    lblWidth = AddLabel("lblWidth", QStringLiteral("Width:"), 168, 4);
    edtWidth = Place(new TEdit(this), "edtWidth", this, 168, 20, 46, 21);
    lblColor = AddLabel("lblColor", QStringLiteral("Color:"), 168, 64);
    clrColor = Place(new TColorSelector(this), "clrColor", this, 168, 80, 137, 22);
    clrColor->SetRGB(clWhite);
    BindColorSelector(clrColor);
    AddButtons(TRect{4, 108, 305, 142}, 151, 119, u"btnOkClick");

    OnShow = Handler(u"FormShow");
    InitForm();
}

TfrmFrameProperty::~TfrmFrameProperty()
{
    DoDestroy();
}

void TfrmFrameProperty::FormShow(TObject*)
{
    if (!Frame) return;
    const TQXFrameSides sides = Frame->Shape();
    cbxTop->SetChecked(sides.Contains(fsTop));
    cbxLeft->SetChecked(sides.Contains(fsLeft));
    cbxRight->SetChecked(sides.Contains(fsRight));
    cbxBottom->SetChecked(sides.Contains(fsBottom));
    edtWidth->SetText(MMText(Frame->Width()));
    clrColor->SetRGB(Frame->Color());
    UpdateEnabled();
}

void TfrmFrameProperty::UpdateEnabled()
{
    const bool any = cbxTop->Checked() || cbxLeft->Checked() || cbxRight->Checked() || cbxBottom->Checked();
    EnableControls(any, {lblWidth, edtWidth, lblColor, clrColor});
}

void TfrmFrameProperty::cbxSideClick(TObject*)
{
    pbxFrame->Invalidate();
    UpdateEnabled();
}

void TfrmFrameProperty::pbxFramePaint(TObject*)
{
    TCanvas& c = *pbxFrame->Canvas();
    c.Pen()->SetStyle(psSolid);
    c.Pen()->SetColor(clBlack);
    c.Pen()->SetWidth(1);
    auto line = [&c](int X1, int Y1, int X2, int Y2) {
        c.MoveTo(X1, Y1);
        c.LineTo(X2, Y2);
    };
    if (cbxLeft->Checked()) line(4, 4, 4, 59);
    // One further down, so that four sides close the bottom-right corner.
    if (cbxRight->Checked()) line(59, 4, 59, 60);
    if (cbxTop->Checked()) line(4, 4, 59, 4);
    if (cbxBottom->Checked()) line(4, 59, 59, 59);
}

void TfrmFrameProperty::btnOkClick(TObject*)
{
    // Read first: a text that is no number changes nothing.
    const int width = Hundredths(edtWidth->Text());
    if (Frame) {
        Frame->SetWidth(width);
        Frame->SetColor(clrColor->RGB());
        TQXFrameSides sides;
        if (cbxTop->Checked()) sides += fsTop;
        if (cbxLeft->Checked()) sides += fsLeft;
        if (cbxBottom->Checked()) sides += fsBottom;
        if (cbxRight->Checked()) sides += fsRight;
        Frame->SetShape(sides);
    }
    SetModalResult(mrOk);
}

} // namespace designer
