#pragma once

// Playing enhanced-metafile records onto any device context.

#include "classlib/graphics/devicecontext.h"
#include "classlib/graphics/metafile.h"

#include <functional>
#include <variant>
#include <vector>

namespace classlib {

// Plays one metafile's records onto a device context into a destination
// rectangle (logical units of that context): the header's frame is mapped
// onto the rectangle, the top of the picture to the upper edge whichever
// way the rectangle runs. The context's state is saved on construction
// and restored on destruction; records of types it does not know, and
// objects that were never created, are skipped.
class TEnhMetaPlayer {
public:
    TEnhMetaPlayer(TDeviceContext& DC, const TEnhMetaHeader& Header, const TRect& Dest);
    ~TEnhMetaPlayer();
    TEnhMetaPlayer(const TEnhMetaPlayer&) = delete;
    TEnhMetaPlayer& operator=(const TEnhMetaPlayer&) = delete;

    TDeviceContext& DC() { return FDC; }
    // False when nothing can show (an empty frame or rectangle).
    bool Visible() const { return FVisible; }
    void PlayRecord(const emf::TEmfRecord& Record);

private:
    using TGdiObject = std::variant<std::monostate, TLogPen, TLogBrush, TLogFont>;

    void SelectObject(quint32 Index);
    void SetObject(quint32 Index, TGdiObject Object);
    void PlayText(const emf::TEmfRecord& R);
    void PlayStretchDIBits(const emf::TEmfRecord& R);
    void PlayClipRegion(const emf::TEmfRecord& R);
    std::vector<TPoint> ReadPoints(const emf::TEmfRecord& R, bool Short) const;

    TDeviceContext& FDC;
    int FBaseLevel = 0;  // the save level of our own SaveDC
    int FOwnSaves = 0;   // saves made by the records, not yet restored
    bool FVisible = false;
    std::optional<TPlaybackFrame> FOldFrame;
    std::optional<TRegion> FBaseClip;  // the caller's clip, reference pixels
    std::vector<TGdiObject> FObjects;
};

// Enumerates the records (see EnumEnhMetaFile) with a player on DC for
// Rect; Proc decides what to play (Player.PlayRecord) and returns false to
// stop. False when stopped.
using TEnhMetaPlayProc = std::function<bool(TEnhMetaPlayer& Player, const emf::TEmfRecord& Record)>;
bool EnumEnhMetaFile(TDeviceContext& DC, const TMetafile& Metafile, const TRect& Rect,
                     const TEnhMetaPlayProc& Proc);

// Plays every record into Rect.
void PlayEnhMetaFile(TDeviceContext& DC, const TMetafile& Metafile, const TRect& Rect);

} // namespace classlib
