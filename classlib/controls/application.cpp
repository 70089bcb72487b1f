#include "classlib/controls/application.h"

#include "classlib/core/classbuilder.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <cstdio>
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
    const QString platform = QGuiApplication::platformName();
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()) ||
        platform == QLatin1String("offscreen") || platform == QLatin1String("minimal")) {
        std::fprintf(stderr, "%s\n", msg.toLocal8Bit().constData());
        return;
    }
    QTimer::singleShot(0, qApp, [msg] {
        QMessageBox::critical(nullptr, QApplication::applicationDisplayName(), msg);
    });
}

TApplication* Application()
{
    static const std::unique_ptr<TApplication> app = std::make_unique<TApplication>(nullptr);
    return app.get();
}

} // namespace classlib
