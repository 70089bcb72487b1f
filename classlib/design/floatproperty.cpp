#include "classlib/design/floatproperty.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace classlib {

namespace {

// Values are shown through a double, whose 16th digit is already noise.
int Precision(TFloatType Type)
{
    return Type == TFloatType::ftSingle ? 7 : 15;
}

long double Largest(TFloatType Type)
{
    switch (Type) {
    case TFloatType::ftSingle:
        return std::numeric_limits<float>::max();
    case TFloatType::ftDouble:
        return std::numeric_limits<double>::max();
    case TFloatType::ftExtended:
        break;
    }
    return std::numeric_limits<long double>::max();
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Digits with an optional point and exponent, nothing else: neither names
// of infinities and NaN nor hexadecimal.
bool IsDecimalNumber(const QByteArray& s)
{
    qsizetype i = 0;
    const qsizetype n = s.size();
    if (i < n && (s[i] == '+' || s[i] == '-')) ++i;
    qsizetype digits = 0;
    while (i < n && IsDigit(s[i])) ++i, ++digits;
    if (i < n && s[i] == '.') {
        ++i;
        while (i < n && IsDigit(s[i])) ++i, ++digits;
    }
    if (digits == 0) return false;
    if (i < n && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < n && (s[i] == '+' || s[i] == '-')) ++i;
        if (i == n || !IsDigit(s[i])) return false;
        while (i < n && IsDigit(s[i])) ++i;
    }
    return i == n;
}

} // namespace

long double StrToPropertyFloat(const QString& Value, TFloatType FloatType)
{
    const QString trimmed = Value.trimmed();
    const QByteArray text = trimmed.toLatin1();
    auto invalid = [&Value]() {
        return EPropertyError(Format("'%s' is not a valid floating point value", {Value}));
    };
    if (trimmed.size() != text.size() || !IsDecimalNumber(text)) throw invalid();
    // from_chars takes no plus sign; it keeps to the C locale.
    const char* first = text.constData() + (text.startsWith('+') ? 1 : 0);
    long double v = 0;
    const auto [end, ec] = std::from_chars(first, text.constData() + text.size(), v);
    // Beyond the widest type the number has no value at all.
    if (ec != std::errc() || end != text.constData() + text.size() || !std::isfinite(v)) throw invalid();
    const long double largest = Largest(FloatType);
    if (std::fabs(v) > largest)
        throw EPropertyError(Format("Value must be between %g and %g", {double(-largest), double(largest)}));
    return v;
}

bool TFloatProperty::AllEqual()
{
    const long double v = GetFloatValue();
    for (int i = 1; i < PropCount(); ++i)
        if (GetFloatValueAt(i) != v) return false;
    return true;
}

TPropertyAttributes TFloatProperty::GetAttributes()
{
    return {TPropertyAttribute::paMultiSelect, TPropertyAttribute::paRevertable};
}

QString TFloatProperty::GetValue()
{
    const TTypeInfo* type = GetPropType();
    const int precision = Precision(type ? type->FloatType : TFloatType::ftExtended);
    return Format("%.*g", {precision, double(GetFloatValue())});
}

void TFloatProperty::SetValue(const QString& Value)
{
    const TTypeInfo* type = GetPropType();
    SetFloatValue(StrToPropertyFloat(Value, type ? type->FloatType : TFloatType::ftExtended));
}

} // namespace classlib
