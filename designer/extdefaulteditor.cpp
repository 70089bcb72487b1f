#include "designer/extdefaulteditor.h"

#include "designer/designinstances.h"

namespace designer {

void TExtDefaultEditor::Edit()
{
    ShowInspector();
}

} // namespace designer
