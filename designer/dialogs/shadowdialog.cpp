#include "designer/dialogs/shadowdialog.h"

#include "designer/controls/colorselector.h"

#include "classlib/controls/button.h"
#include "classlib/controls/edit.h"
#include "classlib/controls/label.h"
#include "classlib/controls/panel.h"
#include "classlib/controls/radiobutton.h"
#include "classlib/controls/shape.h"
#include "classlib/core/classbuilder.h"
#include "classlib/core/stringlist.h"
#include "classlib/graphics/brush.h"

namespace designer {

using namespace classlib;
using namespace runtime;

namespace {

constexpr char SSemitransparent[] = "Semitransparent";

} // namespace

const TClassInfo& TfrmShadowProp::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TfrmShadowProp>("TfrmShadowProp")
        .Method("FormShow", &TfrmShadowProp::FormShow)
        .Method("rbnClick", &TfrmShadowProp::rbnClick)
        .Method("btnOkClick", &TfrmShadowProp::btnOkClick)
        .Build();
    return info;
}

TfrmShadowProp::TfrmShadowProp(TComponent* AOwner) : TAttributeDialog(AOwner)
{
    SetCaption(QStringLiteral("Shadow"));
    SetPosition(poScreenCenter);
    SetBounds(0, 0, 283, 160);

    pnlSample = Place(new TPanel(this), "pnlSample", this, 0, 0, 133, 113);
    pnlSample->SetCaption(QString());
    pnlSample->SetBevelOuter(bvNone);
    auto shape = [this](const char* Name, int L, int T, int W, int H, TColor Color, TShapeType Kind) {
        auto* s = Place(new TShape(this), Name, pnlSample, L, T, W, H);
        s->SetShape(Kind);
        s->Brush()->SetColor(Color);
        return s;
    };
    shpRect = shape("shpRect", 24, 24, 65, 65, clWhite, stRectangle);
    shpTop = shape("shpTop", 28, 20, 57, 5, clBlack, stRectangle);
    shpLeft = shape("shpLeft", 20, 28, 5, 57, clBlack, stRectangle);
    shpBottom = shape("shpBottom", 28, 88, 57, 5, clBlack, stRectangle);
    shpRight = shape("shpRight", 88, 28, 5, 57, clBlack, stRectangle);
    shpLeftTop = shape("shpLeftTop", 20, 20, 9, 9, clBlack, stRectangle);
    shpRightTop = shape("shpRightTop", 84, 20, 9, 9, clBlack, stRectangle);
    shpLeftBottom = shape("shpLeftBottom", 20, 84, 9, 9, clBlack, stRoundSquare);
    shpRightBottom = shape("shpRightBottom", 84, 84, 9, 9, clBlack, stRoundSquare);
    auto radio = [this](const char* Name, const char* Caption, int L, int T, int W) {
        auto* r = Place(new TRadioButton(this), Name, pnlSample, L, T, W, 17);
        r->SetCaption(QString::fromLatin1(Caption));
        r->OnClick = Handler(u"rbnClick");
        return r;
    };
    rbnNone = radio("rbnNone", "None", 32, 48, 53);
    rbnNone->SetColor(clWhite);
    rbnLT = radio("rbnLT", "LT", 5, 2, 41);
    rbnRT = radio("rbnRT", "RT", 93, 2, 41);
    rbnLB = radio("rbnLB", "LB", 5, 94, 41);
    rbnRB = radio("rbnRB", "RB", 93, 94, 41);
    lblWidth = AddLabel("lblWidth", QStringLiteral("Width:"), 140, 4);
    edtWidth = Place(new TEdit(this), "edtWidth", this, 140, 20, 46, 21);
    lblColor = AddLabel("lblColor", QStringLiteral("Color:"), 140, 48);
    clrColor = Place(new TColorSelector(this), "clrColor", this, 140, 64, 137, 22);
    clrColor->SetRGB(clWhite);
    clrColor->Extensions()->Add(QString::fromLatin1(SSemitransparent));
    BindColorSelector(clrColor);
    AddButtons(TRect{4, 116, 277, 154}, 122, 128, u"btnOkClick");
    rbnNone->SetChecked(true);

    OnShow = Handler(u"FormShow");
    InitForm();
}

TfrmShadowProp::~TfrmShadowProp()
{
    DoDestroy();
}

TQXShadowStyle TfrmShadowProp::Style() const
{
    if (rbnLT->Checked()) return ssLeftTop;
    if (rbnRT->Checked()) return ssRightTop;
    if (rbnLB->Checked()) return ssLeftBottom;
    if (rbnRB->Checked()) return ssRightBottom;
    return ssNone;
}

void TfrmShadowProp::FormShow(TObject*)
{
    if (!Shadow) return;
    TRadioButton* const radios[] = {rbnNone, rbnLT, rbnRT, rbnLB, rbnRB};
    radios[int(Shadow->Shape())]->SetChecked(true);
    edtWidth->SetText(MMText(Shadow->Width()));
    clrColor->SetRGB(Shadow->Color());
    if (Shadow->SemiTrans()) clrColor->SetText(clrColor->Extensions()->Get(0));
    UpdateSample();
}

void TfrmShadowProp::UpdateSample()
{
    const TQXShadowStyle style = Style();
    auto any = [style](std::initializer_list<TQXShadowStyle> Of) {
        for (TQXShadowStyle s : Of)
            if (s == style) return true;
        return false;
    };
    shpTop->SetVisible(any({ssLeftTop, ssRightTop}));
    shpLeft->SetVisible(any({ssLeftTop, ssLeftBottom}));
    shpBottom->SetVisible(any({ssLeftBottom, ssRightBottom}));
    shpRight->SetVisible(any({ssRightTop, ssRightBottom}));
    shpLeftTop->SetVisible(style == ssLeftTop);
    shpRightTop->SetVisible(style == ssRightTop);
    shpLeftBottom->SetVisible(style == ssLeftBottom);
    shpRightBottom->SetVisible(style == ssRightBottom);
    EnableControls(style != ssNone, {lblWidth, edtWidth, lblColor, clrColor});
}

void TfrmShadowProp::rbnClick(TObject*)
{
    UpdateSample();
}

void TfrmShadowProp::btnOkClick(TObject*)
{
    // Read first: a text that is no number changes nothing.
    const int width = Hundredths(edtWidth->Text());
    if (Shadow) {
        Shadow->SetWidth(width);
        Shadow->SetShape(Style());
        Shadow->SetColor(clrColor->RGB());
        Shadow->SetSemiTrans(clrColor->Text() == clrColor->Extensions()->Get(0));
    }
    SetModalResult(mrOk);
}

} // namespace designer
