#pragma once

// Reading what a metafile says: its texts, for a caller that checks a
// page's content without looking at pixels.

#include <QStringList>

namespace classlib {

class TMetafile;

// The texts the metafile draws, in playing order.
QStringList MetafileTexts(const TMetafile& Metafile);

} // namespace classlib
