#include "runtime/host.h"
#include "runtime/label.h"
#include "runtime/paper.h"
#include "runtime/reportclasses.h"
#include "runtime/tests/designerpage.h"
#include "runtime/tests/documentbytes.h"
#include "runtime/tests/elementtree.h"
#include "runtime/tests/pageloop.h"
#include "runtime/tests/reportdoc.h"

#include "classlib/core/ansi.h"
#include "classlib/core/streams.h"
#include "classlib/core/sysutils.h"
#include "classlib/graphics/canvas.h"
#include "classlib/graphics/font.h"

#include <gtest/gtest.h>

#include <QtEndian>

#include <memory>
#include <string_view>

using namespace classlib;
using namespace runtime;
using namespace runtime::tests;
using namespace std::literals;

namespace {

QString Utf16(std::u16string_view Text)
{
    return QString::fromUtf16(Text.data(), qsizetype(Text.size()));
}

// The stored bytes of the first "Caption" in a component stream.
QByteArray CaptionBytesIn(const QByteArray& Stream)
{
    static const QByteArray name("\x07" "Caption");
    const qsizetype at = Stream.indexOf(name);
    if (at < 0) return "<no caption>";
    qsizetype p = at + name.size();
    if (Stream[p] == 6) return Stream.mid(p + 2, quint8(Stream[p + 1]));
    if (Stream[p] == 12) return Stream.mid(p + 5, qFromLittleEndian<qint32>(Stream.constData() + p + 1));
    return "<not a string>";
}

// A page as the designer writes it: one label L1 with these stored bytes.
QByteArray DesignerPage(TFontCharset Charset, const QByteArray& Caption)
{
    TDsgPaper design(nullptr);
    design.SetName(QStringLiteral("Page"));
    auto* label = AddDsg<TDsgLabel>(design, QStringLiteral("L1"), nullptr);
    label->QXWidth = 15000;
    label->QXHeight = 800;
    // Every byte decodes to one character of the ANSI code page and back.
    label->Caption = FromAnsi(Caption);
    label->QXFont->SetCharset(Charset);
    label->QXFont->SetHeight(-15);
    return WriteDesignerPage(design);
}

// Reads a page as the report does: classes registered around the read.
std::unique_ptr<TStoredPaper> LoadPage(const QByteArray& Bytes)
{
    TQXHost host(nullptr);
    TMemoryStream stream;
    stream.WriteBuffer(Bytes.constData(), Bytes.size());
    stream.SetPosition(0);
    host.AddPage(QStringLiteral("Page1"), stream);
    auto paper = std::make_unique<TStoredPaper>(QStringLiteral("Page"));
    host.LoadPage(paper.get(), 0);
    return paper;
}

TQXLabel* Label(TQXPaper& Paper)
{
    return dynamic_cast<TQXLabel*>(Paper.FindComponent(QStringLiteral("L1")));
}

struct TCaptionCase {
    const char* Name;
    TFontCharset Charset;
    QByteArray Bytes;
    std::u16string_view Text;
};

const TCaptionCase CaptionCases[] = {
    {"Cyrillic", RUSSIAN_CHARSET, "\xcf\xf0\xe8\xe2\xe5\xf2, \xec\xe8\xf0", u"Привет, мир"sv},
    {"Japanese", SHIFTJIS_CHARSET, "\x93\xfa\x96\x7b\x8c\xea\x83\x65\x83\x4c\x83\x58\x83\x67", u"日本語テキスト"sv},
    {"Simplified Chinese", GB2312_CHARSET, "\xd6\xd0\xce\xc4", u"中文"sv},
    {"Korean", HANGEUL_CHARSET, "\xc7\xd1\xb1\xb9\xbe\xee", u"한국어"sv},
    {"Traditional Chinese", CHINESEBIG5_CHARSET, "\xa4\xa4\xa4\xe5\xc1\x63\xc5\xe9", u"中文繁體"sv},
    {"Greek", GREEK_CHARSET, "\xca\xe1\xeb\xe7\xec\xdd\xf1\xe1", u"Καλημέρα"sv},
    {"Turkish", TURKISH_CHARSET, "\xddstanbul", u"İstanbul"sv},
    {"Hebrew", HEBREW_CHARSET, "\xf9\xec\xe5\xed", u"שלום"sv},
    {"Arabic", ARABIC_CHARSET, "\xe3\xd1\xcd\xc8\xc7", u"مرحبا"sv},
    {"Baltic", BALTIC_CHARSET, "\xc0\xfeuolas", u"Ąžuolas"sv},
    {"Vietnamese", VIETNAMESE_CHARSET, "\xd0\xfd\xf5\xccng", u"Đươ\u0300ng"sv},
    {"Thai", THAI_CHARSET, "\xca\xc7\xd1\xca\xb4\xd5", u"สวัสดี"sv},
    {"Central European", EASTEUROPE_CHARSET, "\x8elu\x9dou\xe8k\xfd k\xf9\xf2", u"Žluťoučký kůň"sv},
    {"Western, default set", DEFAULT_CHARSET, "Caf\xe9 \x80\x81", u"Café €\u0081"sv},
    {"Western, ANSI set", ANSI_CHARSET, "\xc0 la carte", u"À la carte"sv},
    {"Western, a set without a code page", SYMBOL_CHARSET, "\xe9", u"é"sv},
    // Two sequences of code page 932 stand for U+2252; the one read is written.
    {"Japanese, the NEC form of a sign", SHIFTJIS_CHARSET, "\x87\x90", u"≒"sv},
    {"Japanese, a lead byte cut off", SHIFTJIS_CHARSET, "\x93\xfa\x96", u"日\xDC96"sv},
    {"Korean, a lead byte before ASCII", HANGEUL_CHARSET, "\xc7 A", u"\xDCC7 A"sv},
    {"Greek, an undefined byte", GREEK_CHARSET, "\xaa", u"\xDCAA"sv},
};

TEST(LabelCodePage, StoredCaptionIsReadInTheCodePageOfItsFont)
{
    for (const TCaptionCase& c : CaptionCases) {
        SCOPED_TRACE(c.Name);
        const QByteArray page = DesignerPage(c.Charset, c.Bytes);
        ASSERT_EQ(CaptionBytesIn(page), c.Bytes);
        const auto paper = LoadPage(page);
        TQXLabel* label = Label(*paper);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->Caption(), Utf16(c.Text));
        EXPECT_EQ(label->QXFont()->Charset(), c.Charset);

        // Shown as read, and back after a data pass.
        const std::vector<TOutputPage> out = RenderPaper(*paper, 1);
        ASSERT_EQ(out.size(), 1u);
        EXPECT_EQ(PageTexts(out[0].Emf), QStringList({Utf16(c.Text)}));
        EXPECT_EQ(label->Caption(), Utf16(c.Text));

        // Written back byte for byte, also from a copy.
        EXPECT_EQ(CaptionBytesIn(StreamOf(*paper)), c.Bytes);
        TQXLabel copy(nullptr);
        copy.Assign(label);
        EXPECT_EQ(copy.StoredCaption(), c.Bytes);
    }
}

