#include "classlib/controls/application.h"

#include "classlib/controls/form.h"
#include "classlib/core/classbuilder.h"

#include <QApplication>
#include <QDesktopServices>
#include <QTimer>
#include <QUrl>

#include <cstdio>

#include <iterator>
#include <memory>

namespace classlib {

const TClassInfo& TApplication::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TApplication>("TApplication").Build();
    return info;
}

TApplication::TApplication(TComponent* AOwner) : TComponent(AOwner) {}

void TApplication::HandleException(TObject* Sender)
{
    std::exception_ptr e = std::current_exception();
    if (!e)
        return;
    try {
        std::rethrow_exception(e);
    } catch (const EAbort&) {
        return;
    } catch (const Exception& ex) {
        if (OnException)
            OnException(Sender, ex);
        else
            ShowException(ex);
    } catch (const std::exception& ex) {
        const Exception wrapped(QString::fromUtf8(ex.what()));
        if (OnException)
            OnException(Sender, wrapped);
        else
            ShowException(wrapped);
    } catch (...) {
        const Exception wrapped(QStringLiteral("Unknown exception"));
        if (OnException)
            OnException(Sender, wrapped);
        else
            ShowException(wrapped);
    }
}

void TApplication::ShowException(const Exception& E)
{
    QString msg = E.Message.trimmed();
    // A sentence gets its full stop; one that already ends in punctuation
    // ("exists!", "Continue?") keeps its own.
    static const QString closing = QStringLiteral(".!?:;\u2026");
    if (!msg.isEmpty() && !closing.contains(msg.back()))
        msg += QLatin1Char('.');
    auto show = [msg, title = Title()] {
        TModalRequest request;
        request.Kind = TModalKind::Message;
        request.Caption = title;
        request.Text = msg;
        request.DlgType = mtError;
        request.Buttons = TMsgDlgButtons{mbOK};
        RunModal(request);
    };
    // A real box waits for the event loop: never inside the paint or input
    // handler that failed. A script or a line on stderr answers at once.
    if (InteractiveSession() && !ModalResponderInstalled())
        QTimer::singleShot(0, qApp, show);
    else
        show();
}

int TApplication::MessageBox(const QString& Text, const QString& Caption, unsigned Flags)
{
    static const TMsgDlgButtons buttons[] = {
        {mbOK}, {mbOK, mbCancel}, {mbAbort, mbRetry, mbIgnore}, {mbYes, mbNo, mbCancel}, {mbYes, mbNo}, {mbRetry, mbCancel},
    };
    TModalRequest request;
    request.Kind = TModalKind::Message;
    request.Caption = Caption.isEmpty() ? Title() : Caption;
    request.Text = Text;
    const unsigned kind = Flags & 0x0F;
    request.Buttons = kind < std::size(buttons) ? buttons[kind] : TMsgDlgButtons{mbOK};
    switch (Flags & 0xF0) {
    case MB_ICONERROR: request.DlgType = mtError; break;
    case MB_ICONQUESTION: request.DlgType = mtConfirmation; break;
    case MB_ICONWARNING: request.DlgType = mtWarning; break;
    case MB_ICONINFORMATION: request.DlgType = mtInformation; break;
    default: request.DlgType = mtCustom; break;
    }
    return RunModal(request);
}

void TApplication::SetMainForm(TForm* Value)
{
    if (Value == FMainForm)
        return;
    if (FMainForm)
        FMainForm->RemoveFreeNotification(this);
    FMainForm = Value;
    if (Value)
        Value->FreeNotification(this);
}

QString TApplication::Title() const
{
    return FTitle.isEmpty() ? QCoreApplication::applicationName() : FTitle;
}

void TApplication::SetTitle(const QString& Value)
{
    // Not Qt's display name: that one is appended to every window's title.
    FTitle = Value;
}

void TApplication::SetIcon(const QIcon& Value)
{
    FIcon = Value;
    if (qGuiApp)
        QGuiApplication::setWindowIcon(Value);
}

void TApplication::SetHint(const QString& Value)
{
    if (Value == FHint)
        return;
    FHint = Value;
    OnHint(this);
}

bool TApplication::HelpCommand(unsigned Command, qintptr Data)
{
    bool callHelp = true;
    bool result = false;
    if (OnHelp)
        result = OnHelp(Command, Data, callHelp);
    if (!callHelp)
        return result;
    if (FHelpFile.isEmpty() || (Command != HELP_CONTEXT && Command != HELP_CONTENTS && Command != HELP_FINDER))
        return false;
    // Where nobody can read it, the request is only told.
    if (!InteractiveSession()) {
        std::fprintf(stderr, "help: %s\n", FHelpFile.toLocal8Bit().constData());
        return false;
    }
    return QDesktopServices::openUrl(QUrl::fromLocalFile(FHelpFile));
}

void TApplication::FormCreated(TForm* Form)
{
    if (!FMainForm)
        FMainForm = Form;
    if (!FFreesAtQuit && QCoreApplication::instance()) {
        FFreesAtQuit = true;
        QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit,
                         [this] { DestroyComponents(); });
    }
}

void TApplication::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FMainForm)
        FMainForm = nullptr;
}

TApplication* Application()
{
    static const std::unique_ptr<TApplication> app = std::make_unique<TApplication>(nullptr);
    return app.get();
}

namespace {

// An exception that escapes a handler Qt called is shown, never carried
// through Qt's own frames.
class TGuardedApplication : public QApplication {
public:
    using QApplication::QApplication;

    bool notify(QObject* Receiver, QEvent* E) override
    {
        try {
            return QApplication::notify(Receiver, E);
        } catch (...) {
            try {
                Application()->HandleException(Application());
            } catch (...) {
                // Nothing left to tell the user with.
            }
            return false;
        }
    }
};

} // namespace

QApplication* EnsureQApplication()
{
    QCoreApplication* existing = QCoreApplication::instance();
    if (auto* app = qobject_cast<QApplication*>(existing))
        return app;
    if (existing)
        throw EInvalidOperation(QStringLiteral("The process runs an application without windows"));
    // Qt keeps argc and argv for the application's life: the process's.
    static int argc = 1;
    static char name[] = "tessary";
    static char* argv[] = {name, nullptr};
    static TGuardedApplication* made = nullptr;
    made = new TGuardedApplication(argc, argv);
    return made;
}

} // namespace classlib
