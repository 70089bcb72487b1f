#pragma once

// The demo's input files: "countries.ini" holds one section per country
// (a header line, then "Name=<country>"); "producers.ini" one section per
// producer (a header line, then "Name=", "Country=" and a third value).
// Reading keeps the values in file order and drops the header lines.

#include <QString>

namespace classlib {
class TStrings;
}

namespace demo {

// The values of Lines: every line except those whose position is a
// multiple of Period, each with everything up to its first "=" removed.
void ReduceLines(const classlib::TStrings& Lines, int Period, classlib::TStrings& Values);

// Reads FileName (EFOpenError "Cannot open file %s" when it cannot be
// opened) and reduces it with Period.
void LoadValues(const QString& FileName, int Period, classlib::TStrings& Values);

// Fields per producer record: name, country number, and one unused value.
constexpr int ProducerFields = 3;

// The names of the complete producer records whose country number is
// exactly CountryIndex as decimal text, in file order. An incomplete
// record at the end is ignored.
void ProducersOf(const classlib::TStrings& Producers, int CountryIndex, classlib::TStrings& Names);

} // namespace demo
