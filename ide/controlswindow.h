#pragma once

// The "Controls" pseudo-property of the report: a tool window listing the
// pages of the report's document and their elements. Selecting an entry
// hands its stub to the form's designer, so the object inspector shows the
// element's events. One window per report; it follows the report's
// changes and closes when the report or its form goes.

#include "classlib/design/classproperty.h"
#include "classlib/design/designwindow.h"

#include <memory>

namespace classlib {
class TImageList;
class TStatusBar;
class TTreeNode;
class TTreeView;
}

namespace runtime {
class TQXLink;
class TQXReport;
}

namespace ide {

class TQXPaper_;

// The registry key under which the window keeps its place.
inline constexpr const char* ControlsKey = "\\Software\\Vorn\\Tessary\\1.12\\Delphi\\Controls";

class TfrmPropControls : public classlib::TDesignWindow {
    QX_CLASS(TfrmPropControls, classlib::TDesignWindow)
public:
    explicit TfrmPropControls(classlib::TComponent* AOwner);
    ~TfrmPropControls() override;

    runtime::TQXReport* Report() const { return FReport; }
    // Links the window to Value (and hears of its going); nil lets go.
    void SetReport(runtime::TQXReport* Value);

    void ComponentDeleted(classlib::TPersistent* Item) override;
    void FormClosed(classlib::TForm* AForm) override;
    void FormModified() override;
    QString UniqueName(classlib::TComponent* Component) override;
    void Notification(classlib::TComponent* AComponent, classlib::TOperation Operation) override;

    void UpdateCaption();
    // Rebuilds the tree from the report's document; a page that cannot be
    // read raises.
    void ReportToView();
    void PaperToItems(std::unique_ptr<TQXPaper_> PageStub);
    // Selects the report in the designer (the inspector may show a stub),
    // then frees the stubs and empties the tree.
    void ResetView();

    classlib::TTreeView* tvwControls = nullptr;
    classlib::TStatusBar* sbrBottom = nullptr;
    classlib::TImageList* imlControls = nullptr;

    void FormShow(classlib::TObject* Sender);
    void FormClose(classlib::TObject* Sender, classlib::TCloseAction& Action);
    void FormActivate(classlib::TObject* Sender);
    void tvwControlsChange(classlib::TObject* Sender, classlib::TTreeNode* Node);

private:
    classlib::TMethod Handler(const char16_t* Name);
    // The link's OnChange: a page that cannot be read is shown in the
    // status bar, never raised into the report's run.
    void ReportChange(runtime::TQXReport* Report);
    // Lets go of the report: no link, no notification.
    void ForgetReport();

    runtime::TQXReport* FReport = nullptr;
    std::unique_ptr<runtime::TQXLink> FLink;
};

class TQXControlsProperty : public classlib::TClassProperty {
public:
    using TClassProperty::TClassProperty;
    classlib::TPropertyAttributes GetAttributes() override;
    void Edit() override;
};

// The controls window of Report (any one for nil), or nil.
TfrmPropControls* FindControlsEditor(runtime::TQXReport* Report);
// Closes and frees that window, if there is one.
void DOCloseControlsEditor(runtime::TQXReport* Report);
// Closes Window and frees it at once.
void CloseControlsWindow(TfrmPropControls* Window);

namespace Fprctrl {
// Registers the property editor and installs DOCloseControlsEditor as the
// procedure that closes a report's controls window.
void Register();
} // namespace Fprctrl

} // namespace ide
