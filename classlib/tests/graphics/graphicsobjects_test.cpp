#include "classlib/graphics/brush.h"
#include "classlib/graphics/font.h"
#include "classlib/graphics/pen.h"

#include "classlib/core/sysutils.h"

#include <gtest/gtest.h>

#include <memory>

using namespace classlib;

namespace {

// Every property with a declared default holds it in a new object, so a
// writer that skips defaults loses nothing.
template <class T>
void ExpectDefaultsAreConstructorValues(const QStringList& Expected)
{
    T obj;
    QStringList names;
    for (const TPropInfo* p : T::StaticClass().Props()) {
        names << p->Name;
        if (p->HasDefault) {
            ASSERT_TRUE(p->GetOrd) << qPrintable(p->Name);
            EXPECT_EQ(p->GetOrd(obj), p->Default) << qPrintable(p->Name);
        }
    }
    EXPECT_EQ(names, Expected);
}

TEST(GraphicsObjects, DefaultsEqualConstructorValues)
{
    ExpectDefaultsAreConstructorValues<TFont>({"Charset", "Color", "Height", "Name", "Pitch", "Size", "Style"});
    ExpectDefaultsAreConstructorValues<TPen>({"Color", "Mode", "Style", "Width"});
    ExpectDefaultsAreConstructorValues<TBrush>({"Color", "Style"});
}

TEST(GraphicsObjects, StoredRulesOfTheFont)
{
    const TClassInfo& c = TFont::StaticClass();
    TFont f;
    EXPECT_FALSE(c.FindProp(u"Size")->IsStored(f));
    for (const char16_t* name : {u"Charset", u"Color", u"Height", u"Name", u"Style"}) {
        const TPropInfo* p = c.FindProp(name);
        EXPECT_TRUE(p->IsStored(f));
        EXPECT_FALSE(p->HasDefault);
    }
    EXPECT_EQ(c.FindProp(u"Charset")->PropType, TypeInfo<TFontCharset>());
    EXPECT_EQ(c.FindProp(u"Color")->PropType, TypeInfo<TColor>());
}

TEST(GraphicsObjects, NewFontValues)
{
    TFont f;
    EXPECT_EQ(f.Name(), QStringLiteral("Arial"));
    EXPECT_EQ(f.Size(), 8);
    EXPECT_EQ(f.Height(), -11);
    EXPECT_EQ(f.Color(), clWindowText);
    EXPECT_EQ(f.Charset(), DEFAULT_CHARSET);
    EXPECT_EQ(f.Pitch(), fpDefault);
    EXPECT_TRUE(f.Style().Empty());
}

struct SizeCase {
    int PixelsPerInch;
    int Size;
    int Height;
};

TEST(GraphicsObjects, SizeAndHeightConvertAtThePixelsPerInch)
{
    const SizeCase cases[] = {{96, 8, -11}, {96, 20, -27}, {96, 10, -13}, {120, 8, -13}, {72, 12, -12}, {600, 10, -83}};
    for (const SizeCase& c : cases) {
        TFont f;
        f.SetPixelsPerInch(c.PixelsPerInch);
        f.SetSize(c.Size);
        EXPECT_EQ(f.Height(), c.Height) << c.PixelsPerInch << " " << c.Size;
        EXPECT_EQ(f.Size(), c.Size) << c.PixelsPerInch << " " << c.Size;
    }
    TFont f;
    f.SetHeight(-706);  // hundredths of a millimetre read as pixels
    EXPECT_EQ(f.Size(), 530);
    f.SetSize(f.Size());
    EXPECT_EQ(f.Height(), -707);
}

TEST(GraphicsObjects, AssignCopiesAndNotifies)
{
    TFont a, b;
    int changes = 0;
    b.OnChange = [&](TObject*) { ++changes; };
    a.SetName(QStringLiteral("Courier New"));
    a.SetStyle({fsBold, fsUnderline});
    a.SetColor(clRed);
    a.SetCharset(RUSSIAN_CHARSET);
    a.SetPixelsPerInch(120);
    a.SetHeight(-20);
    b.Assign(&a);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(b.Name(), a.Name());
    EXPECT_EQ(b.Style(), a.Style());
    EXPECT_EQ(b.Color(), clRed);
    EXPECT_EQ(b.Charset(), RUSSIAN_CHARSET);
    EXPECT_EQ(b.Height(), -20);
    EXPECT_EQ(b.PixelsPerInch(), 120);
    b.Assign(&b);
    b.SetHeight(-20);
    EXPECT_EQ(changes, 1);  // nothing changed

    TPen p, q;
    p.SetColor(clBlue);
    p.SetMode(pmXor);
    p.SetStyle(psInsideFrame);
    p.SetWidth(5);
    q.OnChange = [&](TObject*) { ++changes; };
    q.Assign(&p);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(q.LogPen(), (TLogPen{PS_INSIDEFRAME, 5, RGB(0, 0, 255)}));
    EXPECT_EQ(q.Mode(), pmXor);

    TBrush x, y;
    x.SetColor(clBtnFace);
    x.SetStyle(bsDiagCross);
    y.Assign(&x);
    EXPECT_EQ(y.LogBrush(), (TLogBrush{BS_HATCHED, RGB(192, 192, 192), HS_DIAGCROSS}));
    EXPECT_THROW(y.Assign(&p), EConvertError);
}

TEST(GraphicsObjects, LogicalDescriptions)
{
    TFont f;
    f.SetStyle({fsBold, fsItalic, fsStrikeOut});
    f.SetPitch(fpFixed);
    f.SetCharset(GREEK_CHARSET);
    const TLogFont lf = f.LogFont();
    EXPECT_EQ(lf.Weight, FW_BOLD);
    EXPECT_TRUE(lf.Italic);
    EXPECT_FALSE(lf.Underline);
    EXPECT_TRUE(lf.StrikeOut);
    EXPECT_EQ(lf.PitchAndFamily & 3, FIXED_PITCH);
    EXPECT_EQ(lf.CharSet, 161);
    EXPECT_EQ(lf.Height, -11);

    const int r2[] = {R2_BLACK, R2_WHITE, R2_NOP, R2_NOT, R2_COPYPEN, R2_NOTCOPYPEN, R2_MERGEPENNOT,
                      R2_MASKPENNOT, R2_MERGENOTPEN, R2_MASKNOTPEN, R2_MERGEPEN, R2_NOTMERGEPEN,
                      R2_MASKPEN, R2_NOTMASKPEN, R2_XORPEN, R2_NOTXORPEN};
    for (int m = pmBlack; m <= pmNotXor; ++m)
        EXPECT_EQ(PenModeToROP2(TPenMode(m)), r2[m]);

    TBrush b;
    b.SetStyle(bsClear);
    EXPECT_EQ(b.LogBrush().Style, BS_NULL);
    b.SetStyle(bsFDiagonal);
    EXPECT_EQ(b.LogBrush().Hatch, HS_FDIAGONAL);
    TPen p;
    p.SetStyle(psClear);
    EXPECT_EQ(p.LogPen().Style, PS_NULL);
    p.SetWidth(-3);
    EXPECT_EQ(p.Width(), 1);
}

} // namespace
