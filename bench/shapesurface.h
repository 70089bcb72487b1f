#pragma once

// A design surface holding N shapes of 16 x 16 on a 24-pixel pitch, 40 to
// a row from (8, 8), bound to an object inspector, for the surface and
// inspector benchmarks.

#include "designer-framework/testprogram/shape.h"

#include "designer-framework/controldesigner.h"
#include "designer-framework/inspectorwindow.h"

#include <QList>

#include <memory>

struct TShapeSurface {
    explicit TShapeSurface(int N);
    ~TShapeSurface();

    std::unique_ptr<designer_framework::TfrmInspector> Inspector;
    std::unique_ptr<designer_framework::TControlDesigner> Surface;
    QList<designer_framework::testprogram::TShape*> Shapes;
};
