// Tries the design surface by hand: two surfaces, a palette, an Edit
// popup menu and the align/size palette. Not installed.

#include "designer-framework/alignpalette.h"
#include "designer-framework/testprogram/selectioninspector.h"
#include "designer-framework/testprogram/surfacetestwindow.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    designer_framework::testprogram::TSurfaceTestWindow window(nullptr);
    window.Show();
    // The palette follows the surface that is activated.
    designer_framework::TfrmAlign align(nullptr);
    window.Inspector()->SetAlignForm(&align);
    align.SetSurface(window.Surface(0));
    align.SetBounds(window.Left() + window.Width() + 16, window.Top(), align.Width(), align.Height());
    align.Show();
    return app.exec();
}
