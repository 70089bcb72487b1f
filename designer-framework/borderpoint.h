#pragma once

// A grab handle: one of the eight small squares around a single selected
// control. A left press on it starts sizing the control from that side.

#include "designer-framework/export.h"

#include "classlib/controls/panel.h"

namespace designer_framework {

class TControlDesigner;

class QX_DESIGNFW_EXPORT TBorderPoint : public classlib::TCustomPanel {
    QX_CLASS(TBorderPoint, classlib::TCustomPanel)
public:
    // On Surface, owned by nobody; hidden until the surface places it.
    TBorderPoint(TControlDesigner* Surface, int AIndex);

    // 0..7 clockwise from the top-left corner.
    int Index() const { return FIndex; }
    TControlDesigner* Surface() const { return FSurface; }

protected:
    void MouseDown(classlib::TMouseButton Button, classlib::TShiftState Shift, int X, int Y) override;
    void MouseMove(classlib::TShiftState Shift, int X, int Y) override;
    void MouseUp(classlib::TMouseButton Button, classlib::TShiftState Shift, int X, int Y) override;

private:
    int FIndex;
    TControlDesigner* FSurface;
};

} // namespace designer_framework
