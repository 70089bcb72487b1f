#pragma once

// Code pages of single-byte stream text. A font's character set names the
// code page its text is stored in; Windows-1252 is the stream's own (ansi.h),
// the others come from the C library's iconv.
//
// Decoding never fails and loses nothing: a byte that starts no valid
// sequence becomes the lone surrogate U+DC00 + byte, which encodes back to
// that byte. Encoding a character the code page lacks raises EConvertError
// "Character U+%.4X cannot be stored in code page %d".

#include <QByteArray>
#include <QString>

namespace classlib {

constexpr int AnsiCodePage = 1252;

// The code page of a font character set; 1252 for ANSI_CHARSET,
// DEFAULT_CHARSET and every set without one of its own.
int CharsetToCodePage(int Charset);

QString DecodeCodePage(const QByteArray& Bytes, int CodePage);
QByteArray EncodeCodePage(const QString& Text, int CodePage);

// Text read in a code page together with the bytes it came from. Some code
// pages decode several byte sequences to the same text; encoding the
// unchanged text in the same code page gives the very bytes that were read.
class TStoredText {
public:
    TStoredText() = default;
    TStoredText(const QByteArray& Bytes, int CodePage)
        : FBytes(Bytes), FCodePage(CodePage), FText(DecodeCodePage(Bytes, CodePage))
    {
    }

    const QByteArray& Bytes() const { return FBytes; }
    int CodePage() const { return FCodePage; }  // 0 when nothing was read
    const QString& Text() const { return FText; }

    QByteArray Encode(const QString& Text, int CodePage) const
    {
        if (CodePage == FCodePage && Text == FText)
            return FBytes;
        return EncodeCodePage(Text, CodePage);
    }

private:
    QByteArray FBytes;
    int FCodePage = 0;
    QString FText;
};

} // namespace classlib
