#pragma once

// Controls over Qt's own editing widgets show the control's font, font
// colour and colour through the widget's font and palette.

class QWidget;

namespace classlib {

class TControl;

// The control's Font and Color applied to its widget.
void ApplyWidgetLook(const TControl& Control, QWidget& Widget);

} // namespace classlib
