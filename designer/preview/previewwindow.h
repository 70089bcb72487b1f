#pragma once

// The designer's preview window: the design document as the runtime renders
// it, with page navigation, zoom and printing. Its report is its own; each
// refresh rebuilds it from the document. Closing it only hides it.

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

namespace designer {

class TfrmPreview : public classlib::TForm {
    QX_CLASS(TfrmPreview, classlib::TForm)
public:
    explicit TfrmPreview(classlib::TComponent* AOwner);
    ~TfrmPreview() override;

    // Rebuilds the pages from the document and stays on the page shown.
    void RefreshPreview();
    // Rebuilds the report, then prints it through the print dialog (every
    // page or the range chosen, on a printer or into a PDF file); the
    // window stays as it is.
    void PrintReport();
    bool OutOfDate() const { return FOutOfDate; }
    void SetOutOfDate(bool Value);
    bool Monochrome() const { return FMonochrome; }
    void SetMonochrome(bool Value);
    bool GetStayOnTop() const;
    void SetStayOnTop(bool Value);
    // Menu checks and the zoom panel follow the window's state.
    void ResetInterface();

    // --- components (named as stored) ---
    classlib::TToolBar* tbrPreview = nullptr;
    classlib::TToolButton *tbnRefresh = nullptr, *tbnPrint = nullptr, *tbnFirst = nullptr,
                          *tbnPrevious = nullptr, *tbnNext = nullptr, *tbnLast = nullptr,
                          *tbnZoomIn = nullptr, *tbnZoomOut = nullptr;
    runtime::TQXPreview* prvPreview = nullptr;
    runtime::TQXReport* QXReport = nullptr;
    classlib::TStatusBar* sbrBottom = nullptr;
    classlib::TImageList* imlToolbar = nullptr;
    classlib::TPrintDialog* dlgPrint = nullptr;
    classlib::TMainMenu* mnuPreview = nullptr;
    classlib::TMenuItem *mmiPreview = nullptr, *mmiRefresh = nullptr, *mmiPrint = nullptr,
                        *mmiClose = nullptr;
    classlib::TMenuItem *mmiView = nullptr, *mmiZoom = nullptr, *mmiZoomIn = nullptr,
                        *mmiZoomOut = nullptr, *mmiMonochrome = nullptr, *mmiToolbar = nullptr,
                        *mmiStatusBar = nullptr;
    classlib::TMenuItem *mmiGo = nullptr, *mmiFirst = nullptr, *mmiPrevious = nullptr,
                        *mmiNext = nullptr, *mmiLast = nullptr;
    classlib::TPopupMenu* mnuZoom = nullptr;
    classlib::TPopupMenu* mnuToolbars = nullptr;
    classlib::TMenuItem *pmiToolbar = nullptr, *pmiStatusBar = nullptr, *pmiStayOnTop = nullptr,
                        *pmiHide = nullptr;
    // The five percentages, 200 down to 50: of "&Zoom", and of mnuZoom.
    runtime::TZoomPresetItems mmiZoomPerCent = {};
    runtime::TZoomPresetItems pmiZoomPerCent = {};

    // --- handlers of the stored form ---
    void FormClose(classlib::TObject* Sender, classlib::TCloseAction& Action);
    void mmiRefreshClick(classlib::TObject* Sender);
    void mmiPrintClick(classlib::TObject* Sender);
    void mmiCloseClick(classlib::TObject* Sender);
    void mmiZoomInClick(classlib::TObject* Sender);
    void mmiZoomOutClick(classlib::TObject* Sender);
    void mmiZoomPerCentClick(classlib::TObject* Sender);
    void pmiZoomPerCentClick(classlib::TObject* Sender);
    void mmiMonochromeClick(classlib::TObject* Sender);
    void ToggleToolbar(classlib::TObject* Sender);
    void ToggleStatusBar(classlib::TObject* Sender);
    void pmiStayOnTopClick(classlib::TObject* Sender);
    void mmiFirstClick(classlib::TObject* Sender);
    void mmiPreviousClick(classlib::TObject* Sender);
    void mmiNextClick(classlib::TObject* Sender);
    void mmiLastClick(classlib::TObject* Sender);
    void MenuPopup(classlib::TObject* Sender);
    void prvPreviewPageChanged(classlib::TObject* Sender);
    void sbrBottomResize(classlib::TObject* Sender);
    void sbrBottomDrawPanel(classlib::TStatusBar* StatusBar, classlib::TStatusPanel* Panel, classlib::TRect Rect);

private:
    classlib::TMethod Handler(const char16_t* Name);
    void CreateMenus();
    void CreateBars();
    void SetZoom(double Value);

    bool FOutOfDate = false;
    bool FMonochrome = false;
};

} // namespace designer
