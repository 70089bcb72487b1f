#pragma once

// A component with a property of every kind the editors serve.

#include "classlib/controls/control.h"
#include "classlib/core/component.h"
#include "classlib/core/componentlist.h"
#include "classlib/graphics/color.h"
#include "classlib/graphics/font.h"

namespace classlib::test {

QX_ENUM(TPeShade, shLight, shMedium, shDark)
using TPeShades = TSet<TPeShade>;
QX_INTEGER_RANGE(TPePercent, qint8, 0, 100)
// Same parameter list as TNotifyEvent, an identity of its own.
QX_EVENT(TPeDoneEvent, TObject* /*Sender*/)

class TPeTarget : public TComponent {
    QX_CLASS(TPeTarget, TComponent)
public:
    explicit TPeTarget(TComponent* AOwner);
    ~TPeTarget() override;

    int FInt = 0;
    unsigned FCard = 0;
    qint64 FBig = 0;
    TPePercent FPercent = TPePercent(0);
    char FCh = 'A';
    TPeShade FShade = shLight;
    bool FFlag = false;
    TPeShades FShades;
    float FSingle = 0;
    double FRatio = 0;
    long double FExt = 0;
    QString FShort;
    QString FText;
    QString FCaption;
    TColor FColor = clBlack;
    TCursor FCursor = crDefault;
    TTabOrder FTabOrder = TTabOrder(0);
    TFont* FFont;
    TComponent* FPartner = nullptr;
    TPeTarget* FBuddy = nullptr;
    TNotifyEvent FOnClick;
    TPeDoneEvent FOnDone;

    int Fixed() const { return 7; }
    TFont* Font() const { return FFont; }
    void SetFont(TFont* Value) { FFont->Assign(Value); }

    void Target1Click(TObject*) {}
};

// Another class: it shares some of the target's properties.
class TPeOther : public TComponent {
    QX_CLASS(TPeOther, TComponent)
public:
    using TComponent::TComponent;

    int FInt = 0;
    // Text under the name the target gives a string.
    int FText = 0;
    TColor FColor = clBlack;
};

// A descendant of the target that adds nothing.
class TPeDerived : public TPeTarget {
    QX_CLASS(TPeDerived, TPeTarget)
public:
    using TPeTarget::TPeTarget;
};

// The inspector's standard editors (font, tab order, colour, cursor,
// component name, caption, component), registered once for every class.
void RegisterStandardEditors();

} // namespace classlib::test
