#include "classlib/core/sysutils.h"

#include "classlib/core/ansi.h"

#include <QList>
#include <QLocale>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace classlib {

// ---------------------------------------------------------------------------
// Exceptions

Exception::Exception(const QString& Msg) : Message(Msg) {}

Exception::Exception(const Exception& Other)
    : TObject(), std::exception(Other), Message(Other.Message)
{
}

Exception& Exception::operator=(const Exception& Other)
{
    Message = Other.Message;
    return *this;
}

const char* Exception::what() const noexcept
{
    // Handlers may rewrite Message before rethrowing.
    if (FWhat.isNull() || FWhatOf != Message) {
        FWhat = Message.toUtf8();
        FWhatOf = Message;
    }
    return FWhat.constData();
}

void Abort()
{
    throw EAbort(QStringLiteral("Operation aborted"));
}

// ---------------------------------------------------------------------------
// Numbers

namespace {

[[noreturn]] void RoundError(double Value)
{
    throw EConvertError(QStringLiteral("Cannot round %1 to an integer").arg(Value, 0, 'g', 17));
}

} // namespace

int Round(double Value)
{
    const double r = std::nearbyint(Value);
    // Written so that NaN fails too.
    if (!(r >= -2147483648.0 && r <= 2147483647.0))
        RoundError(Value);
    return static_cast<int>(r);
}

qint64 Round64(double Value)
{
    const double r = std::nearbyint(Value);
    // 2^63 itself is out of range; every double below it converts exactly.
    if (!(r >= -9223372036854775808.0 && r < 9223372036854775808.0))
        RoundError(Value);
    return static_cast<qint64>(r);
}

int MulDiv(int a, int b, int c)
{
    if (c == 0)
        return -1;
    qint64 p = qint64(a) * b;  // |p| <= 2^62
    qint64 d = c;
    if (d < 0) {
        p = -p;
        d = -d;
    }
    qint64 q = p / d;
    const qint64 r = p % d;
    if (2 * (r < 0 ? -r : r) >= d)
        q += p < 0 ? -1 : 1;
    if (q < std::numeric_limits<int>::min() || q > std::numeric_limits<int>::max())
        return -1;
    return static_cast<int>(q);
}

// ---------------------------------------------------------------------------
// Format

TVarRec::TVarRec(char Value) : VType(vtChar), VChar(FromAnsi(&Value, 1).at(0)) {}

namespace {

QChar SystemDecimalSeparator()
{
    const QString point = QLocale::system().decimalPoint();
    return point.size() == 1 ? point.at(0) : QChar(u'.');
}

} // namespace

QChar DecimalSeparator = SystemDecimalSeparator();

