#pragma once

// A metafile drawn into a recording: its records are played and recorded
// again in the recording's own logical units, so the picture stays vector.

#include "classlib/graphics/gditypes.h"

namespace classlib {

class TMetafile;
class TMetafileDC;

// Rect is in Recorder's logical units, as for PlayEnhMetaFile.
void EmbedEnhMetaFile(TMetafileDC& Recorder, const TMetafile& Metafile, const TRect& Rect);

} // namespace classlib
