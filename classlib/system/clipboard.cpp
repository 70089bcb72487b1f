#include "classlib/system/clipboard.h"

#include "classlib/core/ansi.h"
#include "classlib/core/sysutils.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace classlib {

namespace {

QClipboard& System()
{
    QClipboard* c = qobject_cast<QGuiApplication*>(QCoreApplication::instance()) ? QGuiApplication::clipboard() : nullptr;
    if (!c) throw EInvalidOperation(QStringLiteral("Clipboard not available"));
    return *c;
}

} // namespace

QByteArray TClipboard::AsText() const
{
    return ToAnsi(System().text());
}

void TClipboard::SetAsText(const QByteArray& Value)
{
    System().setText(FromAnsi(Value));
}

bool TClipboard::HasFormat(int Format) const
{
    if (Format != CF_TEXT) return false;
    const QMimeData* data = System().mimeData();
    return data && data->hasText();
}

TClipboard& Clipboard()
{
    static TClipboard clipboard;
    return clipboard;
}

} // namespace classlib
