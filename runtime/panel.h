#pragma once

// A container that flows its top-aligned children into columns, like a
// newspaper, and answers the fit question column by column.

#include "runtime/container.h"

namespace runtime {

class TQXPanel : public TQXContainer {
    QX_CLASS(TQXPanel, TQXContainer)
public:
    explicit TQXPanel(classlib::TComponent* AOwner);

    int Columns() const { return FColumns; }
    void SetColumns(int Value) { FColumns = Value; }

    // One column wide and as tall as all columns laid end to end.
    TRect GetColumnRect(const TRect& R) const;

    void AlignControls(TRect& R) override;
    bool CanFit(TQXControl& Control) override;

protected:
    void AssignTo(classlib::TPersistent* Dest) const override;

private:
    // Fewer than one column would divide by zero: such a panel has one.
    qint64 ColumnCount() const { return FColumns < 1 ? 1 : FColumns; }

    int FColumns = 1;
};

} // namespace runtime
