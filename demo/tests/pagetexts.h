#pragma once

// Reading output pages in the demo's tests: the texts a page draws (the
// class library's MetafileTexts) and readable strings in failure messages.

#include "classlib/graphics/metafiletexts.h"

#include <QString>

#include <ostream>

inline void PrintTo(const QString& S, std::ostream* Os)
{
    *Os << '"' << S.toStdString() << '"';
}
