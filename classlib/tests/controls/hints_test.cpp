// The short and long parts of a hint.

#include "classlib/controls/hints.h"

#include <gtest/gtest.h>

namespace classlib {
namespace {

TEST(Hints, SplitAtTheFirstBar)
{
    struct TCase {
        const char* Hint;
        const char* Short;
        const char* Long;
    };
    const TCase cases[] = {
        {"Open report|Opens an existing report", "Open report", "Opens an existing report"},
        {"Creates a new report", "Creates a new report", "Creates a new report"},
        {"|Only long", "", "Only long"},
        {"Only short|", "Only short", ""},
        {"a|b|c", "a", "b|c"},
        {"", "", ""},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Hint);
        EXPECT_EQ(GetShortHint(QString::fromUtf8(c.Hint)), QString::fromUtf8(c.Short));
        EXPECT_EQ(GetLongHint(QString::fromUtf8(c.Hint)), QString::fromUtf8(c.Long));
    }
}

} // namespace
} // namespace classlib