namespace {

// Widths and precisions above this are taken for a broken format rather
// than allocated.
constexpr int MaxFormatNumber = 9999;

// Significant digits a double is formatted from: enough for any double.
constexpr int MaxFloatDigits = 18;

// The money format; one place for when it follows a locale.
const QString CurrencyString = QStringLiteral("$");
constexpr int CurrencyDecimals = 2;

// A finite double as decimal digits: 0.Digits x 10^Exponent.
struct TDecimal {
    bool Negative = false;
    std::string Digits;  // no trailing zeros; empty for zero
    int Exponent = 0;
};

TDecimal ToDecimal(double Value)
{
    TDecimal d;
    d.Negative = std::signbit(Value);
    if (Value == 0)
        return d;
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(Value),
                                   std::chars_format::scientific, MaxFloatDigits - 1);
    const char* p = buf;
    for (; p < res.ptr && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9')
            d.Digits += *p;
    // p is at 'e', followed by the exponent's sign ('+' is not from_chars').
    int exponent = 0;
    std::from_chars(p + (p[1] == '+' ? 2 : 1), res.ptr, exponent);
    d.Exponent = exponent + 1;
    while (!d.Digits.empty() && d.Digits.back() == '0')
        d.Digits.pop_back();
    return d;
}

// Keeps Count significant digits, rounding halves away from zero.
void RoundDigits(TDecimal& d, int Count)
{
    if (Count >= int(d.Digits.size()))
        return;
    if (Count < 0) {
        d.Digits.clear();
        return;
    }
    const bool up = d.Digits[Count] >= '5';
    d.Digits.resize(Count);
    if (up) {
        while (!d.Digits.empty() && d.Digits.back() == '9')
            d.Digits.pop_back();
        if (d.Digits.empty()) {
            d.Digits.assign(1, '1');
            ++d.Exponent;
        } else {
            ++d.Digits.back();
        }
    }
    while (!d.Digits.empty() && d.Digits.back() == '0')
        d.Digits.pop_back();
}

char DigitAt(const TDecimal& d, qint64 i)
{
    return i >= 0 && i < qint64(d.Digits.size()) ? d.Digits[i] : '0';
}

// Digits without the sign; rounded zero has no sign.
QString FixedDigits(TDecimal d, int Decimals, bool Thousands, QChar Point = u'.')
{
    RoundDigits(d, d.Exponent + Decimals);
    std::string s;
    if (d.Digits.empty() || d.Exponent <= 0) {
        s = "0";
    } else {
        for (int i = 0; i < d.Exponent; ++i) {
            if (Thousands && i > 0 && (d.Exponent - i) % 3 == 0)
                s += ',';
            s += DigitAt(d, i);
        }
    }
    if (Decimals > 0) {
        s += '.';
        for (int k = 0; k < Decimals; ++k)
            s += d.Digits.empty() ? '0' : DigitAt(d, qint64(d.Exponent) + k);
    }
    QString r = QString::fromLatin1(s.data(), qsizetype(s.size()));
    if (Decimals > 0)
        r[r.size() - Decimals - 1] = Point;
    return r;
}

bool IsZero(TDecimal d, int Decimals)
{
    RoundDigits(d, d.Exponent + Decimals);
    return d.Digits.empty();
}

QString ExponentText(int Exponent, int MinDigits, bool PlusSign)
{
    QString s = QString::number(std::abs(Exponent)).rightJustified(MinDigits, u'0');
    if (Exponent < 0)
        return u'-' + s;
    return PlusSign ? u'+' + s : s;
}

QString FloatText(double Value, char16_t Type, int Prec)
{
    if (std::isnan(Value))
        return QStringLiteral("NAN");
    if (std::isinf(Value))
        return Value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");

    TDecimal d = ToDecimal(Value);
    switch (Type) {
    case u'E': {
        const int p = Prec < 0 ? 15 : std::clamp(Prec, 1, MaxFloatDigits);
        RoundDigits(d, p);
        QString s;
        if (d.Negative && !d.Digits.empty())
            s += u'-';
        s += QChar::fromLatin1(DigitAt(d, 0));
        if (p > 1) {
            s += u'.';
            for (int i = 1; i < p; ++i)
                s += QChar::fromLatin1(DigitAt(d, i));
        }
        return s + u'E' + ExponentText(d.Digits.empty() ? 0 : d.Exponent - 1, 3, true);
    }
    case u'G': {
        const int p = Prec < 0 ? 15 : std::clamp(Prec, 1, MaxFloatDigits);
        RoundDigits(d, p);
        if (d.Digits.empty())
            return QStringLiteral("0");
        const QString sign = d.Negative ? QStringLiteral("-") : QString();
        if (d.Exponent > p || d.Exponent < -4) {
            QString s = sign + QChar::fromLatin1(d.Digits[0]);
            if (d.Digits.size() > 1)
                s += u'.' + QString::fromLatin1(d.Digits.data() + 1, qsizetype(d.Digits.size() - 1));
            return s + u'E' + ExponentText(d.Exponent - 1, 1, false);
        }
        const int decimals = std::max(0, int(d.Digits.size()) - d.Exponent);
        return sign + FixedDigits(d, decimals, false);
    }
    case u'M': {
        const int decimals = Prec < 0 ? CurrencyDecimals : std::min(Prec, MaxFloatDigits);
        const QString s = CurrencyString + FixedDigits(d, decimals, true);
        return d.Negative && !IsZero(d, decimals) ? u'(' + s + u')' : s;
    }
    default: {  // F, N
        const int decimals = Prec < 0 ? 2 : std::min(Prec, MaxFloatDigits);
        const QString s = FixedDigits(d, decimals, Type == u'N', Type == u'F' ? DecimalSeparator : QChar(u'.'));
        return d.Negative && !IsZero(d, decimals) ? u'-' + s : s;
    }
    }
}

class TFormatter {
public:
    TFormatter(const QString& Fmt, std::initializer_list<TVarRec> Args)
        : FFmt(Fmt), FArgs(Args.begin()), FArgCount(qsizetype(Args.size()))
    {
    }

