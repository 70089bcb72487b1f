#include "designer/document/document.h"

#include "designer/document/designinstances.h"
#include "designer/document/designstate.h"
#include "designer/elements/elementclasses.h"
#include "designer/document/page.h"
#include "designer/document/pagedesigner.h"
#include "designer/document/paper.h"

#include "runtime/documentheader.h"
#include "runtime/pageorder.h"
#include "runtime/reporterror.h"

#include "classlib/core/classbuilder.h"
#include "classlib/core/reader.h"
#include "classlib/core/streams.h"
#include "classlib/core/sysutils.h"
#include "classlib/core/writer.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

#include <memory>

namespace designer {

using namespace classlib;

namespace {

constexpr int BufSize = 8192;

QString JoinLines(const QStringList& Lines)
{
    QString text;
    for (const QString& line : Lines) text += line + QStringLiteral("\r\n");
    return text;
}

// The line index a line's reference names, or -1 when it names none; the
// column is read as the run reads it.
int ReferenceOf(const QString& Line)
{
    bool ok = false;
    const int ref = runtime::ParseOrderLine(Line).Reference.toInt(&ok);
    return ok && ref >= 0 ? ref : -1;
}

// What a page read needs: unknown properties and handler names are
// skipped, and the designer's element classes are created.
void ReadPageInto(runtime::TQXHost& Host, TMemoryStream& Stream, TQXPage& Page)
{
    Stream.SetPosition(0);
    TReader reader(Stream, BufSize);
    reader.OnError = [&Host](TReader& R, const QString& Message, bool& Handled) {
        Host.ReaderError(R, Message, Handled);
    };
    reader.OnFindMethod = [&Host](TReader& R, const QString& Name, const TMethodInfo*& Address, bool& Error) {
        Host.ReaderFindMethod(R, Name, Address, Error);
    };
    reader.OnAncestorNotFound = [&Host](TReader& R, const QString& Name, const TClassInfo* Class,
                                        TComponent*& Component) {
        Host.ReaderAncestorNotFound(R, Name, Class, Component);
    };
    reader.ClassResolver = DesignClass;
    Page.ReadPage(reader);
}

// A page window not yet owned, named, shown nor in the designer: the open
// one stays until this one is whole.
std::unique_ptr<TQXPage> NewPageWindow(TPrintableSize Size = {})
{
    auto page = std::make_unique<TQXPage>(nullptr);
    if (PaperHost) page->SetParentWidget(PaperHost->Widget());
    page->SetPageSize(Size.Width, Size.Height);
    return page;
}

// Page Index of Source read into a window of its own, at the current
// scale and on a page of Size: raises what opening that page would raise,
// and nothing shown changes.
std::unique_ptr<TQXPage> ReadPageWindow(runtime::TQXHost& Source, int Index, TPrintableSize Size)
{
    const QString name = Source.GetPageName(Index);
    if (TComponent* owner = InstanceOwner())
        if (TComponent* other = owner->FindComponent(name); other && other != PageWindow)
            throw EComponentError(Format("A component named %s already exists", {name}));
    std::unique_ptr<TQXPage> page = NewPageWindow(Size);
    // Bands that fill the page's width take it from the page.
    page->UpdateSize();
    TMemoryStream* stream = Source.GetPageStream(Index);
    if (stream->Size() > 0) ReadPageInto(Source, *stream, *page);
    return page;
}

[[noreturn]] void ListIndexError(int Index)
{
    throw EListError(Format("List index out of bounds (%d)", {Index}));
}

} // namespace

bool IsPageLineOf(const QString& Line, const QString& Page)
{
    return Line.startsWith(QLatin1Char('p')) && Line.mid(5).compare(Page, Qt::CaseInsensitive) == 0;
}

QString RemovePageLines(const QString& Order, const QString& Page)
{
    const QStringList lines = runtime::SplitOrderLines(Order);
    const int n = int(lines.size());
    std::vector<int> newIndex(size_t(n), -1);
    QStringList kept;
    for (int i = 0; i < n; ++i) {
        const QString& line = lines[i];
        const int ref = line.isEmpty() ? -1 : ReferenceOf(line);
        // A parent always stands before its members, so its fate is known.
        const bool orphan = ref >= 0 && ref < i && newIndex[size_t(ref)] < 0;
        if (IsPageLineOf(line, Page) || orphan) continue;
        newIndex[size_t(i)] = int(kept.size());
        kept << line;
    }
    for (QString& line : kept) {
        if (line.isEmpty()) continue;
        const int ref = ReferenceOf(line);
        if (ref < 0 || ref >= n || newIndex[size_t(ref)] < 0 || newIndex[size_t(ref)] == ref) continue;
        line = line.left(1) + QStringLiteral("%1").arg(newIndex[size_t(ref)], 4) + line.mid(5);
    }
    return JoinLines(kept);
}

QString RenamePageLines(const QString& Order, const QString& OldName, const QString& NewName)
{
    QStringList lines = runtime::SplitOrderLines(Order);
    for (QString& line : lines)
        if (IsPageLineOf(line, OldName)) line = line.left(5) + NewName;
    return JoinLines(lines);
}

void CheckDocument(const runtime::TQXHost& Document)
{
    if (Document.GetPageCount() < 1)
        throw runtime::EQXError(QStringLiteral("Report should contain at least one page"));
    QSet<QString> names;
    for (int i = 0; i < Document.GetPageCount(); ++i) {
        const QString name = Document.GetPageName(i);
        if (!IsValidIdent(name)) throw EComponentError(Format("'%s' is not a valid component name", {name}));
        if (names.contains(name.toUpper()))
            throw EComponentError(Format("A page named %s already exists", {name}));
        names.insert(name.toUpper());
    }
    if (!IsValidLayout(Document.QXWidth(), Document.QXHeight(), Document.QXLeftMargin(), Document.QXTopMargin(),
                       Document.QXRightMargin(), Document.QXBottomMargin()))
        throw EInvalidOp(QStringLiteral("Invalid page layout"));
}

// ---------------------------------------------------------------------------
// TReportDescriptor

const TClassInfo& TReportDescriptor::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TReportDescriptor>("TReportDescriptor").Build();
    return info;
}

