#include "ide/host/sourceunit.h"

#include "runtime/control.h"
#include "runtime/report.h"

#include "classlib/core/sysutils.h"

#include <algorithm>

using namespace classlib;

namespace idehost {

struct TSourceUnit::TEntry {
    TMethodInfo* Info = nullptr;
    // Set once the method is deleted: the entry then owns its method.
    std::unique_ptr<TMethodInfo> Held;
    const TTypeInfo* Type = nullptr;
    int RowsGiven = 0;
};

namespace {

struct THandlerKind {
    const TTypeInfo* (*Type)();
    // What the handler does besides logging its call.
    enum { Plain, Text, Data } Action;
};

template <class E>
const TTypeInfo* TypeOf()
{
    return TypeInfo<E>();
}

// The event types a handler can be made for, with what it does.
const std::vector<THandlerKind>& Kinds()
{
    using namespace runtime;
    static const std::vector<THandlerKind> kinds = {
        {&TypeOf<TNotifyEvent>, THandlerKind::Plain},     {&TypeOf<TQXBeforePrint>, THandlerKind::Plain},
        {&TypeOf<TQXAfterPrint>, THandlerKind::Plain},    {&TypeOf<TQXAskData>, THandlerKind::Data},
        {&TypeOf<TQXGetText>, THandlerKind::Text},        {&TypeOf<TQXOwnerDraw>, THandlerKind::Plain},
        {&TypeOf<TQXBeforeReport>, THandlerKind::Plain},  {&TypeOf<TQXAfterReport>, THandlerKind::Plain},
        {&TypeOf<TQXBeforePage>, THandlerKind::Plain},    {&TypeOf<TQXAfterPage>, THandlerKind::Plain},
        {&TypeOf<TQXBeforeGroup>, THandlerKind::Plain},   {&TypeOf<TQXAfterGroup>, THandlerKind::Plain},
    };
    return kinds;
}

const THandlerKind* KindOf(const TTypeInfo* TypeData)
{
    if (!TypeData || TypeData->Kind != TTypeKind::tkMethod) return nullptr;
    for (const THandlerKind& k : Kinds())
        if (k.Type() == TypeData) return &k;
    return nullptr;
}

const THandlerKind* KindNamed(const QString& TypeName)
{
    for (const THandlerKind& k : Kinds())
        if (SameText(k.Type()->Name, TypeName)) return &k;
    return nullptr;
}

} // namespace

// The invoker of a method for one parameter list (the event's, Sender
// included): the event calls it through exactly this function type, with
// the instance first (TEvent checks the signature).
template <class... Args, class F>
static std::shared_ptr<const void> MakeInvoker(F Body)
{
    using TInvoker = std::function<void(TObject*, Args...)>;
    return std::make_shared<const TInvoker>([Body](TObject*, Args... A) { Body(A...); });
}

const TMethodInfo* TSourceUnit::Add(const QString& Name, const TTypeInfo* TypeData)
{
    if (!IsValidIdent(Name)) throw ESourceError(Format("'%s' is not a valid method name", {Name}));
    if (Exists(Name)) throw ESourceError(Format("A method named %s already exists", {Name}));
    const THandlerKind* kind = KindOf(TypeData);
    if (!kind)
        throw ESourceError(Format("No handler can be made for events of type %s",
                                  {TypeData ? TypeData->Name : QStringLiteral("nil")}));
    auto entry = std::make_unique<TEntry>();
    auto info = std::make_unique<TMethodInfo>();
    info->Name = Name;
    info->Signature = TypeData->Signature;
    info->Owner = FClass.get();
    TEntry* e = entry.get();
    // The handler logs under its current name, so a rename is followed.
    auto log = [this, e] { FCalls << e->Info->Name; };
    using namespace runtime;
    if (kind->Action == THandlerKind::Text)
        info->Invoker = MakeInvoker<TObject*, QString&>([log, e](TObject*, QString& Text) {
            log();
            Text = e->Info->Name;
        });
    else if (kind->Action == THandlerKind::Data)
        info->Invoker = MakeInvoker<TObject*, bool&>([log, e](TObject*, bool& NeedData) {
            log();
            NeedData = e->RowsGiven < DataRows;
            if (NeedData) ++e->RowsGiven;
        });
    else if (TypeData == TypeInfo<TQXBeforePrint>())
        info->Invoker = MakeInvoker<TObject*, bool&>([log](TObject*, bool&) { log(); });
    else if (TypeData == TypeInfo<TQXOwnerDraw>())
        info->Invoker = MakeInvoker<TObject*, TCanvas*, const TRect&>([log](TObject*, TCanvas*, const TRect&) { log(); });
    else if (TypeData == TypeInfo<TQXBeforePage>() || TypeData == TypeInfo<TQXBeforeGroup>())
        info->Invoker = MakeInvoker<TObject*, const QString&, bool&>([log](TObject*, const QString&, bool&) { log(); });
    else if (TypeData == TypeInfo<TQXAfterPage>() || TypeData == TypeInfo<TQXAfterGroup>())
        info->Invoker = MakeInvoker<TObject*, const QString&>([log](TObject*, const QString&) { log(); });
    else
        info->Invoker = MakeInvoker<TObject*>([log](TObject*) { log(); });
    e->Info = info.get();
    e->Type = TypeData;
    FClass->Methods.push_back(std::move(info));
    FEntries.push_back(std::move(entry));
    Changed();
    return e->Info;
}

TSourceUnit::TSourceUnit(const QString& FormClassName, const TClassInfo& Ancestor)
    : FClass(std::make_unique<TClassInfo>())
{
    FClass->Name = FormClassName;
    FClass->Parent = &Ancestor;
}

TSourceUnit::~TSourceUnit() = default;

std::unique_ptr<TClassInfo> TSourceUnit::RunClass(const TClassInfo& Ancestor) const
{
    auto cls = std::make_unique<TClassInfo>();
    cls->Name = FClass->Name;
    cls->Parent = &Ancestor;
    for (const auto& e : FEntries) {
        auto info = std::make_unique<TMethodInfo>(*e->Info);
        info->Owner = cls.get();
        cls->Methods.push_back(std::move(info));
    }
    return cls;
}

const TMethodInfo* TSourceUnit::Add(const QString& Name, const QString& TypeName)
{
    const THandlerKind* kind = KindNamed(TypeName);
    if (!kind) throw ESourceError(Format("No handler can be made for events of type %s", {TypeName}));
    return Add(Name, kind->Type());
}

TSourceUnit::TEntry* TSourceUnit::FindEntry(const QString& Name) const
{
    for (const auto& e : FEntries)
        if (SameText(e->Info->Name, Name)) return e.get();
    return nullptr;
}

const TMethodInfo* TSourceUnit::Find(const QString& Name) const
{
    const TEntry* e = FindEntry(Name);
    return e ? e->Info : nullptr;
}

bool TSourceUnit::IsLive(const TMethodInfo* Code) const
{
    return Code && std::any_of(FEntries.begin(), FEntries.end(), [Code](const auto& e) { return e->Info == Code; });
}

void TSourceUnit::Rename(const QString& CurName, const QString& NewName)
{
    TEntry* e = FindEntry(CurName);
    if (!e) throw ESourceError(Format("Method %s does not exist", {CurName}));
    if (!IsValidIdent(NewName)) throw ESourceError(Format("'%s' is not a valid method name", {NewName}));
    if (const TEntry* other = FindEntry(NewName); other && other != e)
        throw ESourceError(Format("A method named %s already exists", {NewName}));
    e->Info->Name = NewName;
    Changed();
}

void TSourceUnit::Delete(const QString& Name)
{
    auto it = std::find_if(FEntries.begin(), FEntries.end(),
                           [&](const auto& e) { return SameText(e->Info->Name, Name); });
    if (it == FEntries.end()) return;
    auto& methods = FClass->Methods;
    auto m = std::find_if(methods.begin(), methods.end(), [&](const auto& p) { return p.get() == (*it)->Info; });
    if (m != methods.end()) {
        (*it)->Held = std::move(*m);
        methods.erase(m);
    }
    FDeleted.push_back(std::move(*it));
    FEntries.erase(it);
    Changed();
}

void TSourceUnit::Clear()
{
    while (!FEntries.empty()) Delete(FEntries.front()->Info->Name);
}

QStringList TSourceUnit::Names() const
{
    QStringList names;
    for (const auto& e : FEntries) names << e->Info->Name;
    return names;
}

QString TSourceUnit::TypeNameOf(const QString& Name) const
{
    const TEntry* e = FindEntry(Name);
    return e ? e->Type->Name : QString();
}

QStringList TSourceUnit::CompatibleNames(const TTypeInfo* TypeData) const
{
    QStringList names;
    if (!TypeData) return names;
    for (const auto& e : FEntries)
        if (e->Info->Signature == TypeData->Signature) names << e->Info->Name;
    return names;
}

QStringList TSourceUnit::SaveList() const
{
    QStringList lines;
    for (const auto& e : FEntries) lines << e->Info->Name + QLatin1Char('=') + e->Type->Name;
    return lines;
}

void TSourceUnit::LoadList(const QStringList& Lines)
{
    // Checked whole before anything changes.
    QStringList seen;
    for (const QString& line : Lines) {
        if (line.trimmed().isEmpty()) continue;
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        const QString name = line.left(eq).trimmed();
        const QString type = eq < 0 ? QString() : line.mid(eq + 1).trimmed();
        if (eq < 0 || !IsValidIdent(name) || !KindNamed(type))
            throw ESourceError(Format("Invalid method line: %s", {line.left(80)}));
        for (const QString& s : seen)
            if (SameText(s, name)) throw ESourceError(Format("A method named %s already exists", {name}));
        seen << name;
    }
    const std::function<void()> change = std::move(OnChange);
    OnChange = nullptr;
    Clear();
    for (const QString& line : Lines) {
        if (line.trimmed().isEmpty()) continue;
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        Add(line.left(eq).trimmed(), line.mid(eq + 1).trimmed());
    }
    OnChange = change;
    Changed();
}

void TSourceUnit::ResetRun()
{
    FCalls.clear();
    for (const auto& e : FEntries) e->RowsGiven = 0;
}

bool TSourceUnit::CanHandle(const TTypeInfo* TypeData)
{
    return KindOf(TypeData) != nullptr;
}

void TSourceUnit::Changed()
{
    if (OnChange) OnChange();
}

} // namespace idehost
