#pragma once

// The report component: one document kept byte for byte as the designer
// wrote it, stored inside its owner's form ("Report" and "Events"), run
// into output pages (enhanced metafiles in 0.01 mm) and printed.

#include "runtime/documentheader.h"

#include "classlib/core/component.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

namespace classlib {
class TCanvas;
class TMemoryStream;
class TMetafile;
class TStream;
class TStringList;
struct TRect;
}

namespace runtime {

class TQXControl;
class TQXHost;
class TQXPaper;
class TQXReport;

// A listener of a report's state. Owned by whoever created it, never by
// the report; without OnChange it is disabled.
class TQXLink : public classlib::TObject {
public:
    std::function<void(TQXReport* Report)> OnChange;
};

QX_ENUM(TQXReportStateItem, rsLoaded, rsRunning, rsPrepared)
using TQXReportState = classlib::TSet<TQXReportStateItem>;

QX_EVENT(TQXBeforeReport, classlib::TObject* /*Sender*/)
QX_EVENT(TQXAfterReport, classlib::TObject* /*Sender*/)
QX_EVENT(TQXBeforePage, classlib::TObject* /*Sender*/, const QString& /*PageName*/,
         bool& /*Proceed*/)
QX_EVENT(TQXAfterPage, classlib::TObject* /*Sender*/, const QString& /*PageName*/)
QX_EVENT(TQXBeforeGroup, classlib::TObject* /*Sender*/, const QString& /*GroupName*/,
         bool& /*Proceed*/)
QX_EVENT(TQXAfterGroup, classlib::TObject* /*Sender*/, const QString& /*GroupName*/)

class TQXReport : public classlib::TComponent {
    QX_CLASS(TQXReport, classlib::TComponent)
public:
    explicit TQXReport(classlib::TComponent* AOwner);
    ~TQXReport() override;

    // --- document -------------------------------------------------------
    // Reset and ClearPages refuse while a run is under way (EQXError): the
    // run is using the document and the pages.
    void Reset();
    void ClearPages();
    // A bad document raises EQXError and leaves the report as it was.
    // Reading while a run is under way cancels the run instead and changes
    // nothing.
    void LoadFromFile(const QString& FileName);
    // Written to a temporary file that replaces FileName once complete.
    void SaveToFile(const QString& FileName);
    // The stored form: the header record, then the body.
    void ReadReport(classlib::TStream& Stream);
    void WriteReport(classlib::TStream& Stream);

    TQXReportState State() const { return FState; }
    void SetState(TQXReportState Flags);
    void ClearState(TQXReportState Flags);
    bool IsLoaded() const { return FState.Contains(rsLoaded); }
    bool IsRunning() const { return FState.Contains(rsRunning); }
    bool IsPrepared() const { return FState.Contains(rsPrepared); }

    const TQXReportHeader& Header() const { return FHeader; }
    const classlib::TMemoryStream& Body() const { return *FBody; }
    TQXHost* Host() const { return FHost; }
    // Lines "Page.Event=Handler" and "Page.Element.Event=Handler".
    classlib::TStringList* Events() const { return FEvents.get(); }

    // Document pages ("papers"), the templates of the output pages.
    int GetPaperCount() const;
    // A new page read from the document, owned by the caller. A page that
    // cannot be read (empty or damaged) raises EQXError.
    TQXPaper* LoadPaper(int Index);

    // --- links ----------------------------------------------------------
    // The owner and its components hear of the report's removal while its
    // links are still there; a listener elsewhere that hears of it through
    // FreeNotification finds the report IsDestroying and simply forgets it.
    void AddLink(TQXLink* Link);
    void RemoveLink(TQXLink* Link);
    // Links added or removed by a listener take effect at once: a removed
    // one is not called any more in the same round.
    void NotifyLinks();

