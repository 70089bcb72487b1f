#pragma once

// The inspector's editors of the frame, shadow, brush and pen of the
// elements: "(TQXFrame)" and the like, and a dialog behind the "..."
// button. The dialog edits the first selected component's object; on OK
// that object goes to the setter of every selected component, which
// copies it.

#include "classlib/design/classproperty.h"

namespace designer {

// Dialog: a form with a field of the edited object's type, named as below.
template <class Dialog>
class TAttributeProperty : public classlib::TClassProperty {
public:
    using TClassProperty::TClassProperty;
    classlib::TPropertyAttributes GetAttributes() override;
    void Edit() override;
};

class TfrmFrameProperty;
class TfrmShadowProp;
class TfrmPropBrush;
class TfrmPropPen;

class TFrameProperty : public TAttributeProperty<TfrmFrameProperty> {
public:
    using TAttributeProperty::TAttributeProperty;
};
class TShadowProperty : public TAttributeProperty<TfrmShadowProp> {
public:
    using TAttributeProperty::TAttributeProperty;
};
class TBrushProperty : public TAttributeProperty<TfrmPropBrush> {
public:
    using TAttributeProperty::TAttributeProperty;
};
class TPenProperty : public TAttributeProperty<TfrmPropPen> {
public:
    using TAttributeProperty::TAttributeProperty;
};

} // namespace designer
