#include "runtime/report.h"

#include "runtime/host.h"
#include "runtime/paper.h"
#include "runtime/reporterror.h"

#include "classlib/core/classbuilder.h"
#include "classlib/core/filer.h"
#include "classlib/core/reader.h"
#include "classlib/core/streams.h"
#include "classlib/core/stringlist.h"
#include "classlib/core/sysutils.h"
#include "classlib/core/writer.h"
#include "classlib/graphics/metafile.h"

#include <algorithm>

namespace runtime {

using namespace classlib;

namespace {

constexpr int ReportBufSize = 8192;

// Runs Action with the class library's errors raised again as the report's
// own; the silent abort passes through.
template <class F>
void AsReportError(F&& Action)
{
    try {
        Action();
    } catch (const EQXError&) {
        throw;
    } catch (const EAbort&) {
        throw;
    } catch (const Exception& E) {
        RaiseReportError(E.Message);
    }
}

std::unique_ptr<TQXPaper> ReadPaper(const TQXHost& Host, int Index)
{
    auto paper = std::make_unique<TQXPaper>(nullptr);
    paper->SetQXLeftMargin(Host.QXLeftMargin());
    paper->SetQXTopMargin(Host.QXTopMargin());
    paper->SetQXRightMargin(Host.QXRightMargin());
    paper->SetQXBottomMargin(Host.QXBottomMargin());
    paper->SetOrientation(Host.Orientation());
    paper->SetQXWidth(Host.QXWidth());
    paper->SetQXHeight(Host.QXHeight());
    // A page is read when it is used: its damage is the report's error.
    AsReportError([&] {
        const_cast<TQXHost&>(Host).LoadPage(paper.get(), Index);
    });
    return paper;
}

} // namespace

const TClassInfo& TQXReport::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TQXReport>("TQXReport")
        .Prop("Title", &TQXReport::FTitle)
        .Prop("Document", &TQXReport::Document, &TQXReport::SetDocument).Stored(false)
        .Prop("Controls", &TQXReport::Controls, &TQXReport::SetControls).Stored(false)
        .Prop("Monochrome", &TQXReport::FMonochrome)
        .Prop("ShowEmptyPages", &TQXReport::FShowEmptyPages)
        .Prop("BeforeReport", &TQXReport::BeforeReport)
        .Prop("AfterReport", &TQXReport::AfterReport)
        .Prop("BeforePage", &TQXReport::BeforePage)
        .Prop("AfterPage", &TQXReport::AfterPage)
        .Prop("BeforeGroup", &TQXReport::BeforeGroup)
        .Prop("AfterGroup", &TQXReport::AfterGroup)
        .Build();
    return info;
}

TQXReport::TQXReport(TComponent* AOwner)
    : TComponent(AOwner), FBody(std::make_unique<TMemoryStream>()),
      FEvents(std::make_unique<TStringList>())
{
    FHost = new TQXHost(this);
    Reset();
}

TQXReport::~TQXReport()
{
    Destroying();
    try {
        ResetDocument();
    } catch (...) {
        // A listener's failure cannot stop the report from going away.
    }
    delete FHost;
    FHost = nullptr;
    // The owner and its components hear of the removal while the links are
    // still there: a preview answers with RemoveLink.
    if (Owner()) Owner()->RemoveComponent(this);
}

void TQXReport::CheckNotRunning() const
{
    if (IsRunning()) RaiseReportError(QStringLiteral("Cannot change the report while it is running"));
}

void TQXReport::Reset()
{
    CheckNotRunning();
    ResetDocument();
}

void TQXReport::ResetDocument()
{
    FBody->Clear();
    FHost->Clear();
    InitReportHeader(FHeader);
    DoClearPages();
}

void TQXReport::ClearPages()
{
    CheckNotRunning();
    DoClearPages();
}

void TQXReport::DoClearPages()
{
    FreePages();
    FState = {};
    FPrintFrom = 0;
    FPrintTo = 0;
    if (FBody->Size() == 0)
        NotifyLinks();
    else
        SetState({rsLoaded});
}

void TQXReport::FreePages()
{
    std::vector<TMetafile*> pages;
    pages.swap(FPages);
    for (TMetafile* page : pages) delete page;
}

void TQXReport::SetState(TQXReportState Flags)
{
    const TQXReportState old = FState;
    FState = FState + Flags;
    if (FState != old) NotifyLinks();
}

void TQXReport::ClearState(TQXReportState Flags)
{
    const TQXReportState old = FState;
    FState = FState - Flags;
    if (FState != old) NotifyLinks();
}

void TQXReport::AddLink(TQXLink* Link)
{
    if (!Link || std::find(FLinks.begin(), FLinks.end(), Link) != FLinks.end()) return;
    FLinks.push_back(Link);
}

void TQXReport::RemoveLink(TQXLink* Link)
{
    if (!Link) return;
    FLinks.erase(std::remove(FLinks.begin(), FLinks.end(), Link), FLinks.end());
}

