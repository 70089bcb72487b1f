// The paper-size and millimetre editors as the inspector gets them: by
// property type, for the paper window and the elements of a page.

#include "designer/elements/band.h"
#include "designer/elements/label.h"
#include "designer/editors/metrixproperty.h"
#include "designer/document/papersize.h"
#include "designer/editors/papersizeproperty.h"
#include "designer/tests/designfixture.h"

#include "designer-framework/inspectorgrid.h"
#include "designer-framework/inspectorwindow.h"

#include "classlib/controls/edit.h"
#include "classlib/controls/memo.h"
#include "classlib/controls/pagecontrol.h"
#include "classlib/core/componentlist.h"
#include "classlib/core/stringlist.h"
#include "classlib/design/propertyeditorregistry.h"
#include "classlib/graphics/font.h"
#include "classlib/tests/errorof.h"

#include <QApplication>
#include <QKeyEvent>
#include <QStringList>
#include <QTest>

#include <initializer_list>
#include <memory>

namespace designer::tests {
namespace {

using namespace classlib;
using classlib::test::ErrorOf;
using enum TPropertyAttribute;

class PropertyEditorsTest : public DesignerTest {
protected:
    // The inspector's row of that name on the "All properties" page, and
    // text typed into its value field the way a person types it.
    void GoTo(const QString& Name)
    {
        InspectorWindow->pgcInspector->SetActivePage(InspectorWindow->tabAll);
        InspectorWindow->pgcInspectorChange(InspectorWindow);
        const int row = InspectorWindow->ActiveRows() ? InspectorWindow->ActiveRows()->IndexOf(Name) : -1;
        ASSERT_GE(row, 0) << qPrintable(Name);
        InspectorWindow->ActiveGrid()->SetRow(row);
    }
    void Type(const QString& Text)
    {
        InspectorWindow->edtValue->SelectAll();
        // QTest types only Latin-1 characters; others come as a key with text,
        // as an input method gives them.
        for (const QChar c : Text) {
            if (c.unicode() < 0x80) {
                QTest::keyClick(InspectorWindow->edtValue->Widget(), c.toLatin1());
            } else {
                QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
                QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
                QApplication::sendEvent(InspectorWindow->edtValue->Widget(), &press);
                QApplication::sendEvent(InspectorWindow->edtValue->Widget(), &release);
            }
        }
        QTest::keyClick(InspectorWindow->edtValue->Widget(), Qt::Key_Return);
    }
};

// ---------------------------------------------------------------------------
// Paper size

TEST_F(PropertyEditorsTest, PaperSizeIsAListOfTheNamedFormatsOnly)
{
    auto e = EditorOf({PaperWindow}, QStringLiteral("PaperSize"));
    ASSERT_NE(dynamic_cast<TPaperSizeProperty*>(e.get()), nullptr);
    EXPECT_EQ(e->GetAttributes(), (TPropertyAttributes{paValueList, paMultiSelect, paReadOnly}));
    EXPECT_EQ(e->GetValue(), QStringLiteral("A4 210 x 297 mm"));
    QStringList values;
    e->GetValues([&values](const QString& S) { values << S; });
    ASSERT_EQ(values.size(), 26);
    EXPECT_EQ(values.first(), QStringLiteral("Letter 8 1/2 x 11 in"));
    EXPECT_EQ(values.last(), QStringLiteral("E size sheet"));
    for (int v = 1; v <= 26; ++v) EXPECT_EQ(values[v - 1], PaperSizeName(quint8(v)));
}

TEST_F(PropertyEditorsTest, PaperSizeTakesANameInAnyCaseAndRefusesOthers)
{
    auto e = EditorOf({PaperWindow}, QStringLiteral("PaperSize"));
    ASSERT_NE(e, nullptr);
    e->SetValue(QStringLiteral("a5 148 X 210 MM"));
    EXPECT_EQ(PaperWindow->PaperSize(), TQXPaperSize::A5);
    EXPECT_EQ(PaperWindow->PaperWidth(), 14800);
    const struct {
        const char* Name;
        QString Text;
    } refused[] = {
        {"Default is never chosen", QStringLiteral("Default size")},
        {"nor Custom", QStringLiteral("custom size")},
        {"a value's stored name", QStringLiteral("A4")},
        {"nothing", QString()},
        {"a name with blanks around", QStringLiteral(" Legal 8 1/2 x 14 in")},
    };
    for (const auto& r : refused) {
        EXPECT_EQ(ErrorOf<EPropertyError>([&] { e->SetValue(r.Text); }), QStringLiteral("Invalid property value"))
            << r.Name;
        EXPECT_EQ(PaperWindow->PaperSize(), TQXPaperSize::A5) << r.Name;
    }
}

TEST_F(PropertyEditorsTest, DefaultAndCustomAreShownThoughNeverOffered)
{
    auto e = EditorOf({PaperWindow}, QStringLiteral("PaperSize"));
    ASSERT_NE(e, nullptr);
    PaperWindow->SetPaperSize(TQXPaperSize::Default);
    EXPECT_EQ(e->GetValue(), QStringLiteral("Default size"));
    PaperWindow->SetPaperSize(TQXPaperSize::Custom);
    EXPECT_EQ(e->GetValue(), QStringLiteral("Custom Size"));
}

// ---------------------------------------------------------------------------
// Millimetres

TEST_F(PropertyEditorsTest, EveryDoubleIsShownInMillimetresWithTwoDecimals)
{
    auto* band = Insert<TQXBand>(40, 40);
    PaperWindow->SetMM(1, 12.345);
    const struct {
        TComponent* Component;
        const char* Property;
        const char* Shown;
    } cases[] = {
        {PaperWindow, "MMWidth", "210.00"},
        {PaperWindow, "MMLeftMargin", "12.34"},  // 1234.5 hundredths kept as 1234
        {PaperWindow, "MMTopMargin", "10.00"},
        {band, "MMHeight", "10.05"},  // 10 mm at the nearest whole pixel
    };
    for (const auto& c : cases) {
        auto e = EditorOf({c.Component}, QString::fromLatin1(c.Property));
        ASSERT_NE(dynamic_cast<TMetrixProperty*>(e.get()), nullptr) << c.Property;
        EXPECT_TRUE(e->GetAttributes().Empty()) << c.Property;
        EXPECT_EQ(e->GetValue(), QString::fromLatin1(c.Shown)) << c.Property;
    }
}

TEST_F(PropertyEditorsTest, MillimetresTypedAreSetAndBadTextChangesNothing)
{
    auto margin = EditorOf({PaperWindow}, QStringLiteral("MMLeftMargin"));
    ASSERT_NE(margin, nullptr);
    margin->SetValue(QStringLiteral("12.5"));
    EXPECT_EQ(PaperWindow->LeftMargin(), 1250);
    EXPECT_EQ(margin->GetValue(), QStringLiteral("12.50"));
    const struct {
        const char* Name;
        QString Text;
        QString Error;
    } refused[] = {
        {"not a number", QStringLiteral("abc"), QStringLiteral("'abc' is not a valid floating point value")},
        {"not a number at all", QStringLiteral("nan"), QStringLiteral("'nan' is not a valid floating point value")},
        {"infinite", QStringLiteral("inf"), QStringLiteral("'inf' is not a valid floating point value")},
        {"beyond a Double", QStringLiteral("1e400"), QStringLiteral("'1e400' is not a valid floating point value")},
        {"hundredths beyond an integer", QStringLiteral("30000000"),
         QStringLiteral("30000000.00 is out of range (-21474836.48 to 21474836.47)")},
        {"hundredths below an integer", QStringLiteral("-21474836.49"),
         QStringLiteral("-21474836.49 is out of range (-21474836.48 to 21474836.47)")},
        {"nothing", QString(), QStringLiteral("'' is not a valid floating point value")},
    };
    for (const auto& r : refused) {
        EXPECT_EQ(ErrorOf([&] { margin->SetValue(r.Text); }), r.Error) << r.Name;
        EXPECT_EQ(PaperWindow->LeftMargin(), 1250) << r.Name;
    }
    // What is shown reads back, in the user's decimal separator.
    const QChar separator = DecimalSeparator;
    DecimalSeparator = QLatin1Char(',');
    EXPECT_EQ(margin->GetValue(), QStringLiteral("12,50"));
    margin->SetValue(QStringLiteral("12,75"));
    DecimalSeparator = separator;
    EXPECT_EQ(PaperWindow->LeftMargin(), 1275);
}

TEST_F(PropertyEditorsTest, TheSettersRefusalsPassThrough)
{
    auto* label = Insert<TQXLabel>(20, 10);
    label->SetAutoSize(false);
    const int stored = label->QXWidth();
    auto width = EditorOf({label}, QStringLiteral("MMWidth"));
    ASSERT_NE(width, nullptr);
    EXPECT_EQ(ErrorOf<EInvalidOp>([&] { width->SetValue(QStringLiteral("-5")); }),
              QStringLiteral("-5.00 is not a valid positive value"));
    EXPECT_EQ(label->QXWidth(), stored);
    // A typed length lands where the setter puts it: on a whole pixel.
    width->SetValue(QStringLiteral("30"));
    EXPECT_EQ(width->GetValue(), Format("%.2f", {label->QXWidth() / 100.0}));
    EXPECT_NEAR(label->QXWidth(), 3000, 27);
}

TEST_F(PropertyEditorsTest, AHeightTypedInTheInspectorIsTakenAndBadTextIsShownAndRefused)
{
    auto* band = Insert<TQXBand>(40, 40);
    GoTo(QStringLiteral("MMHeight"));
    EXPECT_EQ(InspectorWindow->edtValue->Text(), QStringLiteral("10.05"));
    Type(QStringLiteral("25"));
    const int height = band->QXHeight();
    EXPECT_NEAR(height, 2500, 27);  // on the nearest whole pixel
    EXPECT_EQ(InspectorWindow->edtValue->Text(), Format("%.2f", {height / 100.0}));
    Type(QStringLiteral("inf"));
    EXPECT_EQ(band->QXHeight(), height);
    EXPECT_EQ(InspectorWindow->memStatus->Lines()->Text().trimmed(),
              QStringLiteral("'inf' is not a valid floating point value"));
}

TEST_F(PropertyEditorsTest, TwoSelectedElementsShowNoMillimetreRows)
{
    auto* a = Insert<TQXLabel>(20, 10);
    auto* b = Insert<TQXLabel>(20, 60);
    for (const char* name : {"MMLeft", "MMTop", "MMWidth", "MMHeight"})
        EXPECT_EQ(EditorOf({a, b}, QString::fromLatin1(name)), nullptr) << name;
    // Others that allow several components stay.
    EXPECT_NE(EditorOf({a, b}, QStringLiteral("Caption")), nullptr);
    EXPECT_NE(EditorOf({a}, QStringLiteral("MMLeft")), nullptr);
}

// ---------------------------------------------------------------------------
// Text the label's font must store

TEST_F(PropertyEditorsTest, ACaptionTheFontsCodePageCannotStoreIsRefusedAndTheOldOneKept)
{
    auto* label = Insert<TQXLabel>(20, 10);
    label->SetParentFont(false);
    label->Font()->SetCharset(RUSSIAN_CHARSET);
    label->SetCaption(QStringLiteral("Итого"));
    const QString refused = QStringLiteral("Character U+4E2D cannot be stored in code page 1251");

    // Typed in the inspector: the row refuses it and keeps the old caption.
    GoTo(QStringLiteral("Caption"));
    Type(QString::fromUtf8("中文"));
    EXPECT_EQ(label->Caption(), QStringLiteral("Итого"));
    EXPECT_EQ(InspectorWindow->memStatus->Lines()->Text().trimmed(), refused);
    EXPECT_EQ(InspectorWindow->memStatus->Font()->Color(), TColor(255));
    // Escape gives the stored value back; the page saves, previews and is left.
    QTest::keyClick(InspectorWindow->edtValue->Widget(), Qt::Key_Escape);
    EXPECT_EQ(InspectorWindow->edtValue->Text(), QStringLiteral("Итого"));
    EXPECT_NO_THROW(DocumentBytes());
    Document->AddPage();
    EXPECT_NO_THROW(Document->SetCurrentPage(0));
    label = Element<TQXLabel>(QStringLiteral("Label1"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->Caption(), QStringLiteral("Итого"));

    // Every way into the caption, and a font that could not store it.
    EXPECT_EQ(ErrorOf<EConvertError>([&] { EditorOf({label}, QStringLiteral("Caption"))->SetValue(QString::fromUtf8("中")); }),
              refused);
    TStringList lines;
    lines.Add(QStringLiteral("Строка"));
    lines.Add(QString::fromUtf8("中"));
    EXPECT_EQ(ErrorOf<EConvertError>([&] { label->SetLines(&lines); }), refused);
    TFont ansi;
    ansi.Assign(label->Font());
    ansi.SetCharset(ANSI_CHARSET);
    EXPECT_EQ(ErrorOf<EConvertError>([&] { label->SetFont(&ansi); }),
              QStringLiteral("Character U+0418 cannot be stored in the ANSI code page"));
    EXPECT_EQ(label->Caption(), QStringLiteral("Итого"));
    EXPECT_EQ(label->Font()->Charset(), RUSSIAN_CHARSET);
    EXPECT_NO_THROW(DocumentBytes());
}

} // namespace
} // namespace designer::tests
