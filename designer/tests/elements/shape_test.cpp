#include "designer/elements/shape.h"
#include "designer/tests/elements/elementtest.h"

#include "classlib/graphics/brush.h"
#include "classlib/graphics/pen.h"

#include <gtest/gtest.h>

using namespace classlib;
using namespace designer;
using namespace designer::tests;
using runtime::TQXShapeKind;
using runtime::skNSLine;
using runtime::skWELine;
using runtime::skNWSELine;
using runtime::skNESWLine;
using runtime::skEllipse;
using runtime::skRectangle;

namespace {

TEST(Shape, NewShapeHasAWhiteBrushAndABlackPen)
{
    TQXShape shape(nullptr);
    EXPECT_EQ(shape.Brush()->Color(), clWhite);
    EXPECT_EQ(shape.Pen()->Color(), clBlack);
    EXPECT_EQ(shape.Shape(), skNSLine);
}

TEST(Shape, PenAndBrushAreCopied)
{
    TQXShape shape(nullptr);
    TPen pen;
    pen.SetColor(TColor(0x0000FF));
    pen.SetWidth(3);
    shape.SetPen(&pen);
    TBrush brush;
    brush.SetColor(TColor(0x00FF00));
    shape.SetBrush(&brush);
    EXPECT_NE(shape.Pen(), &pen);
    EXPECT_EQ(shape.Pen()->Width(), 3);
    EXPECT_EQ(shape.Pen()->Color(), TColor(0x0000FF));
    EXPECT_EQ(shape.Brush()->Color(), TColor(0x00FF00));
}

struct ShapeRow {
    TQXShapeKind Kind;
    std::vector<std::pair<int, int>> Inked;
    std::vector<std::pair<int, int>> Blank;
};

TEST(Shape, EachKindDrawsInTheContent)
{
    TZoomGuard guard(1.0);
    // The element is 76 pixels square, its content (10, 10, 66, 66) inside
    // a frame; the middle is 38.
    const ShapeRow rows[] = {
        {skNSLine, {{38, 20}, {38, 60}}, {{20, 38}, {60, 38}}},
        {skWELine, {{20, 38}, {60, 38}}, {{38, 20}, {38, 60}}},
        {skNWSELine, {{20, 20}, {60, 60}}, {{60, 20}, {20, 60}}},
        {skNESWLine, {{55, 21}, {20, 56}}, {{20, 20}, {60, 60}}},
        {skEllipse, {{38, 10}, {10, 38}}, {{38, 38}, {13, 13}}},
        {skRectangle, {{38, 10}, {10, 38}}, {{38, 38}, {20, 20}}},
    };
    TTestPage page;
    auto* shape = page.Add<TQXShape>(QStringLiteral("Shape1"));
    TPen pen;
    pen.SetColor(TColor(0x0000FF));  // red, told apart from the black outline
    shape->SetPen(&pen);
    runtime::TQXFrame frame;
    frame.SetShape(runtime::TQXFrameSides{runtime::fsTop, runtime::fsLeft, runtime::fsBottom, runtime::fsRight});
    frame.SetWidth(254);
    shape->SetFrame(&frame);
    page.Widget()->show();
    for (const ShapeRow& row : rows) {
        shape->SetShape(row.Kind);
        const QImage image = Grab(*shape);
        // Lines may fall a pixel either way of the ideal one.
        const auto redNear = [&](int X, int Y) {
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    if (RGBAt(image, X + dx, Y + dy) == 0xFF0000u) return true;
            return false;
        };
        for (auto [x, y] : row.Inked) EXPECT_TRUE(redNear(x, y)) << int(row.Kind) << ": " << x << "," << y;
        for (auto [x, y] : row.Blank) EXPECT_EQ(RGBAt(image, x, y), 0xFFFFFFu) << int(row.Kind) << ": " << x << "," << y;
    }
}

} // namespace
