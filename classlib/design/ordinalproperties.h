#pragma once

// Editors of ordinal properties: integers (in decimal, or hexadecimal after
// $ or 0x), characters, enumerations and the tab order.

#include "classlib/design/propertyeditor.h"

namespace classlib {

class TOrdinalProperty : public TPropertyEditor {
public:
    using TPropertyEditor::TPropertyEditor;
    bool AllEqual() override;
    int GetEditLimit() override;
};

// Values within the type's range only.
class TIntegerProperty : public TOrdinalProperty {
public:
    using TOrdinalProperty::TOrdinalProperty;
    TPropertyAttributes GetAttributes() override;
    QString GetValue() override;
    void SetValue(const QString& Value) override;

protected:
    // Value as an integer of the property's type; EPropertyError when it is
    // no integer or out of the type's range.
    qint64 CheckedInteger(const QString& Value);
};

// A printable character as itself, any other as #code; "#65" and "A" are
// the same character.
class TCharProperty : public TOrdinalProperty {
public:
    using TOrdinalProperty::TOrdinalProperty;
    TPropertyAttributes GetAttributes() override;
    QString GetValue() override;
    void SetValue(const QString& Value) override;
};

// A value list of the enumeration's names.
class TEnumProperty : public TOrdinalProperty {
public:
    using TOrdinalProperty::TOrdinalProperty;
    TPropertyAttributes GetAttributes() override;
    QString GetValue() override;
    void GetValues(const TGetStrProc& Proc) override;
    void SetValue(const QString& Value) override;
};

// Tab orders are unique among siblings: never set for several at once.
class TTabOrderProperty : public TIntegerProperty {
public:
    using TIntegerProperty::TIntegerProperty;
    TPropertyAttributes GetAttributes() override;
};

} // namespace classlib
