#pragma once

// The portrait dimensions of the standard paper sizes, in hundredths of a
// millimetre.

#include "designer/document/papersize.h"

#include <optional>

namespace designer {

struct TQXPaperDimensions {
    qint32 Width;
    qint32 Height;

    friend bool operator==(const TQXPaperDimensions&, const TQXPaperDimensions&) = default;
};

// Letter to ESheet have a row; Default, Custom and any value past Custom
// have none, and whoever sets a paper from the table keeps its size then.
std::optional<TQXPaperDimensions> PaperDimensions(TQXPaperSize Size);

} // namespace designer
