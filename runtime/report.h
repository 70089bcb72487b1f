#pragma once

// The report component, as far as the elements of a running page need it.
// Its document, its stored form and the run itself come with the report
// run; what is here keeps its name and meaning then.

#include "classlib/core/component.h"

namespace runtime {

class TQXControl;

class TQXReport : public classlib::TComponent {
    QX_CLASS(TQXReport, classlib::TComponent)
public:
    explicit TQXReport(classlib::TComponent* AOwner);
    ~TQXReport() override;

    // The element whose event is being fired: element events get the report
    // as Sender, so a handler shared by several elements asks here.
    TQXControl* CurrentControl() const { return FCurrentControl; }
    void SetCurrentControl(TQXControl* Value) { FCurrentControl = Value; }

    // A design run: bands print at most one row.
    bool DesignRun() const { return FDesignRun; }
    void SetDesignRun(bool Value) { FDesignRun = Value; }

private:
    TQXControl* FCurrentControl = nullptr;  // not owned
    bool FDesignRun = false;
};

} // namespace runtime
