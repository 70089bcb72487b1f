#include "classlib/controls/updatehold.h"

#include <QHash>
#include <QPointer>
#include <QWidget>

#include <utility>

namespace classlib {

namespace {

struct THeld {
    QPointer<QWidget> Parent;
    QRect Area;  // the parent's coordinates
};

int HoldLevel = 0;
QHash<QWidget*, THeld> Held;

void Release()
{
    // Taken first: a repaint asked for now is not held.
    const QHash<QWidget*, THeld> held = std::exchange(Held, {});
    for (const THeld& h : held)
        if (h.Parent)
            h.Parent->update(h.Area);
}

} // namespace

TUpdateHold::TUpdateHold()
{
    ++HoldLevel;
}

TUpdateHold::~TUpdateHold()
{
    if (--HoldLevel == 0)
        Release();
}

bool TUpdateHold::Active()
{
    return HoldLevel > 0;
}

bool TUpdateHold::Hold(QWidget* Widget)
{
    if (HoldLevel == 0 || !Widget || Widget->isWindow())
        return false;
    QWidget* parent = Widget->parentWidget();
    if (!parent)
        return false;
    // A hidden control shows nothing to repaint, as update() would find.
    if (!Widget->isVisible())
        return true;
    THeld& held = Held[parent];
    // Another widget may have come to the address of one that went.
    if (held.Parent != parent) {
        held.Parent = parent;
        held.Area = QRect();
    }
    held.Area |= Widget->geometry();
    return true;
}

} // namespace classlib
