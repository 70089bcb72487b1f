#include "classlib/design/pictureproperty.h"

#include "classlib/controls/pictureeditor.h"
#include "classlib/graphics/picture.h"

namespace classlib {

TPropertyAttributes TPictureProperty::GetAttributes()
{
    using enum TPropertyAttribute;
    return {paMultiSelect, paDialog, paReadOnly};
}

void TPictureProperty::Edit()
{
    TPicture picture;
    if (const TPicture* current = As<TPicture>(GetObjValue()))
        picture.Assign(current);
    if (EditPicture(&picture))
        SetObjValue(&picture);
}

} // namespace classlib
