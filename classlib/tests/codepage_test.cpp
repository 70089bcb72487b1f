#include "classlib/core/codepage.h"
#include "classlib/core/sysutils.h"
#include "classlib/tests/errorof.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>

#include <string_view>

using namespace classlib;
using namespace std::literals;

namespace {

QByteArray Bytes(const char* Data)
{
    return QByteArray(Data);
}

QString EncodeError(const QString& Text, int CodePage)
{
    return test::ErrorOf<EConvertError>([&] { EncodeCodePage(Text, CodePage); });
}

QString Utf16(std::u16string_view Text)
{
    return QString::fromUtf16(Text.data(), qsizetype(Text.size()));
}

TEST(CodePage, CharsetTable)
{
    const struct { int Charset; int CodePage; } cases[] = {
        {204, 1251}, {128, 932},  {134, 936},  {129, 949},  {136, 950},
        {161, 1253}, {162, 1254}, {177, 1255}, {178, 1256}, {186, 1257},
        {163, 1258}, {222, 874},  {238, 1250},
        // ANSI, DEFAULT and whatever has no code page of its own
        {0, 1252}, {1, 1252}, {2, 1252}, {77, 1252}, {130, 1252}, {255, 1252}, {-1, 1252}, {1000, 1252},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CharsetToCodePage(c.Charset), c.CodePage) << c.Charset;
}

struct TSample {
    const char* Name;
    int CodePage;
    const char* Bytes;
    const char16_t* Text;
};

const TSample Samples[] = {
    {"Cyrillic", 1251, "\xcf\xf0\xe8\xe2\xe5\xf2, \xec\xe8\xf0", u"Привет, мир"},
    {"Japanese", 932, "\x93\xfa\x96\x7b\x8c\xea\x83\x65\x83\x4c\x83\x58\x83\x67", u"日本語テキスト"},
    {"Simplified Chinese", 936, "\xd6\xd0\xce\xc4\xce\xc4\xb1\xbe", u"中文文本"},
    {"Korean", 949, "\xc7\xd1\xb1\xb9\xbe\xee", u"한국어"},
    {"Traditional Chinese", 950, "\xa4\xa4\xa4\xe5\xc1\x63\xc5\xe9", u"中文繁體"},
    {"Greek", 1253, "\xca\xe1\xeb\xe7\xec\xdd\xf1\xe1", u"Καλημέρα"},
    {"Central European", 1250, "\x8elu\x9dou\xe8k\xfd k\xf9\xf2", u"Žluťoučký kůň"},
    {"Turkish", 1254, "\xddstanbul a\xf0", u"İstanbul ağ"},
    {"Hebrew", 1255, "\xf9\xec\xe5\xed", u"שלום"},
    {"Arabic", 1256, "\xe3\xd1\xcd\xc8\xc7", u"مرحبا"},
    {"Baltic", 1257, "\xc0\xfeuolas", u"Ąžuolas"},
    // A combining mark stays a character of its own after its base.
    {"Vietnamese", 1258, "\xd0\xfd\xf5\xccng", u"Đươ\u0300ng"},
    {"Thai", 874, "\xca\xc7\xd1\xca\xb4\xd5", u"สวัสดี"},
    {"Western", 1252, "Caf\xe9 \x80" "5", u"Café €5"},
    {"Japanese half-width and ASCII", 932, "\\~\xb1", u"\\~ｱ"},
};

// Twice over, each time after a text cut inside a double-byte character:
// a converter used before starts afresh.
TEST(CodePage, DecodesAndEncodesSamples)
{
    for (int round = 0; round < 2; ++round)
        for (const TSample& s : Samples) {
            SCOPED_TRACE(s.Name);
            EXPECT_EQ(DecodeCodePage(QByteArray("\x93"), 932), QString(QChar(0xDC93)));
            const QString text = QString::fromUtf16(s.Text);
            EXPECT_EQ(DecodeCodePage(Bytes(s.Bytes), s.CodePage), text);
            EXPECT_EQ(EncodeCodePage(text, s.CodePage), Bytes(s.Bytes));
        }
}

TEST(CodePage, InvalidBytesSurviveARoundTrip)
{
    const struct {
        const char* Name;
        int CodePage;
        QByteArray Bytes;
        std::u16string_view Text;  // U+DCxx keeps a byte that decodes to nothing
    } cases[] = {
        {"lead byte at the end", 932, QByteArray("a\x82"), u"a\xDC82"sv},
        {"lead byte before ASCII", 932, QByteArray("\x82 b"), u"\xDC82 b"sv},
        {"lead byte before a valid pair", 936, QByteArray("\xff\xd6\xd0"), u"\xDCFF中"sv},
        {"lone lead byte", 950, QByteArray("\xa4"), u"\xDCA4"sv},
        {"trail byte cut off", 949, QByteArray("\xc7\xd1\xc7"), u"한\xDCC7"sv},
        {"undefined in Greek", 1253, QByteArray("\xc1\xaa\xd2"), u"Α\xDCAA\xDCD2"sv},
        {"undefined in Thai", 874, QByteArray("\xa1\xff"), u"ก\xDCFF"sv},
        {"NUL is a character", 1251, QByteArray("\xcf\0\xf0", 3), u"П\0р"sv},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const QString text = DecodeCodePage(c.Bytes, c.CodePage);
        EXPECT_EQ(text, Utf16(c.Text));
        EXPECT_EQ(EncodeCodePage(text, c.CodePage), c.Bytes);
    }
}

TEST(CodePage, EveryByteSequenceSurvivesARoundTrip)
{
    // Byte soup of every kind: lead bytes without trails, trails without leads.
    QByteArray soup;
    quint32 x = 12345;
    for (int i = 0; i < 4096; ++i) {
        x = x * 1103515245u + 12345u;
        soup += char(x >> 24);
    }
    for (int b = 0; b < 256; ++b)
        soup += char(b);
    for (int codePage : {874, 932, 936, 949, 950, 1250, 1251, 1252, 1253, 1254, 1255, 1256, 1257, 1258}) {
        SCOPED_TRACE(codePage);
        const TStoredText stored(soup, codePage);
        EXPECT_EQ(stored.Encode(stored.Text(), codePage), soup);
        // Encoded afresh, the text may take other sequences of the same
        // characters (932 and 950 have some twice), but it stays the text.
        const QByteArray again = EncodeCodePage(stored.Text(), codePage);
        EXPECT_EQ(DecodeCodePage(again, codePage), stored.Text());
        if (codePage != 932 && codePage != 950) {
            EXPECT_EQ(again, soup);
        }
    }
}

TEST(CodePage, UnstorableCharacterIsAnError)
{
    const struct { const char16_t* Text; int CodePage; const char* Message; } cases[] = {
        {u"Привет é", 1251, "Character U+00E9 cannot be stored in code page 1251"},
        {u"日本\u4E2D\uD55C", 932, "Character U+D55C cannot be stored in code page 932"},
        {u"Ж", 1253, "Character U+0416 cannot be stored in code page 1253"},
        {u"a\U0001F600", 936, "Character U+1F600 cannot be stored in code page 936"},
        {u"a\xD800z", 1250, "Character U+D800 cannot be stored in code page 1250"},
        {u"x\x4E00", 1252, "Character U+4E00 cannot be stored in the ANSI code page"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(EncodeError(QString::fromUtf16(c.Text), c.CodePage), c.Message) << c.Message;
}

TEST(CodePage, UnknownCodePageIsAnError)
{
    EXPECT_EQ(EncodeError(QStringLiteral("x"), 4711), "Code page 4711 is not available");
    EXPECT_THROW(DecodeCodePage(QByteArray("x"), 4711), EConvertError);
    EXPECT_EQ(DecodeCodePage(QByteArray(), 4711), QString());
}

TEST(CodePage, StoredTextWritesBackTheBytesItWasReadFrom)
{
    // Both sequences decode to U+2252 in code page 932; the one read is kept.
    const QByteArray nec("\x87\x90", 2);
    const QByteArray jis("\x81\xe0", 2);
    ASSERT_EQ(DecodeCodePage(nec, 932), DecodeCodePage(jis, 932));
    for (const QByteArray& bytes : {nec, jis}) {
        const TStoredText stored(bytes, 932);
        EXPECT_EQ(stored.Encode(stored.Text(), 932), bytes);
    }
    // Changed text, or the same text in another code page, is encoded afresh.
    const TStoredText stored(nec, 932);
    EXPECT_EQ(stored.Encode(QStringLiteral("a"), 932), QByteArray("a"));
    const TStoredText cyrillic(QByteArray("\xcf"), 1251);
    EXPECT_EQ(cyrillic.Text(), Utf16(u"П"));
    EXPECT_EQ(cyrillic.Encode(cyrillic.Text(), 1251), QByteArray("\xcf"));
    EXPECT_EQ(cyrillic.Encode(cyrillic.Text(), 866), QByteArray("\x8f"));
    EXPECT_EQ(test::ErrorOf<EConvertError>([&] { cyrillic.Encode(cyrillic.Text(), 1252); }),
              "Character U+041F cannot be stored in the ANSI code page");
}

} // namespace
