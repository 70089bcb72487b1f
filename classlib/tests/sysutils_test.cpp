#include "classlib/core/sysutils.h"

#include "classlib/tests/errorof.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <cmath>
#include <exception>
#include <limits>

using namespace classlib;

namespace {

using classlib::test::ErrorOf;

// The separator is process-wide: each test sets its own and puts it back.
class TSeparatorScope {
public:
    explicit TSeparatorScope(QChar Separator) : FSaved(DecimalSeparator) { DecimalSeparator = Separator; }
    ~TSeparatorScope() { DecimalSeparator = FSaved; }

private:
    QChar FSaved;
};

} // namespace

TEST(SysUtils, RoundHalvesToEven)
{
    const struct { double in; int want; } cases[] = {
        {2.5, 2}, {3.5, 4}, {-2.5, -2}, {-3.5, -4}, {0.5, 0}, {1.5, 2},
        {2.4999999, 2}, {-0.5, 0}, {2147483647.4, 2147483647}, {-2147483648.4, -2147483647 - 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Round(c.in), c.want) << c.in;
    EXPECT_EQ(Round64(4503599627370497.0), 4503599627370497LL);
    EXPECT_EQ(Round64(-9223372036854775808.0), std::numeric_limits<qint64>::min());
}

TEST(SysUtils, RoundOutOfRangeRaises)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (double v : {nan, inf, -inf, 2147483647.5, -2147483648.6, 1e10})
        EXPECT_THROW(Round(v), EConvertError) << v;
    for (double v : {nan, 9223372036854775808.0, -1e19})
        EXPECT_THROW(Round64(v), EConvertError) << v;
    EXPECT_EQ(ErrorOf<EConvertError>([&] { Round(nan); }), "Cannot round nan to an integer");
}