    QString Run()
    {
        QString out;
        out.reserve(FFmt.size() + 16);
        const qsizetype n = FFmt.size();
        while (FPos < n) {
            const qsizetype lit = FPos;
            while (FPos < n && FFmt[FPos] != u'%')
                ++FPos;
            out += QStringView(FFmt).mid(lit, FPos - lit);
            if (FPos == n)
                break;
            ++FPos;
            if (FPos < n && FFmt[FPos] == u'%') {
                out += u'%';
                ++FPos;
                continue;
            }
            out += Spec();
        }
        return out;
    }

private:
    [[noreturn]] void Error() const
    {
        throw EConvertError(
            QStringLiteral("Format '%1' invalid or incompatible with argument").arg(FFmt));
    }

    const TVarRec& NextArg()
    {
        if (FArgIndex >= FArgCount)
            Error();
        return FArgs[FArgIndex++];
    }

    static bool IsDigit(QChar c) { return c.unicode() >= u'0' && c.unicode() <= u'9'; }

    static bool IsInteger(const TVarRec& a)
    {
        return a.VType == TVarRec::vtInteger || a.VType == TVarRec::vtInt64;
    }

    // Digits or * at the current position; false when neither is there.
    bool Number(int& Value)
    {
        const qsizetype n = FFmt.size();
        if (FPos < n && FFmt[FPos] == u'*') {
            ++FPos;
            const TVarRec& a = NextArg();
            if (!IsInteger(a) || a.VInteger < 0 || a.VInteger > MaxFormatNumber)
                Error();
            Value = int(a.VInteger);
            return true;
        }
        if (FPos >= n || !IsDigit(FFmt[FPos]))
            return false;
        Value = 0;
        while (FPos < n && IsDigit(FFmt[FPos])) {
            Value = Value * 10 + (FFmt[FPos].unicode() - u'0');
            if (Value > MaxFormatNumber)
                Error();
            ++FPos;
        }
        return true;
    }

    QString Spec()
    {
        const qsizetype n = FFmt.size();
        int number = 0;
        bool haveNumber = Number(number);
        if (haveNumber && FPos < n && FFmt[FPos] == u':') {
            ++FPos;
            FArgIndex = number;
            haveNumber = false;
        }
        bool left = false;
        if (!haveNumber && FPos < n && FFmt[FPos] == u'-') {
            left = true;
            ++FPos;
        }
        int width = 0;
        if (haveNumber)
            width = number;
        else
            Number(width);
        int prec = -1;
        if (FPos < n && FFmt[FPos] == u'.') {
            ++FPos;
            if (!Number(prec))
                Error();
        }
        if (FPos >= n)
            Error();
        char16_t type = FFmt[FPos++].unicode();
        if (type >= u'a' && type <= u'z')
            type -= 32;

        const TVarRec& a = NextArg();
        QString s;
        switch (type) {
        case u'D':
        case u'U':
        case u'X': {
            if (!IsInteger(a))
                Error();
            const bool negative = type == u'D' && a.VInteger < 0;
            quint64 magnitude;
            if (type == u'D')
                magnitude = negative ? 0 - quint64(a.VInteger) : quint64(a.VInteger);
            else  // an int's bits are shown as the 32-bit pattern
                magnitude = a.VType == TVarRec::vtInteger ? quint64(quint32(a.VInteger))
                                                          : quint64(a.VInteger);
            s = QString::number(magnitude, type == u'X' ? 16 : 10).toUpper();
            if (prec > s.size())
                s = s.rightJustified(prec, u'0');
            if (negative)
                s.prepend(u'-');
            break;
        }
        case u'E':
        case u'F':
        case u'G':
        case u'N':
        case u'M':
            if (a.VType != TVarRec::vtExtended)
                Error();
            s = FloatText(a.VExtended, type, prec);
            break;
        case u'S':
            if (a.VType == TVarRec::vtString)
                s = a.VString;
            else if (a.VType == TVarRec::vtChar)
                s = a.VChar;
            else
                Error();
            if (prec >= 0 && prec < s.size())
                s.truncate(prec);
            break;
        case u'P':
            if (a.VType != TVarRec::vtPointer)
                Error();
            s = QString::number(quintptr(a.VPointer), 16).toUpper().rightJustified(
                int(sizeof(void*) * 2), u'0');
            break;
        default:
            Error();
        }
        if (width > s.size())
            s = left ? s.leftJustified(width) : s.rightJustified(width);
        return s;
    }

