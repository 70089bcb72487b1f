#include "runtime/host.h"
#include "runtime/reportclasses.h"

#include "runtime/documentheader.h"
#include "runtime/reporterror.h"

#include "classlib/core/classbuilder.h"
#include "classlib/core/filer.h"
#include "classlib/core/reader.h"
#include "classlib/core/streams.h"
#include "classlib/core/sysutils.h"
#include "classlib/core/writer.h"

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

namespace runtime {

using namespace classlib;

namespace {

constexpr int PageBufSize = 8192;

// The fewest bytes a page can take in "PageData": an empty name (06 00) and
// a one-byte size (02 00).
constexpr qint64 MinPageBytes = 4;

[[noreturn]] void StreamReadError()
{
    RaiseReportError(QString::fromLatin1(SStreamReadError));
}

// Puts a reader's handlers back when a load is over, so that the reader
// never calls into a host that may be gone by then.
class THandlerScope {
public:
    explicit THandlerScope(TReader& Reader)
        : FReader(Reader)
        , FOnError(Reader.OnError)
        , FOnFindMethod(Reader.OnFindMethod)
        , FOnAncestorNotFound(Reader.OnAncestorNotFound)
    {
    }
    ~THandlerScope()
    {
        FReader.OnError = std::move(FOnError);
        FReader.OnFindMethod = std::move(FOnFindMethod);
        FReader.OnAncestorNotFound = std::move(FOnAncestorNotFound);
    }
    THandlerScope(const THandlerScope&) = delete;
    THandlerScope& operator=(const THandlerScope&) = delete;

private:
    TReader& FReader;
    decltype(TReader::OnError) FOnError;
    decltype(TReader::OnFindMethod) FOnFindMethod;
    decltype(TReader::OnAncestorNotFound) FOnAncestorNotFound;
};

} // namespace

const TClassInfo& TQXHost::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TQXHost>("TQXHost")
        .Prop("QXLeftMargin", &TQXHost::FQXLeftMargin)
        .Prop("QXTopMargin", &TQXHost::FQXTopMargin)
        .Prop("QXRightMargin", &TQXHost::FQXRightMargin)
        .Prop("QXBottomMargin", &TQXHost::FQXBottomMargin)
        .Prop("QXWidth", &TQXHost::FQXWidth)
        .Prop("QXHeight", &TQXHost::FQXHeight)
        .Prop("Orientation", &TQXHost::FOrientation)
        .Prop("PaperSize", &TQXHost::FPaperSize)
        .Prop("PageCount", &TQXHost::GetPageCount, &TQXHost::SetPageCount)
        .Prop("PageOrder", &TQXHost::FPageOrder)
        .Build();
    return info;
}

TQXHost::TQXHost(TComponent* AOwner) : TComponent(AOwner)
{
    FPages.SetOwnsObjects(true);
}

TQXHost::~TQXHost()
{
    FreePages();
}

void TQXHost::Clear()
{
    FreePages();
    FPageOrder.clear();
}

void TQXHost::FreePages()
{
    FPages.Clear();
}

int TQXHost::GetPageCount() const
{
    return FPages.Count();
}

TMemoryStream* TQXHost::GetPageStream(int Index) const
{
    return static_cast<TMemoryStream*>(FPages.Objects(Index));
}

QString TQXHost::GetPageName(int Index) const
{
    return FPages.Get(Index);
}

int TQXHost::IndexOfPage(const QString& Name) const
{
    return FPages.IndexOf(Name);
}

int TQXHost::AddPage(const QString& Name, TStream& Source)
{
    auto page = std::make_unique<TMemoryStream>();
    page->CopyFrom(Source, 0);
    page->SetPosition(0);
    const int index = FPages.AddObject(Name, page.get());
    page.release();
    return index;
}

void TQXHost::RemovePage(int Index)
{
    // The list owns its streams: deleting the entry frees the page.
    FPages.Delete(Index);
}

void TQXHost::SetPageName(int Index, const QString& Name)
{
    FPages.Put(Index, Name);
}

void TQXHost::TakeFrom(TQXHost& Other)
{
    if (&Other == this) return;
    // As a read names its root: a name the owner refuses is not taken.
    try {
        SetName(Other.Name());
    } catch (const Exception&) {
    }
    FreePages();
    // The names first: nothing is owned twice if the list cannot grow.
    try {
        for (int i = 0; i < Other.FPages.Count(); ++i) FPages.AddObject(Other.FPages.Get(i), nullptr);
    } catch (...) {
        FPages.Clear();
        throw;
    }
    for (int i = 0; i < Other.FPages.Count(); ++i) FPages.SetObjects(i, Other.FPages.Objects(i));
    Other.FPages.SetOwnsObjects(false);
    Other.FPages.Clear();
    Other.FPages.SetOwnsObjects(true);
    FQXLeftMargin = Other.FQXLeftMargin;
    FQXTopMargin = Other.FQXTopMargin;
    FQXRightMargin = Other.FQXRightMargin;
    FQXBottomMargin = Other.FQXBottomMargin;
    FQXWidth = Other.FQXWidth;
    FQXHeight = Other.FQXHeight;
    FPaperSize = Other.FPaperSize;
    FOrientation = Other.FOrientation;
    FPageOrder = Other.FPageOrder;
    FExpectedPageCount = Other.FExpectedPageCount;
}

