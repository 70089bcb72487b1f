#include "shapesurface.h"

#include "designer-framework/testprogram/testclasses.h"

#include "designer-framework/inspectordesigner.h"

#include <QCoreApplication>

using namespace designer_framework;
using namespace designer_framework::testprogram;

namespace {
constexpr int Pitch = 24, PerRow = 40, Side = 16;
}

TShapeSurface::TShapeSurface(int N)
    : Inspector(std::make_unique<TfrmInspector>(nullptr)), Surface(std::make_unique<TControlDesigner>(nullptr))
{
    RegisterTestClasses();
    const int rows = (N + PerRow - 1) / PerRow;
    Surface->SetName(QStringLiteral("Surface"));
    Surface->SetBounds(0, 0, 8 + PerRow * Pitch + 16, 8 + rows * Pitch + 16);
    for (int i = 0; i < N; ++i) {
        auto* shape = new TShape(Surface.get());
        shape->SetName(QStringLiteral("Shape%1").arg(i + 1));
        shape->SetBounds(8 + i % PerRow * Pitch, 8 + i / PerRow * Pitch, Side, Side);
        shape->SetParent(Surface.get());
        Shapes.append(shape);
    }
    Surface->SetInspector(new TInspectorDesigner(Inspector.get()));
    Surface->Show();
    QCoreApplication::processEvents();
}

// The surface goes first: it tells the inspector.
TShapeSurface::~TShapeSurface()
{
    Surface.reset();
    Inspector.reset();
}
