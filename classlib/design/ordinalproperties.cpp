#include "classlib/design/ordinalproperties.h"

#include "classlib/core/ansi.h"

#include <limits>
#include <optional>

namespace classlib {

namespace {

using enum TPropertyAttribute;

// Decimal, or hexadecimal after $ or 0x; leading spaces and a sign allowed.
// Nothing for anything else, and for values beyond 64 bits.
std::optional<qint64> ParseInteger(const QString& S, bool& Hex)
{
    qsizetype i = 0;
    const qsizetype n = S.size();
    while (i < n && S[i] == u' ') ++i;
    bool negative = false;
    if (i < n && (S[i] == u'-' || S[i] == u'+')) negative = S[i++] == u'-';
    int base = 10;
    if (i < n && S[i] == u'$') {
        base = 16;
        ++i;
    } else if (i + 1 < n && S[i] == u'0' && (S[i + 1] == u'x' || S[i + 1] == u'X')) {
        base = 16;
        i += 2;
    }
    Hex = base == 16;
    if (i == n) return std::nullopt;
    quint64 v = 0;
    const quint64 limit = negative ? quint64(std::numeric_limits<qint64>::max()) + 1
                          : base == 16 ? std::numeric_limits<quint64>::max()
                                       : quint64(std::numeric_limits<qint64>::max());
    for (; i < n; ++i) {
        const int d = S[i] >= u'0' && S[i] <= u'9' ? S[i].unicode() - u'0'
                      : S[i] >= u'a' && S[i] <= u'f' && base == 16 ? S[i].unicode() - u'a' + 10
                      : S[i] >= u'A' && S[i] <= u'F' && base == 16 ? S[i].unicode() - u'A' + 10
                                                                   : -1;
        if (d < 0) return std::nullopt;
        if (v > (limit - quint64(d)) / quint64(base)) return std::nullopt;
        v = v * quint64(base) + quint64(d);
    }
    if (negative) return qint64(0 - v);
    return qint64(v);
}

[[noreturn]] void NotAnInteger(const QString& S)
{
    throw EPropertyError(Format("'%s' is not a valid integer value", {S}));
}

} // namespace

// ---------------------------------------------------------------------------

bool TOrdinalProperty::AllEqual()
{
    const qint64 v = GetOrdValue();
    for (int i = 1; i < PropCount(); ++i)
        if (GetOrdValueAt(i) != v) return false;
    return true;
}

int TOrdinalProperty::GetEditLimit()
{
    return 63;
}

// ---------------------------------------------------------------------------

TPropertyAttributes TIntegerProperty::GetAttributes()
{
    return {paMultiSelect, paRevertable};
}

QString TIntegerProperty::GetValue()
{
    return IntToStr(GetOrdValue());
}

qint64 TIntegerProperty::CheckedInteger(const QString& Value)
{
    bool hex = false;
    const std::optional<qint64> parsed = ParseInteger(Value, hex);
    if (!parsed) NotAnInteger(Value);
    qint64 v = *parsed;
    const TTypeInfo* type = GetPropType();
    // Hexadecimal is a bit pattern of the type's width: $FFFFFFFF is -1 for
    // a signed 32-bit type, as the stream keeps it.
    if (hex && type && type->OrdType == TOrdType::otSLong && type->Kind != TTypeKind::tkInt64 &&
        v > std::numeric_limits<qint32>::max() && v <= qint64(std::numeric_limits<quint32>::max()))
        v -= qint64(1) << 32;
    if (type && type->MinValue < type->MaxValue && (v < type->MinValue || v > type->MaxValue))
        throw EPropertyError(Format(SOutOfRange, {type->MinValue, type->MaxValue}));
    return v;
}

void TIntegerProperty::SetValue(const QString& Value)
{
    SetOrdValue(CheckedInteger(Value));
}

// ---------------------------------------------------------------------------

TPropertyAttributes TCharProperty::GetAttributes()
{
    return {paMultiSelect, paRevertable};
}

QString TCharProperty::GetValue()
{
    const qint64 code = GetOrdValue();
    if (code >= 33 && code <= 127) {
        const char c = char(code);
        return FromAnsi(&c, 1);
    }
    return Format("#%d", {code});
}

void TCharProperty::SetValue(const QString& Value)
{
    qint64 code = 0;
    if (Value.size() == 1) {
        try {
            code = quint8(ToAnsi(Value).at(0));
        } catch (const EConvertError& e) {
            throw EPropertyError(e.Message);
        }
    } else if (Value.size() > 1) {
        if (Value[0] != u'#') throw EPropertyError(QString::fromLatin1(SInvalidPropertyValue));
        bool hex = false;
        const QString digits = Value.mid(1);
        const std::optional<qint64> parsed = ParseInteger(digits, hex);
        if (!parsed) NotAnInteger(digits);
        code = *parsed;
    }
    const TTypeInfo* type = GetPropType();
    const qint64 lo = type ? type->MinValue : 0;
    const qint64 hi = type && type->MinValue < type->MaxValue ? type->MaxValue : 255;
    if (code < lo || code > hi) throw EPropertyError(Format(SOutOfRange, {lo, hi}));
    SetOrdValue(code);
}

// ---------------------------------------------------------------------------

TPropertyAttributes TEnumProperty::GetAttributes()
{
    return {paMultiSelect, paValueList, paSortList, paRevertable};
}

QString TEnumProperty::GetValue()
{
    const TTypeInfo* type = GetPropType();
    if (!type) return QString();
    qint64 v = GetOrdValue();
    if (v < type->MinValue || v > type->MaxValue) v = type->MaxValue;
    return type->GetEnumName(v);
}

void TEnumProperty::GetValues(const TGetStrProc& Proc)
{
    const TTypeInfo* type = GetPropType();
    if (!type) return;
    for (qint64 v = type->MinValue; v <= type->MaxValue; ++v) Proc(type->GetEnumName(v));
}

void TEnumProperty::SetValue(const QString& Value)
{
    const TTypeInfo* type = GetPropType();
    const qint64 v = type ? type->GetEnumValue(Value) : -1;
    if (v < 0) throw EPropertyError(QString::fromLatin1(SInvalidPropertyValue));
    SetOrdValue(v);
}

// ---------------------------------------------------------------------------

TPropertyAttributes TTabOrderProperty::GetAttributes()
{
    return {};
}

} // namespace classlib