void TQXHost::DefineProperties(TFiler& Filer)
{
    inherited::DefineProperties(Filer);
    Filer.DefineBinaryProperty(
        QStringLiteral("PageData"), [this](TStream& S) { ReadPageData(S); },
        [this](TStream& S) { WritePageData(S); }, true);
}

int TQXHost::ExpectedPages() const
{
    // A negative count promises no pages.
    return std::max(FExpectedPageCount, 0);
}

void TQXHost::ReadPageData(TStream& Stream)
{
    TReader reader(Stream, PageBufSize);
    const int count = ExpectedPages();
    if (count > reader.Remaining() / MinPageBytes) StreamReadError();

    // Pages of a failed read are not kept: they join the host only when all
    // have been read.
    std::vector<std::pair<QString, std::unique_ptr<TMemoryStream>>> pages;
    pages.reserve(size_t(count));
    for (int i = 0; i < count; ++i) {
        TQXPageHeader header;
        ReadPageHeader(reader, header);
        // A size of 0 or less is an empty page, refused only when it is used.
        auto page = std::make_unique<TMemoryStream>();
        if (header.Size > 0) {
            page->SetSize(header.Size);
            reader.Read(page->Memory(), header.Size);
        }
        pages.emplace_back(header.Name, std::move(page));
    }

    FreePages();
    for (auto& [name, page] : pages) {
        FPages.AddObject(name, page.get());
        page.release();
    }
}

void TQXHost::WritePageData(TStream& Stream)
{
    TWriter writer(Stream, PageBufSize);
    for (int i = 0; i < FPages.Count(); ++i) {
        TMemoryStream* page = GetPageStream(i);
        TQXPageHeader header;
        InitPageHeader(header);
        header.Name = FPages.Get(i);
        header.Size = qint32(page->Size());  // memory streams stay below 2 GB
        WritePageHeader(writer, header);
        writer.Write(page->Memory(), page->Size());
    }
}

void TQXHost::InstallHandlers(TReader& Reader)
{
    Reader.OnError = [this](TReader& R, const QString& Message, bool& Handled) {
        ReaderError(R, Message, Handled);
    };
    Reader.OnFindMethod = [this](TReader& R, const QString& MethodName,
                                 const TMethodInfo*& Address, bool& Error) {
        ReaderFindMethod(R, MethodName, Address, Error);
    };
    Reader.OnAncestorNotFound = [this](TReader& R, const QString& ComponentName,
                                       const TClassInfo* ComponentClass, TComponent*& Component) {
        ReaderAncestorNotFound(R, ComponentName, ComponentClass, Component);
    };
}

void TQXHost::LoadFromReader(TReader& Reader)
{
    THandlerScope scope(Reader);
    InstallHandlers(Reader);
    const int ownedBefore = ComponentCount();
    FExpectedPageCount = 0;
    FreePages();
    try {
        Reader.ReadRootComponent(this);
        // "PageCount" promised pages that no "PageData" delivered.
        if (ExpectedPages() != GetPageCount())
            StreamReadError();
    } catch (...) {
        // Whatever the failed read created goes with it.
        while (ComponentCount() > ownedBefore)
            delete Components(ComponentCount() - 1);
        Clear();
        throw;
    }
}

void TQXHost::LoadPage(TComponent* Paper, int Index)
{
    TMemoryStream* page = GetPageStream(Index);
    page->SetPosition(0);
    TReader reader(*page, PageBufSize);
    InstallHandlers(reader);
    // The runtime's classes whatever the registry holds: a designer in the
    // same process has its own classes of these names registered.
    reader.ClassResolver = ReportClass;
    reader.ReadRootComponent(Paper);
}

void TQXHost::ReaderError(TReader&, const QString&, bool& Handled)
{
    Handled = true;
}

void TQXHost::ReaderFindMethod(TReader&, const QString&, const TMethodInfo*&, bool& Error)
{
    Error = false;
}

void TQXHost::ReaderAncestorNotFound(TReader&, const QString&, const TClassInfo*, TComponent*&)
{
}

} // namespace runtime
