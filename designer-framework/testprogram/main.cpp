// Tries the design surface by hand: two surfaces, a palette, an Edit popup
// menu and the object inspector. Not installed.

#include "designer-framework/testprogram/surfacetestwindow.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    designer_framework::testprogram::TSurfaceTestWindow window(nullptr);
    window.ShowWindows();
    return app.exec();
}
