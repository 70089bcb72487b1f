#include "designer/document/paperdimensions.h"

#include <gtest/gtest.h>

using designer::PaperDimensions;
using designer::TQXPaperDimensions;
using designer::TQXPaperSize;

namespace {

struct DimensionRow {
    TQXPaperSize Size;
    qint32 Width;
    qint32 Height;
};

const DimensionRow DimensionRows[] = {
    {TQXPaperSize::Letter, 21590, 27940},  {TQXPaperSize::LetterSmall, 21590, 27940},
    {TQXPaperSize::Tabloid, 27940, 43180}, {TQXPaperSize::Ledger, 43180, 27940},
    {TQXPaperSize::Legal, 21590, 35560},   {TQXPaperSize::Statement, 13970, 21590},
    {TQXPaperSize::Executive, 19050, 25400}, {TQXPaperSize::A3, 29700, 42000},
    {TQXPaperSize::A4, 21000, 29700},      {TQXPaperSize::A4Small, 21000, 29700},
    {TQXPaperSize::A5, 14800, 21000},      {TQXPaperSize::B4, 25000, 35400},
    {TQXPaperSize::B5, 18200, 25700},      {TQXPaperSize::Folio, 21590, 33020},
    {TQXPaperSize::Quarto, 21500, 27500},  {TQXPaperSize::qr10X14, 25400, 35560},
    {TQXPaperSize::qr11X17, 27940, 43180}, {TQXPaperSize::Note, 21590, 27900},
    {TQXPaperSize::Env9, 9843, 22540},     {TQXPaperSize::Env10, 10480, 24130},
    {TQXPaperSize::Env11, 11430, 26350},   {TQXPaperSize::Env12, 10160, 27940},
    {TQXPaperSize::Env14, 12700, 29210},   {TQXPaperSize::CSheet, 10000, 10000},
    {TQXPaperSize::DSheet, 10000, 10000},  {TQXPaperSize::ESheet, 10000, 10000},
};

} // namespace

TEST(PaperDimensions, EveryStandardSizeHasItsPortraitRow)
{
    ASSERT_EQ(std::size(DimensionRows), 26u);
    int expected = 1;
    for (const DimensionRow& row : DimensionRows) {
        SCOPED_TRACE(int(row.Size));
        EXPECT_EQ(int(row.Size), expected++);
        const auto found = PaperDimensions(row.Size);
        ASSERT_TRUE(found.has_value());
        EXPECT_EQ(*found, (TQXPaperDimensions{row.Width, row.Height}));
    }
}

TEST(PaperDimensions, NoteIsShorterThanLetterAndLedgerIsStoredWide)
{
    EXPECT_EQ(PaperDimensions(TQXPaperSize::Note)->Height, 27900);
    EXPECT_EQ(PaperDimensions(TQXPaperSize::Letter)->Height, 27940);
    EXPECT_EQ(PaperDimensions(TQXPaperSize::Ledger), (TQXPaperDimensions{43180, 27940}));
}

// A document may carry any byte as its paper size: values without a row
// answer "no dimensions" rather than read beside the table.
TEST(PaperDimensions, SizesWithoutARowHaveNoDimensions)
{
    for (int value : {0, 27, 28, 128, 255}) {
        SCOPED_TRACE(value);
        EXPECT_FALSE(PaperDimensions(TQXPaperSize(value)).has_value());
    }
}
