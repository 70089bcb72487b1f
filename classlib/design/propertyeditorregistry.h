#pragma once

// Which property editor edits which property, and the enumeration that
// makes the editors of a selection.
//
// Look-up: a registration applies to a property when its type is the
// property's type (or, for object properties, a class the property's class
// descends from), its component class is nil or one the component descends
// from, and its name is empty or the property's. Among those, the closest
// type wins, then the closest component class, then a given name; between
// equals the later registration. Without one, the kind's standard editor.

#include "classlib/design/propertyeditor.h"

#include <vector>

namespace classlib {

class TComponentList;

// ComponentClass nil: every class; PropertyName empty: every name. A nil
// EditorClass hides the properties it applies to.
void RegisterPropertyEditor(const TTypeInfo* PropertyType, const TClassInfo* ComponentClass,
                            const QString& PropertyName, TPropertyEditorClass EditorClass);
// Takes back the latest such registration, so that a library that goes
// leaves the registrations it found; nothing when there is none.
void UnregisterPropertyEditor(const TTypeInfo* PropertyType, const TClassInfo* ComponentClass,
                              const QString& PropertyName, TPropertyEditorClass EditorClass);

// Takes back every registration made while Group was current.
void UnregisterPropertyEditorGroup(int Group);
// How many registrations were made while Group was current.
int PropertyEditorGroupCount(int Group);

// The editor class for PropInfo of Instance; nil when it has none.
TPropertyEditorClass GetEditorClass(const TPropInfo* PropInfo, const TObject* Instance);

// One editor, to Proc, for each property of a kind in Filter that every
// component of Components has (same name, same type), that can be read,
// and written unless it is an object, and whose editor is the same class
// for all of them and, for several components, allows a multi-selection.
// Editors come in alphabetical order of the property names.
void GetComponentProperties(const TComponentList& Components, TTypeKinds Filter, TFormDesigner* Designer,
                            const TGetPropEditProc& Proc);
// The same for any objects (the sub-objects of object properties).
void GetObjectProperties(const std::vector<TObject*>& Objects, TTypeKinds Filter, TFormDesigner* Designer,
                         const TGetPropEditProc& Proc);

} // namespace classlib
