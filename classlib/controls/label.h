#pragma once

// Labels: a caption drawn on the parent's colour (or on nothing while
// Transparent). "&x" underlines x unless ShowAccelChar is off. With
// AutoSize the label takes the size of its text: its width too unless it
// wraps words, and a right-aligned label keeps its right edge.

#include "classlib/controls/align.h"
#include "classlib/controls/control.h"

namespace classlib {

class TCustomLabel : public TControl {
    QX_CLASS(TCustomLabel, TControl)
public:
    explicit TCustomLabel(TComponent* AOwner);

    const QString& Caption() const { return FCaption; }
    void SetCaption(const QString& Value);
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool Value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool Value);
    bool ShowAccelChar() const { return FShowAccelChar; }
    void SetShowAccelChar(bool Value);

    void Loaded() override;

protected:
    void Paint() override;
    void FontChanged() override;

private:
    unsigned TextFlags() const;
    void AdjustBounds();

    QString FCaption;
    bool FAutoSize = true;
    TAlignment FAlignment = taLeftJustify;
    bool FWordWrap = false;
    bool FTransparent = false;
    bool FShowAccelChar = true;
};

class TLabel : public TCustomLabel {
    QX_CLASS(TLabel, TCustomLabel)
public:
    using TCustomLabel::TCustomLabel;
};

} // namespace classlib
