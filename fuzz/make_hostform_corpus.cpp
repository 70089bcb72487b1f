// Writes the seed corpus of the host's form target: make_hostform_corpus
// <corpus folder> creates <folder>/hostform/*.qxh, forms as the host saves
// them (a report with a document, events and handlers, a preview following
// it) and a few that it never saves.

#include "ide/host/formfile.h"
#include "ide/host/hostform.h"
#include "ide/host/sourceunit.h"

#include "runtime/label.h"
#include "runtime/preview.h"
#include "runtime/report.h"
#include "runtime/tests/elementtree.h"
#include "runtime/tests/reportdoc.h"

#include "classlib/controls/form.h"
#include "classlib/core/stringlist.h"

#include <QApplication>
#include <QDir>
#include <QFile>

#include <cstdio>
#include <cstdlib>

using namespace classlib;
using namespace runtime;
using namespace runtime::tests;
using namespace idehost;

namespace {

QString Dir;

void Save(const char* Name, const QByteArray& Bytes)
{
    QFile file(Dir + QLatin1Char('/') + QString::fromLatin1(Name) + QStringLiteral(".qxh"));
    if (!file.open(QIODevice::WriteOnly) || file.write(Bytes) != Bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
        std::exit(1);
    }
}

QByteArray Document()
{
    TStoredPaper page(QStringLiteral("Page1"));
    AddElement<TQXLabel>(&page, &page, QStringLiteral("Label1"), {0, 0, 4000, 600})->SetCaption("Name");
    return MakeDocument({&page}, OrderLine("p", -1, "Page1"));
}

QByteArray Form(bool WithDocument, bool WithPreview)
{
    TSourceUnit unit("TForm1", TForm::StaticClass());
    unit.Add("Report1Page1Label1GetText", TypeInfo<TQXGetText>());
    unit.Add("Report1BeforeReport", TypeInfo<TQXBeforeReport>());
    TRunForm form(nullptr, unit);
    form.SetName("Form1");
    auto* report = new TQXReport(&form);
    report->SetName("Report1");
    report->BeforeReport = TMethod{form.ClassType()->FindMethod(u"Report1BeforeReport"), &form};
    if (WithDocument) LoadDocument(*report, Document());
    report->Events()->Add("Page1.Label1.GetText=Report1Page1Label1GetText");
    if (WithPreview) {
        auto* preview = new TQXPreview(&form);
        preview->SetName("Preview1");
        preview->SetReport(report);
    }
    return SaveForm(form, unit);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_hostform_corpus <corpus folder>\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Dir = QFile::decodeName(argv[1]) + QStringLiteral("/hostform");
    QDir().mkpath(Dir);
    const QByteArray full = Form(true, true);
    Save("report-and-preview", full);
    Save("report-without-document", Form(false, false));
    {
        TSourceUnit unit("TForm1", TForm::StaticClass());
        TRunForm form(nullptr, unit);
        form.SetName("Form1");
        Save("empty-form", SaveForm(form, unit));
    }
    // What the host never saves.
    QByteArray wrongList = full;
    wrongList[5] = char(0xFF);
    Save("list-longer-than-file", wrongList);
    Save("cut-short", full.left(full.size() / 2));
    QByteArray badMethod = full;
    badMethod.replace("=TQXGetText", "=TQXNoText\0");
    Save("unknown-event-type", badMethod);
    return 0;
}
