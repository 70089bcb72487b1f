#pragma once

// Test support for element painting and pagination: a device context that
// logs what is drawn (with the clip in force), a small page loop that
// drives a paper as the report run does, and the texts of a recorded page.

#include "runtime/paper.h"

#include "classlib/graphics/devicecontext.h"
#include "classlib/graphics/region.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace runtime::tests {

struct TPaintCall {
    QString Kind;  // "FillRect", "Rectangle", "Ellipse", "LineTo", "Text", "Image", ...
    classlib::TRect R;   // logical, as the call got it
    classlib::TPoint P;  // start of a line or text position, logical
    classlib::TPoint To; // end of a line
    classlib::TColorRef Color = 0;
    QString Text;
    classlib::TLogFont Font;
    std::optional<classlib::TRegion> Clip;  // device pixels
    classlib::TPoint WindowOrg;
};

// One logical unit is one device pixel when the 0.01 mm mapping is set:
// the device claims 2540 pixels per inch.
class TPaintLogDC : public classlib::TDeviceContext {
public:
    TPaintLogDC();

    classlib::TDeviceCaps DeviceCaps() const override;
    void LineTo(int X, int Y) override;
    void Rectangle(const classlib::TRect& R) override;
    void Ellipse(const classlib::TRect& R) override;
    void Polygon(const std::vector<classlib::TPoint>& Points) override;
    void Polyline(const std::vector<classlib::TPoint>& Points) override;
    void FillRect(const classlib::TRect& R, const classlib::TLogBrush& Brush) override;
    classlib::TColorRef SetPixel(int X, int Y, classlib::TColorRef Color) override;
    void ExtTextOut(int X, int Y, unsigned Options, const classlib::TRect* Rect, const QString& Text,
                    const std::vector<int>* Dx = nullptr) override;
    void StretchDIBits(const classlib::TRect& Dest, const classlib::TRect& SrcRect, const QImage& Image,
                       quint32 Rop) override;

    // Whether the logical point was drawable when call Index was made.
    bool Drawable(size_t Index, const classlib::TPoint& Logical) const;
    std::vector<const TPaintCall*> Calls(const QString& Kind) const;
    QStringList Texts() const;

    std::vector<TPaintCall> Log;

private:
    TPaintCall& Add(const QString& Kind);
};

// Pages a paper as the report run does: data pass and paint pass into a
// metafile in the 0.01 mm mapping, reset, again while something
// overflows. Fails the test (and stops) beyond MaxPages.
struct TOutputPage {
    QByteArray Emf;
    bool HasPrintable = false;
};
// BeforePage, when given, hears of each output page (0-based) first.
std::vector<TOutputPage> RenderPaper(TQXPaper& Paper, int MaxPages = 1000,
                                     const std::function<void(int Page)>& BeforePage = {});

// The texts that a recorded page draws, in order.
QStringList PageTexts(const QByteArray& Emf);

// A paper of 21000 x 29700 with 1000 margins, owned by nobody.
TQXPaper* NewA4Paper();

} // namespace runtime::tests
