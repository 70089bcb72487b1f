#pragma once

// The 80-bit extended precision number of streams: 64-bit mantissa with an
// explicit integer bit, 15-bit exponent biased by 16383, sign bit; little-
// endian. Converted arithmetically, so it works whatever long double is.

#include <QtGlobal>

namespace classlib {

void ExtendedToBytes(long double Value, unsigned char (&Bytes)[10]);
long double ExtendedFromBytes(const unsigned char (&Bytes)[10]);

} // namespace classlib