TReportDescriptor::TReportDescriptor(TComponent* AOwner) : TQXHost(AOwner)
{
    Clear();
}

void TReportDescriptor::Clear()
{
    TQXHost::Clear();
    SetOrientation(poPortrait);
    SetPaperSize(9);
    SetQXWidth(21000);
    SetQXHeight(29700);
    SetQXLeftMargin(1000);
    SetQXTopMargin(1000);
    SetQXRightMargin(1000);
    SetQXBottomMargin(1000);
    FileName = QStringLiteral("Untitled.qxf");
    FCurrentPage = -1;
    IsNew = true;
}

void TReportDescriptor::Changed()
{
    if (OnChange) OnChange(this);
}

void TReportDescriptor::SaveCurrentPage()
{
    if (this != Document || FCurrentPage < 0 || !PageWindow) return;
    TMemoryStream* stream = GetPageStream(FCurrentPage);
    // Written aside first: a failed write keeps the page's last good bytes.
    TMemoryStream written;
    {
        TWriter writer(written, BufSize);
        writer.WriteRootComponent(PageWindow);
    }
    stream->SetSize(0);
    stream->SetPosition(0);
    stream->WriteBuffer(written.Memory(), written.Size());
}

void TReportDescriptor::LoadCurrentPage()
{
    if (this != Document || FCurrentPage < 0 || !PageWindow) return;
    TMemoryStream* stream = GetPageStream(FCurrentPage);
    if (stream->Size() <= 0) return;
    ReadPageInto(*this, *stream, *PageWindow);
}

void TReportDescriptor::DropPageWindow()
{
    TQXPage* old = PageWindow;
    if (!old) return;
    old->UnselectAll();
    old->SetDesigner(nullptr);
    if (PaperWindow) PaperWindow->SetPage(nullptr);
    PageWindow = nullptr;
    delete old;
}

