#include "classlib/graphics/color.h"
#include "classlib/graphics/font.h"

#include "classlib/core/sysutils.h"

#include <gtest/gtest.h>

using namespace classlib;

namespace {

struct NameCase {
    qint64 Value;
    const char* Name;
};

TEST(ColorNames, BothWaysThroughTheRegisteredTable)
{
    const NameCase cases[] = {
        {0x000000, "clBlack"}, {0x0000FF, "clRed"}, {0xC0C0C0, "clSilver"}, {0xFFFFFF, "clWhite"},
        {qint32(0x80000000), "clScrollBar"}, {qint32(0x80000005), "clWindow"},
        {qint32(0x80000008), "clWindowText"}, {qint32(0x8000000F), "clBtnFace"},
        {qint32(0x80000018), "clInfoBk"}, {0x1FFFFFFF, "clNone"}, {0x20000000, "clDefault"},
    };
    const TTypeInfo* t = TypeInfo<TColor>();
    ASSERT_TRUE(t->IntToIdent());
    ASSERT_TRUE(t->IdentToInt());
    for (const NameCase& c : cases) {
        QString name;
        EXPECT_TRUE(t->IntToIdent()(c.Value, name)) << c.Name;
        EXPECT_EQ(name, QString::fromLatin1(c.Name));
        qint64 v = -1;
        EXPECT_TRUE(t->IdentToInt()(QString::fromLatin1(c.Name).toUpper(), v)) << c.Name;
        EXPECT_EQ(v, c.Value) << c.Name;
    }
    QString name;
    EXPECT_FALSE(t->IntToIdent()(0x123456, name));
    qint64 v;
    EXPECT_FALSE(t->IdentToInt()(QStringLiteral("clLtGray"), v));  // an alias, not a stored name
    int count = 0;
    GetColorValues([&](const QString&) { ++count; });
    EXPECT_EQ(count, 43);
}

TEST(ColorNames, StringsAndNumbers)
{
    EXPECT_EQ(ColorToString(clRed), QStringLiteral("clRed"));
    EXPECT_EQ(ColorToString(TColor(0x123456)).toUpper(), QStringLiteral("$00123456"));
    EXPECT_EQ(StringToColor(QStringLiteral("clblue")), clBlue);
    EXPECT_EQ(StringToColor(QStringLiteral("$00123456")), TColor(0x123456));
    EXPECT_THROW(StringToColor(QStringLiteral("clNoSuch")), EConvertError);
}

TEST(ColorToRGB, SystemColoursResolveAndOthersStay)
{
    EXPECT_EQ(ColorToRGB(clWindow), RGB(255, 255, 255));
    EXPECT_EQ(ColorToRGB(clWindowText), RGB(0, 0, 0));
    EXPECT_EQ(ColorToRGB(clBtnFace), RGB(192, 192, 192));
    EXPECT_EQ(ColorToRGB(clInfoBk), RGB(255, 255, 225));
    EXPECT_EQ(ColorToRGB(SystemColor(200)), RGB(0, 0, 0));
    EXPECT_EQ(ColorToRGB(TColor(0x123456)), 0x123456u);
    EXPECT_EQ(ColorToRGB(clRed), RGB(255, 0, 0));
}

TEST(CharsetNames, TheClassLibraryList)
{
    const NameCase cases[] = {
        {0, "ANSI_CHARSET"}, {1, "DEFAULT_CHARSET"}, {2, "SYMBOL_CHARSET"}, {77, "MAC_CHARSET"},
        {128, "SHIFTJIS_CHARSET"}, {129, "HANGEUL_CHARSET"}, {130, "JOHAB_CHARSET"},
        {134, "GB2312_CHARSET"}, {136, "CHINESEBIG5_CHARSET"}, {161, "GREEK_CHARSET"},
        {162, "TURKISH_CHARSET"}, {163, "VIETNAMESE_CHARSET"}, {177, "HEBREW_CHARSET"},
        {178, "ARABIC_CHARSET"}, {186, "BALTIC_CHARSET"}, {204, "RUSSIAN_CHARSET"},
        {222, "THAI_CHARSET"}, {238, "EASTEUROPE_CHARSET"}, {255, "OEM_CHARSET"},
    };
    const TTypeInfo* t = TypeInfo<TFontCharset>();
    ASSERT_TRUE(t->IntToIdent());
    for (const NameCase& c : cases) {
        QString name;
        EXPECT_TRUE(t->IntToIdent()(c.Value, name));
        EXPECT_EQ(name, QString::fromLatin1(c.Name));
        qint64 v = -1;
        EXPECT_TRUE(t->IdentToInt()(QString::fromLatin1(c.Name).toLower(), v));
        EXPECT_EQ(v, c.Value);
    }
    QString name;
    EXPECT_FALSE(t->IntToIdent()(3, name));
    EXPECT_NE(TypeInfo<TFontCharset>(), TypeInfo<TColor>());
}

} // namespace
