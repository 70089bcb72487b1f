#include "classlib/design/componenteditor.h"

#include "classlib/core/component.h"
#include "classlib/core/registrationgroup.h"

#include <algorithm>
#include <vector>

namespace classlib {

namespace {

struct TEditorRegistration {
    const TClassInfo* ComponentClass;
    TComponentEditorClass EditorClass;
    TRegistrationGroup Group;
};

// In registration order.
std::vector<TEditorRegistration>& Registrations()
{
    static std::vector<TEditorRegistration> registrations;
    return registrations;
}


} // namespace

TComponentEditor::TComponentEditor(TComponent* AComponent, TFormDesigner* ADesigner)
    : FComponent(AComponent), FDesigner(ADesigner)
{
}

TComponentEditor::~TComponentEditor() = default;

void TComponentEditor::Edit() {}

void TComponentEditor::ExecuteVerb(int) {}

QString TComponentEditor::GetVerb(int)
{
    return QString();
}

int TComponentEditor::GetVerbCount()
{
    return 0;
}

void TComponentEditor::Copy() {}

void RegisterComponentEditor(const TClassInfo& ComponentClass, TComponentEditorClass EditorClass)
{
    if (EditorClass)
        Registrations().push_back({&ComponentClass, EditorClass, CurrentRegistrationGroup()});
}

void UnregisterComponentEditor(const TClassInfo& ComponentClass, TComponentEditorClass EditorClass)
{
    auto& list = Registrations();
    for (auto it = list.rbegin(); it != list.rend(); ++it)
        if (it->ComponentClass == &ComponentClass && it->EditorClass == EditorClass) {
            list.erase(std::next(it).base());
            return;
        }
}

void UnregisterComponentEditorGroup(TRegistrationGroup Group)
{
    if (Group == NoRegistrationGroup) return;
    std::erase_if(Registrations(), [Group](const TEditorRegistration& r) { return r.Group == Group; });
}

int ComponentEditorGroupCount(TRegistrationGroup Group)
{
    return int(std::count_if(Registrations().begin(), Registrations().end(),
                             [Group](const TEditorRegistration& r) { return r.Group == Group; }));
}

std::unique_ptr<TComponentEditor> GetComponentEditor(TComponent* Component, TFormDesigner* Designer)
{
    TComponentEditorClass best = nullptr;
    int bestDistance = -1;
    if (Component) {
        const TClassInfo* cls = Component->ClassType();
        const auto& list = Registrations();
        // Latest first, so that a later registration of the same class wins
        // the tie.
        for (auto it = list.rbegin(); it != list.rend(); ++it) {
            const int d = cls->InheritanceDistance(it->ComponentClass);
            if (d >= 0 && (bestDistance < 0 || d < bestDistance)) {
                best = it->EditorClass;
                bestDistance = d;
            }
        }
    }
    if (best)
        return best(Component, Designer);
    return std::make_unique<TDefaultEditor>(Component, Designer);
}

} // namespace classlib
