#include "designer-framework/testprogram/testclasses.h"

#include "designer-framework/testprogram/shape.h"
#include "designer-framework/testprogram/timer.h"

#include "designer-framework/controldesigner.h"
#include "designer-framework/designregistry.h"

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

// What the inspector shows of each class, and the hints of its rows.
void RegisterDesignClasses()
{
    const QString page = QStringLiteral("Standard");
    RegisterPropertyHint(QStringLiteral("Name"), nullptr, QStringLiteral("The name the component is known by"));
    RegisterPropertyHint(QStringLiteral("Left"), nullptr, QStringLiteral("Distance from the parent's left edge"));
    RegisterPropertyHint(QStringLiteral("Top"), nullptr, QStringLiteral("Distance from the parent's top edge"));
    RegisterPropertyHint(QStringLiteral("Width"), nullptr, QStringLiteral("Width in pixels"));
    RegisterPropertyHint(QStringLiteral("Height"), nullptr, QStringLiteral("Height in pixels"));
    RegisterPropertyHint(QStringLiteral("Tag"), nullptr, QStringLiteral("A number kept for the program's own use"));
    RegisterPropertyHint(QStringLiteral("BevelOuter"), &TPanel::StaticClass(),
                         QStringLiteral("The bevel round the panel's edge"));
    RegisterPropertyHint(QStringLiteral("BevelInner"), &TPanel::StaticClass(),
                         QStringLiteral("The bevel inside the outer one"));
    RegisterPropertyHint(QStringLiteral("BevelWidth"), &TPanel::StaticClass(),
                         QStringLiteral("Width of each bevel in pixels"));
    RegisterPropertyHint(QStringLiteral("Interval"), &TTimer::StaticClass(),
                         QStringLiteral("Milliseconds between two ticks"));
    const QStringList place{QStringLiteral("Name"), QStringLiteral("Left"), QStringLiteral("Top"),
                            QStringLiteral("Width"), QStringLiteral("Height")};
    RegisterDesignClass(page, QStringLiteral("TShape"), TShape::StaticClass(), place + QStringList{"Tag"}, place,
                        {QVariant()}, true);
    RegisterDesignClass(page, QStringLiteral("TPanel"), TPanel::StaticClass(),
                        place + QStringList{"BevelInner", "BevelOuter", "BevelWidth", "Tag"},
                        {"Name", "BevelOuter", "Width", "Height"}, {QVariant()}, true);
    RegisterDesignClass(page, QStringLiteral("TTimer"), TTimer::StaticClass(), {"Name", "Interval", "Tag"},
                        {"Name", "Interval"}, {QVariant()}, true);
    // The surface itself, shown when nothing on it is selected.
    RegisterDesignClass(page, QStringLiteral("TControlDesigner"), TControlDesigner::StaticClass(),
                        {"Name", "Width", "Height"}, {"Name"}, {QVariant()}, false);
}

} // namespace

void RegisterTestClasses()
{
    RegisterClasses({&TShape::StaticClass(), &TPanel::StaticClass(), &TTimer::StaticClass()});
    // Registered once: an inspector showing rows keeps the entries it found.
    static const bool registered = (RegisterDesignClasses(), true);
    (void)registered;
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
