#pragma once

// Runs the designer as its library entry does, with fresh settings, and
// hands its main window to Body once it is shown modally.

#include "designer/mainwindow/mainwindow.h"

#include "classlib/controls/modalresponder.h"

#include <functional>

namespace designer::tests {

// Lets posted events (activation, focus, layout) arrive.
void Settle();

void RunDesigner(const std::function<void(TfrmMain&, classlib::TModalScript&)>& Body);

} // namespace designer::tests
