#include "runtime/tests/pageloop.h"

#include "classlib/graphics/metafile.h"
#include "classlib/graphics/metafiledc.h"
#include "classlib/graphics/metafileplayer.h"

#include <gtest/gtest.h>

using namespace classlib;

namespace runtime::tests {

TPaintLogDC::TPaintLogDC() = default;

TDeviceCaps TPaintLogDC::DeviceCaps() const
{
    TDeviceCaps caps;
    caps.HorzSizeMM = 400;
    caps.VertSizeMM = 400;
    caps.HorzRes = 40000;
    caps.VertRes = 40000;
    caps.LogPixelsX = 2540;
    caps.LogPixelsY = 2540;
    return caps;
}

TPaintCall& TPaintLogDC::Add(const QString& Kind)
{
    TPaintCall c;
    c.Kind = Kind;
    c.Clip = State().Clip;
    c.Font = State().Font;
    c.Color = State().Pen.Color;
    c.WindowOrg = State().WindowOrg;
    Log.push_back(c);
    return Log.back();
}

void TPaintLogDC::LineTo(int X, int Y)
{
    TPaintCall& c = Add(QStringLiteral("LineTo"));
    c.P = State().CurrentPos;
    c.To = {X, Y};
    MutableState().CurrentPos = {X, Y};
}

void TPaintLogDC::Rectangle(const TRect& R)
{
    Add(QStringLiteral("Rectangle")).R = R;
}

void TPaintLogDC::Ellipse(const TRect& R)
{
    Add(QStringLiteral("Ellipse")).R = R;
}

void TPaintLogDC::Polygon(const std::vector<TPoint>&)
{
    Add(QStringLiteral("Polygon"));
}

void TPaintLogDC::Polyline(const std::vector<TPoint>&)
{
    Add(QStringLiteral("Polyline"));
}

void TPaintLogDC::FillRect(const TRect& R, const TLogBrush& Brush)
{
    TPaintCall& c = Add(QStringLiteral("FillRect"));
    c.R = R;
    c.Color = Brush.Color;
}

TColorRef TPaintLogDC::SetPixel(int X, int Y, TColorRef Color)
{
    TPaintCall& c = Add(QStringLiteral("SetPixel"));
    c.P = {X, Y};
    c.Color = Color;
    return Color;
}

void TPaintLogDC::ExtTextOut(int X, int Y, unsigned, const TRect* Rect, const QString& Text,
                             const std::vector<int>*)
{
    TPaintCall& c = Add(QStringLiteral("Text"));
    c.P = {X, Y};
    if (Rect) c.R = *Rect;
    c.Text = Text;
}

void TPaintLogDC::StretchDIBits(const TRect& Dest, const TRect&, const QImage&, quint32)
{
    Add(QStringLiteral("Image")).R = Dest;
}

bool TPaintLogDC::Drawable(size_t Index, const TPoint& Logical) const
{
    const TPaintCall& c = Log.at(Index);
    // The point in device pixels under the window origin of that call.
    const TPoint d = {Logical.X - c.WindowOrg.X, -(Logical.Y - c.WindowOrg.Y)};
    return !c.Clip || c.Clip->Contains(d);
}

std::vector<const TPaintCall*> TPaintLogDC::Calls(const QString& Kind) const
{
    std::vector<const TPaintCall*> r;
    for (const TPaintCall& c : Log)
        if (c.Kind == Kind) r.push_back(&c);
    return r;
}

QStringList TPaintLogDC::Texts() const
{
    QStringList r;
    for (const TPaintCall& c : Log)
        if (c.Kind == QLatin1String("Text")) r << c.Text;
    return r;
}

std::vector<TOutputPage> RenderPaper(TQXPaper& Paper, int MaxPages,
                                     const std::function<void(int Page)>& BeforePage)
{
    std::vector<TOutputPage> pages;
    do {
        if (int(pages.size()) >= MaxPages) {
            ADD_FAILURE() << "the paper still overflows after " << MaxPages << " output pages";
            break;
        }
        if (BeforePage) BeforePage(int(pages.size()));
        TMetafile metafile;
        metafile.SetMMWidth(Paper.QXWidth());
        metafile.SetMMHeight(Paper.QXHeight());
        {
            TMetafileCanvas canvas(metafile);
            canvas.DC().SetMapMode(MM_HIMETRIC);
            Paper.Process(canvas);
            Paper.PaintAll(canvas);
        }
        pages.push_back({metafile.Data(), Paper.HasPrintableControls()});
        Paper.Reset();
    } while (Paper.HasOverflow());
    return pages;
}

QStringList PageTexts(const QByteArray& Emf)
{
    TMetafile metafile;
    metafile.SetData(Emf);
    TPaintLogDC dc;
    PlayEnhMetaFile(dc, metafile, TRect{0, 0, 2100, 2970});
    return dc.Texts();
}

TQXPaper* NewA4Paper()
{
    auto* paper = new TQXPaper(nullptr);
    paper->SetBounds(0, 0, 21000, 29700);
    paper->SetQXLeftMargin(1000);
    paper->SetQXTopMargin(1000);
    paper->SetQXRightMargin(1000);
    paper->SetQXBottomMargin(1000);
    return paper;
}

} // namespace runtime::tests
