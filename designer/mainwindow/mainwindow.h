#pragma once

// The designer's main window: the menus, the Standard and component tool
// bars, the rulers around the paper's scroll area and the status bar. It
// makes the tool windows and the designer-wide instances when first shown
// and frees them when it goes; QXActivate runs it modally.

#include "classlib/controls/form.h"
#include "classlib/core/stringlist.h"
#include "classlib/core/sysutils.h"

#include <QList>
#include <QPointer>
#include <QWidget>

#include <functional>

namespace classlib {
class TCoolBar;
class TImageList;
class TMainMenu;
class TMenuItem;
class TOpenDialog;
class TPopupMenu;
class TSaveDialog;
class TScrollBox;
class TStatusBar;
class TStatusPanel;
class TToolBar;
class TToolButton;
class TPanel;
}

namespace designer_framework {
class TfrmAlign;
class TfrmInspector;
}

namespace designer {

class TQXMarker;
class TQXRuler;

// The message the main window posts itself to open its document once shown.
inline constexpr unsigned WM_OPENDOCUMENT = 0x0400 + 1;

class TfrmMain : public classlib::TForm {
    QX_CLASS(TfrmMain, classlib::TForm)
public:
    explicit TfrmMain(classlib::TComponent* AOwner);
    ~TfrmMain() override;

    // The element class the next click on the page inserts; nil: select.
    const classlib::TClassInfo* InsertClass = nullptr;
    // Insertion stays on after an insertion.
    bool StickyInsert = false;
    // Recently used files, most recent first.
    classlib::TStringList Recent;
    TQXMarker* TopLeftMarker = nullptr;
    TQXMarker* BottomRightMarker = nullptr;
    // The file QXActivate was given; empty when none.
    QString FileName;
    bool Embedded = false;

    // Asks whether to save changes; Cancel is a silent abort.
    void QuerySave();
    void UpdateCaptions();
    // Puts the name at the top of Recent (once, without regard to case).
    void AddRecent(const QString& Name);
    void RebuildRecentMenus();
    void RebuildPageList();
    void UpdateZoom();
    void ApplyViewOptions();
    // Centres the paper and the page in the scroll area.
    void PaperLayout();
    void UpdateRulers();
    // The class a palette button or "&Component" item inserts; nil for none.
    const classlib::TClassInfo* ClassOfTag(int Tag) const;
    // The layout, view options, recent files, tool windows and options,
    // kept between runs.
    void SaveSettings();
    void LoadSettings();

