#include "demo/toolglyphs.h"

#include <QPainter>
#include <QPolygon>

namespace demo {

namespace {

// Never drawn with: marks the pixels that stay transparent.
const QColor Transparent(0x80, 0x80, 0x00);

void Triangle(QPainter& P, int Tip, int Base)
{
    P.drawPolygon(QPolygon({QPoint(Tip, 8), QPoint(Base, 3), QPoint(Base, 13)}));
}

void Magnifier(QPainter& P, bool Plus)
{
    P.setPen(QPen(Qt::black, 1));
    P.setBrush(Qt::white);
    P.drawEllipse(QRect(1, 1, 9, 9));
    P.drawLine(5, 3, 5, 3);
    P.drawLine(3, 6, 8, 6);
    if (Plus)
        P.drawLine(5, 4, 5, 8);
    P.setPen(QPen(Qt::black, 2));
    P.drawLine(10, 10, 14, 14);
}

} // namespace

QImage ToolGlyph(int Index)
{
    if (Index < 0 || Index >= ToolGlyphCount)
        return {};
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(Transparent);
    QPainter p(&image);
    p.setPen(Qt::black);
    p.setBrush(Qt::darkBlue);
    switch (Index) {
    case 0:  // a printer with a sheet
        p.setBrush(Qt::white);
        p.drawRect(4, 1, 7, 5);
        p.setBrush(Qt::gray);
        p.drawRect(1, 6, 13, 6);
        p.setBrush(Qt::white);
        p.drawRect(4, 10, 7, 4);
        break;
    case 1:
        p.drawRect(3, 3, 1, 10);
        Triangle(p, 5, 12);
        break;
    case 2: Triangle(p, 4, 11); break;
    case 3: Triangle(p, 11, 4); break;
    case 4:
        Triangle(p, 10, 3);
        p.drawRect(11, 3, 1, 10);
        break;
    case 5: Magnifier(p, true); break;
    case 6: Magnifier(p, false); break;
    }
    p.end();
    image.setPixelColor(0, 15, Transparent);
    return image;
}

} // namespace demo
