#pragma once

// The controls the object inspector is made of: the two-column property
// grid, the value editor laid over a cell, the drop-down and dialog
// buttons, the drop-down value list and the component chooser. Each lets
// the inspector window drive focus, commit and the closing of the list.

#include "designer-framework/export.h"

#include "classlib/controls/combobox.h"
#include "classlib/controls/edit.h"
#include "classlib/controls/grids.h"
#include "classlib/controls/listbox.h"
#include "classlib/controls/speedbutton.h"

namespace designer_framework {

class QX_DESIGNFW_EXPORT TInspectorGrid : public classlib::TStringGrid {
    QX_CLASS(TInspectorGrid, classlib::TStringGrid)
public:
    explicit TInspectorGrid(classlib::TComponent* AOwner);

    // Scrolls the current row into view; whether the top row changed.
    bool EnsureRowVisible();
    const classlib::TPoint& LastMousePos() const { return FLastMousePos; }

    // After the top row changed (scrolling).
    classlib::TNotifyEvent OnTopLeftChanged;

protected:
    // Repeated moves to one point cause no grid work.
    void MouseMove(classlib::TShiftState Shift, int X, int Y) override;
    void TopLeftChanged() override;

private:
    classlib::TPoint FLastMousePos{-1, -1};
};

// Enter, Escape and line feed reach the window's key handler, not the edit.
class QX_DESIGNFW_EXPORT TExtEdit : public classlib::TEdit {
    QX_CLASS(TExtEdit, classlib::TEdit)
public:
    using classlib::TEdit::TEdit;

protected:
    void KeyPress(QChar& Key) override;
};

class TExtListBox;

// A press while its list is open closes the list and does nothing else.
class QX_DESIGNFW_EXPORT TExtButton : public classlib::TSpeedButton {
    QX_CLASS(TExtButton, classlib::TSpeedButton)
public:
    using classlib::TSpeedButton::TSpeedButton;

    TExtListBox* ListBox() const { return FListBox; }
    void SetListBox(TExtListBox* Value) { FListBox = Value; }

protected:
    void MouseDown(classlib::TMouseButton Button, classlib::TShiftState Shift, int X, int Y) override;

private:
    TExtListBox* FListBox = nullptr;
};

// The drop-down values: only a left release or Enter takes one (OnClick);
// moving the highlight picks nothing. It hides when a value is taken or
// another control takes the mouse.
class QX_DESIGNFW_EXPORT TExtListBox : public classlib::TListBox {
    QX_CLASS(TExtListBox, classlib::TListBox)
public:
    using classlib::TListBox::TListBox;

    // Under the cell (R in the parent's client coordinates), else above,
    // else on the roomier side shrunk to whole items.
    void PlaceAt(const classlib::TRect& R);

protected:
    void Dispatch(classlib::TMessage& Message) override;
    void MouseUp(classlib::TMouseButton Button, classlib::TShiftState Shift, int X, int Y) override;
    void KeyDown(unsigned& Key, classlib::TShiftState Shift) override;

private:
    void Take();
};

// The component chooser: Enter chooses; a click counts only while the
// list is closed.
class QX_DESIGNFW_EXPORT TExtComboBox : public classlib::TComboBox {
    QX_CLASS(TExtComboBox, classlib::TComboBox)
public:
    using classlib::TComboBox::TComboBox;

    void Click() override;

protected:
    void KeyDown(unsigned& Key, classlib::TShiftState Shift) override;
};

} // namespace designer_framework
