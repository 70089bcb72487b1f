#include "designer/wqxui.h"

#include "classlib/system/dll.h"
#include "designer/dllbind.h"
#include "designer/qxlibentries.h"

using namespace classlib;

namespace designer {

namespace {

// The library that shows the splash form; nullptr when none is shown.
TDLLHandle SplashHandle = nullptr;

// Calls Entry of a freshly bound qxui with Args, unloading it afterwards
// whatever happens.
template <class Proc, class... Args>
void CallQXUI(const char* Entry, Args... A)
{
    TDLLHandle handle = LoadQXLibrary(QString::fromLatin1(QXUILibraryName));
    try {
        TQXEntryStatus status;
        GetDLLProc<Proc>(handle, QString::fromLatin1(Entry))(A..., &status);
        RaiseEntryStatus(status);
    } catch (...) {
        UnloadDLL(handle);
        throw;
    }
    UnloadDLL(handle);
}

} // namespace

void ShowAboutBox()
{
    CallQXUI<TShowAboutProc>(ShowAboutEntry);
}

void ShowSplash()
{
    // A splash form already up keeps its library; the new one replaces it.
    HideSplash();
    TDLLHandle handle = LoadDLL(QString::fromLatin1(QXUILibraryName));
    try {
        TQXEntryStatus status;
        GetDLLProc<TShowSplashFormProc>(handle, QString::fromLatin1(ShowSplashFormEntry))(&status);
        RaiseEntryStatus(status);
    } catch (...) {
        UnloadDLL(handle);
        throw;
    }
    SplashHandle = handle;
}

void HideSplash()
{
    if (!SplashHandle)
        return;
    // Forgotten first: whatever the library reports, it is released once.
    TDLLHandle handle = SplashHandle;
    SplashHandle = nullptr;
    try {
        TQXEntryStatus status;
        GetDLLProc<THideSplashFormProc>(handle, QString::fromLatin1(HideSplashFormEntry))(&status);
        RaiseEntryStatus(status);
    } catch (...) {
        UnloadDLL(handle);
        throw;
    }
    UnloadDLL(handle);
}

bool SplashShown()
{
    return SplashHandle != nullptr;
}

bool EditDesignerOptions(bool& ShowGrid, bool& ShowCaptions, bool& ConfirmDelete, bool& AutoPreview)
{
    bool accepted = false;
    CallQXUI<TEditOptionsProc>(EditOptionsEntry, &ShowGrid, &ShowCaptions, &ConfirmDelete, &AutoPreview,
                               &accepted);
    return accepted;
}

} // namespace designer
