#pragma once

// The report component's editor: the context-menu verbs "Controls...",
// "Preview...", "Edit..." (with a document) and "New..." (without).

#include "classlib/design/componenteditor.h"

#include <array>

namespace runtime {
class TQXReport;
}

namespace ide {

class TQXComponentEditor : public classlib::TComponentEditor {
public:
    using TComponentEditor::TComponentEditor;

    runtime::TQXReport* Report() const;

    // Works out which verbs are visible now; GetVerb and ExecuteVerb use
    // what the last count found. An index it did not make visible has an
    // empty text and does nothing.
    int GetVerbCount() override;
    QString GetVerb(int Index) override;
    void ExecuteVerb(int Index) override;
    // The table index of the Index-th visible verb, or -1.
    int UpdateVerbNum(int Index) const;

    void EditControls();
    void MakePreview();

private:
    std::array<bool, 4> FVisible{};
};

namespace Cerpt {
void Register();
// The same editor without the "Controls..." verb, for a host that has no
// controls window.
void InternalRegister();
// Whether InternalRegister was used; reset when the package detaches.
bool Internal();
void Reset();
} // namespace Cerpt

} // namespace ide