void TReportDescriptor::ShowPageWindow(std::unique_ptr<TQXPage> Page)
{
    DropPageWindow();
    if (TComponent* owner = InstanceOwner()) owner->InsertComponent(Page.get());
    TQXPage* page = Page.release();
    PageWindow = page;
    if (OnPageCreate) OnPageCreate(page);
    page->SetName(GetPageName(FCurrentPage));
    if (PageDesigner) page->SetInspector(PageDesigner);
    // The page had its size when it was read: laying it on the paper
    // recomputes pixels and never the stored values.
    if (PaperWindow) {
        TScaleLock lock;
        PaperWindow->SetPage(page);
    }
    page->OnRename = [this](const QString& Name) { RenamePage(Name); };
    page->Show();
}

void TReportDescriptor::ShowCurrentPage()
{
    ShowPageWindow(NewPageWindow());
}

void TReportDescriptor::SetCurrentPage(int Index)
{
    if (Index < 0 || Index >= GetPageCount()) ListIndexError(Index);
    if (Index == FCurrentPage) return;
    // A page that does not read is refused before anything changes.
    std::unique_ptr<TQXPage> page =
        this == Document ? ReadPageWindow(*this, Index, PaperWindow ? PaperWindow->PrintableSize() : TPrintableSize{})
                         : NewPageWindow();
    SaveCurrentPage();
    FCurrentPage = Index;
    Ready = false;
    try {
        ShowPageWindow(std::move(page));
    } catch (...) {
        Ready = true;
        throw;
    }
    Ready = true;
    Changed();
}

int TReportDescriptor::AddPage()
{
    TMemoryStream empty;
    const int index = TQXHost::AddPage(UniquePageName(), empty);
    SetCurrentPage(index);
    FModified = true;
    return index;
}

QString TReportDescriptor::UniquePageName() const
{
    for (qint64 n = 1;; ++n) {
        const QString name = QStringLiteral("Page") + QString::number(n);
        if (IndexOfPage(name) < 0) return name;
    }
}

void TReportDescriptor::DeletePage(int Index)
{
    if (GetPageCount() < 2) throw runtime::EQXError(QStringLiteral("Report should contain at least one page"));
    if (Index < 0 || Index >= GetPageCount()) ListIndexError(Index);
    const QString deleted = GetPageName(Index);
    const QString open = FCurrentPage >= 0 ? GetPageName(FCurrentPage) : QString();
    RemovePage(Index);
    FCurrentPage = std::max(IndexOfPage(open), 0);
    if (GetPageName(FCurrentPage) != open) {
        // The open page was the one deleted: its unsaved edits go with it.
        ShowCurrentPage();
        LoadCurrentPage();
    }
    SetPageOrder(RemovePageLines(PageOrder(), deleted));
    Changed();
    FModified = true;
}

void TReportDescriptor::RenamePage(const QString& NewName)
{
    if (FCurrentPage < 0) return;
    const QString old = GetPageName(FCurrentPage);
    const QString name = NewName.trimmed();
    for (int i = 0; i < GetPageCount(); ++i)
        if (i != FCurrentPage && GetPageName(i).compare(name, Qt::CaseInsensitive) == 0)
            throw EComponentError(Format("A page named %s already exists", {name}));
    SetPageName(FCurrentPage, name);
    SetPageOrder(RenamePageLines(PageOrder(), old, name));
    Changed();
}

QString TReportDescriptor::GetTitle() const
{
    QString title = QFileInfo(QString(FileName).replace(QLatin1Char('\\'), QLatin1Char('/'))).fileName();
    if (title.endsWith(QStringLiteral(".qxf"), Qt::CaseInsensitive)) title.chop(4);
    return title;
}

bool TReportDescriptor::GetModified() const
{
    return FModified || (PageDesigner && PageDesigner->IsModified);
}

void TReportDescriptor::SetModified(bool Value)
{
    FModified = Value;
    if (PageDesigner) PageDesigner->IsModified = Value;
}

