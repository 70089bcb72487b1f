#include "ide/reportbridge.h"

#include "runtime/report.h"

#include "classlib/core/sysutils.h"
#include "classlib/system/dll.h"
#include "classlib/system/registry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <dlfcn.h>
#include <stdlib.h>

using namespace classlib;

namespace ide {

namespace {

using TQXActivateProc = void (*)(const char* FileName, unsigned char Embedded, unsigned char WithSplash);

TCloseControlsEditorProc CloseControlsProc = nullptr;

const char CoreLibrary[] = "qxcore.dll";
const char ExchangeFileName[] = "Report.qxf";

// A folder only this user can enter: nobody else can plant a file or a
// link where the designer writes the document.
class TPrivateFolder {
public:
    TPrivateFolder()
    {
        QString base = qEnvironmentVariable("XDG_RUNTIME_DIR");
        if (base.isEmpty() || !QFileInfo(base).isDir()) base = QDir::tempPath();
        QByteArray templ = QFile::encodeName(base + QStringLiteral("/qxfXXXXXX"));
        if (!mkdtemp(templ.data()))
            throw Exception(Format("Cannot create a temporary folder in %s", {base}));
        FPath = QFile::decodeName(templ);
    }
    ~TPrivateFolder()
    {
        if (!FKeep) QDir(FPath).removeRecursively();
    }
    TPrivateFolder(const TPrivateFolder&) = delete;
    TPrivateFolder& operator=(const TPrivateFolder&) = delete;

    QString FilePath(const char* Name) const { return FPath + u'/' + QString::fromLatin1(Name); }
    void Keep() { FKeep = true; }

private:
    QString FPath;
    bool FKeep = false;
};

} // namespace

QString DesignerFolder()
{
    TRegistry reg;
    if (reg.OpenKeyReadOnly(QString::fromLatin1(InstallationKey))) {
        QString path;
        try {
            path = reg.ReadString(QString::fromLatin1(BinaryPathValue));
        } catch (const ERegistryException&) {
            // A value of the other kind names no folder.
        }
        if (QDir::isAbsolutePath(path)) return path;
    }
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&DesignerFolder), &info) && info.dli_fname)
        return QFileInfo(QFile::decodeName(info.dli_fname)).absolutePath();
    return {};
}

bool EditReport(runtime::TQXReport* Report)
{
    if (!Report) return false;
    QString library = QString::fromLatin1(CoreLibrary);
    const QString folder = DesignerFolder();
    if (!folder.isEmpty()) library = QDir(folder).filePath(library);

    TPrivateFolder temp;
    const QString file = temp.FilePath(ExchangeFileName);
    // No file tells the designer to start a new document.
    if (Report->IsLoaded()) Report->SaveToFile(file);
    {
        TDLLLoad core(LoadDLL(library));
        auto activate = GetDLLProc<TQXActivateProc>(core.Handle(), QStringLiteral("QXActivate"));
        const QByteArray name = QFile::encodeName(file);
        activate(name.constData(), 1, 0);
    }
    if (!QFile::exists(file)) return false;
    try {
        Report->LoadFromFile(file);
    } catch (const Exception& E) {
        temp.Keep();
        throw Exception(Format("Cannot read back the edited report kept in %s: %s", {file, E.Message}));
    }
    return true;
}

void QXSetCloseControlEditor(TCloseControlsEditorProc Proc)
{
    CloseControlsProc = Proc;
}

void CloseControlsEditor(runtime::TQXReport* Report)
{
    if (CloseControlsProc) CloseControlsProc(Report);
}

} // namespace ide
