#pragma once

// Images: a picture drawn at the top left, centred, or stretched over the
// control; a transparent picture shows what lies beneath.

#include "classlib/controls/control.h"
#include "classlib/graphics/picture.h"

namespace classlib {

class TImage : public TControl {
    QX_CLASS(TImage, TControl)
public:
    explicit TImage(TComponent* AOwner);
    ~TImage() override;

    TPicture* Picture() const { return FPicture; }
    void SetPicture(const TPicture* Value);
    // With AutoSize the control takes the picture's size.
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value);
    bool Center() const { return FCenter; }
    void SetCenter(bool Value);
    bool Stretch() const { return FStretch; }
    void SetStretch(bool Value);
    // Passed on to the picture's graphic, now and when it changes.
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool Value);

protected:
    void Paint() override;

private:
    void PictureChanged();
    TRect DestRect() const;

    TPicture* FPicture;
    bool FAutoSize = false;
    bool FCenter = false;
    bool FStretch = false;
    bool FTransparent = false;
};

} // namespace classlib
