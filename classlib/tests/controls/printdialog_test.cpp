// The print dialog answered by a script: what it asks, and the range it
// gives back whatever the answer held.

#include "classlib/controls/dialogs.h"

#include <gtest/gtest.h>

namespace classlib {
namespace {

struct TPrintCase {
    const char* Name;
    bool PageNums;
    int AnswerFrom, AnswerTo;  // 0, 0: all pages; -1: cancelled
    bool Confirmed;
    TPrintRange Range;
    int From, To;
};

TEST(PrintDialog, GivesBackTheChosenRangeWithinItsLimits)
{
    static const TPrintCase cases[] = {
        {"cancel keeps everything", true, -1, -1, false, prAllPages, 2, 3},
        {"all pages", true, 0, 0, true, prAllPages, 2, 3},
        {"a range", true, 3, 4, true, prPageNums, 3, 4},
        {"a range past the limits is clamped", true, 0, 9, true, prPageNums, 1, 5},
        {"a range backwards ends at its start", true, 4, 2, true, prPageNums, 4, 4},
        {"no range without page numbers", false, 3, 4, true, prAllPages, 2, 3},
    };
    for (const TPrintCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TPrintDialog dialog(nullptr);
        dialog.SetMinPage(1);
        dialog.SetMaxPage(5);
        dialog.SetFromPage(2);
        dialog.SetToPage(3);
        if (c.PageNums) dialog.SetOptions({poPageNums});
        TModalScript script;
        if (c.AnswerFrom < 0)
            script.Answer(mrCancel);
        else
            script.ConfirmPrint(c.AnswerFrom, c.AnswerTo);
        EXPECT_EQ(dialog.Execute(), c.Confirmed);
        EXPECT_EQ(dialog.PrintRange(), c.Range);
        EXPECT_EQ(dialog.FromPage(), c.From);
        EXPECT_EQ(dialog.ToPage(), c.To);
        ASSERT_EQ(script.Requests().size(), 1u);
        const TModalRequest& asked = script.Requests().front();
        EXPECT_EQ(asked.Kind, TModalKind::Print);
        EXPECT_EQ(asked.PageNums, c.PageNums);
        EXPECT_EQ(asked.MinPage, 1);
        EXPECT_EQ(asked.MaxPage, 5);
        EXPECT_EQ(asked.FromPage, 2);
        EXPECT_EQ(asked.ToPage, 3);
        EXPECT_EQ(script.Unexpected(), 0);
    }
}

} // namespace
} // namespace classlib
