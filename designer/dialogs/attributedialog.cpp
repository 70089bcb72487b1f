#include "designer/dialogs/attributedialog.h"

#include "designer/controls/colorselector.h"
#include "designer/editors/millimetres.h"

#include "classlib/controls/bevel.h"
#include "classlib/controls/button.h"
#include "classlib/controls/edit.h"
#include "classlib/controls/label.h"
#include "classlib/core/classbuilder.h"
#include "classlib/core/stringlist.h"
#include "classlib/core/sysutils.h"
#include "classlib/graphics/font.h"

namespace designer {

using namespace classlib;

const TClassInfo& TAttributeDialog::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TAttributeDialog>("TAttributeDialog")
        .Method("clrColorColorClick", &TAttributeDialog::clrColorColorClick)
        .Method("clrColorExtItemClick", &TAttributeDialog::clrColorExtItemClick)
        .Build();
    return info;
}

TAttributeDialog::TAttributeDialog(TComponent* AOwner) : TForm(AOwner)
{
    SetBorderStyle(bsDialog);
    SetBorderIcons({biSystemMenu});
    SetScaled(false);
    Font()->SetName(QStringLiteral("MS Sans Serif"));
    Font()->SetHeight(-11);
}

TMethod TAttributeDialog::Handler(const char16_t* Name)
{
    return TMethod{ClassType()->FindMethod(Name), this};
}

void TAttributeDialog::PlaceControl(TControl* Control, const char* Name, TWinControl* Parent, int L, int T, int W,
                                    int H)
{
    Control->SetName(QString::fromLatin1(Name));
    Control->SetParent(Parent);
    Control->SetBounds(L, T, W, H);
}

void TAttributeDialog::AddButtons(const TRect& Bevel, int OkLeft, int Top, const char16_t* OkHandler)
{
    bvlBottom = Place(new TBevel(this), "bvlBottom", this, Bevel.Left, Bevel.Top, Bevel.Width(), Bevel.Height());
    bvlBottom->SetShape(bsTopLine);
    btnOk = Place(new TButton(this), "btnOk", this, OkLeft, Top, 75, 25);
    btnOk->SetCaption(QStringLiteral("OK"));
    btnOk->SetDefault(true);
    btnOk->OnClick = Handler(OkHandler);
    btnCancel = Place(new TButton(this), "btnCancel", this, OkLeft + 80, Top, 75, 25);
    btnCancel->SetCaption(QStringLiteral("Cancel"));
    btnCancel->SetCancel(true);
    btnCancel->SetModalResult(mrCancel);
}

TLabel* TAttributeDialog::AddLabel(const char* Name, const QString& Caption, int L, int T)
{
    TLabel* label = Place(new TLabel(this), Name, this, L, T, 0, 0);
    label->SetCaption(Caption);
    return label;
}

void TAttributeDialog::EnableControls(bool Enabled, std::initializer_list<TControl*> Controls)
{
    for (TControl* c : Controls) {
        c->SetEnabled(Enabled);
        if (dynamic_cast<TEdit*>(c)) c->SetColor(Enabled ? clWindow : clBtnFace);
    }
}

QString TAttributeDialog::MMText(int Hundredths)
{
    return Format("%.2f", {Hundredths / 100.0});
}

int TAttributeDialog::Hundredths(const QString& Text)
{
    // A frame or shadow is never narrower than nothing.
    return MMToHundredths(StrToFloat(Text.trimmed()), true);
}

void TAttributeDialog::BindColorSelector(TColorSelector* Selector)
{
    Selector->OnColorClick = Handler(u"clrColorColorClick");
    Selector->OnExtItemClick = Handler(u"clrColorExtItemClick");
}

void TAttributeDialog::clrColorColorClick(TObject* Sender, TColor, bool&)
{
    if (auto* selector = dynamic_cast<TColorSelector*>(Sender)) selector->SetText(QString());
}

void TAttributeDialog::clrColorExtItemClick(TObject* Sender, int Index, bool& Close)
{
    auto* selector = dynamic_cast<TColorSelector*>(Sender);
    if (!selector || Index != 0) return;
    selector->SetText(selector->Extensions()->Get(0));
    Close = true;
}

} // namespace designer
