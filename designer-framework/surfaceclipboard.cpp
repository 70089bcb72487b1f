// Cut, copy, paste and delete of the surface's selection. Components travel
// through the clipboard as the text form of component streams, one
// top-level object per copied component with its child controls inside.

#include "designer-framework/controldesigner.h"

#include "designer-framework/designerstream.h"
#include "designer-framework/extdesigner.h"

#include "classlib/controls/control.h"
#include "classlib/core/sysutils.h"
#include "classlib/core/textform.h"
#include "classlib/graphics/gditypes.h"
#include "classlib/system/clipboard.h"

#include <QPair>
#include <QSet>

namespace designer_framework {

using namespace classlib;

void TControlDesigner::CopySelection()
{
    TDesignerStream binary;
    bool any = false;
    for (int i = 0; i < SelectionCount(); ++i) {
        TComponent* component = GetSelectedComponent(i);
        // The surface holds what is copied; it is no part of it.
        if (component == this) continue;
        WriteComponentTree(binary, component);
        binary.Seek(0, soEnd);
        any = true;
    }
    if (!any) return;
    TMemoryStream text;
    binary.SetPosition(0);
    while (binary.Position() < binary.Size()) ObjectBinaryToText(binary, text);
    Clipboard().SetAsText(text.Bytes());
}

void TControlDesigner::CutSelection()
{
    CopySelection();
    DeleteSelection();
}

void TControlDesigner::DeleteSelection()
{
    for (int i = SelectionCount() - 1; i >= 0; --i) {
        // Freeing one entry may take others along (their notifications drop them).
        if (i >= SelectionCount()) continue;
        TComponent* component = GetSelectedComponent(i);
        // A component without a capsule leaves the selection as it goes.
        if (TControl* shown = ControlOfComponent(component)) RemoveFromSelection(shown);
        // The surface leaves the selection but stays.
        if (component != this) delete component;
    }
    UpdateSelection();
    if (FInspector) FInspector->Modified();
}

bool TControlDesigner::CanPaste()
{
    try {
        const QByteArray text = Clipboard().AsText();
        if (text.isEmpty()) return false;
        TBytesStream input(text);
        TMemoryStream output;
        ObjectTextToBinary(input, output);
        return true;
    } catch (const Exception&) {
        return false;
    }
}

void TControlDesigner::PasteFromClipboard()
{
    if (!CanPaste()) return;
    TBytesStream text(Clipboard().AsText());
    TDesignerStream binary;
    while (text.Position() < text.Size()) {
        const qint64 before = text.Position();
        ObjectTextToBinary(text, binary);
        if (text.Position() == before) break;
    }
    const char end = 0;
    binary.WriteBuffer(&end, 1);
    binary.SetPosition(0);

    TWinControl* parent = this;
    if (SelectionCount() > 0) {
        auto* reference = As<TWinControl>(Reference());
        if (reference && reference != this) {
            if (reference->ControlStyle().Contains(csAcceptsControls))
                parent = reference;
            else if (reference->Parent())
                parent = reference->Parent();
        }
    }
    binary.ReadInto(this, parent);
    if (FInspector) FInspector->Modified();
    CreateCapsules();
}

void TControlDesigner::PlacePasted(TComponent* AComponent)
{
    auto* control = As<TControl>(AComponent);
    TWinControl* parent = control ? control->Parent() : nullptr;
    if (!parent) return;
    QSet<QPair<int, int>> taken;
    for (int i = 0; i < parent->ControlCount(); ++i) {
        const TControl* other = parent->Controls(i);
        // By identity: the pasted control need not be the last child.
        if (other == control) continue;
        // Only what is designed takes a corner, not the grab handles.
        if (ComponentOfControl(const_cast<TControl*>(other))->Owner() != this) continue;
        taken.insert({other->Left(), other->Top()});
    }
    // Each step leaves one taken corner behind, so there are at most as
    // many steps as corners; a control that will not move ends it early.
    for (qsizetype steps = taken.size(); steps > 0; --steps) {
        const int left = control->Left();
        const int top = control->Top();
        if (!taken.contains({left, top})) return;
        control->SetBounds(SatAdd(left, GridX()), SatAdd(top, GridY()), control->Width(), control->Height());
        if (control->Left() == left && control->Top() == top) return;
    }
}

} // namespace designer_framework
