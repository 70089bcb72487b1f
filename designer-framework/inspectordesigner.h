#pragma once

// The designer hook that feeds the object inspector: for each new selection
// it asks for one property editor per property that every selected
// component shares and that the class registry lists for every selected
// class, wraps each in a row, and hands the rows of the All, General and
// Event pages to the inspector window.

#include "designer-framework/extdesigner.h"

#include "classlib/core/componentlist.h"
#include "classlib/core/stringlist.h"
#include "classlib/design/propertyeditor.h"

#include <QVariant>

#include <memory>

namespace designer_framework {

// One row of the inspector; it owns its property editor.
class QX_DESIGNFW_EXPORT TPropItem : public classlib::TObject {
public:
    explicit TPropItem(std::unique_ptr<classlib::TPropertyEditor> AEditor);
    ~TPropItem() override;

    classlib::TPropertyAttributes Attributes;
    QString Name;
    std::unique_ptr<classlib::TPropertyEditor> Editor;
    int EditLimit = 0;
    // Two blanks until it is looked up.
    QString Hint = QStringLiteral("  ");
    bool OnGeneralPage = false;

    QString GetValue();
    // Empty when the selected components hold different values.
    QString GetDisplayValue();
    QString GetTypeName();
    QString GetHint();
};

class QX_DESIGNFW_EXPORT TInspectorDesigner : public TExtDesigner {
public:
    explicit TInspectorDesigner(TInspectorForm* AInspectorForm);
    // The window is handed no rows (nil lists) before the rows go.
    ~TInspectorDesigner() override;

    void SelectionChanged(classlib::TComponentList* List) override;
    bool AcceptsComponent(classlib::TComponent* AComponent) override;
    // Keeps the editor as a row when every selected class lists it.
    void AddProperty(std::unique_ptr<classlib::TPropertyEditor> Editor);

    // The selection last announced (a copy: the surface's list is its own).
    const classlib::TComponentList& Selection() const { return FSelection; }
    classlib::TStringList* AllRows() const { return FAllRows.get(); }
    classlib::TStringList* GeneralRows() const { return FGeneralRows.get(); }
    classlib::TStringList* EventRows() const { return FEventRows.get(); }

private:
    void ClearRows();

    classlib::TComponentList FSelection;
    std::unique_ptr<classlib::TStringList> FAllRows;
    std::unique_ptr<classlib::TStringList> FEventRows;
    std::unique_ptr<classlib::TStringList> FGeneralRows;
};

// A published property by a dotted path ("Font.Name"); nil when absent.
QX_DESIGNFW_EXPORT const classlib::TPropInfo* FindPropInfo(const classlib::TClassInfo* ClassType, const QString& Path);
// The kind and value of a property by path; Kind stays as it was when the
// property is not found.
QX_DESIGNFW_EXPORT void GetPropertyValue(const classlib::TObject* Instance, const QString& Path,
                                         classlib::TTypeKind& Kind, QVariant& Value);
// The class of a class-typed published property; nil when there is none.
QX_DESIGNFW_EXPORT const classlib::TClassInfo* GetPropertyClass(const classlib::TClassInfo* ClassType,
                                                               const QString& PropName);

} // namespace designer_framework
