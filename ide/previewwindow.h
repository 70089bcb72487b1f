#pragma once

// The "Preview..." verb's window: the report's document prepared in design
// mode, on a copy of the report, with page navigation, zoom and printing.

#include "runtime/previewcommands.h"

#include "classlib/controls/form.h"

namespace classlib {
class TImageList;
class TMainMenu;
class TMenuItem;
class TPopupMenu;
class TPrintDialog;
class TStatusBar;
class TStatusPanel;
class TToolBar;
class TToolButton;
}

namespace runtime {
class TQXPreview;
class TQXReport;
}

namespace ide {

// The registry key under which the window keeps its place.
inline constexpr const char* PreviewKey = "\\Software\\Vorn\\Tessary\\1.12\\Delphi\\Preview";

class TfrmPreview : public classlib::TForm {
    QX_CLASS(TfrmPreview, classlib::TForm)
public:
    explicit TfrmPreview(classlib::TComponent* AOwner);
    ~TfrmPreview() override;

    // The window's report becomes a copy of Report, prepared in design mode.
    void SetReport(runtime::TQXReport* Report);
    // Menu checks and the zoom panel follow the preview.
    void ResetInterface();

    classlib::TToolBar* tbrPreview = nullptr;
    classlib::TToolButton *tbnPrint = nullptr, *tbnFirst = nullptr, *tbnPrevious = nullptr, *tbnNext = nullptr,
                          *tbnLast = nullptr, *tbnZoomIn = nullptr, *tbnZoomOut = nullptr;
    classlib::TStatusBar* sbrBottom = nullptr;
    runtime::TQXPreview* prvPreview = nullptr;
    classlib::TMainMenu* mnuPreview = nullptr;
    classlib::TMenuItem *mmiPreview = nullptr, *mmiPrint = nullptr, *mmiClose = nullptr;
    classlib::TMenuItem *mmiView = nullptr, *mmiZoom = nullptr, *mmiZoomIn = nullptr, *mmiZoomOut = nullptr,
                        *mmiToolBar = nullptr, *mmiStatusBar = nullptr;
    classlib::TMenuItem *mmiGo = nullptr, *mmiFirst = nullptr, *mmiPrevious = nullptr, *mmiNext = nullptr,
                        *mmiLast = nullptr;
    // 200%, 150%, 100%, 75%, 50%: of "&Zoom", and of mnuZoom.
    runtime::TZoomPresetItems mmiZoomPerCent = {};
    runtime::TZoomPresetItems pmiZoomPerCent = {};
    classlib::TImageList* imlToolbar = nullptr;
    classlib::TPopupMenu* mnuZoom = nullptr;
    classlib::TPrintDialog* dlgPrint = nullptr;
    // The working copy.
    runtime::TQXReport* Report = nullptr;

    void FormShow(classlib::TObject* Sender);
    void FormClose(classlib::TObject* Sender, classlib::TCloseAction& Action);
    void mmiViewClick(classlib::TObject* Sender);
    void mmiZoomClick(classlib::TObject* Sender);
    void sbrBottomResize(classlib::TObject* Sender);
    void sbrBottomDrawPanel(classlib::TStatusBar* StatusBar, classlib::TStatusPanel* Panel, classlib::TRect Rect);
    void prvPreviewPageChanged(classlib::TObject* Sender);
    void mmiPrintClick(classlib::TObject* Sender);
    void mmiZoomInClick(classlib::TObject* Sender);
    void mmiZoomOutClick(classlib::TObject* Sender);
    void mmiZoomPerCentClick(classlib::TObject* Sender);
    void pmiZoomPerCentClick(classlib::TObject* Sender);
    void mmiFirstClick(classlib::TObject* Sender);
    void mmiPreviousClick(classlib::TObject* Sender);
    void mmiNextClick(classlib::TObject* Sender);
    void mmiLastClick(classlib::TObject* Sender);
    void mmiToolBarClick(classlib::TObject* Sender);
    void mmiStatusBarClick(classlib::TObject* Sender);
    void mmiCloseClick(classlib::TObject* Sender);

private:
    classlib::TMethod Handler(const char16_t* Name);
    void CreateMenus();
    void CreateBars();
    void SetZoom(double Value);
};

} // namespace ide