TEST(SysUtils, MulDivRoundsHalvesAwayFromZero)
{
    const int maxInt = std::numeric_limits<int>::max();
    const int minInt = std::numeric_limits<int>::min();
    const struct { int a, b, c, want; } cases[] = {
        {10, 3, 4, 8}, {-10, 3, 4, -8}, {10, -3, 4, -8}, {10, 3, -4, -8}, {-10, -3, -4, -8},
        {5, 1, 2, 3}, {-5, 1, 2, -3}, {1, 1, 3, 0}, {2, 1, 3, 1}, {0, 7, 5, 0},
        {maxInt, maxInt, maxInt, maxInt},  // needs the 64-bit intermediate
        {7, 1, 0, -1},                      // division by zero
        {maxInt, 2, 1, -1}, {minInt, 1, -1, -1},  // result does not fit
        {minInt, 1, minInt, 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MulDiv(c.a, c.b, c.c), c.want) << c.a << '*' << c.b << '/' << c.c;
}

TEST(SysUtils, Format)
{
    const TSeparatorScope scope(u'.');
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const struct { const char* name; QString got; const char* want; } cases[] = {
        {"plain", Format("no args", {}), "no args"},
        {"percent", Format("100%%", {}), "100%"},
        {"int", Format("%d", {42}), "42"},
        {"width", Format("[%5d]", {42}), "[   42]"},
        {"left", Format("[%-5d]", {42}), "[42   ]"},
        {"int precision", Format("%.3d", {-5}), "-005"},
        {"int64 min", Format("%d", {std::numeric_limits<qint64>::min()}), "-9223372036854775808"},
        {"unsigned int", Format("%u", {-1}), "4294967295"},
        {"unsigned int64", Format("%u", {qint64(-1)}), "18446744073709551615"},
        {"hex", Format("%x", {255}), "FF"},
        {"hex precision", Format("%.4x", {255}), "00FF"},
        {"hex negative int", Format("%x", {-1}), "FFFFFFFF"},
        {"upper type", Format("%D", {7}), "7"},
        {"string", Format("<%s>", {"abc"}), "<abc>"},
        {"string precision", Format("%.2s", {"abc"}), "ab"},
        {"string width", Format("[%5s|%-3s]", {"ab", "c"}), "[   ab|c  ]"},
        {"utf8 literal", Format("%s", {"Grüße"}), "Grüße"},
        {"ansi char", Format("%s%s", {'A', '\x80'}), "A€"},
        {"fixed default", Format("%f", {2.5}), "2.50"},
        {"fixed half away", Format("%.0f %.0f %.2f", {0.5, 2.5, 0.125}), "1 3 0.13"},
        {"fixed below half", Format("%.2f", {2.675}), "2.67"},
        {"fixed carry", Format("%.2f", {9.999}), "10.00"},
        {"fixed tiny", Format("%.2f %.2f", {0.006, 0.004}), "0.01 0.00"},
        {"fixed negative zero", Format("%.2f", {-0.001}), "0.00"},
        {"fixed large", Format("%.1f", {1e20}), "100000000000000000000.0"},
        {"exponent", Format("%e", {1234.5}), "1.23450000000000E+003"},
        {"exponent precision", Format("%.3e", {-0.00012345}), "-1.23E-004"},
        {"exponent zero", Format("%.3e", {0.0}), "0.00E+000"},
        {"general", Format("%g|%g|%g|%g", {0.5, 100.0, -2.5, 0.0}), "0.5|100|-2.5|0"},
        {"general sum", Format("%g", {0.1 + 0.2}), "0.3"},
        {"general big", Format("%g|%g", {1e14, 1e15}), "100000000000000|1E15"},
        {"general small", Format("%g|%g|%g", {0.00001, 1e-6, 1.5e-10}), "0.00001|1E-6|1.5E-10"},
        {"general precision", Format("%.3g", {1234.5}), "1.23E3"},
        {"number", Format("%n|%n|%n", {1234567.891, -1234.5, 999.999}), "1,234,567.89|-1,234.50|1,000.00"},
        {"money", Format("%m|%m", {1234.5, -1234.5}), "$1,234.50|($1,234.50)"},
        {"not a number", Format("%f|%g|%e", {nan, -inf, inf}), "NAN|-INF|INF"},
        {"index", Format("%1:s %0:s %s", {"a", "b"}), "b a b"},
        {"star", Format("[%*d]", {5, 42}), "[   42]"},
        {"star left precision", Format("[%-*.*f]", {6, 1, 2.25}), "[2.3   ]"},
        {"pointer", Format("%p", {static_cast<const void*>(nullptr)}), "0000000000000000"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.got, QString::fromUtf8(c.want)) << c.name;
}

TEST(SysUtils, FormatRejectsBadFormatsAndArguments)
{
    const struct { const char* fmt; std::initializer_list<TVarRec> args; } cases[] = {
        {"%d", {1.5}}, {"%f", {1}}, {"%s", {1}}, {"%x", {"a"}}, {"%p", {1}},
        {"%d", {}}, {"%d %d", {1}}, {"%2:s", {"a"}},
        {"%", {1}}, {"%5", {1}}, {"%k", {1}}, {"%.f", {1.0}}, {"%-:d", {1}},
        {"%99999d", {1}}, {"%*d", {-1, 1}}, {"%*d", {"x", 1}},
    };
    for (const auto& c : cases) {
        const QString fmt = QString::fromLatin1(c.fmt);
        EXPECT_EQ(ErrorOf<EConvertError>([&] { Format(fmt, c.args); }),
                  QStringLiteral("Format '%1' invalid or incompatible with argument").arg(fmt))
            << c.fmt;
    }
}

TEST(SysUtils, StrToInt)
{
    const struct { const char* in; int want; } good[] = {
        {"42", 42}, {"  42", 42}, {"-42", -42}, {"+7", 7}, {"$FF", 255}, {"0x10", 16},
        {"$FFFFFFFF", -1}, {"-2147483648", -2147483647 - 1}, {"2147483647", 2147483647}, {"007", 7},
    };
    for (const auto& c : good)
        EXPECT_EQ(StrToInt(QString::fromLatin1(c.in)), c.want) << c.in;
    for (const char* bad : {"", " ", "abc", "42 ", "2147483648", "-2147483649", "1.5", "$", "0x",
                            "$100000000", "- 1", "１"}) {
        const QString s = QString::fromUtf8(bad);
        EXPECT_EQ(ErrorOf<EConvertError>([&] { StrToInt(s); }),
                  QStringLiteral("'%1' is not a valid integer value").arg(s))
            << bad;
    }
    EXPECT_EQ(IntToStr(-9223372036854775807LL - 1), "-9223372036854775808");
}

TEST(SysUtils, IdentsAndAsciiCase)
{
    for (const char* s : {"a", "_x1", "A_B", "_"})
        EXPECT_TRUE(IsValidIdent(QString::fromLatin1(s))) << s;
    for (const char* s : {"", "1a", "a-b", "a b", "Straße", "a.b"})
        EXPECT_FALSE(IsValidIdent(QString::fromUtf8(s))) << s;

    EXPECT_EQ(CompareText(u"abc", u"ABC"), 0);
    EXPECT_LT(CompareText(u"a", u"B"), 0);
    EXPECT_GT(CompareText(u"b", u"A"), 0);
    EXPECT_LT(CompareText(u"ab", u"ABC"), 0);
    // Folding goes to upper case, so '_' sorts after the letters.
    EXPECT_GT(CompareText(u"_", u"a"), 0);
    EXPECT_FALSE(SameText(u"é", u"É"));
    EXPECT_TRUE(SameText(u"Width", u"WIDTH"));
    EXPECT_EQ(UpperCase(QString::fromUtf8("abcé_1")), QString::fromUtf8("ABCé_1"));
    EXPECT_EQ(LowerCase(QString::fromUtf8("ABCÉ")), QString::fromUtf8("abcÉ"));
}

TEST(SysUtils, Exceptions)
{
    EXPECT_EQ(ErrorOf<EAbort>([] { Abort(); }), "Operation aborted");

    EConvertError e(QString::fromUtf8("Grüße"));
    EXPECT_STREQ(e.what(), "Grüße");
    e.Message = QStringLiteral("changed");
    EXPECT_STREQ(e.what(), "changed");

    // The stream family nests as callers catch it.
    EXPECT_THROW(throw EReadError("r"), EFilerError);
    EXPECT_THROW(throw EClassNotFound("c"), EStreamError);
    EXPECT_THROW(throw EFOpenError("o"), EStreamError);
    EXPECT_THROW(throw EOutOfMemory("m"), Exception);

    // Copied into an exception_ptr and rethrown elsewhere, the message stays.
    std::exception_ptr p;
    try {
        throw EComponentError("kept");
    } catch (...) {
        p = std::current_exception();
    }
    EXPECT_EQ(ErrorOf<EComponentError>([&] { std::rethrow_exception(p); }), "kept");
}

TEST(SysUtils, InvalidOpIsAMathErrorWithItsMessage)
{
    const TSeparatorScope scope(u'.');
    try {
        throw EInvalidOp(Format(QStringLiteral("%f is not a valid positive value"), {-1.5}));
    } catch (const EMathError& e) {
        EXPECT_EQ(e.Message, QStringLiteral("-1.50 is not a valid positive value"));
        EXPECT_NE(dynamic_cast<const EInvalidOp*>(&e), nullptr);
        EXPECT_NE(dynamic_cast<const Exception*>(&e), nullptr);
    }
}

TEST(SysUtils, DecimalSeparatorStartsAsTheSystemLocales)
{
    const QString point = QLocale::system().decimalPoint();
    EXPECT_EQ(DecimalSeparator, point.size() == 1 ? point.at(0) : QChar(u'.'));
}

TEST(SysUtils, DecimalSeparatorInFixedFormatOnly)
{
    for (const QChar sep : {QChar(u'.'), QChar(u','), QChar(0x066B)}) {
        const TSeparatorScope scope(sep);
        const QString s(sep);
        EXPECT_EQ(Format("%.2f|%f|%.0f", {1.25, -2.5, 3.0}), "1" + s + "25|-2" + s + "50|3");
        // Texts read back with a point keep it.
        EXPECT_EQ(Format("%g|%e|%n", {1.5, 1.5, 1234.5}), "1.5|1.50000000000000E+000|1,234.50");
        EXPECT_EQ(FormatFloat("0.00", 0.8), "0" + s + "80");
    }
}

TEST(SysUtils, StrToFloat)
{
    const struct { QChar sep; const char* in; double want; } good[] = {
        {u'.', "1.25", 1.25}, {u'.', " -2.5 ", -2.5}, {u'.', "+7", 7}, {u'.', ".5", 0.5},
        {u'.', "5.", 5}, {u'.', "1e3", 1000}, {u'.', "1.5E-2", 0.015}, {u'.', "0", 0},
        {u',', "1,25", 1.25}, {u',', "-0,8", -0.8},
        {u'.', "1e-400", 0}, {u'.', "0.0000001e-330", 0},
        {u'.', "1.7976931348623157e308", 1.7976931348623157e308},
    };
    for (const auto& c : good) {
        const TSeparatorScope scope(c.sep);
        EXPECT_EQ(StrToFloat(QString::fromLatin1(c.in)), c.want) << c.in;
    }
    const struct { QChar sep; const char* in; } bad[] = {
        {u'.', ""}, {u'.', " "}, {u'.', "nan"}, {u'.', "NAN"}, {u'.', "inf"}, {u'.', "-Infinity"},
        {u'.', "1e400"}, {u'.', "-1e309"}, {u'.', "1.8e308"}, {u'.', "0x10"}, {u'.', "1,5"},
        {u',', "1.5"}, {u'.', "1.2.3"}, {u'.', "1e"}, {u'.', "e5"}, {u'.', "."}, {u'.', "- 1"},
        {u'.', "1 000"}, {u'.', "1e+"}, {u'.', "１"},
    };
    for (const auto& c : bad) {
        const TSeparatorScope scope(c.sep);
        const QString s = QString::fromUtf8(c.in);
        EXPECT_EQ(ErrorOf<EConvertError>([&] { StrToFloat(s); }),
                  QStringLiteral("'%1' is not a valid floating point value").arg(s))
            << c.in;
    }
    // A mantissa too long for any double is still beyond the range.
    const TSeparatorScope scope(u'.');
    const QString huge = QString(400, u'9');
    EXPECT_THROW(StrToFloat(huge), EConvertError);
    EXPECT_EQ(StrToFloat("0." + QString(400, u'0') + "1"), 0);
}

TEST(SysUtils, FormatAndReadBackKeepTheValue)
{
    for (const QChar sep : {QChar(u'.'), QChar(u',')}) {
        const TSeparatorScope scope(sep);
        for (double v : {0.0, 0.8, -12.34, 210.0, 1e6 + 0.25})
            EXPECT_EQ(StrToFloat(Format("%.2f", {v})), v) << v;
    }
}

TEST(SysUtils, FormatFloat)
{
    const TSeparatorScope scope(u'.');
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const struct { const char* name; const char* picture; double value; const char* want; } cases[] = {
        {"zeros", "0.00", 1.5, "1.50"},
        {"rounds half away", "0.00", 2.675, "2.67"},  // the double lies below the half
        {"rounds up", "0.0", 0.25, "0.3"},
        {"optional decimals", "0.##", 1.5, "1.5"},
        {"optional all gone", "0.##", 2.0, "2"},
        {"no integer zero", "#.##", 0.5, ".5"},
        {"leading zeros", "000", 7, "007"},
        {"wider than picture", "0", 12345.6, "12346"},
        {"thousands", "#,##0.00", 1234567.891, "1,234,567.89"},
        {"thousands small", "#,##0", 999, "999"},
        {"negative", "0.0", -1.25, "-1.3"},
        {"negative rounds to zero", "0.0", -0.01, "0.0"},
        {"literals", "\"Total: \"0.00' mm'", 3, "Total: 3.00 mm"},
        {"prefix and suffix", "[0]", 4, "[4]"},
        {"sections negative", "0.0;(0.0)", -2.5, "(2.5)"},
        {"sections positive", "0.0;(0.0)", 2.5, "2.5"},
        {"sections zero", "0.0;(0.0);nil", 0.01, "nil"},
        {"empty negative section", "0.0;;zero", -1.5, "-1.5"},
        {"quoted semicolon", "0';'0", 5, "5;0"},
        {"scientific", "0.00E+00", 1234.5, "1.23E+03"},
        {"scientific small", "0.0e-0", 0.00012, "1.2e-4"},
        {"scientific plus omitted", "0.0E-00", 12, "1.2E01"},
        {"scientific zero", "0.00E+00", 0, "0.00E+00"},
        {"general", "", 0.1 + 0.2, "0.3"},
        {"general big", "", 1e15, "1E15"},
        {"not a number", "0.00", nan, "NAN"},
        {"infinity", "0.00", -inf, "-INF"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatFloat(QString::fromUtf8(c.picture), c.value), QString::fromUtf8(c.want)) << c.name;
}
