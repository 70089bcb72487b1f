#pragma once

// The designer's editor of every component: a double click on an element
// brings the object inspector forward with the keys; it opens no dialog,
// creates no event handler and offers no verbs.

#include "classlib/design/componenteditor.h"

namespace designer {

class TExtDefaultEditor : public classlib::TComponentEditor {
public:
    using TComponentEditor::TComponentEditor;
    void Edit() override;
};

} // namespace designer
