#include "designer-framework/designerstream.h"

#include "designer-framework/controldesigner.h"
#include "designer-framework/extdesigner.h"

#include "classlib/controls/control.h"
#include "classlib/core/classregistry.h"
#include "classlib/core/sysutils.h"
#include "classlib/core/writer.h"

#include <QList>
#include <QSet>

#include <functional>
#include <utility>

namespace designer_framework {

using namespace classlib;

namespace {

constexpr int BufferSize = 4096;

// What one read created, as long as it lives: a failed paste frees it.
class TCreated : public TComponent {
public:
    TCreated() : TComponent(nullptr) {}

    void Add(TComponent* AComponent)
    {
        FList.append(AComponent);
        AComponent->FreeNotification(this);
    }

    // The latest first: a child goes before the panel it was read into.
    void FreeAll()
    {
        while (!FList.isEmpty()) {
            TComponent* c = FList.takeLast();
            RemoveFreeNotification(c);
            delete c;
        }
    }

    void Notification(TComponent* AComponent, TOperation Operation) override
    {
        TComponent::Notification(AComponent, Operation);
        if (Operation == opRemove) FList.removeAll(AComponent);
    }

private:
    QList<TComponent*> FList;
};

// The class a reader on Surface makes of a stored class name.
const TClassInfo* ClassOf(const TControlDesigner& Surface, const QString& ClassName)
{
    const TClassInfo* cls = Surface.ClassType()->FindFieldClass(ClassName);
    return cls ? cls : GetClass(ClassName);
}

// How deep a record read under Parent lies in a stream of the surface: the
// surface's own record is level 1, its children's level 2.
int LevelBelow(const TControlDesigner& Surface, const TWinControl* Parent)
{
    int level = 2;
    for (const TControl* c = Parent; c && c != &Surface; c = c->Parent()) ++level;
    return level;
}

// ParentClass: the class of what the record is read into.
void CheckRecord(TReader& Reader, const TControlDesigner& Surface, const QString& ParentClass, int Level,
                 int MaxLevel)
{
    int flags, pos;
    Reader.ReadPrefix(flags, pos);
    const QString className = Reader.ReadStr();
    const QString name = Reader.ReadStr();
    if (Level > MaxLevel) throw EReadError(Format(SNestedTooDeep, {name.isEmpty() ? className : name}));
    // An inherited record is read into the surface's component of that name.
    if (flags & ffInherited) throw EReadError(Format(SInheritedNotPastable, {name}));
    const TClassInfo* cls = ClassOf(Surface, className);
    if (cls && cls->InheritsFrom(&TControlDesigner::StaticClass()))
        throw EReadError(Format(SSurfaceNotPastable, {className}));
    // The reader itself refuses a class it does not know, or one that is no
    // component.
    if (cls && cls->IsComponent() && Surface.Inspector() && !Surface.Inspector()->AcceptsClass(*cls))
        throw EReadError(Format(SCannotHoldControl, {cls->Name, ParentClass}));
    // The record's values nest inside it, as deep as the levels left.
    Reader.Limits.MaxDepth = MaxLevel - Level;
    while (!Reader.EndOfList()) {
        Reader.ReadStr();
        Reader.SkipValue();
    }
    Reader.Limits.MaxDepth = MaxLevel;
    Reader.ReadValue();
    const QString here = cls ? cls->Name : className;
    while (!Reader.EndOfList()) CheckRecord(Reader, Surface, here, Level + 1, MaxLevel);
    Reader.ReadValue();
}

// A control shows inside any windowed control, but only one that accepts
// controls keeps it when the surface is stored.
void CheckHeld(const TComponent* Parent, const TComponent* Component)
{
    if (!As<TControl>(Component)) return;
    const auto* windowed = As<TWinControl>(Parent);
    if (windowed && windowed->ControlStyle().Contains(csAcceptsControls)) return;
    throw EReadError(Format(SCannotHoldControl, {Component->ClassName(), Parent ? Parent->ClassName() : QString()}));
}

// The children of Component's record: those its class streams itself (as
// it does into its own root), then its other child controls of its owner,
// each once. Controls are no component's children in a stream of the class
// library, so without this they would not travel; inner parts of compound
// controls belong to another owner and stay behind.
void TreeChildren(TComponent* Component, const std::function<void(TComponent*)>& Proc, TComponent* Root)
{
    QSet<const TComponent*> given;
    const auto give = [&](TComponent* Child) {
        if (given.contains(Child)) return;
        given.insert(Child);
        Proc(Child);
    };
    Component->GetChildren(give, Root);
    const auto* control = As<TWinControl>(Component);
    if (!control) return;
    for (int i = 0; i < control->ControlCount(); ++i)
        if (control->Controls(i)->Owner() == Component->Owner()) give(control->Controls(i));
}

} // namespace

void TDesignerStream::CheckPastable(const TWinControl* AParent)
{
    const qint64 start = Position();
    {
        TReader reader(*this, BufferSize);
        const int level = LevelBelow(*FSurface, AParent);
        const int maxLevel = reader.Limits.MaxDepth;
        const QString parentClass = AParent ? AParent->ClassName() : FSurface->ClassName();
        while (!reader.EndOfList()) {
            reader.ReadSignature();
            CheckRecord(reader, *FSurface, parentClass, level, maxLevel);
        }
    }
    SetPosition(start);
}

void TDesignerStream::ReadInto(TControlDesigner* ASurface, TWinControl* AParent)
{
    FSurface = ASurface;
    CheckPastable(AParent);
    TCreated created;
    try {
        TDesignReader reader(*this, BufferSize);
        reader.OnSetName = [&](TReader& Reader, TComponent* Component, QString& Name) {
            CheckHeld(Reader.Parent(), Component);
            created.Add(Component);
            ReaderSetName(Reader, Component, Name);
        };
        reader.ReadComponents(ASurface, AParent, [this](TComponent* Component) { ComponentRead(Component); });
    } catch (...) {
        created.FreeAll();
        throw;
    }
}

void TDesignerStream::ReaderSetName(TReader&, TComponent* Component, QString& Name)
{
    Name = FSurface->MakeUniqueName(Name, Component->ClassName());
}

void TDesignerStream::ComponentRead(TComponent* Component)
{
    FSurface->PlacePasted(Component);
}

void WriteComponentTree(TStream& Stream, TComponent* Component, TWriter* Writer)
{
    if (!Writer) {
        TWriter writer(Stream, BufferSize);
        writer.WriteSignature();
        WriteComponentTree(Stream, Component, &writer);
        return;
    }
    // Every record of the tree lists its children so, however deep the
    // writer nests it: one written by its parent's class is not a record
    // whose own controls stay behind.
    auto previous = std::exchange(Writer->OnGetChildren, TreeChildren);
    try {
        Writer->WriteComponent(Component);
    } catch (...) {
        Writer->OnGetChildren = std::move(previous);
        throw;
    }
    Writer->OnGetChildren = std::move(previous);
}

} // namespace designer_framework
