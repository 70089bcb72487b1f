#pragma once

// The metafile recorder: a device context that writes every call as an
// enhanced-metafile record. Its device is the reference screen (96 pixels
// per inch), so mapping modes and text measure as on the screen.

#include "classlib/graphics/canvas.h"
#include "classlib/graphics/devicecontext.h"
#include "classlib/graphics/emfrecords.h"

#include <QByteArray>

#include <array>
#include <optional>
#include <vector>

namespace classlib {

class TMetafile;

class TMetafileDC : public TDeviceContext {
public:
    // FrameMM: the picture's rectangle in hundredths of a millimetre (the
    // header's frame); an empty one stands for the whole reference screen.
    explicit TMetafileDC(const TRect& FrameMM);
    ~TMetafileDC() override;

    // The .emf file: header, the records so far, end of file.
    QByteArray Finish() const;
    // The same, moved out rather than copied: for the recording's end.
    // What was recorded is gone from the recorder then.
    QByteArray TakeFinished();
    int RecordCount() const { return FRecords; }
    const TRect& FrameMM() const { return FFrameMM; }

    // The reference screen.
    static TDeviceCaps ReferenceCaps();

    TDeviceCaps DeviceCaps() const override { return ReferenceCaps(); }

    int SetMapMode(int Mode) override;
    bool SetWindowOrg(int X, int Y, TPoint* Old = nullptr) override;
    bool SetWindowExt(int X, int Y, TSize* Old = nullptr) override;
    bool SetViewportOrg(int X, int Y, TPoint* Old = nullptr) override;
    bool SetViewportExt(int X, int Y, TSize* Old = nullptr) override;

    int SaveDC() override;
    bool RestoreDC(int Level) override;

    int IntersectClipRect(const TRect& Logical) override;
    int ExcludeClipRect(const TRect& Logical) override;
    int ExtSelectClipRgn(const TRegion* Region, int Mode) override;
    int OffsetClipRgn(int DX, int DY) override;

    // Objects and the text, background and drawing modes are recorded only
    // when a drawing needs them, so a selection that nothing draws with
    // before the next restore leaves no record.
    void SelectPen(const TLogPen& Pen) override;
    void SelectBrush(const TLogBrush& Brush) override;
    void SelectFont(const TLogFont& Font) override;

    void MoveTo(int X, int Y, TPoint* Old = nullptr) override;
    void LineTo(int X, int Y) override;
    void Rectangle(const TRect& R) override;
    void Ellipse(const TRect& R) override;
    void Polygon(const std::vector<TPoint>& Points) override;
    void Polyline(const std::vector<TPoint>& Points) override;
    void FillRect(const TRect& R, const TLogBrush& Brush) override;
    TColorRef SetPixel(int X, int Y, TColorRef Color) override;
    void ExtTextOut(int X, int Y, unsigned Options, const TRect* Rect, const QString& Text,
                    const std::vector<int>* Dx = nullptr) override;
    void StretchDIBits(const TRect& Dest, const TRect& SrcRect, const QImage& Image,
                       quint32 Rop) override;

private:
    enum TKind { kPen, kBrush, kFont };
    // The simple state records, by what they set.
    enum TSlot { sTextColor, sBkColor, sBkMode, sTextAlign, sROP2, sStretchBltMode, sPolyFillMode, sSlots };

    // What a drawing record needs in force in the player.
    enum TNeed : unsigned {
        nPen = 1u << 0,
        nBrush = 1u << 1,
        nFont = 1u << 2,
        nTextColor = 1u << 3,
        nBkColor = 1u << 4,
        nBkMode = 1u << 5,
        nTextAlign = 1u << 6,
        nROP2 = 1u << 7,
        nStretchBltMode = 1u << 8,
        nPolyFillMode = 1u << 9,
        nBackground = nBkColor | nBkMode,  // hatches and styled lines
        nLines = nPen | nBackground | nROP2,
        nShapes = nLines | nBrush,
    };

    // The player's state as this metafile has set it: a value equal to the
    // one in force is not recorded again. Values are unknown until first
    // set, since a player may start from another state than ours.
    struct TRecorded {
        std::array<quint32, 3> Selected;
        std::array<std::optional<quint32>, sSlots> Values;
    };
    // A saved level: the player's and the objects our state selects.
    struct TSaved {
        TRecorded Player;
        std::array<quint32, 3> Wanted;
    };

    // Pens, brushes and fonts live on after they are deselected, so a page
    // of like elements creates each once. The least recently used one that
    // is not selected (nor saved) goes when a kind holds too many.
    template <class TLog>
    struct TObjectCache {
        std::vector<std::pair<TLog, quint32>> Entries;  // most recent last
    };
    static constexpr size_t CacheLimit = 16;

    void WriteHeader(QByteArray& Out) const;
    void Simple(quint32 Type, quint32 Value);
    void StateRecord(TSlot Slot, quint32 Type, quint32 Value);
    void Sync(unsigned Needs);
    void PointRecord(quint32 Type, int X, int Y);
    void RectRecord(quint32 Type, const TRect& R);
    void Poly(quint32 Type16, quint32 Type32, const std::vector<TPoint>& Points);
    TRect DeviceBounds(const std::vector<TPoint>& Points) const;

    // Object handles: 1-based table indices, or stock objects.
    quint32 NewHandle();
    void SelectHandle(TKind Kind, quint32 Handle);
    bool InUse(quint32 Handle) const;
    template <class TLog>
    quint32 Cached(TObjectCache<TLog>& Cache, const TLog& Log, quint32 (TMetafileDC::*Create)(const TLog&));
    quint32 CreatePen(const TLogPen& Pen);
    quint32 CreateBrush(const TLogBrush& Brush);
    quint32 CreateFont(const TLogFont& Font);

    QByteArray FBody;  // room for the header, then the records
    emf::TEmfWriter FWriter{FBody, true};
    int FRecords = 0;
    TRect FFrameMM;
    std::vector<bool> FHandleUsed;  // index 0 unused
    TRecorded FRecorded;
    std::array<quint32, 3> FWanted;  // the objects of our state
    std::vector<TSaved> FSavedStates;
    TObjectCache<TLogPen> FPens;
    TObjectCache<TLogBrush> FBrushes;
    TObjectCache<TLogFont> FFonts;
    std::vector<int> FAdvances;  // measured for the text being recorded
};

// A canvas that records into a metafile: its frame is the metafile's
// MMWidth x MMHeight; the records replace the metafile's when the canvas is
// destroyed.
class TMetafileCanvas : public TCanvas {
public:
    explicit TMetafileCanvas(TMetafile& Metafile);
    ~TMetafileCanvas() override;

    TMetafileDC& Recorder() { return FRecorder; }

private:
    TMetafile& FMetafile;
    TMetafileDC FRecorder;
};

} // namespace classlib
