// Every standard editor's SetValue with valid, out-of-range, non-numeric,
// NaN and infinite input: a refused text raises EPropertyError with a clear
// message and changes nothing, not even the designer's modified state.

#include "editorfixture.h"

#include "../errorof.h"

using namespace classlib;
using namespace classlib::test;

namespace {

struct TSetValueCase {
    const char* Case;
    const char* Prop;
    QString Input;
    const char* Error;  // nullptr: accepted
    const char* Shown;  // GetValue afterwards, when accepted
};

const QString Long256 = QString(256, u'x');

const TSetValueCase SetValueCases[] = {
    {"integer", "Int", "42", nullptr, "42"},
    {"integer with spaces and sign", "Int", "  -7", nullptr, "-7"},
    {"integer in hexadecimal", "Int", "$FF", nullptr, "255"},
    {"integer in C hexadecimal", "Int", "0x10", nullptr, "16"},
    {"integer's full bit pattern", "Int", "$FFFFFFFF", nullptr, "-1"},
    {"integer above range", "Int", "2147483648", "Value must be between -2147483648 and 2147483647", nullptr},
    {"integer below range", "Int", "-2147483649", "Value must be between -2147483648 and 2147483647", nullptr},
    {"integer beyond 64 bits", "Int", "99999999999999999999", "'99999999999999999999' is not a valid integer value", nullptr},
    {"integer not numeric", "Int", "abc", "'abc' is not a valid integer value", nullptr},
    {"integer empty", "Int", "", "'' is not a valid integer value", nullptr},
    {"integer fraction", "Int", "1.5", "'1.5' is not a valid integer value", nullptr},
    {"integer NaN", "Int", "NaN", "'NaN' is not a valid integer value", nullptr},
    {"integer infinite", "Int", "INF", "'INF' is not a valid integer value", nullptr},
    {"cardinal top", "Card", "4294967295", nullptr, "4294967295"},
    {"cardinal negative", "Card", "-1", "Value must be between 0 and 4294967295", nullptr},
    {"int64 bottom", "Big", "-9223372036854775808", nullptr, "-9223372036854775808"},
    {"int64 beyond", "Big", "9223372036854775808", "'9223372036854775808' is not a valid integer value", nullptr},
    {"subrange top", "Percent", "100", nullptr, "100"},
    {"subrange above", "Percent", "101", "Value must be between 0 and 100", nullptr},
    {"subrange below", "Percent", "-1", "Value must be between 0 and 100", nullptr},
    {"char", "Ch", "B", nullptr, "B"},
    {"char by code", "Ch", "#66", nullptr, "B"},
    {"control char by code", "Ch", "#9", nullptr, "#9"},
    {"char code above 127", "Ch", "#200", nullptr, "#200"},
    {"char empty is NUL", "Ch", "", nullptr, "#0"},
    {"char code above range", "Ch", "#256", "Value must be between 0 and 255", nullptr},
    {"char code not numeric", "Ch", "#x", "'x' is not a valid integer value", nullptr},
    {"char code NaN", "Ch", "#nan", "'nan' is not a valid integer value", nullptr},
    {"two chars", "Ch", "AB", "Invalid property value", nullptr},
    {"char outside the code page", "Ch", QString(QChar(0x4E2D)),
     "Character U+4E2D cannot be stored in the ANSI code page", nullptr},
    {"enumeration", "Shade", "shDark", nullptr, "shDark"},
    {"enumeration in other case", "Shade", "SHMEDIUM", nullptr, "shMedium"},
    {"enumeration unknown", "Shade", "shNone", "Invalid property value", nullptr},
    {"enumeration by number", "Shade", "1", "Invalid property value", nullptr},
    {"boolean", "Flag", "true", nullptr, "True"},
    {"boolean unknown", "Flag", "yes", "Invalid property value", nullptr},
    {"single", "Single", "1.5", nullptr, "1.5"},
    {"single shows 7 digits", "Single", "0.1", nullptr, "0.1"},
    {"single above range", "Single", "1e39", "Value must be between -3.40282346638529E38 and 3.40282346638529E38", nullptr},
    {"single NaN", "Single", "NaN", "'NaN' is not a valid floating point value", nullptr},
    {"single infinite", "Single", "inf", "'inf' is not a valid floating point value", nullptr},
    {"double", "Ratio", " 2.5 ", nullptr, "2.5"},
    {"double with exponent", "Ratio", "1e300", nullptr, "1E300"},
    {"double above range", "Ratio", "-1e309", "Value must be between -1.79769313486232E308 and 1.79769313486232E308", nullptr},
    {"double not numeric", "Ratio", "abc", "'abc' is not a valid floating point value", nullptr},
    {"double with a comma", "Ratio", "1,5", "'1,5' is not a valid floating point value", nullptr},
    {"double hexadecimal", "Ratio", "0x1p3", "'0x1p3' is not a valid floating point value", nullptr},
    {"double NaN", "Ratio", "nan", "'nan' is not a valid floating point value", nullptr},
    {"double infinite", "Ratio", "-Infinity", "'-Infinity' is not a valid floating point value", nullptr},
    {"double empty", "Ratio", "", "'' is not a valid floating point value", nullptr},
    {"extended", "Ext", "-0.25", nullptr, "-0.25"},
    {"extended beyond every float", "Ext", "1e99999", "'1e99999' is not a valid floating point value", nullptr},
    {"short string at its limit", "Short", QString(255, u'x'), nullptr, nullptr},
    {"short string too long", "Short", Long256, "Text is longer than 255 characters", nullptr},
    {"long string", "Text", Long256, nullptr, nullptr},
    {"caption", "Caption", "Total:", nullptr, "Total:"},
    {"component name", "Name", "Label2", nullptr, "Label2"},
    {"component name not an identifier", "Name", "2abc", "'2abc' is not a valid component name", nullptr},
    {"component name empty", "Name", "", "'' is not a valid component name", nullptr},
    {"colour by name", "Color", "clRed", nullptr, "clRed"},
    {"colour name in other case", "Color", "CLBLUE", nullptr, "clBlue"},
    {"colour by number", "Color", "$00123456", nullptr, "$00123456"},
    {"colour number of a name", "Color", "255", nullptr, "clRed"},
    {"colour above range", "Color", "4294967296", "Value must be between -2147483648 and 2147483647", nullptr},
    {"colour unknown name", "Color", "clNope", "'clNope' is not a valid integer value", nullptr},
    {"colour NaN", "Color", "NaN", "'NaN' is not a valid integer value", nullptr},
    {"cursor by name", "Cursor", "crHandPoint", nullptr, "crHandPoint"},
    {"cursor number of a name", "Cursor", "-21", nullptr, "crHandPoint"},
    {"cursor without a name", "Cursor", "5", nullptr, "5"},
    {"cursor above range", "Cursor", "40000", "Value must be between -32768 and 32767", nullptr},
    {"cursor unknown name", "Cursor", "crNope", "'crNope' is not a valid integer value", nullptr},
    {"tab order", "TabOrder", "-1", nullptr, "-1"},
    {"tab order below range", "TabOrder", "-2", "Value must be between -1 and 32767", nullptr},
    {"tab order above range", "TabOrder", "32768", "Value must be between -1 and 32767", nullptr},
    {"tab order infinite", "TabOrder", "inf", "'inf' is not a valid integer value", nullptr},
    {"component", "Partner", "Other1", nullptr, "Other1"},
    {"component none", "Partner", "", nullptr, ""},
    {"component unknown", "Partner", "Missing", "Invalid property value", nullptr},
    {"set as shown", "Shades", "[]", nullptr, "[]"},
    {"set typed", "Shades", "[shDark]", "Invalid property value", nullptr},
    {"object as shown", "Font", "(TFont)", nullptr, "(TFont)"},
    {"object typed", "Font", "(TPen)", "Invalid property value", nullptr},
    {"event handler", "OnClick", "Target1Click", nullptr, "Target1Click"},
    {"event handler not an identifier", "OnClick", "1abc", "'1abc' is not a valid method name", nullptr},
};

TEST(PropertyEditorSetValue, AcceptsValidTextAndRefusesTheRestUnchanged)
{
    for (const TSetValueCase& c : SetValueCases) {
        TEditorFixture f;
        std::unique_ptr<TPropertyEditor> editor = f.EditorOf(QString::fromLatin1(c.Prop));
        ASSERT_TRUE(editor) << c.Case;
        const QString before = editor->GetValue();
        const QString error = ErrorOf<EPropertyError>([&] { editor->SetValue(c.Input); });
        if (c.Error) {
            EXPECT_EQ(error, QString::fromUtf8(c.Error)) << c.Case;
            EXPECT_EQ(editor->GetValue(), before) << c.Case;
            EXPECT_EQ(f.Designer.ModifiedCount, 0) << c.Case;
        } else {
            EXPECT_EQ(error, "<no error>") << c.Case;
            if (c.Shown) EXPECT_EQ(editor->GetValue(), QString::fromUtf8(c.Shown)) << c.Case;
            else EXPECT_EQ(editor->GetValue(), c.Input) << c.Case;
        }
    }
}

// A value that changes something tells the designer once.
TEST(PropertyEditorSetValue, EveryChangeReachesTheDesigner)
{
    const struct {
        const char* Prop;
        const char* Input;
    } cases[] = {
        {"Int", "5"}, {"Shade", "shDark"}, {"Ratio", "1.5"}, {"Text", "t"}, {"Color", "clRed"}, {"Partner", "Other1"},
    };
    for (const auto& c : cases) {
        TEditorFixture f;
        auto editor = f.EditorOf(QString::fromLatin1(c.Prop));
        ASSERT_TRUE(editor) << c.Prop;
        editor->SetValue(QString::fromLatin1(c.Input));
        EXPECT_EQ(f.Designer.ModifiedCount, 1) << c.Prop;
    }
}

// A multi-selection takes the value on every component.
TEST(PropertyEditorSetValue, SetsEverySelectedComponent)
{
    TEditorFixture f;
    auto editor = f.EditorOf({f.Target, f.Target2}, "Int");
    ASSERT_TRUE(editor);
    editor->SetValue("12");
    EXPECT_EQ(f.Target->FInt, 12);
    EXPECT_EQ(f.Target2->FInt, 12);
}

} // namespace
