#include "runtime/container.h"

#include "runtime/band.h"

#include "classlib/core/classbuilder.h"
#include "classlib/core/listsort.h"
#include "classlib/core/sysutils.h"
#include "classlib/graphics/canvas.h"

#include <algorithm>

namespace runtime {

using namespace classlib;

const TClassInfo& TQXContainer::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TQXContainer>("TQXContainer").Build();
    return info;
}

TQXContainer::TQXContainer(TComponent* AOwner) : TQXControl(AOwner) {}

TQXContainer::~TQXContainer()
{
    ClearControls();
}

TQXControl* TQXContainer::GetControl(int Index) const
{
    if (Index < 0 || Index >= ControlCount())
        throw EListError(Format("List index out of bounds (%d)", {Index}));
    return FControls[size_t(Index)];
}

int TQXContainer::IndexOfControl(const TQXControl* Control) const
{
    const auto it = std::find(FControls.begin(), FControls.end(), Control);
    return it == FControls.end() ? -1 : int(it - FControls.begin());
}

void TQXContainer::AddControl(TQXControl* Control)
{
    InsertControl(ControlCount(), Control);
}

void TQXContainer::InsertControl(int Index, TQXControl* Control)
{
    if (!Control) return;
    // The tree has no cycles: neither this container nor one that holds it.
    for (const TQXControl* c = this; c; c = c->FListedIn)
        if (c == Control) return;
    // An element is in one child list at a time.
    if (Control->FListedIn) Control->FListedIn->Unlist(Control);
    Index = std::clamp(Index, 0, ControlCount());
    FControls.insert(FControls.begin() + Index, Control);
    Control->FListedIn = this;
    Control->FQXParent = this;
}

void TQXContainer::Unlist(TQXControl* Control)
{
    const auto it = std::find(FControls.rbegin(), FControls.rend(), Control);
    if (it != FControls.rend()) FControls.erase(std::next(it).base());
    Control->FListedIn = nullptr;
}

void TQXContainer::ClearControls()
{
    while (!FControls.empty()) {
        TQXControl* c = FControls.back();
        Unlist(c);
        delete c;
    }
}

void TQXContainer::AssignTo(TPersistent* Dest) const
{
    TQXControl::AssignTo(Dest);
    auto* d = As<TQXContainer>(Dest);
    // Copying onto itself would free the children it copies.
    if (!d || d == this) return;
    d->ClearControls();
    for (const TQXControl* child : FControls) {
        TObject* obj = child->ClassType()->Create(Owner());
        auto* copy = As<TQXControl>(obj);
        if (!copy) {
            delete obj;
            continue;
        }
        copy->Assign(child);
        copy->SetQXParent(d);
    }
}

qint64 TQXContainer::GetFreeHeight() const
{
    const TRect c = GetContentRect();
    qint64 free = qint64(c.Top) - c.Bottom;
    for (const TQXControl* child : FControls)
        if (child->Printable() && (child->Align() == alTop || child->Align() == alBottom))
            free -= child->QXHeight();
    return free;
}

bool TQXContainer::CanFit(TQXControl& Control)
{
    return GetFreeHeight() >= Control.QXHeight();
}

bool TQXContainer::HasOverflow() const
{
    for (const TQXControl* child : FControls)
        if (auto* c = As<TQXContainer>(child); c && c->HasOverflow()) return true;
    return false;
}

// ---------------------------------------------------------------------------
// Sorting

int CompareInt(qint64 A, qint64 B)
{
    return A < B ? -1 : (A > B ? 1 : 0);
}

int ComparePrintOrder(const TQXControl* A, const TQXControl* B)
{
    if (A->Align() == alNone && B->Align() == alNone && (A->PrintOrder() != 0 || B->PrintOrder() != 0))
        return CompareInt(A->PrintOrder(), B->PrintOrder());
    return CompareInt(A->QXTop(), B->QXTop());
}

int CompareTop(const TQXControl* A, const TQXControl* B)
{
    return CompareInt(A->QXTop(), B->QXTop());
}

void SortControls(std::vector<TQXControl*>& List, TControlCompare Compare)
{
    classlib::SortList(List, Compare);
}

// ---------------------------------------------------------------------------
// Data pass, alignment, painting, reset

void TQXContainer::Process(TCanvas& Canvas)
{
    // Clones that children insert during the pass are not visited here.
    std::vector<TQXControl*> order = FControls;
    SortControls(order, ComparePrintOrder);
    for (TQXControl* child : order) {
        if (child->DoBeforePrint()) {
            child->Process(Canvas);
            child->DoAfterPrint();
        }
    }
}