TEST(LabelCodePage, LongCaptionIsReadAndWrittenWhole)
{
    // 200 characters of two bytes each: a string of type 12.
    QByteArray bytes;
    for (int i = 0; i < 200; ++i) bytes += "\x82\xa0";
    const auto paper = LoadPage(DesignerPage(SHIFTJIS_CHARSET, bytes));
    EXPECT_EQ(Label(*paper)->Caption(), QString(200, QChar(0x3042)));
    const QByteArray written = StreamOf(*paper);
    EXPECT_EQ(CaptionBytesIn(written), bytes);
    EXPECT_TRUE(written.contains(QByteArray("\x07" "Caption\x0c\x90\x01\x00\x00", 13)));
}

TEST(LabelCodePage, CaptionSetInCodeIsWrittenInTheFontsCodePage)
{
    const struct {
        const char* Name;
        TFontCharset Charset;
        std::u16string_view Text;
        QByteArray Bytes;
    } cases[] = {
        {"Cyrillic", RUSSIAN_CHARSET, u"Итого: 5"sv, "\xc8\xf2\xee\xe3\xee: 5"},
        {"Japanese", SHIFTJIS_CHARSET, u"合計"sv, "\x8d\x87\x8c\x76"},
        {"Greek", GREEK_CHARSET, u"Σύνολο"sv, "\xd3\xfd\xed\xef\xeb\xef"},
        {"Western", DEFAULT_CHARSET, u"Total €"sv, "Total \x80"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TStoredPaper paper(QStringLiteral("Page"));
        auto* label = AddElement<TQXLabel>(&paper, &paper, QStringLiteral("L1"), {0, 0, 5000, 800});
        label->QXFont()->SetCharset(c.Charset);
        label->SetCaption(Utf16(c.Text));
        const QByteArray page = StreamOf(paper);
        EXPECT_EQ(CaptionBytesIn(page), c.Bytes);
        EXPECT_EQ(Label(*LoadPage(page))->Caption(), Utf16(c.Text));
    }
}

TEST(LabelCodePage, UnstorableCaptionFailsOnlyWhenSaved)
{
    const struct {
        const char* Name;
        TFontCharset Charset;
        std::u16string_view Text;
        const char* Message;
    } cases[] = {
        {"Japanese in Cyrillic", RUSSIAN_CHARSET, u"Итого 日本"sv, "Character U+65E5 cannot be stored in code page 1251"},
        {"Cyrillic in Greek", GREEK_CHARSET, u"Σ Ж"sv, "Character U+0416 cannot be stored in code page 1253"},
        {"Korean in Japanese", SHIFTJIS_CHARSET, u"日本한"sv, "Character U+D55C cannot be stored in code page 932"},
        {"Cyrillic in Western", DEFAULT_CHARSET, u"Total Ж"sv, "Character U+0416 cannot be stored in the ANSI code page"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const auto paper = LoadPage(DesignerPage(c.Charset, "A"));
        TQXLabel* label = Label(*paper);
        label->SetCaption(Utf16(c.Text));
        // Shown as given; only the save refuses it.
        TPaintLogDC dc;
        TCanvas canvas(&dc);
        label->Paint(canvas);
        EXPECT_EQ(dc.Texts(), QStringList({Utf16(c.Text)}));
        EXPECT_EQ(ErrorOf([&] { StreamOf(*paper); }), c.Message);
    }
}

TEST(LabelCodePage, AnotherCharsetStoresTheSameText)
{
    const auto paper = LoadPage(DesignerPage(RUSSIAN_CHARSET, "\xc4\xe0"));
    TQXLabel* label = Label(*paper);
    ASSERT_EQ(label->Caption(), Utf16(u"Да"));
    label->QXFont()->SetCharset(GREEK_CHARSET);
    EXPECT_EQ(label->Caption(), Utf16(u"Да"));  // the text stays, not the bytes
    EXPECT_EQ(ErrorOf([&] { StreamOf(*paper); }), "Character U+0414 cannot be stored in code page 1253");
    label->QXFont()->SetCharset(EASTEUROPE_CHARSET);
    label->SetCaption(Utf16(u"Ano ž"));
    EXPECT_EQ(CaptionBytesIn(StreamOf(*paper)), QByteArray("Ano \x9e"));
}

TEST(LabelCodePage, DocumentWithForeignCaptionsSavesUnchanged)
{
    TStoredPaper page(QStringLiteral("P1"));
    const TFontCharset charsets[] = {RUSSIAN_CHARSET, SHIFTJIS_CHARSET, GREEK_CHARSET, DEFAULT_CHARSET};
    const std::u16string_view texts[] = {u"Привет"sv, u"日本"sv, u"Γειά"sv, u"Café"sv};
    for (int i = 0; i < 4; ++i) {
        auto* label = AddElement<TQXLabel>(&page, &page, QStringLiteral("L%1").arg(i), {0, i * 800, 5000, 800});
        label->QXFont()->SetCharset(charsets[i]);
        label->SetCaption(Utf16(texts[i]));
    }
    const QByteArray document = MakeDocument({&page}, OrderLine("p", -1, QStringLiteral("P1")));
    TQXReport report(nullptr);
    LoadDocument(report, document);
    TMemoryStream saved;
    report.WriteReport(saved);
    EXPECT_EQ(saved.Bytes(), document);
}

} // namespace
