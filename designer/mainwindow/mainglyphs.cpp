#include "designer/mainwindow/mainglyphs.h"

#include "classlib/graphics/bitmap.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPolygon>

namespace designer {

using namespace classlib;

namespace {

constexpr QRgb Clear = 0xFFFF00FFu;  // fuchsia: the image lists' mask colour
const QColor Ink(0x1E, 0x3C, 0x78);
const QColor Paper(Qt::white);
const QColor Accent(0x4A, 0x78, 0xC8);

void Sheet(QPainter& P, int X, int Y, int W, int H)
{
    P.fillRect(X, Y, W, H, Ink);
    P.fillRect(X + 1, Y + 1, W - 2, H - 2, Paper);
}

void Lens(QPainter& P, int Sign)
{
    P.setPen(QPen(Ink, 2));
    P.setBrush(Paper);
    P.drawEllipse(2, 2, 9, 9);
    P.drawLine(10, 10, 14, 14);
    P.setPen(QPen(Accent, 1));
    if (Sign != 0) P.drawLine(4, 6, 8, 6);
    if (Sign > 0) P.drawLine(6, 4, 6, 8);
}

// The status bar writes 12 pixels from the picture's left edge: its
// pictures stay inside 11 pixels.
void SmallLens(QPainter& P)
{
    P.setPen(QPen(Ink, 1));
    P.setBrush(Paper);
    P.drawEllipse(1, 3, 6, 6);
    P.setPen(QPen(Ink, 2));
    P.drawLine(7, 9, 10, 12);
}

void DrawTool(QPainter& P, int Glyph)
{
    switch (Glyph) {
    case tgNew: Sheet(P, 3, 1, 10, 14); break;
    case tgOpen: P.fillRect(1, 4, 14, 10, Ink); P.fillRect(2, 6, 12, 7, QColor(0xE8, 0xC8, 0x60)); break;
    case tgSave: P.fillRect(2, 2, 12, 12, Ink); P.fillRect(4, 3, 8, 5, Paper); P.fillRect(5, 10, 6, 4, Accent); break;
    case tgPrint: Sheet(P, 4, 1, 8, 6); P.fillRect(1, 7, 14, 6, Ink); P.fillRect(3, 9, 10, 1, Accent); break;
    case tgZoom: SmallLens(P); break;
    case tgPage: Sheet(P, 1, 2, 9, 12); P.fillRect(3, 5, 5, 1, Accent); P.fillRect(3, 8, 5, 1, Accent); break;
    case tgCut: P.setPen(QPen(Ink, 1)); P.drawLine(4, 1, 11, 10); P.drawLine(11, 1, 4, 10);
        P.drawEllipse(1, 10, 4, 4); P.drawEllipse(10, 10, 4, 4); break;
    case tgCopy: Sheet(P, 1, 1, 9, 10); Sheet(P, 6, 5, 9, 10); break;
    case tgPaste: P.fillRect(2, 2, 10, 13, QColor(0x9C, 0x6C, 0x30)); Sheet(P, 7, 6, 8, 9); break;
    case tgPages: Sheet(P, 1, 1, 9, 11); Sheet(P, 4, 3, 9, 11); Sheet(P, 7, 5, 8, 10); break;
    case tgPreview: Sheet(P, 2, 1, 12, 14); P.fillRect(4, 3, 8, 3, Accent); P.fillRect(4, 8, 8, 1, Ink); break;
    case tgInspector: P.fillRect(1, 1, 14, 14, Ink);
        for (int y = 3; y < 14; y += 3) { P.fillRect(2, y, 5, 2, Paper); P.fillRect(8, y, 6, 2, Paper); }
        break;
    case tgAlign: P.fillRect(2, 1, 1, 14, QColor(0xC0, 0x20, 0x20)); P.fillRect(3, 3, 10, 4, Accent);
        P.fillRect(3, 9, 6, 4, Accent); break;
    case tgZoomIn: Lens(P, 1); break;
    case tgZoomOut: Lens(P, -1); break;
    }
}

// A triangle pointing left (Dir -1) or right (+1), with a bar before it
// for the first and last page.
void Turn(QPainter& P, int Dir, bool Bar)
{
    P.setPen(Qt::NoPen);
    P.setBrush(Ink);
    const int tip = Dir < 0 ? 4 : 12;
    const int base = Dir < 0 ? 11 : 5;
    P.drawPolygon(QPolygon({QPoint(tip, 8), QPoint(base, 3), QPoint(base, 13)}));
    if (Bar) P.fillRect(Dir < 0 ? 2 : 13, 3, 2, 11, Ink);
}

void Refresh(QPainter& P, const QColor& Colour)
{
    P.setPen(QPen(Colour, 2));
    P.setBrush(Qt::NoBrush);
    P.drawArc(3, 3, 10, 10, 90 * 16, 270 * 16);
    P.setPen(Qt::NoPen);
    P.setBrush(Colour);
    P.drawPolygon(QPolygon({QPoint(7, 0), QPoint(11, 3), QPoint(7, 6)}));
}

void DrawPreview(QPainter& P, int Glyph)
{
    switch (Glyph) {
    case pgZoomIn: Lens(P, 1); break;
    case pgZoomOut: Lens(P, -1); break;
    case pgPrint: DrawTool(P, tgPrint); break;
    case pgSheet: Sheet(P, 3, 1, 10, 14); break;
    case pgFirst: Turn(P, -1, true); break;
    case pgPrevious: Turn(P, -1, false); break;
    case pgNext: Turn(P, 1, false); break;
    case pgLast: Turn(P, 1, true); break;
    case pgRefresh: Refresh(P, QColor(0x20, 0x90, 0x30)); break;
    case pgRefreshStale: Refresh(P, QColor(0xD0, 0x30, 0x20)); break;
    case pgPage: DrawTool(P, tgPage); break;
    case pgZoom: SmallLens(P); break;
    }
}

// A folder: a group of the print order.
void Folder(QPainter& P)
{
    P.fillRect(1, 3, 6, 2, QColor(0xB0, 0x88, 0x20));
    P.fillRect(1, 5, 14, 9, QColor(0xB0, 0x88, 0x20));
    P.fillRect(2, 6, 12, 7, QColor(0xF0, 0xD0, 0x70));
}

void DrawManager(QPainter& P, int Glyph)
{
    switch (Glyph) {
    case mgNew: DrawTool(P, tgNew); break;
    case mgDelete: Sheet(P, 3, 1, 10, 14);
        P.setPen(QPen(QColor(0xC0, 0x20, 0x20), 2)); P.drawLine(4, 5, 11, 12); P.drawLine(11, 5, 4, 12); break;
    case mgProperties: DrawTool(P, tgPage); P.fillRect(10, 9, 5, 5, Accent); break;
    case mgCut: DrawTool(P, tgCut); break;
    case mgCopy: DrawTool(P, tgCopy); break;
    case mgPaste: DrawTool(P, tgPaste); break;
    case mgPreview: DrawTool(P, tgPreview); break;
    case mgPageCount: DrawTool(P, tgPages); break;
    default: break;
    }
}

void DrawOrder(QPainter& P, int Glyph)
{
    if (Glyph == ogGroup)
        Folder(P);
    else
        DrawTool(P, tgPage);
}

void DrawArrow(QPainter& P)
{
    const QPolygon arrow({QPoint(8, 3), QPoint(8, 19), QPoint(12, 15), QPoint(15, 21), QPoint(17, 20),
                          QPoint(14, 14), QPoint(19, 14)});
    P.setPen(Ink);
    P.setBrush(Paper);
    P.drawPolygon(arrow);
}

// The capitals of a name of several words ("PB" for PaintBox), else its
// first two letters, so that no two classes look alike.
QString Label(const QString& Name)
{
    QString capitals;
    for (QChar c : Name)
        if (c.isUpper()) capitals += c;
    return capitals.size() >= 2 ? capitals.left(2) : Name.left(2);
}

void DrawComponent(QPainter& P, const QString& Name)
{
    P.fillRect(2, 4, 20, 16, Ink);
    P.fillRect(3, 5, 18, 14, QColor(0xE8, 0xF0, 0xFF));
    QFont font(QStringLiteral("Sans Serif"));
    font.setPixelSize(10);
    font.setBold(true);
    P.setFont(font);
    P.setPen(Ink);
    P.drawText(QRect(3, 5, 18, 14), Qt::AlignCenter, Label(Name));
}

std::unique_ptr<TBitmap> Strip(int Size, int Count, const std::function<void(QPainter&, int)>& Draw)
{
    QImage image(Size * qMax(Count, 1), Size, QImage::Format_ARGB32);
    image.fill(Clear);
    for (int i = 0; i < Count; ++i) {
        QImage cell(Size, Size, QImage::Format_ARGB32);
        cell.fill(Clear);
        {
            QPainter painter(&cell);
            Draw(painter, i);
        }
        QPainter(&image).drawImage(i * Size, 0, cell);
    }
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetImage(image);
    return bitmap;
}

} // namespace

std::unique_ptr<TBitmap> ToolGlyphs()
{
    return Strip(ToolGlyphSize, tgCount, DrawTool);
}

std::unique_ptr<TBitmap> PreviewGlyphs()
{
    return Strip(ToolGlyphSize, pgCount, DrawPreview);
}

std::unique_ptr<TBitmap> ManagerGlyphs()
{
    return Strip(ToolGlyphSize, mgCount, DrawManager);
}

std::unique_ptr<TBitmap> OrderGlyphs()
{
    return Strip(ToolGlyphSize, ogCount, DrawOrder);
}

std::unique_ptr<TBitmap> PaletteGlyphs(const QStringList& Names)
{
    return Strip(PaletteGlyphSize, int(Names.size()) + 1, [&](QPainter& P, int I) {
        if (I == 0)
            DrawArrow(P);
        else
            DrawComponent(P, Names.at(I - 1));
    });
}

} // namespace designer
