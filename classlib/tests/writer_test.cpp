#include "streamclasses.h"

#include "classlib/core/streams.h"
#include "classlib/core/sysutils.h"
#include "classlib/core/writer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <utility>
#include <vector>

using namespace classlib;
using namespace streamtest;

namespace writer_test {

QByteArray Written(const std::function<void(TWriter&)>& Body)
{
    TMemoryStream stream;
    {
        TWriter writer(stream);
        Body(writer);
    }
    return stream.Bytes();
}

std::string ErrorOf(const std::function<void()>& f)
{
    try {
        f();
    } catch (const Exception& e) {
        return e.Message.toStdString();
    }
    return {};
}

TEST(Writer, IntegersTakeTheSmallestForm)
{
    const struct {
        qint64 value;
        const char* bytes;
    } rows[] = {
        {0, "02 00"},
        {120, "02 78"},
        {127, "02 7F"},
        {-2, "02 FE"},
        {-128, "02 80"},
        {128, "03 80 00"},
        {-129, "03 7F FF"},
        {32767, "03 FF 7F"},
        {-32768, "03 00 80"},
        {32768, "04 00 80 00 00"},
        {-32769, "04 FF 7F FF FF"},
        {std::numeric_limits<qint32>::max(), "04 FF FF FF 7F"},
        {std::numeric_limits<qint32>::min(), "04 00 00 00 80"},
        {qint64(1) << 32, "10 00 00 00 00 01 00 00 00"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(HexOf(Written([&](TWriter& w) { w.WriteInteger(row.value); })), HexOf(Hex(row.bytes)))
            << row.value;
}

TEST(Writer, StringsIdentsAndSmallValues)
{
    const QString s255(255, QLatin1Char('a'));
    const QString s256(256, QLatin1Char('a'));
    const struct {
        const char* name;
        std::function<void(TWriter&)> write;
        QByteArray bytes;
    } rows[] = {
        {"empty string", [](TWriter& w) { w.WriteString(""); }, Hex("06 00")},
        {"255 characters", [&](TWriter& w) { w.WriteString(s255); }, Hex("06 FF") + s255.toLatin1()},
        {"256 characters", [&](TWriter& w) { w.WriteString(s256); },
         Hex("0C 00 01 00 00") + s256.toLatin1()},
        {"ANSI code page", [](TWriter& w) { w.WriteString(QString::fromUtf8("\u20ACé")); }, Hex("06 02 80 E9")},
        {"False any case", [](TWriter& w) { w.WriteIdent("false"); }, Hex("08")},
        {"True any case", [](TWriter& w) { w.WriteIdent("TRUE"); }, Hex("09")},
        {"nil any case", [](TWriter& w) { w.WriteIdent("Nil"); }, Hex("0D")},
        {"identifier", [](TWriter& w) { w.WriteIdent("alTop"); }, Hex("07 05") + "alTop"},
        {"Booleans", [](TWriter& w) { w.WriteBoolean(false), w.WriteBoolean(true); }, Hex("08 09")},
        {"character", [](TWriter& w) { w.WriteChar(QChar(u'z')); }, Hex("06 01 7A")},
        {"list", [](TWriter& w) { w.WriteListBegin(), w.WriteInteger(1), w.WriteListEnd(); }, Hex("01 02 01 00")},
        {"signature", [](TWriter& w) { w.WriteSignature(); }, "TPF0"},
        {"no prefix without flags", [](TWriter& w) { w.WritePrefix(0, 7); }, ""},
        {"prefix with child position", [](TWriter& w) { w.WritePrefix(ffInherited | ffChildPos, 3); },
         Hex("F3 02 03")},
        {"inherited prefix", [](TWriter& w) { w.WritePrefix(ffInherited, 3); }, Hex("F1")},
        {"empty collection", [](TWriter& w) { w.WriteCollection(nullptr); }, Hex("0E 00")},
    };
    for (const auto& row : rows) EXPECT_EQ(HexOf(Written(row.write)), HexOf(row.bytes)) << row.name;
}

TEST(Writer, FloatsAreExtendedPrecision)
{
    const struct {
        long double value;
        const char* bytes;
    } rows[] = {
        {1.0L, "00 00 00 00 00 00 00 80 FF 3F"},
        {-2.5L, "00 00 00 00 00 00 00 A0 00 C0"},
        {0.5L, "00 00 00 00 00 00 00 80 FE 3F"},
        {0.1, "00 D0 CC CC CC CC CC CC FB 3F"},  // the double nearest 0.1
        {-0.0L, "00 00 00 00 00 00 00 00 00 80"},
        {std::numeric_limits<long double>::infinity(), "00 00 00 00 00 00 00 80 FF 7F"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(HexOf(Written([&](TWriter& w) { w.WriteFloat(row.value); })),
                  HexOf(Hex("05") + Hex(row.bytes)))
            << double(row.value);
}

TEST(Writer, UnstorableTextIsAnError)
{
    EXPECT_EQ(ErrorOf([] { Written([](TWriter& w) { w.WriteString(QString::fromUtf8("日")); }); }),
              "Character U+65E5 cannot be stored in the ANSI code page");
    EXPECT_EQ(ErrorOf([] { Written([](TWriter& w) { w.WriteStr(QString(256, QLatin1Char('x'))); }); }),
              "Stream write error");
}

TEST(Writer, BufferReachesTheStreamOnFlushAndAtTheEnd)
{
    TMemoryStream stream;
    {
        TWriter writer(stream, 16);
        writer.WriteInteger(120);
        EXPECT_EQ(stream.Size(), 0);
        writer.FlushBuffer();
        EXPECT_EQ(HexOf(stream.Bytes()), "02 78");
        const QByteArray big(100, 'x');  // larger than the buffer
        writer.Write(big.constData(), big.size());
        writer.WriteInteger(-2);
    }
    EXPECT_EQ(stream.Size(), 2 + 100 + 2);
    EXPECT_EQ(HexOf(stream.Bytes().right(2)), "02 FE");
}

// ---------------------------------------------------------------------------
// Which properties are written, and how

using TProps = std::vector<std::pair<const char*, QByteArray>>;

// The published properties of an element in their order, each with the
// bytes of a new element (empty: not written).
TProps DefaultElementProps()
{
    return {
        {"Tag", ""},
        {"Left", Hex("02 00")},
        {"Small", Hex("02 00")},
        {"Byte", Hex("02 00")},
        {"Big", ""},
        {"Huge", ""},
        {"Shade", ""},
        {"Edges", Hex("0B 00")},
        {"Visible", ""},
        {"Ratio", ""},
        {"Ext", ""},
        {"Caption", ""},
        {"Short", ""},
        {"Letter", ""},
        {"Tint", Id("tnBlack")},
        {"Frame.Width", ""},
        {"Frame.Edges", ""},
        {"Frame.Pen.Color", Id("tnBlack")},
        {"Frame.Pen.Style", ""},
        {"Lines", Hex("0E 00")},
        {"Peer", ""},
        {"OnClick", ""},
        {"Notes", ""},
        {"Data", ""},
    };
}

QByteArray PropBytes(const TProps& Changed)
{
    TProps props = DefaultElementProps();
    for (const auto& [name, value] : Changed) {
        auto it = std::find_if(props.begin(), props.end(),
                               [&](const auto& p) { return qstrcmp(p.first, name) == 0; });
        EXPECT_NE(it, props.end()) << name;
        if (it != props.end()) it->second = value;
    }
    QByteArray bytes;
    for (const auto& [name, value] : props)
        if (!value.isEmpty()) bytes += P(name, value);
    return bytes;
}

TEST(Writer, ElementPropertiesFollowTheWritingRules)
{
    const QByteArray long300(300, 'x');
    const struct {
        const char* name;
        std::function<void(TStmElement&)> setup;
        TProps changed;
    } rows[] = {
        {"defaults", [](TStmElement&) {}, {}},
        {"declared default differs", [](TStmElement& e) { e.SetTag(5); }, {{"Tag", Hex("02 05")}}},
        {"integers of every width",
         [](TStmElement& e) { e.Left = 128, e.Small = -129, e.Byte = 255; },
         {{"Left", Hex("03 80 00")}, {"Small", Hex("03 7F FF")}, {"Byte", Hex("03 FF 00")}}},
        {"unsigned keeps its 32-bit pattern", [](TStmElement& e) { e.Big = 0xFFFFFFFFu; },
         {{"Big", Hex("02 FF")}}},
        {"Int64 beyond 32 bits", [](TStmElement& e) { e.Huge = qint64(1) << 40; },
         {{"Huge", Hex("10 00 00 00 00 00 01 00 00")}}},
        {"enumeration by name", [](TStmElement& e) { e.Shade = shDark; }, {{"Shade", Id("shDark")}}},
        {"set members ascending",
         [](TStmElement& e) { e.Edges = {edBottom, edLeft, edTop}; },
         {{"Edges", Hex("0B") + S("edLeft") + S("edTop") + S("edBottom") + Hex("00")}}},
        {"Boolean", [](TStmElement& e) { e.Visible = false; }, {{"Visible", Hex("08")}}},
        {"floats",
         [](TStmElement& e) { e.Ratio = 1.0, e.Ext = -2.5L; },
         {{"Ratio", Hex("05 00 00 00 00 00 00 00 80 FF 3F")},
          {"Ext", Hex("05 00 00 00 00 00 00 00 A0 00 C0")}}},
        {"short and long strings",
         [&](TStmElement& e) { e.Caption = QString::fromLatin1(long300), e.Short = "abc"; },
         {{"Caption", Hex("0C 2C 01 00 00") + long300}, {"Short", Hex("06 03") + "abc"}}},
        {"character as a one-character string", [](TStmElement& e) { e.Letter = char(0xE9); },
         {{"Letter", Hex("06 01 E9")}}},
        {"named integer by name", [](TStmElement& e) { e.Tint = TStmTint(255); }, {{"Tint", Id("tnRed")}}},
        {"named integer without a name", [](TStmElement& e) { e.Tint = TStmTint(13100186); },
         {{"Tint", Hex("04 9A E4 C7 00")}}},
        {"sub-objects with dotted paths",
         [](TStmElement& e) { e.Frame->Width = 2, e.Frame->Edges = {edTop}, e.Frame->Pen->Style = 1; },
         {{"Frame.Width", Hex("02 02")},
          {"Frame.Edges", Hex("0B") + S("edTop") + Hex("00")},
          {"Frame.Pen.Style", Hex("02 01")}}},
        {"collection items",
         [](TStmElement& e) {
             e.Lines->Add();
             static_cast<TStmLine*>(e.Lines->Add())->Caption = "b";
         },
         {{"Lines", Hex("0E 01") + P("Pos", Hex("02 00")) + Hex("00 01") + P("Pos", Hex("02 00")) +
                        P("Caption", Hex("06 01") + "b") + Hex("00 00")}}},
        {"reference to the root", [](TStmElement& e) { e.SetPeer(&e); }, {{"Peer", Id("Owner")}}},
        {"custom properties after published ones",
         [](TStmElement& e) { e.Notes = QStringList{"a"}, e.Data = QByteArray("\x01\x02", 2); },
         {{"Notes", Hex("01 06 01 61 00")}, {"Data", Hex("0A 02 00 00 00 01 02")}}},
    };
    for (const auto& row : rows) {
        TStmElement e(nullptr);
        e.SetName("E");
        row.setup(e);
        EXPECT_EQ(HexOf(WriteRoot(&e)), HexOf(Stream("TStmElement", "E", PropBytes(row.changed))))
            << row.name;
    }
}

TEST(Writer, PageWithChildrenReferencesAndEvents)
{
    TStmPage other(nullptr);
    other.SetName("Other");
    auto* x = new TStmElement(&other);
    x->SetName("X");

    TStmPage page(nullptr);
    page.SetName("Page1");
    page.Margin = 3;
    auto* e1 = new TStmElement(&page);
    e1->SetName("E1");
    auto* e2 = new TStmElement(&page);
    e2->SetName("E2");
    e2->ParentElement = e1;
    auto* e3 = new TStmElement(&page);
    e3->SetName("E3");
    auto* unnamed = new TStmElement(&page);
    unnamed->ParentElement = e3;

    e1->SetPeer(e3);
    e1->OnClick = TMethod{TStmPage::StaticClass().FindMethod(u"ElementClick"), &page};
    e2->SetPeer(nullptr);
    e3->SetPeer(x);
    e2->Lines->Add();
    static_cast<TStmLine*>(e2->Lines->Items(0))->Link = e3;

    const QByteArray base = PropBytes({});
    const QByteArray expected = Stream(
        "TStmPage", "Page1", P("Margin", Hex("02 03")),
        Record("TStmElement", "E1", base + P("Peer", Id("E3")) + P("OnClick", Id("ElementClick")),
               Record("TStmElement", "E2",
                      PropBytes({{"Lines", Hex("0E 01") + P("Pos", Hex("02 00")) +
                                               P("Link", Id("E3")) + Hex("00 00")}})) +
                   Hex("00")) +
            Record("TStmElement", "E3", base + P("Peer", Id("Other.X")),
                   Record("TStmElement", "", base) + Hex("00")) +
            Hex("00"));
    EXPECT_EQ(HexOf(WriteRoot(&page)), HexOf(expected));
    EXPECT_FALSE(page.ComponentState().Contains(csWriting));
}

TEST(Writer, NestingBeyondTheLimitIsRefused)
{
    TStmPage page(nullptr);
    TStmElement* parent = nullptr;
    for (int i = 0; i < 63; ++i) {
        auto* e = new TStmElement(&page);
        e->ParentElement = parent;
        parent = e;
    }
    EXPECT_EQ(ErrorOf([&] { WriteRoot(&page); }), "Stream write error");
    // The root, 62 levels of children and the collection value of the
    // deepest one make 64.
    delete parent;
    EXPECT_EQ(ErrorOf([&] { WriteRoot(&page); }), "");
}

TEST(Writer, PositionMovesBackOverAnEndMarker)
{
    TMemoryStream stream;
    stream.WriteBuffer("ab", 2);
    {
        TWriter w(stream, 16);
        EXPECT_EQ(w.Position(), 2);
        w.WriteListEnd();
        w.WriteListEnd();
        EXPECT_EQ(w.Position(), 4);
        w.SetPosition(w.Position() - 1);  // reopen the list
        EXPECT_EQ(stream.Size(), 4);      // what was buffered is in the stream
        w.WriteInteger(5);
        w.WriteListEnd();
        EXPECT_EQ(w.Position(), 6);
    }
    EXPECT_EQ(HexOf(stream.Bytes()), "61 62 00 02 05 00");
}

} // namespace writer_test
