// The package's C entries as a host calls them.

#include "ide/ideentries.h"

#include <gtest/gtest.h>

namespace ide::tests {
namespace {

TEST(Entries, RefuseANullStatusAndReportSuccessOtherwise)
{
    EXPECT_EQ(QXIdeRegister(0, nullptr), qxFailed);
    EXPECT_EQ(QXIdeCloseWindows(nullptr), qxFailed);
    EXPECT_EQ(QXIdeDetach(nullptr), qxFailed);
    TQXEntryStatus status;
    EXPECT_EQ(QXIdeCloseWindows(&status), qxOk);
    EXPECT_EQ(QXIdeDetach(&status), qxOk);
}

} // namespace
} // namespace ide::tests
