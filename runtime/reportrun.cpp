// The report run: event bindings from the "Events" list, the page order
// with its groups, and one metafile per output page.

#include "runtime/report.h"

#include "runtime/band.h"
#include "runtime/host.h"
#include "runtime/pageorder.h"
#include "runtime/paper.h"
#include "runtime/reporterror.h"

#include "classlib/core/stringlist.h"
#include "classlib/core/streams.h"
#include "classlib/core/sysutils.h"
#include "classlib/graphics/gdiconsts.h"
#include "classlib/graphics/metafile.h"
#include "classlib/graphics/metafiledc.h"

#include <QSet>

#include <memory>

namespace runtime {

using namespace classlib;

namespace {

const char* const ElementEvents[] = {"BeforePrint", "AfterPrint", "AskData", "GetText", "OwnerDraw"};

constexpr int MaxHandlerName = 255;

QString TrimBlanks(const QString& S)
{
    qsizetype b = 0, e = S.size();
    while (b < e && S[b].unicode() <= 0x20) ++b;
    while (e > b && S[e - 1].unicode() <= 0x20) --e;
    return S.mid(b, e - b);
}

// "Key=Value" lines by key without regard to (ASCII) case; the first line
// of a key wins, as a lookup by name finds it first.
QHash<QString, QString> IndexLines(const TStrings& Lines)
{
    QHash<QString, QString> index;
    for (int i = 0; i < Lines.Count(); ++i) {
        const QString line = Lines.Get(i);
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq < 0) continue;
        const QString key = UpperCase(line.left(eq));
        if (!index.contains(key)) index.insert(key, line.mid(eq + 1));
    }
    return index;
}

// The keys of the lines bound to page PageName or its elements, each once,
// in list order.
QStringList KeysOfPage(const TStrings& Lines, const QString& PageName)
{
    const QString prefix = UpperCase(PageName + QLatin1Char('.'));
    QStringList keys;
    QSet<QString> seen;
    for (int i = 0; i < Lines.Count(); ++i) {
        const QString line = Lines.Get(i);
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq < 0) continue;
        const QString key = line.left(eq);
        const QString upper = UpperCase(key);
        if (upper.startsWith(prefix) && !seen.contains(upper)) {
            seen.insert(upper);
            keys << key;
        }
    }
    return keys;
}

// The AskData handler of design runs, a method of the report that is not
// published.
const TMethodInfo& DesignAskDataMethod()
{
    static const TMethodInfo info = [] {
        TMethodInfo m;
        m.Name = QStringLiteral("DesignAskData");
        m.Signature = TQXAskData::Signature();
        m.Invoker = std::make_shared<const TQXAskData::TInvoker>(
            [](TObject* Self, TObject* Sender, bool& NeedData) {
                static_cast<TQXReport*>(Self)->DesignAskData(Sender, NeedData);
            });
        m.Owner = &TQXReport::StaticClass();
        return m;
    }();
    return info;
}

// Restores a flag on every way out.
class TFlagScope {
public:
    TFlagScope(bool& Flag, bool Value) : FFlag(Flag), FOld(Flag) { FFlag = Value; }
    ~TFlagScope() { FFlag = FOld; }
    TFlagScope(const TFlagScope&) = delete;
    TFlagScope& operator=(const TFlagScope&) = delete;

private:
    bool& FFlag;
    bool FOld;
};

} // namespace

void TQXReport::Prepare()
{
    ClearPages();
    if (!IsLoaded()) return;
    SetState({rsRunning});
    // A request is only ever made while a run is under way: none outlives it.
    TFlagScope cancel(FCancelRequested, false);
    try {
        PruneEvents();
        FBindings = std::make_unique<QHash<QString, QString>>(IndexLines(*FEvents));
        if (!FDesignRun && IsDesigning()) FDesignRun = true;
        if (!FDesignRun) BeforeReport(this);
        FBody->SetPosition(0);
        if (FDesignRun) {
            for (int i = 0; i < FHost->GetPageCount(); ++i) RenderPaper(i);
        } else {
            RunPageOrder();
        }
        if (!FDesignRun) {
            CheckCancelRequest();
            AfterReport(this);
        }
        FBindings.reset();
        FState = {};
        SetState({rsLoaded, rsPrepared});
    } catch (const EAbort&) {
        FBindings.reset();
        ClearState({rsRunning});
    } catch (...) {
        FBindings.reset();
        ClearState({rsRunning});
        throw;
    }
}

void TQXReport::DesignPrepare()
{
    TFlagScope design(FDesignRun, true);
    Prepare();
}

void TQXReport::DesignAskData(TObject*, bool& NeedData)
{
    NeedData = true;
}

