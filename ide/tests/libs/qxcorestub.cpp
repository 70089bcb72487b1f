// Stands in for the designer library: its QXActivate logs the call and
// treats the file as QXCORESTUB_MODE says: "keep" it, "delete" it, write
// "garbage" into it, or "copy:<path>" a document over it.

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QtGlobal>

#include <sys/stat.h>

extern "C" __attribute__((visibility("default"))) void QXActivate(const char* FileName, unsigned char Embedded,
                                                                  unsigned char WithSplash) noexcept
{
    const QString file = QFile::decodeName(FileName ? FileName : "");
    struct stat folder {};
    const QByteArray dir = QFile::encodeName(QFileInfo(file).absolutePath());
    const int mode = stat(dir.constData(), &folder) == 0 ? int(folder.st_mode & 0777) : -1;
    QFile log(qEnvironmentVariable("QXCORESTUB_LOG"));
    if (log.open(QIODevice::Append)) {
        log.write(QStringLiteral("%1 %2 %3 %4 %5\n")
                      .arg(file)
                      .arg(QFile::exists(file) ? 1 : 0)
                      .arg(Embedded)
                      .arg(WithSplash)
                      .arg(mode, 0, 8)
                      .toUtf8());
    }
    const QString mode_ = qEnvironmentVariable("QXCORESTUB_MODE");
    if (mode_ == QLatin1String("delete")) {
        QFile::remove(file);
    } else if (mode_ == QLatin1String("garbage")) {
        QFile out(file);
        if (out.open(QIODevice::WriteOnly)) out.write("not a report");
    } else if (mode_.startsWith(QLatin1String("copy:"))) {
        QFile::remove(file);
        QFile::copy(mode_.mid(5), file);
    }
}
