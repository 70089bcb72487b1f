#pragma once

// A 5 x 5 pixel mark on the paper's scroll area: the top-left one tells
// the rulers when the scroll area moves the paper, the bottom-right one
// keeps the scroll range 5 pixels beyond the paper.

#include "classlib/controls/panel.h"

namespace designer {

class TQXMarker : public classlib::TPanel {
    QX_CLASS(TQXMarker, classlib::TPanel)
public:
    explicit TQXMarker(classlib::TComponent* AOwner);

    // After a move that changed Left or Top.
    classlib::TNotifyEvent OnMove;

protected:
    void Moved() override;

private:
    int FLastLeft;
    int FLastTop;
};

} // namespace designer
