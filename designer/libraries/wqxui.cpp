#include "designer/libraries/wqxui.h"

#include "classlib/system/dll.h"
#include "designer/libraries/dllbind.h"
#include "designer/libraries/qxlibentries.h"

using namespace classlib;

namespace designer {

namespace {

// The library that shows the splash form; nullptr when none is shown.
TDLLHandle SplashHandle = nullptr;

QString QXUI()
{
    return QString::fromLatin1(QXUILibraryName);
}

} // namespace

void ShowAboutBox()
{
    TDLLLoad qxui(LoadQXLibrary(QXUI()));
    CallEntry<TShowAboutProc>(qxui.Handle(), QString::fromLatin1(ShowAboutEntry));
}

void ShowSplash()
{
    // A splash form already up is replaced, its load released.
    HideSplash();
    TDLLLoad qxui(LoadDLL(QXUI()));
    CallEntry<TShowSplashFormProc>(qxui.Handle(), QString::fromLatin1(ShowSplashFormEntry));
    SplashHandle = qxui.Release();
}

void HideSplash()
{
    if (!SplashHandle)
        return;
    // Forgotten first: whatever the library reports, it is released once.
    TDLLLoad qxui(SplashHandle);
    SplashHandle = nullptr;
    CallEntry<THideSplashFormProc>(qxui.Handle(), QString::fromLatin1(HideSplashFormEntry));
}

bool SplashShown()
{
    return SplashHandle != nullptr;
}

bool EditDesignerOptions(bool& ShowGrid, bool& ShowCaptions, bool& ConfirmDelete, bool& AutoPreview)
{
    TDLLLoad qxui(LoadQXLibrary(QXUI()));
    bool accepted = false;
    CallEntry<TEditOptionsProc>(qxui.Handle(), QString::fromLatin1(EditOptionsEntry), &ShowGrid, &ShowCaptions,
                                &ConfirmDelete, &AutoPreview, &accepted);
    return accepted;
}

} // namespace designer
