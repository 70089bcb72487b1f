// A stand-in for the user-interface library that writes every call, with
// the file it was loaded from, as a line of the file named by QXSTUB_LOG.
// QXSTUB_FAIL names an entry that then raises "<entry> failed".

#include "classlib/core/sysutils.h"
#include "classlib/system/libraryentry.h"

#include <QFile>

#include <dlfcn.h>

using namespace classlib;

namespace {

void Log(const char* Entry)
{
    Dl_info info{};
    dladdr(reinterpret_cast<void*>(&Log), &info);
    QFile log(QString::fromLocal8Bit(qgetenv("QXSTUB_LOG")));
    if (log.open(QIODevice::Append))
        log.write(QByteArray(info.dli_fname) + ' ' + Entry + '\n');
}

void Enter(const char* Entry)
{
    Log(Entry);
    if (qgetenv("QXSTUB_FAIL") == Entry)
        throw Exception(QString::fromLatin1(Entry) + QStringLiteral(" failed"));
}

} // namespace

extern "C" {

int InitQXLibrary(void*, void*, TQXEntryStatus* Status)
{
    return GuardEntry(Status, [] { Enter("InitQXLibrary"); });
}

int QXLibraryDetach(TQXEntryStatus* Status)
{
    return GuardEntry(Status, [] { Log("Detach"); });
}

int ShowAbout(TQXEntryStatus* Status)
{
    return GuardEntry(Status, [] { Enter("ShowAbout"); });
}

int ShowSplashForm(TQXEntryStatus* Status)
{
    return GuardEntry(Status, [] { Enter("ShowSplashForm"); });
}

int HideSplashForm(TQXEntryStatus* Status)
{
    return GuardEntry(Status, [] { Enter("HideSplashForm"); });
}

int EditOptions(bool* ShowGrid, bool*, bool*, bool* AutoPreview, bool* Accepted, TQXEntryStatus* Status)
{
    return GuardEntry(Status, [&] {
        Enter("EditOptions");
        *ShowGrid = !*ShowGrid;
        *AutoPreview = !*AutoPreview;
        *Accepted = false;
    });
}
}
