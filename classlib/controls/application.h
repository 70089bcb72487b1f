#pragma once

// The application object: where exceptions that reach an entry point from
// the event loop are shown, and the guard every such entry point runs in;
// the owner of the program's forms.

#include "classlib/controls/modalresponder.h"
#include "classlib/core/component.h"
#include "classlib/core/sysutils.h"

#include <QIcon>
#include <QString>

#include <exception>
#include <functional>

class QApplication;

namespace classlib {

class TForm;

// Message-box flags: the buttons, then the icon.
constexpr unsigned MB_OK = 0x00;
constexpr unsigned MB_OKCANCEL = 0x01;
constexpr unsigned MB_ABORTRETRYIGNORE = 0x02;
constexpr unsigned MB_YESNOCANCEL = 0x03;
constexpr unsigned MB_YESNO = 0x04;
constexpr unsigned MB_RETRYCANCEL = 0x05;
constexpr unsigned MB_ICONERROR = 0x10;
constexpr unsigned MB_ICONQUESTION = 0x20;
constexpr unsigned MB_ICONWARNING = 0x30;
constexpr unsigned MB_ICONINFORMATION = 0x40;
// Message-box answers: the modal results of the same buttons.
constexpr int IDOK = mrOk;
constexpr int IDCANCEL = mrCancel;
constexpr int IDABORT = mrAbort;
constexpr int IDRETRY = mrRetry;
constexpr int IDIGNORE = mrIgnore;
constexpr int IDYES = mrYes;
constexpr int IDNO = mrNo;
// Help commands: a topic by its context number, the contents, the help
// program's contents-and-index window.
constexpr unsigned HELP_CONTEXT = 0x0001;
constexpr unsigned HELP_QUIT = 0x0002;
constexpr unsigned HELP_CONTENTS = 0x0003;
constexpr unsigned HELP_FINDER = 0x000B;

// Sees a help request first; clearing CallHelp keeps the help file shut.
using THelpEvent = std::function<bool(unsigned Command, qintptr Data, bool& CallHelp)>;

class TApplication : public TComponent {
    QX_CLASS(TApplication, TComponent)
public:
    explicit TApplication(TComponent* AOwner);

    // Makes a form of class T owned by the application and sets Reference
    // to it (nil while it is being made); the first form made so is the
    // main form. The application's forms are freed when the event loop
    // quits; a program that runs none frees them itself (DestroyComponents).
    template <class T>
    void CreateForm(T*& Reference)
    {
        Reference = nullptr;
        T* form = new T(this);
        Reference = form;
        FormCreated(form);
    }
    // The first form that CreateForm made; nil when none, or once it is freed.
    TForm* MainForm() const { return FMainForm; }
    // Put back by a caller that borrowed the application for a while
    // (the designer gives its caller's main form back when it returns).
    void SetMainForm(TForm* Value);

    // The program's name where the window system shows it, and the caption
    // of message boxes without one of their own; an empty one is the
    // executable's name.
    QString Title() const;
    void SetTitle(const QString& Value);
    // The program's icon: every window without one of its own shows it.
    const QIcon& Icon() const { return FIcon; }
    void SetIcon(const QIcon& Value);

    // The long part of the hint of the control under the mouse (or of the
    // parent that has one), or what a menu item being chosen sets. Every
    // change fires OnHint.
    const QString& Hint() const { return FHint; }
    void SetHint(const QString& Value);
    TNotifyEvent OnHint;

    // Help: HelpFile opens with the desktop's viewer for HELP_CONTEXT,
    // HELP_CONTENTS and HELP_FINDER, after OnHelp has seen the request.
    // False when nothing was opened.
    const QString& HelpFile() const { return FHelpFile; }
    void SetHelpFile(const QString& Value) { FHelpFile = Value; }
    bool HelpCommand(unsigned Command, qintptr Data);
    bool HelpContext(int Context) { return HelpCommand(HELP_CONTEXT, Context); }
    THelpEvent OnHelp;

    // A message box through the modal responder, with Caption as its title
    // (the application's name when empty); the button chosen (IDOK, ...).
    int MessageBox(const QString& Text, const QString& Caption, unsigned Flags = MB_OK);

    // Called with the exception instead of ShowException when set.
    std::function<void(TObject* Sender, const Exception& E)> OnException;

    // Sends the exception in flight (inside a catch) to OnException or
    // ShowException. A silent abort is dropped.
    void HandleException(TObject* Sender);
    // A message box in an interactive session; on the offscreen and minimal
    // platforms (tests, batch runs) a line on stderr. The box is shown from
    // the event loop, never from inside the paint or input handler that failed.
    virtual void ShowException(const Exception& E);

    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    void FormCreated(TForm* Form);

    TForm* FMainForm = nullptr;
    bool FFreesAtQuit = false;
    QString FTitle;
    QIcon FIcon;
    QString FHint;
    QString FHelpFile;
};

// The process's application object, made on first use.
TApplication* Application();

// The caller's QApplication, or, when the process has none, one made now
// and kept for the rest of the process; every exception that reaches its
// event loop goes to the application's exception display. Raises
// EInvalidOperation when the process has a non-widget application.
QApplication* EnsureQApplication();

// Runs Proc so that no exception leaves it: an EAbort unwinds silently,
// anything else goes to Application()->HandleException(Sender). Every entry
// from the Qt event loop into our code goes through here.
template <class F>
void CallGuarded(TObject* Sender, F&& Proc) noexcept
{
    try {
        Proc();
    } catch (...) {
        try {
            Application()->HandleException(Sender);
        } catch (...) {
            // The display itself failed: nothing left to tell the user with.
        }
    }
}

} // namespace classlib
