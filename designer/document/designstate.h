#pragma once

// What every window of the designer shares: the scale between hundredths of
// a millimetre and screen pixels, the lock that keeps pixel rounding from
// flowing back into stored values, and the view options.

#include "classlib/graphics/color.h"

#include <QtGlobal>

namespace classlib {
class TFont;
}

namespace designer {

// Screen pixels per hundredth of a millimetre; the zoom sets it.
extern double Scale;
// The page designer's zoom factor; 0 until the first zoom.
extern double Zoom;
// Pixels of 5 mm at the current scale.
extern double GridStep;
// While above 0, pixel bounds do not flow back into stored values: no
// stored value changes, by pixel feedback, alignment or auto size alike.
extern int ScaleLock;

extern bool ShowGrid;
extern bool ShowCaptions;
extern bool ConfirmDelete;
extern bool AutoPreview;

constexpr classlib::TColor OutlineColor = classlib::clBlack;
constexpr classlib::TColor GridColor = classlib::TColor(0xC0C0C0);

// The font of element name captions; made by the page designer, nil
// before (no captions are drawn then).
extern classlib::TFont* NameFont;

// Rounded to the nearest pixel or unit (halves to even), saturated to the
// int range.
int ToPixels(qint64 Units);
int ToUnits(qint64 Pixels);

void LockScale();
// Never below 0.
void UnlockScale();
bool ScaleUnlocked();

// Holds the scale lock for its lifetime.
class TScaleLock {
public:
    TScaleLock() { LockScale(); }
    ~TScaleLock() { UnlockScale(); }
    TScaleLock(const TScaleLock&) = delete;
    TScaleLock& operator=(const TScaleLock&) = delete;
};

} // namespace designer
