#pragma once

// The designer hooks of the page and paper windows. The page designer owns
// the zoom (the shared scale follows it), paints the page's background,
// frame, shadow and 5 mm grid, and counts modifications; the paper
// designer draws the margins.

#include "designer-framework/inspectordesigner.h"

#include "classlib/core/component.h"

namespace designer {

// Between 0.3 and 3.0, and never showing the printable area smaller than
// 50 mm either way; sides of 0 or less are not divided by.
double ClampZoom(double Z);

class TQXDesigner : public designer_framework::TInspectorDesigner {
public:
    explicit TQXDesigner(designer_framework::TInspectorForm* AInspectorForm);
    ~TQXDesigner() override;

    classlib::TNotifyEvent OnRefresh;
    classlib::TNotifyEvent OnModified;
    bool IsModified = false;

    double GetZoom() const;
    void SetZoom(double Z);
    void RescaleAll();

    // Counts as a modification only while the scale is unlocked.
    void Modified() override;
    // The inspector and handles follow, without counting a modification.
    void RefreshInspector();
    void Refresh();
    void PaintGrid() override;
    // A page stores its elements and nothing else.
    bool AcceptsClass(const classlib::TClassInfo& AClass) override;
};

class TPaperDesigner : public designer_framework::TInspectorDesigner {
public:
    explicit TPaperDesigner(designer_framework::TInspectorForm* AInspectorForm);

    void PaintGrid() override;
};

} // namespace designer
