#include "classlib/controls/application.h"

#include "classlib/controls/form.h"
#include "classlib/core/classbuilder.h"

#include <QApplication>
#include <QTimer>

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
    if (!msg.isEmpty() && !msg.endsWith(QLatin1Char('.')))
        msg += QLatin1Char('.');
    auto show = [msg] {
        TModalRequest request;
        request.Kind = TModalKind::Message;
        request.Caption = QGuiApplication::applicationDisplayName();
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
    request.Caption = Caption.isEmpty() ? QGuiApplication::applicationDisplayName() : Caption;
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

} // namespace classlib
