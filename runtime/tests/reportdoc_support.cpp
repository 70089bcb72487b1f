#include "runtime/tests/reportdoc.h"

#include "runtime/host.h"
#include "runtime/tests/documentbytes.h"

#include "classlib/core/classbuilder.h"
#include "classlib/core/streams.h"
#include "classlib/core/sysutils.h"

using namespace classlib;

namespace runtime::tests {

TStoredPaper::TStoredPaper(const QString& Name) : TQXPaper(nullptr)
{
    SetName(Name);
    SetBounds(0, 0, 14800, 21000);
    SetQXLeftMargin(1000);
    SetQXTopMargin(1000);
    SetQXRightMargin(1000);
    SetQXBottomMargin(1000);
}

void TStoredPaper::GetChildren(const std::function<void(TComponent*)>& Proc, TComponent*)
{
    for (int i = 0; i < ComponentCount(); ++i) Proc(Components(i));
}

QByteArray MakeDocument(const std::vector<TStoredPaper*>& Pages, const QString& PageOrder)
{
    return MakeDocument(Pages, PageOrder, {});
}

QByteArray MakeDocument(const std::vector<TStoredPaper*>& Pages, const QString& PageOrder,
                        const std::function<void(TQXHost&)>& Paper)
{
    TQXHost host(nullptr);
    host.SetName(QStringLiteral("Host"));
    host.SetQXWidth(14800);
    host.SetQXHeight(21000);
    host.SetQXLeftMargin(1000);
    host.SetQXTopMargin(1000);
    host.SetQXRightMargin(1000);
    host.SetQXBottomMargin(1000);
    host.SetPaperSize(11);
    if (Paper) Paper(host);
    for (TStoredPaper* page : Pages) {
        TBytesStream stream(StreamOf(*page));
        host.AddPage(page->Name(), stream);
    }
    host.SetPageOrder(PageOrder);
    return DocumentOf(host);
}

QString OrderLine(const char* Kind, int Reference, const QString& Name)
{
    return Format("%s%4d%s", {Kind, Reference, Name}) + QStringLiteral("\r\n");
}

void LoadDocument(TQXReport& Report, const QByteArray& Document)
{
    TBytesStream stream(Document);
    Report.ReadReport(stream);
}

const TClassInfo& TReportForm::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TReportForm>("TReportForm")
        .Method("BeforeReportHandler", &TReportForm::BeforeReportHandler)
        .Method("AfterReportHandler", &TReportForm::AfterReportHandler)
        .Method("BeforePageHandler", &TReportForm::BeforePageHandler)
        .Method("AfterPageHandler", &TReportForm::AfterPageHandler)
        .Method("BeforeGroupHandler", &TReportForm::BeforeGroupHandler)
        .Method("AfterGroupHandler", &TReportForm::AfterGroupHandler)
        .Method("OddHandler", &TReportForm::OddHandler)
        .Build();
    return info;
}

TReportForm::TReportForm(TComponent* AOwner) : TEventForm(AOwner)
{
    Spy = [this](const QString&, TQXControl*) {
        if (OnLog) OnLog(Log.last());
    };
}

void TReportForm::GetChildren(const std::function<void(TComponent*)>& Proc, TComponent*)
{
    for (int i = 0; i < ComponentCount(); ++i) Proc(Components(i));
}

void TReportForm::Note(TObject* Sender, const QString& Line)
{
    Log << (Sender == Report ? Line : Line + QStringLiteral(" <bad sender>"));
    if (OnLog) OnLog(Line);
}

void TReportForm::BeforeReportHandler(TObject* Sender)
{
    Note(Sender, QStringLiteral("BeforeReport"));
}

void TReportForm::AfterReportHandler(TObject* Sender)
{
    Note(Sender, QStringLiteral("AfterReport"));
}

void TReportForm::BeforePageHandler(TObject* Sender, const QString& PageName, bool& Proceed)
{
    Note(Sender, QStringLiteral("BeforePage ") + PageName);
    if (RefusePages.contains(PageName)) Proceed = false;
}

void TReportForm::AfterPageHandler(TObject* Sender, const QString& PageName)
{
    Note(Sender, QStringLiteral("AfterPage ") + PageName);
}

void TReportForm::BeforeGroupHandler(TObject* Sender, const QString& GroupName, bool& Proceed)
{
    Note(Sender, QStringLiteral("BeforeGroup ") + GroupName);
    if (RefuseGroups.contains(GroupName)) Proceed = false;
}

void TReportForm::AfterGroupHandler(TObject* Sender, const QString& GroupName)
{
    Note(Sender, QStringLiteral("AfterGroup ") + GroupName);
}

void TReportForm::OddHandler(TObject* Sender, int)
{
    Note(Sender, QStringLiteral("Odd"));
}

void TReportForm::BindReport(TQXReport& R)
{
    Report = &R;
    const TClassInfo& c = StaticClass();
    R.BeforeReport = TMethod{c.FindMethod(u"BeforeReportHandler"), this};
    R.AfterReport = TMethod{c.FindMethod(u"AfterReportHandler"), this};
    R.BeforePage = TMethod{c.FindMethod(u"BeforePageHandler"), this};
    R.AfterPage = TMethod{c.FindMethod(u"AfterPageHandler"), this};
    R.BeforeGroup = TMethod{c.FindMethod(u"BeforeGroupHandler"), this};
    R.AfterGroup = TMethod{c.FindMethod(u"AfterGroupHandler"), this};
}

} // namespace runtime::tests