    // --- components (named as stored) ---
    classlib::TMainMenu* mnuMain = nullptr;
    classlib::TMenuItem *mmiFile = nullptr, *mmiNew = nullptr, *mmiOpen = nullptr, *mmiSave = nullptr,
                        *mmiSaveAs = nullptr, *mmiSaveCopy = nullptr, *mmiPrint = nullptr,
                        *mmiRecentTop = nullptr, *mmiRecentBottom = nullptr, *mmiClose = nullptr,
                        *mmiReturn = nullptr;
    classlib::TMenuItem *mmiEdit = nullptr, *mmiCut = nullptr, *mmiCopy = nullptr, *mmiPaste = nullptr,
                        *mmiDelete = nullptr, *mmiAlignToGrid = nullptr, *mmiBringToFront = nullptr,
                        *mmiSendToBack = nullptr, *mmiPrintOrder = nullptr, *mmiDeletePage = nullptr,
                        *mmiLayout = nullptr, *mmiScheme = nullptr, *mmiPaper = nullptr;
    classlib::TMenuItem *mmiView = nullptr, *mmiReportMan = nullptr, *mmiPreview = nullptr,
                        *mmiInspector = nullptr, *mmiAlign = nullptr, *mmiPage = nullptr,
                        *mmiPageBottom = nullptr, *mmiMorePages = nullptr, *mmiMaster = nullptr,
                        *mmiZoom = nullptr, *mmiZoomIn = nullptr, *mmiZoomOut = nullptr, *mmiZoom200 = nullptr,
                        *mmiZoom150 = nullptr, *mmiZoom100 = nullptr, *mmiZoom75 = nullptr,
                        *mmiZoom50 = nullptr, *mmiToolbars = nullptr, *mmiStandard = nullptr,
                        *mmiPalette = nullptr, *mmiRuler = nullptr, *mmiStatusbar = nullptr,
                        *mmiMainForm = nullptr;
    classlib::TMenuItem *mmiInsert = nullptr, *mmiComponent = nullptr, *mmiMoreComponents = nullptr,
                        *mmiNewPage = nullptr, *mmiAddPages = nullptr;
    classlib::TMenuItem *mmiTools = nullptr, *mmiOptions = nullptr, *mmiHelp = nullptr,
                        *mmiHelpTopics = nullptr, *mmiAbout = nullptr;
    classlib::TCoolBar* cbrMain = nullptr;
    classlib::TToolBar* tbrStandard = nullptr;
    classlib::TToolBar* tbrComponents = nullptr;
    classlib::TToolButton *tbnNew = nullptr, *tbnOpen = nullptr, *tbnSave = nullptr, *tbnModes = nullptr,
                          *tbnPrint = nullptr, *tbnCut = nullptr, *tbnCopy = nullptr, *tbnPaste = nullptr,
                          *tbnPages = nullptr, *tbnPreview = nullptr, *tbnInspector = nullptr,
                          *tbnAlign = nullptr, *tbnZoomIn = nullptr, *tbnZoomOut = nullptr,
                          *tbnComponent = nullptr;
    classlib::TImageList* imlToolbar = nullptr;
    classlib::TImageList* imlComponents = nullptr;
    classlib::TPanel* pnlBase = nullptr;
    TQXRuler* TopRuler = nullptr;
    TQXRuler* LeftRuler = nullptr;
    classlib::TScrollBox* sbrPaper = nullptr;
    classlib::TStatusBar* sbrBottom = nullptr;
    classlib::TPopupMenu *mnuPaper = nullptr, *mnuPrinter = nullptr, *mnuOpen = nullptr, *mnuPages = nullptr,
                         *mnuZoom = nullptr, *mnuToolbars = nullptr;
    classlib::TMenuItem *pmiStandard = nullptr, *pmiPalette = nullptr, *pmiRuler = nullptr,
                        *pmiStatusbar = nullptr;
    // The five percentages of mnuZoom, 200 down to 50.
    classlib::TMenuItem* pmiZoom[5] = {};
    classlib::TOpenDialog* dlgOpen = nullptr;
    classlib::TSaveDialog* dlgSave = nullptr;

    designer_framework::TfrmInspector* InspectorWindow() const { return FInspector; }
    designer_framework::TfrmAlign* AlignWindow() const { return FAlign; }

