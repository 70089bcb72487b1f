// Track bars: the position kept within its range, moved by the mouse and
// the keys, with OnChange after every change.

#include "classlib/controls/form.h"
#include "classlib/controls/trackbar.h"

#include "handlers.h"

#include <QTest>

#include <gtest/gtest.h>

#include <vector>

namespace classlib {
namespace {

using testing::Bind;

TEST(TrackBar, KeepsItsRangeAndFollowsTheMouseAndKeys)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 200, 80);
    auto* bar = new TTrackBar(&form);
    bar->SetParent(&form);
    bar->SetBounds(0, 0, 111, 29);
    bar->SetParams(1, 1, 16);
    form.Show();
    form.Widget()->activateWindow();
    (void)QTest::qWaitForWindowActive(form.Widget());
    std::vector<int> seen;
    Bind(bar->OnChange, [&](TObject*) { seen.push_back(bar->Position()); });

    bar->SetPosition(40);
    EXPECT_EQ(bar->Position(), 16);
    bar->SetPosition(-3);
    EXPECT_EQ(bar->Position(), 1);
    // Every value has its place, and the place gives the value back.
    for (int v = 1; v <= 16; ++v) EXPECT_EQ(bar->ValueAt(bar->ThumbCentre(v)), v);
    QTest::mouseClick(bar->Widget(), Qt::LeftButton, {}, QPoint(bar->ThumbCentre(9), 10));
    EXPECT_EQ(bar->Position(), 9);
    EXPECT_TRUE(bar->Focused());
    QTest::mousePress(bar->Widget(), Qt::LeftButton, {}, QPoint(bar->ThumbCentre(9), 10));
    QTest::mouseMove(bar->Widget(), QPoint(bar->ThumbCentre(12), 10));
    QTest::mouseRelease(bar->Widget(), Qt::LeftButton, {}, QPoint(bar->ThumbCentre(12), 10));
    EXPECT_EQ(bar->Position(), 12);
    const struct {
        Qt::Key Key;
        int Position;
    } keys[] = {{Qt::Key_Right, 13}, {Qt::Key_Left, 12}, {Qt::Key_End, 16}, {Qt::Key_Right, 16},
                {Qt::Key_PageUp, 14}, {Qt::Key_Home, 1}, {Qt::Key_Up, 1}};
    for (const auto& k : keys) {
        QTest::keyClick(bar->Widget(), k.Key);
        EXPECT_EQ(bar->Position(), k.Position) << k.Key;
    }
    EXPECT_EQ(seen, (std::vector<int>{16, 1, 9, 12, 13, 12, 16, 14, 1}));
}

} // namespace
} // namespace classlib
