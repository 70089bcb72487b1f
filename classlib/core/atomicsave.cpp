#include "classlib/core/atomicsave.h"

#include "classlib/core/sysutils.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace classlib {

namespace {

std::optional<TSaveFault> ActiveFault;

// The error injected at Stage, or 0.
int FaultAt(TSaveStage Stage)
{
    return ActiveFault && ActiveFault->Stage == Stage ? ActiveFault->Error : 0;
}

[[noreturn]] void CreateError(const QString& FileName)
{
    throw EFCreateError(Format("Cannot create file %s", {FileName}));
}

[[noreturn]] void WriteError(const QString& FileName, int Error)
{
    throw EWriteError(
        Format("Stream write error in file %s: %s", {FileName, QString::fromLocal8Bit(std::strerror(Error))}));
}

// The temporary file: closed, and removed unless it was renamed.
struct TTemporary {
    TTemporary() = default;
    TTemporary(const TTemporary&) = delete;
    TTemporary& operator=(const TTemporary&) = delete;
    ~TTemporary()
    {
        Close();
        if (!Path.isEmpty())
            ::unlink(Path.constData());
    }
    // Not retried on EINTR: Linux releases the descriptor either way.
    int Close()
    {
        if (Fd < 0)
            return 0;
        const int r = ::close(Fd);
        Fd = -1;
        return r;
    }

    QByteArray Path;
    int Fd = -1;
};

QByteArray FolderOf(const QByteArray& Path)
{
    const qsizetype slash = Path.lastIndexOf('/');
    return slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : Path.left(slash);
}

// A hidden file beside Target under a name no file has yet. The target's
// name is shortened in it, so that a long name still leaves room.
bool CreateTemporary(const QByteArray& Target, mode_t Mode, TTemporary& Temp)
{
    const qsizetype slash = Target.lastIndexOf('/');
    const QByteArray stem = Target.left(slash + 1) + '.' + Target.mid(slash + 1).left(200) + '.';
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QByteArray path = stem + QByteArray::number(QRandomGenerator::global()->generate(), 16) + ".tmp";
        int fd;
        do
            fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, Mode);
        while (fd < 0 && errno == EINTR);
        if (fd >= 0) {
            Temp.Path = path;
            Temp.Fd = fd;
            return true;
        }
        if (errno != EEXIST)
            return false;
    }
    return false;
}

// The rename reaches the disk with its folder. The new file is in place
// already, so a failure here has nothing left to undo.
void SyncFolder(const QByteArray& Folder)
{
    const int fd = ::open(Folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

void AtomicSaveToFile(const QString& FileName, QByteArrayView Bytes)
{
    if (FileName.isEmpty())
        CreateError(FileName);
    QByteArray target = QFile::encodeName(FileName);
    // Renaming over a link would cut it off from the file it names.
    const QFileInfo info(FileName);
    if (info.isSymLink() && !info.symLinkTarget().isEmpty())
        target = QFile::encodeName(info.symLinkTarget());

    struct stat old {};
    const bool replacing = ::stat(target.constData(), &old) == 0;
    // Neither a folder nor a file the user may not write is replaced.
    if (replacing && (!S_ISREG(old.st_mode) || ::access(target.constData(), W_OK) != 0))
        CreateError(FileName);

    TTemporary temp;
    if (FaultAt(TSaveStage::Open) || !CreateTemporary(target, replacing ? 0600 : 0666, temp))
        CreateError(FileName);
    if (replacing)
        ::fchmod(temp.Fd, old.st_mode & 07777);

    const char* data = Bytes.data();
    const qint64 size = Bytes.size();
    qint64 limit = size;
    int full = FaultAt(TSaveStage::Write);
    if (full && ActiveFault->AfterBytes < size)
        limit = std::max<qint64>(ActiveFault->AfterBytes, 0);
    else
        full = 0;
    for (qint64 done = 0; done < limit;) {
        const ssize_t n = ::write(temp.Fd, data + done, size_t(std::min<qint64>(limit - done, qint64(1) << 30)));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            WriteError(FileName, errno);
        if (n == 0)
            WriteError(FileName, EIO);
        done += n;
    }
    if (full)
        WriteError(FileName, full);

    if (const int e = FaultAt(TSaveStage::Sync))
        WriteError(FileName, e);
    if (::fsync(temp.Fd) != 0)
        WriteError(FileName, errno);
    if (const int e = FaultAt(TSaveStage::Close))
        WriteError(FileName, e);
    if (temp.Close() != 0)
        WriteError(FileName, errno);
    if (const int e = FaultAt(TSaveStage::Rename))
        WriteError(FileName, e);
    if (::rename(temp.Path.constData(), target.constData()) != 0)
        WriteError(FileName, errno);
    temp.Path.clear();
    SyncFolder(FolderOf(target));
}

TSaveFaultScope::TSaveFaultScope(const TSaveFault& Fault) : FOuter(ActiveFault)
{
    ActiveFault = Fault;
}

TSaveFaultScope::~TSaveFaultScope()
{
    ActiveFault = FOuter;
}

} // namespace classlib
