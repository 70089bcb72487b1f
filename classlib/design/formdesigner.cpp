#include "classlib/design/formdesigner.h"

namespace classlib {

TFormDesigner::~TFormDesigner() = default;

} // namespace classlib
