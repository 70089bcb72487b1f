#include "classlib/core/component.h"

#include "classlib/core/classbuilder.h"
#include "classlib/core/listsearch.h"
#include "classlib/core/reader.h"
#include "classlib/core/sysutils.h"
#include "classlib/core/writer.h"

namespace classlib {

bool TNameKey::operator==(const TNameKey& Other) const
{
    return SameText(Name, Other.Name);
}

size_t qHash(const TNameKey& Key, size_t Seed) noexcept
{
    size_t h = Seed ^ 0x9E3779B97F4A7C15ull;
    for (QChar c : Key.Name) {
        char16_t u = c.unicode();
        if (u >= 'a' && u <= 'z') u = char16_t(u - ('a' - 'A'));
        h = (h ^ u) * 0x100000001B3ull;
    }
    return h;
}

const TClassInfo& TComponent::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TComponent>("TComponent")
        .Prop("Name", &TComponent::FName, &TComponent::SetName).Type(TypeInfo<TComponentName>()).Stored(false)
        .Prop("Tag", &TComponent::FTag, &TComponent::SetTag).Default(0)
        .Build();
    return info;
}

TComponent::TComponent(TComponent* AOwner) : TComponent(AOwner, true) {}

TComponent::TComponent(TComponent* AOwner, bool HearsOwner) : FHearsOwner(HearsOwner)
{
    if (!AOwner) return;
    FConstructing = true;
    try {
        AOwner->InsertComponent(this);
    } catch (...) {
        FConstructing = false;
        throw;
    }
    FConstructing = false;
}

TComponent::~TComponent()
{
    Destroying();
    // Whoever asked to hear of our end forgets us; they may ask again from
    // inside the call, so take each off first. One that hears our owner
    // hears of it from the owner.
    while (TComponent* c = FFreeNotifies.TakeLast()) {
        c->FFreeNotifies.Remove(this);
        if (FOwner && c->FOwner == FOwner && c->HearsOwner()) continue;
        c->Notification(this, opRemove);
    }
    DestroyComponents();
    if (FOwner) FOwner->RemoveComponent(this);
}

TComponent* TComponent::Components(int Index) const
{
    if (Index < 0 || Index >= FComponents.size())
        throw EListError(Format("List index out of bounds (%d)", {Index}));
    return FComponents[Index];
}

int TComponent::ComponentIndex() const
{
    return FOwner ? int(FOwner->FComponents.indexOf(const_cast<TComponent*>(this))) : -1;
}

void TComponent::SetComponentIndex(int Value)
{
    if (!FOwner) return;
    const int i = ComponentIndex();
    Value = std::clamp(Value, 0, int(FOwner->FComponents.size()) - 1);
    if (i < 0 || i == Value) return;
    FOwner->FComponents.move(i, Value);
    if (HearsOwner()) FOwner->ListHearers();
}

void TComponent::SetName(const QString& NewName)
{
    if (FName == NewName) return;
    if (!NewName.isEmpty() && !IsValidIdent(NewName))
        throw EComponentError(Format("'%s' is not a valid component name", {NewName}));
    if (FOwner)
        FOwner->ValidateRename(this, FName, NewName);
    else
        ValidateRename(nullptr, FName, NewName);
    SetReference(false);
    ChangeName(NewName);
    SetReference(true);
}

void TComponent::ChangeName(const QString& NewName)
{
    if (FOwner) FOwner->UnindexName(this);
    FName = NewName;
    if (FOwner) FOwner->IndexName(this);
}

void TComponent::ValidateRename(TComponent* AComponent, const QString& CurName,
                                const QString& NewName)
{
    if (AComponent && !SameText(CurName, NewName) && !NewName.isEmpty()) {
        TComponent* other = FindComponent(NewName);
        if (other && other != AComponent)
            throw EComponentError(Format("A component named %s already exists", {NewName}));
    }
}

void TComponent::SetDesigning(bool Value, bool SetChildren)
{
    if (Value)
        FComponentState += csDesigning;
    else
        FComponentState -= csDesigning;
    if (SetChildren)
        for (TComponent* c : FComponents) c->SetDesigning(Value, true);
}

