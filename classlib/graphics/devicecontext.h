#pragma once

// The device context: drawing with the semantics of the platform's graphics
// device interface, in logical coordinates. The base keeps the whole state
// (mapping, clip, selected objects, colours, modes, current position) as one
// copyable struct and does the mapping, saving and clipping; a device (an
// engine over QPainter, a metafile recorder, a test fake) implements the
// drawing primitives and reads the state it needs.
//
// Logical units map to device pixels through the window and viewport:
//   device = (logical - WindowOrg) * ViewportExt / WindowExt + ViewportOrg
// Clipping lives in device pixels and does not move when the mapping changes
// afterwards.

#include "classlib/graphics/gdiconsts.h"
#include "classlib/graphics/gditypes.h"
#include "classlib/graphics/region.h"

#include <QImage>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

namespace classlib {

class TResolvedFont;

// A pen as the device takes it. Width is in logical units along x; 0 and 1
// draw one device pixel wide.
struct TLogPen {
    int Style = PS_SOLID;
    int Width = 0;
    TColorRef Color = 0;
    bool operator==(const TLogPen&) const = default;
};

struct TLogBrush {
    int Style = BS_SOLID;
    TColorRef Color = RGB(255, 255, 255);
    int Hatch = HS_HORIZONTAL;  // BS_HATCHED only
    bool operator==(const TLogBrush&) const = default;
};

// A font as the device takes it. Height in logical units: negative selects
// the character height (em), positive the cell height (ascent + descent),
// 0 a default size. Width 0 keeps the face's proportions. Escapement is
// tenths of a degree, counter-clockwise as seen in the logical coordinate
// system with y growing downwards: a y-up mapping mirrors the angle, so the
// same text turns the same way on paper when its escapement is negated.
// Glyphs turn with the baseline; Orientation is carried along for
// recordings, as callers set both alike.
struct TLogFont {
    int Height = 0;
    int Width = 0;
    int Escapement = 0;
    int Orientation = 0;
    int Weight = FW_NORMAL;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;
    quint8 CharSet = 1;  // DEFAULT_CHARSET
    quint8 OutPrecision = 0;
    quint8 ClipPrecision = 0;
    quint8 Quality = 0;
    quint8 PitchAndFamily = DEFAULT_PITCH;
    QString FaceName;  // at most 31 characters are kept by recorders
    bool operator==(const TLogFont&) const = default;
};

// Metrics of the selected font, in logical units (positive).
struct TTextMetric {
    int Height = 0;  // Ascent + Descent
    int Ascent = 0;
    int Descent = 0;
    int InternalLeading = 0;  // Height minus the character height
    int ExternalLeading = 0;
    int AveCharWidth = 0;
    int MaxCharWidth = 0;
    int Weight = FW_NORMAL;
    bool Italic = false;
    bool Underlined = false;
    bool StruckOut = false;
    quint8 PitchAndFamily = 0;
    quint8 CharSet = 0;
};

// What GetDeviceCaps reports.
struct TDeviceCaps {
    int Technology = DT_RASDISPLAY;
    int HorzRes = 0;  // printable width in pixels
    int VertRes = 0;
    int HorzSizeMM = 0;  // printable width in millimetres
    int VertSizeMM = 0;
    int LogPixelsX = 96;
    int LogPixelsY = 96;
    int BitsPixel = 32;
    int Planes = 1;
    int NumColors = -1;  // -1: more than 256 colours
    int PhysicalWidth = 0;  // whole page of a printer, pixels
    int PhysicalHeight = 0;
    int PhysicalOffsetX = 0;
    int PhysicalOffsetY = 0;
    bool operator==(const TDeviceCaps&) const = default;
};

// Metafile playback onto this device: the recording's device space (its
// reference device of RefLogPixels pixels per inch) lands on this device's
// pixels as Output = Ref * Scale + Offset. While a frame is set, mapping
// modes measure against the reference device and clip rectangles are in
// reference pixels, so a recording plays back the same at any resolution.
struct TPlaybackFrame {
    int RefLogPixelsX = 96;
    int RefLogPixelsY = 96;
    double ScaleX = 1.0;
    double ScaleY = 1.0;
    double OffsetX = 0.0;
    double OffsetY = 0.0;
    bool operator==(const TPlaybackFrame&) const = default;
};

// The whole state of a device context. SaveDC pushes a copy.
struct TDCState {
    int MapMode = MM_TEXT;
    TPoint WindowOrg;
    TSize WindowExt{1, 1};
    TPoint ViewportOrg;
    TSize ViewportExt{1, 1};

    std::optional<TRegion> Clip;  // device pixels; none: the whole device

    TLogPen Pen;
    TLogBrush Brush;
    TLogFont Font;
    TColorRef TextColor = RGB(0, 0, 0);
    TColorRef BkColor = RGB(255, 255, 255);
    int BkMode = OPAQUE;
    unsigned TextAlign = TA_LEFT | TA_TOP | TA_NOUPDATECP;
    int ROP2 = R2_COPYPEN;
    int StretchBltMode = BLACKONWHITE;
    int PolyFillMode = ALTERNATE;
    TPoint CurrentPos;  // logical