    // --- handlers of the stored form ---
    void FormShow(classlib::TObject* Sender);
    void FormCloseQuery(classlib::TObject* Sender, bool& CanClose);
    // Keys reach the page's key handling first.
    void FormKeyDown(classlib::TObject* Sender, unsigned& Key, classlib::TShiftState Shift);
    void mmiCloseClick(classlib::TObject* Sender);
    void mmiPrintClick(classlib::TObject* Sender);
    void mmiPreviewClick(classlib::TObject* Sender);
    void mmiReportManClick(classlib::TObject* Sender);
    void mmiNewClick(classlib::TObject* Sender);
    void mmiOpenClick(classlib::TObject* Sender);
    void mmiSaveClick(classlib::TObject* Sender);
    void mmiSaveAsClick(classlib::TObject* Sender);
    void mmiSaveCopyClick(classlib::TObject* Sender);
    void RecentClick(classlib::TObject* Sender);
    void mmiEditClick(classlib::TObject* Sender);
    void mnuPaperPopup(classlib::TObject* Sender);
    void mmiCutClick(classlib::TObject* Sender);
    void mmiCopyClick(classlib::TObject* Sender);
    void mmiPasteClick(classlib::TObject* Sender);
    void mmiDeleteClick(classlib::TObject* Sender);
    void mmiAlignToGridClick(classlib::TObject* Sender);
    void mmiBringToFrontClick(classlib::TObject* Sender);
    void mmiSendToBackClick(classlib::TObject* Sender);
    void mmiPrintOrderClick(classlib::TObject* Sender);
    void mmiSchemeClick(classlib::TObject* Sender);
    void mmiPageClick(classlib::TObject* Sender);
    void PageClick(classlib::TObject* Sender);
    void InspectClick(classlib::TObject* Sender);
    void mmiPaperClick(classlib::TObject* Sender);
    void mmiNewPageClick(classlib::TObject* Sender);
    void mmiDeletePageClick(classlib::TObject* Sender);
    void mmiOptionsClick(classlib::TObject* Sender);
    void mmiHelpTopicsClick(classlib::TObject* Sender);
    void mmiAboutClick(classlib::TObject* Sender);
    void mmiInspectorClick(classlib::TObject* Sender);
    void mmiAlignClick(classlib::TObject* Sender);
    void mmiMainFormClick(classlib::TObject* Sender);
    void mmiViewClick(classlib::TObject* Sender);
    void ZoomClick(classlib::TObject* Sender);
    void ZoomInClick(classlib::TObject* Sender);
    void ZoomOutClick(classlib::TObject* Sender);
    void mnuZoomPopup(classlib::TObject* Sender);
    void mnuToolbarsPopup(classlib::TObject* Sender);
    void ToggleStandard(classlib::TObject* Sender);
    void TogglePalette(classlib::TObject* Sender);
    void ToggleRuler(classlib::TObject* Sender);
    void ToggleStatusbar(classlib::TObject* Sender);
    void PaletteClick(classlib::TObject* Sender);
    void PaletteMouseDown(classlib::TObject* Sender, classlib::TMouseButton Button, classlib::TShiftState Shift,
                          int X, int Y);
    void PageMouseDown(classlib::TObject* Sender, classlib::TMouseButton Button, classlib::TShiftState Shift,
                       int X, int Y);
    void ComponentMenuClick(classlib::TObject* Sender);
    void PageCreate(classlib::TObject* Sender);
    void DocumentChanged(classlib::TObject* Sender);
    void PageDesignerModified(classlib::TObject* Sender);
    void PaperChange(classlib::TObject* Sender);
    void sbrPaperResize(classlib::TObject* Sender);
    void MarkerMove(classlib::TObject* Sender);
    void RulerMarker(classlib::TObject* Sender, int Position);
    void sbrBottomResize(classlib::TObject* Sender);
    void sbrBottomDrawPanel(classlib::TStatusBar* StatusBar, classlib::TStatusPanel* Panel, classlib::TRect Rect);
    void ApplicationHint(classlib::TObject* Sender);
    void ActiveFormChange(classlib::TObject* Sender);
    // Whether Form was there before this window, a form of the host's.
    bool IsHostForm(const classlib::TForm* Form) const;

protected:
    void Dispatch(classlib::TMessage& Message) override;

private:
    classlib::TMethod Handler(const char16_t* Name);
    void CreateMenus();
    void CreateToolBars();
    void CreateWorkArea();
    void CreatePopups();
    void CreateImages();
    void BuildPalette();
    void ConfigureEmbedded();
    // The edit commands enabled for the selection of the page.
    void UpdateEditCommands(bool Popup);
    // Whether the inspector shows the paper window.
    bool PaperShown() const;
    void OpenDocumentFile();
    void SetZoom(double Z);
    void ToggleToolWindow(classlib::TForm* Window);
    // The preview rebuilds itself when the option asks for it, it is shown
    // and the document is not being loaded or switched.
    void RunAutoPreview();
    void InsertAt(const classlib::TPoint& At);

    // The application's handlers this window replaced, given back when it goes.
    classlib::TNotifyEvent FOldHint;
    classlib::TNotifyEvent FOldActiveFormChange;
    std::function<void(classlib::TObject*, const classlib::Exception&)> FOldException;
    // The host's forms, there before the designer: their names are not the
    // designer's to clear.
    QList<QPointer<QWidget>> FHostForms;
    bool FShown = false;
    bool FDestroying = false;
    designer_framework::TfrmInspector* FInspector = nullptr;
    designer_framework::TfrmAlign* FAlign = nullptr;
    classlib::TForm* FHintForm = nullptr;
    classlib::TStatusBar* FHintBar = nullptr;
};

} // namespace designer
