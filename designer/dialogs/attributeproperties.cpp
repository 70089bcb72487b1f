#include "designer/dialogs/attributeproperties.h"

#include "designer/dialogs/brushdialog.h"
#include "designer/dialogs/framedialog.h"
#include "designer/dialogs/pendialog.h"
#include "designer/dialogs/shadowdialog.h"

#include "runtime/attributes.h"

#include "classlib/controls/application.h"
#include "classlib/graphics/brush.h"
#include "classlib/graphics/pen.h"

#include <memory>

namespace designer {

using namespace classlib;

namespace {

// The dialog's field for the object it edits.
runtime::TQXFrame*& Edited(TfrmFrameProperty& D) { return D.Frame; }
runtime::TQXShadow*& Edited(TfrmShadowProp& D) { return D.Shadow; }
TBrush*& Edited(TfrmPropBrush& D) { return D.Brush; }
TPen*& Edited(TfrmPropPen& D) { return D.Pen; }

} // namespace

template <class Dialog>
TPropertyAttributes TAttributeProperty<Dialog>::GetAttributes()
{
    using enum TPropertyAttribute;
    return {paDialog, paMultiSelect, paReadOnly};
}

template <class Dialog>
void TAttributeProperty<Dialog>::Edit()
{
    using TEdited = std::remove_pointer_t<std::remove_reference_t<decltype(Edited(std::declval<Dialog&>()))>>;
    auto* edited = dynamic_cast<TEdited*>(GetObjValue());
    if (!edited) return;
    const auto dialog = std::make_unique<Dialog>(Application());
    Edited(*dialog) = edited;
    if (dialog->ShowModal() == mrOk) SetObjValue(edited);
}

template class TAttributeProperty<TfrmFrameProperty>;
template class TAttributeProperty<TfrmShadowProp>;
template class TAttributeProperty<TfrmPropBrush>;
template class TAttributeProperty<TfrmPropPen>;

} // namespace designer
