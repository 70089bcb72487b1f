#include "designer/document/paperdimensions.h"

#include <array>

namespace designer {

namespace {

// Row i is paper size i + 1 (Letter .. ESheet). The C, D and E sheets carry
// 100 x 100 mm placeholders, not their real sizes.
constexpr std::array<TQXPaperDimensions, 26> PaperTable = {{
    {21590, 27940}, // Letter
    {21590, 27940}, // LetterSmall
    {27940, 43180}, // Tabloid
    {43180, 27940}, // Ledger
    {21590, 35560}, // Legal
    {13970, 21590}, // Statement
    {19050, 25400}, // Executive
    {29700, 42000}, // A3
    {21000, 29700}, // A4
    {21000, 29700}, // A4Small
    {14800, 21000}, // A5
    {25000, 35400}, // B4
    {18200, 25700}, // B5
    {21590, 33020}, // Folio
    {21500, 27500}, // Quarto
    {25400, 35560}, // qr10X14
    {27940, 43180}, // qr11X17
    {21590, 27900}, // Note
    {9843, 22540},  // Env9
    {10480, 24130}, // Env10
    {11430, 26350}, // Env11
    {10160, 27940}, // Env12
    {12700, 29210}, // Env14
    {10000, 10000}, // CSheet
    {10000, 10000}, // DSheet
    {10000, 10000}, // ESheet
}};

static_assert(PaperTable.size() == std::size_t(TQXPaperSize::ESheet));

} // namespace

std::optional<TQXPaperDimensions> PaperDimensions(TQXPaperSize Size)
{
    const auto value = std::size_t(Size);
    // Size 0 (Default) has no row, and unsigned wrap-around sends it past the end.
    const std::size_t row = value - 1;
    if (row >= PaperTable.size())
        return std::nullopt;
    return PaperTable[row];
}

} // namespace designer
