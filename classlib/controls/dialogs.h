#pragma once

// The standard dialogs: message boxes, the colour dialog and the font
// dialog. Each runs through the modal responder (modalresponder.h).

#include "classlib/controls/modalresponder.h"
#include "classlib/core/component.h"
#include "classlib/graphics/color.h"

#include <QString>

namespace classlib {

class TFont;
class TStrings;

// A message box with the kind's caption ("Warning", "Error",
// "Information", "Confirm"; the application's name for mtCustom); the
// modal result of the button chosen.
TModalResult MessageDlg(const QString& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons);

QX_ENUM(TColorDialogOption, cdFullOpen, cdPreventFullOpen, cdShowHelp, cdSolidColor, cdAnyColor)
using TColorDialogOptions = TSet<TColorDialogOption>;

class TColorDialog : public TComponent {
    QX_CLASS(TColorDialog, TComponent)
public:
    explicit TColorDialog(TComponent* AOwner);
    ~TColorDialog() override;

    // Shown at the start; the chosen colour after Execute gave true.
    TColor Color() const { return FColor; }
    void SetColor(TColor Value) { FColor = Value; }
    TColorDialogOptions Options() const { return FOptions; }
    void SetOptions(TColorDialogOptions Value) { FOptions = Value; }
    // The dialog's custom colours, lines "ColorA=FF0000" (A to P, the
    // colour in hexadecimal); other lines are ignored.
    TStrings* CustomColors() const { return FCustomColors; }
    void SetCustomColors(const TStrings* Value);
    // True when the user chose a colour, false when cancelled.
    bool Execute();

private:
    TColor FColor = clBlack;
    TColorDialogOptions FOptions;
    TStrings* FCustomColors;
};

class TFontDialog : public TComponent {
    QX_CLASS(TFontDialog, TComponent)
public:
    explicit TFontDialog(TComponent* AOwner);
    ~TFontDialog() override;

    // Shown at the start; the chosen font after Execute gave true.
    TFont* Font() const { return FFont; }
    void SetFont(const TFont* Value);
    // True when the user chose a font; a cancelled dialog leaves Font as it was.
    bool Execute();

private:
    TFont* FFont;
};

} // namespace classlib
