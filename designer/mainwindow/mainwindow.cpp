#include "designer/mainwindow/mainwindow.h"

#include "designer/document/designinstances.h"
#include "designer/controls/statusbars.h"
#include "designer/document/document.h"
#include "designer/controls/marker.h"
#include "designer/document/page.h"
#include "designer/document/pagedesigner.h"
#include "designer/document/paper.h"
#include "designer/preview/previewwindow.h"
#include "designer/editors/registration.h"
#include "designer/manager/reportmanager.h"
#include "designer/controls/ruler.h"
#include "designer/document/designstate.h"
#include "designer/libraries/wqxui.h"

#include "designer-framework/alignpalette.h"
#include "designer-framework/inspectorwindow.h"

#include "classlib/controls/application.h"
#include "classlib/controls/dialogs.h"
#include "classlib/controls/menus.h"
#include "classlib/controls/pagecontrol.h"
#include "classlib/controls/screen.h"
#include "classlib/controls/scrollbox.h"
#include "classlib/controls/sizeconstraints.h"
#include "classlib/controls/statusbar.h"
#include "classlib/controls/toolbar.h"
#include "classlib/core/classbuilder.h"
#include "classlib/core/sysutils.h"

#include <QFile>
#include <QWidget>

namespace designer {

using namespace classlib;
using designer_framework::TfrmAlign;
using designer_framework::TfrmInspector;

const TClassInfo& TfrmMain::StaticClass()
{
    using F = TfrmMain;
    static const TClassInfo& info = TClassBuilder<TfrmMain>("TfrmMain")
                                        .Method("FormShow", &F::FormShow)
                                        .Method("FormCloseQuery", &F::FormCloseQuery)
                                        .Method("FormKeyDown", &F::FormKeyDown)
                                        .Method("mmiCloseClick", &F::mmiCloseClick)
                                        .Method("mmiNewClick", &F::mmiNewClick)
                                        .Method("mmiPrintClick", &F::mmiPrintClick)
                                        .Method("mmiPreviewClick", &F::mmiPreviewClick)
                                        .Method("mmiReportManClick", &F::mmiReportManClick)
                                        .Method("mmiNewPageClick", &F::mmiNewPageClick)
                                        .Method("mmiDeletePageClick", &F::mmiDeletePageClick)
                                        .Method("mmiOpenClick", &F::mmiOpenClick)
                                        .Method("mmiSaveClick", &F::mmiSaveClick)
                                        .Method("mmiSaveAsClick", &F::mmiSaveAsClick)
                                        .Method("mmiSaveCopyClick", &F::mmiSaveCopyClick)
                                        .Method("RecentClick", &F::RecentClick)
                                        .Method("mmiEditClick", &F::mmiEditClick)
                                        .Method("mnuPaperPopup", &F::mnuPaperPopup)
                                        .Method("mmiCutClick", &F::mmiCutClick)
                                        .Method("mmiCopyClick", &F::mmiCopyClick)
                                        .Method("mmiPasteClick", &F::mmiPasteClick)
                                        .Method("mmiDeleteClick", &F::mmiDeleteClick)
                                        .Method("mmiAlignToGridClick", &F::mmiAlignToGridClick)
                                        .Method("mmiBringToFrontClick", &F::mmiBringToFrontClick)
                                        .Method("mmiSendToBackClick", &F::mmiSendToBackClick)
                                        .Method("mmiPrintOrderClick", &F::mmiPrintOrderClick)
                                        .Method("mmiSchemeClick", &F::mmiSchemeClick)
                                        .Method("mmiPageClick", &F::mmiPageClick)
                                        .Method("PageClick", &F::PageClick)
                                        .Method("InspectClick", &F::InspectClick)
                                        .Method("mmiPaperClick", &F::mmiPaperClick)
                                        .Method("mmiOptionsClick", &F::mmiOptionsClick)
                                        .Method("mmiHelpTopicsClick", &F::mmiHelpTopicsClick)
                                        .Method("mmiAboutClick", &F::mmiAboutClick)
                                        .Method("mmiInspectorClick", &F::mmiInspectorClick)
                                        .Method("mmiAlignClick", &F::mmiAlignClick)
                                        .Method("mmiMainFormClick", &F::mmiMainFormClick)
                                        .Method("mmiViewClick", &F::mmiViewClick)
                                        .Method("ZoomClick", &F::ZoomClick)
                                        .Method("ZoomInClick", &F::ZoomInClick)
                                        .Method("ZoomOutClick", &F::ZoomOutClick)
                                        .Method("mnuZoomPopup", &F::mnuZoomPopup)
                                        .Method("mnuToolbarsPopup", &F::mnuToolbarsPopup)
                                        .Method("ToggleStandard", &F::ToggleStandard)
                                        .Method("TogglePalette", &F::TogglePalette)
                                        .Method("ToggleRuler", &F::ToggleRuler)
                                        .Method("ToggleStatusbar", &F::ToggleStatusbar)
                                        .Method("PaletteClick", &F::PaletteClick)
                                        .Method("PaletteMouseDown", &F::PaletteMouseDown)
                                        .Method("PageMouseDown", &F::PageMouseDown)
                                        .Method("ComponentMenuClick", &F::ComponentMenuClick)
                                        .Method("PageCreate", &F::PageCreate)
                                        .Method("DocumentChanged", &F::DocumentChanged)
                                        .Method("PageDesignerModified", &F::PageDesignerModified)
                                        .Method("PaperChange", &F::PaperChange)
                                        .Method("sbrPaperResize", &F::sbrPaperResize)
                                        .Method("MarkerMove", &F::MarkerMove)
                                        .Method("RulerMarker", &F::RulerMarker)
                                        .Method("sbrBottomResize", &F::sbrBottomResize)
                                        .Method("sbrBottomDrawPanel", &F::sbrBottomDrawPanel)
                                        .Method("ApplicationHint", &F::ApplicationHint)
                                        .Method("ActiveFormChange", &F::ActiveFormChange)
                                        .Build();
    return info;
}

TMethod TfrmMain::Handler(const char16_t* Name)
{
    return TMethod{StaticClass().FindMethod(Name), this};
}

TfrmMain::TfrmMain(TComponent* AOwner) : TForm(AOwner)
{
    SetName(QStringLiteral("frmMain"));
    SetCaption(QStringLiteral("Tessary"));
    SetHelpContext(100);
    SetBounds(0, 0, 780, 560);
    SetKeyPreview(true);
    // The window never gets smaller than 200 x 200.
    Constraints()->SetMinWidth(200);
    Constraints()->SetMinHeight(200);
    CreateMenus();
    CreatePopups();
    CreateImages();
    CreateToolBars();
    CreateWorkArea();
    OnShow = Handler(u"FormShow");
    OnCloseQuery = Handler(u"FormCloseQuery");
    OnKeyDown = Handler(u"FormKeyDown");

    TopLeftMarker = new TQXMarker(this);
    TopLeftMarker->SetParent(sbrPaper);
    TopLeftMarker->OnMove = Handler(u"MarkerMove");
    BottomRightMarker = new TQXMarker(this);
    BottomRightMarker->SetParent(sbrPaper);

    FOldHint = Application()->OnHint;
    Application()->OnHint = Handler(u"ApplicationHint");
    FOldActiveFormChange = Screen()->OnActiveFormChange;
    Screen()->OnActiveFormChange = Handler(u"ActiveFormChange");
    FOldException = Application()->OnException;
    Application()->OnException = [](TObject*, const Exception& E) {
        HideSplash();
        Application()->ShowException(E);
    };
    // Every drop-down part works here: the common controls are never older.
    TopRuler->SetValue(3, sbrPaper->Left());
}

TfrmMain::~TfrmMain()
{
    FDestroying = true;
    // No later event reaches a freed window.
    Application()->OnHint = FOldHint;
    Screen()->OnActiveFormChange = FOldActiveFormChange;
    Application()->OnException = FOldException;
    // The page and paper windows lie in sbrPaper: they go before it does,
    // and the designers before the inspector they report to.
    FreeDesignInstances();
    delete FInspector;
    delete FAlign;
    DoDestroy();
}

void TfrmMain::FormShow(TObject*)
{
    if (FShown) return;
    FShown = true;
    if (Embedded && FileName.isEmpty()) Embedded = false;
    Recent.Clear();
    Manager = new TfrmPages(nullptr);
    Preview = new TfrmPreview(nullptr);
    FAlign = new TfrmAlign(nullptr);
    FInspector = new TfrmInspector(nullptr);
    // This window runs modally: a tool window takes input only as its own.
    for (TForm* tool : std::initializer_list<TForm*>{Manager, Preview, FAlign, FInspector})
        tool->Widget()->setParent(Widget(), tool->Widget()->windowFlags());
    FInspector->TabEvent->SetTabVisible(false);
    CreateDesignInstances(Application(), sbrPaper, FInspector);
    Document->OnPageCreate = Handler(u"PageCreate");
    Document->OnChange = Handler(u"DocumentChanged");
    Manager->Document = Document;
    PageDesigner->SetAlignForm(FAlign);
    PageDesigner->OnModified = Handler(u"PageDesignerModified");
    RegisterDesignerComponents();
    PaperWindow->OnChange = Handler(u"PaperChange");
    PaperWindow->SetPopupMenu(mnuPrinter);
    BuildPalette();
    FitStatusBar(sbrBottom);
    LoadSettings();
    // The toolbars' switches follow the stored checks before the new
    // document's captions read them back.
    ApplyViewOptions();
    NewReport();
    ApplyViewOptions();
    RebuildRecentMenus();
    UpdateCaptions();
    if (Embedded) ConfigureEmbedded();
    PostMessage(this, WM_OPENDOCUMENT);
}

void TfrmMain::Dispatch(TMessage& Message)
{
    if (Message.Msg != WM_OPENDOCUMENT) {
        TForm::Dispatch(Message);
        return;
    }
    Repaint();
    // A file that fails to open is shown; the designer stays open.
    CallGuarded(this, [this] { OpenDocumentFile(); });
    HideSplash();
}

void TfrmMain::OpenDocumentFile()
{
    if (FileName.isEmpty()) return;
    // Embedded, a missing file is a new document.
    if (Embedded && !QFile::exists(FileName)) return;
    OpenReport(FileName);
    UpdateCaptions();
}

void TfrmMain::ConfigureEmbedded()
{
    for (TMenuItem* item : {mmiNew, mmiOpen, mmiSave, mmiSaveAs, mmiClose}) {
        item->SetVisible(false);
        item->SetEnabled(false);
    }
    mmiReturn->SetVisible(true);
    mmiSaveCopy->SetVisible(true);
    for (TToolButton* button : {tbnNew, tbnOpen, tbnSave, tbnModes}) button->SetVisible(false);
    UpdateCaptions();
}

void TfrmMain::FormCloseQuery(TObject*, bool& CanClose)
{
    QuerySave();
    // Settings that cannot be stored are reported; the window closes anyway.
    try {
        SaveSettings();
    } catch (...) {
        Application()->HandleException(this);
    }
    CanClose = true;
}

void TfrmMain::QuerySave()
{
    if (!Document || !Document->GetModified()) return;
    if (Embedded) {
        switch (MessageDlg(QStringLiteral("Do you want to save changes?"), mtConfirmation, {mbYes, mbNo, mbCancel})) {
        case mrYes: SaveReportAs(FileName); break;
        case mrNo:
            // The caller finds no file and keeps its own document.
            if (QFile::exists(FileName) && !QFile::remove(FileName))
                throw Exception(QStringLiteral("Cannot delete %1").arg(FileName));
            break;
        default: Abort();
        }
        return;
    }
    switch (MessageDlg(QStringLiteral("Do you want to save changes to %1?").arg(Document->GetTitle()), mtConfirmation,
                       {mbYes, mbNo, mbCancel})) {
    case mrYes: mmiSaveClick(this); break;
    case mrNo: break;
    default: Abort();
    }
}

void TfrmMain::FormKeyDown(TObject*, unsigned& Key, TShiftState Shift)
{
    if (PageWindow) PageWindow->FormKeyDown(PageWindow, Key, Shift);
}

void TfrmMain::mmiCloseClick(TObject*)
{
    Close();
}

void TfrmMain::mmiMainFormClick(TObject*)
{
    SetFocus();
}

void TfrmMain::ToggleToolWindow(TForm* Window)
{
    if (!Window) return;
    if (Screen()->ActiveForm() == Window) {
        Window->Hide();
    } else {
        Window->Show();
        if (Window->WindowState() == wsMinimized) Window->SetWindowState(wsNormal);
    }
    UpdateCaptions();
}

void TfrmMain::mmiInspectorClick(TObject*)
{
    ToggleToolWindow(FInspector);
}

void TfrmMain::mmiAlignClick(TObject*)
{
    ToggleToolWindow(FAlign);
}

void TfrmMain::UpdateCaptions()
{
    UpdateZoom();
    // The marks follow the windows as they show.
    mmiInspector->SetChecked(FInspector && FInspector->Showing());
    mmiAlign->SetChecked(FAlign && FAlign->Showing());
    mmiPreview->SetChecked(Preview && Preview->Showing());
    mmiReportMan->SetChecked(Manager && Manager->Showing());
    mmiStatusbar->SetChecked(sbrBottom->Visible());
    pmiStatusbar->SetChecked(sbrBottom->Visible());
    mmiPalette->SetChecked(tbrComponents->Tag() == 0);
    pmiPalette->SetChecked(tbrComponents->Tag() == 0);
    mmiStandard->SetChecked(tbrStandard->Tag() == 0);
    pmiStandard->SetChecked(tbrStandard->Tag() == 0);
    if (Embedded || !Document)
        SetCaption(QStringLiteral("Tessary"));
    else
        SetCaption(QStringLiteral("Tessary - ") + Document->GetTitle());
    // The document's name: while a page is being renamed the document has
    // the new one before the page window does.
    if (PageWindow && Document && Document->CurrentPage() >= 0)
        sbrBottom->Panels()->Items(1)->SetText(Document->GetPageName(Document->CurrentPage()));
}

void TfrmMain::DocumentChanged(TObject*)
{
    if (Manager) {
        Manager->RefreshView();
        Manager->LoadPageOrder(Document->PageOrder());
    }
    RunAutoPreview();
    UpdateCaptions();
}

void TfrmMain::PageDesignerModified(TObject*)
{
    if (Preview) Preview->SetOutOfDate(true);
    if (Manager) Manager->RefreshView();
    RunAutoPreview();
}

void TfrmMain::RunAutoPreview()
{
    if (AutoPreview && Preview && Preview->Showing() && Document && Document->Ready) Preview->RefreshPreview();
}

void TfrmMain::mmiPreviewClick(TObject*)
{
    ToggleToolWindow(Preview);
    if (Preview) Preview->RefreshPreview();
}

void TfrmMain::mmiReportManClick(TObject*)
{
    ToggleToolWindow(Manager);
}

void TfrmMain::mmiPrintClick(TObject*)
{
    if (Preview) Preview->PrintReport();
}

void TfrmMain::ActiveFormChange(TObject*)
{
    // Only page forms keep their names: the inspector's chooser lists
    // named forms, and the designer's own windows are not elements.
    for (int i = 0; i < Screen()->FormCount(); ++i) {
        TForm* form = Screen()->Forms(i);
        if (!dynamic_cast<TQXPage*>(form) && !form->Name().isEmpty()) form->SetName(QString());
    }
}

} // namespace designer
