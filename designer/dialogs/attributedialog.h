#pragma once

// What the frame, shadow, brush and pen dialogs share: the dialog's font
// and border, OK and Cancel under a line, the width in millimetres of a
// length kept in hundredths, and the controls that only mean something
// while the attribute is drawn at all.

#include "classlib/controls/form.h"

#include <initializer_list>

namespace classlib {
class TBevel;
class TButton;
class TEdit;
class TLabel;
}

namespace designer {

class TColorSelector;

class TAttributeDialog : public classlib::TForm {
    QX_CLASS(TAttributeDialog, classlib::TForm)
public:
    explicit TAttributeDialog(classlib::TComponent* AOwner);

    classlib::TBevel* bvlBottom = nullptr;
    classlib::TButton* btnOk = nullptr;
    classlib::TButton* btnCancel = nullptr;

protected:
    // Names Control, puts it into Parent at those bounds; Control.
    template <class T>
    T* Place(T* Control, const char* Name, classlib::TWinControl* Parent, int L, int T_, int W, int H)
    {
        PlaceControl(Control, Name, Parent, L, T_, W, H);
        return Control;
    }
    void PlaceControl(classlib::TControl* Control, const char* Name, classlib::TWinControl* Parent, int L, int T,
                      int W, int H);
    // The line at the bevel's bounds and OK, Cancel (75 x 25) at (OkLeft, Top)
    // and 80 pixels to the right; OK runs the handler of that name.
    void AddButtons(const classlib::TRect& Bevel, int OkLeft, int Top, const char16_t* OkHandler);
    // A label above its control.
    classlib::TLabel* AddLabel(const char* Name, const QString& Caption, int L, int T);
    // Enables the controls; a disabled edit takes the button face.
    static void EnableControls(bool Enabled, std::initializer_list<classlib::TControl*> Controls);
    // "0.80" for 80 hundredths, with the user's decimal separator.
    static QString MMText(int Hundredths);
    // The width typed, in hundredths: EConvertError for anything that is no
    // number or too large to keep, EInvalidOp for a negative one.
    static int Hundredths(const QString& Text);
    // Binds the two handlers below to the selector.
    void BindColorSelector(TColorSelector* Selector);

public:
    // --- handlers ---
    // A colour choice clears the text shown in the swatch's place.
    void clrColorColorClick(classlib::TObject* Sender, classlib::TColor Color, bool& Apply);
    // Extension entry 0 shows its text and closes the popup; the colour stays.
    void clrColorExtItemClick(classlib::TObject* Sender, int Index, bool& Close);

protected:

    classlib::TMethod Handler(const char16_t* Name);
};

} // namespace designer
