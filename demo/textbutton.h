#pragma once

// A push button with a caption: a speed button that writes its caption
// centred on its face.

#include "classlib/controls/speedbutton.h"

namespace demo {

class TTextButton : public classlib::TSpeedButton {
    QX_CLASS(TTextButton, classlib::TSpeedButton)
public:
    using TSpeedButton::TSpeedButton;

    const QString& Caption() const { return FCaption; }
    void SetCaption(const QString& Value);

protected:
    void Paint() override;

private:
    QString FCaption;
};

} // namespace demo
