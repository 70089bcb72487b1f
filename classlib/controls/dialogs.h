#pragma once

// The standard dialogs: message boxes, the colour dialog, the font
// dialog and the print dialog. Each runs through the modal responder (modalresponder.h).

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

QX_ENUM(TPrintDialogOption, poPrintToFile, poPageNums, poSelection, poWarning, poHelp, poDisablePrintToFile)
using TPrintDialogOptions = TSet<TPrintDialogOption>;
QX_ENUM(TPrintRange, prAllPages, prSelection, prPageNums)

// Chooses where the pages go (the process's Printer() takes it: an
// installed printer, or a PDF file, which is the choice when no printer is
// installed) and which pages.
class TPrintDialog : public TComponent {
    QX_CLASS(TPrintDialog, TComponent)
public:
    using TComponent::TComponent;

    int FromPage() const { return FFromPage; }
    void SetFromPage(int Value) { FFromPage = Value; }
    int ToPage() const { return FToPage; }
    void SetToPage(int Value) { FToPage = Value; }
    int MinPage() const { return FMinPage; }
    void SetMinPage(int Value) { FMinPage = Value; }
    int MaxPage() const { return FMaxPage; }
    void SetMaxPage(int Value) { FMaxPage = Value; }
    // Only with poPageNums may a page range be chosen.
    TPrintDialogOptions Options() const { return FOptions; }
    void SetOptions(TPrintDialogOptions Value) { FOptions = Value; }
    TPrintRange PrintRange() const { return FPrintRange; }
    void SetPrintRange(TPrintRange Value) { FPrintRange = Value; }
    // True when the user confirmed; the chosen range then lies within
    // MinPage and MaxPage, from before to. A file named without extension
    // gets ".pdf"; one confirmed without a name is no confirmation. A cancel
    // changes nothing.
    bool Execute();

private:
    int FFromPage = 0;
    int FToPage = 0;
    int FMinPage = 0;
    int FMaxPage = 0;
    TPrintDialogOptions FOptions;
    TPrintRange FPrintRange = prAllPages;
};

} // namespace classlib
