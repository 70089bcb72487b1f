#pragma once

// General routines of the designer and the development-environment
// package: a window's place in the registry, name=value fields in a text,
// the silent abort.

#include <QString>

namespace classlib {

class TForm;
class TRegistry;

// Writes "Visible", "Window State" (0 normal, 1 minimised, 2 maximised)
// and "Left", "Top", "Width", "Height" of the form's normal bounds, so that
// a maximised or minimised window keeps its restored place. A form without
// a window of its own is set to normal and its bounds are written.
void SaveWindowPos(TForm* Form, TRegistry* Registry);

// Reads back what SaveWindowPos wrote into the open key: the bounds, then
// the state, then (unless IgnoreVisible) the visibility. The first value
// that is missing or of the other kind ends the reading silently; what was
// set before stays set. The stored values are untrusted: the window is
// kept on the screen and no larger than it, at least MinWindowSize pixels
// each way, and an unknown state is the normal one.
void LoadWindowPos(TForm* Form, TRegistry* Registry, bool IgnoreVisible);

// The least width and height LoadWindowPos gives a window: enough to
// reach its title bar.
constexpr int MinWindowSize = 32;

// The value of the line "Name=..." of Text (the name compared without
// regard to ASCII case); "" when there is none.
QString GetFieldValue(const QString& Text, const QString& Name);
// Sets the value of Name's line, appending one for a new name (an empty
// value removes the line, as for the class library's string lists), and
// stores Text back with every line ended by CR LF.
void SetFieldValue(QString& Text, const QString& Name, const QString& Value);

// Raises the silent abort.
[[noreturn]] void RaiseAbort();

} // namespace classlib
