#include "classlib/controls/form.h"

#include "classlib/controls/menus.h"
#include "classlib/core/classbuilder.h"
#include "classlib/core/reader.h"
#include "classlib/core/streams.h"

#include <QHash>

namespace classlib {

namespace {

QHash<QString, QByteArray>& Resources()
{
    static QHash<QString, QByteArray> resources;
    return resources;
}

} // namespace

void RegisterFormResource(const QString& ClassName, const QByteArray& Stream)
{
    Resources().insert(ClassName, Stream);
}

QByteArray FormResource(const QString& ClassName)
{
    return Resources().value(ClassName);
}

const TClassInfo& TForm::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TForm>("TForm")
        .Prop("Caption", &TForm::FCaption, &TForm::SetCaption).Type(TypeInfo<TCaption>())
        .Prop("BorderIcons", &TForm::BorderIcons, &TForm::SetBorderIcons)
            .Default(TBorderIcons{biSystemMenu, biMinimize, biMaximize}.Mask())
        .Prop("BorderStyle", &TForm::BorderStyle, &TForm::SetBorderStyle).Default(bsSizeable)
        .Prop("FormStyle", &TForm::FormStyle, &TForm::SetFormStyle).Default(fsNormal)
        .Prop("HelpFile", &TForm::FHelpFile, &TForm::SetHelpFile)
        .Prop("HorzScrollBar", &TForm::FHorzScrollBar)
        .Prop("KeyPreview", &TForm::KeyPreview, &TForm::SetKeyPreview).Default(false)
        .Prop("PixelsPerInch", &TForm::PixelsPerInch, &TForm::SetPixelsPerInch).Default(96)
        .Prop("Position", &TForm::Position, &TForm::SetPosition).Default(poDesigned)
        .Prop("PrintScale", &TForm::PrintScale, &TForm::SetPrintScale).Default(poProportional)
        .Prop("Scaled", &TForm::Scaled, &TForm::SetScaled).Default(true)
        .Prop("VertScrollBar", &TForm::FVertScrollBar)
        .Prop("WindowState", &TForm::WindowState, &TForm::SetWindowState).Default(wsNormal)
        .Prop("OnCreate", &TForm::OnCreate)
        .Prop("OnDestroy", &TForm::OnDestroy)
        .Build();
    return info;
}

TForm::TForm(TComponent* AOwner)
    : TWinControl(AOwner), FHorzScrollBar(new TControlScrollBar(sbHorizontal)),
      FVertScrollBar(new TControlScrollBar(sbVertical))
{
    SetBorderStyle(bsSizeable);
    // A click gives the form the keys (its controls take them only when
    // focused from code), and so it hears when its window loses them.
    Widget()->setFocusPolicy(Qt::ClickFocus);
}

// OnDestroy is fired by the most derived destructor (DoDestroy): here the
// handler's form is gone already.
TForm::~TForm()
{
    if (FDesigner && FDesigner->Form() == this)
        FDesigner->SetForm(nullptr);
    delete FVertScrollBar;
    delete FHorzScrollBar;
}

void TForm::SetDesigner(TDesigner* Value)
{
    if (Value == FDesigner) return;
    if (FDesigner && FDesigner->Form() == this) FDesigner->SetForm(nullptr);
    FDesigner = nullptr;
    if (Value) {
        if (TForm* other = Value->Form(); other && other != this && other->Designer() == Value) other->SetDesigner(nullptr);
        Value->SetForm(this);
    }
    FDesigner = Value;
}

void TForm::Notification(TComponent* AComponent, TOperation Operation)
{
    TWinControl::Notification(AComponent, Operation);
    if (FDesigner)
        FDesigner->Notification(AComponent, Operation);
}

void TForm::Dispatch(TMessage& Message)
{
    if (Message.Msg == WM_ACTIVATE && Message.WParam == WA_ACTIVE)
        Activate();
    TWinControl::Dispatch(Message);
}

void TForm::ValidateRename(TComponent* AComponent, const QString& CurName, const QString& NewName)
{
    TWinControl::ValidateRename(AComponent, CurName, NewName);
    if (FDesigner)
        FDesigner->ValidateRename(AComponent, CurName, NewName);
}

void TForm::Paint()
{
    TWinControl::Paint();
    if (FDesigner && IsDesigning())
        FDesigner->PaintGrid();
}

void TForm::SetCaption(const QString& Value)
{
    FCaption = Value;
    if (Widget())
        Widget()->setWindowTitle(Value);
}

void TForm::InitForm()
{
    const QByteArray stream = FormResource(ClassName());
    if (!stream.isEmpty()) {
        TBytesStream bytes(stream);
        ReadComponentFromStream(bytes, this);
    }
    OnCreate(this);
}

void TForm::DoDestroy()
{
    if (FDestroyed)
        return;
    FDestroyed = true;
    OnDestroy(this);
}

void TForm::Show()
{
    SetVisible(true);
    if (!Widget())
        return;
    Widget()->move(Left(), Top());
    Widget()->show();
}

void TForm::Close()
{
    if (Widget())
        Widget()->close();
}

void TForm::GetChildren(const std::function<void(TComponent*)>& Proc, TComponent*)
{
    // Menu items are written inside their menu.
    for (int i = 0; i < ComponentCount(); ++i) {
        TComponent* c = Components(i);
        if (dynamic_cast<TControl*>(c))
            continue;
        if (auto* item = dynamic_cast<TMenuItem*>(c); item && item->Menu())
            continue;
        Proc(c);
    }
}

} // namespace classlib
