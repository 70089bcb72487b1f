#pragma once

// The colour selector: a swatch (or a text in its place) with a drop-down
// button that opens a floating grid of swatches (the fixed scheme colours
// and the colours chosen recently anywhere in the designer), a "More
// colors..." button for the colour dialog and the owner's extension
// entries. The popup never takes the focus; it is rebuilt on every
// opening and closes through a posted cancel mode, never inside the click
// of one of its own buttons.

#include "classlib/controls/speedbutton.h"

#include <QString>

#include <vector>

namespace classlib {
class TStrings;
}

namespace designer {

QX_ENUM(TColorSelectorOption, csoScheme, csoHistory)
using TColorSelectorOptions = classlib::TSet<TColorSelectorOption>;

// Index: of the extension entry; Close true closes the popup afterwards.
QX_EVENT(TExtensionClickEvent, classlib::TObject* /*Sender*/, int /*Index*/, bool& /*Close*/)
// Draws the swatch area instead of the default swatch.
QX_EVENT(TColorPaintEvent, classlib::TObject* /*Sender*/, classlib::TCanvas* /*Canvas*/)
// A colour is about to be chosen; Apply false vetoes it.
QX_EVENT(TColorClickEvent, classlib::TObject* /*Sender*/, classlib::TColor /*Color*/, bool& /*Apply*/)

struct TNamedColor {
    QString Name;
    classlib::TColor Color;
};

// Shared by every selector of the process: the fixed scheme colours, and
// the colours users chose, in the order first chosen (never shortened).
const std::vector<TNamedColor>& SchemeColors();
std::vector<TNamedColor>& HistoryColors();

class TColorSelector;

// A flat button of the popup: a swatch of the colour in Tag, or a text
// (an extension entry keeps its index in Tag).
class TColorSelectorButton : public classlib::TSpeedButton {
    QX_CLASS(TColorSelectorButton, classlib::TSpeedButton)
public:
    explicit TColorSelectorButton(classlib::TComponent* AOwner);

    const QString& Text() const { return FText; }
    void SetText(const QString& Value);
    bool IsSwatch() const { return FText.isEmpty(); }
    // Chooses the swatch's colour, or runs the colour dialog or the
    // extension entry.
    void Click() override;

protected:
    void Paint() override;
    void MouseMove(classlib::TShiftState Shift, int X, int Y) override;

private:
    QString FText;
};

class TColorSelectorPopup : public classlib::TCustomControl {
    QX_CLASS(TColorSelectorPopup, classlib::TCustomControl)
public:
    explicit TColorSelectorPopup(classlib::TComponent* AOwner);
    ~TColorSelectorPopup() override;

    // The button the keys selected, or nil.
    classlib::TControl* Selected() const { return FSelected; }
    void SetSelected(classlib::TControl* Value);
    // Left and Up step back, Right and Down forward, round the buttons.
    void KeyDown(unsigned& Key, classlib::TShiftState Shift) override;

protected:
    void Paint() override;
    // A drag that began on the selector goes on here: the release picks
    // the button under it.
    void MouseDown(classlib::TMouseButton Button, classlib::TShiftState Shift, int X, int Y) override;
    void MouseUp(classlib::TMouseButton Button, classlib::TShiftState Shift, int X, int Y) override;

private:
    classlib::TControl* FSelected = nullptr;
    bool FDragging = false;
};

class TColorSelector : public classlib::TCustomControl {
    QX_CLASS(TColorSelector, classlib::TCustomControl)
public:
    explicit TColorSelector(classlib::TComponent* AOwner);
    ~TColorSelector() override;

    classlib::TColor RGB() const { return FRGB; }
    void SetRGB(classlib::TColor Value);
    const QString& Text() const { return FText; }
    void SetText(const QString& Value);
    classlib::TStrings* Extensions() const { return FExtensions; }
    void SetExtensions(const classlib::TStrings* Value);
    TColorSelectorOptions Options() const { return FOptions; }
    void SetOptions(TColorSelectorOptions Value) { FOptions = Value; }
    // Kept for stored forms; it changes nothing.
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool Value) { FReadOnly = Value; }

    // The open popup, or nil.
    TColorSelectorPopup* Popup() const { return FPopup; }
    bool DroppedDown() const { return FPopup != nullptr; }
    // Opens the popup below the control (above it when the screen has no
    // room below); nothing when it is open.
    void DropDown();
    // Closes the popup once the current handler has returned.
    void RequestClose();
    // Chooses Color as the user would: OnColorClick may veto; a new colour
    // is taken over, joins the history and fires OnChange. The veto's
    // answer (Apply).
    bool ChooseColor(classlib::TColor Color);

    classlib::TNotifyEvent OnChange;
    TExtensionClickEvent OnExtItemClick;
    TColorPaintEvent OnPaint;
    TColorClickEvent OnColorClick;

protected:
    void Paint() override;
    void Dispatch(classlib::TMessage& Message) override;
    void MouseDown(classlib::TMouseButton Button, classlib::TShiftState Shift, int X, int Y) override;
    void MouseMove(classlib::TShiftState Shift, int X, int Y) override;
    void MouseUp(classlib::TMouseButton Button, classlib::TShiftState Shift, int X, int Y) override;
    void KeyDown(unsigned& Key, classlib::TShiftState Shift) override;
    void EnabledChanged() override;

private:
    friend class TColorSelectorButton;
    friend class TColorSelectorPopup;

    void BuildPopup();
    void ClosePopup();
    void ButtonClick(TColorSelectorButton* Button);
    void RunColorDialog();
    void RunExtension(int Index);
    void ShowPopupAgain();
    classlib::TRect ButtonRect() const;
    void UpdatePressed(int X, int Y);
    void StopTracking();
    void DrawDropButton(classlib::TCanvas& C, const classlib::TRect& R);

    TColorSelectorPopup* FPopup = nullptr;
    bool FFocused = false;
    bool FReadOnly = false;
    int FButtonWidth;
    bool FButtonPressed = false;
    bool FTracking = false;
    classlib::TColor FRGB = classlib::clWhite;
    bool FInDialog = false;
    int FClicking = 0;
    classlib::TStrings* FExtensions;
    QString FText;
    TColorSelectorOptions FOptions{csoScheme, csoHistory};
};

} // namespace designer
