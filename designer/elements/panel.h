#pragma once

// The design-time panel: a container whose content is split into columns.
// The designer lays its aligned children out in the first column and marks
// the others with dotted lines; the runtime flows them on. With AutoSize
// and an unstretched picture background, the content takes the picture's
// size.

#include "designer/elements/qxcontrol.h"

namespace designer {

class TQXPanel : public TQXContainer {
    QX_CLASS(TQXPanel, TQXContainer)
public:
    explicit TQXPanel(classlib::TComponent* AOwner);

    int Columns() const { return FColumns; }
    // Below 1 raises EInvalidOp "Invalid property value".
    void SetColumns(int Value);
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value);

    int ColumnWidthUnits() const;
    int ColumnWidthPixels() const;

    void UpdateContent() override;

protected:
    void AlignControls(classlib::TControl* AControl, classlib::TRect& Rect) override;
    void PaintContent() override;

private:
    bool FitsPicture() const;

    int FColumns = 1;
    bool FAutoSize = false;
};

} // namespace designer
