#include "classlib/controls/scrollbar.h"

#include "classlib/controls/application.h"
#include "classlib/core/classbuilder.h"

#include <QScrollBar>

namespace classlib {

const TClassInfo& TScrollBar::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TScrollBar>("TScrollBar").Build();
    return info;
}

TScrollBar::TScrollBar(TComponent* AOwner) : TWinControl(AOwner, new QScrollBar(Qt::Horizontal))
{
    auto* bar = static_cast<QScrollBar*>(Widget());
    bar->setFocusPolicy(Qt::NoFocus);
    SetBounds(0, 0, 121, GetSystemMetrics(SM_CYHSCROLL));

    QObject::connect(bar, &QAbstractSlider::actionTriggered, bar, [this, bar](int Action) {
        if (FSyncing)
            return;
        TScrollCode code;
        switch (Action) {
        case QAbstractSlider::SliderSingleStepAdd: code = scLineDown; break;
        case QAbstractSlider::SliderSingleStepSub: code = scLineUp; break;
        case QAbstractSlider::SliderPageStepAdd: code = scPageDown; break;
        case QAbstractSlider::SliderPageStepSub: code = scPageUp; break;
        case QAbstractSlider::SliderToMinimum: code = scTop; break;
        case QAbstractSlider::SliderToMaximum: code = scBottom; break;
        case QAbstractSlider::SliderMove: code = scTrack; break;
        default: return;
        }
        // Tracking leaves the thumb where the mouse drags it; a wheel or key
        // move (SliderMove without a pressed thumb) is a completed scroll.
        if (code == scTrack && bar->isSliderDown()) {
            const int pos = bar->sliderPosition();
            CallGuarded(this, [&] { Scroll(scTrack, pos); });
            return;
        }
        int pos = bar->sliderPosition();
        switch (code) {
        case scLineDown: pos = FPosition + FSmallChange; break;
        case scLineUp: pos = FPosition - FSmallChange; break;
        case scPageDown: pos = FPosition + FLargeChange; break;
        case scPageUp: pos = FPosition - FLargeChange; break;
        default: break;
        }
        if (code == scTrack)
            code = scPosition;
        CallGuarded(this, [&] {
            Scroll(code, pos);
            Scroll(scEndScroll, FPosition);
        });
        // Qt applies the slider position after this signal: ours wins.
        FSyncing = true;
        bar->setSliderPosition(std::clamp(FPosition, FMin, MaxThumbPosition()));
        FSyncing = false;
    });
    QObject::connect(bar, &QAbstractSlider::sliderReleased, bar, [this, bar] {
        if (FSyncing)
            return;
        const int pos = bar->sliderPosition();
        CallGuarded(this, [&] {
            Scroll(scPosition, pos);
            Scroll(scEndScroll, FPosition);
        });
    });
    Sync();
}

void TScrollBar::SetKind(TScrollBarKind Value)
{
    if (Value == FKind)
        return;
    FKind = Value;
    static_cast<QScrollBar*>(Widget())->setOrientation(Value == sbHorizontal ? Qt::Horizontal
                                                                              : Qt::Vertical);
    SetBounds(Left(), Top(), Height(), Width());
}

void TScrollBar::SetLargeChange(int Value)
{
    FLargeChange = std::max(Value, 1);
    Sync();
}

void TScrollBar::SetSmallChange(int Value)
{
    FSmallChange = std::max(Value, 1);
    Sync();
}

void TScrollBar::SetParams(int APosition, int AMin, int AMax)
{
    AMax = std::max(AMax, AMin);
    APosition = std::clamp(APosition, AMin, AMax);
    const bool changed = APosition != FPosition;
    FMin = AMin;
    FMax = AMax;
    FPosition = APosition;
    Sync();
    if (changed)
        Change();
}

void TScrollBar::SetPageSize(int Value, bool DisableNoScroll)
{
    FPageSize = std::max(Value, 0);
    if (DisableNoScroll)
        SetEnabled(CanScroll());
    Sync();
}

void TScrollBar::Scroll(TScrollCode Code, int ScrollPos)
{
    if (OnScroll)
        OnScroll(this, Code, ScrollPos);
    if (Code != scTrack && Code != scEndScroll)
        SetPosition(std::clamp(ScrollPos, FMin, MaxThumbPosition()));
}

void TScrollBar::EnabledChanged()
{
    TWinControl::EnabledChanged();
    Sync();
}

void TScrollBar::Change()
{
    if (OnChange)
        OnChange(this);
}

void TScrollBar::Sync()
{
    auto* bar = qobject_cast<QScrollBar*>(Widget());
    if (!bar)
        return;
    FSyncing = true;
    // Qt's maximum is the thumb's furthest position.
    bar->setRange(FMin, MaxThumbPosition());
    bar->setPageStep(std::max(FPageSize, 1));
    bar->setSingleStep(FSmallChange);
    bar->setValue(std::clamp(FPosition, FMin, MaxThumbPosition()));
    bar->setEnabled(Enabled());
    FSyncing = false;
}

} // namespace classlib
