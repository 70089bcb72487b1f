#include "designer-framework/alignglyphs.h"

#include <QColor>
#include <QImage>
#include <QPainter>


namespace designer_framework {

using namespace classlib;

namespace {

constexpr QRgb Clear = 0xFFFF00FFu;  // fuchsia: the image lists' mask colour
constexpr int S = AlignGlyphSize;

struct TInk {
    QColor Fill, Edge, Shine, Guide, Ghost, Frame, Title;
};

// Hot faces are lighter and their bars catch a highlight along one edge.
const TInk NormalInk{QColor(0x4A, 0x78, 0xC8), QColor(0x1E, 0x3C, 0x78), QColor(),
                     QColor(0xC0, 0x20, 0x20), QColor(0x70, 0x70, 0x70), QColor(0x60, 0x60, 0x60),
                     QColor(0x1E, 0x3C, 0x78)};
const TInk HotInk{QColor(0x8C, 0xC0, 0xFF), QColor(0x20, 0x50, 0xA0), QColor(0xF0, 0xF8, 0xFF),
                  QColor(0xFF, 0x30, 0x30), QColor(0x50, 0x50, 0x50), QColor(0x40, 0x40, 0x40),
                  QColor(0x30, 0x70, 0xE0)};

class TGlyphPainter {
public:
    TGlyphPainter(QImage& Image, const TInk& Ink) : P(&Image), I(Ink) {}

