#pragma once

// A designer as the main window sets it up: a window with a scroll box
// that holds the paper and page windows, an object inspector, the
// designer-wide instances and a new document. The page lies on the paper
// inside the margins, as the main window places it.

#include "designer/document/designinstances.h"
#include "designer/document/document.h"
#include "designer/document/page.h"
#include "designer/document/pagedesigner.h"
#include "designer/document/paper.h"

#include "classlib/controls/form.h"
#include "classlib/controls/scrollbox.h"

#include <QByteArray>

#include <initializer_list>
#include <memory>

#include <gtest/gtest.h>

namespace classlib {
class TPropertyEditor;
}

namespace designer_framework {
class TfrmInspector;
}

namespace designer::tests {

class DesignerTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The page window's element of that name, or nil.
    template <class T = classlib::TComponent>
    T* Element(const QString& Name) const
    {
        return dynamic_cast<T*>(PageWindow->FindComponent(Name));
    }
    // Inserts as the palette does: a component of that class at a page point.
    template <class T>
    T* Insert(int X, int Y)
    {
        return dynamic_cast<T*>(PageWindow->CreateComponent(T::StaticClass(), classlib::TPoint{X, Y}));
    }

    classlib::TForm* Main = nullptr;
    classlib::TScrollBox* Box = nullptr;
    designer_framework::TfrmInspector* InspectorWindow = nullptr;
};

// The bytes of the designer-wide document as a file holds them.
QByteArray DocumentBytes();
// A temporary folder's file of that name (the folder lives for the test).
QString TempFile(const QString& Name);
// The editor the inspector gets for that property of the components
// selected together; nil when it offers none.
std::unique_ptr<classlib::TPropertyEditor> EditorOf(std::initializer_list<classlib::TComponent*> Components,
                                                    const QString& Name);

} // namespace designer::tests
