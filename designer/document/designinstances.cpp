#include "designer/document/designinstances.h"

#include "designer/document/document.h"
#include "designer/document/page.h"
#include "designer/document/pagedesigner.h"
#include "designer/document/paper.h"
#include "designer/preview/previewwindow.h"
#include "designer/manager/reportmanager.h"

#include "designer-framework/inspectorform.h"

#include "classlib/controls/form.h"

namespace designer {

TReportDescriptor* Document = nullptr;
TQXDesigner* PageDesigner = nullptr;
TPaperDesigner* PaperDesigner = nullptr;
TQXPaper* PaperWindow = nullptr;
TQXPage* PageWindow = nullptr;
classlib::TWinControl* PaperHost = nullptr;
TfrmPreview* Preview = nullptr;
TfrmPages* Manager = nullptr;
designer_framework::TInspectorForm* Inspector = nullptr;

namespace {
classlib::TComponent* Owner = nullptr;
}

classlib::TComponent* InstanceOwner()
{
    return Owner;
}

void CreateDesignInstances(classlib::TComponent* AOwner, classlib::TWinControl* Host,
                           designer_framework::TInspectorForm* InspectorForm)
{
    if (Document) return;
    Owner = AOwner;
    PaperHost = Host;
    Inspector = InspectorForm;
    Document = new TReportDescriptor(AOwner);
    PageDesigner = new TQXDesigner(InspectorForm);
    PaperDesigner = new TPaperDesigner(InspectorForm);
    PaperWindow = new TQXPaper(AOwner);
    if (Host) PaperWindow->SetParentWidget(Host->Widget());
    PaperWindow->SetInspector(PaperDesigner);
    PaperWindow->Show();
}

void FreeDesignInstances()
{
    // The windows let go of the designers, which outlive them.
    if (PageWindow) {
        PageWindow->SetDesigner(nullptr);
        if (PaperWindow) PaperWindow->SetPage(nullptr);
        delete PageWindow;
        PageWindow = nullptr;
    }
    if (PaperWindow) {
        PaperWindow->SetDesigner(nullptr);
        delete PaperWindow;
        PaperWindow = nullptr;
    }
    delete PageDesigner;
    PageDesigner = nullptr;
    delete PaperDesigner;
    PaperDesigner = nullptr;
    delete Manager;
    Manager = nullptr;
    delete Preview;
    Preview = nullptr;
    delete Document;
    Document = nullptr;
    PaperHost = nullptr;
    Inspector = nullptr;
    Owner = nullptr;
}

void ShowInspector()
{
    if (!Inspector) return;
    // Shown, it is the active window, and its editor has the keys.
    Inspector->Show();
}

} // namespace designer
