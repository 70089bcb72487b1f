#pragma once

#include <QByteArray>

namespace classlib {

// The clipboard formats that TClipboard::HasFormat knows.
constexpr int CF_TEXT = 1;

// The system clipboard's plain text, handed over in the ANSI code page as
// streams hold text. Needs a QGuiApplication.
class TClipboard {
public:
    // The clipboard's text; empty when it holds none. EConvertError when
    // the text has a character that the ANSI code page lacks.
    QByteArray AsText() const;
    // Replaces whatever the clipboard holds.
    void SetAsText(const QByteArray& Value);
    bool HasFormat(int Format) const;
};

// The application's clipboard.
TClipboard& Clipboard();

} // namespace classlib
