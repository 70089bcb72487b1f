// The designer as a program of its own: a host for the designer library.

#include "designer/launcher/launch.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    launcher::TLaunchArgs args;
    QString error;
    if (!launcher::ParseLaunchArgs(app.arguments().mid(1), args, error)) {
        std::fprintf(stderr, "qxdesigner: %s\nusage: qxdesigner [--embedded] [--splash] [--] [FILE]\n",
                     qPrintable(error));
        return 2;
    }
    return launcher::Launch(args);
}
