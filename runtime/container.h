#pragma once

// An element that holds others: it owns its children, paints them in list
// order with later opaque siblings cut out, runs the data pass over them in
// print order, places aligned children against its sides, and answers how
// much height is still free, the question pagination turns on.

#include "runtime/control.h"

#include <functional>
#include <vector>

namespace runtime {

class TQXContainer : public TQXControl {
    QX_CLASS(TQXContainer, TQXControl)
public:
    explicit TQXContainer(classlib::TComponent* AOwner);
    ~TQXContainer() override;

    int ControlCount() const { return int(FControls.size()); }
    // EListError for an index outside the list.
    TQXControl* GetControl(int Index) const;
    int IndexOfControl(const TQXControl* Control) const;
    void AddControl(TQXControl* Control);
    // Index is clamped to the list.
    void InsertControl(int Index, TQXControl* Control);
    // Frees the children, first to last.
    void ClearControls();

    // R in downward coordinates (like QXTop); shrinks as children are
    // placed.
    virtual void AlignControls(TRect& R);
    virtual bool HasOverflow() const;
    virtual bool CanFit(TQXControl& Control);

    // The content height less the heights of printable top- and
    // bottom-aligned children.
    qint64 GetFreeHeight() const;
    // Places the children and, recursively, theirs.
    void Realign();

    void Paint(TCanvas& Canvas) override;
    void Process(TCanvas& Canvas) override;
    void Reset() override;

protected:
    void AssignTo(classlib::TPersistent* Dest) const override;
    // Places the printable children of one side.
    void AlignSide(TAlign Side, TRect& R);

private:
    friend class TQXControl;

    // Takes Control off the list without freeing it.
    void Unlist(TQXControl* Control);

    std::vector<TQXControl*> FControls;  // owned; paint order
};

// Comparisons of the sorts: -1, 0 or 1.
int CompareInt(qint64 A, qint64 B);
// By PrintOrder when both are unaligned and one has a PrintOrder, else by
// QXTop. Not a strict ordering: sort with SortControls only.
int ComparePrintOrder(const TQXControl* A, const TQXControl* B);
int CompareTop(const TQXControl* A, const TQXControl* B);

using TControlCompare = int (*)(const TQXControl*, const TQXControl*);
// The list sort whose steps decide the order of equal keys (the order of
// the events shows it). Safe for any comparison.
void SortControls(std::vector<TQXControl*>& List, TControlCompare Compare);

} // namespace runtime
