#include "errorof.h"
#include "streamclasses.h"

#include "classlib/core/streams.h"
#include "classlib/core/textform.h"
#include "classlib/core/writer.h"

#include <gtest/gtest.h>

#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <string>

using namespace classlib;
using namespace classlib::test;
using namespace streamtest;

namespace textform_test {

QByteArray Lines(std::initializer_list<const char*> Lines)
{
    QByteArray text;
    for (const char* l : Lines) text += QByteArray(l) + "\r\n";
    return text;
}

QByteArray ToText(const QByteArray& Binary, const TReaderLimits& Limits = {})
{
    TBytesStream in(Binary);
    TMemoryStream out;
    ObjectBinaryToText(in, out, Limits);
    EXPECT_EQ(in.Position(), in.Size());
    return out.Bytes();
}

QByteArray ToBinary(const QByteArray& Text, const TReaderLimits& Limits = {})
{
    TBytesStream in(Text);
    TMemoryStream out;
    ObjectTextToBinary(in, out, Limits);
    EXPECT_EQ(in.Position(), in.Size());
    return out.Bytes();
}

QByteArray Value(const std::function<void(TWriter&)>& Write)
{
    TMemoryStream stream;
    {
        TWriter w(stream);
        Write(w);
    }
    return stream.Bytes();
}

QByteArray Extended(const char* Bytes)
{
    return Hex("05") + Hex(Bytes);
}

TEST(TextForm, ShowsEveryKindOfRecordAndValue)
{
    const QByteArray binary =
        "TPF0" + Hex("F3 02 FE") + S("TLabel") + S("Label1") +
        P("Caption", Hex("06 0A") + "Total:\tdue") +
        P("Font.Style", Hex("0B") + S("fsBold") + S("fsItalic") + Hex("00")) +
        P("Lines", Hex("01 06 05") + "first" + Int(12) + Hex("01 00 00")) +
        P("Data", Hex("0A 03 00 00 00 0A 0B 0C")) +
        P("Columns", Hex("0E 01") + P("Width", Int(300)) + Hex("00") + Int(4) + Hex("01 00 00")) +
        P("Ratio", Extended("00 00 00 00 00 00 00 C0 FF 3F")) + P("Peer", Id("Panel1.Shape1")) +
        P("Visible", Hex("09")) + P("Enabled", Hex("08")) + P("OnClick", Hex("0D")) +
        P("Big", Int(5000000000)) + Hex("00") +
        Record("TShape", "Inner", "") + Hex("F4") + Record("TFrame", "", "") + Hex("00");
    const QByteArray text = Lines({
        "inherited Label1: TLabel [-2]",
        "  Caption = 'Total:'#9'due'",
        "  Font.Style = [fsBold, fsItalic]",
        "  Lines = (",
        "    'first'",
        "    12",
        "    ())",
        "  Data = {",
        "    0A0B0C}",
        "  Columns = <",
        "    item",
        "      Width = 300",
        "    end",
        "    item [4]",
        "    end>",
        "  Ratio = 1.5",
        "  Peer = Panel1.Shape1",
        "  Visible = True",
        "  Enabled = False",
        "  OnClick = nil",
        "  Big = 5000000000",
        "  object Inner: TShape",
        "  end",
        "  inline TFrame",
        "  end",
        "end",
    });
    EXPECT_EQ(ToText(binary).toStdString(), text.toStdString());
    EXPECT_EQ(HexOf(ToBinary(text)), HexOf(binary));
}

TEST(TextForm, EveryValueRoundTrips)
{
    const QByteArray long255(255, 'x'), long256(256, 'y');
    const struct {
        QByteArray value;
        QByteArray text;
    } rows[] = {
        {Int(0), "0"},
        {Int(127), "127"},
        {Int(128), "128"},
        {Int(-129), "-129"},
        {Int(32768), "32768"},
        {Int(std::numeric_limits<qint32>::min()), "-2147483648"},
        {Int(std::numeric_limits<qint64>::min()), "-9223372036854775808"},
        {Int(std::numeric_limits<qint64>::max()), "9223372036854775807"},
        {Value([](TWriter& w) { w.WriteFloat(0.1L); }), "0.1"},
        {Value([](TWriter& w) { w.WriteFloat(100); }), "100.0"},
        {Value([](TWriter& w) { w.WriteFloat(-0.0L); }), "-0.0"},
        {Value([](TWriter& w) { w.WriteFloat(1e4000L); }), "1e+4000"},
        {Value([](TWriter& w) { w.WriteFloat(1.0L / 3); }), "0.33333333333333333334"},
        {Extended("00 00 00 00 00 00 00 80 FF 7F"), "+Inf"},
        {Extended("00 00 00 00 00 00 00 80 FF FF"), "-Inf"},
        {Extended("00 00 00 00 00 00 00 C0 FF 7F"), "+NaN"},
        {Extended("00 00 00 00 00 00 00 C0 FF FF"), "-NaN"},
        // A NaN with a payload, a denormal and an unnormal keep their bytes.
        {Extended("01 00 00 00 00 00 00 C0 FF 7F"), "Extended($01000000000000C0FF7F)"},
        {Extended("01 00 00 00 00 00 00 00 00 00"), "Extended($01000000000000000000)"},
        {Extended("00 00 00 00 00 00 00 40 FF 3F"), "Extended($0000000000000040FF3F)"},
        {Hex("06 00"), "''"},
        {Hex("06 04") + "it's", "'it''s'"},
        {Hex("06 08") + QByteArray("a\0b\r\nc'", 7) + char(0x81), "'a'#0'b'#13#10'c'''#129"},
        {Hex("06 02 E9 80"), "'\xE9\x80'"},
        {Hex("06 01 7F"), "#127"},
        {Hex("06 FF") + long255, "'" + long255 + "'"},
        {Hex("0C 00 01 00 00") + long256, "'" + long256 + "'"},
        {Id("Owner.Shape1"), "Owner.Shape1"},
        {Id("Extended"), "Extended"},
        {Hex("09"), "True"},
        {Hex("0D"), "nil"},
        {Hex("0B 00"), "[]"},
        {Hex("0B") + S("a") + Hex("00"), "[a]"},
        {Hex("0A 00 00 00 00"), "{}"},
        {Hex("0A 21 00 00 00") + QByteArray(33, '\x5A'),
         "{\r\n    " + QByteArray(64, '5').replace("55", "5A") + "\r\n    5A}"},
        {Hex("01 00"), "()"},
        {Hex("01 01 01 00 00 00"), "(\r\n    (\r\n      ()))"},
        {Hex("0E 00"), "<>"},
        {Hex("0E") + Int(-7) + Hex("01 00 00"), "<\r\n    item [-7]\r\n    end>"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text.toStdString());
        const QByteArray binary = Stream("TItem", "", P("Value", row.value));
        const QByteArray text = "object TItem\r\n  Value = " + row.text + "\r\nend\r\n";
        EXPECT_EQ(ToText(binary).toStdString(), text.toStdString());
        EXPECT_EQ(HexOf(ToBinary(text)), HexOf(binary));
    }
}

TEST(TextForm, NamesThatAreNoIdentifiersAreQuoted)
{
    const struct {
        QByteArray binary;
        QByteArray text;
    } rows[] = {
        {Stream("TA", "", P("X", Id("a b"))), "object TA\r\n  X = &'a b'\r\nend\r\n"},
        {Stream("TA", "", P("X", Id(""))), "object TA\r\n  X = &''\r\nend\r\n"},
        {Stream("TA", "", P("X", Id("True")) + P("Y", Id("NIL"))), "object TA\r\n  X = &'True'\r\n  Y = &'NIL'\r\nend\r\n"},
        {Stream("TA", "", P("end", Int(1)) + P("Object", Int(2))), "object TA\r\n  &'end' = 1\r\n  &'Object' = 2\r\nend\r\n"},
        {Stream("TA", "", P("1X", Int(1))), "object TA\r\n  &'1X' = 1\r\nend\r\n"},
        {Stream("TA", "", P("Q\xB0Top", Int(0))), "object TA\r\n  &'Q\xB0Top' = 0\r\nend\r\n"},
        {Stream("TA", "", P("X", Hex("0B") + S("a-b") + S("c") + Hex("00"))), "object TA\r\n  X = [&'a-b', c]\r\nend\r\n"},
        {Stream("TA", "", P("X", Hex("0E 01") + P("end", Int(1)) + Hex("00 00"))),
         "object TA\r\n  X = <\r\n    item\r\n      &'end' = 1\r\n    end>\r\nend\r\n"},
        {Stream("", "", ""), "object &''\r\nend\r\n"},
        {Stream("TA", "", "", Hex("F1") + Record("", "", "") + Hex("F4") + Record(QByteArray(240, 'T'), "", "") + Hex("00")),
         "object TA\r\n  inherited &''\r\n  end\r\n  inline " + QByteArray(240, 'T') + "\r\n  end\r\nend\r\n"},
        {Stream("TA", "a b", ""), "object &'a b': TA\r\nend\r\n"},
        {Stream("T\x01", "\x01", ""), "object &#1: &'T'#1\r\nend\r\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text.toStdString());
        EXPECT_EQ(ToText(row.binary).toStdString(), row.text.toStdString());
        EXPECT_EQ(HexOf(ToBinary(row.text)), HexOf(row.binary));
    }
}

TEST(TextForm, ReadsTextLaidOutOtherwise)
{
    const struct {
        const char* text;
        QByteArray binary;
    } rows[] = {
        {"OBJECT a:TA X=1 End", Stream("TA", "a", P("X", Int(1)))},
        {"object TA\n\tX = +5\n\tY = 1E3\nend", Stream("TA", "", P("X", Int(5)) + P("Y", Value([](TWriter& w) { w.WriteFloat(1000); })))},
        {"object TA X = [ a ,b ] Y = { 0a 0B } Z = (1 'q') end",
         Stream("TA", "", P("X", Hex("0B") + S("a") + S("b") + Hex("00")) + P("Y", Hex("0A 02 00 00 00 0A 0B")) +
                              P("Z", Hex("01") + Int(1) + Hex("06 01") + "q" + Hex("00")))},
        {"object TA X = TRUE Y = Nil Z = 'a'#66'c' end",
         Stream("TA", "", P("X", Hex("09")) + P("Y", Hex("0D")) + P("Z", Hex("06 03") + "aBc"))},
        {"object TA object B: TB [0] end inherited C: TC end end",
         Stream("TA", "", "", Hex("F2") + Int(0) + Record("TB", "B", "") + Hex("F1") + Record("TC", "C", "") + Hex("00"))},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(HexOf(ToBinary(row.text)), HexOf(row.binary));
    }
}

TEST(TextForm, BadTextIsRefusedWithItsLine)
{
    const struct {
        QByteArray text;
        const char* message;
    } rows[] = {
        {"", "'object' expected on line 1"},
        {"\r\n  thing TA\r\nend", "'object' expected on line 2"},
        {"object\r\nend", "Identifier expected on line 2"},
        {"object TA\r\n", "Identifier expected on line 2"},
        {"object TA\n  X 5\nend", "'=' expected on line 2"},
        {"object TA\n  X = ?\nend", "Property value expected on line 2"},
        {"object TA\n  X = 'abc\nend", "Unterminated string on line 2"},
        {"object TA\n  X = 'abc", "Unterminated string on line 2"},
        {"object TA\n  X = #300\nend", "Invalid character code on line 2"},
        {"object TA\n  X = #\nend", "Invalid character code on line 2"},
        {"object TA\n  X = {0A0}\nend", "Invalid binary value on line 2"},
        {"object TA\n  X = {0G}\nend", "Invalid binary value on line 2"},
        {"object TA\n  X = {0A", "Invalid binary value on line 2"},
        {"object TA\n  X = 9223372036854775808\nend", "Integer out of range on line 2"},
        {"object TA\n  X = -9223372036854775809\nend", "Integer out of range on line 2"},
        {"object TA\n  X = 1e99999\nend", "Invalid floating point number on line 2"},
        {"object TA\n  X = 1.\nend", "Invalid floating point number on line 2"},
        {"object TA\n  X = 1e\nend", "Invalid floating point number on line 2"},
        {"object TA\n  X = -\nend", "Integer expected on line 2"},
        {"object TA\n  X = Extended($00)\nend", "Invalid floating point number on line 2"},
        {"object TA\n  X = Extended(00)\nend", "'$' expected on line 2"},
        {"object TA\n  X = [a b]\nend", "']' expected on line 2"},
        {"object TA\n  X = [a,]\nend", "Identifier expected on line 2"},
        {"object TA\n  X = &a\nend", "String expected on line 2"},
        {"object TA\n  &'' = 1\nend", "Identifier expected on line 2"},
        {"object TA\n  X = [&'']\nend", "Identifier expected on line 2"},
        {"object TA\n  &'" + QByteArray(256, 'p') + "' = 1\nend", "Identifier too long on line 2"},
        {"object TA\n  X = (1\nend", "Property value expected on line 3"},
        {"object TA\n  X = <\n    thing\n  end>\nend", "'item' expected on line 3"},
        {"object TA\n  X = <\n    item [1\n  end>\nend", "']' expected on line 4"},
        {"object TA [5000000000]\nend", "Integer out of range on line 1"},
        {"object TA\n  object &''\n  end\nend", "Invalid class name on line 2"},
        {"object &'" + QByteArray(240, 'T') + "'\nend", "Invalid class name on line 1"},
        {"object TA\n  " + QByteArray(256, 'p') + " = 1\nend", "Identifier too long on line 2"},
        {"object TA\n  X = \xE9\nend", "Property value expected on line 2"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text.toStdString());
        TBytesStream in(row.text);
        TMemoryStream out;
        EXPECT_EQ(ErrorOf<EParserError>([&] { ObjectTextToBinary(in, out); }).toStdString(), row.message);
        EXPECT_EQ(out.Size(), 0);
    }
}

TEST(TextForm, StreamsTheTextCannotHoldAreRefused)
{
    const struct {
        QByteArray binary;
        const char* message;
    } rows[] = {
        {"TPF", "Stream read error"},
        {"XPF0" + Record("TA", "", ""), "Invalid stream format"},
        {Stream("TA", "", "", ""), "Stream read error"},
        {"TPF0" + S("TA") + Hex("05 41"), "Stream read error"},
        {Stream("TA", "", P("X", Hex("0F"))), "Invalid stream format"},
        {Stream("TA", "", P("X", Hex("00"))), "Invalid stream format"},
        {Stream("TA", "", P("X", Hex("0C FF FF FF FF"))), "Stream read error"},
        {Stream("TA", "", P("X", Hex("0A 05 00 00 00 01"))), "Stream read error"},
        {Stream("TA", "", P("X", Hex("0E 06 00 00"))), "Invalid stream format"},
        {"TPF0" + Hex("F0") + Record("TA", "", ""), "Invalid stream format"},
        {"TPF0" + Hex("F8") + Record("TA", "", ""), "Invalid stream format"},
        {"TPF0" + Hex("F5") + Record("TA", "", ""), "Invalid stream format"},
        {"TPF0" + Hex("F2 10 00 00 00 00 01 00 00 00") + Record("TA", "", ""), "Invalid stream format"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(HexOf(row.binary));
        TBytesStream in(row.binary);
        TMemoryStream out;
        EXPECT_EQ(ErrorOf<EReadError>([&] { ObjectBinaryToText(in, out); }).toStdString(), row.message);
        EXPECT_EQ(out.Size(), 0);
    }
}

TEST(TextForm, NestingIsBoundedBothWays)
{
    TReaderLimits limits;
    limits.MaxDepth = 4;
    // The object is one level, each list another.
    auto lists = [](int n) { return QByteArray(n, '\x01') + QByteArray(n, '\0'); };
    EXPECT_NO_THROW(ToText(Stream("TA", "", P("X", lists(3))), limits));
    EXPECT_EQ(ErrorOf<EReadError>([&] { ToText(Stream("TA", "", P("X", lists(4))), limits); }).toStdString(),
              SStreamTooDeep);
    EXPECT_NO_THROW(ToBinary("object TA X = ((())) end", limits));
    EXPECT_EQ(ErrorOf<EParserError>([&] { ToBinary("object TA X =\n ((((\n)))) end", limits); }).toStdString(),
              "Stream nesting is too deep on line 2");
    EXPECT_EQ(ErrorOf<EParserError>([&] {
                  ToBinary("object A object B object C object D object E end end end end end", limits);
              }).toStdString(),
              "Stream nesting is too deep on line 1");
    EXPECT_EQ(ErrorOf<EParserError>([&] { ToBinary("object TA X = <item Y = <item Z = <item W = <> end> end> end> end",
                                                     limits); }).toStdString(),
              "Stream nesting is too deep on line 1");

    // The default limit holds against a deep text without exhausting the stack.
    const QByteArray deep = "object TA X = " + QByteArray(100000, '(') + QByteArray(100000, ')') + " end";
    EXPECT_EQ(ErrorOf<EParserError>([&] { ToBinary(deep); }).toStdString(), "Stream nesting is too deep on line 1");
}

TEST(TextForm, ConvertsOneObjectPerCall)
{
    // As a clipboard holds them: several objects, blanks between and after.
    const QByteArray text = "object A: TA\r\nend\r\n\r\nobject B: TB\r\n  X = 1\r\nend\r\n  \r\n";
    TBytesStream in(text);
    TMemoryStream binary;
    int objects = 0;
    while (in.Position() < in.Size()) {
        ObjectTextToBinary(in, binary);
        ++objects;
    }
    EXPECT_EQ(objects, 2);
    EXPECT_EQ(HexOf(binary.Bytes()), HexOf(Stream("TA", "A", "") + Stream("TB", "B", P("X", Int(1)))));

    binary.SetPosition(0);
    TMemoryStream back;
    while (binary.Position() < binary.Size()) ObjectBinaryToText(binary, back);
    EXPECT_EQ(back.Bytes().toStdString(), "object A: TA\r\nend\r\nobject B: TB\r\n  X = 1\r\nend\r\n");
}

TEST(TextForm, ConvertsStreamsThatAreNotInMemory)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("object.txt"));
    {
        TFileStream out(file, fmCreate);
        out.WriteBuffer("object TA X = 1 end  object TB end", 34);
    }
    TFileStream in(file, fmOpenRead);
    TMemoryStream binary;
    ObjectTextToBinary(in, binary);
    EXPECT_EQ(in.Position(), 21);
    ObjectTextToBinary(in, binary);
    EXPECT_EQ(in.Position(), 34);
    EXPECT_EQ(HexOf(binary.Bytes()), HexOf(Stream("TA", "", P("X", Int(1))) + Stream("TB", "", "")));
}

TEST(TextForm, ComponentsWrittenByTheWriterComeBackWhole)
{
    RegisterStreamClasses();
    TStmPage page(nullptr);
    page.SetName(QStringLiteral("Page"));
    auto* e = new TStmElement(&page);
    e->SetName(QStringLiteral("Element1"));
    e->Left = 70000;
    e->Caption = QStringLiteral("Sum\t\u00E9\u20AC 'q'");
    e->Ratio = 0.3;
    e->Ext = -1e-300L;
    e->Edges = TStmEdges{edLeft, edBottom};
    e->Data = QByteArray("\x00\x01\xFF", 3);
    e->Notes = QStringList{QStringLiteral("a"), QStringLiteral("b")};
    e->Lines->Add();
    auto* child = new TStmElement(&page);
    child->SetName(QStringLiteral("Child"));
    child->ParentElement = e;
    child->Peer = e;
    const QByteArray binary = WriteRoot(&page);
    const QByteArray text = ToText(binary);
    EXPECT_EQ(HexOf(ToBinary(text)), HexOf(binary));
    EXPECT_TRUE(text.contains("Caption = 'Sum'#9'\xE9\x80 ''q'''")) << text.toStdString();
}

} // namespace textform_test
