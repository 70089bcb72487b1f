#include "classlib/core/ansi.h"

#include "classlib/core/sysutils.h"

#include <cstring>

namespace classlib {

namespace {

// Bytes 0x80-0x9F. The five bytes the code page leaves undefined map to the
// C1 control of the same value, so that any byte survives a round trip.
constexpr char16_t HighTable[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98
};

bool IsHighByte(char b)
{
    const auto u = static_cast<unsigned char>(b);
    return u >= 0x80 && u <= 0x9F;
}

// The byte of a character outside 0x00-0x7F and 0xA0-0xFF, or -1.
int HighByteOf(char16_t c)
{
    for (int i = 0; i < 32; ++i)
        if (HighTable[i] == c)
            return 0x80 + i;
    return -1;
}

[[noreturn]] void Unstorable(char32_t CodePoint)
{
    throw EConvertError(Format("Character U+%.4X cannot be stored in the ANSI code page",
                               {quint32(CodePoint)}));
}

} // namespace

QByteArray ToAnsi(const QString& S)
{
    const auto* p = reinterpret_cast<const char16_t*>(S.constData());
    const qsizetype n = S.size();
    qsizetype i = 0;
    while (i < n && p[i] < 0x80)
        ++i;
    if (i == n)
        return S.toLatin1();

    QByteArray out(n, Qt::Uninitialized);
    char* o = out.data();
    for (qsizetype k = 0; k < i; ++k)
        o[k] = char(p[k]);
    for (; i < n; ++i) {
        const char16_t c = p[i];
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            o[i] = char(c);
            continue;
        }
        const int b = HighByteOf(c);
        if (b >= 0) {
            o[i] = char(b);
            continue;
        }
        if (QChar::isHighSurrogate(c) && i + 1 < n && QChar::isLowSurrogate(p[i + 1]))
            Unstorable(QChar::surrogateToUcs4(c, p[i + 1]));
        Unstorable(c);
    }
    return out;
}

QString FromAnsi(const char* Data, qsizetype Length)
{
    if (!Data)
        return {};
    if (Length < 0)
        Length = qsizetype(std::strlen(Data));
    QString s = QString::fromLatin1(Data, Length);
    // Latin-1 is right for every byte but 0x80-0x9F.
    QChar* d = nullptr;
    for (qsizetype i = 0; i < Length; ++i) {
        if (IsHighByte(Data[i])) {
            if (!d)
                d = s.data();
            d[i] = QChar(HighTable[static_cast<unsigned char>(Data[i]) - 0x80]);
        }
    }
    return s;
}

QString FromAnsi(const QByteArray& Bytes)
{
    return FromAnsi(Bytes.constData(), Bytes.size());
}

} // namespace classlib
