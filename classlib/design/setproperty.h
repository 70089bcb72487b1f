#pragma once

// The editor of set properties: "[a,b]" in the row, and one True/False row
// per element of the set's enumeration.

#include "classlib/design/ordinalproperties.h"

namespace classlib {

class TSetProperty : public TOrdinalProperty {
public:
    using TOrdinalProperty::TOrdinalProperty;
    TPropertyAttributes GetAttributes() override;
    QString GetValue() override;
    // A TSetElementProperty for each element, in the enumeration's order.
    void GetProperties(const TGetPropEditProc& Proc) override;
};

// One element of the parent's set, on the parent's components.
class TSetElementProperty : public TPropertyEditor {
public:
    TSetElementProperty(const TPropertyEditor& Parent, int Element);

    bool AllEqual() override;
    TPropertyAttributes GetAttributes() override;
    QString GetName() override;
    QString GetValue() override;
    void GetValues(const TGetStrProc& Proc) override;
    // "True" or "False" in any case; each component keeps its other
    // elements.
    void SetValue(const QString& Value) override;

    int Element() const { return FElement; }

private:
    bool HasElement(int Index) const;

    int FElement;
};

} // namespace classlib
