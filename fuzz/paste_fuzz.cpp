// Arbitrary text on the clipboard, pasted onto a design surface that holds
// a few components, with one of them (or none, or the surface) selected:
// the first byte picks which, the rest is the clipboard's text. A paste
// that raises must leave the surface as it was; one that succeeds must
// leave every control where it is kept, no deeper below the surface than a
// stream nests, and no component of a class the surface's designer does
// not keep. The first component pasted is copied and pasted again under
// the same rules, giving its whole tree, each component once, then
// deleted. Class-library exceptions
// are the expected outcome of bad text; anything else escaping, a hang, a
// crash or a sanitizer report is a finding.

#include "pasteclasses.h"

#include "designer-framework/extdesigner.h"

#include "classlib/core/streamformat.h"
#include "classlib/core/sysutils.h"
#include "classlib/system/clipboard.h"

#include <QApplication>
#include <QByteArray>
#include <QSet>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

using namespace classlib;
using namespace designer_framework;

// Everything a paste may touch: the owned components with their classes,
// names and places, and the surface's children.
QStringList Describe(const TControlDesigner& Surface)
{
    QStringList lines;
    for (int i = 0; i < Surface.ComponentCount(); ++i) {
        const TComponent* c = Surface.Components(i);
        QString line = c->ClassName() + QLatin1Char(' ') + c->Name();
        if (const auto* control = As<TControl>(c))
            line += QString(" in %1 at %2,%3 %4x%5")
                        .arg(control->Parent() ? control->Parent()->Name() : QString("<none>"))
                        .arg(control->Left())
                        .arg(control->Top())
                        .arg(control->Width())
                        .arg(control->Height());
        lines << line;
    }
    lines << QString("children %1").arg(Surface.ControlCount());
    return lines;
}

void CheckUnchanged(const QStringList& Before, const TControlDesigner& Surface, const char* What)
{
    const QStringList after = Describe(Surface);
    if (after == Before) return;
    std::fprintf(stderr, "a failed %s changed the surface:\n%s\n---\n%s\n", What,
                 qPrintable(Before.join('\n')), qPrintable(after.join('\n')));
    std::abort();
}

[[noreturn]] void Fail(const TComponent& Component, const char* What)
{
    std::fprintf(stderr, "a paste left %s %s\n", qPrintable(Component.Name()), What);
    std::abort();
}

// What the surface could not store: a class its designer does not keep, a
// control in something that takes no controls, or one nested deeper than a
// stream of the surface.
void CheckStorable(const TControlDesigner& Surface)
{
    for (int i = 0; i < Surface.ComponentCount(); ++i) {
        const TComponent* component = Surface.Components(i);
        if (!Surface.Inspector()->AcceptsClass(*component->ClassType())) Fail(*component, "that is not kept");
        const auto* control = As<TControl>(component);
        if (!control) continue;
        const TWinControl* parent = control->Parent();
        if (!parent || !parent->ControlStyle().Contains(csAcceptsControls)) Fail(*control, "where it is not kept");
        int level = 2;
        for (; parent && parent != &Surface; parent = parent->Parent()) ++level;
        if (level > TReaderLimits().MaxDepth) Fail(*control, "nested too deeply");
    }
}

// Component and its tree: the children its class streams, and the child
// controls of its owner besides; each once.
int TreeSize(TComponent* Component)
{
    QSet<TComponent*> children;
    Component->GetChildren([&](TComponent* Child) { children.insert(Child); }, Component);
    if (const auto* control = As<TWinControl>(Component))
        for (int i = 0; i < control->ControlCount(); ++i)
            if (control->Controls(i)->Owner() == Component->Owner()) children.insert(control->Controls(i));
    int size = 1;
    for (TComponent* child : children) size += TreeSize(child);
    return size;
}

// Pastes the clipboard; a paste that raises takes back all it did.
bool Paste(TControlDesigner& Surface)
{
    const QStringList before = Describe(Surface);
    try {
        Surface.PasteFromClipboard();
    } catch (const Exception&) {
        CheckUnchanged(before, Surface, "paste");
        return false;
    }
    CheckStorable(Surface);
    return true;
}

void Run(int Selector, const QByteArray& Text)
{
    TControlDesigner surface(nullptr);
    surface.SetInspector(new fuzz::TPasteDesigner);
    fuzz::FillSurface(surface);
    QSet<TComponent*> original;
    for (int i = 0; i < surface.ComponentCount(); ++i) original.insert(surface.Components(i));
    fuzz::SelectForPaste(surface, Selector);

    Clipboard().SetAsText(Text);
    if (!Paste(surface)) return;
    // The capsules that pasted controls got while they were made go now.
    QCoreApplication::processEvents();

    // The first component pasted, the top of its tree, copies and pastes
    // again beside itself.
    TComponent* pasted = nullptr;
    for (int i = 0; i < surface.ComponentCount() && !pasted; ++i)
        if (!original.contains(surface.Components(i))) pasted = surface.Components(i);
    if (!pasted) return;
    surface.SelectOnly(pasted);
    try {
        surface.CopySelection();
    } catch (const Exception&) {
        return;
    }
    surface.UnselectAll();
    const int components = surface.ComponentCount();
    if (Paste(surface) && surface.ComponentCount() != components + TreeSize(pasted)) {
        std::fprintf(stderr, "a copy of %s pasted %d components for %d\n", qPrintable(pasted->Name()),
                     surface.ComponentCount() - components, TreeSize(pasted));
        std::abort();
    }
    surface.SelectOnly(pasted);
    surface.CutSelection();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    static int argc = 1;
    static char name[] = "fuzz_paste";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        fuzz::RegisterPasteClasses();
        return new QApplication(argc, argv);
    }();
    (void)app;
    if (Size == 0) return 0;
    try {
        Run(Data[0], QByteArray(reinterpret_cast<const char*>(Data) + 1, qsizetype(Size - 1)));
    } catch (const Exception&) {
    }
    return 0;
}
