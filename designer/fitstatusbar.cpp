#include "designer/fitstatusbar.h"

#include "classlib/controls/statusbar.h"
#include "classlib/graphics/canvas.h"

namespace designer {

void FitStatusBar(classlib::TStatusBar* Bar)
{
    Bar->SetHeight(Bar->MeasureCanvas().TextHeight(QStringLiteral("Wg")) + 6);
}

} // namespace designer
