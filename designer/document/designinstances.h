#pragma once

// The designer-wide single instances: one document, one page designer, one
// paper designer, one paper window and the page window that is open. The
// main window makes them once and they live until the designer goes.

namespace classlib {
class TComponent;
class TWinControl;
}

namespace designer_framework {
class TInspectorForm;
}

namespace designer {

class TReportDescriptor;
class TQXDesigner;
class TPaperDesigner;
class TQXPaper;
class TQXPage;
class TfrmPreview;
class TfrmPages;

extern TReportDescriptor* Document;
extern TQXDesigner* PageDesigner;
extern TPaperDesigner* PaperDesigner;
extern TQXPaper* PaperWindow;
// Replaced whenever another page is opened.
extern TQXPage* PageWindow;
// The window that holds the paper and page windows; nil: they are
// windows of their own.
extern classlib::TWinControl* PaperHost;
// The preview window; nil when there is none.
extern TfrmPreview* Preview;
// The report manager; nil when there is none.
extern TfrmPages* Manager;
// The object inspector; nil when there is none.
extern designer_framework::TInspectorForm* Inspector;

// Makes the instances (each once); the page and paper windows lie in Host.
void CreateDesignInstances(classlib::TComponent* Owner, classlib::TWinControl* Host,
                           designer_framework::TInspectorForm* InspectorForm);
// Frees what CreateDesignInstances made; every pointer is nil after.
void FreeDesignInstances();

// The owner of the instances and of every page window.
classlib::TComponent* InstanceOwner();

// Shows the object inspector and gives it the keys; nothing without one.
void ShowInspector();

} // namespace designer
