#pragma once

#include "classlib/core/typinfo.h"

namespace classlib {

class TFiler;

// An object whose published properties can be streamed and copied.
class TPersistent : public TObject {
    QX_CLASS(TPersistent, TObject)
public:
    // Copies Source into this object. Falls back to Source->AssignTo(this);
    // EConvertError "Cannot assign a %s to a %s" when neither knows how.
    virtual void Assign(const TPersistent* Source);

    // Custom (not published) stored properties, in the order written.
    virtual void DefineProperties(TFiler& Filer);

protected:
    virtual void AssignTo(TPersistent* Dest) const;

private:
    [[noreturn]] void AssignError(const TPersistent* Source) const;
};

} // namespace classlib
