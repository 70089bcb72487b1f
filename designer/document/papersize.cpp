#include "designer/document/papersize.h"

#include <array>

namespace designer {

namespace {

// String identifiers 32000 + value; the texts live here rather than in a
// string table. Env12's fraction is U+0455, as the names have always shown it.
const std::array<const char16_t*, PaperSizeCount> PaperSizeNames = {
    u"Default size",
    u"Letter 8 1/2 x 11 in",
    u"Letter Small 8 1/2 x 11 in",
    u"Tabloid 11 x 17 in",
    u"Ledger 17 x 11 in",
    u"Legal 8 1/2 x 14 in",
    u"Statement 5 1/2 x 8 1/2 in",
    u"Executive 7 1/2 x 10 in",
    u"A3 297 x 420 mm",
    u"A4 210 x 297 mm",
    u"A4 Small 210 x 297 mm",
    u"A5 148 x 210 mm",
    u"B4 250 x 354 mm",
    u"B5 182 x 257 mm",
    u"Folio 8 1/2 x 13 in",
    u"Quarto 215 x 275 mm",
    u"10x14 in",
    u"11x17 in",
    u"Note 8 1/2 x 11 in",
    u"Envelope #9 3 7/8 x 8 7/8",
    u"Envelope #10 4 1/8 x 9 1/2",
    u"Envelope #11 4 1/2 x 10 3/8",
    u"Envelope #12 4 \u0455 x 11",
    u"Envelope #14 5 x 11 1/2",
    u"C size sheet",
    u"D size sheet",
    u"E size sheet",
    u"Custom Size",
};

} // namespace

QString PaperSizeName(quint8 Size)
{
    if (Size >= PaperSizeNames.size())
        return QString();
    return QString::fromUtf16(PaperSizeNames[Size]);
}

} // namespace designer
