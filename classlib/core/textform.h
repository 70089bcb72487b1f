#pragma once

// The text form of component streams, as the clipboard carries components:
//
//   object Label1: TLabel [2]
//     Caption = 'Total:'#9'due'
//     Font.Style = [fsBold]
//     Lines = (
//       'first'
//       12)
//     Data = {
//       0A0B0C}
//     Columns = <
//       item
//         Width = 300
//       end>
//     object Inner: TShape
//     end
//   end
//
// "inherited" and "inline" stand for the filer flags of a record's prefix,
// "[n]" for its child position. Text is in the ANSI code page; strings
// escape what is not printable as #nnn (the byte). Integers are decimal,
// floats carry a '.' or an exponent ("+Inf", "-Inf", "+NaN", "-NaN" for
// the infinities and the plain NaNs), and an extended value that no decimal
// gives back exactly is written as its ten bytes: Extended($0011...). A
// name that would not read back as itself (not an identifier, a property
// named "end", an identifier value named "True") is quoted behind '&':
// &'Q'#176'Top' = 1.
// Each call converts one object ("TPF0" and one component record) and
// leaves Input right behind it (in text, behind the blanks that follow).
// Output receives nothing when the conversion fails.

#include "classlib/core/streamformat.h"

namespace classlib {

class TStream;

// EReadError for a malformed stream ("Invalid stream format", "Stream read
// error", "Stream nesting is too deep"), and for a record prefix whose
// flags the text cannot say (none, unknown ones, inherited and inline).
void ObjectBinaryToText(TStream& Input, TStream& Output, const TReaderLimits& Limits = {});
// EParserError "<what> on line <n>" for text that does not parse, with n
// counted from where Input stood.
void ObjectTextToBinary(TStream& Input, TStream& Output, const TReaderLimits& Limits = {});

} // namespace classlib
