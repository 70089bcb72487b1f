#pragma once

// How an element's box is decorated: frame bars, a shadow and a background.
// Persistent sub-objects of the elements, stored as dotted properties
// ("Frame.Width", "Background.Picture.Data"). Lengths in 0.01 mm.

#include "classlib/core/persistent.h"
#include "classlib/graphics/color.h"
#include "classlib/graphics/picture.h"

namespace runtime {

using classlib::TColor;

QX_ENUM(TQXFrameSide, fsTop, fsLeft, fsBottom, fsRight)
using TQXFrameSides = classlib::TSet<TQXFrameSide>;
QX_ENUM(TQXShadowStyle, ssNone, ssLeftTop, ssRightTop, ssLeftBottom, ssRightBottom)
QX_ENUM(TBgStyle, bsColor, bsGradient, bsTexture, bsPicture)
QX_ENUM(TBgColorStyle, bcsSolid, bcsTransparent, bcsSemitransparent)
QX_ENUM(TBgGradientStyle, bgsOneColor, bgsTwoColors)
QX_ENUM(TBgShadingStyle, bssHorizontal, bssVertical, bssDiagUp, bssDiagDown)
QX_ENUM(TBgVariantStyle, bvsForward, bvsBackward)
QX_ENUM(TBgPictureStyle, bpsNone, bpsStretch, bpsCenter)

// Bars of one thickness and colour.
class TQXAttribute : public classlib::TPersistent {
    QX_CLASS(TQXAttribute, classlib::TPersistent)
public:
    TQXAttribute() = default;

    int Width() const { return FWidth; }
    void SetWidth(int Value) { FWidth = Value; }
    TColor Color() const { return FColor; }
    void SetColor(TColor Value) { FColor = Value; }

    void Assign(const classlib::TPersistent* Source) override;

protected:
    int FWidth = 0;
    TColor FColor = classlib::clBlack;
};

class TQXFrame : public TQXAttribute {
    QX_CLASS(TQXFrame, TQXAttribute)
public:
    TQXFrame() { FWidth = 80; }

    TQXFrameSides Shape() const { return FShape; }
    void SetShape(TQXFrameSides Value) { FShape = Value; }

    void Assign(const classlib::TPersistent* Source) override;

private:
    TQXFrameSides FShape;
};

class TQXShadow : public TQXAttribute {
    QX_CLASS(TQXShadow, TQXAttribute)
public:
    TQXShadow() { FWidth = 200; }

    TQXShadowStyle Shape() const { return FShape; }
    void SetShape(TQXShadowStyle Value) { FShape = Value; }
    bool SemiTrans() const { return FSemiTrans; }
    void SetSemiTrans(bool Value) { FSemiTrans = Value; }

    void Assign(const classlib::TPersistent* Source) override;

private:
    TQXShadowStyle FShape = ssNone;
    bool FSemiTrans = false;
};

class TQXBackground : public classlib::TPersistent {
    QX_CLASS(TQXBackground, classlib::TPersistent)
public:
    TQXBackground();
    ~TQXBackground() override;

    TBgStyle Style = bsColor;
    TBgColorStyle ColorStyle = bcsSolid;
    TBgGradientStyle GradientStyle = bgsTwoColors;
    TBgShadingStyle ShadingStyle = bssHorizontal;
    TBgVariantStyle VariantStyle = bvsForward;
    TBgPictureStyle PictureStyle = bpsNone;
    TColor Color1 = classlib::clWhite;
    TColor Color2 = classlib::clBlack;
    int Density = 1;
    int PicWidth = 0;
    int PicHeight = 0;
    // The picture's size in pixels at the designer's current scale; not
    // stored.
    int PixWidth = 0;
    int PixHeight = 0;

    classlib::TPicture* Picture() const { return &FPicture; }
    // Takes a copy of Value; a picture with a graphic first sets PicWidth
    // and PicHeight from its pixel size on the screen.
    void SetPicture(const classlib::TPicture* Value);

    void Assign(const classlib::TPersistent* Source) override;

    bool IsTransparent() const;
    bool IsGradient() const { return Style == bsGradient; }
    bool IsSolidColor() const { return Style == bsColor && ColorStyle == bcsSolid; }
    bool IsPicture() const { return Style == bsPicture; }
    bool IsStretched() const { return PictureStyle == bpsStretch; }
    bool IsCentered() const { return PictureStyle == bpsCenter; }
    bool IsTexture() const { return Style == bsTexture; }
    bool IsSemiTransparent() const { return Style == bsColor && ColorStyle == bcsSemitransparent; }

private:
    mutable classlib::TPicture FPicture;  // held in place, as elements are made by the thousand
};

// The colour's bytes as given: a system colour is not resolved first.
void SplitRGB(TColor Color, int& Red, int& Green, int& Blue);

} // namespace runtime