    // --- run --------------------------------------------------------------
    void Prepare();
    void DesignPrepare();
    // Ends a run quietly from inside a handler (the silent abort).
    [[noreturn]] void Cancel();
    // Whether the run was asked to stop at its next page or event.
    bool CancelRequested() const { return FCancelRequested; }
    // Where a run may stop: the silent abort when a stop was asked for
    // (from a nested event loop, where the abort itself ends only that
    // handler). Nothing outside a run.
    void CheckCancelRequest();
    void RenderPaper(int Index);
    void RunPageOrder();
    void ProcessOrder(const QStringList& Lines);
    void PruneEvents();
    void BindEvents(TQXPaper* Paper);
    void BindEvent(classlib::TComponent* Component, const QString& Prefix, const QString& EventName);
    // The AskData handler of the bands in a design run.
    void DesignAskData(classlib::TObject* Sender, bool& NeedData);

    // Output pages of the last run.
    int PageCount() const { return int(FPages.size()); }
    // EListError for an index outside the pages.
    classlib::TMetafile* GetPage(int Index) const;

    // --- printing ---------------------------------------------------------
    void Print();
    void DrawPage(classlib::TCanvas& Canvas, const classlib::TRect& Rect, classlib::TMetafile* Page);
    bool InPrintRange(int PageNumber) const;
    // 1-based page numbers; 0, 0 prints every page. ClearPages resets it.
    // EQXError unless both are 0 or 1 <= From <= To.
    void SetPrintRange(int From, int To);
    int PrintFrom() const { return FPrintFrom; }
    int PrintTo() const { return FPrintTo; }

    // --- properties -------------------------------------------------------
    const QString& Title() const { return FTitle; }
    void SetTitle(const QString& Value) { FTitle = Value; }
    bool Monochrome() const { return FMonochrome; }
    void SetMonochrome(bool Value) { FMonochrome = Value; }
    bool ShowEmptyPages() const { return FShowEmptyPages; }
    void SetShowEmptyPages(bool Value) { FShowEmptyPages = Value; }
    // Pseudo-properties for the development environment: the report itself.
    TQXReport* Document() const { return const_cast<TQXReport*>(this); }
    void SetDocument(TQXReport*) {}
    TQXReport* Controls() const { return const_cast<TQXReport*>(this); }
    void SetControls(TQXReport*) {}

    TQXBeforeReport BeforeReport;
    TQXAfterReport AfterReport;
    TQXBeforePage BeforePage;
    TQXAfterPage AfterPage;
    TQXBeforeGroup BeforeGroup;
    TQXAfterGroup AfterGroup;

    // The element whose event is being fired: element events get the report
    // as Sender, so a handler shared by several elements asks here.
    TQXControl* CurrentControl() const { return FCurrentControl; }
    void SetCurrentControl(TQXControl* Value) { FCurrentControl = Value; }

    // A design run: bands print at most one row.
    bool DesignRun() const { return FDesignRun; }
    void SetDesignRun(bool Value) { FDesignRun = Value; }

    void DefineProperties(classlib::TFiler& Filer) override;

protected:
    void AssignTo(classlib::TPersistent* Dest) const override;
    // Called for the paper and each of its elements once their events are
    // bound (not in design runs).
    virtual void DoBindComponent(classlib::TComponent* Component);

private:
    void CheckNotRunning() const;
    void FreePages();
    void DoClearPages();
    // Reset without the run check, for the destructor.
    void ResetDocument();
    void LoadPages(classlib::TMemoryStream& Body, TQXHost& Host);
    void ReadEvents(classlib::TStream& Stream);
    void WriteEvents(classlib::TStream& Stream);
    // Reading a document while a run is under way stops the run.
    void CancelForRead();

    std::unique_ptr<classlib::TMemoryStream> FBody;
    TQXReportState FState;
    std::vector<TQXLink*> FLinks;  // not owned
    TQXReportHeader FHeader;
    std::vector<classlib::TMetafile*> FPages;  // owned
    QString FTitle;
    std::unique_ptr<classlib::TStringList> FEvents;
    TQXHost* FHost = nullptr;  // owned as a component
    bool FMonochrome = false;
    bool FDesignRun = false;
    bool FShowEmptyPages = false;
    int FPrintFrom = 0;
    int FPrintTo = 0;
    TQXControl* FCurrentControl = nullptr;  // not owned
    bool FCancelRequested = false;
    // Event bindings of the run under way, by upper-cased key.
    std::unique_ptr<QHash<QString, QString>> FBindings;
};

} // namespace runtime
