#pragma once

// The print dialog a person sees: where the pages go (an installed printer,
// or a PDF file as desktop print dialogs offer it) and which pages. Built
// from a print request and read back into it; the program's own modal
// responder runs it.

#include "classlib/controls/modalresponder.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace classlib {

class TPrintSetupDialog : public QDialog {
public:
    // Request.Printers, then the file destination; the file is chosen when
    // Request.PrintToFile is set or no printer is installed. Request.Text,
    // when not empty, is said above the choices.
    explicit TPrintSetupDialog(const TModalRequest& Request, QWidget* Parent = nullptr);

    // The choices into Request (after the dialog was accepted).
    void Apply(TModalRequest& Request) const;

    // The destination that means a file.
    int FileDestination() const { return FFileDestination; }

    QLabel* Note = nullptr;
    QComboBox* Destination = nullptr;
    QLineEdit* FileName = nullptr;
    QPushButton* Browse = nullptr;
    QRadioButton* All = nullptr;
    QRadioButton* Range = nullptr;
    QSpinBox* From = nullptr;
    QSpinBox* To = nullptr;
    QPushButton* Ok = nullptr;

private:
    // A file destination needs a name; a printer nothing more.
    void UpdateState();
    // The save dialog, through the modal responder.
    void BrowseForFile();

    int FFileDestination = 0;
};

} // namespace classlib
