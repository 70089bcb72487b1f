#include "designer-framework/designerstream.h"

#include "designer-framework/controldesigner.h"

#include "classlib/controls/control.h"
#include "classlib/core/classregistry.h"
#include "classlib/core/sysutils.h"
#include "classlib/core/writer.h"

#include <QList>

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

void CheckRecord(TReader& Reader, const TControlDesigner& Surface, int Depth)
{
    if (Depth > Reader.Limits.MaxDepth) throw EReadError(QString::fromLatin1(SStreamTooDeep));
    int flags, pos;
    Reader.ReadPrefix(flags, pos);
    const QString className = Reader.ReadStr();
    const QString name = Reader.ReadStr();
    // An inherited record is read into the surface's component of that name.
    if (flags & ffInherited) throw EReadError(Format(SInheritedNotPastable, {name}));
    const TClassInfo* cls = ClassOf(Surface, className);
    if (cls && cls->InheritsFrom(&TControlDesigner::StaticClass()))
        throw EReadError(Format(SSurfaceNotPastable, {className}));
    while (!Reader.EndOfList()) {
        Reader.ReadStr();
        Reader.SkipValue();
    }
    Reader.ReadValue();
    while (!Reader.EndOfList()) CheckRecord(Reader, Surface, Depth + 1);
    Reader.ReadValue();
}

} // namespace

void TDesignerStream::CheckPastable()
{
    const qint64 start = Position();
    {
        TReader reader(*this, BufferSize);
        while (!reader.EndOfList()) {
            reader.ReadSignature();
            CheckRecord(reader, *FSurface, 0);
        }
    }
    SetPosition(start);
}

void TDesignerStream::ReadInto(TControlDesigner* ASurface, TWinControl* AParent)
{
    FSurface = ASurface;
    CheckPastable();
    TCreated created;
    try {
        TDesignReader reader(*this, BufferSize);
        reader.OnSetName = [&](TReader& Reader, TComponent* Component, QString& Name) {
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
    if (!control || control->ControlCount() == 0) return;
    // Controls are not a component's children in the stream: reopen the
    // record's child list over its end marker and nest them there. Inner
    // parts of compound controls belong to another owner and stay behind.
    Writer->SetPosition(Writer->Position() - 1);
    for (int i = 0; i < control->ControlCount(); ++i) {
        TControl* child = control->Controls(i);
        if (child->Owner() == Component->Owner()) WriteComponentTree(Stream, child, Writer);
    }
    Writer->WriteListEnd();
}

} // namespace designer_framework
