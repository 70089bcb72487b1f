#pragma once

// Test support for the report component: documents built from runtime
// pages in memory, and a form whose published methods log every report,
// page, group and element event that a run fires.

#include "runtime/paper.h"
#include "runtime/report.h"
#include "runtime/tests/eventform.h"

#include <QByteArray>
#include <QSet>
#include <QString>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace runtime {
class TQXHost;
}

namespace runtime::tests {

// A page that writes every element it owns as its child.
class TStoredPaper : public TQXPaper {
public:
    explicit TStoredPaper(const QString& Name);
    void GetChildren(const std::function<void(classlib::TComponent*)>& Proc,
                     classlib::TComponent* Root) override;
};

// A5-sized pages (14800 x 21000, margins 1000) in this order, with this
// page-order text: the document file's bytes.
QByteArray MakeDocument(const std::vector<TStoredPaper*>& Pages, const QString& PageOrder);
// The same, with the paper settings changed by Paper before writing.
QByteArray MakeDocument(const std::vector<TStoredPaper*>& Pages, const QString& PageOrder,
                        const std::function<void(TQXHost&)>& Paper);
// A page order line as the designer writes it.
QString OrderLine(const char* Kind, int Reference, const QString& Name);
// Reads a whole document into the report.
void LoadDocument(TQXReport& Report, const QByteArray& Document);

// Logs "BeforeReport", "BeforePage P1", "AfterGroup G1", ... and the
// element events of TEventForm ("BeforePrint L1"). A Sender other than the
// report is logged as "<bad sender>".
class TReportForm : public TEventForm {
    QX_CLASS(TReportForm, TEventForm)
public:
    explicit TReportForm(classlib::TComponent* AOwner = nullptr);
    void GetChildren(const std::function<void(classlib::TComponent*)>& Proc,
                     classlib::TComponent* Root) override;

    TQXReport* Report = nullptr;
    QSet<QString> RefusePages;
    QSet<QString> RefuseGroups;
    // Called with each log line as it is written: a test cancels or raises
    // here.
    std::function<void(const QString& Line)> OnLog;

    void BeforeReportHandler(classlib::TObject* Sender);
    void AfterReportHandler(classlib::TObject* Sender);
    void BeforePageHandler(classlib::TObject* Sender, const QString& PageName, bool& Proceed);
    void AfterPageHandler(classlib::TObject* Sender, const QString& PageName);
    void BeforeGroupHandler(classlib::TObject* Sender, const QString& GroupName, bool& Proceed);
    void AfterGroupHandler(classlib::TObject* Sender, const QString& GroupName);
    // A published method with a parameter list no event has.
    void OddHandler(classlib::TObject* Sender, int Count);

    // Assigns the six report events to this form's handlers.
    void BindReport(TQXReport& Report);

private:
    void Note(classlib::TObject* Sender, const QString& Line);
};

} // namespace runtime::tests
