#include "runtime/shape.h"

#include "runtime/paintbox.h"
#include "runtime/paper.h"
#include "runtime/report.h"
#include "runtime/tests/elementtree.h"
#include "runtime/tests/eventform.h"
#include "runtime/tests/pageloop.h"

#include "classlib/graphics/brush.h"
#include "classlib/graphics/canvas.h"
#include "classlib/graphics/pen.h"

#include <gtest/gtest.h>

#include <memory>

using namespace classlib;
using namespace runtime;
using namespace runtime::tests;

namespace {

TEST(Shape, DrawsItsKindInsideTheContent)
{
    struct {
        TQXShapeKind Kind;
        QString Expected;
    } const cases[] = {
        {skNSLine, "LineTo (500,0)-(500,-601)"},  // 1001 wide: the middle truncates
        {skWELine, "LineTo (0,-300)-(1001,-300)"},
        {skNWSELine, "LineTo (0,0)-(1001,-601)"},
        {skNESWLine, "LineTo (1001,0)-(0,-601)"},
        {skEllipse, "Ellipse (0,0,1001,-601)"},
        {skRectangle, "Rectangle (0,0,1001,-601)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Expected.toStdString());
        TQXShape shape(nullptr);
        shape.SetBounds(0, 0, 1001, 601);
        shape.SetShape(c.Kind);
        shape.Pen()->SetColor(clRed);
        shape.Pen()->SetWidth(30);
        shape.Brush()->SetColor(clBlue);
        shape.Background()->ColorStyle = bcsTransparent;
        TPaintLogDC dc;
        dc.SetMapMode(MM_HIMETRIC);
        TCanvas canvas(&dc);
        shape.PaintAll(canvas);
        ASSERT_EQ(dc.Log.size(), 1u);
        const TPaintCall& call = dc.Log[0];
        const QString drawn = call.Kind == QLatin1String("LineTo")
            ? QStringLiteral("LineTo (%1,%2)-(%3,%4)").arg(call.P.X).arg(call.P.Y).arg(call.To.X).arg(call.To.Y)
            : call.Kind + QLatin1Char(' ') + RectText(call.R);
        EXPECT_EQ(drawn, c.Expected);
        EXPECT_EQ(dc.State().Pen.Width, 30);
        EXPECT_EQ(dc.State().Pen.Color, ColorToRGB(clRed));
        EXPECT_EQ(dc.State().Brush.Color, ColorToRGB(clBlue));
    }
}

TEST(Shape, CopyTakesKindPenAndBrush)
{
    TQXShape shape(nullptr);
    shape.SetShape(skEllipse);
    shape.Pen()->SetWidth(7);
    shape.Brush()->SetStyle(bsClear);
    TQXShape copy(nullptr);
    copy.Assign(&shape);
    EXPECT_EQ(copy.Shape(), skEllipse);
    EXPECT_EQ(copy.Pen()->Width(), 7);
    EXPECT_EQ(copy.Brush()->Style(), bsClear);
    EXPECT_NE(copy.Pen(), shape.Pen());
}

TEST(PaintBox, OwnerDrawIsClippedToTheContent)
{
    std::unique_ptr<TQXPaper> paper(NewA4Paper());
    TQXReport report(nullptr);
    paper->SetReport(&report);
    auto* box = AddElement<TQXPaintBox>(paper.get(), nullptr, QStringLiteral("Chart"), {0, 0, 1000, 500});
    box->Frame()->SetShape({fsLeft, fsTop, fsRight, fsBottom});
    box->Frame()->SetWidth(100);
    box->Background()->ColorStyle = bcsTransparent;
    TEventForm form(nullptr);
    form.Bind(box);
    TRect given;
    form.Draw = [&](TCanvas* canvas, const TRect& r) {
        given = r;
        canvas->Brush()->SetColor(clLime);
        canvas->FillRect({-500, 500, 2000, -2000});  // well beyond the box
    };
    TPaintLogDC dc;
    dc.SetMapMode(MM_HIMETRIC);
    TCanvas canvas(&dc);
    box->PaintAll(canvas);
    EXPECT_EQ(form.Log, QStringList({"OwnerDraw Chart"}));
    EXPECT_EQ(form.LastSender, &report);
    EXPECT_EQ(RectText(given), RectText({100, -100, 900, -400}));
    const size_t last = dc.Log.size() - 1;
    ASSERT_EQ(dc.Log[last].Color, ColorToRGB(clLime));
    EXPECT_TRUE(dc.Drawable(last, {500, -200}));
    EXPECT_FALSE(dc.Drawable(last, {50, -200}));
    EXPECT_FALSE(dc.Drawable(last, {500, -450}));

    form.Log.clear();
    box->SetStatic(true);
    box->PaintAll(canvas);
    EXPECT_TRUE(form.Log.isEmpty());
}

} // namespace