    bool operator==(const TDCState&) const = default;
};

class TDeviceContext {
public:
    // Which parts of the state changed since the engine last looked
    // (TakeDirty); RestoreDC reports what the restored state differs in.
    enum TDirty : unsigned {
        dirtyMapping = 1u << 0,
        dirtyClip = 1u << 1,
        dirtyPen = 1u << 2,
        dirtyBrush = 1u << 3,
        dirtyFont = 1u << 4,
        dirtyColors = 1u << 5,  // text colour, background colour and mode
        dirtyModes = 1u << 6,   // text align, ROP2, stretch and fill modes
        dirtyPos = 1u << 7,
        dirtyAll = 0xFFu,
    };

    TDeviceContext() = default;
    TDeviceContext(const TDeviceContext&) = delete;
    TDeviceContext& operator=(const TDeviceContext&) = delete;
    virtual ~TDeviceContext() = default;

    // --- device ---------------------------------------------------------
    virtual TDeviceCaps DeviceCaps() const = 0;
    // A GetDeviceCaps index (gdiconsts.h); 0 for an unknown index.
    int GetDeviceCaps(int Index) const;

    const TDCState& State() const { return FState; }

    // --- mapping ----------------------------------------------------------
    // Set... return the previous value through Old when given. Extents of 0
    // are refused (false). MM_TEXT and the metric modes fix the extents;
    // MM_ISOTROPIC and MM_ANISOTROPIC keep the current ones.
    virtual int SetMapMode(int Mode);  // previous mode, 0 when refused
    int GetMapMode() const { return FState.MapMode; }
    virtual bool SetWindowOrg(int X, int Y, TPoint* Old = nullptr);
    virtual bool SetWindowExt(int X, int Y, TSize* Old = nullptr);
    virtual bool SetViewportOrg(int X, int Y, TPoint* Old = nullptr);
    virtual bool SetViewportExt(int X, int Y, TSize* Old = nullptr);
    virtual bool OffsetWindowOrg(int DX, int DY, TPoint* Old = nullptr);
    virtual bool OffsetViewportOrg(int DX, int DY, TPoint* Old = nullptr);
    TPoint GetWindowOrg() const { return FState.WindowOrg; }
    TSize GetWindowExt() const { return FState.WindowExt; }
    TPoint GetViewportOrg() const { return FState.ViewportOrg; }
    TSize GetViewportExt() const { return FState.ViewportExt; }

    // Logical <-> device (the state's device space: reference pixels while
    // a playback frame is set). Rounded to nearest, halves to even.
    TPoint LPtoDP(const TPoint& P) const;
    TPoint DPtoLP(const TPoint& P) const;
    TRect LPtoDP(const TRect& R) const;  // corners mapped, not normalised
    TRect DPtoLP(const TRect& R) const;
    // Device pixels per logical unit, signed (negative along a y-up axis).
    double ScaleX() const { return double(FState.ViewportExt.cx) / FState.WindowExt.cx; }
    double ScaleY() const { return double(FState.ViewportExt.cy) / FState.WindowExt.cy; }

    // Output pixels of this device for a logical point, before rounding
    // (the playback frame applied).
    double OutX(double LogicalX) const;
    double OutY(double LogicalY) const;

    // --- saving -------------------------------------------------------------
    // Pushes a copy of the state; returns the new level (1 for the first).
    virtual int SaveDC();
    // Level > 0: back to the state saved at that level; < 0: relative (-1 the
    // most recent). A level that was never saved is refused (false) and
    // leaves the state as it is.
    virtual bool RestoreDC(int Level);
    int SaveLevel() const { return int(FSaved.size()); }

    // --- clipping (device space) ------------------------------------------
    // Each returns the clip's complexity (NULLREGION, SIMPLEREGION,
    // COMPLEXREGION) or RGN_ERROR.
    virtual int IntersectClipRect(const TRect& Logical);
    virtual int ExcludeClipRect(const TRect& Logical);
    // Region in device pixels; a null Region with RGN_COPY removes clipping.
    virtual int ExtSelectClipRgn(const TRegion* Region, int Mode);
    int SelectClipRgn(const TRegion* Region) { return ExtSelectClipRgn(Region, RGN_COPY); }
    virtual int OffsetClipRgn(int DX, int DY);  // logical units
    // Logical bounding box of the drawable area; the complexity.
    int GetClipBox(TRect& Logical) const;
    // The device area that drawing reaches: the clip within the device.
    TRegion EffectiveClip() const;

    // --- objects and attributes -------------------------------------------
    virtual void SelectPen(const TLogPen& Pen);
    virtual void SelectBrush(const TLogBrush& Brush);
    virtual void SelectFont(const TLogFont& Font);
    virtual TColorRef SetTextColor(TColorRef Color);  // return the previous value
    virtual TColorRef SetBkColor(TColorRef Color);
    virtual int SetBkMode(int Mode);
    virtual unsigned SetTextAlign(unsigned Align);
    virtual int SetROP2(int Mode);  // 0 and no change for a mode outside 1..16
    virtual int SetStretchBltMode(int Mode);
    virtual int SetPolyFillMode(int Mode);