void TQXReport::NotifyLinks()
{
    // A listener may add or remove links (even free its own) while it is
    // being told.
    const std::vector<TQXLink*> links = FLinks;
    for (TQXLink* link : links) {
        if (std::find(FLinks.begin(), FLinks.end(), link) == FLinks.end()) continue;
        if (!link->OnChange) continue;
        const auto onChange = link->OnChange;
        onChange(this);
    }
}

TMetafile* TQXReport::GetPage(int Index) const
{
    if (Index < 0 || Index >= PageCount())
        throw EListError(Format("List index out of bounds (%d)", {Index}));
    return FPages[size_t(Index)];
}

int TQXReport::GetPaperCount() const
{
    return FHost->GetPageCount();
}

TQXPaper* TQXReport::LoadPaper(int Index)
{
    return ReadPaper(*FHost, Index).release();
}

void TQXReport::LoadPages(TMemoryStream& Body, TQXHost& Host)
{
    Body.SetPosition(0);
    Host.Clear();
    TReader reader(Body, ReportBufSize);
    Host.LoadFromReader(reader);
}

void TQXReport::CancelForRead()
{
    if (!IsRunning()) return;
    // The abort may end up in a nested event loop's guard instead of the
    // run: the request makes the run stop at its next safe point anyway.
    FCancelRequested = true;
    Cancel();
}

void TQXReport::ReadReport(TStream& Stream)
{
    CancelForRead();
    // The document's structure is read and checked aside; only then does it
    // replace the current one. A page's own content is read when the page
    // is used.
    TQXReportHeader header;
    auto body = std::make_unique<TMemoryStream>();
    auto host = std::make_unique<TQXHost>(nullptr);
    AsReportError([&] {
        {
            TReader reader(Stream, ReportBufSize);
            ReadReportHeader(reader, header);  // BodySize is checked against what remains
            body->SetSize(header.BodySize);
            reader.Read(body->Memory(), header.BodySize);
        }
        LoadPages(*body, *host);
    });

    Reset();
    FHeader = header;
    FBody = std::move(body);
    delete FHost;
    FHost = host.release();
    InsertComponent(FHost);
    SetState({rsLoaded});
}

void TQXReport::WriteReport(TStream& Stream)
{
    TQXReportHeader header = FHeader;
    header.BodySize = qint32(FBody->Size());  // memory streams stay below 2 GB
    TWriter writer(Stream, ReportBufSize);
    WriteReportHeader(writer, header);
    writer.Write(FBody->Memory(), FBody->Size());
}

void TQXReport::LoadFromFile(const QString& FileName)
{
    CancelForRead();
    TFileStream stream(FileName, fmOpenRead | fmShareDenyWrite);
    ReadReport(stream);
}

void TQXReport::SaveToFile(const QString& FileName)
{
    TMemoryStream stream;
    WriteReport(stream);
    stream.SaveToFile(FileName);
}

void TQXReport::AssignTo(TPersistent* Dest) const
{
    auto* d = dynamic_cast<TQXReport*>(Dest);
    if (!d) {
        TComponent::AssignTo(Dest);
        return;
    }
    if (d == this) return;
    d->Reset();
    d->FTitle = FTitle;
    if (!IsLoaded()) return;
    TMemoryStream stream;
    const_cast<TQXReport*>(this)->WriteReport(stream);
    stream.SetPosition(0);
    d->ReadReport(stream);
}

void TQXReport::ReadEvents(TStream& Stream)
{
    FEvents->LoadFromStream(Stream);
}

void TQXReport::WriteEvents(TStream& Stream)
{
    FEvents->SaveToStream(Stream);
}

void TQXReport::DefineProperties(TFiler& Filer)
{
    inherited::DefineProperties(Filer);
    Filer.DefineBinaryProperty(
        QStringLiteral("Report"), [this](TStream& S) { ReadReport(S); },
        [this](TStream& S) { WriteReport(S); }, FBody->Size() > 0);
    Filer.DefineBinaryProperty(
        QStringLiteral("Events"), [this](TStream& S) { ReadEvents(S); },
        [this](TStream& S) { WriteEvents(S); }, FEvents->Count() > 0);
}

void TQXReport::Cancel()
{
    Abort();
}

void TQXReport::CheckCancelRequest()
{
    if (FCancelRequested && IsRunning()) Cancel();
}

void TQXReport::DoBindComponent(TComponent*) {}

bool TQXReport::InPrintRange(int PageNumber) const
{
    return (FPrintFrom == 0 && FPrintTo == 0) || (FPrintFrom <= PageNumber && PageNumber <= FPrintTo);
}

void TQXReport::SetPrintRange(int From, int To)
{
    if (!(From == 0 && To == 0) && !(1 <= From && From <= To))
        RaiseReportError(Format("Invalid print range %d to %d", {From, To}));
    FPrintFrom = From;
    FPrintTo = To;
}

} // namespace runtime