TComponent* TComponent::FindComponent(const QString& AName) const
{
    if (AName.isEmpty()) return nullptr;
    return FNameIndex.value(TNameKey{AName}, nullptr);
}

void TComponent::IndexName(TComponent* AComponent)
{
    if (!AComponent->FName.isEmpty()) FNameIndex.insert(TNameKey{AComponent->FName}, AComponent);
}

void TComponent::UnindexName(TComponent* AComponent)
{
    if (AComponent->FName.isEmpty()) return;
    auto it = FNameIndex.find(TNameKey{AComponent->FName});
    if (it != FNameIndex.end() && *it == AComponent) FNameIndex.erase(it);
}

void TComponent::InsertComponent(TComponent* AComponent)
{
    if (!AComponent->FName.isEmpty()) ValidateRename(AComponent, QString(), AComponent->FName);
    Insert(AComponent);
    AComponent->SetReference(true);
    if (FComponentState.Contains(csDesigning)) AComponent->SetDesigning(true);
    Notification(AComponent, opInsert);
}

void TComponent::RemoveComponent(TComponent* AComponent)
{
    if (AComponent->FOwner != this) return;
    Notification(AComponent, opRemove);
    AComponent->SetReference(false);
    Remove(AComponent);
}

void TComponent::Insert(TComponent* AComponent)
{
    FComponents.append(AComponent);
    AComponent->FOwner = this;
    if (AComponent->HearsOwner()) {
        const bool before = HearsOwner();
        FHearers.append(AComponent);
        HearingChanged(before);
    }
    IndexName(AComponent);
}

void TComponent::Remove(TComponent* AComponent)
{
    UnindexName(AComponent);
    AComponent->FOwner = nullptr;
    if (const qsizetype h = IndexFromEnds(FHearers, AComponent); h >= 0) {
        const bool before = HearsOwner();
        FHearers.removeAt(h);
        HearingChanged(before);
    }
    const qsizetype i = IndexFromEnds(FComponents, AComponent);
    if (i >= 0) FComponents.removeAt(i);
}

void TComponent::SetHearsOwner(bool Value)
{
    if (FHearsOwner == Value) return;
    const bool before = HearsOwner();
    FHearsOwner = Value;
    HearingChanged(before);
}

void TComponent::HearingChanged(bool Before)
{
    if (!FOwner || Before == HearsOwner()) return;
    TComponent* owner = FOwner;
    const bool ownerBefore = owner->HearsOwner();
    if (!HearsOwner()) {
        if (const qsizetype i = IndexFromEnds(owner->FHearers, this); i >= 0) owner->FHearers.removeAt(i);
    } else if (owner->FComponents.last() == this)
        owner->FHearers.append(this);
    else
        owner->ListHearers();
    owner->HearingChanged(ownerBefore);
}

void TComponent::ListHearers()
{
    FHearers.clear();
    for (TComponent* c : FComponents)
        if (c->HearsOwner()) FHearers.append(c);
}

void TComponent::DestroyComponents()
{
    while (!FComponents.isEmpty()) {
        TComponent* c = FComponents.last();
        Remove(c);
        delete c;
    }
}

void TComponent::Destroying()
{
    if (FComponentState.Contains(csDestroying)) return;
    FComponentState += csDestroying;
    for (TComponent* c : FComponents) c->Destroying();
}

void TComponent::FreeNotification(TComponent* AComponent)
{
    if (!AComponent || AComponent == this) return;
    // Components of one owner that hear it learn of each other's end there.
    if (FOwner && AComponent->FOwner == FOwner && HearsOwner() && AComponent->HearsOwner()) return;
    FFreeNotifies.Add(AComponent);
    AComponent->FFreeNotifies.Add(this);
}

void TComponent::RemoveFreeNotification(TComponent* AComponent)
{
    if (!AComponent) return;
    FFreeNotifies.Remove(AComponent);
    AComponent->FFreeNotifies.Remove(this);
}