    const QString& FFmt;
    const TVarRec* FArgs;
    qsizetype FArgCount;
    qsizetype FArgIndex = 0;
    qsizetype FPos = 0;
};

} // namespace

QString Format(const QString& Fmt, std::initializer_list<TVarRec> Args)
{
    return TFormatter(Fmt, Args).Run();
}

// ---------------------------------------------------------------------------
// FormatFloat

namespace {

// One section of a FormatFloat picture.
struct TPicture {
    QString Prefix;
    QString Suffix;
    bool HasDigits = false;
    int IntZeros = 0;   // '0' before the point: integer digits always shown
    int IntDigits = 0;  // '0' and '#' before the point
    int FracZeros = 0;  // decimals always shown: up to the last '0'
    int FracDigits = 0; // decimals at most
    bool Thousands = false;
    bool Scientific = false;
    QChar ExpChar;
    bool ExpPlus = false;
    int ExpDigits = 0;
};

// Splits at ';' outside quotes; at most three sections.
QList<QString> PictureSections(const QString& Picture)
{
    QList<QString> sections{QString()};
    QChar quote;
    for (const QChar c : Picture) {
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == u'"' || c == u'\'') {
            quote = c;
        } else if (c == u';') {
            if (sections.size() == 3)
                break;
            sections.append(QString());
            continue;
        }
        sections.last() += c;
    }
    return sections;
}

TPicture ParsePicture(const QString& Section)
{
    TPicture p;
    enum { Before, Digits, After } where = Before;
    bool fraction = false;
    auto literal = [&](QChar c) {
        if (where == Digits)
            where = After;
        (where == Before ? p.Prefix : p.Suffix) += c;
    };
    const qsizetype n = Section.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = Section[i];
        if (c == u'"' || c == u'\'') {
            qsizetype j = i + 1;
            while (j < n && Section[j] != c)
                literal(Section[j++]);
            i = j;
            continue;
        }
        const bool placeholder = c == u'0' || c == u'#' || c == u'.' || c == u',';
        if (placeholder && where != After) {
            where = Digits;
            p.HasDigits = true;
            if (c == u'.') {
                fraction = true;
            } else if (c == u',') {
                p.Thousands = !fraction;
            } else if (fraction) {
                ++p.FracDigits;
                if (c == u'0')
                    p.FracZeros = p.FracDigits;
            } else {
                ++p.IntDigits;
                if (c == u'0')
                    ++p.IntZeros;
            }
            continue;
        }
        if ((c == u'E' || c == u'e') && where == Digits && !p.Scientific && i + 1 < n &&
            (Section[i + 1] == u'+' || Section[i + 1] == u'-')) {
            p.Scientific = true;
            p.ExpChar = c;
            p.ExpPlus = Section[++i] == u'+';
            while (i + 1 < n && Section[i + 1] == u'0' && p.ExpDigits < 4) {
                ++p.ExpDigits;
                ++i;
            }
            where = After;
            continue;
        }
        literal(c);
    }
    return p;
}

