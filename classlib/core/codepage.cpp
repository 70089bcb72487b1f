#include "classlib/core/codepage.h"

#include "classlib/core/ansi.h"
#include "classlib/core/sysutils.h"

#include <cerrno>
#include <iconv.h>
#include <map>
#include <utility>
#include <vector>

namespace classlib {

namespace {

struct TCharsetCodePage {
    int Charset;
    int CodePage;
};

const TCharsetCodePage CharsetCodePages[] = {
    {128, 932},   // SHIFTJIS_CHARSET
    {129, 949},   // HANGEUL_CHARSET
    {134, 936},   // GB2312_CHARSET
    {136, 950},   // CHINESEBIG5_CHARSET
    {161, 1253},  // GREEK_CHARSET
    {162, 1254},  // TURKISH_CHARSET
    {163, 1258},  // VIETNAMESE_CHARSET
    {177, 1255},  // HEBREW_CHARSET
    {178, 1256},  // ARABIC_CHARSET
    {186, 1257},  // BALTIC_CHARSET
    {204, 1251},  // RUSSIAN_CHARSET
    {222, 874},   // THAI_CHARSET
    {238, 1250},  // EASTEUROPE_CHARSET
};

constexpr char32_t EscapeBase = 0xDC00;

// Each byte of a single-byte code page is a character of its own, also a
// combining mark after its base, as the original platform reads it; iconv
// would join some of them into one precomposed character.
bool IsDoubleByte(int CodePage)
{
    return CodePage == 932 || CodePage == 936 || CodePage == 949 || CodePage == 950;
}

bool IsEscape(char32_t c)
{
    return c >= EscapeBase && c <= EscapeBase + 0xFF;
}

// Opening a converter costs more than converting a caption, and a page
// reads thousands: each direction of a code page is opened once per thread,
// and starts from its initial state at each use.
iconv_t Converter(const char* To, const char* From, int CodePage)
{
    struct TCache {
        std::map<std::pair<QByteArray, QByteArray>, iconv_t> Handles;
        ~TCache()
        {
            for (const auto& entry : Handles) iconv_close(entry.second);
        }
    };
    thread_local TCache cache;
    const auto key = std::make_pair(QByteArray(To), QByteArray(From));
    auto it = cache.Handles.find(key);
    if (it == cache.Handles.end()) {
        const iconv_t handle = iconv_open(To, From);
        if (handle == iconv_t(-1))
            throw EConvertError(Format("Code page %d is not available", {CodePage}));
        it = cache.Handles.emplace(key, handle).first;
    }
    iconv(it->second, nullptr, nullptr, nullptr, nullptr);
    return it->second;
}

// One conversion descriptor for one conversion.
class TIconv {
public:
    TIconv(const char* To, const char* From, int CodePage) : FHandle(Converter(To, From, CodePage)) {}
    TIconv(const TIconv&) = delete;
    TIconv& operator=(const TIconv&) = delete;

    // Converts what it can of In into Out (appending); returns 0 when all of
    // In is converted, else the errno that stopped it, with In advanced to
    // the unconvertible input.
    template <class TIn, class TOut>
    int Convert(const TIn*& In, size_t& InLeft, std::vector<TOut>& Out)
    {
        for (;;) {
            const size_t used = Out.size();
            Out.resize(used + InLeft + 16);
            char* in = reinterpret_cast<char*>(const_cast<TIn*>(In));
            size_t inBytes = InLeft * sizeof(TIn);
            char* out = reinterpret_cast<char*>(Out.data() + used);
            size_t outBytes = (Out.size() - used) * sizeof(TOut);
            const size_t r = In ? iconv(FHandle, &in, &inBytes, &out, &outBytes)
                                : iconv(FHandle, nullptr, nullptr, &out, &outBytes);
            const int error = r == size_t(-1) ? errno : 0;
            Out.resize(Out.size() - outBytes / sizeof(TOut));
            if (In) {
                In = reinterpret_cast<const TIn*>(in);
                InLeft = inBytes / sizeof(TIn);
            }
            if (error != E2BIG)
                return error;
        }
    }