namespace {

int DefaultIfNegative(qint64 A, int B)
{
    return A < 0 ? B : SatInt(A);
}

bool IsBeforeOnSide(const TQXControl* X, const TQXControl* Y, TAlign Side)
{
    switch (Side) {
    case alTop: return X->QXTop() < Y->QXTop();
    case alBottom:
        return qint64(X->QXTop()) + X->QXHeight() > qint64(Y->QXTop()) + Y->QXHeight();
    case alLeft: return X->QXLeft() < Y->QXLeft();
    case alRight:
        return qint64(X->QXLeft()) + X->QXWidth() > qint64(Y->QXLeft()) + Y->QXWidth();
    default: return false;
    }
}

void AlignControl(TQXControl* Control, TAlign Side, TRect& R)
{
    const int w = Control->QXWidth();
    const int h = Control->QXHeight();
    const qint64 width = qint64(R.Right) - R.Left;
    const qint64 height = qint64(R.Bottom) - R.Top;
    switch (Side) {
    // The control sits where R's edge was; R's edge saturates.
    case alTop:
        Control->SetBounds(R.Left, R.Top, DefaultIfNegative(width, w), h);
        R.Top = SatAdd(R.Top, h);
        break;
    case alBottom:
        R.Bottom = SatSub(R.Bottom, h);
        Control->SetBounds(R.Left, R.Bottom, DefaultIfNegative(width, w), h);
        break;
    case alLeft:
        Control->SetBounds(R.Left, R.Top, w, DefaultIfNegative(height, h));
        R.Left = SatAdd(R.Left, w);
        break;
    case alRight:
        R.Right = SatSub(R.Right, w);
        Control->SetBounds(R.Right, R.Top, w, DefaultIfNegative(height, h));
        break;
    case alClient:
        if (width > 0 && height > 0) Control->SetBounds(R.Left, R.Top, SatInt(width), SatInt(height));
        break;
    default:
        break;
    }
}

} // namespace

void TQXContainer::AlignSide(TAlign Side, TRect& R)
{
    std::vector<TQXControl*> list;
    for (TQXControl* child : FControls) {
        if (!child->Printable() || child->Align() != Side) continue;
        auto at = std::find_if(list.begin(), list.end(),
                               [&](const TQXControl* e) { return IsBeforeOnSide(child, e, Side); });
        list.insert(at, child);
    }
    for (TQXControl* child : list) AlignControl(child, Side, R);
}

void TQXContainer::AlignControls(TRect& R)
{
    const bool any = std::any_of(FControls.begin(), FControls.end(),
                                 [](const TQXControl* c) { return c->Align() != alNone; });
    if (!any) return;
    for (TAlign side : {alLeft, alRight, alTop, alBottom, alClient}) AlignSide(side, R);
}

void TQXContainer::Realign()
{
    TRect r = GetContentRect();
    r.Top = SatNeg(r.Top);
    r.Bottom = SatNeg(r.Bottom);
    AlignControls(r);
    for (TQXControl* child : FControls)
        if (auto* c = As<TQXContainer>(child); c && c->Printable()) c->Realign();
}

namespace {

// Whether all an element paints lies inside its bounds: its content is
// clipped, so only a shadow or frame wider than the element could stray.
bool PaintsWithinBounds(const TQXControl& Element)
{
    const TRect client = Element.GetClientRect();
    const qint64 shadow = Element.Shadow()->Shape() == ssNone ? 0 : Element.Shadow()->Width();
    const qint64 frame = Element.Frame()->Shape().Empty() ? 0 : Element.Frame()->Width();
    const qint64 room = std::min(Element.QXWidth(), Element.QXHeight());
    return client == TRect{0, 0, Element.QXWidth(), SatNeg(Element.QXHeight())} && shadow >= 0 && frame >= 0 &&
           shadow + 2 * frame <= room;
}

bool Overlap(const TRect& A, const TRect& B)
{
    auto span = [](int P, int Q) { return std::pair{std::min(P, Q), std::max(P, Q)}; };
    const auto [al, ar] = span(A.Left, A.Right);
    const auto [bl, br] = span(B.Left, B.Right);
    const auto [ab, at] = span(A.Top, A.Bottom);
    const auto [bb, bt] = span(B.Top, B.Bottom);
    return al < br && bl < ar && ab < bt && bb < at;
}

} // namespace

void TQXContainer::Paint(TCanvas& Canvas)
{
    TDeviceContext& dc = Canvas.DC();
    const size_t n = FControls.size();
    for (size_t i = 0; i < n; ++i) {
        TQXControl* child = FControls[i];
        if (!child->Printable()) continue;
        // A sibling that cannot cover anything the child paints needs no
        // cut-out: in a list page that would be quadratic in the rows.
        const bool confined = PaintsWithinBounds(*child);
        const TRect bounds = GetBoundsRect(*child);
        const int level = dc.SaveDC();
        try {
            for (size_t j = i + 1; j < n; ++j) {
                const TQXControl* later = FControls[j];
                if ((!confined || Overlap(bounds, GetBoundsRect(*later))) && later->Printable() &&
                    !later->Background()->IsTransparent() && !later->Shadow()->SemiTrans())
                    dc.ExcludeClipRect(GetBoundsRect(*later));
            }
            dc.OffsetWindowOrg(SatNeg(child->QXLeft()), child->QXTop());
            // Saving and restoring changed the selection behind the canvas.
            Canvas.Refresh();
            child->PaintAll(Canvas);
        } catch (...) {
            dc.RestoreDC(level);
            Canvas.Refresh();
            throw;
        }
        dc.RestoreDC(level);
        Canvas.Refresh();
    }
}

void TQXContainer::Reset()
{
    // Latest first: the owner finds the components it made last at the
    // end of its list.
    for (size_t i = FControls.size(); i-- > 0;) {
        if (i >= FControls.size()) continue;
        auto* band = As<TQXBand>(FControls[i]);
        if (band && band->IsClone()) {
            Unlist(band);
            delete band;
        }
    }
    // A child's Reset frees only its own clones, never a sibling.
    for (size_t i = 0; i < FControls.size(); ++i) FControls[i]->Reset();
}

} // namespace runtime
