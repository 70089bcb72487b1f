#include "classlib/core/textform.h"

#include "classlib/core/extended.h"
#include "classlib/core/streams.h"
#include "classlib/core/sysutils.h"

#include <QByteArray>
#include <QtEndian>

#include <charconv>
#include <cstring>
#include <limits>

namespace classlib {

namespace {

constexpr char LineBreak[] = "\r\n";
constexpr quint64 IntegerBit = quint64(1) << 63;
constexpr quint64 QuietNaN = IntegerBit | (IntegerBit >> 1);
constexpr int BinaryLineBytes = 32;
constexpr char RawExtended[] = "Extended";

bool IsIdentStart(uchar c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

// Dots belong to identifiers: property paths and references are one token.
bool IsIdentChar(uchar c)
{
    return IsIdentStart(c) || (c >= '0' && c <= '9') || c == '.';
}

bool IsDigit(uchar c)
{
    return c >= '0' && c <= '9';
}

bool IsIdent(const uchar* S, qsizetype Length)
{
    if (Length == 0 || !IsIdentStart(S[0])) return false;
    for (qsizetype i = 1; i < Length; ++i)
        if (!IsIdentChar(S[i])) return false;
    return true;
}

bool SameWord(const uchar* S, qsizetype Length, const char* Word)
{
    const qsizetype n = qsizetype(std::strlen(Word));
    if (n != Length) return false;
    for (qsizetype i = 0; i < n; ++i) {
        uchar c = S[i];
        if (c >= 'A' && c <= 'Z') c = uchar(c - 'A' + 'a');
        if (c != uchar(Word[i])) return false;
    }
    return true;
}

// Words that open or close a record; a property cannot bear one.
bool IsKeyword(const uchar* S, qsizetype Length)
{
    return SameWord(S, Length, "end") || SameWord(S, Length, "object") ||
           SameWord(S, Length, "inherited") || SameWord(S, Length, "inline");
}

bool IsConstant(const uchar* S, qsizetype Length)
{
    return SameWord(S, Length, "true") || SameWord(S, Length, "false") || SameWord(S, Length, "nil");
}

// Bytes written as themselves inside quotes: not the controls, DEL, nor
// the five that the ANSI code page leaves undefined.
struct TPrintable {
    bool Table[256];
    constexpr TPrintable() : Table()
    {
        for (int i = 0; i < 256; ++i) Table[i] = i >= 32 && i != 127;
        for (int i : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) Table[i] = false;
    }
};
constexpr TPrintable Printable;

void AppendInt(QByteArray& Out, qint64 Value)
{
    char buf[24];
    const auto r = std::to_chars(buf, buf + sizeof buf, Value);
    Out.append(buf, r.ptr - buf);
}

void AppendHex(QByteArray& Out, const uchar* Data, qsizetype Length)
{
    static const char digits[] = "0123456789ABCDEF";
    const qsizetype at = Out.size();
    Out.resize(at + 2 * Length);
    char* p = Out.data() + at;
    for (qsizetype i = 0; i < Length; ++i) {
        *p++ = digits[Data[i] >> 4];
        *p++ = digits[Data[i] & 15];
    }
}

// A decimal float as the text gives it; false when it names no finite
// extended value (out of range, or too small to be normal).
bool ParseDecimal(const char* First, const char* Last, unsigned char (&Bytes)[10])
{
    if (First < Last && *First == '+') ++First;
    long double v = 0;
    const auto r = std::from_chars(First, Last, v);
    if (r.ec != std::errc() || r.ptr != Last) return false;
    ExtendedToBytes(v, Bytes);
    return true;
}

void AppendExtended(QByteArray& Out, const uchar* Bytes)
{
    unsigned char b[ExtendedSize];
    std::memcpy(b, Bytes, ExtendedSize);
    const quint64 mantissa = qFromLittleEndian<quint64>(b);
    const unsigned se = unsigned(b[8]) | (unsigned(b[9]) << 8);
    const char sign = se & 0x8000u ? '-' : '+';
    if ((se & 0x7FFFu) == 0x7FFFu) {
        if (mantissa == IntegerBit || mantissa == QuietNaN) {
            Out.append(sign);
            Out.append(mantissa == IntegerBit ? "Inf" : "NaN");
            return;
        }
    } else {
        // The shortest decimal that gives the value back, when it gives
        // back these very bytes; denormals and unnormals do not.
        char buf[64];
        const auto r = std::to_chars(buf, buf + sizeof buf - 2, ExtendedFromBytes(b));
        unsigned char back[ExtendedSize];
        if (r.ec == std::errc() && ParseDecimal(buf, r.ptr, back) &&
            std::memcmp(back, b, ExtendedSize) == 0) {
            Out.append(buf, r.ptr - buf);
            if (!std::memchr(buf, '.', size_t(r.ptr - buf)) && !std::memchr(buf, 'e', size_t(r.ptr - buf)))
                Out.append(".0");
            return;
        }
    }
    Out.append(RawExtended);
    Out.append("($");
    AppendHex(Out, b, ExtendedSize);
    Out.append(')');
}

void AppendString(QByteArray& Out, const uchar* S, qsizetype Length)
{
    bool plain = true;
    for (qsizetype i = 0; i < Length && plain; ++i) plain = Printable.Table[S[i]] && S[i] != '\'';
    if (plain) {
        Out.append('\'');
        Out.append(reinterpret_cast<const char*>(S), Length);
        Out.append('\'');
        return;
    }
    bool quoted = false;
    for (qsizetype i = 0; i < Length; ++i) {
        const uchar c = S[i];
        if (Printable.Table[c]) {
            if (!quoted) Out.append('\''), quoted = true;
            if (c == '\'') Out.append('\'');
            Out.append(char(c));
        } else {
            if (quoted) Out.append('\''), quoted = false;
            Out.append('#');
            AppendInt(Out, c);
        }
    }
    if (quoted) Out.append('\'');
}

// The bytes that remain in a stream, without a copy when it is in memory.
class TInput {
public:
    explicit TInput(TStream& Stream) : FStream(Stream), FStart(Stream.Position())
    {
        if (auto* m = dynamic_cast<TCustomMemoryStream*>(&Stream)) {
            const qint64 size = m->Size();
            FData = reinterpret_cast<const uchar*>(m->Memory()) + qMin(FStart, size);
            FSize = qMax<qint64>(0, size - FStart);
            return;
        }
        FCopy.resize(Stream.Remaining());
        Stream.ReadBuffer(FCopy.data(), FCopy.size());
        Stream.SetPosition(FStart);
        FData = reinterpret_cast<const uchar*>(FCopy.constData());
        FSize = FCopy.size();
    }

    const uchar* Data() const { return FData; }
    qint64 Size() const { return FSize; }
    void Consume(qint64 Count) { FStream.SetPosition(FStart + Count); }

private:
    TStream& FStream;
    qint64 FStart;
    QByteArray FCopy;
    const uchar* FData;
    qint64 FSize;
};

// ---------------------------------------------------------------------------

// One level of a converter's nesting, refused beyond its depth limit.
template <class TConverter>
class TNesting {
public:
    explicit TNesting(TConverter& C) : FC(C)
    {
        if (++FC.FDepth > FC.FLimits.MaxDepth) FC.Fail(SStreamTooDeep);
    }
    ~TNesting() { --FC.FDepth; }
    TNesting(const TNesting&) = delete;
    TNesting& operator=(const TNesting&) = delete;

private:
    TConverter& FC;
};

class TBinaryToText {
public:
    TBinaryToText(const uchar* Data, qint64 Size, const TReaderLimits& Limits)
        : FStart(Data), FPos(Data), FEnd(Data + Size), FLimits(Limits)
    {
        FOut.reserve(qsizetype(qMin<qint64>(Size * 2, qint64(1) << 24)) + 64);
    }

    qint64 Convert()
    {
        Need(4);
        if (std::memcmp(FPos, StreamSignature, 4) != 0) Fail(SInvalidStreamFormat);
        FPos += 4;
        Object(0);
        return FPos - FStart;
    }

    const QByteArray& Text() const { return FOut; }

private:
    friend class TNesting<TBinaryToText>;
    using TLevel = TNesting<TBinaryToText>;

    [[noreturn]] void Fail(const char* Message) { throw EReadError(QString::fromLatin1(Message)); }
    void Need(qint64 Count)
    {
        if (Count < 0 || FEnd - FPos < Count) Fail(SStreamReadError);
    }
    uchar Peek()
    {
        Need(1);
        return *FPos;
    }
    uchar Byte()
    {
        Need(1);
        return *FPos++;
    }
    qint32 Length()
    {
        Need(4);
        const qint32 n = qFromLittleEndian<qint32>(FPos);
        FPos += 4;
        Need(n);
        return n;
    }
    void Indent(int Level) { FOut.append(qsizetype(2) * Level, ' '); }
    void NewLine() { FOut.append(LineBreak, 2); }

    enum TNameKind { nkName, nkProperty, nkValue };

    // A short string: as it stands when it reads back as one identifier,
    // else quoted behind '&'. A property cannot stand as a keyword, an
    // identifier value not as True, False or nil.
    void Name(TNameKind Kind = nkName)
    {
        const int n = Byte();
        Need(n);
        const bool plain = IsIdent(FPos, n) && !(Kind == nkProperty && IsKeyword(FPos, n)) &&
                           !(Kind == nkValue && IsConstant(FPos, n));
        if (plain) {
            FOut.append(reinterpret_cast<const char*>(FPos), n);
        } else {
            FOut.append('&');
            AppendString(FOut, FPos, n);
        }
        FPos += n;
    }

    bool IsIntegerType(uchar Type) const
    {
        return Type == quint8(TValueType::vaInt8) || Type == quint8(TValueType::vaInt16) ||
               Type == quint8(TValueType::vaInt32) || Type == quint8(TValueType::vaInt64);
    }

    qint64 Integer()
    {
        switch (TValueType(Byte())) {
        case TValueType::vaInt8:
            return qint8(Byte());
        case TValueType::vaInt16:
            Need(2);
            FPos += 2;
            return qFromLittleEndian<qint16>(FPos - 2);
        case TValueType::vaInt32:
            Need(4);
            FPos += 4;
            return qFromLittleEndian<qint32>(FPos - 4);
        case TValueType::vaInt64:
            Need(8);
            FPos += 8;
            return qFromLittleEndian<qint64>(FPos - 8);
        default:
            Fail(SInvalidStreamFormat);
        }
    }

    void Object(int Level)
    {
        TLevel l(*this);
        int flags = 0;
        qint64 position = 0;
        if ((Peek() & PrefixMark) == PrefixMark) {
            flags = Byte() & 0x0F;
            // Only what the text can say: one of inherited and inline.
            const int known = ffInherited | ffChildPos | ffInline;
            if (flags == 0 || (flags & ~known) || (flags & (ffInherited | ffInline)) == (ffInherited | ffInline))
                Fail(SInvalidStreamFormat);
            if (flags & ffChildPos) {
                position = Integer();
                if (position < std::numeric_limits<qint32>::min() || position > std::numeric_limits<qint32>::max())
                    Fail(SInvalidStreamFormat);
            }
        }
        Indent(Level);
        FOut.append(flags & ffInline ? "inline " : flags & ffInherited ? "inherited " : "object ");
        const uchar* cls = FPos;
        const int clsLength = Byte();
        Need(clsLength);
        FPos += clsLength;
        if (Peek() != 0) {
            Name();
            FOut.append(": ");
        } else {
            ++FPos;
        }
        const uchar* after = FPos;
        FPos = cls;
        Name();
        FPos = after;
        if (flags & ffChildPos) {
            FOut.append(" [");
            AppendInt(FOut, position);
            FOut.append(']');
        }
        NewLine();
        while (Peek() != 0) Property(Level + 1);
        ++FPos;
        while (Peek() != 0) Object(Level + 1);
        ++FPos;
        Indent(Level);
        FOut.append("end");
        NewLine();
    }

    void Property(int Level)
    {
        Indent(Level);
        Name(nkProperty);
        FOut.append(" = ");
        Value(Level);
        NewLine();
    }

    void Value(int Level)
    {
        const uchar type = Peek();
        if (IsIntegerType(type)) return AppendInt(FOut, Integer());
        ++FPos;
        switch (TValueType(type)) {
        case TValueType::vaList: {
            TLevel l(*this);
            FOut.append('(');
            while (Peek() != 0) {
                NewLine();
                Indent(Level + 1);
                Value(Level + 1);
            }
            ++FPos;
            FOut.append(')');
            return;
        }
        case TValueType::vaExtended:
            Need(ExtendedSize);
            AppendExtended(FOut, FPos);
            FPos += ExtendedSize;
            return;
        case TValueType::vaString: {
            const int n = Byte();
            Need(n);
            AppendString(FOut, FPos, n);
            FPos += n;
            return;
        }
        case TValueType::vaLString: {
            const qint32 n = Length();
            AppendString(FOut, FPos, n);
            FPos += n;
            return;
        }
        case TValueType::vaIdent:
            return Name(nkValue);
        case TValueType::vaFalse:
            FOut.append("False");
            return;
        case TValueType::vaTrue:
            FOut.append("True");
            return;
        case TValueType::vaNil:
            FOut.append("nil");
            return;
        case TValueType::vaBinary: {
            const qint32 n = Length();
            FOut.append('{');
            for (qint32 i = 0; i < n; i += BinaryLineBytes) {
                NewLine();
                Indent(Level + 1);
                AppendHex(FOut, FPos + i, qMin(BinaryLineBytes, n - i));
            }
            FPos += n;
            FOut.append('}');
            return;
        }
        case TValueType::vaSet:
            FOut.append('[');
            for (bool first = true; Peek() != 0; first = false) {
                if (!first) FOut.append(", ");
                Name();
            }
            ++FPos;
            FOut.append(']');
            return;
        case TValueType::vaCollection: {
            TLevel l(*this);
            FOut.append('<');
            while (Peek() != 0) {
                NewLine();
                Indent(Level + 1);
                FOut.append("item");
                if (IsIntegerType(Peek())) {
                    FOut.append(" [");
                    AppendInt(FOut, Integer());
                    FOut.append(']');
                }
                if (Byte() != quint8(TValueType::vaList)) Fail(SInvalidStreamFormat);
                NewLine();
                while (Peek() != 0) Property(Level + 2);
                ++FPos;
                Indent(Level + 1);
                FOut.append("end");
            }
            ++FPos;
            FOut.append('>');
            return;
        }
        default:
            Fail(SInvalidStreamFormat);
        }
    }

    const uchar* FStart;
    const uchar* FPos;
    const uchar* FEnd;
    TReaderLimits FLimits;
    int FDepth = 0;
    QByteArray FOut;
};

// ---------------------------------------------------------------------------

class TTextToBinary {
public:
    TTextToBinary(const uchar* Data, qint64 Size, const TReaderLimits& Limits)
        : FStart(Data), FPos(Data), FEnd(Data + Size), FLimits(Limits)
    {
        FOut.reserve(qsizetype(qMin<qint64>(Size, qint64(1) << 24)) + 64);
    }

    qint64 Convert()
    {
        FOut.append(StreamSignature, 4);
        Object(true);
        Blanks();
        return FPos - FStart;
    }

    const QByteArray& Bytes() const { return FOut; }

private:
    struct TWord {
        const uchar* Data;
        qsizetype Length;
        bool Is(const char* Word) const { return SameWord(Data, Length, Word); }
    };

    friend class TNesting<TTextToBinary>;
    using TLevel = TNesting<TTextToBinary>;

    [[noreturn]] void Fail(const char* Message)
    {
        int line = 1;
        for (const uchar* p = FStart; p < FPos && p < FEnd; ++p)
            if (*p == '\n') ++line;
        throw EParserError(Format("%s on line %d", {QString::fromLatin1(Message), line}));
    }

    void Blanks()
    {
        while (FPos < FEnd && (*FPos == ' ' || *FPos == '\t' || *FPos == '\r' || *FPos == '\n')) ++FPos;
    }
    // The next character after blanks; 0 at the end of the text.
    uchar Next()
    {
        Blanks();
        return FPos < FEnd ? *FPos : 0;
    }
    void Expect(char C, const char* Message)
    {
        if (Next() != uchar(C)) Fail(Message);
        ++FPos;
    }

    TWord PeekWord()
    {
        Blanks();
        const uchar* p = FPos;
        if (p < FEnd && IsIdentStart(*p))
            while (++p < FEnd && IsIdentChar(*p)) {
            }
        return {FPos, p - FPos};
    }
    TWord Word()
    {
        const TWord w = PeekWord();
        if (w.Length == 0) Fail("Identifier expected");
        if (w.Length > MaxShortString) Fail("Identifier too long");
        FPos += w.Length;
        return w;
    }
    void Short(const TWord& W)
    {
        FOut.append(char(W.Length));
        FOut.append(reinterpret_cast<const char*>(W.Data), W.Length);
    }
    // An identifier, or any short string quoted behind '&'. Where an empty
    // string would end a list (a property or set member), it cannot stand.
    void Name(bool AllowEmpty = true)
    {
        if (Next() != '&') return Short(Word());
        ++FPos;
        if (FPos == FEnd || (*FPos != '\'' && *FPos != '#')) Fail("String expected");
        const QByteArray s = StringBytes();
        if (s.size() > MaxShortString) Fail("Identifier too long");
        if (s.isEmpty() && !AllowEmpty) Fail("Identifier expected");
        FOut.append(char(s.size()));
        FOut.append(s);
    }

    template <class T>
    void AppendLE(T Value)
    {
        uchar b[sizeof(T)];
        qToLittleEndian<T>(Value, b);
        FOut.append(reinterpret_cast<const char*>(b), sizeof(T));
    }

    void Integer(qint64 Value)
    {
        if (Value >= -128 && Value <= 127) {
            FOut.append(char(TValueType::vaInt8));
            FOut.append(char(qint8(Value)));
        } else if (Value >= -32768 && Value <= 32767) {
            FOut.append(char(TValueType::vaInt16));
            AppendLE(qint16(Value));
        } else if (Value >= std::numeric_limits<qint32>::min() && Value <= std::numeric_limits<qint32>::max()) {
            FOut.append(char(TValueType::vaInt32));
            AppendLE(qint32(Value));
        } else {
            FOut.append(char(TValueType::vaInt64));
            AppendLE(Value);
        }
    }

    // A decimal integer with an optional sign.
    qint64 ScanInteger()
    {
        const uchar c = Next();
        const uchar* p = FPos;
        const bool negative = c == '-';
        if (c == '-' || c == '+') ++p;
        if (p == FEnd || !IsDigit(*p)) Fail("Integer expected");
        quint64 v = 0;
        const quint64 limit = negative ? quint64(1) << 63 : (quint64(1) << 63) - 1;
        for (; p < FEnd && IsDigit(*p); ++p) {
            const unsigned d = *p - '0';
            if (v > (limit - d) / 10) {
                FPos = p;
                Fail("Integer out of range");
            }
            v = v * 10 + d;
        }
        FPos = p;
        return negative ? qint64(0 - v) : qint64(v);
    }

    void Object(bool Root)
    {
        const TWord kind = PeekWord();
        int flags = 0;
        if (kind.Is("inherited"))
            flags = ffInherited;
        else if (kind.Is("inline"))
            flags = ffInline;
        else if (!kind.Is("object"))
            Fail("'object' expected");
        FPos += kind.Length;
        const uchar* headerPos = FPos;
        TLevel l(*this);
        // Name and class come in the text's order and go out in the
        // stream's: class first.
        const qsizetype headerAt = FOut.size();
        Name();
        if (Next() == ':') {
            ++FPos;
            Name();
        } else {
            FOut.insert(headerAt, char(0));  // no name
        }
        const QByteArray header = FOut.mid(headerAt);
        FOut.truncate(headerAt);
        qint64 position = 0;
        if (Next() == '[') {
            ++FPos;
            position = ScanInteger();
            if (position < std::numeric_limits<qint32>::min() || position > std::numeric_limits<qint32>::max())
                Fail("Integer out of range");
            Expect(']', "']' expected");
            flags |= ffChildPos;
        }
        if (flags) {
            FOut.append(char(PrefixMark | flags));
            if (flags & ffChildPos) Integer(position);
        }
        // header: the name, then the class.
        const int firstLength = quint8(header[0]);
        // Without a prefix, the class name's length byte must not pass for
        // one, nor (in a child) for the end of the list.
        const int classLength = quint8(header[1 + firstLength]);
        if (!flags && (classLength >= PrefixMark || (classLength == 0 && !Root))) {
            FPos = headerPos;
            Fail("Invalid class name");
        }
        FOut.append(header.constData() + 1 + firstLength, header.size() - 1 - firstLength);
        FOut.append(header.constData(), 1 + firstLength);
        for (;;) {
            const TWord w = PeekWord();
            if (w.Is("end") || w.Is("object") || w.Is("inherited") || w.Is("inline")) break;
            Property();
        }
        FOut.append(char(0));
        while (!PeekWord().Is("end")) Object(false);
        FPos += 3;
        FOut.append(char(0));
    }

    void Property()
    {
        Name(false);
        Expect('=', "'=' expected");
        Value();
    }

    void Value()
    {
        const uchar c = Next();
        switch (c) {
        case '(': {
            TLevel l(*this);
            ++FPos;
            FOut.append(char(TValueType::vaList));
            while (Next() != ')') Value();
            ++FPos;
            FOut.append(char(0));
            return;
        }
        case '[':
            ++FPos;
            FOut.append(char(TValueType::vaSet));
            if (Next() != ']') {
                for (;;) {
                    Name(false);
                    if (Next() != ',') break;
                    ++FPos;
                }
            }
            Expect(']', "']' expected");
            FOut.append(char(0));
            return;
        case '{':
            ++FPos;
            return Binary();
        case '<':
            ++FPos;
            return Collection();
        case '\'':
        case '#':
            return String();
        case '&':
            FOut.append(char(TValueType::vaIdent));
            return Name();
        default:
            break;
        }
        if (IsDigit(c) || c == '-' || c == '+') return Number();
        if (!IsIdentStart(c)) Fail("Property value expected");
        const TWord w = Word();
        if (w.Is("false")) {
            FOut.append(char(TValueType::vaFalse));
        } else if (w.Is("true")) {
            FOut.append(char(TValueType::vaTrue));
        } else if (w.Is("nil")) {
            FOut.append(char(TValueType::vaNil));
        } else if (w.Length == qsizetype(sizeof RawExtended - 1) &&
                   std::memcmp(w.Data, RawExtended, sizeof RawExtended - 1) == 0 && FPos < FEnd && *FPos == '(') {
            ++FPos;
            RawFloat();
        } else {
            FOut.append(char(TValueType::vaIdent));
            Short(w);
        }
    }

    static int HexDigit(uchar c)
    {
        if (IsDigit(c)) return c - '0';
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        return -1;
    }

    // Hex digits up to '}' (or ')' for a raw float), blanks between them.
    QByteArray HexBytes(char Close)
    {
        QByteArray bytes;
        int high = -1;
        for (;;) {
            const uchar c = Next();
            if (c == uchar(Close)) break;
            const int d = HexDigit(c);
            if (d < 0) Fail("Invalid binary value");
            ++FPos;
            if (high < 0) {
                high = d;
            } else {
                bytes.append(char(high << 4 | d));
                high = -1;
            }
        }
        if (high >= 0) Fail("Invalid binary value");
        ++FPos;
        return bytes;
    }

    void Binary()
    {
        const QByteArray bytes = HexBytes('}');
        FOut.append(char(TValueType::vaBinary));
        AppendLE(qint32(bytes.size()));
        FOut.append(bytes);
    }

    void RawFloat()
    {
        Expect('$', "'$' expected");
        const QByteArray bytes = HexBytes(')');
        if (bytes.size() != ExtendedSize) Fail("Invalid floating point number");
        FOut.append(char(TValueType::vaExtended));
        FOut.append(bytes);
    }

    void Collection()
    {
        TLevel l(*this);
        FOut.append(char(TValueType::vaCollection));
        while (Next() != '>') {
            if (!Word().Is("item")) Fail("'item' expected");
            if (Next() == '[') {
                ++FPos;
                Integer(ScanInteger());
                Expect(']', "']' expected");
            }
            FOut.append(char(TValueType::vaList));
            while (!PeekWord().Is("end")) Property();
            FPos += 3;
            FOut.append(char(0));
        }
        ++FPos;
        FOut.append(char(0));
    }

    void String()
    {
        const QByteArray s = StringBytes();
        if (s.size() <= MaxShortString) {
            FOut.append(char(TValueType::vaString));
            FOut.append(char(s.size()));
        } else {
            if (s.size() > std::numeric_limits<qint32>::max()) Fail("String too long");
            FOut.append(char(TValueType::vaLString));
            AppendLE(qint32(s.size()));
        }
        FOut.append(s);
    }

    // Quoted runs and #nnn codes, side by side.
    QByteArray StringBytes()
    {
        QByteArray s;
        for (;;) {
            if (FPos < FEnd && *FPos == '\'') {
                ++FPos;
                for (;;) {
                    const uchar* q = FPos;
                    while (q < FEnd && *q != '\'' && *q != '\r' && *q != '\n') ++q;
                    s.append(reinterpret_cast<const char*>(FPos), q - FPos);
                    FPos = q;
                    if (q == FEnd || *q != '\'') Fail("Unterminated string");
                    if (q + 1 < FEnd && q[1] == '\'') {
                        s.append('\'');
                        FPos = q + 2;
                        continue;
                    }
                    FPos = q + 1;
                    break;
                }
            } else if (FPos < FEnd && *FPos == '#') {
                ++FPos;
                if (FPos == FEnd || !IsDigit(*FPos)) Fail("Invalid character code");
                int v = 0;
                while (FPos < FEnd && IsDigit(*FPos)) {
                    v = v * 10 + (*FPos++ - '0');
                    if (v > 255) Fail("Invalid character code");
                }
                s.append(char(v));
            } else {
                break;
            }
        }
        return s;
    }

    void Number()
    {
        const uchar* start = FPos;
        const uchar* p = FPos;
        if (*p == '+' || *p == '-') ++p;
        for (const char* word : {"Inf", "NaN"}) {
            if (FEnd - p >= 3 && std::memcmp(p, word, 3) == 0 && p != start &&
                (FEnd - p == 3 || !IsIdentChar(p[3]))) {
                FOut.append(char(TValueType::vaExtended));
                AppendLE(quint64(word[0] == 'I' ? IntegerBit : QuietNaN));
                AppendLE(quint16((*start == '-' ? 0x8000u : 0u) | 0x7FFFu));
                FPos = p + 3;
                return;
            }
        }
        bool isFloat = false;
        while (p < FEnd && IsDigit(*p)) ++p;
        if (p < FEnd && *p == '.') {
            isFloat = true;
            ++p;
            if (p == FEnd || !IsDigit(*p)) Fail("Invalid floating point number");
            while (p < FEnd && IsDigit(*p)) ++p;
        }
        if (p < FEnd && (*p == 'e' || *p == 'E')) {
            isFloat = true;
            ++p;
            if (p < FEnd && (*p == '+' || *p == '-')) ++p;
            if (p == FEnd || !IsDigit(*p)) Fail("Invalid floating point number");
            while (p < FEnd && IsDigit(*p)) ++p;
        }
        if (!isFloat) return Integer(ScanInteger());
        unsigned char b[ExtendedSize];
        if (!ParseDecimal(reinterpret_cast<const char*>(start), reinterpret_cast<const char*>(p), b))
            Fail("Invalid floating point number");
        FPos = p;
        FOut.append(char(TValueType::vaExtended));
        FOut.append(reinterpret_cast<const char*>(b), ExtendedSize);
    }

    const uchar* FStart;
    const uchar* FPos;
    const uchar* FEnd;
    TReaderLimits FLimits;
    int FDepth = 0;
    QByteArray FOut;
};

} // namespace

void ObjectBinaryToText(TStream& Input, TStream& Output, const TReaderLimits& Limits)
{
    TInput input(Input);
    TBinaryToText converter(input.Data(), input.Size(), Limits);
    const qint64 used = converter.Convert();
    Output.WriteBuffer(converter.Text().constData(), converter.Text().size());
    input.Consume(used);
}

void ObjectTextToBinary(TStream& Input, TStream& Output, const TReaderLimits& Limits)
{
    TInput input(Input);
    TTextToBinary converter(input.Data(), input.Size(), Limits);
    const qint64 used = converter.Convert();
    Output.WriteBuffer(converter.Bytes().constData(), converter.Bytes().size());
    input.Consume(used);
}

} // namespace classlib
