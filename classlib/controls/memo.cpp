#include "classlib/controls/memo.h"

#include "classlib/controls/editinput.h"
#include "classlib/controls/widgetlook.h"
#include "classlib/controls/windowkeys.h"
#include "classlib/core/classbuilder.h"

#include <QPlainTextEdit>

namespace classlib {

namespace {

using TMemoWidget = detail::TRoutedWidget<QPlainTextEdit>;

// Raises a flag for the life of a scope.
struct TFlagScope {
    bool& Flag;
    explicit TFlagScope(bool& AFlag) : Flag(AFlag) { Flag = true; }
    ~TFlagScope() { Flag = false; }
};

Qt::ScrollBarPolicy Policy(bool Shown)
{
    return Shown ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff;
}

} // namespace

const TClassInfo& TCustomMemo::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TCustomMemo>("TCustomMemo").Build();
    return info;
}

const TClassInfo& TMemo::StaticClass()
{
    static const TClassInfo& info =
        TClassBuilder<TMemo>("TMemo")
            .Prop("Lines", &TMemo::Lines, &TMemo::SetLines)
            .Prop("ReadOnly", &TMemo::ReadOnly, &TMemo::SetReadOnly).Default(0)
            .Prop("ScrollBars", &TMemo::ScrollBars, &TMemo::SetScrollBars).Default(ssNone)
            .Prop("WordWrap", &TMemo::WordWrap, &TMemo::SetWordWrap).Default(1)
            .Prop("OnChange", static_cast<TNotifyEvent TMemo::*>(&TMemo::OnChange))
            .Build();
    return info;
}

TCustomMemo::TCustomMemo(TComponent* AOwner) : TWinControl(AOwner, new TMemoWidget(this)), FLines(new TStringList)
{
    SetControlStyle({csCaptureMouse, csClickEvents, csDoubleClicks, csSetCaption});
    SetColor(clWindow);
    SetBorderStyle(bsSingle);
    QPlainTextEdit* e = Editor();
    e->setContextMenuPolicy(Qt::NoContextMenu);
    e->setTabChangesFocus(true);
    static_cast<TMemoWidget*>(e)->OnClipboardKey = [e](char K) {
        switch (K) {
        case 'C': e->copy(); break;
        case 'X': e->isReadOnly() ? e->copy() : e->cut(); break;
        default:
            if (!e->isReadOnly())
                e->paste();
            break;
        }
    };
    FLines->OnChange = [this] { LinesChanged(); };
    QObject::connect(e, &QPlainTextEdit::textChanged, e, [this] {
        if (FSyncing)
            return;
        CallGuarded(this, [this] {
            {
                TFlagScope syncing(FSyncing);
                FLines->SetText(Editor()->toPlainText());
            }
            Change();
        });
    });
    SetScrollBars(ssNone);
    ApplyLook();
    SetBounds(0, 0, 185, 89);
}

TCustomMemo::~TCustomMemo()
{
    if (QPlainTextEdit* e = Editor()) {
        QObject::disconnect(e, nullptr, e, nullptr);
        static_cast<TMemoWidget*>(e)->Detach();
    }
    FLines->OnChange = nullptr;
    delete FLines;
}

QPlainTextEdit* TCustomMemo::Editor() const
{
    return static_cast<QPlainTextEdit*>(Widget());
}

void TCustomMemo::ApplyLook()
{
    if (QPlainTextEdit* e = Editor())
        ApplyWidgetLook(*this, *e);
}

void TCustomMemo::ColorChanged()
{
    TWinControl::ColorChanged();
    ApplyLook();
}

void TCustomMemo::Resize()
{
    // A change of border style ends here too.
    if (QPlainTextEdit* e = Editor())
        e->setFrameShape(BorderStyle() == bsSingle ? QFrame::StyledPanel : QFrame::NoFrame);
    TWinControl::Resize();
}

void TCustomMemo::LinesChanged()
{
    if (FSyncing || !Editor())
        return;
    {
        TFlagScope syncing(FSyncing);
        QString text = FLines->Text();
        if (text.endsWith(QLatin1String("\r\n")))
            text.chop(2);
        text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        Editor()->setPlainText(text);
    }
    Change();
}

void TCustomMemo::SetLines(const TStrings* Value)
{
    FLines->Assign(Value);
}

QString TCustomMemo::Text() const
{
    return Editor() ? Editor()->toPlainText().replace(QLatin1Char('\n'), QLatin1String("\r\n")) : QString();
}

void TCustomMemo::SetText(const QString& Value)
{
    FLines->SetText(Value);
}

void TCustomMemo::SetReadOnly(bool Value)
{
    FReadOnly = Value;
    if (Editor())
        Editor()->setReadOnly(Value);
}

void TCustomMemo::SetWordWrap(bool Value)
{
    FWordWrap = Value;
    if (Editor())
        Editor()->setLineWrapMode(Value ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    SetScrollBars(FScrollBars);
}

void TCustomMemo::SetScrollBars(TScrollStyle Value)
{
    FScrollBars = Value;
    if (!Editor())
        return;
    // A wrapping memo has no use for a horizontal bar.
    Editor()->setHorizontalScrollBarPolicy(Policy((Value == ssHorizontal || Value == ssBoth) && !FWordWrap));
    Editor()->setVerticalScrollBarPolicy(Policy(Value == ssVertical || Value == ssBoth));
}

void TCustomMemo::Change()
{
    if (OnChange)
        OnChange(this);
}

void TCustomMemo::Dispatch(TMessage& Message)
{
    // Enter starts a new line here, never the window's default button.
    if (Message.Msg == CM_WANTSPECIALKEY && Message.WParam == VK_RETURN) {
        Message.Result = 1;
        return;
    }
    TWinControl::Dispatch(Message);
}

} // namespace classlib