void TComponent::Notification(TComponent* AComponent, TOperation Operation)
{
    // The lists are kept in pairs, so our own list tells whether the other
    // one needs looking at.
    if (Operation == opRemove && AComponent && FFreeNotifies.Remove(AComponent))
        AComponent->FFreeNotifies.Remove(this);
    // Owned components that hear learn of every insertion and removal in
    // their owner, the last first. Index-based, because a handler may free
    // components of the list.
    for (qsizetype i = FHearers.size() - 1; i >= 0; --i) {
        if (i >= FHearers.size()) continue;
        FHearers[i]->Notification(AComponent, Operation);
    }
}

void TComponent::SetReference(bool Enable)
{
    if (!FOwner || FName.isEmpty()) return;
    if (const TFieldInfo* f = FOwner->ClassType()->FindField(FName)) {
        // Clearing compares identity: during destruction our dynamic class is gone.
        if (Enable && InheritsFrom(f->FieldClass))
            f->Set(*FOwner, this);
        else if (!Enable && f->Get(*FOwner) == this)
            f->Set(*FOwner, nullptr);
    }
}

void TComponent::DefineProperties(TFiler& Filer)
{
    TPersistent::DefineProperties(Filer);
    // Nothing to write is the common case: no lookups for it.
    if (FDesignInfo == 0 && dynamic_cast<TWriter*>(&Filer)) return;
    // A class with a position of its own (a control) has none to store.
    if (ClassType()->FindProp(u"Left") || ClassType()->FindProp(u"Top")) return;
    // Shift: 0 for the left word, 16 for the top word.
    auto reader = [this](int Shift) {
        return [this, Shift](TReader& Reader) {
            const TValueType t = Reader.NextValue();
            if (t != TValueType::vaInt8 && t != TValueType::vaInt16 && t != TValueType::vaInt32 &&
                t != TValueType::vaInt64)
                return Reader.PropertyError(SInvalidPropertyValue);
            const quint32 word = quint32(Reader.ReadInt64()) & 0xFFFFu;
            FDesignInfo = qint32((quint32(FDesignInfo) & ~(0xFFFFu << Shift)) | word << Shift);
        };
    };
    auto writer = [this](int Shift) {
        return [this, Shift](TWriter& Writer) { Writer.WriteInteger(quint32(FDesignInfo) >> Shift & 0xFFFFu); };
    };
    const quint32 info = quint32(FDesignInfo);
    Filer.DefineProperty(QStringLiteral("Left"), reader(0), writer(0), (info & 0xFFFFu) != 0);
    Filer.DefineProperty(QStringLiteral("Top"), reader(16), writer(16), (info >> 16) != 0);
}

void TComponent::GetChildren(const std::function<void(TComponent*)>&, TComponent*) {}

void TComponent::SetChildOrder(TComponent*, int) {}

void TComponent::ReadState(TReader& Reader)
{
    Reader.ReadData(this);
}

void TComponent::WriteState(TWriter& Writer)
{
    Writer.WriteData(this);
}

void TComponent::Loaded()
{
    FComponentState -= csLoading;
}

// ---------------------------------------------------------------------------
// Global components

namespace {
QList<TComponent*>& Globals()
{
    static QList<TComponent*> list;
    return list;
}
} // namespace

void AddGlobalComponent(TComponent* AComponent)
{
    if (!Globals().contains(AComponent)) Globals().append(AComponent);
}

void RemoveGlobalComponent(TComponent* AComponent)
{
    Globals().removeAll(AComponent);
}

TComponent* FindGlobalComponent(const QString& Name)
{
    for (TComponent* c : Globals())
        if (SameText(c->Name(), Name)) return c;
    return nullptr;
}

QString UniqueGlobalName(const QString& Name, const TComponent* Except)
{
    auto taken = [&](const QString& n) {
        TComponent* c = FindGlobalComponent(n);
        return c && c != Except;
    };
    if (Name.isEmpty() || !taken(Name)) return Name;
    for (int i = 1;; ++i) {
        QString candidate = Format("%s_%d", {Name, i});
        if (!taken(candidate)) return candidate;
    }
}

} // namespace classlib
