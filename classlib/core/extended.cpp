#include "classlib/core/extended.h"

#include <cmath>
#include <limits>

namespace classlib {

namespace {

constexpr int Bias = 16383;
constexpr int MaxExponent = 0x7FFF;
constexpr quint64 IntegerBit = quint64(1) << 63;

void Store(unsigned char (&Bytes)[10], quint64 Mantissa, unsigned SignAndExponent)
{
    for (int i = 0; i < 8; ++i)
        Bytes[i] = static_cast<unsigned char>(Mantissa >> (8 * i));
    Bytes[8] = static_cast<unsigned char>(SignAndExponent);
    Bytes[9] = static_cast<unsigned char>(SignAndExponent >> 8);
}

} // namespace

void ExtendedToBytes(long double Value, unsigned char (&Bytes)[10])
{
    const unsigned sign = std::signbit(Value) ? 0x8000u : 0u;
    const long double a = std::fabs(Value);
    if (std::isnan(Value)) {
        Store(Bytes, IntegerBit | (IntegerBit >> 1), sign | MaxExponent);
        return;
    }
    if (std::isinf(Value)) {
        Store(Bytes, IntegerBit, sign | MaxExponent);
        return;
    }
    if (a == 0) {
        Store(Bytes, 0, sign);
        return;
    }
    int e = 0;
    const long double m = std::frexp(a, &e);  // a = m * 2^e, m in [0.5, 1)
    int biased = e - 1 + Bias;
    if (biased >= MaxExponent) {  // only where long double is wider than extended
        Store(Bytes, IntegerBit, sign | MaxExponent);
        return;
    }
    quint64 mantissa;
    if (biased <= 0) {
        // Subnormal: the exponent field is 0 and stands for 2^(1 - Bias).
        mantissa = static_cast<quint64>(std::ldexp(a, Bias - 1 + 63));
        biased = 0;
    } else {
        mantissa = static_cast<quint64>(std::ldexp(m, 64));
    }
    Store(Bytes, mantissa, sign | unsigned(biased));
}

long double ExtendedFromBytes(const unsigned char (&Bytes)[10])
{
    quint64 mantissa = 0;
    for (int i = 7; i >= 0; --i)
        mantissa = (mantissa << 8) | Bytes[i];
    const unsigned se = unsigned(Bytes[8]) | (unsigned(Bytes[9]) << 8);
    const bool negative = se & 0x8000u;
    const int exponent = int(se & 0x7FFFu);
    long double v;
    if (exponent == MaxExponent) {
        v = (mantissa << 1) == 0 ? std::numeric_limits<long double>::infinity()
                                 : std::numeric_limits<long double>::quiet_NaN();
    } else {
        // A zero exponent field means 2^(1 - Bias) without an integer bit.
        const int e = (exponent == 0 ? 1 : exponent) - Bias - 63;
        v = std::ldexp(static_cast<long double>(mantissa), e);
    }
    return negative ? -v : v;
}

} // namespace classlib
