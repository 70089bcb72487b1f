// Splitters dragged as a person drags them, and bevels as they are drawn.

#include "classlib/controls/bevel.h"
#include "classlib/controls/form.h"
#include "classlib/controls/panel.h"
#include "classlib/controls/splitter.h"
#include "handlers.h"

#include <QTest>

#include <gtest/gtest.h>

namespace classlib {
namespace {

TEST(Splitter, DraggingSizesThePaneBeforeItWithinMinSize)
{
    for (TAlign side : {alLeft, alTop, alRight}) {
        TForm form(nullptr);
        form.SetBounds(0, 0, 400, 300);
        auto* pane = new TPanel(&form);
        pane->SetParent(&form);
        pane->SetAlign(side);
        const bool across = side == alTop;
        if (across)
            pane->SetHeight(100);
        else
            pane->SetWidth(100);
        auto* splitter = new TSplitter(&form);
        splitter->SetAlign(side);
        // Placed just past the pane, as a person places it in a form.
        if (side == alLeft) splitter->SetLeft(150);
        if (side == alTop) splitter->SetTop(150);
        if (side == alRight) splitter->SetLeft(0);
        splitter->SetParent(&form);
        splitter->SetMinSize(40);
        auto* rest = new TPanel(&form);
        rest->SetParent(&form);
        rest->SetAlign(alClient);
        form.Show();
        ASSERT_EQ(splitter->FindControl(), pane) << int(side);
        int moved = 0;
        testing::Bind(splitter->OnMoved, [&](TObject*) { ++moved; });

        auto drag = [&](int By) {
            const QPoint from(1, 1);
            const QPoint to = across ? QPoint(1, 1 + By) : QPoint(1 + By, 1);
            QTest::mousePress(splitter->Widget(), Qt::LeftButton, {}, from);
            QMouseEvent move(QEvent::MouseMove, QPointF(to), splitter->Widget()->mapToGlobal(QPointF(to)),
                             Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(splitter->Widget(), &move);
            QTest::mouseRelease(splitter->Widget(), Qt::LeftButton, {}, to);
        };
        auto size = [&] { return across ? pane->Height() : pane->Width(); };
        const int sign = side == alRight ? -1 : 1;
        drag(sign * 50);
        EXPECT_EQ(size(), 150) << int(side);
        drag(sign * 1000);
        const int whole = across ? form.ClientHeight() : form.ClientWidth();
        const int thick = across ? splitter->Height() : splitter->Width();
        EXPECT_EQ(size(), whole - thick - 40) << int(side);
        drag(-sign * 1000);
        EXPECT_EQ(size(), 40) << int(side);
        EXPECT_EQ(moved, 3);
    }
}

TEST(Bevel, ATopLineIsAShadowOverAHighlight)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 100, 60);
    auto* bevel = new TBevel(&form);
    bevel->SetParent(&form);
    bevel->SetShape(bsTopLine);
    bevel->SetBounds(10, 10, 50, 8);
    form.Show();
    const QImage shot = bevel->Widget()->grab().toImage();
    auto rgb = [](TColor Color) {
        const TColorRef c = ColorToRGB(Color);
        return qRgb(GetRValue(c), GetGValue(c), GetBValue(c)) & 0xFFFFFF;
    };
    EXPECT_EQ(shot.pixel(20, 0) & 0xFFFFFF, rgb(clBtnShadow));
    EXPECT_EQ(shot.pixel(20, 1) & 0xFFFFFF, rgb(clBtnHighlight));
    bevel->SetStyle(bsRaised);
    const QImage raised = bevel->Widget()->grab().toImage();
    EXPECT_EQ(raised.pixel(20, 0) & 0xFFFFFF, rgb(clBtnHighlight));
}

} // namespace
} // namespace classlib
