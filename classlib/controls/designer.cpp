#include "classlib/controls/designer.h"

#include "classlib/controls/form.h"

namespace classlib {

TDesigner::~TDesigner()
{
    if (FForm && FForm->Designer() == this)
        FForm->SetDesigner(nullptr);
}

} // namespace classlib
