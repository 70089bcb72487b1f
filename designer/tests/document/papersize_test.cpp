#include "designer/document/papersize.h"

#include <gtest/gtest.h>

#include <QSet>

using designer::PaperSizeName;
using designer::TQXPaperSize;

namespace {

struct PaperNameRow {
    int Value;
    const char* StoredName;
    const char16_t* DisplayName;
};

const PaperNameRow PaperNameRows[] = {
    {0, "Default", u"Default size"},
    {1, "Letter", u"Letter 8 1/2 x 11 in"},
    {2, "LetterSmall", u"Letter Small 8 1/2 x 11 in"},
    {3, "Tabloid", u"Tabloid 11 x 17 in"},
    {4, "Ledger", u"Ledger 17 x 11 in"},
    {5, "Legal", u"Legal 8 1/2 x 14 in"},
    {6, "Statement", u"Statement 5 1/2 x 8 1/2 in"},
    {7, "Executive", u"Executive 7 1/2 x 10 in"},
    {8, "A3", u"A3 297 x 420 mm"},
    {9, "A4", u"A4 210 x 297 mm"},
    {10, "A4Small", u"A4 Small 210 x 297 mm"},
    {11, "A5", u"A5 148 x 210 mm"},
    {12, "B4", u"B4 250 x 354 mm"},
    {13, "B5", u"B5 182 x 257 mm"},
    {14, "Folio", u"Folio 8 1/2 x 13 in"},
    {15, "Quarto", u"Quarto 215 x 275 mm"},
    {16, "qr10X14", u"10x14 in"},
    {17, "qr11X17", u"11x17 in"},
    {18, "Note", u"Note 8 1/2 x 11 in"},
    {19, "Env9", u"Envelope #9 3 7/8 x 8 7/8"},
    {20, "Env10", u"Envelope #10 4 1/8 x 9 1/2"},
    {21, "Env11", u"Envelope #11 4 1/2 x 10 3/8"},
    {22, "Env12", u"Envelope #12 4 \u0455 x 11"},
    {23, "Env14", u"Envelope #14 5 x 11 1/2"},
    {24, "CSheet", u"C size sheet"},
    {25, "DSheet", u"D size sheet"},
    {26, "ESheet", u"E size sheet"},
    {27, "Custom", u"Custom Size"},
};

} // namespace

TEST(PaperSize, EveryValueHasItsStoredAndDisplayName)
{
    const classlib::TTypeInfo* type = classlib::TypeInfo<TQXPaperSize>();
    ASSERT_EQ(type->Kind, classlib::TTypeKind::tkEnumeration);
    EXPECT_EQ(type->Name, QStringLiteral("TQXPaperSize"));
    EXPECT_EQ(type->OrdType, classlib::TOrdType::otUByte);
    EXPECT_EQ(type->MinValue, 0);
    EXPECT_EQ(type->MaxValue, 27);
    ASSERT_EQ(type->EnumNames.size(), std::size(PaperNameRows));
    for (const PaperNameRow& row : PaperNameRows) {
        SCOPED_TRACE(row.StoredName);
        EXPECT_EQ(type->EnumNames[row.Value], QString::fromLatin1(row.StoredName));
        EXPECT_EQ(PaperSizeName(quint8(row.Value)), QString::fromUtf16(row.DisplayName));
    }
}

TEST(PaperSize, IsOneByteInDeclaredOrder)
{
    static_assert(sizeof(TQXPaperSize) == 1);
    EXPECT_EQ(int(TQXPaperSize::Default), 0);
    EXPECT_EQ(int(TQXPaperSize::Letter), 1);
    EXPECT_EQ(int(TQXPaperSize::Note), 18);
    EXPECT_EQ(int(TQXPaperSize::ESheet), 26);
    EXPECT_EQ(int(TQXPaperSize::Custom), 27);
    EXPECT_EQ(designer::PaperSizeCount, 28);
}

TEST(PaperSize, BytesPastCustomHaveNoName)
{
    for (int value : {28, 29, 127, 128, 255}) {
        SCOPED_TRACE(value);
        EXPECT_TRUE(PaperSizeName(quint8(value)).isEmpty());
    }
}

// The paper-size editor matches a typed name case-insensitively against
// the names of Letter .. ESheet: no two may be equal that way.
TEST(PaperSize, NamedSizesAreDistinctIgnoringCase)
{
    QSet<QString> seen;
    for (int value = 1; value <= 26; ++value) {
        const QString folded = PaperSizeName(quint8(value)).toCaseFolded();
        EXPECT_FALSE(folded.isEmpty()) << value;
        EXPECT_FALSE(seen.contains(folded)) << value;
        seen.insert(folded);
    }
}
