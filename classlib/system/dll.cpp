#include "classlib/system/dll.h"

#include "classlib/system/libraryentry.h"

#include <QFileInfo>
#include <QHash>

#include <dlfcn.h>

namespace classlib {

namespace {

using TEntryProc = int (*)(TQXEntryStatus*);

// Loads per handle: attach runs on the first, detach on the last, as a
// library's initialisation and finalisation run once however often it is
// loaded.
QHash<TDLLHandle, int>& LoadCounts()
{
    static QHash<TDLLHandle, int> counts;
    return counts;
}

// The folder of the library or program that holds Address; empty when
// unknown.
QString FolderOf(const void* Address)
{
    Dl_info info{};
    if (!Address || !dladdr(Address, &info))
        return {};
    QString file = info.dli_fname ? QFile::decodeName(info.dli_fname) : QString();
    // The program itself is named as it was started, maybe relative to a
    // working folder that has changed since.
    if (QFileInfo(file).isRelative())
        file = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    return file.isEmpty() ? QString() : QFileInfo(file).absolutePath();
}

TDLLHandle Open(const QString& File)
{
    return dlopen(QFile::encodeName(File).constData(), RTLD_NOW | RTLD_NODELETE);
}

// The status of Entry of Handle when the library has it; qxOk otherwise.
bool RunOptionalEntry(TDLLHandle Handle, const char* Entry, TQXEntryStatus& Status)
{
    ClearEntryStatus(Status);
    auto proc = reinterpret_cast<TEntryProc>(dlsym(Handle, Entry));
    return !proc || proc(&Status) == qxOk;
}

} // namespace

QString LibraryFileName(const QString& Name)
{
    const int slash = int(Name.lastIndexOf(QLatin1Char('/'))) + 1;
    const QString base = Name.mid(slash);
    if (base.size() <= 4 || !base.endsWith(QLatin1String(".dll"), Qt::CaseInsensitive))
        return Name;
    return Name.left(slash) + QLatin1String("lib") + base.chopped(4) + QLatin1String(".so");
}

// Not inlined: the return address names the caller whose folder is searched.
__attribute__((noinline)) TDLLHandle LoadDLL(const QString& Name)
{
    const QString file = LibraryFileName(Name);
    TDLLHandle handle = nullptr;
    if (!file.isEmpty() && !file.contains(QLatin1Char('/'))) {
        const QString folder = FolderOf(__builtin_return_address(0));
        if (!folder.isEmpty() && QFileInfo::exists(folder + QLatin1Char('/') + file))
            handle = Open(folder + QLatin1Char('/') + file);
    }
    if (!handle && !file.isEmpty())
        handle = Open(file);
    if (!handle)
        throw EDLLException(QStringLiteral("Error loading library %1").arg(Name));

    int& count = LoadCounts()[handle];
    if (++count == 1) {
        TQXEntryStatus status;
        if (!RunOptionalEntry(handle, LibraryAttachEntry, status)) {
            LoadCounts().remove(handle);
            dlclose(handle);
            RaiseEntryStatus(status);
        }
    }
    return handle;
}

void UnloadDLL(TDLLHandle Handle)
{
    if (!Handle)
        return;
    auto it = LoadCounts().find(Handle);
    if (it != LoadCounts().end() && --it.value() <= 0) {
        LoadCounts().erase(it);
        TQXEntryStatus status;
        RunOptionalEntry(Handle, LibraryDetachEntry, status);
    }
    dlclose(Handle);
}

void* GetDLLProc(TDLLHandle Handle, const QString& ProcName)
{
    void* proc = Handle ? dlsym(Handle, ProcName.toUtf8().constData()) : nullptr;
    if (!proc)
        throw EDLLException(QStringLiteral("Error accessing library function %1").arg(ProcName));
    return proc;
}

} // namespace classlib