    // --- drawing ----------------------------------------------------------
    virtual void MoveTo(int X, int Y, TPoint* Old = nullptr);
    // A line from the current position to (X, Y) without the end point; the
    // current position moves there.
    virtual void LineTo(int X, int Y) = 0;
    // Outlined with the pen and filled with the brush; the right and bottom
    // device edges are left out, as the platform draws them.
    virtual void Rectangle(const TRect& R) = 0;
    virtual void Ellipse(const TRect& R) = 0;
    virtual void Polygon(const std::vector<TPoint>& Points) = 0;
    virtual void Polyline(const std::vector<TPoint>& Points) = 0;
    // The brush over R, without outline and without the right and bottom
    // device edges.
    virtual void FillRect(const TRect& R, const TLogBrush& Brush) = 0;
    // Returns the colour set, CLR_INVALID when the point is outside.
    virtual TColorRef SetPixel(int X, int Y, TColorRef Color) = 0;
    // CLR_INVALID when outside or when the device keeps no pixels.
    virtual TColorRef GetPixel(int X, int Y) const;

    // Text at the reference point (X, Y) as TextAlign says, in the selected
    // font, text colour, and the background when BkMode is OPAQUE.
    // Options: ETO_OPAQUE fills Rect with the background colour first,
    // ETO_CLIPPED clips the text to Rect. Dx, when given, holds one advance
    // per UTF-16 unit of Text in logical units.
    virtual void ExtTextOut(int X, int Y, unsigned Options, const TRect* Rect,
                            const QString& Text, const std::vector<int>* Dx = nullptr) = 0;

    // Image (all of SrcRect of it, in image pixels) stretched into Dest
    // (logical) with a ternary raster operation. The device rectangle is
    // normalised: the image's top row always lands on the upper edge.
    virtual void StretchDIBits(const TRect& Dest, const TRect& SrcRect, const QImage& Image,
                               quint32 Rop) = 0;
    // From another device: through its pixels (CopyImage); nothing when it
    // keeps none.
    virtual void StretchBlt(const TRect& Dest, const TDeviceContext& Source, const TRect& SrcRect,
                            quint32 Rop);
    // The pixels of a logical rectangle of this device, null when the device
    // keeps none (printer, recorder).
    virtual QImage CopyImage(const TRect& Logical) const;

    // --- text measurement (logical units, the selected font) -------------
    virtual TSize GetTextExtent(const QString& Text) const;
    virtual TTextMetric GetTextMetrics() const;
    // One advance per UTF-16 unit; the sum is GetTextExtent's cx.
    virtual std::vector<int> GetCharAdvances(const QString& Text) const;

    // --- playback -----------------------------------------------------------
    // Not part of the saved state: set by a metafile player around a play.
    virtual void SetPlaybackFrame(const std::optional<TPlaybackFrame>& Frame);
    const std::optional<TPlaybackFrame>& PlaybackFrame() const { return FFrame; }

protected:
    // What changed since the last call; the engine applies it before drawing.
    unsigned TakeDirty()
    {
        const unsigned d = FDirty;
        FDirty = 0;
        return d;
    }
    void MarkDirty(unsigned What) { FDirty |= What; }
    // A context without an engine to update (a recorder) need not find
    // out what a restore changed.
    void SetTracksChanges(bool Value) { FTracksChanges = Value; }
    TDCState& MutableState() { return FState; }

    // Font size in device pixels (em) for the selected font, and the
    // resolution that logical-to-pixel conversions of text use.
    double FontPixelSize() const;
    int MappingLogPixelsX() const;
    int MappingLogPixelsY() const;
    // The selected font measured at the mapping's resolution (cached).
    const TResolvedFont& MeasureFont() const;
    // GetCharAdvances into Out, whose storage is reused.
    void CharAdvances(const QString& Text, std::vector<int>& Out) const;

private:
    void FixExtents();
    int ClipResult() const;
    TRegion DeviceRegion() const;
    TRegion ClipOrEverything() const;
    static bool DiffersIn(const TDCState& A, const TDCState& B, unsigned What);
    const std::vector<double>& PositionsOf(const TResolvedFont& Font, const QString& Text) const;

    TDCState FState;
    std::vector<TDCState> FSaved;
    std::optional<TPlaybackFrame> FFrame;
    unsigned FDirty = dirtyAll;
    bool FTracksChanges = true;
    mutable std::shared_ptr<const TResolvedFont> FMeasureFont;
    // What FMeasureFont was found for; the stamp moves with every change of
    // the selected font.
    struct TMeasureKey {
        quint64 FontStamp = 0;
        double ScaleX = 0, ScaleY = 0;
        int DpiX = 0, DpiY = 0;
        bool operator==(const TMeasureKey&) const = default;
    };
    quint64 FFontStamp = 0;
    mutable TMeasureKey FMeasureKey;
    struct TMeasured {
        const TResolvedFont* Font = nullptr;  // FMeasureFont's, while it lives
        QString Text;
        std::vector<double> Positions;
    };
    mutable TMeasured FMeasured;
};

} // namespace classlib
