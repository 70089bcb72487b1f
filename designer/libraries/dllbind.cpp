#include "designer/libraries/dllbind.h"

#include "classlib/controls/application.h"
#include "classlib/controls/screen.h"
#include "classlib/system/registry.h"
#include "designer/libraries/qxlibentries.h"

#include <QDir>

using namespace classlib;

namespace designer {

QString InstallationFolder()
{
    TRegistry reg;
    if (!reg.OpenKeyReadOnly(QString::fromLatin1(InstallationKey)))
        return {};
    QString path;
    try {
        path = reg.ReadString(QString::fromLatin1(BinaryPathValue));
    } catch (const ERegistryException&) {
        // A value of the wrong kind names no folder either.
    }
    return QDir::isAbsolutePath(path) ? path : QString();
}

TDLLHandle LoadQXLibrary(const QString& Name)
{
    QString folder = InstallationFolder();
    if (!folder.isEmpty() && !folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    TDLLLoad lib(LoadDLL(folder + Name));
    CallEntry<TInitQXLibraryProc>(lib.Handle(), QString::fromLatin1(InitQXLibraryEntry),
                                  static_cast<void*>(Application()), static_cast<void*>(Screen()));
    return lib.Release();
}

} // namespace designer
