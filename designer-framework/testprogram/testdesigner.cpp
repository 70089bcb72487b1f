#include "designer-framework/testprogram/testdesigner.h"

#include "designer-framework/inspectorform.h"

namespace designer_framework::testprogram {

void TTestDesigner::SelectionChanged(classlib::TComponentList* List)
{
    if (TInspectorForm* form = InspectorForm()) form->ShowSelection(List);
}

} // namespace designer_framework::testprogram
