// The cost of the metafile step: a page recorded as an enhanced metafile,
// that metafile played onto an A4 image at 96 dpi, and the same drawing
// painted straight onto the image with QPainter.

#include "classlib/graphics/bitmap.h"
#include "classlib/graphics/canvas.h"
#include "classlib/graphics/gdiconsts.h"
#include "classlib/graphics/metafile.h"
#include "classlib/graphics/metafiledc.h"
#include "classlib/graphics/metafileplayer.h"
#include "classlib/graphics/painterdc.h"

#include <benchmark/benchmark.h>

#include <QFont>
#include <QImage>
#include <QPainter>

using namespace classlib;

namespace {

constexpr int PageWidth = 21000;  // 0.01 mm
constexpr int PageHeight = 29700;
constexpr int ImageWidth = 794;   // A4 at 96 dpi
constexpr int ImageHeight = 1123;
constexpr int TextLines = 60;
constexpr int Rectangles = 20;

QString LineText(int I)
{
    return QStringLiteral("Line %1: the quick brown fox jumps over the lazy dog").arg(I);
}

const TBitmap& Picture()
{
    static TBitmap* bitmap = [] {
        auto* b = new TBitmap;
        b->SetSize(200, 100);
        QImage image(200, 100, QImage::Format_RGB32);
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 200; ++x) image.setPixel(x, y, qRgb(x, y * 2, 128));
        b->SetImage(image);
        return b;
    }();
    return *bitmap;
}

// The page in 0.01 mm with y up.
void DrawPage(TCanvas& Canvas)
{
    Canvas.Font()->SetName(QStringLiteral("Arial"));
    Canvas.Font()->SetHeight(-423);  // 12 points in 0.01 mm
    Canvas.Brush()->SetStyle(bsClear);
    for (int i = 0; i < TextLines; ++i) Canvas.TextOut(1500, -(1500 + i * 450), LineText(i));
    Canvas.Brush()->SetStyle(bsSolid);
    Canvas.Brush()->SetColor(clSilver);
    for (int i = 0; i < Rectangles; ++i) {
        const int left = 1500 + (i % 4) * 4500;
        const int top = -(1500 + (i / 4) * 5000);
        Canvas.Rectangle(left, top, left + 4000, top - 4500);
    }
    Canvas.StretchDraw(Rect(12000, -2000, 18000, -5000), &Picture());
}

void Record(TMetafile& Metafile)
{
    Metafile.SetMMWidth(PageWidth);
    Metafile.SetMMHeight(PageHeight);
    TMetafileCanvas canvas(Metafile);
    canvas.Handle()->SetMapMode(MM_HIMETRIC);
    DrawPage(canvas);
}

void BM_MetafileRecord(benchmark::State& State)
{
    qint64 bytes = 0;
    for (auto _ : State) {
        TMetafile metafile;
        Record(metafile);
        bytes = metafile.Data().size();
        benchmark::DoNotOptimize(bytes);
    }
    State.counters["metafile_bytes"] = double(bytes);
}
BENCHMARK(BM_MetafileRecord)->Unit(benchmark::kMicrosecond);

void BM_MetafilePlayToImage(benchmark::State& State)
{
    TMetafile metafile;
    Record(metafile);
    QImage image(ImageWidth, ImageHeight, QImage::Format_RGB32);
    for (auto _ : State) {
        image.fill(Qt::white);
        TPainterDC dc(&image);
        PlayEnhMetaFile(dc, metafile, Rect(0, 0, ImageWidth, ImageHeight));
    }
}
BENCHMARK(BM_MetafilePlayToImage)->Unit(benchmark::kMicrosecond);

void BM_DirectPaintToImage(benchmark::State& State)
{
    const double scale = 96.0 / 2540.0;  // 0.01 mm to pixels
    auto px = [&](int V) { return V * scale; };
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(qRound(423 * scale));
    const QImage picture = Picture().Image();
    QImage image(ImageWidth, ImageHeight, QImage::Format_RGB32);
    for (auto _ : State) {
        image.fill(Qt::white);
        QPainter p(&image);
        p.setFont(font);
        for (int i = 0; i < TextLines; ++i)
            p.drawText(QPointF(px(1500), px(1500 + i * 450) + p.fontMetrics().ascent()), LineText(i));
        p.setBrush(QColor(192, 192, 192));
        p.setPen(Qt::black);
        for (int i = 0; i < Rectangles; ++i) {
            const int left = 1500 + (i % 4) * 4500;
            const int top = 1500 + (i / 4) * 5000;
            p.drawRect(QRectF(px(left), px(top), px(4000), px(4500)));
        }
        p.drawImage(QRectF(px(12000), px(2000), px(6000), px(3000)), picture);
    }
}
BENCHMARK(BM_DirectPaintToImage)->Unit(benchmark::kMicrosecond);

} // namespace
