#include "designer-framework/designerstream.h"

#include "designer-framework/controldesigner.h"

#include "classlib/controls/control.h"
#include "classlib/core/classregistry.h"
#include "classlib/core/sysutils.h"
#include "classlib/core/writer.h"

#include <QList>
#include <QSet>

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

void CheckRecord(TReader& Reader, const TControlDesigner& Surface, int Level, int MaxLevel)
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
    // The record's values nest inside it, as deep as the levels left.
    Reader.Limits.MaxDepth = MaxLevel - Level;
    while (!Reader.EndOfList()) {
        Reader.ReadStr();
        Reader.SkipValue();
    }
    Reader.Limits.MaxDepth = MaxLevel;
    Reader.ReadValue();
    while (!Reader.EndOfList()) CheckRecord(Reader, Surface, Level + 1, MaxLevel);
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

} // namespace

void TDesignerStream::CheckPastable(const TWinControl* AParent)
{
    const qint64 start = Position();
    {
        TReader reader(*this, BufferSize);
        const int level = LevelBelow(*FSurface, AParent);
        const int maxLevel = reader.Limits.MaxDepth;
        while (!reader.EndOfList()) {
            reader.ReadSignature();
            CheckRecord(reader, *FSurface, level, maxLevel);
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
    Writer->WriteComponent(Component);
    const auto* control = As<TWinControl>(Component);
    if (!control) return;
    // A class may stream its child controls itself (as it would into its
    // own root); those are in the record already.
    QSet<const TComponent*> streamed;
    Component->GetChildren([&](TComponent* Child) { streamed.insert(Child); },
                           Writer->Root() ? Writer->Root() : Component);
    // Inner parts of compound controls belong to another owner and stay
    // behind.
    QList<TControl*> rest;
    for (int i = 0; i < control->ControlCount(); ++i) {
        TControl* child = control->Controls(i);
        if (child->Owner() == Component->Owner() && !streamed.contains(child)) rest.append(child);
    }
    if (rest.isEmpty()) return;
    // Controls are not a component's children in the stream: reopen the
    // record's child list over its end marker and nest them there.
    Writer->SetPosition(Writer->Position() - 1);
    for (TControl* child : rest) WriteComponentTree(Stream, child, Writer);
    Writer->WriteListEnd();
}

} // namespace designer_framework
