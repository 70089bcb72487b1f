#include "designer/launcher/launch.h"

#include "classlib/core/sysutils.h"
#include "classlib/system/dll.h"

#include <QFile>

#include <cstdio>

using namespace classlib;

namespace launcher {

namespace {

using TQXActivateProc = void (*)(const char* FileName, quint8 Embedded, quint8 WithSplash);

} // namespace

bool ParseLaunchArgs(const QStringList& Args, TLaunchArgs& Result, QString& Error)
{
    Result = TLaunchArgs();
    bool options = true;
    for (const QString& arg : Args) {
        if (options && arg == QLatin1String("--")) {
            options = false;
        } else if (options && arg == QLatin1String("--embedded")) {
            Result.Embedded = true;
        } else if (options && arg == QLatin1String("--splash")) {
            Result.WithSplash = true;
        } else if (options && arg.startsWith(QLatin1Char('-')) && arg != QLatin1String("-")) {
            Error = QStringLiteral("Unknown option %1").arg(arg);
            return false;
        } else if (Result.HasFileName) {
            Error = QStringLiteral("Only one file name may be given");
            return false;
        } else {
            Result.HasFileName = true;
            Result.FileName = arg;
        }
    }
    return true;
}

int Launch(const TLaunchArgs& Args, const QString& Library)
{
    try {
        TDLLLoad core(LoadDLL(Library));
        auto activate = GetDLLProc<TQXActivateProc>(core.Handle(), QString::fromLatin1(ActivateEntry));
        const QByteArray name = QFile::encodeName(Args.FileName);
        activate(Args.HasFileName ? name.constData() : nullptr, Args.Embedded ? 1 : 0, Args.WithSplash ? 1 : 0);
    } catch (const Exception& e) {
        std::fprintf(stderr, "qxdesigner: %s\n", e.what());
        return 1;
    }
    return 0;
}

} // namespace launcher
