#pragma once

// The named paper sizes of the designer and their display names. Values 1
// to 26 follow the printer paper-size codes; the stored names are the
// enumeration's own, so documents keep them as they stand.

#include "classlib/core/typinfo.h"

#include <QString>

namespace designer {

#define QX_PAPER_SIZES                                                          \
    Default, Letter, LetterSmall, Tabloid, Ledger, Legal, Statement, Executive, \
        A3, A4, A4Small, A5, B4, B5, Folio, Quarto, qr10X14, qr11X17, Note,     \
        Env9, Env10, Env11, Env12, Env14, CSheet, DSheet, ESheet, Custom

enum class TQXPaperSize : quint8 { QX_PAPER_SIZES };

#define QX_PAPER_SIZES_TEXT_(...) #__VA_ARGS__
#define QX_PAPER_SIZES_TEXT(...) QX_PAPER_SIZES_TEXT_(__VA_ARGS__)

inline const classlib::TTypeInfo* TypeInfoOf(TQXPaperSize*)
{
    static const classlib::TTypeInfo* t =
        classlib::detail::MakeEnumType("TQXPaperSize", QX_PAPER_SIZES_TEXT(QX_PAPER_SIZES));
    return t;
}

#undef QX_PAPER_SIZES_TEXT
#undef QX_PAPER_SIZES_TEXT_
#undef QX_PAPER_SIZES

// Number of values, Default to Custom.
inline constexpr int PaperSizeCount = 28;

// The display name of a paper size, given as a stored byte: empty for the
// values 28 to 255, which name no size.
QString PaperSizeName(quint8 Size);

} // namespace designer
