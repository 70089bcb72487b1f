#include "streamclasses.h"

#include "classlib/core/classregistry.h"
#include "classlib/core/reader.h"
#include "classlib/core/streams.h"
#include "classlib/core/sysutils.h"
#include "classlib/core/writer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

using namespace classlib;
using namespace streamtest;

namespace reader_test {

std::string ErrorOf(const std::function<void()>& f)
{
    try {
        f();
    } catch (const Exception& e) {
        return e.Message.toStdString();
    }
    return {};
}

// Runs Body over a reader of Bytes.
void Reading(const QByteArray& Bytes, const std::function<void(TReader&)>& Body)
{
    TBytesStream stream(Bytes);
    TReader reader(stream);
    Body(reader);
}

std::string Joined(const QStringList& List)
{
    return List.join(QLatin1Char('|')).toStdString();
}

const QByteArray Defaults = QByteArray();  // an element record with no properties

TEST(Reader, ValuesOfEveryWidthAndKind)
{
    Reading(Hex("02 7F 03 80 00 03 7F FF 04 00 80 00 00 02 FE 10 00 00 00 00 01 00 00 00"), [](TReader& r) {
        EXPECT_EQ(r.ReadInteger(), 127);
        EXPECT_EQ(r.ReadInteger(), 128);
        EXPECT_EQ(r.ReadInteger(), -129);
        EXPECT_EQ(r.ReadInteger(), 32768);
        EXPECT_EQ(r.ReadInt64(), -2);
        EXPECT_EQ(r.ReadInt64(), qint64(1) << 32);
    });
    Reading(Hex("06 03") + "abc" + Hex("0C 03 00 00 00") + "xyz" + Hex("07 02") + "hi" + Hex("08 09 0D 06 01 E9"),
            [](TReader& r) {
                EXPECT_EQ(r.ReadString(), "abc");
                EXPECT_EQ(r.ReadString(), "xyz");
                EXPECT_EQ(r.ReadIdent(), "hi");
                EXPECT_EQ(r.ReadIdent(), "False");
                EXPECT_EQ(r.ReadIdent(), "True");
                EXPECT_EQ(r.ReadIdent(), "nil");
                EXPECT_EQ(r.ReadChar(), QChar(0xE9));
            });
    Reading(Hex("05 00 00 00 00 00 00 00 80 FF 3F 05 00 00 00 00 00 00 00 A0 00 C0 02 03 08 09 01 00"),
            [](TReader& r) {
                EXPECT_EQ(r.ReadFloat(), 1.0L);
                EXPECT_EQ(r.ReadFloat(), -2.5L);
                EXPECT_EQ(r.ReadFloat(), 3.0L);
                EXPECT_FALSE(r.ReadBoolean());
                EXPECT_TRUE(r.ReadBoolean());
                r.ReadListBegin();
                EXPECT_TRUE(r.EndOfList());
                r.ReadListEnd();
                EXPECT_EQ(r.Remaining(), 0);
            });
}

TEST(Reader, ValuesOfTheWrongKindAreRefused)
{
    const struct {
        const char* name;
        const char* bytes;
        std::function<void(TReader&)> read;
        const char* error;
    } rows[] = {
        {"integer from a string", "06 00", [](TReader& r) { r.ReadInteger(); }, "Invalid property value"},
        {"32 bits from 64", "10 00 00 00 00 01 00 00 00", [](TReader& r) { r.ReadInteger(); },
         "Invalid property value"},
        {"string from an identifier", "07 01 61", [](TReader& r) { r.ReadString(); }, "Invalid property value"},
        {"identifier from a string", "06 01 61", [](TReader& r) { r.ReadIdent(); }, "Invalid property value"},
        {"character of two", "06 02 61 62", [](TReader& r) { r.ReadChar(); }, "Invalid property value"},
        {"Boolean from nil", "0D", [](TReader& r) { r.ReadBoolean(); }, "Invalid property value"},
        {"list end that is not", "02 00", [](TReader& r) { r.ReadListEnd(); }, "Invalid property value"},
        {"past the end", "", [](TReader& r) { r.ReadValue(); }, "Stream read error"},
        {"short integer", "04 00 80", [](TReader& r) { r.ReadInteger(); }, "Stream read error"},
        {"short string", "06 05 61", [](TReader& r) { r.ReadString(); }, "Stream read error"},
        {"long string longer than the stream", "0C FF FF FF 7F 61", [](TReader& r) { r.ReadString(); },
         "Stream read error"},
        {"long string of negative length", "0C FF FF FF FF", [](TReader& r) { r.ReadString(); },
         "Stream read error"},
        {"skipped block longer than the stream", "0A 00 00 00 40", [](TReader& r) { r.SkipValue(); },
         "Stream read error"},
        {"skipped block of negative length", "0A 00 00 00 80", [](TReader& r) { r.SkipValue(); },
         "Stream read error"},
        {"unknown type byte", "20 00", [](TReader& r) { r.SkipValue(); }, "Invalid stream format"},
        {"raw read beyond the end", "01 02", [](TReader& r) { char b[3]; r.Read(b, 3); }, "Stream read error"},
        {"raw read of negative count", "01 02", [](TReader& r) { char b; r.Read(&b, -1); }, "Stream read error"},
        {"bad signature", "54 50 46 31", [](TReader& r) { r.ReadSignature(); }, "Invalid stream format"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(ErrorOf([&] { Reading(Hex(row.bytes), row.read); }), row.error) << row.name;
}

TEST(Reader, FloatsSurviveTheExtendedForm)
{
    const long double values[] = {0.1L, -1e300L, 1e-4940L, std::numeric_limits<long double>::max(),
                                  std::numeric_limits<long double>::denorm_min(), -0.0L,
                                  -std::numeric_limits<long double>::infinity()};
    for (long double v : values) {
        TMemoryStream stream;
        {
            TWriter w(stream);
            w.WriteFloat(v);
        }
        stream.SetPosition(0);
        TReader r(stream);
        const long double back = r.ReadFloat();
        EXPECT_EQ(back, v);
        EXPECT_EQ(std::signbit(back), std::signbit(v));
    }
    Reading(Hex("05 00 00 00 00 00 00 00 C0 FF 7F"), [](TReader& r) { EXPECT_TRUE(std::isnan(r.ReadFloat())); });
}

TEST(Reader, FlushGivesBackWhatWasNotRead)
{
    TBytesStream stream(Hex("02 01 02 02 02 03"));
    {
        TReader reader(stream, 16);
        EXPECT_EQ(reader.ReadInteger(), 1);
        EXPECT_EQ(reader.Remaining(), 4);
        reader.FlushBuffer();
        EXPECT_EQ(stream.Position(), 2);
        EXPECT_EQ(reader.ReadInteger(), 2);
    }
    EXPECT_EQ(stream.Position(), 4);  // the destructor gives back the rest
}

// ---------------------------------------------------------------------------
// Whole streams

TEST(Reader, PropertiesOfEveryKindAreConverted)
{
    TStmPage page(nullptr);
    const QByteArray props =
        P("Left", Hex("03 80 00")) + P("Small", Hex("02 FE")) + P("Byte", Hex("03 FF 00")) +
        P("Big", Hex("02 FF")) + P("Huge", Hex("10 00 00 00 00 00 01 00 00")) + P("Shade", Id("shdark")) +
        P("Edges", Hex("0B") + S("edTop") + S("edBottom") + Hex("00")) + P("Visible", Hex("08")) +
        P("Ratio", Hex("02 03")) + P("Ext", Hex("05 00 00 00 00 00 00 00 A0 00 C0")) +
        P("Caption", Hex("0C 03 00 00 00") + "abc") + P("Short", Hex("06 01") + "s") +
        P("Letter", Hex("06 01 E9")) + P("Tint", Id("tnRed")) + P("frame.pen.color", Hex("04 9A E4 C7 00")) +
        P("Frame.Width", Hex("02 07")) + P("Notes", Hex("01 06 01 61 06 01 62 00")) +
        P("Data", Hex("0A 03 00 00 00 01 02 03"));
    EXPECT_EQ(ReadRoot(Stream("TStmPage", "Page1", "", Record("TStmElement", "E1", props) + Hex("00")), &page), "");
    ASSERT_EQ(page.ComponentCount(), 1);
    auto* e = static_cast<TStmElement*>(page.Components(0));
    EXPECT_EQ(e->Name(), "E1");
    EXPECT_EQ(e->Left, 128);
    EXPECT_EQ(e->Small, -2);
    EXPECT_EQ(e->Byte, 255);
    EXPECT_EQ(e->Big, 0xFFFFFFFFu);
    EXPECT_EQ(e->Huge, qint64(1) << 40);
    EXPECT_EQ(e->Shade, shDark);
    EXPECT_EQ(e->Edges, (TStmEdges{edTop, edBottom}));
    EXPECT_FALSE(e->Visible);
    EXPECT_EQ(e->Ratio, 3.0);
    EXPECT_EQ(e->Ext, -2.5L);
    EXPECT_EQ(e->Caption, "abc");
    EXPECT_EQ(e->Short, "s");
    EXPECT_EQ(e->Letter, char(0xE9));
    EXPECT_EQ(e->Tint, TStmTint(255));
    EXPECT_EQ(e->Frame->Pen->Color, TStmTint(13100186));
    EXPECT_EQ(e->Frame->Width, 7);
    EXPECT_EQ(e->Notes, (QStringList{"a", "b"}));
    EXPECT_EQ(e->Data, QByteArray("\x01\x02\x03", 3));
}

TEST(Reader, ErrorsCarryTheirMessages)
{
    const QByteArray e1 = Record("TStmElement", "E1", "");
    auto withProp = [&](const QByteArray& Prop) {
        return Stream("TStmPage", "Page1", "", Record("TStmElement", "E1", Prop) + Hex("00"));
    };
    QByteArray deepLists = Hex("01");
    for (int i = 0; i < 100; ++i) deepLists += Hex("01");
    QByteArray deepChildren;
    for (int i = 0; i < 100; ++i) deepChildren += S("TStmElement") + S("") + Hex("00");
    const struct {
        const char* name;
        QByteArray bytes;
        const char* error;
    } rows[] = {
        {"empty stream", "", "Stream read error"},
        {"bad signature", "TPF1" + Record("TStmPage", "", ""), "Invalid stream format"},
        {"short signature", "TPF", "Stream read error"},
        {"ends in a property", "TPF0" + S("TStmPage") + S("") + S("Left"), "Stream read error"},
        {"ends in the child list", Stream("TStmPage", "Page1", "", e1), "Stream read error"},
        {"unknown property", withProp(P("MMLeft", Hex("02 01"))), "Property does not exist"},
        {"unknown sub-property", withProp(P("Font.Name", Hex("06 00"))), "Property does not exist"},
        {"unknown class", Stream("TStmPage", "", "", Record("TNope", "N", "") + Hex("00")), "Class TNope not found"},
        {"string into an integer", withProp(P("Left", Hex("06 00"))), "Invalid property value"},
        {"integer into a string", withProp(P("Caption", Hex("02 00"))), "Invalid property value"},
        {"unknown enumeration name", withProp(P("Shade", Id("shPurple"))), "Invalid property value"},
        {"unknown set member", withProp(P("Edges", Hex("0B") + S("edTop") + S("edMiddle") + Hex("00"))),
         "Invalid property value"},
        {"value outside the type", withProp(P("Byte", Hex("03 00 01"))), "Invalid property value"},
        {"unknown integer name", withProp(P("Tint", Id("tnPlaid"))), "Invalid property value"},
        {"character of two", withProp(P("Letter", Hex("06 02 61 62"))), "Invalid property value"},
        {"short string too long", withProp(P("Short", Hex("0C 00 01 00 00") + QByteArray(256, 'x'))),
         "Invalid property value"},
        {"binary property of another kind", withProp(P("Data", Hex("06 00"))), "Invalid property value"},
        {"reference that is a string", withProp(P("Peer", Hex("06 01 61"))), "Invalid property value"},
        {"unknown method", withProp(P("OnClick", Id("NoSuchClick"))), "Invalid property value"},
        {"method of another signature", withProp(P("OnClick", Id("CountClick"))), "Invalid property value"},
        {"path through an integer", withProp(P("Left.X", Hex("02 00"))), "Invalid property path"},
        {"path through a reference", withProp(P("Peer.Left", Hex("02 00"))), "Invalid property path"},
        {"end of list as a value", withProp(S("Left")) + Hex("00"), "Invalid stream format"},
        {"unknown type byte", withProp(P("MMLeft", Hex("20"))), "Invalid stream format"},
        {"block longer than the stream", withProp(P("Data", Hex("0A 00 00 00 7F"))), "Stream read error"},
        {"string longer than the stream", withProp(P("Caption", Hex("0C 00 00 00 7F"))), "Stream read error"},
        {"lists nested too deep", withProp(P("MMLeft", deepLists)), "Stream nesting is too deep"},
        {"children nested too deep", Stream("TStmPage", "", "", deepChildren), "Stream nesting is too deep"},
    };
    for (const auto& row : rows) {
        TStmPage page(nullptr);
        EXPECT_EQ(ReadRoot(row.bytes, &page), row.error) << row.name;
    }
}

// Depth is refused with its own message wherever it comes from, also when
// a handler marks every other error handled; what stays within the limit
// reads.
TEST(Reader, NestingBeyondTheLimitIsTooDeep)
{
    EXPECT_EQ(TReaderLimits().MaxDepth, 64);
    auto lists = [](int Depth) { return QByteArray(Depth, '\x01') + QByteArray(Depth, '\x00'); };
    auto collections = [](int Depth) {
        QByteArray value = Hex("0E 00");
        for (int i = 1; i < Depth; ++i) value = Hex("0E 01") + P("A", value) + Hex("00 00");
        return value;
    };
    auto children = [](int Depth) {
        QByteArray records;
        for (int i = 0; i < Depth; ++i) records += S("TStmElement") + S("") + Hex("00");
        return records + QByteArray(Depth + 1, '\x00');  // the root's child list too
    };
    auto element = [](const QByteArray& Props) {
        return Stream("TStmPage", "", "", Record("TStmElement", "E1", Props) + Hex("00"));
    };
    const struct {
        const char* name;
        QByteArray bytes;
        const char* error;
    } rows[] = {
        {"skipped lists within the limit", element(P("MMLeft", lists(32))), ""},
        {"skipped lists beyond", element(P("MMLeft", lists(100))), "Stream nesting is too deep"},
        {"skipped collections within the limit", element(P("MMLeft", collections(16))), ""},
        {"skipped collections beyond", element(P("MMLeft", collections(100))), "Stream nesting is too deep"},
        {"children within the limit", Stream("TStmPage", "", "", children(32)), ""},
        {"children beyond", Stream("TStmPage", "", "", children(100)), "Stream nesting is too deep"},
    };
    for (const auto& row : rows) {
        for (bool lenient : {false, true}) {
            // Within the limit only the unknown property stops a strict read.
            if (!*row.error && !lenient) continue;
            TStmPage page(nullptr);
            EXPECT_EQ(ReadRoot(row.bytes, &page, lenient), row.error) << row.name << (lenient ? " lenient" : "");
        }
    }

    // Exactly MaxDepth lists open; one more is refused.
    Reading(lists(65), [](TReader& r) {
        for (int i = 0; i < r.Limits.MaxDepth; ++i) r.ReadListBegin();
        EXPECT_EQ(ErrorOf([&] { r.ReadListBegin(); }), "Stream nesting is too deep");
    });
}

TEST(Reader, HandledErrorsSkipTheWholeValue)
{
    // Unknown properties of every value kind, each followed by one that is
    // read.
    QByteArray props;
    const QByteArray skipped[] = {
        Hex("01 02 01 01 06 01 61 00 0B") + S("x") + Hex("00 00"),       // list with a list and a set
        Hex("0B") + S("fsBold") + S("fsItalic") + Hex("00"),            // set
        Hex("0E 01") + P("A", Hex("02 01")) + P("B", Hex("0E 01 00 00")) + Hex("00 02 05 01 00 00"),  // collection
        Hex("0A 03 00 00 00 00 00 00"),                                 // binary block of zeros
        Hex("0C 02 00 00 00 00 00"),                                    // long string
        Hex("05 00 00 00 00 00 00 00 80 FF 3F"),                        // float
        Hex("10 01 02 03 04 05 06 07 08"),                              // 64-bit integer
        Hex("07") + S("Ident"),                                         // identifier
        Hex("0D"),                                                      // nil
        Hex("08"),                                                      // false
    };
    int n = 0;
    for (const QByteArray& value : skipped) props += P("Unknown", value) + P("Left", Int(++n));
    props += P("Shade", Id("shPurple")) + P("Byte", Hex("03 00 01")) + P("Left.X", Hex("01 00")) +
             P("Top", Hex("02 01")) + P("Caption", Hex("06 01") + "c");

    TStmPage page(nullptr);
    QStringList errors;
    EXPECT_EQ(ReadRoot(Stream("TStmPage", "", "", Record("TStmElement", "E1", props) + Hex("00")), &page, true,
                       &errors),
              "");
    ASSERT_EQ(page.ComponentCount(), 1);
    auto* e = static_cast<TStmElement*>(page.Components(0));
    EXPECT_EQ(e->Left, 10);
    EXPECT_EQ(e->Shade, shNone);
    EXPECT_EQ(e->Caption, "c");
    EXPECT_EQ(errors.count("Property does not exist"), 11);
    EXPECT_EQ(Joined(errors.mid(10)), "Invalid property value|Invalid property value|Invalid property path|"
                                    "Property does not exist");
}

TEST(Reader, UnknownClassesAreSkippedWithTheirChildren)
{
    const QByteArray unknown =
        Record("TDesignGrid", "Grid1", P("GridSize", Hex("02 08")) + P("Data", Hex("0A 01 00 00 00 FF")),
               Record("TStmElement", "Inside", P("Left", Hex("02 01")),
                      Record("TNope", "Deeper", "") + Hex("00")) +
                   Hex("00"));
    const QByteArray bytes = Stream(
        "TStmPage", "Page1", "",
        Record("TStmElement", "Before", "") + unknown +
            Record("TStmElement", "After", P("Left", Hex("02 09")), unknown + Hex("00")) + Hex("00"));
    TStmPage page(nullptr);
    QStringList errors;
    EXPECT_EQ(ReadRoot(bytes, &page, true, &errors), "");
    EXPECT_EQ(Joined(errors), "Class TDesignGrid not found|Class TDesignGrid not found");
    ASSERT_EQ(page.ComponentCount(), 2);
    EXPECT_EQ(page.Components(0)->Name(), "Before");
    EXPECT_EQ(page.Components(1)->Name(), "After");
    EXPECT_EQ(static_cast<TStmElement*>(page.Components(1))->Left, 9);
}

TEST(Reader, ClassesFromFieldsThenResolverOrRegistry)
{
    const QByteArray bytes = Stream("TStmPage", "", "",
                                    Record("TStmFieldOnly", "FieldOnly1", "") +
                                        Record("TStmElement", "Element1", "") + Hex("00"));
    {
        TStmPage page(nullptr);
        EXPECT_EQ(ReadRoot(bytes, &page), "");
        ASSERT_EQ(page.ComponentCount(), 2);
        EXPECT_EQ(page.Components(0)->ClassType(), &TStmFieldOnly::StaticClass());
        EXPECT_EQ(page.FieldOnly1, page.Components(0));
        EXPECT_EQ(page.Element1, page.Components(1));
    }
    {
        // A resolver replaces the registry, not the root's fields.
        TStmElement root(nullptr);
        TBytesStream stream(Stream("TStmElement", "", "",
                                   Record("TStmElement", "A", "") + Record("TStmPage", "B", "") + Hex("00")));
        TReader reader(stream);
        QStringList asked;
        reader.ClassResolver = [&](const QString& Name) -> const TClassInfo* {
            asked << Name;
            return Name == "TStmElement" ? &TStmFieldOnly::StaticClass() : nullptr;
        };
        EXPECT_EQ(ErrorOf([&] { reader.ReadRootComponent(&root); }), "Class TStmPage not found");
        EXPECT_EQ(Joined(asked), "TStmElement|TStmPage");
        ASSERT_EQ(root.ComponentCount(), 1);
        EXPECT_EQ(root.Components(0)->ClassType(), &TStmFieldOnly::StaticClass());
    }
}

TEST(Reader, ReferencesResolveAfterTheWholeRoot)
{
    TStmPage other(nullptr);
    other.SetName("OtherPage");
    auto* x = new TStmElement(&other);
    x->SetName("X");
    AddGlobalComponent(&other);

    TStmPage page(nullptr);
    const QByteArray bytes = Stream(
        "TStmPage", "Page1", "",
        Record("TStmElement", "A", P("Peer", Id("C"))) +               // forward
            Record("TStmElement", "B", P("Peer", Id("owner"))) +       // the root
            Record("TStmElement", "C", P("Peer", Id("OtherPage.X")) +  // another root's
                                           P("Lines", Hex("0E 01") + P("Link", Id("A")) + Hex("00 00"))) +
            Record("TStmElement", "D", P("Peer", Id("Nobody"))) +  // not found
            Hex("00"));
    EXPECT_EQ(ReadRoot(bytes, &page), "");
    ASSERT_EQ(page.ComponentCount(), 4);
    auto el = [&](const char* n) { return static_cast<TStmElement*>(page.FindComponent(n)); };
    EXPECT_EQ(el("A")->Peer, el("C"));
    EXPECT_EQ(el("B")->Peer, nullptr);  // the root is no element: the reference is refused
    EXPECT_EQ(el("C")->Peer, x);
    EXPECT_EQ(el("C")->Lines->Line(0)->Link, el("A"));
    EXPECT_EQ(el("D")->Peer, nullptr);
    RemoveGlobalComponent(&other);

    // "Owner" reaches the root when it has the referenced class.
    TStmElement root(nullptr);
    EXPECT_EQ(ReadRoot(Stream("TStmElement", "", P("Peer", Id("Owner"))), &root), "");
    EXPECT_EQ(root.Peer, &root);
}

TEST(Reader, LoadedRootFirstInReadOrder)
{
    LoadLog.clear();
    TStmPage page(nullptr);
    const QByteArray bytes = Stream(
        "TStmPage", "Page1", "",
        Record("TStmElement", "A", "", Record("TStmElement", "A1", "") + Hex("00")) +
            Record("TStmElement", "B", "") + Hex("00"));
    EXPECT_EQ(ReadRoot(bytes, &page), "");
    EXPECT_EQ(Joined(LoadLog), "Page1|A|A1|B");
    auto* a = static_cast<TStmElement*>(page.FindComponent("A"));
    auto* a1 = static_cast<TStmElement*>(page.FindComponent("A1"));
    EXPECT_EQ(a1->ParentElement, a);  // the reader's Parent while A's children were read
    EXPECT_TRUE(a->StateAtLoaded.Contains(csLoading));
    EXPECT_FALSE(a->StateAtLoaded.Contains(csReading));
    for (TComponent* c : {static_cast<TComponent*>(&page), static_cast<TComponent*>(a)}) {
        EXPECT_FALSE(c->ComponentState().Contains(csLoading));
        EXPECT_FALSE(c->ComponentState().Contains(csReading));
    }
}

TEST(Reader, RootNameIsMadeUniqueAmongGlobals)
{
    TStmPage global(nullptr);
    global.SetName("Report1");
    AddGlobalComponent(&global);
    TStmPage taken(nullptr);
    taken.SetName("Report1_1");
    AddGlobalComponent(&taken);

    TStmPage page(nullptr);
    EXPECT_EQ(ReadRoot(Stream("TStmPage", "Report1", ""), &page), "");
    EXPECT_EQ(page.Name(), "Report1_2");
    RemoveGlobalComponent(&taken);
    TStmPage second(nullptr);
    EXPECT_EQ(ReadRoot(Stream("TStmPage", "Report1", ""), &second), "");
    EXPECT_EQ(second.Name(), "Report1_1");

    TStmPage designed(nullptr);
    designed.SetName("Mine");
    designed.SetDesigning(true);
    EXPECT_EQ(ReadRoot(Stream("TStmPage", "Report1", ""), &designed), "");
    EXPECT_EQ(designed.Name(), "Mine");
    RemoveGlobalComponent(&global);
}

TEST(Reader, EventsBindToTheRootsMethods)
{
    TStmPage page(nullptr);
    const QByteArray bytes =
        Stream("TStmPage", "", "",
               Record("TStmElement", "A", P("OnClick", Id("elementclick"))) +
                   Record("TStmElement", "B", P("OnClick", Id("DesignerOnly"))) +
                   Record("TStmElement", "C", P("OnClick", Id("Substitute"))) + Hex("00"));
    TBytesStream stream(bytes);
    TReader reader(stream);
    QStringList asked;
    reader.OnFindMethod = [&](TReader&, const QString& Name, const TMethodInfo*& Address, bool& Error) {
        asked << Name;
        if (Name == "Substitute") Address = TStmPage::StaticClass().FindMethod(u"OtherClick");
        Error = false;
    };
    reader.ReadRootComponent(&page);
    EXPECT_EQ(Joined(asked), "elementclick|DesignerOnly|Substitute");
    auto el = [&](const char* n) { return static_cast<TStmElement*>(page.FindComponent(n)); };
    el("A")->OnClick(el("A"));
    EXPECT_FALSE(el("B")->OnClick.Assigned());
    el("C")->OnClick(el("C"));
    EXPECT_EQ(Joined(page.Clicks), "ElementClick|OtherClick");
}

TEST(Reader, InheritedComponentsAreReadIntoTheExistingOne)
{
    TStmPage page(nullptr);
    auto* existing = new TStmElement(&page);
    existing->SetName("Kept");
    const QByteArray bytes = Stream("TStmPage", "", "",
                                    Hex("F1") + Record("TStmElement", "Kept", P("Left", Hex("02 04"))) +
                                        Hex("F3 02 00") + Record("TStmElement", "Missing", "") + Hex("00"));
    TBytesStream stream(bytes);
    TReader reader(stream);
    QStringList missing;
    reader.OnAncestorNotFound = [&](TReader&, const QString& Name, const TClassInfo* Class, TComponent*&) {
        missing << Name + ":" + (Class ? Class->Name : "-");
    };
    reader.ReadRootComponent(&page);
    EXPECT_EQ(existing->Left, 4);
    EXPECT_EQ(Joined(missing), "Missing:TStmElement");
    ASSERT_EQ(page.ComponentCount(), 2);  // the missing ancestor is created
    EXPECT_EQ(page.Components(1)->Name(), "Missing");
}

// ---------------------------------------------------------------------------
// Failures leave nothing half-built behind

TEST(Reader, FailedReadFreesWhatWasBeingCreated)
{
    LoadLog.clear();
    TStmPage page(nullptr);
    // A and its complete child A1 are read; B fails in its child B1, which
    // refers to A: B and B1 go, A and A1 stay, no reference is resolved.
    const QByteArray bytes = Stream(
        "TStmPage", "Page1", "",
        Record("TStmElement", "A", P("Peer", Id("A1")), Record("TStmElement", "A1", "") + Hex("00")) +
            S("TStmElement") + S("Element1") + Hex("00") + S("TStmElement") + S("B1") +
            P("Peer", Id("A")) + P("Left", Hex("04 00")));
    EXPECT_EQ(ReadRoot(bytes, &page), "Stream read error");
    ASSERT_EQ(page.ComponentCount(), 2);
    auto* a = static_cast<TStmElement*>(page.Components(0));
    auto* a1 = static_cast<TStmElement*>(page.Components(1));
    EXPECT_EQ(a1->Name(), "A1");
    EXPECT_EQ(a1->ParentElement, a);
    EXPECT_EQ(a->Peer, nullptr);
    EXPECT_EQ(page.Element1, nullptr);  // the published field forgot the freed component
    EXPECT_TRUE(LoadLog.isEmpty());
    for (TComponent* c : {static_cast<TComponent*>(&page), static_cast<TComponent*>(a),
                          static_cast<TComponent*>(a1)}) {
        EXPECT_FALSE(c->ComponentState().Contains(csLoading)) << c->Name().toStdString();
        EXPECT_FALSE(c->ComponentState().Contains(csReading)) << c->Name().toStdString();
    }
}

TEST(Reader, HandledHeaderErrorsDiscardTheComponent)
{
    TStmPage page(nullptr);
    QStringList errors;
    const QByteArray bytes = Stream(
        "TStmPage", "", "",
        Record("TStmElement", "A", "") +
            Record("TStmElement", "A", P("Left", Hex("02 01")), Record("TStmElement", "Child", "") + Hex("00")) +
            Record("TStmElement", "9bad", "") + Record("TStmElement", "B", P("Peer", Id("A"))) + Hex("00"));
    EXPECT_EQ(ReadRoot(bytes, &page, true, &errors), "");
    EXPECT_EQ(Joined(errors), "A component named A already exists|'9bad' is not a valid component name");
    ASSERT_EQ(page.ComponentCount(), 2);
    auto* a = static_cast<TStmElement*>(page.Components(0));
    EXPECT_EQ(a->Left, 0);
    EXPECT_EQ(static_cast<TStmElement*>(page.Components(1))->Peer, a);
}

TEST(Reader, ReadingACollectionAgainDropsReferencesOfItsOldItems)
{
    TStmPage page(nullptr);
    const QByteArray lines = Hex("0E 01") + P("Link", Id("E")) + Hex("00 00");
    const QByteArray again = Hex("0E 02 05 01") + P("Pos", Hex("02 07")) + Hex("00 00");  // with an item order
    EXPECT_EQ(ReadRoot(Stream("TStmPage", "", "",
                              Record("TStmElement", "E", P("Lines", lines) + P("Lines", again)) + Hex("00")),
                       &page),
              "");
    auto* e = static_cast<TStmElement*>(page.Components(0));
    ASSERT_EQ(e->Lines->Count(), 1);
    EXPECT_EQ(e->Lines->Line(0)->Pos, 7);
    EXPECT_EQ(e->Lines->Line(0)->Link, nullptr);
}

TEST(Reader, CollectionOutsideARootRead)
{
    TStmLines lines;
    const QByteArray bytes = Hex("0E 01") + P("Pos", Hex("02 04")) + P("Link", Id("A")) + Hex("00 00");
    Reading(bytes, [&](TReader& r) {
        EXPECT_EQ(r.ReadValue(), TValueType::vaCollection);
        // Without a root, a reference cannot be resolved: refused, not kept.
        EXPECT_EQ(ErrorOf([&] { r.ReadCollection(lines); }), "Invalid property value");
    });
    ASSERT_EQ(lines.Count(), 1);
    EXPECT_EQ(lines.Line(0)->Pos, 4);
    EXPECT_EQ(lines.UpdateCount(), 0);
}

// As a paste reads them: records each behind "TPF0", an end marker, and
// names that a handler changes before they are set.
TEST(Reader, ReadComponentsReadsRecordsUpToTheEndMarker)
{
    RegisterStreamClasses();
    LoadLog.clear();
    TStmPage surface(nullptr);
    surface.SetName("Surface");
    auto* panel = new TStmElement(&surface);
    panel->SetName("A");
    const QByteArray bytes = "TPF0" + Record("TStmElement", "A", P("Peer", Id("B"))) + "TPF0" +
                             Hex("F2 02 00") + Record("TStmElement", "B", "", Record("TStmElement", "C", "") + Hex("00")) +
                             Hex("00") + "rest";
    TBytesStream stream(bytes);
    QStringList named, handed;
    {
        TReader reader(stream);
        reader.OnSetName = [&](TReader&, TComponent* Component, QString& Name) {
            named << Component->ClassName() + ":" + Name;
            if (surface.FindComponent(Name)) Name += "2";
        };
        reader.ReadComponents(&surface, panel, [&](TComponent* C) {
            handed << C->Name();
            EXPECT_TRUE(C->IsLoading());  // before references and Loaded
        });
    }
    EXPECT_EQ(stream.Position(), bytes.size() - 4);
    EXPECT_EQ(Joined(named), "TStmElement:A|TStmElement:B|TStmElement:C");
    EXPECT_EQ(Joined(handed), "A2|B");
    EXPECT_EQ(Joined(LoadLog), "A2|B|C");  // the surface itself is not loaded again
    auto el = [&](const char* n) { return static_cast<TStmElement*>(surface.FindComponent(n)); };
    ASSERT_EQ(surface.ComponentCount(), 4);
    EXPECT_EQ(el("A2")->Owner(), &surface);
    EXPECT_EQ(el("A2")->Peer, el("B"));  // resolved once all were read
    EXPECT_EQ(el("A2")->ParentElement, panel);
    EXPECT_EQ(el("C")->ParentElement, el("B"));
    EXPECT_FALSE(surface.IsLoading());
}

TEST(Reader, ReadComponentsKeepsWhatWasReadBeforeAFailure)
{
    RegisterStreamClasses();
    TStmPage surface(nullptr);
    const QByteArray bytes = "TPF0" + Record("TStmElement", "A", "") + "TPF0" + Record("TStmElement", "B", "") +
                             "TPF0" + Record("TNoSuchClass", "X", "") + Hex("00");
    std::string error = ErrorOf([&] { Reading(bytes, [&](TReader& r) { r.ReadComponents(&surface, &surface, {}); }); });
    EXPECT_EQ(error, "Class TNoSuchClass not found");
    EXPECT_EQ(surface.ComponentCount(), 2);
    for (int i = 0; i < surface.ComponentCount(); ++i) EXPECT_FALSE(surface.Components(i)->IsLoading());

    // A name the handler makes clash is an error of that component alone.
    TStmPage other(nullptr);
    QStringList errors;
    Reading("TPF0" + Record("TStmElement", "A", "") + "TPF0" + Record("TStmElement", "B", "") + Hex("00"),
            [&](TReader& r) {
                r.OnSetName = [](TReader&, TComponent*, QString& Name) { Name = "Same"; };
                r.OnError = [&](TReader&, const QString& Message, bool& Handled) {
                    errors << Message;
                    Handled = true;
                };
                r.ReadComponents(&other, &other, {});
            });
    EXPECT_EQ(Joined(errors), "A component named Same already exists");
    EXPECT_EQ(other.ComponentCount(), 1);
}

} // namespace reader_test
