#pragma once

// Lengths typed in millimetres and stored in hundredths of a millimetre:
// the one place that says which typed values a length can take.

namespace designer {

// Round(MM x 100), halves to even. EConvertError "%.2f is out of range
// (%.2f to %.2f)" for a value whose hundredths no integer holds; with
// Positive, EInvalidOp "%f is not a valid positive value" for a negative
// one, as the elements' own width and height say it.
int MMToHundredths(double MM, bool Positive);

} // namespace designer