// The digits of Value (its sign left to the caller) after one picture.
QString PictureDigits(const TPicture& p, double Value)
{
    TDecimal d = ToDecimal(Value);
    int exponent = 0;
    if (p.Scientific) {
        const int intDigits = std::max(p.IntDigits, 1);
        RoundDigits(d, std::min(intDigits + p.FracDigits, MaxFloatDigits));
        if (!d.Digits.empty()) {
            exponent = d.Exponent - intDigits;
            d.Exponent = intDigits;
        }
    } else {
        RoundDigits(d, d.Exponent + std::min(p.FracDigits, MaxFloatDigits));
    }
    QString s;
    const int intCount = d.Digits.empty() ? 0 : std::max(d.Exponent, 0);
    const int shown = std::max(intCount, p.IntZeros);
    for (int i = 0; i < shown; ++i) {
        if (p.Thousands && i > 0 && (shown - i) % 3 == 0)
            s += u',';
        s += QChar::fromLatin1(DigitAt(d, qint64(i) - (shown - intCount)));
    }
    QString decimals;
    for (int k = 0; k < p.FracDigits; ++k)
        decimals += QChar::fromLatin1(d.Digits.empty() ? '0' : DigitAt(d, qint64(d.Exponent) + k));
    while (decimals.size() > p.FracZeros && decimals.endsWith(u'0'))
        decimals.chop(1);
    if (!decimals.isEmpty())
        s += DecimalSeparator + decimals;
    if (p.Scientific) {
        s += p.ExpChar;
        if (exponent < 0)
            s += u'-';
        else if (p.ExpPlus)
            s += u'+';
        s += QString::number(std::abs(exponent)).rightJustified(p.ExpDigits, u'0');
    }
    return s;
}

bool PictureIsZero(const TPicture& p, double Value)
{
    if (Value == 0)
        return true;
    if (p.Scientific)
        return false;
    TDecimal d = ToDecimal(Value);
    RoundDigits(d, d.Exponent + std::min(p.FracDigits, MaxFloatDigits));
    return d.Digits.empty();
}

} // namespace

QString FormatFloat(const QString& Picture, double Value)
{
    if (!std::isfinite(Value))
        return FloatText(Value, u'G', -1);
    const QList<QString> sections = PictureSections(Picture);
    if (sections[0].isEmpty())
        return FloatText(Value, u'G', 15).replace(u'.', DecimalSeparator);

    const TPicture first = ParsePicture(sections[0]);
    const bool zero = PictureIsZero(first, Value);
    if (zero && sections.size() == 3 && !sections[2].isEmpty()) {
        const TPicture p = ParsePicture(sections[2]);
        return p.Prefix + (p.HasDigits ? PictureDigits(p, 0) : QString()) + p.Suffix;
    }
    if (Value < 0 && sections.size() >= 2 && !sections[1].isEmpty()) {
        const TPicture p = ParsePicture(sections[1]);
        return p.Prefix + (p.HasDigits ? PictureDigits(p, -Value) : QString()) + p.Suffix;
    }
    if (!first.HasDigits)
        return first.Prefix + first.Suffix;
    const QString sign = Value < 0 && !zero ? QStringLiteral("-") : QString();
    return sign + first.Prefix + PictureDigits(first, std::fabs(Value)) + first.Suffix;
}

// ---------------------------------------------------------------------------
// Strings

QString IntToStr(qint64 Value)
{
    return QString::number(Value);
}

int StrToInt(const QString& S)
{
    auto fail = [&S]() -> int {
        throw EConvertError(Format("'%s' is not a valid integer value", {S}));
    };
    const qsizetype n = S.size();
    qsizetype i = 0;
    while (i < n && S[i] == u' ')
        ++i;
    bool negative = false;
    if (i < n && (S[i] == u'-' || S[i] == u'+'))
        negative = S[i++] == u'-';
    int base = 10;
    if (i < n && S[i] == u'$') {
        base = 16;
        ++i;
    } else if (i + 1 < n && S[i] == u'0' && (S[i + 1] == u'x' || S[i + 1] == u'X')) {
        base = 16;
        i += 2;
    }
    if (i == n)
        return fail();
    // Hexadecimal is a 32-bit pattern, so its limit is 2^32 - 1.
    const qint64 limit = base == 16 ? 0xFFFFFFFFLL : 0x80000000LL;
    qint64 v = 0;
    for (; i < n; ++i) {
        const char16_t c = S[i].unicode();
        int digit;
        if (c >= u'0' && c <= u'9')
            digit = c - u'0';
        else if (base == 16 && c >= u'a' && c <= u'f')
            digit = c - u'a' + 10;
        else if (base == 16 && c >= u'A' && c <= u'F')
            digit = c - u'A' + 10;
        else
            return fail();
        v = v * base + digit;
        if (v > limit)
            return fail();
    }
    if (base == 16)
        v = qint32(quint32(v));
    if (negative)
        v = -v;
    if (v < std::numeric_limits<int>::min() || v > std::numeric_limits<int>::max())
        return fail();
    return int(v);
}

