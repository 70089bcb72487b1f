#pragma once

// The host's main window: a component palette holding the report and the
// preview, the source unit's read-only list of handlers, and the commands
// (save, load, run, the package). Beside it stand the one design form and
// the object inspector.

#include "ide/host/package.h"

#include "classlib/controls/form.h"

#include <QString>
#include <QStringList>

#include <memory>

namespace classlib {
class TButton;
class TComponentEditor;
class TListBox;
class TMainMenu;
class TMenuItem;
class TPanel;
class TPopupMenu;
class TStatusBar;
}
namespace runtime {
class TQXPreview;
class TQXReport;
}

namespace idehost {

class THostDesigner;
class THostForm;
class THostInspector;
class TRunForm;
class TSourceUnit;

// The caption of the main window, without the modified mark.
inline constexpr const char* HostTitle = "Tessary Host";

class THostMainWindow : public classlib::TForm {
    QX_CLASS(THostMainWindow, classlib::TForm)
public:
    // PackageName: what Load package loads (a plain name or a path).
    THostMainWindow(classlib::TComponent* AOwner, const QString& PackageName);
    ~THostMainWindow() override;

    THostForm* DesignForm() const { return FForm; }
    THostDesigner* Designer() const { return FDesigner; }
    THostInspector* Inspector() const { return FInspector; }
    TSourceUnit& Unit() const { return *FUnit; }
    TPackage& Package() { return FPackage; }
    classlib::TListBox* SourcePane() const { return FSource; }
    classlib::TPopupMenu* ComponentMenu() const { return FPopup; }

    // The palette: a new component of that class on the form, selected.
    classlib::TComponent* Drop(const QString& ClassName);
    // Shows the component's context menu (its editor's verbs, counted
    // anew); the captions it offers.
    QStringList ShowContextMenu(classlib::TComponent* Component);
    // Chooses a verb of the menu last shown, by caption.
    void ChooseVerb(const QString& Caption);
    // The double click: the component editor's Edit.
    void EditComponent(classlib::TComponent* Component);
    // Deletes the form's selected components (design windows hear first).
    void DeleteSelection();
    void Select(classlib::TComponent* Component);

    void SaveToFile(const QString& FileName);
    void LoadFromFile(const QString& FileName);
    // Reads the saved form back into a run instance, binds its reports'
    // events, prepares the first report and shows its pages.
    void Run(const QString& FileName);
    TRunForm* RunInstance() const { return FRunForm.get(); }
    classlib::TForm* RunWindow() const { return FRunWindow.get(); }

    void LoadPackage(bool InternalRegister);
    void UnloadPackage();
    // Deletes a method from the source unit (as a person deletes its text).
    void DeleteMethod(const QString& Name);

    // Design windows hear that the form closes and the form goes.
    void CloseDesignForm();
    void UpdateCaption();

    // Published handlers.
    void PaletteClick(classlib::TObject* Sender);
    void PopupMenuPopup(classlib::TObject* Sender);
    void VerbClick(classlib::TObject* Sender);
    void SaveClick(classlib::TObject* Sender);
    void LoadClick(classlib::TObject* Sender);
    void RunClick(classlib::TObject* Sender);
    void ExitClick(classlib::TObject* Sender);
    void LoadPackageClick(classlib::TObject* Sender);
    void UnloadPackageClick(classlib::TObject* Sender);
    void DeleteClick(classlib::TObject* Sender);
    void FormCloseQuery(classlib::TObject* Sender, bool& CanClose);

private:
    classlib::TMethod Handler(const char* Name);
    void CreateControls();
    void CreateDesignForm();
    void ShowSource();
    void ResetMenuEditor();

    QString FPackageName;
    QString FFileName;
    std::unique_ptr<TSourceUnit> FUnit;
    THostInspector* FInspector = nullptr;
    THostForm* FForm = nullptr;
    THostDesigner* FDesigner = nullptr;
    TPackage FPackage;
    classlib::TMainMenu* FMenu = nullptr;
    classlib::TPanel* FPalette = nullptr;
    classlib::TListBox* FSource = nullptr;
    classlib::TStatusBar* FStatus = nullptr;
    classlib::TPopupMenu* FPopup = nullptr;
    // The editor whose verbs the menu shows, as its GetVerbCount left it.
    std::unique_ptr<classlib::TComponentEditor> FMenuEditor;
    std::unique_ptr<TRunForm> FRunForm;
    std::unique_ptr<classlib::TForm> FRunWindow;
};

} // namespace idehost
