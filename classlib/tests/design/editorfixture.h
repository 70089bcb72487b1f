#pragma once

// A root with two components and a recording designer, and the editor of
// one property of a selection, made the way the inspector makes it.

#include "propertytarget.h"
#include "recordingdesigner.h"

#include "classlib/design/propertyeditorregistry.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace classlib::test {

struct TEditorFixture {
    TComponent Root{nullptr};
    TPeTarget* Target = new TPeTarget(&Root);
    TPeTarget* Target2 = new TPeTarget(&Root);
    TPeOther* Other = new TPeOther(&Root);
    TRecordingDesigner Designer{&Root};

    TEditorFixture()
    {
        RegisterStandardEditors();
        Target->SetName("Target1");
        Target2->SetName("Target2");
        Other->SetName("Other1");
    }

    // Null when the enumeration offers no editor of that name.
    std::unique_ptr<TPropertyEditor> EditorOf(std::initializer_list<TComponent*> Selection, const QString& Name)
    {
        TComponentList list;
        for (TComponent* c : Selection) list.Add(c);
        std::unique_ptr<TPropertyEditor> found;
        GetComponentProperties(list, tkAny, &Designer, [&](std::unique_ptr<TPropertyEditor> e) {
            if (SameText(e->GetName(), Name)) found = std::move(e);
        });
        return found;
    }

    std::unique_ptr<TPropertyEditor> EditorOf(const QString& Name) { return EditorOf({Target}, Name); }

    // The names the enumeration offers, in its order.
    QStringList NamesOf(std::initializer_list<TComponent*> Selection, TTypeKinds Filter = tkAny)
    {
        TComponentList list;
        for (TComponent* c : Selection) list.Add(c);
        QStringList names;
        GetComponentProperties(list, Filter, &Designer,
                               [&](std::unique_ptr<TPropertyEditor> e) { names << e->GetName(); });
        return names;
    }
};

} // namespace classlib::test