void TReportDescriptor::SaveToStream(TStream& Stream)
{
    // Only the designer's document has windows that hold part of it.
    if (this == Document) {
        if (PaperWindow) PaperWindow->SaveToDocument(*this);
        SaveCurrentPage();
    }
    TMemoryStream body;
    {
        TWriter writer(body, BufSize);
        writer.WriteRootComponent(this);
    }
    TWriter writer(Stream, BufSize);
    runtime::TQXReportHeader header;
    runtime::InitReportHeader(header);
    header.BodySize = qint32(body.Size());
    runtime::WriteReportHeader(writer, header);
    writer.Write(body.Memory(), body.Size());
}

void TReportDescriptor::LoadFromStream(TStream& Stream)
{
    Clear();
    TReader reader(Stream, BufSize);
    runtime::TQXReportHeader header;
    runtime::ReadReportHeader(reader, header);
    LoadFromReader(reader);
}

// ---------------------------------------------------------------------------
// The designer-wide document

void NewReport()
{
    TReportDescriptor& doc = *Document;
    doc.Clear();
    doc.DropPageWindow();
    if (PaperWindow) PaperWindow->LoadFromDocument(doc);
    TMemoryStream empty;
    const QString name = doc.UniquePageName();
    doc.runtime::TQXHost::AddPage(name, empty);
    doc.SetPageOrder(QStringLiteral("p  -1") + name);
    doc.FCurrentPage = 0;
    doc.ShowCurrentPage();
    // The zoom is clamped against the new page, not the one before.
    if (PageDesigner) PageDesigner->SetZoom(1.0);
    doc.SetModified(false);
    doc.Changed();
}

namespace {

// Ready again however the block ends.
class TNotReady {
public:
    explicit TNotReady(TReportDescriptor& Doc) : FDoc(Doc) { FDoc.Ready = false; }
    ~TNotReady() { FDoc.Ready = true; }
    TNotReady(const TNotReady&) = delete;
    TNotReady& operator=(const TNotReady&) = delete;

private:
    TReportDescriptor& FDoc;
};

QByteArray ReadFileBytes(const QString& FileName)
{
    TFileStream file(FileName, fmOpenRead);
    QByteArray bytes(qsizetype(file.Size()), Qt::Uninitialized);
    file.ReadBuffer(bytes.data(), bytes.size());
    return bytes;
}

} // namespace

void OpenReport(const QString& FileName)
{
    TReportDescriptor& doc = *Document;
    // The file is read and checked aside, its first page into a window of
    // its own; only a whole, valid document replaces the open one.
    TReportDescriptor scratch(nullptr);
    {
        TBytesStream file(ReadFileBytes(FileName));
        scratch.LoadFromStream(file);
    }
    CheckDocument(scratch);
    // What is read takes its pixels at the zoom it is shown at; a page that
    // does not read leaves the open one at its own.
    std::unique_ptr<TQXPage> page;
    const double zoom = Zoom;
    try {
        if (PageDesigner) PageDesigner->SetZoom(1.0);
        page = ReadPageWindow(scratch, 0, PrintableSize(scratch));
    } catch (...) {
        if (PageDesigner) PageDesigner->SetZoom(zoom);
        throw;
    }
    {
        TNotReady notReady(doc);
        doc.TakeFrom(scratch);
        doc.FCurrentPage = 0;
        doc.DropPageWindow();
        if (PaperWindow) PaperWindow->LoadFromDocument(doc);
        doc.ShowPageWindow(std::move(page));
        // Clamped against the new page: a narrow one may ask for more.
        if (PageDesigner) PageDesigner->SetZoom(1.0);
    }
    doc.FileName = FileName;
    doc.IsNew = false;
    doc.Changed();
    doc.SetModified(false);
}

void SaveReportToFile(const QString& FileName)
{
    // The whole document first: a text that cannot be stored fails before
    // the file is touched.
    TMemoryStream bytes;
    Document->SaveToStream(bytes);
    bytes.SaveToFile(FileName);
}

void SaveReportAs(const QString& FileName)
{
    SaveReportToFile(FileName);
    Document->FileName = FileName;
    Document->IsNew = false;
    Document->SetModified(false);
}

void SaveReportToStream(TStream& Stream)
{
    Document->SaveToStream(Stream);
}

void LoadReportFromStream(TStream& Stream)
{
    Document->LoadFromStream(Stream);
}

} // namespace designer
