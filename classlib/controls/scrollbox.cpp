#include "classlib/controls/scrollbox.h"

#include "classlib/controls/application.h"
#include "classlib/controls/mouse.h"
#include "classlib/core/classbuilder.h"

#include <QChildEvent>
#include <QEvent>
#include <QPointer>
#include <QScrollBar>

#include <algorithm>
#include <limits>

namespace classlib {

namespace detail {

// Hears the box's widget gain and lose children and its children move,
// size, show and hide: each may change the ranges.
class TScrollBoxWatcher : public QObject {
public:
    explicit TScrollBoxWatcher(TScrollBox* Box) : FBox(Box) {}

protected:
    bool eventFilter(QObject* Watched, QEvent* E) override
    {
        if (Watched == FBox->Widget()) {
            if (E->type() != QEvent::ChildAdded && E->type() != QEvent::ChildRemoved)
                return false;
            QObject* child = static_cast<QChildEvent*>(E)->child();
            if (child == FBox->FHorzBar.data() || child == FBox->FVertBar.data())
                return false;
            // A widget being freed is no widget any more here, and is gone
            // from the children already.
            if (E->type() == QEvent::ChildAdded) {
                if (!child->isWidgetType())
                    return false;
                child->installEventFilter(this);
                // The bars stay above what scrolls beneath them.
                if (FBox->FHorzBar && FBox->FVertBar) {
                    FBox->FHorzBar->raise();
                    FBox->FVertBar->raise();
                }
            } else if (child->isWidgetType()) {
                child->removeEventFilter(this);
            }
        } else {
            switch (E->type()) {
            case QEvent::Move:
            case QEvent::Resize:
            case QEvent::Show:
            case QEvent::Hide:
                break;
            default:
                return false;
            }
        }
        CallGuarded(FBox, [this] { FBox->UpdateScrollBars(); });
        return false;
    }

private:
    TScrollBox* FBox;
};

} // namespace detail

const TClassInfo& TScrollBox::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TScrollBox>("TScrollBox")
        .Prop("AutoScroll", &TScrollBox::AutoScroll, &TScrollBox::SetAutoScroll).Default(true)
        .Prop("HorzScrollBar", &TScrollBox::FHorzScrollBar)
        .Prop("VertScrollBar", &TScrollBox::FVertScrollBar)
        .Build();
    return info;
}

TScrollBox::TScrollBox(TComponent* AOwner)
    : TWinControl(AOwner), FHorzScrollBar(new TControlScrollBar(sbHorizontal)),
      FVertScrollBar(new TControlScrollBar(sbVertical)), FHorzBar(new QScrollBar(Qt::Horizontal, Widget())),
      FVertBar(new QScrollBar(Qt::Vertical, Widget())), FWatcher(new detail::TScrollBoxWatcher(this))
{
    SetControlStyle({csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks});
    FHorzBar->hide();
    FVertBar->hide();
    for (auto [bar, widget] : {std::pair{FHorzScrollBar, FHorzBar.data()}, std::pair{FVertScrollBar, FVertBar.data()}}) {
        bar->FBox = this;
        QScrollBar* w = widget;
        TControlScrollBar* b = bar;
        QObject::connect(w, &QScrollBar::valueChanged, w, [this, w, b](int Value) {
            if (!FUpdating && (b->Tracking() || !w->isSliderDown()))
                CallGuarded(this, [&] { ScrollTo(b, Value); });
        });
        QObject::connect(w, &QScrollBar::sliderReleased, w, [this, w, b] {
            CallGuarded(this, [&] { ScrollTo(b, w->value()); });
        });
    }
    Widget()->installEventFilter(FWatcher);
    SetBorderStyle(bsSingle);
    SetBounds(0, 0, 185, 41);
}

