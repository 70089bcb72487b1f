#pragma once

// What the component stream reader and writer share: the value types, the
// filer flags of a record's prefix, the limits and the messages.

#include <QtGlobal>

namespace classlib {

enum class TValueType : quint8 {
    vaNull,        // end of a list
    vaList,
    vaInt8,
    vaInt16,
    vaInt32,
    vaExtended,    // 80-bit extended precision
    vaString,      // length byte
    vaIdent,
    vaFalse,
    vaTrue,
    vaBinary,      // 4-byte length
    vaSet,
    vaLString,     // 4-byte length
    vaNil,
    vaCollection,
    // Integers outside 32 bits (Int64 properties only); never written for
    // values that fit a smaller form.
    vaInt64 = 16,
};

// Filer flags: the low bits of a prefix byte 0xF0 | flags.
enum TFilerFlag : int { ffInherited = 1, ffChildPos = 2, ffInline = 4 };
inline constexpr quint8 PrefixMark = 0xF0;

inline constexpr char StreamSignature[4] = {'T', 'P', 'F', '0'};
inline constexpr int ExtendedSize = 10;
inline constexpr int MaxShortString = 255;

// The format's limits, in one place. Nesting counts child records, lists,
// collections and skipped values alike, and bounds the segments of a
// dotted property path; a stream deeper than this is refused before it
// can exhaust the stack. The writer refuses to write what the reader
// would refuse.
struct TReaderLimits {
    int MaxDepth = 64;
};

// The messages of the stream's errors.
inline constexpr char SInvalidStreamFormat[] = "Invalid stream format";
inline constexpr char SStreamReadError[] = "Stream read error";
inline constexpr char SStreamTooDeep[] = "Stream nesting is too deep";
inline constexpr char SStreamWriteError[] = "Stream write error";
inline constexpr char SUnknownProperty[] = "Property does not exist";
inline constexpr char SClassNotFound[] = "Class %s not found";
inline constexpr char SInvalidPropertyValue[] = "Invalid property value";
inline constexpr char SInvalidPropertyPath[] = "Invalid property path";

} // namespace classlib
