#include "classlib/system/cupsspool.h"

#include "classlib/system/printers.h"

#include <QByteArray>
#include <QFile>

#include <dlfcn.h>

#include <vector>

namespace classlib {

namespace {

// The library's option pair and the two entry points used (stable C ABI
// of libcups.so.2).
struct TCupsOption {
    char* Name;
    char* Value;
};
using TPrintFile = int (*)(const char*, const char*, const char*, int, TCupsOption*);
using TLastErrorString = const char* (*)();

struct TCups {
    void* Handle = nullptr;
    TPrintFile PrintFile = nullptr;
    TLastErrorString LastErrorString = nullptr;
};

const TCups& Cups()
{
    // Kept open for the life of the process.
    static const TCups cups = [] {
        TCups c;
        c.Handle = dlopen("libcups.so.2", RTLD_NOW | RTLD_LOCAL);
        if (c.Handle) {
            c.PrintFile = reinterpret_cast<TPrintFile>(dlsym(c.Handle, "cupsPrintFile"));
            c.LastErrorString = reinterpret_cast<TLastErrorString>(dlsym(c.Handle, "cupsLastErrorString"));
        }
        return c;
    }();
    return cups;
}

} // namespace

void SubmitToCups(const QString& Printer, const QString& File, const QString& Title, int Copies,
                  const QString& MediaKey)
{
    const TCups& cups = Cups();
    if (!cups.PrintFile)
        throw EPrinter(QStringLiteral("The printing system (CUPS) is not available"));

    // The queue is the name without the instance.
    const QByteArray queue = Printer.section(u'/', 0, 0).toLocal8Bit();
    const QByteArray file = QFile::encodeName(File);
    const QByteArray title = Title.toUtf8();
    QByteArray mediaName("media"), media = MediaKey.toUtf8();
    QByteArray copiesName("copies"), copies = QByteArray::number(Copies);
    std::vector<TCupsOption> options;
    if (!media.isEmpty())
        options.push_back({mediaName.data(), media.data()});
    if (Copies > 1)
        options.push_back({copiesName.data(), copies.data()});

    const int job = cups.PrintFile(queue.constData(), file.constData(), title.constData(),
                                   int(options.size()), options.empty() ? nullptr : options.data());
    if (job <= 0) {
        const char* why = cups.LastErrorString ? cups.LastErrorString() : nullptr;
        throw EPrinter(QStringLiteral("The printer \"%1\" refused the job: %2")
                           .arg(Printer, why ? QString::fromLocal8Bit(why) : QStringLiteral("unknown error")));
    }
}

} // namespace classlib