TScrollBox::~TScrollBox()
{
    // The children still to be freed must find nothing that listens.
    delete FWatcher;
    FWatcher = nullptr;
    delete FHorzBar.data();
    delete FVertBar.data();
    FHorzScrollBar->FBox = nullptr;
    FVertScrollBar->FBox = nullptr;
    FUpdating = true;
    delete FHorzScrollBar;
    delete FVertScrollBar;
}

void TScrollBox::SetAutoScroll(bool Value)
{
    if (Value == FAutoScroll)
        return;
    FAutoScroll = Value;
    UpdateScrollBars();
}

TRect TScrollBox::ClientRect() const
{
    TRect r = TWinControl::ClientRect();
    if (FVertShown)
        r.Right = std::max(r.Left, r.Right - GetSystemMetrics(SM_CXVSCROLL));
    if (FHorzShown)
        r.Bottom = std::max(r.Top, r.Bottom - GetSystemMetrics(SM_CYHSCROLL));
    return r;
}

void TScrollBox::Resize()
{
    UpdateScrollBars();
    TWinControl::Resize();
}

QList<QWidget*> TScrollBox::ScrolledWidgets() const
{
    QList<QWidget*> list;
    if (!Widget())
        return list;
    for (QObject* o : Widget()->children())
        if (o->isWidgetType() && o != FHorzBar.data() && o != FVertBar.data() &&
            !static_cast<QWidget*>(o)->isWindow())
            list.append(static_cast<QWidget*>(o));
    return list;
}

int TScrollBox::AutoRange(bool Horizontal) const
{
    const TControlScrollBar* bar = Horizontal ? FHorzScrollBar : FVertScrollBar;
    const int b = BorderWidth();
    qint64 range = 0;
    bool any = false;
    for (QWidget* w : ScrolledWidgets()) {
        if (w->isHidden())
            continue;
        qint64 edge;
        if (TControl* c = detail::ControlOfWidget(w)) {
            // Aligned to the far side or the whole area, it follows the box.
            const TAlign a = c->Parent() == this ? c->Align() : alNone;
            if (a == alClient || a == (Horizontal ? alRight : alBottom))
                continue;
            edge = Horizontal ? qint64(c->Left()) + c->Width() : qint64(c->Top()) + c->Height();
        } else {
            const QRect g = w->geometry();
            edge = Horizontal ? qint64(g.x()) - b + g.width() : qint64(g.y()) - b + g.height();
        }
        range = std::max(range, edge + bar->Position());
        any = true;
    }
    if (!any)
        return 0;
    return int(std::clamp<qint64>(range + bar->Margin(), 0, std::numeric_limits<int>::max()));
}

void TScrollBox::UpdateScrollBars()
{
    if (FUpdating || !Widget() || !FHorzBar || !FVertBar)
        return;
    FUpdating = true;
    struct TReset {
        bool& Flag;
        ~TReset() { Flag = false; }
    } reset{FUpdating};
    if (FAutoScroll) {
        FHorzScrollBar->FRange = AutoRange(true);
        FVertScrollBar->FRange = AutoRange(false);
    }
    const TRect full = TWinControl::ClientRect();
    const int sbw = GetSystemMetrics(SM_CXVSCROLL);
    const int sbh = GetSystemMetrics(SM_CYHSCROLL);
    // A bar that shows narrows the other's client side: twice settles it.
    bool horz = false;
    bool vert = false;
    for (int pass = 0; pass < 2; ++pass) {
        const int cw = full.Width() - (vert ? sbw : 0);
        const int ch = full.Height() - (horz ? sbh : 0);
        const bool h = FHorzScrollBar->Visible() && FHorzScrollBar->FRange > cw;
        const bool v = FVertScrollBar->Visible() && FVertScrollBar->FRange > ch;
        horz = h;
        vert = v;
    }
    FHorzShown = horz;
    FVertShown = vert;
    const TRect client = ClientRect();
    const int b = BorderWidth();
    FHorzBar->setGeometry(b, b + client.Height(), client.Width(), sbh);
    FVertBar->setGeometry(b + client.Width(), b, sbw, client.Height());
    ApplyBar(FHorzScrollBar, FHorzBar, horz, client.Width());
    ApplyBar(FVertScrollBar, FVertBar, vert, client.Height());
}

