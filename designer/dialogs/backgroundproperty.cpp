#include "designer/dialogs/backgroundproperty.h"

#include "designer/dialogs/backgroundform.h"

#include "runtime/attributes.h"

#include "classlib/controls/application.h"

#include <memory>

namespace designer {

using namespace classlib;

TPropertyAttributes TBackgroundProperty::GetAttributes()
{
    using enum TPropertyAttribute;
    return {paMultiSelect, paDialog, paReadOnly};
}

void TBackgroundProperty::Edit()
{
    const auto dialog = std::make_unique<TfrmBackground>(Application());
    const auto* current = dynamic_cast<const runtime::TQXBackground*>(GetObjValue());
    if (current) dialog->LoadFromBackground(*current);
    if (dialog->ShowModal() != mrOk) return;
    // Stored into a copy first: a texture that cannot be read leaves every
    // selected background as it was.
    runtime::TQXBackground result;
    if (current) result.Assign(current);
    dialog->StoreToBackground(result);
    SetObjValue(&result);
}

} // namespace designer