void TQXReport::PruneEvents()
{
    if (!IsLoaded()) return;
    const QHash<QString, QString> old = IndexLines(*FEvents);
    auto pruned = std::make_unique<TStringList>();
    auto copyKey = [&](const QString& Key) {
        const QString value = TrimBlanks(old.value(UpperCase(Key)));
        if (!value.isEmpty()) pruned->Add(Key + QLatin1Char('=') + value);
    };
    for (int i = 0; i < FHost->GetPageCount(); ++i) {
        std::unique_ptr<TQXPaper> page;
        try {
            page.reset(LoadPaper(i));
        } catch (const EQXError&) {
            // A page that cannot be read fails the run only when it is
            // rendered; until then its bindings stay as they are.
            for (const QString& key : KeysOfPage(*FEvents, FHost->GetPageName(i))) copyKey(key);
            continue;
        }
        const QString pagePrefix = page->Name() + QLatin1Char('.');
        for (const char* event : ElementEvents) copyKey(pagePrefix + QLatin1String(event));
        for (int c = 0; c < page->ComponentCount(); ++c) {
            const QString prefix = pagePrefix + page->Components(c)->Name() + QLatin1Char('.');
            for (const char* event : ElementEvents) copyKey(prefix + QLatin1String(event));
        }
    }
    FEvents = std::move(pruned);
}

void TQXReport::BindEvents(TQXPaper* Paper)
{
    if (FDesignRun) {
        // Needs no owner: the handler is the report's own.
        const TMethod designAskData{&DesignAskDataMethod(), this};
        for (int i = 0; i < Paper->ComponentCount(); ++i)
            if (auto* band = dynamic_cast<TQXBand*>(Paper->Components(i))) band->AskData = designAskData;
        return;
    }
    if (!Owner()) return;
    const QString pagePrefix = Paper->Name() + QLatin1Char('.');
    for (const char* event : ElementEvents) BindEvent(Paper, pagePrefix, QLatin1String(event));
    DoBindComponent(Paper);
    for (int i = 0; i < Paper->ComponentCount(); ++i) {
        TComponent* c = Paper->Components(i);
        const QString prefix = pagePrefix + c->Name() + QLatin1Char('.');
        for (const char* event : ElementEvents) BindEvent(c, prefix, QLatin1String(event));
        DoBindComponent(c);
    }
}

void TQXReport::BindEvent(TComponent* Component, const QString& Prefix, const QString& EventName)
{
    if (!Owner() || !Component) return;
    const TPropInfo* prop = Component->ClassType()->FindProp(EventName);
    if (!prop || prop->Kind() != TTypeKind::tkMethod || !prop->SetMethod) return;
    const QString key = UpperCase(Prefix + EventName);
    const QString value = FBindings ? FBindings->value(key) : IndexLines(*FEvents).value(key);
    if (value.isEmpty()) return;
    const TMethodInfo* method = Owner()->ClassType()->FindMethod(QStringView(value).left(MaxHandlerName));
    // A handler with another parameter list would be called with the wrong
    // arguments: it stays unbound, as a missing one does.
    if (!method || method->Signature != prop->PropType->Signature) return;
    prop->SetMethod(*Component, TMethod{method, Owner()});
}

void TQXReport::RenderPaper(int Index)
{
    const std::unique_ptr<TQXPaper> page(LoadPaper(Index));
    page->SetReport(this);
    const QString pageName = page->Name();
    bool proceed = true;
    if (!FDesignRun) {
        CheckCancelRequest();
        BeforePage(this, pageName, proceed);
    }
    if (!proceed) return;
    BindEvents(page.get());
    do {
        CheckCancelRequest();
        auto metafile = std::make_unique<TMetafile>();
        metafile->SetEnhanced(true);
        metafile->SetMMWidth(page->QXWidth());
        metafile->SetMMHeight(page->QXHeight());
        {
            TMetafileCanvas canvas(*metafile);
            canvas.DC().SetMapMode(MM_HIMETRIC);
            page->Process(canvas);
            page->PaintAll(canvas);
        }
        if (FDesignRun || FShowEmptyPages || page->HasPrintableControls()) {
            FPages.push_back(metafile.get());
            metafile.release();
        }
        page->Reset();
        if (FDesignRun) break;
    } while (page->HasOverflow());
    if (!FDesignRun) {
        CheckCancelRequest();
        AfterPage(this, pageName);
    }
}

void TQXReport::RunPageOrder()
{
    ProcessOrder(SplitOrderLines(FHost->PageOrder()));
}

void TQXReport::ProcessOrder(const QStringList& Lines)
{
    const std::vector<TQXOrderItem> order = InterpretPageOrder(Lines);
    struct TOpenGroup {
        int End;
        QString Name;
    };
    std::vector<TOpenGroup> open;
    const int n = int(order.size());
    int i = 0;
    for (;;) {
        // Groups end where their members do, innermost first.
        while (!open.empty() && i >= open.back().End) {
            const QString name = std::move(open.back().Name);
            open.pop_back();
            CheckCancelRequest();
            AfterGroup(this, name);
        }
        if (i >= n) break;
        const TQXOrderItem& item = order[size_t(i)];
        if (item.Kind == TQXOrderItem::okPage) {
            const int index = FHost->IndexOfPage(item.Name);
            if (index < 0) RaiseReportError(Format("Page %s of the page order is not in the document", {item.Name}));
            RenderPaper(index);
        } else if (item.Kind == TQXOrderItem::okGroup) {
            bool proceed = true;
            CheckCancelRequest();
            BeforeGroup(this, item.Name, proceed);
            if (!proceed) {
                i = item.End;
                continue;
            }
            if (open.size() >= size_t(MaxOrderDepth))
                RaiseReportError(QStringLiteral("The page order nests groups too deeply"));
            open.push_back({item.End, item.Name});
        }
        ++i;
    }
}

} // namespace runtime
