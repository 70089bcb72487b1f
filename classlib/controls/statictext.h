#pragma once

// Static text: a caption in the control's font on its colour.

#include "classlib/controls/control.h"

namespace classlib {

QX_ENUM(TStaticBorderStyle, sbsNone, sbsSingle, sbsSunken)

class TStaticText : public TWinControl {
    QX_CLASS(TStaticText, TWinControl)
public:
    explicit TStaticText(TComponent* AOwner);

    const QString& Caption() const { return FCaption; }
    void SetCaption(const QString& Value);
    // With AutoSize the control takes the size of its caption and border.
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value);
    TStaticBorderStyle StaticBorderStyle() const { return FBorder; }
    void SetStaticBorderStyle(TStaticBorderStyle Value);

protected:
    void Paint() override;
    void FontChanged() override;
    int BorderWidth() const override { return FBorder == sbsNone ? 0 : 1; }
    void PaintBorder() override;

private:
    void AdjustSize();

    QString FCaption;
    bool FAutoSize = true;
    TStaticBorderStyle FBorder = sbsNone;
};

} // namespace classlib
