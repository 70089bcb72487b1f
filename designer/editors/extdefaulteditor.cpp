#include "designer/editors/extdefaulteditor.h"

#include "designer/document/designinstances.h"

namespace designer {

void TExtDefaultEditor::Edit()
{
    ShowInspector();
}

} // namespace designer
