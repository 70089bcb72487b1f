// Tries the design surface by hand: two surfaces, a palette, an Edit popup
// menu, the object inspector and the align/size palette. Not installed.

#include "designer-framework/testprogram/surfacetestwindow.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    designer_framework::testprogram::TSurfaceTestWindow window(nullptr);
    window.ShowWindows();
    return app.exec();
}
