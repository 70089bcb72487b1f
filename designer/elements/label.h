#pragma once

// The design-time label: the control's caption in the control's font,
// drawn at the page designer's zoom, aligned or rotated by whole degrees,
// and fitted to its text while AutoSize is on. The font is stored as
// QXFont, which the runtime reads as its own.

#include "designer/elements/qxcontrol.h"

#include "classlib/core/codepage.h"

namespace classlib {
class TFont;
class TStringList;
class TStrings;
}

namespace designer {

using classlib::TAlignment;

// Degrees, counter-clockwise.
QX_INTEGER_RANGE(TQXTextAngle, qint16, 0, 359)

class TQXLabel : public TQXControl {
    QX_CLASS(TQXLabel, TQXControl)
public:
    explicit TQXLabel(classlib::TComponent* AOwner);
    ~TQXLabel() override;

    // The caption as stored: bytes in the code page of the font's
    // character set (the runtime reads them so).
    QByteArray StoredCaption() const;
    void SetStoredCaption(const QByteArray& Value);

    // The caption and the font hold text only in a pair that the font's code
    // page can store: a caption, or a font, that breaks the pair raises
    // EConvertError "Character U+%.4X cannot be stored in code page %d"
    // and changes nothing.
    void SetCaption(const QString& Value);
    void SetFont(const classlib::TFont* Value);

    // The caption split at its line breaks.
    classlib::TStrings* Lines() const;
    // The caption becomes the lines joined with CR LF, none at the end.
    void SetLines(const classlib::TStrings* Value);

    TAlignment Alignment() const { return FAlignment; }
    // Right or centred alignment turns rotation off.
    void SetAlignment(TAlignment Value);
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool Value);
    TQXTextAngle TextAngle() const { return FTextAngle; }
    // A rotation turns left alignment on.
    void SetTextAngle(TQXTextAngle Value);

    // The font height drawn at the current zoom, in pixels.
    int DisplayFontHeight() const { return FFontHeight; }

    // Flags: 0 to draw, DT_CALCRECT to measure into R.
    void DrawCaption(classlib::TCanvas& Canvas, classlib::TRect& R, unsigned Flags);
    // Fits the element to its text while AutoSize is on.
    void AdjustSize();

    void UpdateBounds() override;
    void UpdateContent() override;
    void Loaded() override;

protected:
    void PaintContent() override;
    void PaintName() override;
    void TextChanged() override;
    void FontChanged() override;

private:
    TAlignment FAlignment = classlib::taLeftJustify;
    bool FAutoSize = false;
    bool FWordWrap = false;
    int FFontHeight = 0;
    classlib::TStringList* FLines;
    TQXTextAngle FTextAngle = TQXTextAngle(0);
    double FAbsSine = 0;
    double FAbsCosine = 1;
    classlib::TStoredText FStoredCaption;
};

} // namespace designer