    // Writes out what a stateful converter holds back and starts afresh.
    template <class TOut>
    void Flush(std::vector<TOut>& Out)
    {
        const char* none = nullptr;
        size_t zero = 0;
        Convert(none, zero, Out);
    }

private:
    iconv_t FHandle;
};

QByteArray IconvName(int CodePage)
{
    return "CP" + QByteArray::number(CodePage);
}

// Code points as stored: a lone surrogate stays itself (Qt's own
// conversions would replace it, and with it an escaped byte).
std::vector<wchar_t> ToCodePoints(const QString& Text)
{
    std::vector<wchar_t> out;
    out.reserve(size_t(Text.size()));
    const qsizetype n = Text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = Text[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < n && Text[i + 1].isLowSurrogate()) {
            out.push_back(wchar_t(QChar::surrogateToUcs4(c, Text[i + 1].unicode())));
            ++i;
        } else {
            out.push_back(wchar_t(c));
        }
    }
    return out;
}

QString FromCodePoints(const std::vector<wchar_t>& CodePoints)
{
    QString s;
    s.reserve(qsizetype(CodePoints.size()));
    for (wchar_t w : CodePoints) {
        const auto c = char32_t(w);
        if (QChar::requiresSurrogates(c)) {
            s += QChar(QChar::highSurrogate(c));
            s += QChar(QChar::lowSurrogate(c));
        } else {
            s += QChar(char16_t(c));
        }
    }
    return s;
}

[[noreturn]] void Unstorable(char32_t CodePoint, int CodePage)
{
    throw EConvertError(Format("Character U+%.4X cannot be stored in code page %d",
                               {quint32(CodePoint), CodePage}));
}

} // namespace

int CharsetToCodePage(int Charset)
{
    for (const TCharsetCodePage& c : CharsetCodePages)
        if (c.Charset == Charset)
            return c.CodePage;
    return AnsiCodePage;
}

QString DecodeCodePage(const QByteArray& Bytes, int CodePage)
{
    if (CodePage == AnsiCodePage || Bytes.isEmpty())
        return FromAnsi(Bytes);
    TIconv cd("WCHAR_T", IconvName(CodePage).constData(), CodePage);
    static_assert(sizeof(wchar_t) == sizeof(char32_t));
    std::vector<wchar_t> out;
    out.reserve(size_t(Bytes.size()) + 1);
    const char* in = Bytes.constData();
    size_t left = size_t(Bytes.size());
    const bool singleByte = !IsDoubleByte(CodePage);
    while (left > 0) {
        size_t chunk = singleByte ? 1 : left;
        left -= chunk;
        const int error = cd.Convert(in, chunk, out);
        cd.Flush(out);
        left += chunk;
        if (error != 0 && chunk > 0) {
            // Invalid (EILSEQ) or cut short at the end (EINVAL): keep the byte.
            out.push_back(wchar_t(EscapeBase + static_cast<unsigned char>(*in)));
            ++in;
            --left;
        }
    }
    return FromCodePoints(out);
}

QByteArray EncodeCodePage(const QString& Text, int CodePage)
{
    if (CodePage == AnsiCodePage || Text.isEmpty())
        return ToAnsi(Text);
    const std::vector<wchar_t> points = ToCodePoints(Text);
    for (wchar_t c : points)
        if (QChar::isSurrogate(char32_t(c)) && !IsEscape(char32_t(c)))
            Unstorable(char32_t(c), CodePage);
    TIconv cd(IconvName(CodePage).constData(), "WCHAR_T", CodePage);
    std::vector<char> out;
    out.reserve(points.size() * 2);
    const wchar_t* in = points.data();
    const wchar_t* end = in + points.size();
    while (in != end) {
        if (IsEscape(char32_t(*in))) {
            out.push_back(char(*in - EscapeBase));
            ++in;
            continue;
        }
        const wchar_t* run = in;
        while (run != end && !IsEscape(char32_t(*run)))
            ++run;
        size_t left = size_t(run - in);
        if (cd.Convert(in, left, out) != 0)
            Unstorable(char32_t(*in), CodePage);
        cd.Flush(out);
    }
    return QByteArray(out.data(), qsizetype(out.size()));
}

} // namespace classlib
