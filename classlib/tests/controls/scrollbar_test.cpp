#include "classlib/controls/scrollbar.h"

#include <QScrollBar>

#include <gtest/gtest.h>

namespace classlib {
namespace {

TEST(ScrollBar, EnabledExactlyWhileTheRangeExceedsThePage)
{
    struct TCase {
        const char* Name;
        int Max, Page;
        bool Enabled;
        int MaxThumb;
    };
    const TCase cases[] = {
        {"range larger than page", 10, 4, true, 7},
        {"range one more than page", 4, 4, true, 1},
        {"range equal to page", 3, 4, false, 0},
        {"empty range", 0, 1, false, 0},
        {"no page", 5, 0, true, 5},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TScrollBar bar(nullptr);
        bar.SetEnabled(false);
        bar.SetParams(0, 0, c.Max);
        bar.SetPageSize(c.Page, true);
        EXPECT_EQ(bar.Enabled(), c.Enabled);
        EXPECT_EQ(bar.Widget()->isEnabled(), c.Enabled);
        EXPECT_EQ(bar.MaxThumbPosition(), c.MaxThumb);
        EXPECT_EQ(static_cast<QScrollBar*>(bar.Widget())->maximum(), c.MaxThumb);
    }
}

TEST(ScrollBar, ParamsKeepThePositionInRangeAndReportChanges)
{
    TScrollBar bar(nullptr);
    int changes = 0;
    bar.OnChange = [&](TObject*) { ++changes; };
    bar.SetParams(50, 0, 20);
    EXPECT_EQ(bar.Position(), 20);
    EXPECT_EQ(changes, 1);
    bar.SetParams(20, 0, 30);
    EXPECT_EQ(changes, 1);
    bar.SetParams(5, 10, 3);  // Max below Min counts as Min
    EXPECT_EQ(bar.Min(), 10);
    EXPECT_EQ(bar.Max(), 10);
    EXPECT_EQ(bar.Position(), 10);
}

TEST(ScrollBar, ScrollProtocolReportsCodesAndAppliesPositionsUpToTheLastThumbPosition)
{
    TScrollBar bar(nullptr);
    bar.SetParams(0, 0, 9);
    bar.SetPageSize(3);
    QList<QPair<TScrollCode, int>> log;
    bar.OnScroll = [&](TObject*, TScrollCode Code, int& Pos) { log.append({Code, Pos}); };
    bar.Scroll(scTrack, 4);
    EXPECT_EQ(bar.Position(), 0);  // tracking does not move the position
    bar.Scroll(scPosition, 99);
    EXPECT_EQ(bar.Position(), 7);
    bar.OnScroll = [](TObject*, TScrollCode, int& Pos) { Pos = 2; };
    bar.Scroll(scLineDown, 8);
    EXPECT_EQ(bar.Position(), 2);  // the handler's position wins
    ASSERT_EQ(log.size(), 2);
    EXPECT_EQ(log[0], qMakePair(scTrack, 4));
    EXPECT_EQ(log[1], qMakePair(scPosition, 99));
}

TEST(ScrollBar, WidgetActionsEndWithEndScrollAtTheNewPosition)
{
    TScrollBar bar(nullptr);
    bar.SetKind(sbVertical);
    bar.SetParams(0, 0, 20);
    bar.SetPageSize(5);
    bar.SetLargeChange(5);
    QList<QPair<TScrollCode, int>> log;
    bar.OnScroll = [&](TObject*, TScrollCode Code, int& Pos) { log.append({Code, Pos}); };
    auto* qbar = static_cast<QScrollBar*>(bar.Widget());
    qbar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    qbar->triggerAction(QAbstractSlider::SliderToMaximum);
    ASSERT_EQ(log.size(), 4);
    EXPECT_EQ(log[0], qMakePair(scPageDown, 5));
    EXPECT_EQ(log[1], qMakePair(scEndScroll, 5));
    EXPECT_EQ(log[2].first, scBottom);
    EXPECT_EQ(log[3], qMakePair(scEndScroll, 16));
    EXPECT_EQ(bar.Position(), 16);
    EXPECT_EQ(qbar->value(), 16);
}

} // namespace
} // namespace classlib
