#include "classlib/controls/edit.h"

#include "classlib/controls/editinput.h"
#include "classlib/controls/widgetlook.h"
#include "classlib/core/classbuilder.h"

#include <QLineEdit>
#include <QValidator>

#include <limits>

namespace classlib {

namespace {

using TEditWidget = detail::TRoutedWidget<QLineEdit>;

// MaxLength as an edit control keeps it: typing and pasting cannot make the
// text longer than the limit, but text set by code may be longer, and
// shortening it is always allowed.
class TLengthLimit : public QValidator {
public:
    TLengthLimit(QLineEdit* AEdit, const int* ALimit, const bool* ASettingText)
        : QValidator(AEdit), FLimit(ALimit), FSettingText(ASettingText)
    {
        // The edit validates its new text in place: the length before the
        // change is the one it last reported.
        connect(AEdit, &QLineEdit::textChanged, this, [this](const QString& Text) { FLength = Text.size(); });
    }
    State validate(QString& Input, int&) const override
    {
        const qsizetype limit = *FLimit;
        if (*FSettingText)
            return Acceptable;
        if (limit > 0 && Input.size() > limit && Input.size() > FLength)
            return Invalid;
        return Acceptable;
    }

private:
    const int* FLimit;
    const bool* FSettingText;
    qsizetype FLength = 0;
};

} // namespace

const TClassInfo& TCustomEdit::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TCustomEdit>("TCustomEdit").Build();
    return info;
}

const TClassInfo& TEdit::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TEdit>("TEdit")
        .Prop("MaxLength", &TEdit::MaxLength, &TEdit::SetMaxLength).Default(0)
        .Prop("ReadOnly", &TEdit::ReadOnly, &TEdit::SetReadOnly).Default(0)
        .Prop("Text", &TEdit::Text, &TEdit::SetText)
        .Prop("OnChange", static_cast<TNotifyEvent TEdit::*>(&TEdit::OnChange))
        .Prop("OnEnter", static_cast<TNotifyEvent TEdit::*>(&TEdit::OnEnter))
        .Prop("OnExit", static_cast<TNotifyEvent TEdit::*>(&TEdit::OnExit))
        .Build();
    return info;
}

TCustomEdit::TCustomEdit(TComponent* AOwner) : TWinControl(AOwner, new TEditWidget(this))
{
    SetControlStyle({csCaptureMouse, csClickEvents, csDoubleClicks, csFixedHeight, csSetCaption});
    SetColor(clWindow);
    SetBorderStyle(bsSingle);
    QLineEdit* e = Edit();
    e->setMaxLength(std::numeric_limits<int>::max());
    e->setValidator(new TLengthLimit(e, &FMaxLength, &FSettingText));
    // Right clicks show the control's popup menu, not Qt's own.
    e->setContextMenuPolicy(Qt::NoContextMenu);
    static_cast<TEditWidget*>(e)->OnClipboardKey = [this](char K) {
        switch (K) {
        case 'C': CopyToClipboard(); break;
        case 'X': CutToClipboard(); break;
        default: PasteFromClipboard(); break;
        }
    };
    QObject::connect(e, &QLineEdit::textChanged, e, [this] {
        if (!FSettingText)
            FModified = true;
        CallGuarded(this, [this] { Change(); });
    });
    ApplyLook();
    SetBounds(0, 0, 121, 21);
}

TCustomEdit::~TCustomEdit()
{
    if (QLineEdit* e = Edit()) {
        QObject::disconnect(e, nullptr, e, nullptr);
        static_cast<TEditWidget*>(e)->Detach();
    }
}

QLineEdit* TCustomEdit::Edit() const
{
    return static_cast<QLineEdit*>(Widget());
}

void TCustomEdit::ApplyLook()
{
    if (QLineEdit* e = Edit())
        ApplyWidgetLook(*this, *e);
}

void TCustomEdit::ColorChanged()
{
    TWinControl::ColorChanged();
    ApplyLook();
}

void TCustomEdit::Resize()
{
    // A change of border style ends here too.
    if (QLineEdit* e = Edit())
        e->setFrame(BorderStyle() == bsSingle);
    TWinControl::Resize();
}

QString TCustomEdit::Text() const
{
    return Edit() ? Edit()->text() : QString();
}

void TCustomEdit::SetText(const QString& Value)
{
    if (!Edit() || Value == Edit()->text()) {
        FModified = false;
        return;
    }
    FSettingText = true;
    struct TReset {
        bool& Flag;
        ~TReset() { Flag = false; }
    } reset{FSettingText};
    Edit()->setText(Value);
    FModified = false;
}

void TCustomEdit::SetReadOnly(bool Value)
{
    FReadOnly = Value;
    if (Edit())
        Edit()->setReadOnly(Value);
}

void TCustomEdit::SetMaxLength(int Value)
{
    FMaxLength = std::max(Value, 0);
}

int TCustomEdit::SelStart() const
{
    if (!Edit())
        return 0;
    return Edit()->hasSelectedText() ? Edit()->selectionStart() : Edit()->cursorPosition();
}

void TCustomEdit::SetSelStart(int Value)
{
    if (Edit())
        Edit()->setCursorPosition(Value);
}

int TCustomEdit::SelLength() const
{
    return Edit() ? Edit()->selectionLength() : 0;
}

void TCustomEdit::SetSelLength(int Value)
{
    if (Edit())
        Edit()->setSelection(SelStart(), Value);
}

QString TCustomEdit::SelText() const
{
    return Edit() ? Edit()->selectedText() : QString();
}

void TCustomEdit::SelectAll()
{
    if (Edit())
        Edit()->selectAll();
}

void TCustomEdit::ClearSelection()
{
    if (Edit() && !FReadOnly)
        Edit()->del();
}

void TCustomEdit::CutToClipboard()
{
    if (!Edit())
        return;
    if (FReadOnly)
        Edit()->copy();
    else
        Edit()->cut();
}

void TCustomEdit::CopyToClipboard()
{
    if (Edit())
        Edit()->copy();
}

void TCustomEdit::PasteFromClipboard()
{
    if (Edit() && !FReadOnly)
        Edit()->paste();
}

void TCustomEdit::Change()
{
    if (OnChange)
        OnChange(this);
}

void TCustomEdit::Dispatch(TMessage& Message)
{
    TWinControl::Dispatch(Message);
    if (Message.Msg == WM_SETFOCUS && OnEnter)
        OnEnter(this);
    else if (Message.Msg == WM_KILLFOCUS && OnExit)
        OnExit(this);
}

} // namespace classlib
