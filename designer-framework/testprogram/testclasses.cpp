#include "designer-framework/testprogram/testclasses.h"

#include "designer-framework/testprogram/shape.h"
#include "designer-framework/testprogram/timer.h"

#include "classlib/controls/panel.h"
#include "classlib/core/classregistry.h"
#include "classlib/graphics/bitmapresource.h"

#include <QImage>
#include <QPainter>

namespace designer_framework::testprogram {

using namespace classlib;

namespace {

constexpr int GlyphSize = 24;

// The glyph's bottom-left pixel is the colour that stays transparent.
QImage BlankGlyph()
{
    QImage image(GlyphSize, GlyphSize, QImage::Format_RGB32);
    image.fill(QColor(255, 0, 255));
    return image;
}

QImage ArrowGlyph()
{
    QImage image = BlankGlyph();
    QPainter p(&image);
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    const QPoint arrow[] = {{7, 3}, {7, 19}, {11, 15}, {14, 21}, {16, 20}, {13, 14}, {18, 14}};
    p.drawPolygon(arrow, 7);
    return image;
}

QImage ShapeGlyph()
{
    QImage image = BlankGlyph();
    QPainter p(&image);
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    p.drawRect(4, 6, 15, 11);
    return image;
}

QImage PanelGlyph()
{
    QImage image = BlankGlyph();
    QPainter p(&image);
    p.fillRect(3, 5, 18, 14, QColor(192, 192, 192));
    p.setPen(Qt::white);
    p.drawLine(3, 5, 20, 5);
    p.drawLine(3, 5, 3, 18);
    p.setPen(QColor(128, 128, 128));
    p.drawLine(4, 18, 20, 18);
    p.drawLine(20, 6, 20, 18);
    return image;
}

QImage TimerGlyph()
{
    QImage image = BlankGlyph();
    // No antialiasing: a blended edge would keep a trace of the
    // transparent colour.
    QPainter p(&image);
    p.setPen(Qt::black);
    p.setBrush(QColor(255, 255, 224));
    p.drawEllipse(3, 3, 17, 17);
    p.drawLine(12, 12, 12, 6);
    p.drawLine(12, 12, 16, 14);
    return image;
}

} // namespace

void RegisterTestClasses()
{
    RegisterClasses({&TShape::StaticClass(), &TPanel::StaticClass(), &TTimer::StaticClass()});
    RegisterBitmapResource(QString::fromLatin1(ArrowGlyphName), ArrowGlyph());
    RegisterBitmapResource(TShape::StaticClass().Name, ShapeGlyph());
    RegisterBitmapResource(TPanel::StaticClass().Name, PanelGlyph());
    RegisterBitmapResource(TTimer::StaticClass().Name, TimerGlyph());
}

QList<const TClassInfo*> PaletteClasses()
{
    return {&TShape::StaticClass(), &TPanel::StaticClass(), &TTimer::StaticClass()};
}

} // namespace designer_framework::testprogram
