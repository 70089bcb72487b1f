#pragma once

// The ruler beside the paper area: a dark band for the paper's extent, a
// white band for the page's with centimetre numbers and 5 mm ticks counted
// from the page's start, and a marker that follows a pressed mouse across
// the page's extent with a tip in millimetres. Every position is a pixel
// of the ruler's client area; Step is the pixel length of 5 mm.

#include "classlib/controls/control.h"

#include <vector>

namespace classlib {
class TStaticText;
}

namespace designer {

QX_ENUM(TQXRulerOrientation, roHorizontal, roVertical)

// Position: the marker's pixel position along the ruler.
QX_EVENT(TQXRulerEvent, classlib::TObject* /*Sender*/, int /*Position*/)

// A mark of the scale at a pixel position: a number of centimetres from
// the window start, or (Number -1) a tick.
struct TRulerMark {
    int Position = 0;
    qint64 Number = -1;
    bool operator==(const TRulerMark&) const = default;
};

// The marks every Step pixels from WindowStart that lie after Low and
// before High: a number every centimetre while Step is 10 pixels or more,
// every second, fourth, ... centimetre below; ticks at every 5 mm while
// Step is 5 pixels or more, at every 10, 20, ... mm below. Ticks closer
// than 5 pixels even so (a step of millionths of a pixel) leave no marks.
std::vector<TRulerMark> RulerMarks(double Step, int WindowStart, double Low, double High);

class TQXRuler : public classlib::TCustomControl {
    QX_CLASS(TQXRuler, classlib::TCustomControl)
public:
    explicit TQXRuler(classlib::TComponent* AOwner);
    ~TQXRuler() override;

    TQXRulerOrientation Orientation() const { return FOrientation; }
    void SetOrientation(TQXRulerOrientation Value);

    // Index 1 ScaleStart, 2 ScaleEnd, 3 ScaleMin, 4 WindowStart,
    // 5 WindowEnd; any other index reads 0 and writes nothing.
    int GetValue(int Index) const;
    void SetValue(int Index, int Value);
    int ScaleStart() const { return FScaleStart; }
    int ScaleEnd() const { return FScaleEnd; }
    int ScaleMin() const { return FScaleMin; }
    int WindowStart() const { return FWindowStart; }
    int WindowEnd() const { return FWindowEnd; }

    double Step() const { return FStep; }
    // Only a finite value greater than 0; any other leaves the step as it
    // was and raises EInvalidOp "Invalid property value".
    void SetStep(double Value);

    bool ShowTip() const { return FShowTip; }
    void SetShowTip(bool Value) { FShowTip = Value; }

    // While a marker is shown: the line and where it stands; the tip while
    // it is shown too (nil otherwise).
    bool Marking() const { return FMarker != nullptr; }
    int MarkerPosition() const { return FMarkerPos; }
    classlib::TWinControl* MarkerLine() const { return FMarker; }
    classlib::TStaticText* Tip() const { return FTip; }

    // The bands across the middle 12 pixels of the thickness, never
    // starting before ScaleMin.
    classlib::TRect GetScaleRect() const;
    classlib::TRect GetWindowRect() const;

    // After the marker is shown or moved.
    TQXRulerEvent OnShowMarker;
    // With the old position before the marker moves, and when it goes.
    TQXRulerEvent OnHideMarker;

    // The tip lives in the parent, which may free it first.
    void Notification(classlib::TComponent* AComponent, classlib::TOperation Operation) override;

protected:
    void Paint() override;
    void MouseDown(classlib::TMouseButton Button, classlib::TShiftState Shift, int X, int Y) override;
    void MouseMove(classlib::TShiftState Shift, int X, int Y) override;
    void MouseUp(classlib::TMouseButton Button, classlib::TShiftState Shift, int X, int Y) override;
    // The system's cancel mode ends the marker.
    void Dispatch(classlib::TMessage& Message) override;

private:
    classlib::TRect BandRect(int Start, int End) const;
    void DrawScale();
    void DrawNumber(int Position, const QString& Text);
    void DrawTick(int Position);
    // Half the thickness less the band: the top (or left) of the numbers.
    int NumberOffset() const;

    void BeginMarker(int X, int Y);
    int PlaceMarker(int X, int Y);
    void EndMarker();
    void CreateTip();
    void UpdateTip(int X, int Y);
    void FreeTip();
    void FireShow();
    void FireHide();

    TQXRulerOrientation FOrientation = roHorizontal;
    int FScaleStart = 0;
    int FScaleEnd = 200;
    int FScaleMin = 0;
    int FWindowStart = 0;
    int FWindowEnd = 100;
    double FStep = 20.0;
    classlib::TWinControl* FMarker = nullptr;
    classlib::TStaticText* FTip = nullptr;
    int FMarkerPos = 0;
    bool FShowTip = true;
};

} // namespace designer
