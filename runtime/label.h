#pragma once

// The text element: a caption in its own font inside the content
// rectangle, aligned, optionally word-wrapped, or rotated by whole degrees.
// Each data pass asks the application for the text (GetText); Reset
// brings back the caption of the document.

#include "runtime/control.h"

#include "classlib/core/codepage.h"
#include "classlib/graphics/font.h"

namespace runtime {

class TQXLabel : public TQXControl {
    QX_CLASS(TQXLabel, TQXControl)
public:
    explicit TQXLabel(classlib::TComponent* AOwner);
    ~TQXLabel() override;

    const QString& Caption() const { return FCaption; }
    // Also the caption that Reset restores.
    void SetCaption(const QString& Value);
    // The caption as stored: bytes in the code page of the font's character
    // set. A stream holds them before the font, so Loaded decodes them again.
    // Saving a caption the code page cannot hold raises EConvertError.
    QByteArray StoredCaption() const;
    void SetStoredCaption(const QByteArray& Value);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value) { FAlignment = Value; }
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value) { FAutoSize = Value; }
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool Value) { FWordWrap = Value; }
    // Degrees, counter-clockwise on paper; 0 is unrotated.
    int TextAngle() const { return FTextAngle; }
    void SetTextAngle(int Value) { FTextAngle = Value; }
    // Stored in screen pixels; in 0.01 mm once loading completes.
    classlib::TFont* QXFont() const { return FQXFont; }
    void SetQXFont(const classlib::TFont* Value);

    double AbsSine() const { return FAbsSine; }
    double AbsCosine() const { return FAbsCosine; }

    void Loaded() override;
    void Paint(TCanvas& Canvas) override;
    void Process(TCanvas& Canvas) override;
    void Reset() override;

    // Flags: 0 to paint, DT_CALCRECT to measure into Rect.
    void DrawCaption(TCanvas& Canvas, TRect& Rect, unsigned Flags);
    // Fits the element to its text when AutoSize is set.
    void AdjustSize(TCanvas& Canvas);

protected:
    void AssignTo(classlib::TPersistent* Dest) const override;

private:
    QString FCaption;
    QString FDesignedCaption;
    classlib::TStoredText FStoredCaption;
    TAlignment FAlignment = taLeftJustify;
    bool FAutoSize = false;
    bool FWordWrap = false;
    int FTextAngle = 0;
    double FAbsSine = 0;
    double FAbsCosine = 0;
    classlib::TFont FQXFontStore;  // in place: labels are made by the thousand
    classlib::TFont* FQXFont = &FQXFontStore;
};

// The stored pixel height of a font (at the screen's resolution) as the
// character height in 0.01 mm: -27 pixels at 96 dpi, 20 points, is -706.
int FontHeightToReportUnits(const classlib::TFont& Font);

} // namespace runtime
