#include "classlib/controls/image.h"

#include "classlib/core/classbuilder.h"

namespace classlib {

const TClassInfo& TImage::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TImage>("TImage")
        .Prop("AutoSize", &TImage::AutoSize, &TImage::SetAutoSize).Default(0)
        .Prop("Center", &TImage::Center, &TImage::SetCenter).Default(0)
        .Prop("Picture", &TImage::Picture, &TImage::SetPicture)
        .Prop("Stretch", &TImage::Stretch, &TImage::SetStretch).Default(0)
        .Prop("Transparent", &TImage::Transparent, &TImage::SetTransparent).Default(0)
        .Build();
    return info;
}

TImage::TImage(TComponent* AOwner) : TControl(AOwner), FPicture(new TPicture)
{
    SetControlStyle({csCaptureMouse, csClickEvents, csDoubleClicks, csReplicatable});
    FPicture->OnChange = [this](TObject*) { PictureChanged(); };
    SetBounds(0, 0, 105, 105);
}

TImage::~TImage()
{
    FPicture->OnChange = nullptr;
    delete FPicture;
}

void TImage::SetPicture(const TPicture* Value)
{
    FPicture->Assign(Value);
}

void TImage::SetAutoSize(bool Value)
{
    FAutoSize = Value;
    PictureChanged();
}

void TImage::SetCenter(bool Value)
{
    FCenter = Value;
    Invalidate();
}

void TImage::SetStretch(bool Value)
{
    FStretch = Value;
    Invalidate();
}

void TImage::SetTransparent(bool Value)
{
    FTransparent = Value;
    PictureChanged();
}

void TImage::PictureChanged()
{
    if (TGraphic* g = FPicture->Graphic()) {
        if (g->Transparent() != FTransparent)
            g->SetTransparent(FTransparent);
        if (FAutoSize && FPicture->Width() > 0 && FPicture->Height() > 0)
            SetBounds(Left(), Top(), FPicture->Width(), FPicture->Height());
    }
    Invalidate();
}

TRect TImage::DestRect() const
{
    const TRect client = ClientRect();
    if (FStretch)
        return client;
    const int w = FPicture->Width();
    const int h = FPicture->Height();
    if (FCenter)
        return Bounds((client.Width() - w) / 2, (client.Height() - h) / 2, w, h);
    return Bounds(0, 0, w, h);
}

void TImage::Paint()
{
    // Nothing is filled: what the picture leaves shows the parent.
    if (TGraphic* g = FPicture->Graphic())
        Canvas()->StretchDraw(DestRect(), g);
}

} // namespace classlib
