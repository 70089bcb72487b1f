#include "designer/elements/designpaint.h"

#include "designer/document/designstate.h"

#include "runtime/fills.h"

#include "classlib/graphics/canvas.h"
#include "classlib/graphics/font.h"
#include "classlib/graphics/graphic.h"
#include "classlib/graphics/picture.h"

namespace designer {

using namespace classlib;
using namespace runtime;

namespace {

TRect SatRect(qint64 Left, qint64 Top, qint64 Right, qint64 Bottom)
{
    return TRect{SatInt(Left), SatInt(Top), SatInt(Right), SatInt(Bottom)};
}

void SolidBrush(TCanvas& Canvas, TColor Color)
{
    Canvas.Brush()->SetStyle(bsSolid);
    Canvas.Brush()->SetColor(Color);
}

} // namespace

void PaintShadowBars(TCanvas& Canvas, const TRect& R, const TQXShadow& Shadow)
{
    const qint64 w = ToPixels(Shadow.Width());
    const qint64 right = R.Right, bottom = R.Bottom;
    TRect first, second;
    switch (Shadow.Shape()) {
    case ssNone:
        return;
    case ssLeftTop:
        first = SatRect(0, 0, right - w, w);
        second = SatRect(0, w, w, bottom - w);
        break;
    case ssRightTop:
        first = SatRect(w, 0, right, w);
        second = SatRect(right - w, w, right, bottom - w);
        break;
    case ssLeftBottom:
        first = SatRect(0, bottom - w, right - w, bottom);
        second = SatRect(0, w, w, bottom - w);
        break;
    case ssRightBottom:
        first = SatRect(w, bottom - w, right, bottom);
        second = SatRect(right - w, w, right, bottom - w);
        break;
    }
    SolidBrush(Canvas, Shadow.Color());
    for (const TRect& bar : {first, second}) {
        if (Shadow.SemiTrans())
            FillSemiTransparent(Canvas, bar);
        else
            Canvas.FillRect(bar);
    }
}

void PaintFrameBars(TCanvas& Canvas, const TRect& C, const TQXFrame& Frame)
{
    const TQXFrameSides sides = Frame.Shape();
    if (sides.Empty()) return;
    const qint64 f = ToPixels(Frame.Width());
    const qint64 t = sides.Contains(fsTop) ? f : 0;
    const qint64 b = sides.Contains(fsBottom) ? f : 0;
    SolidBrush(Canvas, Frame.Color());
    // The side bars cover the corners.
    if (sides.Contains(fsLeft)) Canvas.FillRect(SatRect(C.Left - f, C.Top - t, C.Left, C.Bottom + b));
    if (sides.Contains(fsRight)) Canvas.FillRect(SatRect(C.Right, C.Top - t, C.Right + f, C.Bottom + b));
    if (sides.Contains(fsTop)) Canvas.FillRect(SatRect(C.Left, C.Top - f, C.Right, C.Top));
    if (sides.Contains(fsBottom)) Canvas.FillRect(SatRect(C.Left, C.Bottom, C.Right, C.Bottom + f));
}

void PaintTexture(TCanvas& Canvas, const TRect& C, const TRect& Clip, const TQXBackground& Background)
{
    const TGraphic* picture = Background.Picture()->Graphic();
    if (!picture || picture->Empty()) return;
    const qint64 tw = Background.PixWidth;
    const qint64 th = Background.PixHeight;
    // A tile without extent would never move on.
    if (tw <= 0 || th <= 0) return;
    const qint64 x0 = tw * ((qint64(Clip.Left) - C.Left) / tw);
    const qint64 y0 = th * ((qint64(Clip.Top) - C.Top) / th);
    qint64 drawn = 0;
    for (qint64 y = y0; y < Clip.Bottom; y += th) {
        for (qint64 x = x0; x < Clip.Right; x += tw) {
            if (++drawn > MaxTextureTiles) return;
            Canvas.StretchDraw(SatRect(x, y, x + tw, y + th), picture);
        }
    }
}

void DrawNameCaption(TCanvas& Canvas, const TRect& R, const QString& Name)
{
    if (!NameFont) return;
    Canvas.Brush()->SetStyle(bsClear);
    Canvas.SetFont(NameFont);
    const qint64 tw = Canvas.TextWidth(Name);
    const qint64 th = Canvas.TextHeight(Name);
    if (tw + 4 > qint64(R.Right) - R.Left || th + 4 > qint64(R.Bottom) - R.Top) return;
    Canvas.TextOut(R.Left + 2, SatInt(R.Bottom - th - 1), Name);
}

TRect ContentRect(qint64 Width, qint64 Height, const runtime::TQXShadow& Shadow, const runtime::TQXFrame& Frame)
{
    qint64 left = 0, top = 0, right = Width, bottom = Height;
    const qint64 w = Shadow.Width();
    switch (Shadow.Shape()) {
    case runtime::ssLeftTop: top += w; left += w; break;
    case runtime::ssRightTop: top += w; right -= w; break;
    case runtime::ssLeftBottom: bottom -= w; left += w; break;
    case runtime::ssRightBottom: bottom -= w; right -= w; break;
    case runtime::ssNone: break;
    }
    const qint64 f = Frame.Width();
    const runtime::TQXFrameSides sides = Frame.Shape();
    if (sides.Contains(runtime::fsLeft)) left += f;
    if (sides.Contains(runtime::fsTop)) top += f;
    if (sides.Contains(runtime::fsRight)) right -= f;
    if (sides.Contains(runtime::fsBottom)) bottom -= f;
    return TRect{SatInt(left), SatInt(top), SatInt(right), SatInt(bottom)};
}

TRect PictureRect(const TRect& C, int WindowWidth, int WindowHeight, const runtime::TQXBackground& Background,
                  const runtime::TQXShadow& Shadow, const TPoint& PlainCorner)
{
    const qint64 pw = Background.PixWidth;
    const qint64 ph = Background.PixHeight;
    if (Background.IsStretched()) return C;
    qint64 left = PlainCorner.X, top = PlainCorner.Y;
    if (Background.IsCentered()) {
        if (Shadow.Shape() != runtime::ssNone) {
            left = C.Left + (qint64(C.Right) - C.Left - pw) / 2;
            top = C.Top + (qint64(C.Bottom) - C.Top - ph) / 2;
        } else {
            left = (WindowWidth - pw) / 2;
            top = (WindowHeight - ph) / 2;
        }
    }
    return TRect{SatInt(left), SatInt(top), SatInt(left + pw), SatInt(top + ph)};
}

} // namespace designer
