#pragma once

#include "classlib/core/freenotifylist.h"
#include "classlib/core/persistent.h"

#include <QHash>
#include <QList>

#include <functional>

namespace classlib {

class TReader;
class TWriter;

// A component name as a hash key: compared and hashed without regard to
// (ASCII) case, without making an upper-cased copy.
struct TNameKey {
    QString Name;
    bool operator==(const TNameKey& Other) const;
};
size_t qHash(const TNameKey& Key, size_t Seed = 0) noexcept;

// The type of the Name property: a short string of its own identity, so
// that the name's property editor serves names only.
QX_STRING_TYPE(TComponentName, tkString, 255)

QX_ENUM(TComponentStateItem, csLoading, csReading, csWriting, csDestroying, csDesigning,
        csAncestor, csUpdating, csFixups, csFreeNotification, csInline)
using TComponentState = TSet<TComponentStateItem>;

QX_ENUM(TOperation, opInsert, opRemove)

// A persistent object with an owner, a name and a list of owned components.
// Owners free what they own; components that hold references to others ask
// for FreeNotification and forget them in Notification(opRemove).
//
// A C++ destructor runs the derived parts first: a descendant whose own
// destructor depends on csDestroying calls Destroying() first.
class TComponent : public TPersistent {
    QX_CLASS(TComponent, TPersistent)
public:
    explicit TComponent(TComponent* AOwner);
    ~TComponent() override;

    TComponent* Owner() const { return FOwner; }
    int ComponentCount() const { return int(FComponents.size()); }
    TComponent* Components(int Index) const;
    int ComponentIndex() const;
    void SetComponentIndex(int Value);

    const QString& Name() const { return FName; }
    // Checks that the name is an identifier (or empty) and unique among the
    // owner's components: EComponentError otherwise.
    virtual void SetName(const QString& NewName);

    int Tag() const { return FTag; }
    void SetTag(int Value) { FTag = Value; }

    // Where a design surface shows a component that is no control: left
    // in the low word, top in the high word, both unsigned. Stored as the
    // custom properties "Left" and "Top", each only when not zero, by
    // classes that publish no "Left" or "Top" of their own.
    qint32 DesignInfo() const { return FDesignInfo; }
    void SetDesignInfo(qint32 Value) { FDesignInfo = Value; }
    void DefineProperties(TFiler& Filer) override;

    TComponentState ComponentState() const { return FComponentState; }
    bool IsDesigning() const { return FComponentState.Contains(csDesigning); }
    bool IsLoading() const { return FComponentState.Contains(csLoading); }
    bool IsDestroying() const { return FComponentState.Contains(csDestroying); }
    // True while the owner hears of the component from its constructor:
    // the component is not yet what its class makes it (C++ builds the
    // derived parts afterwards), so only its identity may be used.
    bool IsConstructing() const { return FConstructing; }
    void SetDesigning(bool Value, bool SetChildren = true);

    // The owned component of that name, compared without regard to case.
    TComponent* FindComponent(const QString& AName) const;

    void InsertComponent(TComponent* AComponent);
    void RemoveComponent(TComponent* AComponent);
    void DestroyComponents();
    // Marks this component and its owned components as being destroyed.
    void Destroying();

    // AComponent's destruction will be reported through Notification.
    void FreeNotification(TComponent* AComponent);
    void RemoveFreeNotification(TComponent* AComponent);

    // Streaming: the components written as this one's children, who owns and
    // parents the children that a reader creates, and child order.
    virtual void GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root);
    virtual TComponent* GetChildOwner() { return nullptr; }
    virtual TComponent* GetChildParent() { return nullptr; }
    virtual void SetChildOrder(TComponent* Child, int Order);

    // Read or write this component's properties and children: by default
    // TReader::ReadData(this) and TWriter::WriteData(this).
    virtual void ReadState(TReader& Reader);
    virtual void WriteState(TWriter& Writer);

    // Called once a stream has been read completely, root first.
    virtual void Loaded();
    virtual void Notification(TComponent* AComponent, TOperation Operation);

    // State changes made by the streaming system.
    void IncludeState(TComponentStateItem Item) { FComponentState += Item; }
    void ExcludeState(TComponentStateItem Item) { FComponentState -= Item; }

protected:
    virtual void ValidateRename(TComponent* AComponent, const QString& CurName,
                                const QString& NewName);
    // Sets the name without checks (the reader names components it creates).
    void ChangeName(const QString& NewName);
    // Owners tell the owned components that hear of each insertion and
    // removal, which costs the square of their count when all hear. A class
    // whose Notification only watches what it asked FreeNotification of
    // need not hear; one made in numbers says so at construction, before it
    // joins its owner. A component that owns hearing ones hears all the
    // same, to pass the news on.
    TComponent(TComponent* AOwner, bool HearsOwner);
    void SetHearsOwner(bool Value);
    bool HearsOwner() const { return FHearsOwner || !FHearers.isEmpty(); }

private:
    void Insert(TComponent* AComponent);
    void Remove(TComponent* AComponent);
    void SetReference(bool Enable);
    void IndexName(TComponent* AComponent);
    void UnindexName(TComponent* AComponent);
    // Tells the owner that HearsOwner may have changed from Before.
    void HearingChanged(bool Before);
    void ListHearers();

    TComponent* FOwner = nullptr;
    QString FName;
    int FTag = 0;
    qint32 FDesignInfo = 0;
    bool FConstructing = false;
    TComponentState FComponentState;
    QList<TComponent*> FComponents;
    // Owned components by upper-cased name: readers add thousands of named
    // components to one owner, each checked for a unique name.
    QHash<TNameKey, TComponent*> FNameIndex;
    TFreeNotifyList FFreeNotifies;
    bool FHearsOwner = true;
    QList<TComponent*> FHearers;  // owned components that hear, in component order
};

// The application's global components (forms, data modules, the roots that
// readers create): a root read from a stream takes a name that is free here.
void AddGlobalComponent(TComponent* AComponent);
void RemoveGlobalComponent(TComponent* AComponent);
TComponent* FindGlobalComponent(const QString& Name);
// Name, or Name_1, Name_2, ... whichever is free among the global components.
QString UniqueGlobalName(const QString& Name, const TComponent* Except = nullptr);

} // namespace classlib
