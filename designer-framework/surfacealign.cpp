// Lining up, spacing and sizing the selected controls alike.

#include "designer-framework/controldesigner.h"
#include "designer-framework/extdesigner.h"

#include <algorithm>

namespace designer_framework {

using namespace classlib;

namespace {

// One axis of a control: its position and extent.
struct TAxis {
    int (TControl::*Pos)() const;
    int (TControl::*Size)() const;
    void (TControl::*SetPos)(int);
    void (TControl::*SetSize)(int);
};

constexpr TAxis Horizontal{&TControl::Left, &TControl::Width, &TControl::SetLeft, &TControl::SetWidth};
constexpr TAxis Vertical{&TControl::Top, &TControl::Height, &TControl::SetTop, &TControl::SetHeight};

int Pos(const TControl* C, const TAxis& A) { return (C->*A.Pos)(); }
int Size(const TControl* C, const TAxis& A) { return (C->*A.Size)(); }

// Every other control's position from the reference's: Place(p0, s0, s).
template <class F>
void PlaceOthers(const QList<TControl*>& Controls, const TAxis& A, F Place)
{
    const TControl* reference = Controls.first();
    for (qsizetype i = 1; i < Controls.size(); ++i) {
        TControl* c = Controls[i];
        (c->*A.SetPos)(Place(qint64(Pos(reference, A)), qint64(Size(reference, A)), qint64(Size(c, A))));
    }
}

// The selection's bounding box lands centred in the parent's client area.
void CentreInParent(const QList<TControl*>& Controls, const TAxis& A, int ParentExtent)
{
    qint64 low = Pos(Controls.first(), A);
    qint64 high = low + Size(Controls.first(), A);
    for (const TControl* c : Controls) {
        low = std::min<qint64>(low, Pos(c, A));
        high = std::max<qint64>(high, qint64(Pos(c, A)) + Size(c, A));
    }
    const qint64 shift = (ParentExtent - (high - low)) / 2 - low;
    for (TControl* c : Controls) (c->*A.SetPos)(SatInt(Pos(c, A) + shift));
}

// Equal steps between the first and the last position; false with fewer
// than three controls.
bool SpaceEqually(QList<TControl*> Controls, const TAxis& A)
{
    const qsizetype n = Controls.size();
    if (n < 3) return false;
    // Exchange sort: equal positions keep their selection order.
    for (qsizetype p = 0; p < n; ++p)
        for (qsizetype q = p + 1; q < n; ++q)
            if (Pos(Controls[q], A) < Pos(Controls[p], A)) std::swap(Controls[p], Controls[q]);
    const qint64 first = Pos(Controls.first(), A);
    const qint64 step = (qint64(Pos(Controls.last(), A)) - first) / (n - 1);
    for (qsizetype k = 1; k < n - 1; ++k) (Controls[k]->*A.SetPos)(SatInt(first + step * k));
    return true;
}

// Every size, the reference's included, becomes the smallest or the largest.
void SizeToExtreme(const QList<TControl*>& Controls, const TAxis& A, bool Largest)
{
    int extreme = Size(Controls.first(), A);
    for (const TControl* c : Controls) extreme = Largest ? std::max(extreme, Size(c, A)) : std::min(extreme, Size(c, A));
    for (TControl* c : Controls) (c->*A.SetSize)(extreme);
}

} // namespace

void TControlDesigner::AlignSize(int Code)
{
    if (FSelection.isEmpty()) return;
    // The surface itself never moves or changes size.
    const QList<TControl*> controls = EditableControls();
    if (controls.isEmpty()) {
        if (Code == 3 || Code == 8) return;
    } else if (Code >= 0 && Code < 10) {
        // Codes 0..4 line up across, 5..9 the same down.
        const TAxis& axis = Code < 5 ? Horizontal : Vertical;
        const TWinControl* parent = controls.first()->Parent();
        switch (Code % 5) {
        case 0: PlaceOthers(controls, axis, [](qint64 p, qint64, qint64) { return SatInt(p); }); break;
        case 1:
            PlaceOthers(controls, axis, [](qint64 p, qint64 s0, qint64 s) { return SatInt(p - (s - s0) / 2); });
            break;
        case 2:
            if (parent) CentreInParent(controls, axis, Code < 5 ? parent->ClientWidth() : parent->ClientHeight());
            break;
        case 3:
            if (!SpaceEqually(controls, axis)) return;
            break;
        default:
            PlaceOthers(controls, axis, [](qint64 p, qint64 s0, qint64 s) { return SatInt(p + s0 - s); });
            break;
        }
    } else if (Code == 12) {
        const TControl* reference = controls.first();
        for (qsizetype i = 1; i < controls.size(); ++i)
            controls[i]->SetBounds(controls[i]->Left(), controls[i]->Top(), reference->Width(), reference->Height());
    } else if (Code >= 10 && Code <= 14) {
        SizeToExtreme(controls, Code < 12 ? Horizontal : Vertical, Code == 11 || Code == 14);
    }
    if (FInspector) FInspector->Modified();
}

} // namespace designer_framework
