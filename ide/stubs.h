#pragma once

// Stand-ins for the pages and elements of a report's document, which live
// inside the stored document and not on the form: each carries its
// element's name and publishes exactly the events its element class has,
// so the object inspector can bind them to the form's methods.

#include "runtime/control.h"

#include "classlib/core/persistent.h"

#include <QString>

#include <memory>
#include <vector>

namespace runtime {
class TQXPaper;
class TQXReport;
}

namespace ide {

class TQXBase_ : public classlib::TPersistent {
    QX_CLASS(TQXBase_, classlib::TPersistent)
public:
    runtime::TQXBeforePrint BeforePrint;
    runtime::TQXAfterPrint AfterPrint;
    runtime::TQXAskData AskData;
    runtime::TQXGetText GetText;
    runtime::TQXOwnerDraw OwnerDraw;

    const QString& Name() const { return FName; }
    void SetName(const QString& Value) { FName = Value; }
    QString GetNamePath() const { return FName; }
    // The report whose events list the stub's events edit; not owned.
    runtime::TQXReport* Report() const { return FReport; }
    void SetReport(runtime::TQXReport* Value) { FReport = Value; }
    // The page stub; nil for a page stub itself. Not owned.
    TQXBase_* Parent() const { return FParent; }
    void SetParent(TQXBase_* Value) { FParent = Value; }

private:
    QString FName;
    runtime::TQXReport* FReport = nullptr;
    TQXBase_* FParent = nullptr;
};

class TQXPaper_ : public TQXBase_ {
    QX_CLASS(TQXPaper_, TQXBase_)
public:
    // The element stubs, owned, in the page's ownership order.
    int Count() const { return int(FChildren.size()); }
    TQXBase_* Items(int Index) const { return FChildren.at(Index).get(); }
    void Add(std::unique_ptr<TQXBase_> Child) { FChildren.push_back(std::move(Child)); }

private:
    std::vector<std::unique_ptr<TQXBase_>> FChildren;
};

class TQXPanel_ : public TQXBase_ {
    QX_CLASS(TQXPanel_, TQXBase_)
};

class TQXBand_ : public TQXBase_ {
    QX_CLASS(TQXBand_, TQXBase_)
};

class TQXLabel_ : public TQXBase_ {
    QX_CLASS(TQXLabel_, TQXBase_)
};

class TQXShape_ : public TQXBase_ {
    QX_CLASS(TQXShape_, TQXBase_)
};

class TQXPaintBox_ : public TQXBase_ {
    QX_CLASS(TQXPaintBox_, TQXBase_)
};

// The stub of exactly the control's class (a plain TQXBase_ for any other
// class), with the control's name and event handlers.
std::unique_ptr<TQXBase_> ControlToStub(runtime::TQXControl* Control);
// The page's stub with one child stub per component the page owns, in
// ownership order; two levels whatever the elements' nesting.
std::unique_ptr<TQXPaper_> PaperToStub(runtime::TQXPaper* Paper, runtime::TQXReport* Report);

} // namespace ide
