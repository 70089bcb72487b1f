#include "classlib/system/libraryentry.h"

#include "classlib/core/sysutils.h"
#include "classlib/system/dll.h"
#include "classlib/system/moduleresources.h"

#include <cstring>
#include <exception>

namespace classlib {

namespace {

// The classes a caller raises again as themselves; any other comes back
// as Exception with its message.
struct TKnownClass {
    const char* Name;
    bool (*Is)(const Exception& E);
    void (*Raise)(const QString& Message);
};

template <class E>
bool IsA(const Exception& X)
{
    return dynamic_cast<const E*>(&X) != nullptr;
}

template <class E>
void RaiseAs(const QString& Message)
{
    throw E(Message);
}

const TKnownClass KnownClasses[] = {
    {"EAbort", IsA<EAbort>, RaiseAs<EAbort>},
    {"EDLLException", IsA<EDLLException>, RaiseAs<EDLLException>},
    {"EResNotFound", IsA<EResNotFound>, RaiseAs<EResNotFound>},
    {"EConvertError", IsA<EConvertError>, RaiseAs<EConvertError>},
    {"EInvalidOperation", IsA<EInvalidOperation>, RaiseAs<EInvalidOperation>},
};

QString ClassNameOf(const Exception& E)
{
    for (const TKnownClass& k : KnownClasses)
        if (k.Is(E))
            return QLatin1String(k.Name);
    return QStringLiteral("Exception");
}

// Copies Text into the fixed field Dest, cut at a character boundary.
template <std::size_t N>
void CopyText(char (&Dest)[N], const QString& Text)
{
    QByteArray utf8 = Text.toUtf8();
    if (utf8.size() >= qsizetype(N)) {
        qsizetype cut = N - 1;
        while (cut > 0 && (uchar(utf8[cut]) & 0xC0) == 0x80)
            --cut;
        utf8.truncate(cut);
    }
    std::memcpy(Dest, utf8.constData(), size_t(utf8.size()));
    Dest[utf8.size()] = '\0';
}

template <std::size_t N>
QString TextOf(const char (&Field)[N])
{
    return QString::fromUtf8(Field, qsizetype(strnlen(Field, N)));
}

} // namespace

void ClearEntryStatus(TQXEntryStatus& Status)
{
    Status.Code = qxOk;
    Status.ClassName[0] = '\0';
    Status.Message[0] = '\0';
}

void CatchEntryStatus(TQXEntryStatus& Status) noexcept
{
    try {
        throw;
    } catch (const Exception& e) {
        Status.Code = IsA<EAbort>(e) ? qxAborted : qxFailed;
        CopyText(Status.ClassName, ClassNameOf(e));
        CopyText(Status.Message, e.Message);
    } catch (const std::exception& e) {
        Status.Code = qxFailed;
        CopyText(Status.ClassName, QStringLiteral("Exception"));
        CopyText(Status.Message, QString::fromLocal8Bit(e.what()));
    } catch (...) {
        Status.Code = qxFailed;
        CopyText(Status.ClassName, QStringLiteral("Exception"));
        CopyText(Status.Message, QStringLiteral("Unknown exception in library"));
    }
}

void RaiseEntryStatus(const TQXEntryStatus& Status)
{
    if (Status.Code == qxOk)
        return;
    const QString message = TextOf(Status.Message);
    if (Status.Code == qxAborted)
        throw EAbort(message);
    const QString name = TextOf(Status.ClassName);
    for (const TKnownClass& k : KnownClasses)
        if (name == QLatin1String(k.Name))
            k.Raise(message);
    throw Exception(message);
}

} // namespace classlib
