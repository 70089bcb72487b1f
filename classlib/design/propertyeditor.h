#pragma once

// Property editors: how the object inspector shows and changes one published
// property of the selected components. An editor holds the property of each
// selected component (one entry per component, all of the same name and
// type), reads the first component's value and writes every component's.
// Every change goes through the Set* helpers, which tell the designer.

#include "classlib/core/streamformat.h"
#include "classlib/core/sysutils.h"
#include "classlib/core/typinfo.h"
#include "classlib/design/formdesigner.h"

#include <QString>

#include <functional>
#include <memory>
#include <vector>

namespace classlib {

class TPropertyEditor;

// A value the editor refuses, raised by SetValue before anything changed.
class EPropertyError : public Exception {
public:
    using Exception::Exception;
};

enum class TPropertyAttribute {
    paValueList,      // GetValues offers the values
    paSubProperties,  // GetProperties offers rows of its own
    paDialog,         // Edit opens a dialog
    paMultiSelect,    // shown when several components are selected
    paAutoUpdate,     // SetValue after every change of the text
    paSortList,       // the values are shown sorted
    paReadOnly,       // the text cannot be typed
    paRevertable,     // the value can be set back to the inherited one
};
using TPropertyAttributes = TSet<TPropertyAttribute>;

// Receives each editor that an enumeration makes, and owns it from then on.
using TGetPropEditProc = std::function<void(std::unique_ptr<TPropertyEditor> Editor)>;

class TPropertyEditor : public TObject {
public:
    TPropertyEditor(TFormDesigner* ADesigner, int APropCount);
    ~TPropertyEditor() override;

    // The property of one selected component; the enumeration sets entries
    // 0 .. PropCount - 1 before it hands the editor over.
    void SetPropEntry(int Index, TObject* Instance, const TPropInfo* PropInfo);

    virtual TPropertyAttributes GetAttributes();
    // Longest text the value field accepts.
    virtual int GetEditLimit();
    virtual QString GetName();
    virtual QString GetValue();
    // A text that is not accepted raises EPropertyError and changes nothing.
    virtual void SetValue(const QString& Value);
    virtual void GetValues(const TGetStrProc& Proc);
    virtual void GetProperties(const TGetPropEditProc& Proc);
    // The double click or the dialog button; without a dialog it steps to
    // the next of GetValues, wrapping from the last to the first.
    virtual void Edit();
    // True when every selected component holds the same value.
    virtual bool AllEqual();
    // Called once all entries are set, before the editor is handed over.
    virtual void Initialize();

    TFormDesigner* Designer() const { return FDesigner; }
    int PropCount() const { return int(FEntries.size()); }
    TObject* GetComponent(int Index) const;
    const TPropInfo* GetPropInfo() const;
    const TTypeInfo* GetPropType() const;
    // The value when all selected components agree, else empty.
    QString GetVisualValue();

    // Values of the first component, or of the component at Index.
    qint64 GetOrdValue() const { return GetOrdValueAt(0); }
    qint64 GetOrdValueAt(int Index) const;
    long double GetFloatValue() const { return GetFloatValueAt(0); }
    long double GetFloatValueAt(int Index) const;
    QString GetStrValue() const { return GetStrValueAt(0); }
    QString GetStrValueAt(int Index) const;
    TObject* GetObjValue() const { return GetObjValueAt(0); }
    TObject* GetObjValueAt(int Index) const;
    TMethod GetMethodValue() const { return GetMethodValueAt(0); }
    TMethod GetMethodValueAt(int Index) const;

    // Set the value of every selected component, then Modified.
    void SetOrdValue(qint64 Value);
    void SetFloatValue(long double Value);
    void SetStrValue(const QString& Value);
    void SetObjValue(TObject* Value);
    void SetMethodValue(const TMethod& Value);

    // Tells the designer that the selection changed.
    void Modified();

protected:
    struct TInstProp {
        TObject* Instance = nullptr;
        const TPropInfo* PropInfo = nullptr;
    };
    const TInstProp& Entry(int Index) const;
    // Runs Set on every entry, then Modified; EPropertyError when the
    // property cannot be written.
    void SetEach(const std::function<void(TObject& Instance, const TPropInfo& Prop)>& Set);

    // An editor of the same properties as Parent (the rows of a set's
    // elements).
    struct TNested {};
    TPropertyEditor(TNested, const TPropertyEditor& Parent);

private:
    TFormDesigner* FDesigner;
    std::vector<TInstProp> FEntries;
};

// Creates an editor of one class for PropCount components.
using TPropertyEditorClass = std::unique_ptr<TPropertyEditor> (*)(TFormDesigner* ADesigner, int APropCount);

template <class T>
std::unique_ptr<TPropertyEditor> CreatePropertyEditor(TFormDesigner* ADesigner, int APropCount)
{
    return std::make_unique<T>(ADesigner, APropCount);
}

// The editor class of T: RegisterPropertyEditor(..., PropertyEditorClass<TFooProperty>()).
template <class T>
constexpr TPropertyEditorClass PropertyEditorClass()
{
    return &CreatePropertyEditor<T>;
}

// Messages the editors raise besides SInvalidPropertyValue.
inline constexpr char SOutOfRange[] = "Value must be between %d and %d";

} // namespace classlib
