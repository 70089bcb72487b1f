#pragma once

// A device context that logs its drawing calls, for tests that check what is
// drawn without looking at pixels.

#include "classlib/graphics/devicecontext.h"

#include <QString>
#include <QStringList>

namespace classlib::test {

class TRecordingDC : public TDeviceContext {
public:
    TRecordingDC()
    {
        FCaps.HorzRes = 800;
        FCaps.VertRes = 600;
        FCaps.HorzSizeMM = 212;
        FCaps.VertSizeMM = 159;
    }
    TDeviceCaps DeviceCaps() const override { return FCaps; }

    void SelectPen(const TLogPen& Pen) override
    {
        Log << QStringLiteral("SelectPen %1 %2 %3").arg(Pen.Style).arg(Pen.Width).arg(Pen.Color, 6, 16, QLatin1Char('0'));
        TDeviceContext::SelectPen(Pen);
    }
    void SelectBrush(const TLogBrush& Brush) override
    {
        Log << QStringLiteral("SelectBrush %1 %2").arg(Brush.Style).arg(Brush.Color, 6, 16, QLatin1Char('0'));
        TDeviceContext::SelectBrush(Brush);
    }
    void SelectFont(const TLogFont& Font) override
    {
        Log << QStringLiteral("SelectFont %1 %2").arg(Font.FaceName).arg(Font.Height);
        TDeviceContext::SelectFont(Font);
    }
    void LineTo(int X, int Y) override
    {
        Log << QStringLiteral("LineTo %1,%2").arg(X).arg(Y);
        MutableState().CurrentPos = {X, Y};
    }
    void Rectangle(const TRect& R) override { Log << QStringLiteral("Rectangle %1").arg(RectText(R)); }
    void Ellipse(const TRect& R) override { Log << QStringLiteral("Ellipse %1").arg(RectText(R)); }
    void Polygon(const std::vector<TPoint>& P) override { Log << QStringLiteral("Polygon %1").arg(P.size()); }
    void Polyline(const std::vector<TPoint>& P) override { Log << QStringLiteral("Polyline %1").arg(P.size()); }
    void FillRect(const TRect& R, const TLogBrush& B) override
    {
        Log << QStringLiteral("FillRect %1 %2").arg(RectText(R)).arg(B.Color, 6, 16, QLatin1Char('0'));
    }
    TColorRef SetPixel(int X, int Y, TColorRef C) override
    {
        Log << QStringLiteral("SetPixel %1,%2").arg(X).arg(Y);
        return C;
    }
    void ExtTextOut(int X, int Y, unsigned Options, const TRect* R, const QString& Text,
                    const std::vector<int>*) override
    {
        Log << QStringLiteral("ExtTextOut %1,%2 %3 %4 \"%5\"").arg(X).arg(Y).arg(Options).arg(R ? RectText(*R) : QStringLiteral("-"), Text);
    }
    void StretchDIBits(const TRect& Dest, const TRect&, const QImage& Image, quint32 Rop) override
    {
        Log << QStringLiteral("StretchDIBits %1 %2x%3 %4").arg(RectText(Dest)).arg(Image.width()).arg(Image.height()).arg(Rop, 8, 16, QLatin1Char('0'));
    }

    static QString RectText(const TRect& R)
    {
        return QStringLiteral("(%1,%2,%3,%4)").arg(R.Left).arg(R.Top).arg(R.Right).arg(R.Bottom);
    }

    QStringList Log;
    TDeviceCaps FCaps;
};

} // namespace classlib::test
