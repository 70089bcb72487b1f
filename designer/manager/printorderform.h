#pragma once

// The print order editor: the named child elements of one container in
// the order a report run processes them. The user exchanges unaligned
// elements with the arrows or by dragging one onto another; OK numbers
// every listed element 1, 2, 3, ... in list order. Aligned elements keep
// their places: the run orders them by their tops.

#include "classlib/controls/form.h"
#include "classlib/controls/ownerdraw.h"

namespace classlib {
class TButton;
class TGroupBox;
class TLabel;
class TListBox;
class TSpeedButton;
class TWinControl;
}

namespace designer {

class TQXControl;

class TfrmPrintOrder : public classlib::TForm {
    QX_CLASS(TfrmPrintOrder, classlib::TForm)
public:
    explicit TfrmPrintOrder(classlib::TComponent* AOwner);
    ~TfrmPrintOrder() override;

    // Lists Container's named child elements in processing order; once,
    // before the dialog is shown.
    void LoadControls(classlib::TWinControl* Container);
    // The element of list item Index.
    TQXControl* Element(int Index) const;
    bool IsAligned(int Index) const;
    // Exchanges two unaligned items and selects To; anything else (an
    // index outside the list, the same index, an aligned item) does nothing.
    void MoveItem(int From, int To);

    classlib::TGroupBox* grbList = nullptr;
    classlib::TLabel* lblTop = nullptr;
    classlib::TListBox* lbxControls = nullptr;
    classlib::TSpeedButton* btnUp = nullptr;
    classlib::TSpeedButton* btnDown = nullptr;
    classlib::TButton* btnOk = nullptr;
    classlib::TButton* btnCancel = nullptr;

    // --- handlers ---
    void FormCreate(classlib::TObject* Sender);
    void FormShow(classlib::TObject* Sender);
    void btnUpClick(classlib::TObject* Sender);
    void btnDownClick(classlib::TObject* Sender);
    void btnOkClick(classlib::TObject* Sender);
    void lbxControlsDrawItem(classlib::TWinControl* Control, int Index, classlib::TRect Rect,
                             classlib::TOwnerDrawState State);
    void lbxControlsDragOver(classlib::TObject* Sender, classlib::TObject* Source, int X, int Y,
                             classlib::TDragState State, bool& Accept);
    void lbxControlsDragDrop(classlib::TObject* Sender, classlib::TObject* Source, int X, int Y);

private:
    classlib::TMethod Handler(const char16_t* Name);
};

} // namespace designer