    // A control: an edged, filled box.
    void Bar(int X, int Y, int W, int H)
    {
        P.fillRect(X, Y, W, H, I.Edge);
        P.fillRect(X + 1, Y + 1, W - 2, H - 2, I.Fill);
        if (I.Shine.isValid()) P.fillRect(X + 1, Y + 1, W - 2, 1, I.Shine);
    }
    // A control's former extent: a dotted outline.
    void Ghost(int X, int Y, int W, int H)
    {
        for (int x = X; x < X + W; x += 2) {
            P.fillRect(x, Y, 1, 1, I.Ghost);
            P.fillRect(x, Y + H - 1, 1, 1, I.Ghost);
        }
        for (int y = Y; y < Y + H; y += 2) P.fillRect(X + W - 1, y, 1, 1, I.Ghost);
    }
    // The edge or centre the controls line up on.
    void VGuide(int X, int Y0, int Y1) { P.fillRect(X, Y0, 1, Y1 - Y0 + 1, I.Guide); }
    void HGuide(int X0, int X1, int Y) { P.fillRect(X0, Y, X1 - X0 + 1, 1, I.Guide); }
    // A horizontal arrow on row Y from X0 to X1, its head at the end named.
    void Arrow(int X0, int X1, int Y, bool HeadRight)
    {
        HGuide(X0, X1, Y);
        const int tip = HeadRight ? X1 : X0;
        const int back = HeadRight ? -1 : 1;
        for (int d = 1; d <= 3; ++d) P.fillRect(tip + back * d, Y - d, 1, 2 * d + 1, I.Guide);
    }
    // A window: a frame with a title strip.
    void Window()
    {
        P.fillRect(0, 0, S, S, I.Frame);
        P.fillRect(1, 1, S - 2, S - 2, QColor(Qt::white));
        P.fillRect(1, 1, S - 2, 3, I.Title);
    }
    void Fill(int X, int Y, int W, int H, const QColor& C) { P.fillRect(X, Y, W, H, C); }
    const TInk& Ink() const { return I; }

private:
    QPainter P;
    const TInk& I;
};

// The horizontal operations; their vertical twins are these pictures
// mirrored along the diagonal.
void DrawLeftEdges(TGlyphPainter& G)
{
    G.Bar(4, 3, 17, 5);
    G.Bar(4, 9, 10, 5);
    G.Bar(4, 15, 14, 5);
    G.VGuide(2, 1, 22);
}

void DrawRightEdges(TGlyphPainter& G)
{
    G.Bar(3, 3, 17, 5);
    G.Bar(10, 9, 10, 5);
    G.Bar(6, 15, 14, 5);
    G.VGuide(21, 1, 22);
}

void DrawCentres(TGlyphPainter& G)
{
    G.Bar(3, 3, 18, 5);
    G.Bar(7, 9, 10, 5);
    G.Bar(5, 15, 14, 5);
    for (int y = 1; y <= 22; y += 2) G.VGuide(12, y, y);
}

// Centred in the window: the window's frame is added afterwards, so the
// title strip stays on top in both directions.
void DrawCentredInWindow(TGlyphPainter& G)
{
    G.Bar(6, 7, 12, 5);
    G.Bar(8, 14, 8, 5);
    for (int y = 5; y <= 21; y += 2) G.VGuide(12, y, y);
}

void DrawSpacedEqually(TGlyphPainter& G)
{
    for (int x : {2, 10, 18}) G.Bar(x, 2, 5, 13);
    // A dimension line with ticks at the controls' centres.
    G.HGuide(4, 20, 19);
    for (int x : {4, 12, 20}) G.VGuide(x, 17, 21);
}

void DrawShrink(TGlyphPainter& G)
{
    G.Ghost(4, 8, 17, 5);
    G.Ghost(4, 14, 13, 5);
    G.Bar(4, 2, 8, 5);
    G.Bar(4, 8, 8, 5);
    G.Bar(4, 14, 8, 5);
    G.Arrow(6, 20, 21, false);
}

void DrawGrow(TGlyphPainter& G)
{
    G.Bar(3, 2, 18, 5);
    G.Bar(3, 8, 18, 5);
    G.Bar(3, 14, 18, 5);
    // What the shorter controls gained: lighter, past their old edge.
    G.Fill(12, 9, 8, 3, QColor(Qt::white));
    G.Fill(15, 15, 5, 3, QColor(Qt::white));
    G.Fill(11, 9, 1, 3, G.Ink().Edge);
    G.Fill(14, 15, 1, 3, G.Ink().Edge);
    G.Arrow(4, 19, 21, true);
}

void DrawSizeEqually(TGlyphPainter& G)
{
    G.Bar(1, 1, 11, 9);
    G.Bar(12, 14, 11, 9);
    G.Ghost(12, 14, 7, 5);
    // An equals sign between them.
    G.Fill(3, 14, 7, 2, G.Ink().Guide);
    G.Fill(3, 18, 7, 2, G.Ink().Guide);
}

QImage Blank()
{
    QImage image(S, S, QImage::Format_RGB32);
    image.fill(Clear);
    return image;
}

QImage Transposed(const QImage& Source)
{
    QImage image = Blank();
    for (int y = 0; y < S; ++y)
        for (int x = 0; x < S; ++x) image.setPixel(y, x, Source.pixel(x, y));
    return image;
}

QImage Glyph(int Code, const TInk& Ink)
{
    using TDraw = void (*)(TGlyphPainter&);
    // Horizontal drawing per code, and whether the vertical twin is meant.
    struct TEntry {
        TDraw Draw;
        bool Vertical;
    };
    static const TEntry entries[AlignGlyphCount] = {
        {DrawLeftEdges, false},  {DrawCentres, false},       {DrawCentredInWindow, false},
        {DrawSpacedEqually, false}, {DrawRightEdges, false}, {DrawLeftEdges, true},
        {DrawCentres, true},     {DrawCentredInWindow, true}, {DrawSpacedEqually, true},
        {DrawRightEdges, true},  {DrawShrink, false},        {DrawGrow, false},
        {DrawSizeEqually, false}, {DrawShrink, true},        {DrawGrow, true},
    };
    const TEntry& entry = entries[Code];
    const bool inWindow = entry.Draw == DrawCentredInWindow;

    QImage image = Blank();
    if (inWindow) {
        TGlyphPainter frame(image, Ink);
        frame.Window();
    }
    QImage shapes = Blank();
    {
        TGlyphPainter painter(shapes, Ink);
        entry.Draw(painter);
    }
    if (entry.Vertical) shapes = Transposed(shapes);
    for (int y = 0; y < S; ++y)
        for (int x = 0; x < S; ++x)
            if (shapes.pixel(x, y) != Clear) image.setPixel(x, y, shapes.pixel(x, y));
    return image;
}

} // namespace

std::unique_ptr<TBitmap> AlignGlyphs(bool Hot)
{
    QImage strip(S * AlignGlyphCount, S, QImage::Format_RGB32);
    {
        QPainter painter(&strip);
        for (int code = 0; code < AlignGlyphCount; ++code)
            painter.drawImage(code * S, 0, Glyph(code, Hot ? HotInk : NormalInk));
    }
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetImage(strip);
    return bitmap;
}

} // namespace designer_framework
