#pragma once

// Shared by the picture and metafile fuzz targets: a headless GUI
// application (fonts need one) and drawing a graphic onto a small image,
// so that decoded data is also played and drawn.

#include "classlib/graphics/canvas.h"
#include "classlib/graphics/graphic.h"
#include "classlib/graphics/metafile.h"
#include "classlib/graphics/metafiledc.h"
#include "classlib/graphics/painterdc.h"

#include <QGuiApplication>
#include <QImage>

namespace fuzz {

inline void EnsureGuiApplication()
{
    if (QGuiApplication::instance()) return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
}

// Draws the graphic twice: the right way up and into a rectangle whose
// top lies below its bottom; then into a recorded page, which is played.
inline void DrawOnImage(const classlib::TGraphic& Graphic)
{
    using namespace classlib;
    QImage image(48, 32, QImage::Format_RGB32);
    image.fill(Qt::white);
    TPainterDC dc(&image);
    TCanvas canvas(&dc);
    canvas.StretchDraw(TRect{2, 2, 40, 30}, &Graphic);
    canvas.StretchDraw(TRect{0, 32, 48, 0}, &Graphic);
    canvas.SetHandle(nullptr);

    TMetafile page;
    page.SetMMWidth(1270);
    page.SetMMHeight(847);
    {
        TMetafileCanvas recorder(page);
        recorder.DC().SetMapMode(MM_HIMETRIC);
        recorder.DC().IntersectClipRect(TRect{100, -100, 1000, -800});
        recorder.StretchDraw(TRect{0, 0, 1270, -847}, &Graphic);
    }
    TCanvas again(&dc);
    again.StretchDraw(TRect{0, 0, 48, 32}, &page);
    again.SetHandle(nullptr);
}

} // namespace fuzz
