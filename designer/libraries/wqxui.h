#pragma once

// The designer's calls into its user-interface library (qxui): the about
// box, the splash form and the options dialog. Each loads the library for
// the one call and unloads it after, also when the call fails; the splash
// form alone keeps it loaded from ShowSplash until HideSplash.

namespace designer {

inline constexpr const char* QXUILibraryName = "qxui.dll";

void ShowAboutBox();
// The library is loaded by its plain name, whatever the installation
// folder, and without InitQXLibrary.
void ShowSplash();
// Does nothing when no splash form is shown; so a second call does nothing.
void HideSplash();
// Whether a splash form is shown (its library is held).
bool SplashShown();
// Edits the four designer options in place; true when the user accepted.
bool EditDesignerOptions(bool& ShowGrid, bool& ShowCaptions, bool& ConfirmDelete, bool& AutoPreview);

} // namespace designer