double StrToFloat(const QString& S)
{
    auto fail = [&S]() -> double {
        throw EConvertError(Format("'%s' is not a valid floating point value", {S}));
    };
    // Spaces around, a sign, digits with at most one separator, an exponent.
    qsizetype i = 0, n = S.size();
    while (i < n && S[i] == u' ')
        ++i;
    while (n > i && S[n - 1] == u' ')
        --n;
    auto isDigit = [&S](qsizetype k) { return S[k].unicode() >= u'0' && S[k].unicode() <= u'9'; };
    std::string text;
    if (i < n && (S[i] == u'+' || S[i] == u'-'))
        text += S[i++] == u'-' ? "-" : "";
    // Where the first significant digit lies against the point, to tell an
    // overflow from an underflow.
    int digits = 0;
    qint64 magnitude = 0;
    bool significant = false;
    for (; i < n && isDigit(i); ++i, ++digits) {
        text += char(S[i].unicode());
        significant = significant || S[i] != u'0';
        magnitude += significant ? 1 : 0;
    }
    if (i < n && S[i] == DecimalSeparator) {
        text += '.';
        for (++i; i < n && isDigit(i); ++i, ++digits) {
            text += char(S[i].unicode());
            if (!significant && S[i] == u'0')
                --magnitude;
            significant = significant || S[i] != u'0';
        }
    }
    if (digits == 0)
        return fail();
    if (i < n && (S[i] == u'e' || S[i] == u'E')) {
        text += 'e';
        ++i;
        bool negative = false;
        if (i < n && (S[i] == u'+' || S[i] == u'-')) {
            negative = S[i] == u'-';
            text += char(S[i++].unicode());
        }
        if (i == n || !isDigit(i))
            return fail();
        qint64 exponent = 0;
        for (; i < n && isDigit(i); ++i) {
            text += char(S[i].unicode());
            exponent = std::min<qint64>(exponent * 10 + (S[i].unicode() - u'0'), 1000000);
        }
        magnitude += negative ? -exponent : exponent;
    }
    if (i != n)
        return fail();
    double v = 0;
    // from_chars keeps to the C locale.
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec == std::errc::result_out_of_range && magnitude <= 0)
        return text[0] == '-' ? -0.0 : 0.0;  // too small: zero
    if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(v))
        return fail();
    return v;
}

namespace {

bool IsAsciiLetter(char16_t c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

char16_t AsciiUpper(char16_t c)
{
    return c >= u'a' && c <= u'z' ? char16_t(c - 32) : c;
}

} // namespace

bool IsValidIdent(const QString& Ident)
{
    if (Ident.isEmpty())
        return false;
    for (qsizetype i = 0; i < Ident.size(); ++i) {
        const char16_t c = Ident[i].unicode();
        const bool ok = IsAsciiLetter(c) || c == u'_' || (i > 0 && c >= u'0' && c <= u'9');
        if (!ok)
            return false;
    }
    return true;
}

int CompareText(QStringView S1, QStringView S2)
{
    const qsizetype n = std::min(S1.size(), S2.size());
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c1 = AsciiUpper(S1[i].unicode());
        const char16_t c2 = AsciiUpper(S2[i].unicode());
        if (c1 != c2)
            return int(c1) - int(c2);
    }
    return S1.size() < S2.size() ? -1 : S1.size() > S2.size() ? 1 : 0;
}

bool SameText(QStringView S1, QStringView S2)
{
    return S1.size() == S2.size() && CompareText(S1, S2) == 0;
}

QString UpperCase(const QString& S)
{
    QString r = S;
    for (QChar& c : r)
        if (c.unicode() >= u'a' && c.unicode() <= u'z')
            c = QChar(c.unicode() - 32);
    return r;
}

QString LowerCase(const QString& S)
{
    QString r = S;
    for (QChar& c : r)
        if (c.unicode() >= u'A' && c.unicode() <= u'Z')
            c = QChar(c.unicode() + 32);
    return r;
}

} // namespace classlib
