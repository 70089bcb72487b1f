#pragma once

// Test support for the package: a form designer that records what the
// editors ask of it (the form's methods kept in a map), and report
// documents built in memory.

#include "runtime/report.h"

#include "classlib/controls/form.h"
#include "classlib/core/component.h"
#include "classlib/design/formdesigner.h"
#include "classlib/design/propertyeditor.h"
#include "classlib/design/selectionlist.h"

#include <QByteArray>
#include <QStringList>

#include <map>
#include <memory>
#include <vector>

namespace ide::tests {

class TIdeDesigner : public classlib::TFormDesigner {
public:
    explicit TIdeDesigner(classlib::TComponent* ARoot) : FRoot(ARoot) {}

    int ModifiedCount = 0;
    QStringList Shown;    // ShowMethod
    QStringList Renamed;  // "Old->New"
    // What SetSelections handed over last.
    std::vector<classlib::TPersistent*> Selection;
    int SelectionCount = 0;
    // Each selection handed over: the names of its objects, "," between.
    QStringList SelectionLog;
    std::map<QString, std::unique_ptr<classlib::TMethodInfo>> Methods;
    // A method the form's source no longer has.
    void DeleteMethod(const QString& Name) { Methods.erase(Name.toUpper()); }

    bool IsDesignMsg(classlib::TControl*, classlib::TMessage&) override { return false; }
    void Modified() override { ++ModifiedCount; }
    void Notification(classlib::TComponent*, classlib::TOperation) override {}
    void PaintGrid() override {}
    void ValidateRename(classlib::TComponent*, const QString&, const QString&) override {}

    classlib::TMethod CreateMethod(const QString& Name, const classlib::TTypeInfo* TypeData) override;
    QString GetMethodName(const classlib::TMethod& Method) override;
    void GetMethods(const classlib::TTypeInfo* TypeData, const classlib::TGetStrProc& Proc) override;
    QString GetPrivateDirectory() override { return {}; }
    void GetSelections(classlib::TDesignerSelectionList*) override {}
    bool MethodExists(const QString& Name) override { return Methods.count(Name.toUpper()) != 0; }
    void RenameMethod(const QString& CurName, const QString& NewName) override;
    void SelectComponent(classlib::TComponent*) override {}
    void SetSelections(classlib::TDesignerSelectionList* List) override;
    void ShowMethod(const QString& Name) override { Shown << Name; }
    QString UniqueName(const QString& BaseName) override { return BaseName + "1"; }
    void GetComponentNames(const classlib::TTypeInfo*, const classlib::TGetStrProc&) override {}
    classlib::TComponent* GetComponent(const QString& Name) override { return FRoot->FindComponent(Name); }
    QString GetComponentName(classlib::TComponent* C) override { return C ? C->Name() : QString(); }
    classlib::TPersistent* GetObject(const QString&) override { return nullptr; }
    QString GetObjectName(classlib::TPersistent*) override { return {}; }
    void GetObjectNames(const classlib::TTypeInfo*, const classlib::TGetStrProc&) override {}
    bool MethodFromAncestor(const classlib::TMethod&) override { return false; }
    classlib::TComponent* CreateComponent(const classlib::TClassInfo&, classlib::TComponent*, int, int, int,
                                          int) override
    {
        return nullptr;
    }
    bool IsComponentLinkable(classlib::TComponent*) override { return true; }
    void MakeComponentLinkable(classlib::TComponent*) override {}
    classlib::TComponent* GetRoot() override { return FRoot; }
    void Revert(classlib::TPersistent*, const classlib::TPropInfo*) override {}
    bool GetIsDormant() override { return false; }
    bool HasInterface() override { return false; }
    bool HasInterfaceMember(const QString&) override { return false; }
    void AddInterfaceMember(const QString&) override {}

private:
    classlib::TComponent* FRoot;
};

// Page1: the band BandNames holding Label1, the shape Shape1, the paint box
// PaintBox1 and the panel Panel1; Page2: Label2. Its page order names both.
QByteArray SampleDocument();
// Pages "Page1".. each with Elements labels.
QByteArray LargeDocument(int Pages, int Elements);
// Reads a whole document into the report.
void Load(runtime::TQXReport& Report, const QByteArray& Document);
// The report's stored form: document and events, for byte comparisons.
QByteArray StoredForm(runtime::TQXReport& Report);

// A form with a report Report1 on it and its designer.
struct TIdeForm {
    TIdeForm();
    ~TIdeForm();
    std::unique_ptr<classlib::TForm> Form;
    runtime::TQXReport* Report;
    std::unique_ptr<TIdeDesigner> Designer;
};

// Pages "Good" and "Bad", the second's stream damaged: the document reads,
// the page does not.
QByteArray DocumentWithBadPage();

// Lets posted events (deferred frees, timers of 0) run.
void Settle();

} // namespace ide::tests

namespace ide::tests {

// The package registered as the host registers it, taken back at the end.
class TRegisteredPackage {
public:
    explicit TRegisteredPackage(bool Internal = false);
    ~TRegisteredPackage();
    TRegisteredPackage(const TRegisteredPackage&) = delete;
    TRegisteredPackage& operator=(const TRegisteredPackage&) = delete;
};

// The editor of property Name of Object, as the inspector makes it.
std::unique_ptr<classlib::TPropertyEditor> EditorOf(classlib::TObject* Object, const QString& Name,
                                                    classlib::TFormDesigner* Designer);
// The published property names of Object's class, in order.
QStringList PublishedNames(const classlib::TObject& Object);

} // namespace ide::tests

#include "classlib/tests/tempconfig.h"

#include <QTemporaryDir>

#include <optional>

namespace ide::tests {

// Settings in a folder of the test's own, and the stand-in designer
// library in a folder that "Binary Path" names. Mode tells the stand-in
// what to do with the file ("keep", "delete", "garbage", "copy:<path>").
class TCoreStub {
public:
    explicit TCoreStub(const QString& Mode = QStringLiteral("keep"));
    ~TCoreStub();

    void SetMode(const QString& Mode);
    // nullopt deletes the value.
    static void SetBinaryPath(const std::optional<QString>& Value);
    QString Folder() const { return FTemp.filePath(QStringLiteral("bin")); }
    QString TempPath(const QString& Name) const { return FTemp.filePath(Name); }
    // The runtime folder the exchange folders are made in while the object
    // lives (XDG_RUNTIME_DIR).
    QString RuntimeFolder() const { return FTemp.filePath(QStringLiteral("run")); }
    // The logged calls: "<file> <existed> <embedded> <splash> <folder mode>".
    QStringList Calls() const;
    // The exchange file of the last call.
    QString LastFile() const;

private:
    classlib::test::TTempConfig FConfig;
    QTemporaryDir FTemp;
    bool FHadRuntime;
    QByteArray FOldRuntime;
};

} // namespace ide::tests
