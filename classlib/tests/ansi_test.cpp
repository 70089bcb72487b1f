#include "classlib/core/ansi.h"
#include "classlib/core/sysutils.h"

#include <gtest/gtest.h>

using namespace classlib;

TEST(Ansi, EveryByteRoundTrips)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all += char(b);
    const QString text = FromAnsi(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(ToAnsi(text), all);

    const struct { int byte; char16_t want; } cases[] = {
        {0x00, 0x0000}, {0x41, u'A'}, {0x7F, 0x007F}, {0x80, 0x20AC}, {0x81, 0x0081},
        {0x8A, 0x0160}, {0x8D, 0x008D}, {0x8F, 0x008F}, {0x90, 0x0090}, {0x93, 0x201C},
        {0x9D, 0x009D}, {0x9F, 0x0178}, {0xA0, 0x00A0}, {0xE9, 0x00E9}, {0xFF, 0x00FF},
    };
    for (const auto& c : cases)
        EXPECT_EQ(text[c.byte].unicode(), c.want) << c.byte;
}

TEST(Ansi, Conversions)
{
    EXPECT_EQ(ToAnsi(QStringLiteral("Hello")), QByteArray("Hello"));
    EXPECT_EQ(ToAnsi(QString::fromUtf8("€ – Ÿ é")), QByteArray("\x80 \x96 \x9F \xE9"));
    EXPECT_EQ(FromAnsi("ab\x80", -1), QString::fromUtf8("ab€"));
    EXPECT_EQ(FromAnsi(QByteArray("a\0b", 3)), QString::fromUtf8("a\0b", 3));
    EXPECT_TRUE(FromAnsi(nullptr, 0).isEmpty());
}

TEST(Ansi, UnstorableCharacterIsAnError)
{
    const struct { const char* utf8; const char* message; } cases[] = {
        {"a\u4E00b", "Character U+4E00 cannot be stored in the ANSI code page"},
        // C1 controls whose bytes carry other characters
        {"\u0080", "Character U+0080 cannot be stored in the ANSI code page"},
        {"\u009F", "Character U+009F cannot be stored in the ANSI code page"},
        {"x\U0001F600", "Character U+1F600 cannot be stored in the ANSI code page"},
    };
    for (const auto& c : cases) {
        QString message;
        try {
            ToAnsi(QString::fromUtf8(c.utf8));
        } catch (const EConvertError& e) {
            message = e.Message;
        }
        EXPECT_EQ(message, c.message) << c.message;
    }
}
