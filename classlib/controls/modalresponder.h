#pragma once

// Every modal dialog of the program (message boxes, the colour, font and
// file dialogs, forms shown modally) runs through one responder. The program's
// own responder shows the real dialog; on a platform where nobody can
// answer (offscreen, minimal) it writes the question on stderr and answers
// Cancel at once. A test installs a script (TModalScript) that answers in
// the user's place, so no dialog ever waits for a person who is not there.

#include "classlib/core/typinfo.h"
#include "classlib/graphics/color.h"

#include <QPointer>
#include <QString>
#include <QWidget>
#include <QStringList>

#include <deque>
#include <functional>
#include <vector>

namespace classlib {

class TFont;
class TForm;

// The result of a modal dialog or form; the numbers are also the answers
// of message boxes (IDOK = mrOk, IDCANCEL = mrCancel, ...).
using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = 1;
constexpr TModalResult mrCancel = 2;
constexpr TModalResult mrAbort = 3;
constexpr TModalResult mrRetry = 4;
constexpr TModalResult mrIgnore = 5;
constexpr TModalResult mrYes = 6;
constexpr TModalResult mrNo = 7;
constexpr TModalResult mrAll = 8;
constexpr TModalResult mrNoToAll = 9;
constexpr TModalResult mrYesToAll = 10;

QX_ENUM(TMsgDlgType, mtWarning, mtError, mtInformation, mtConfirmation, mtCustom)
QX_ENUM(TMsgDlgBtn, mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbNoToAll,
        mbYesToAll, mbHelp)
using TMsgDlgButtons = TSet<TMsgDlgBtn>;

// The modal result a message-box button gives.
TModalResult ModalResultOfButton(TMsgDlgBtn Button);

enum class TModalKind { Message, Color, Font, Form, OpenFile, SaveFile, Print };

// What a dialog asks, and where the answer goes.
struct TModalRequest {
    TModalKind Kind = TModalKind::Message;
    QString Caption;
    // Message: the text, its kind and its buttons.
    QString Text;
    TMsgDlgType DlgType = mtCustom;
    TMsgDlgButtons Buttons{mbOK};
    // Colour: the colour shown at the start; the chosen one on mrOk.
    TColor Color = clBlack;
    // Colour: the custom colours offered, lines "ColorA=FF0000".
    QStringList CustomColors;
    // Font: the font shown at the start; changed in place on mrOk.
    TFont* Font = nullptr;
    // Form: shown (and modal) while the responder runs; it ends with its
    // ModalResult when that is set, else with the responder's answer.
    TForm* Form = nullptr;
    // Open and save: the file shown at the start, the chosen one on mrOk
    // (print: the PDF file the pages go into when PrintToFile is set);
    // the filter ("Text|*.txt|All|*.*"), its 1-based index (the chosen one
    // on mrOk), the folder to start in and the extension added to a name
    // without one.
    QString FileName;
    QString Filter;
    int FilterIndex = 1;
    QString InitialDir;
    QString DefaultExt;
    // Print: the printers to choose from and the chosen one's index, or
    // the PDF file (FileName) when PrintToFile (chosen at the start when no
    // printer is installed, which Text then says); the page range and its
    // limits; whether a range may be chosen at all, and whether one was
    // (false: all pages), all set again on mrOk.
    QStringList Printers;
    int PrinterIndex = -1;
    bool PrintToFile = false;
    int FromPage = 0;
    int ToPage = 0;
    int MinPage = 0;
    int MaxPage = 0;
    bool PageNums = false;
    bool PageRange = false;
};

using TModalResponder = std::function<TModalResult(TModalRequest& Request)>;

// Runs the request through the installed responder, or through the
// program's own when none is installed. The window that was active before
// the dialog is active again after it.
TModalResult RunModal(TModalRequest& Request);

// Gives the activation back, when it went elsewhere, to the window that
// had it when the keeper was made: a dialog that closes leaves the user in
// the window he was working in.
class TActivationKeeper {
public:
    TActivationKeeper();
    ~TActivationKeeper();
    TActivationKeeper(const TActivationKeeper&) = delete;
    TActivationKeeper& operator=(const TActivationKeeper&) = delete;

private:
    QPointer<QWidget> FWindow;
};
// Installs Responder (empty: the program's own) and gives back the one
// installed before.
TModalResponder SetModalResponder(TModalResponder Responder);
bool ModalResponderInstalled();
// True where a person can answer a real dialog (not offscreen, not minimal,
// a QApplication running).
bool InteractiveSession();

// A scripted responder for tests: while it lives, dialogs are answered in
// order from its queue, and every request is logged. A dialog that finds
// the queue empty is answered mrCancel and counted in Unexpected.
class TModalScript {
public:
    TModalScript();
    ~TModalScript();
    TModalScript(const TModalScript&) = delete;
    TModalScript& operator=(const TModalScript&) = delete;

    // The next dialog is answered Result (a message box's button).
    TModalScript& Answer(TModalResult Result);
    // The next dialog is a colour dialog; Value is chosen (mrOk).
    TModalScript& ChooseColor(TColor Value);
    // The next dialog is a font dialog; the font takes Value's settings (mrOk).
    TModalScript& ChooseFont(const TFont& Value);
    // The next dialog is an open or save dialog; FileName is chosen (mrOk).
    TModalScript& ChooseFile(const QString& FileName);
    // The next dialog is a print dialog, confirmed (mrOk) with the pages
    // From to To; 0, 0: all pages. With a FileName the pages go into that
    // PDF file; without one, where the dialog proposed.
    TModalScript& ConfirmPrint(int From = 0, int To = 0, const QString& FileName = QString());
    // The next dialog is handled by Proc, which may drive a modal form with
    // mouse and keys; its return is the answer.
    TModalScript& Then(TModalResponder Proc);

    // The requests seen so far, in order (the font and form pointers are
    // valid only while their dialog runs).
    const std::vector<TModalRequest>& Requests() const { return FRequests; }
    int Pending() const { return int(FQueue.size()); }
    int Unexpected() const { return FUnexpected; }

private:
    TModalResult Respond(TModalRequest& Request);

    std::deque<TModalResponder> FQueue;
    std::vector<TModalRequest> FRequests;
    int FUnexpected = 0;
    TModalResponder FPrevious;
};

} // namespace classlib
