#pragma once

// What the element tests share: the designer's scale at a given zoom, a
// page window that holds elements and writes them as a designed page, and
// pixel probes.

#include "designer/document/designstate.h"
#include "designer/elements/qxcontrol.h"

#include "classlib/controls/control.h"
#include "classlib/graphics/font.h"

#include <QByteArray>
#include <QImage>

namespace designer::tests {

// The scale of a zoom at 96 pixels per inch, restored afterwards.
class TZoomGuard {
public:
    explicit TZoomGuard(double AZoom = 1.0);
    ~TZoomGuard();
    TZoomGuard(const TZoomGuard&) = delete;
    TZoomGuard& operator=(const TZoomGuard&) = delete;

private:
    double FScale, FZoom;
    bool FShowCaptions;
    classlib::TFont* FNameFont;
};

// Owns the elements dropped on it; writes them as a page, each element in
// the record of the window that holds it.
class TTestPage : public classlib::TCustomControl {
    QX_CLASS(TTestPage, classlib::TCustomControl)
public:
    explicit TTestPage(classlib::TComponent* AOwner = nullptr);
    void GetChildren(const std::function<void(classlib::TComponent*)>& Proc,
                     classlib::TComponent* Root) override;

    // A new element owned by the page, in Parent's window (the page's when nil).
    template <class T>
    T* Add(const QString& Name, classlib::TWinControl* Parent = nullptr)
    {
        auto* e = new T(this);
        e->SetName(Name);
        e->SetParent(Parent ? Parent : this);
        return e;
    }

    QByteArray Write();
    // The area its aligned elements share, in stored units.
    classlib::TRect ContentUnits{0, 0, 20000, 30000};
    // Reads Bytes into this page with the designer's classes.
    void Read(const QByteArray& Bytes);

protected:
    void AlignControls(classlib::TControl* AControl, classlib::TRect& Rect) override;
};

// The element painted as it shows on the page.
QImage Grab(classlib::TControl& Control);
// The pixel's colour as 0xRRGGBB.
unsigned RGBAt(const QImage& Image, int X, int Y);

} // namespace designer::tests
