#include "designer/elements/qxcontrol.h"

#include "designer/document/designstate.h"

#include "classlib/core/sysutils.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace designer {

using namespace classlib;

void AlignToGrid(TQXControl* Control)
{
    if (!Control) return;
    qint64 offsetX = 0, offsetY = 0;
    for (TWinControl* p = Control->Parent(); auto* c = dynamic_cast<TQXContainer*>(p); p = c->Parent()) {
        offsetX += c->QXLeft();
        offsetY += c->QXTop();
    }
    // The nearest multiple of 10 mm on the page, a half going to the even one.
    const auto snap = [](qint64 V) { return qint64(std::nearbyint(double(V) * 0.001)) * 1000; };
    qint64 x = snap(Control->QXLeft() + offsetX) - offsetX;
    qint64 y = snap(Control->QXTop() + offsetY) - offsetY;
    if (x < 0) x += 1000;
    if (y < 0) y += 1000;
    Control->SetUnits(SatInt(x), SatInt(y), Control->QXWidth(), Control->QXHeight());
    TScaleLock lock;
    Control->UpdateBounds();
}

namespace {

// Whether Child goes before Listed on Side.
bool Precedes(const TQXControl* Child, const TQXControl* Listed, TAlign Side)
{
    const auto bottom = [](const TQXControl* c) { return qint64(c->QXTop()) + c->QXHeight(); };
    const auto right = [](const TQXControl* c) { return qint64(c->QXLeft()) + c->QXWidth(); };
    switch (Side) {
    case alTop: return Child->QXTop() < Listed->QXTop();
    case alBottom: return bottom(Child) > bottom(Listed);
    case alLeft: return Child->QXLeft() < Listed->QXLeft();
    case alRight: return right(Child) > right(Listed);
    default: return false;
    }
}

bool Counts(const TControl* Child, TAlign Side)
{
    return Child->Align() == Side && !Child->ControlStyle().Contains(csNoDesignVisible);
}

qint64 DefaultIfNegative(qint64 A, qint64 B)
{
    return A < 0 ? B : A;
}

void Place(TQXControl* Child, qint64 Left, qint64 Top, qint64 Width, qint64 Height)
{
    // Under the scale lock (a zoom, a read) only the pixels follow.
    if (!ScaleUnlocked()) {
        Child->SetBounds(ToPixels(Left), ToPixels(Top), ToPixels(Width), ToPixels(Height));
        return;
    }
    // The box comes from stored units and is stored exactly: rounding it to
    // whole pixels would store another width each time the previous pixels
    // differ, and a saved page would not save back the same.
    Child->SetUnits(SatInt(Left), SatInt(Top), SatInt(Width), SatInt(Height));
    TScaleLock lock;
    Child->UpdateBounds();
}

// The parents whose children are being placed: moving a child asks its
// parent to realign, which must not start over inside the same pass.
std::vector<const TWinControl*>& Aligning()
{
    static std::vector<const TWinControl*> parents;
    return parents;
}

} // namespace

void AlignChildrenUnits(TWinControl* Parent, TRect ContentUnits, TControl* Changing)
{
    if (!Parent) return;
    std::vector<const TWinControl*>& aligning = Aligning();
    if (std::find(aligning.begin(), aligning.end(), Parent) != aligning.end()) return;
    bool any = false;
    for (int i = 0; i < Parent->ControlCount() && !any; ++i)
        any = dynamic_cast<TQXControl*>(Parent->Controls(i)) && Parent->Controls(i)->Align() != alNone;
    if (!any) return;

    aligning.push_back(Parent);
    struct TPop {
        std::vector<const TWinControl*>& List;
        ~TPop() { List.pop_back(); }
    } pop{aligning};

    // In 64 bits: the sums of extreme stored sizes do not wrap.
    qint64 left = ContentUnits.Left, top = ContentUnits.Top;
    qint64 right = ContentUnits.Right, bottom = ContentUnits.Bottom;
    auto* changing = dynamic_cast<TQXControl*>(Changing);
    if (changing && changing->Parent() != Parent) changing = nullptr;
    for (TAlign side : {alLeft, alRight, alTop, alBottom, alClient}) {
        std::vector<TQXControl*> list;
        if (changing && Counts(changing, side)) list.push_back(changing);
        for (int i = 0; i < Parent->ControlCount(); ++i) {
            auto* c = dynamic_cast<TQXControl*>(Parent->Controls(i));
            if (!c || c == changing || !Counts(c, side)) continue;
            auto at = list.begin();
            while (at != list.end() && !Precedes(c, *at, side)) ++at;
            list.insert(at, c);
        }
        for (TQXControl* c : list) {
            const qint64 w = c->QXWidth(), h = c->QXHeight();
            switch (side) {
            case alTop:
                top += h;
                Place(c, left, top - h, DefaultIfNegative(right - left, w), h);
                break;
            case alBottom:
                bottom -= h;
                Place(c, left, bottom, DefaultIfNegative(right - left, w), h);
                break;
            case alLeft:
                left += w;
                Place(c, left - w, top, w, DefaultIfNegative(bottom - top, h));
                break;
            case alRight:
                right -= w;
                Place(c, right, top, w, DefaultIfNegative(bottom - top, h));
                break;
            default:
                if (right > left && bottom > top) Place(c, left, top, right - left, bottom - top);
                break;
            }
        }
    }
}

} // namespace designer
