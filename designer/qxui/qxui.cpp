// The user-interface library's entries. Each runs guarded: what goes wrong
// comes back as the entry's status, never as an exception.

#include "designer/qxui/aboutform.h"
#include "designer/qxui/optionsform.h"
#include "designer/qxui/splashform.h"

#include "classlib/controls/application.h"
#include "classlib/controls/screen.h"
#include "classlib/system/libraryentry.h"
#include "designer/libraries/qxlibentries.h"

#include <utility>
#include <type_traits>

using namespace classlib;

namespace {

// Shown from ShowSplashForm to HideSplashForm; the library stays loaded
// that long. A plain pointer: a splash form nobody hid must not be freed
// by the exit handlers, after the application's windows are gone.
qxui::TfrmSplash* Splash = nullptr;

void FreeSplash()
{
    delete std::exchange(Splash, nullptr);
}

} // namespace

extern "C" {

// The class library exists once per process, so the objects handed over
// are the ones the library's forms live with anyway: they are checked,
// not swapped in.
int InitQXLibrary(void* Application, void* Screen, TQXEntryStatus* Status)
{
    return GuardEntry(Status, [&] {
        if (Application != classlib::Application() || Screen != classlib::Screen())
            throw Exception(
                QStringLiteral("The user-interface library needs the program's application and screen"));
    });
}

// The library's finalisation: a splash form still up goes with it.
int QXLibraryDetach(TQXEntryStatus* Status)
{
    return GuardEntry(Status, [] { FreeSplash(); });
}

int ShowAbout(TQXEntryStatus* Status)
{
    return GuardEntry(Status, [] {
        qxui::TfrmAbout about(nullptr);
        about.ShowModal();
    });
}

int ShowSplashForm(TQXEntryStatus* Status)
{
    return GuardEntry(Status, [] {
        FreeSplash();
        Splash = new qxui::TfrmSplash(nullptr);
        Splash->Show();
        Splash->Update();
    });
}

int HideSplashForm(TQXEntryStatus* Status)
{
    return GuardEntry(Status, [] { FreeSplash(); });
}

int EditOptions(bool* ShowGrid, bool* ShowCaptions, bool* ConfirmDelete, bool* AutoPreview, bool* Accepted,
                TQXEntryStatus* Status)
{
    return GuardEntry(Status, [&] {
        if (!ShowGrid || !ShowCaptions || !ConfirmDelete || !AutoPreview || !Accepted)
            throw Exception(QStringLiteral("EditOptions needs all five of its arguments"));
        qxui::TfrmOptions options(nullptr);
        *Accepted = options.Edit(*ShowGrid, *ShowCaptions, *ConfirmDelete, *AutoPreview);
    });
}
}

// The designer calls these through the types it knows them by.
static_assert(std::is_same_v<decltype(&InitQXLibrary), designer::TInitQXLibraryProc>);
static_assert(std::is_same_v<decltype(&ShowAbout), designer::TShowAboutProc>);
static_assert(std::is_same_v<decltype(&ShowSplashForm), designer::TShowSplashFormProc>);
static_assert(std::is_same_v<decltype(&HideSplashForm), designer::THideSplashFormProc>);
static_assert(std::is_same_v<decltype(&EditOptions), designer::TEditOptionsProc>);
