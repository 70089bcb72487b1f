#pragma once

// Component editors: what a design surface runs on a double click of a
// component, and the verbs it offers. Editors are registered per component
// class; a component gets the editor of the nearest class it is or descends
// from, the latest registration winning among those of one class, else the
// default editor.

#include "classlib/core/typinfo.h"

#include <QString>

#include <memory>

namespace classlib {

class TComponent;
class TFormDesigner;

class TComponentEditor : public TObject {
public:
    TComponentEditor(TComponent* AComponent, TFormDesigner* ADesigner);
    ~TComponentEditor() override;

    TComponent* Component() const { return FComponent; }
    TFormDesigner* Designer() const { return FDesigner; }

    // The double click.
    virtual void Edit();
    // Verbs of the component's context menu, 0 .. GetVerbCount - 1.
    virtual void ExecuteVerb(int Index);
    virtual QString GetVerb(int Index);
    virtual int GetVerbCount();
    // The component was copied to the clipboard.
    virtual void Copy();

private:
    TComponent* FComponent;
    TFormDesigner* FDesigner;
};

// The editor of components whose classes have none registered: no verbs,
// and a double click that changes nothing (it creates no event handler).
class TDefaultEditor : public TComponentEditor {
public:
    using TComponentEditor::TComponentEditor;
};

// Creates an editor of one class.
using TComponentEditorClass = std::unique_ptr<TComponentEditor> (*)(TComponent* AComponent,
                                                                    TFormDesigner* ADesigner);

template <class T>
std::unique_ptr<TComponentEditor> CreateComponentEditor(TComponent* AComponent, TFormDesigner* ADesigner)
{
    return std::make_unique<T>(AComponent, ADesigner);
}

// The editor class of T: RegisterComponentEditor(TFoo::StaticClass(), ComponentEditorClass<TFooEditor>()).
template <class T>
constexpr TComponentEditorClass ComponentEditorClass()
{
    return &CreateComponentEditor<T>;
}

void RegisterComponentEditor(const TClassInfo& ComponentClass, TComponentEditorClass EditorClass);
// Takes back the latest such registration, so that a library that goes
// leaves the registrations it found; nothing when there is none.
void UnregisterComponentEditor(const TClassInfo& ComponentClass, TComponentEditorClass EditorClass);

// Takes back every registration made while Group was current.
void UnregisterComponentEditorGroup(int Group);
// How many registrations were made while Group was current.
int ComponentEditorGroupCount(int Group);

// A new editor for Component (nil: the default editor of nothing).
std::unique_ptr<TComponentEditor> GetComponentEditor(TComponent* Component, TFormDesigner* Designer);

} // namespace classlib
