// The page lines of the print order follow the pages: deleting a page takes
// its lines (and lines that hang under them) out and renumbers the parent
// references that follow; renaming rewrites the name column only.

#include "designer/document/document.h"

#include <gtest/gtest.h>

namespace designer {
namespace {

QString Lines(std::initializer_list<const char*> L)
{
    QString text;
    for (const char* line : L) text += QString::fromLatin1(line) + QStringLiteral("\r\n");
    return text;
}

struct TOrderCase {
    const char* Name;
    QString Order;
    QString Page;
    QString Expected;
};

class RemovePageLinesTest : public ::testing::TestWithParam<TOrderCase> {};

TEST_P(RemovePageLinesTest, LeavesTheOrderOfTheOtherPages)
{
    const TOrderCase& c = GetParam();
    EXPECT_EQ(RemovePageLines(c.Order, c.Page), c.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Orders, RemovePageLinesTest,
    ::testing::Values(
        TOrderCase{"OnlyPageLinesOfThatNameInAnyCase",
                   Lines({"p  -1Page1", "g  -1Page1", "p   3PAGE1", "P  -1Page1", "p  -1Page2"}), "Page1",
                   Lines({"g  -1Page1", "P  -1Page1", "p  -1Page2"})},
        TOrderCase{"EmptyLinesStay", Lines({"p  -1A", "", "p  -1B"}), "A", Lines({"", "p  -1B"})},
        TOrderCase{"ReferencesAfterTheRemovedLinesMove",
                   Lines({"g  -1G1", "p   0A", "p   0B", "g  -1G2", "p   3C", "p   3A"}), "A",
                   Lines({"g  -1G1", "p   0B", "g  -1G2", "p   2C"})},
        TOrderCase{"NestedGroupsKeepTheirMembers",
                   Lines({"p  -1X", "g  -1G1", "g   1G2", "p   2A", "p   1B"}), "X",
                   Lines({"g  -1G1", "g   0G2", "p   1A", "p   0B"})},
        TOrderCase{"LinesUnderARemovedLineGoWithIt", Lines({"p  -1A", "p   0B", "p   1C", "p  -1D"}), "A",
                   Lines({"p  -1D"})},
        TOrderCase{"ReferencesThatAreNoLinesStayAsWritten", Lines({"p  -1A", "p  99B", "p   xC"}), "A",
                   Lines({"p  99B", "p   xC"})},
        TOrderCase{"ReferencesAreTrimmedAsTheRunTrimsThem",
                   QStringLiteral("p  -1A\r\ng  -1G\r\np \x01 1B\r\n"), "A", Lines({"g  -1G", "p   0B"})},
        TOrderCase{"NoLineBreakAtTheEnd", QStringLiteral("p  -1Page1"), "Page2", Lines({"p  -1Page1"})},
        TOrderCase{"EmptyOrder", QString(), "Page1", QString()}),
    [](const auto& Info) { return std::string(Info.param.Name); });

TEST(RenamePageLines, RewritesTheNameColumnOfPageLinesOnly)
{
    EXPECT_EQ(RenamePageLines(Lines({"p  -1Page1", "g  -1Page1", "p   0page1", "", "p  -1Page2"}),
                              QStringLiteral("Page1"), QStringLiteral("Totals")),
              Lines({"p  -1Totals", "g  -1Page1", "p   0Totals", "", "p  -1Page2"}));
}

TEST(IsPageLineOf, NeedsALowerCasePAndTheWholeName)
{
    EXPECT_TRUE(IsPageLineOf(QStringLiteral("p  -1Page1"), QStringLiteral("PAGE1")));
    EXPECT_FALSE(IsPageLineOf(QStringLiteral("P  -1Page1"), QStringLiteral("Page1")));
    EXPECT_FALSE(IsPageLineOf(QStringLiteral("p  -1Page10"), QStringLiteral("Page1")));
    EXPECT_FALSE(IsPageLineOf(QStringLiteral("p"), QStringLiteral("Page1")));
}

} // namespace
} // namespace designer
