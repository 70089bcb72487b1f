#include "ide/host/hostmain.h"

#include "ide/host/mainwindow.h"
#include "ide/host/scriptrunner.h"

#include "ide/ideentries.h"

#include "classlib/controls/application.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

#include <cstdio>

using namespace classlib;

namespace idehost {

int HostMain(int argc, char** argv)
{
    QApplication app(argc, argv);
    QString script;
    QString package = QString::fromLatin1(ide::IdePackageName);
    const QStringList args = app.arguments();
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--script") && i + 1 < args.size())
            script = args[++i];
        else if (args[i] == QLatin1String("--package") && i + 1 < args.size())
            package = args[++i];
        else {
            std::fprintf(stderr, "usage: qxidehost [--script FILE] [--package PATH]\n");
            return 2;
        }
    }
    Application()->SetTitle(QString::fromLatin1(HostTitle));
    int result = 0;
    {
        THostMainWindow main(nullptr, package);
        main.Show();
        if (!script.isEmpty())
            result = RunScript(main, script);
        else {
            // The main window's close ends the program, whatever else is open.
            struct TQuitOnClose : QObject {
                bool eventFilter(QObject*, QEvent* E) override
                {
                    if (E->type() == QEvent::Close) QMetaObject::invokeMethod(qApp, &QApplication::quit, Qt::QueuedConnection);
                    return false;
                }
            } quitOnClose;
            main.Widget()->installEventFilter(&quitOnClose);
            result = app.exec();
            main.Widget()->removeEventFilter(&quitOnClose);
        }
    }
    return result;
}

} // namespace idehost
