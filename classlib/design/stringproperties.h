#pragma once

// Editors of string properties: plain strings, component names and
// captions.

#include "classlib/design/propertyeditor.h"

namespace classlib {

// A short string takes at most its declared length; a longer text is
// refused rather than cut.
class TStringProperty : public TPropertyEditor {
public:
    using TPropertyEditor::TPropertyEditor;
    bool AllEqual() override;
    TPropertyAttributes GetAttributes() override;
    int GetEditLimit() override;
    QString GetValue() override;
    void SetValue(const QString& Value) override;
};

// Names are unique on a form: one component at a time, identifiers only.
class TComponentNameProperty : public TStringProperty {
public:
    using TStringProperty::TStringProperty;
    TPropertyAttributes GetAttributes() override;
    int GetEditLimit() override;
    void SetValue(const QString& Value) override;
};

// A caption follows the text as it is typed.
class TCaptionProperty : public TStringProperty {
public:
    using TStringProperty::TStringProperty;
    TPropertyAttributes GetAttributes() override;
};

} // namespace classlib