void TScrollBox::ApplyBar(TControlScrollBar* Bar, QScrollBar* Widget, bool Shown, int Client)
{
    const int limit = Shown ? std::max(0, Bar->FRange - Client) : 0;
    if (Bar->FPosition > limit || Bar->FPosition < 0) {
        const int delta = Bar->FPosition - std::clamp(Bar->FPosition, 0, limit);
        Bar->FPosition -= delta;
        if (Bar == FHorzScrollBar)
            ScrollChildren(delta, 0);
        else
            ScrollChildren(0, delta);
    }
    const QSignalBlocker block(Widget);
    Widget->setRange(0, limit);
    Widget->setPageStep(std::max(1, Client));
    Widget->setSingleStep(std::max(1, Bar->FIncrement));
    Widget->setValue(Bar->FPosition);
    Widget->setVisible(Shown);
}

void TScrollBox::ScrollTo(TControlScrollBar* Bar, int Value)
{
    const bool horz = Bar == FHorzScrollBar;
    const bool shown = horz ? FHorzShown : FVertShown;
    const int client = horz ? ClientWidth() : ClientHeight();
    const int limit = shown ? std::max(0, Bar->FRange - client) : 0;
    Value = std::clamp(Value, 0, limit);
    const int delta = Bar->FPosition - Value;
    if (delta == 0)
        return;
    Bar->FPosition = Value;
    {
        // The moves below must not count as changes of the children.
        const bool updating = FUpdating;
        FUpdating = true;
        struct TReset {
            bool& Flag;
            bool Old;
            ~TReset() { Flag = Old; }
        } reset{FUpdating, updating};
        if (horz)
            ScrollChildren(delta, 0);
        else
            ScrollChildren(0, delta);
    }
    if (QScrollBar* w = horz ? FHorzBar.data() : FVertBar.data()) {
        const QSignalBlocker block(w);
        w->setValue(Value);
    }
}

void TScrollBox::ScrollChildren(int DeltaX, int DeltaY)
{
    QList<QPointer<QWidget>> widgets;
    for (QWidget* w : ScrolledWidgets())
        widgets.append(w);
    for (const QPointer<QWidget>& w : widgets) {
        if (!w)
            continue;
        if (TControl* c = detail::ControlOfWidget(w))
            c->SetBounds(c->Left() + DeltaX, c->Top() + DeltaY, c->Width(), c->Height());
        else
            w->move(w->pos() + QPoint(DeltaX, DeltaY));
    }
    Invalidate();
}

void TScrollBox::ScrollInView(TControl* AControl)
{
    if (!AControl || !Widget() || !AControl->Widget())
        return;
    if (!Widget()->isAncestorOf(AControl->Widget()))
        return;
    // The control's rectangle in this box's client coordinates.
    const QPoint at = AControl->Widget()->mapTo(Widget(), QPoint(0, 0)) - QPoint(BorderWidth(), BorderWidth());
    const TRect client = ClientRect();
    const auto shift = [](int Low, int Size, int ClientSize) {
        // How far to scroll forward (positive) to show [Low, Low + Size).
        if (Low < 0)
            return Low;
        if (Low + Size > ClientSize)
            return std::min(Low, Low + Size - ClientSize);
        return 0;
    };
    const int dx = shift(at.x(), AControl->Width(), client.Width());
    const int dy = shift(at.y(), AControl->Height(), client.Height());
    if (dx)
        ScrollTo(FHorzScrollBar, FHorzScrollBar->Position() + dx);
    if (dy)
        ScrollTo(FVertScrollBar, FVertScrollBar->Position() + dy);
}

} // namespace classlib
