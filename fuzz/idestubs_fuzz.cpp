// The development-environment package's stub path over untrusted bytes: a
// report document read into a report on a form; every page turned into
// stubs; each stub event's events-list key, value and default handler name
// looked up through the package's event editor, a handler bound and
// unbound; then a design run. Class-library exceptions are the expected
// outcome of bad input; anything else escaping, a hang, a crash or a
// sanitizer report is a finding.

#include "fuzz/reportinput.h"

#include "ide/methodproperty.h"
#include "ide/stubs.h"

#include "runtime/paper.h"
#include "runtime/report.h"

#include "classlib/core/stringlist.h"

#include <QByteArray>

#include <memory>

namespace {

using namespace classlib;
using namespace runtime;

void VisitEvents(ide::TQXBase_& Stub, int& Handlers)
{
    for (const TPropInfo* prop : Stub.ClassType()->Props()) {
        if (prop->Kind() != TTypeKind::tkMethod) continue;
        ide::TQXMethodProperty editor(nullptr, 1);
        editor.SetPropEntry(0, &Stub, prop);
        const QString key = editor.Key();
        (void)editor.GetValue();
        (void)editor.GetFormMethodName();
        if (Stub.Report()) {
            const QString handler = QStringLiteral("Handler%1").arg(++Handlers % 7);
            ide::SetEventValue(*Stub.Report(), key, handler);
            if (ide::EventValue(*Stub.Report(), key) != handler) __builtin_trap();
            ide::RenameEventHandler(*Stub.Report(), handler, handler + u'X');
            ide::SetEventValue(*Stub.Report(), key, QString());
            if (!ide::EventValue(*Stub.Report(), key).isEmpty()) __builtin_trap();
        }
    }
}

void RunDocument(const QByteArray& Bytes)
{
    TComponent form(nullptr);
    form.SetName(QStringLiteral("Form1"));
    auto* report = new TQXReport(&form);
    report->SetName(QStringLiteral("Report1"));
    fuzz::ReadDocument(*report, Bytes);
    int handlers = 0;
    for (int i = 0; i < report->GetPaperCount(); ++i) {
        try {
            std::unique_ptr<TQXPaper> paper(report->LoadPaper(i));
            std::unique_ptr<ide::TQXPaper_> page = ide::PaperToStub(paper.get(), report);
            VisitEvents(*page, handlers);
            for (int e = 0; e < page->Count(); ++e) VisitEvents(*page->Items(e), handlers);
        } catch (const Exception&) {
        }
    }
    fuzz::DesignRun(*report);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    return fuzz::RunReportInput("fuzz_idestubs", Data, Size, RunDocument);
}
