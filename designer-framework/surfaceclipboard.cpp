// Cut, copy, paste and delete of the selection.

#include "designer-framework/controldesigner.h"

namespace designer_framework {

using namespace classlib;

void TControlDesigner::CutSelection() {}
void TControlDesigner::CopySelection() {}
void TControlDesigner::DeleteSelection() {}
bool TControlDesigner::CanPaste() { return false; }
void TControlDesigner::PasteFromClipboard() {}
void TControlDesigner::PlacePasted(TComponent*) {}

} // namespace designer_framework
