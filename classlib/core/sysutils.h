#pragma once

// Exceptions, rounding and the string helpers every layer uses.

#include "classlib/core/object.h"

#include <QByteArray>
#include <QChar>
#include <QString>

#include <concepts>
#include <exception>
#include <initializer_list>
#include <type_traits>

namespace classlib {

// ---------------------------------------------------------------------------
// Exceptions

// Base of every error the class library and the program raise. Exceptions
// are values (thrown, copied into exception_ptr), so unlike other TObjects
// they copy; a copy is a fresh object carrying the same message.
class Exception : public TObject, public std::exception {
public:
    explicit Exception(const QString& Msg);
    Exception(const Exception& Other);
    Exception& operator=(const Exception& Other);
    ~Exception() override = default;

    // UTF-8 of Message, refreshed when Message has been changed.
    const char* what() const noexcept override;

    QString Message;

private:
    mutable QString FWhatOf;
    mutable QByteArray FWhat;
};

// The silent abort: unwinds to the event loop without showing anything.
class EAbort : public Exception { public: using Exception::Exception; };
class EConvertError : public Exception { public: using Exception::Exception; };
class EListError : public Exception { public: using Exception::Exception; };
class EStringListError : public Exception { public: using Exception::Exception; };
class EStreamError : public Exception { public: using Exception::Exception; };
class EFCreateError : public EStreamError { public: using EStreamError::EStreamError; };
class EFOpenError : public EStreamError { public: using EStreamError::EStreamError; };
class EFilerError : public EStreamError { public: using EStreamError::EStreamError; };
class EReadError : public EFilerError { public: using EFilerError::EFilerError; };
class EWriteError : public EFilerError { public: using EFilerError::EFilerError; };
class EClassNotFound : public EFilerError { public: using EFilerError::EFilerError; };
class EComponentError : public Exception { public: using Exception::Exception; };
class EInvalidOperation : public Exception { public: using Exception::Exception; };
class EOutOfMemory : public Exception { public: using Exception::Exception; };
class EParserError : public Exception { public: using Exception::Exception; };
// Errors of floating-point arithmetic; EInvalidOp is the invalid operation
// (and what a refused floating-point value raises).
class EMathError : public Exception { public: using Exception::Exception; };
class EInvalidOp : public EMathError { public: using EMathError::EMathError; };

// Raises EAbort "Operation aborted".
[[noreturn]] void Abort();

// ---------------------------------------------------------------------------
// Numbers

// Nearest integer, halves to even. EConvertError for NaN and values outside
// the result type.
int Round(double Value);
qint64 Round64(double Value);

// a*b/c through a 64-bit intermediate, rounded to nearest with halves away
// from zero. -1 when c is 0 or the result does not fit an int.
int MulDiv(int a, int b, int c);

// ---------------------------------------------------------------------------
// Format

// One argument of Format.
class TVarRec {
public:
    enum TVarType { vtInteger, vtInt64, vtExtended, vtString, vtChar, vtPointer };

    template <std::integral T>
        requires(!std::same_as<T, bool> && !std::same_as<T, char> && !std::same_as<T, char8_t> &&
                 !std::same_as<T, char16_t> && !std::same_as<T, char32_t> &&
                 !std::same_as<T, wchar_t>)
    TVarRec(T Value)
        : VType(std::is_signed_v<T> && sizeof(T) <= 4 ? vtInteger : vtInt64)
        , VInteger(static_cast<qint64>(Value))
    {
    }
    template <std::floating_point T>
    TVarRec(T Value) : VType(vtExtended), VExtended(static_cast<double>(Value))
    {
    }
    TVarRec(const QString& Value) : VType(vtString), VString(Value) {}
    TVarRec(const char* Utf8) : VType(vtString), VString(QString::fromUtf8(Utf8)) {}
    // One byte of the ANSI code page.
    TVarRec(char Value);
    TVarRec(QChar Value) : VType(vtChar), VChar(Value) {}
    TVarRec(const void* Value) : VType(vtPointer), VPointer(Value) {}
    TVarRec(bool) = delete;

    TVarType VType;
    qint64 VInteger = 0;  // vtInteger holds an int's value
    double VExtended = 0;
    QString VString;
    QChar VChar;
    const void* VPointer = nullptr;
};

// The user's decimal separator: the system locale's at start, and what
// "%f", FormatFloat and StrToFloat use. The other floating-point types of
// Format keep the point, since texts the program reads back use them.
extern QChar DecimalSeparator;

// The class library's format: %[index:][-][width][.precision]type with the
// types d u x e f g n m s p (upper or lower case) and %%; index, width and
// precision may be * (taken from the next argument). EConvertError
// "Format '%s' invalid or incompatible with argument" for a bad format or
// an argument of the wrong kind.
QString Format(const QString& Fmt, std::initializer_list<TVarRec> Args);

// Value after a picture of up to three sections separated by ';' (positive,
// negative, zero): '0' a digit that is always shown, '#' one shown only when
// significant, '.' the decimal separator, ',' among the integer digits
// groups thousands with commas, "E+0"/"E-0" (or 'e') scientific notation
// with at least as many exponent digits as zeros; text in quotes and other
// characters before or after the digits stay as they are. An empty picture
// gives the general format of 15 significant digits. NaN and infinities
// give "NAN", "INF" and "-INF".
QString FormatFloat(const QString& Picture, double Value);

// ---------------------------------------------------------------------------
// Strings

QString IntToStr(qint64 Value);
// Decimal, or hexadecimal after $ or 0x (a 32-bit pattern); leading spaces
// and a sign are allowed. EConvertError "'%s' is not a valid integer value".
int StrToInt(const QString& S);

// Decimal with DecimalSeparator and an optional exponent; leading and
// trailing spaces are allowed. EConvertError "'%s' is not a valid floating
// point value" for anything else, including NaN, infinities and values
// beyond the range of a double.
double StrToFloat(const QString& S);

// A letter or underscore, then letters, digits and underscores (ASCII).
bool IsValidIdent(const QString& Ident);

// Ordinal comparison after folding ASCII a-z to upper case: <0, 0 or >0.
int CompareText(QStringView S1, QStringView S2);
bool SameText(QStringView S1, QStringView S2);
// ASCII letters only; other characters are kept as they are.
QString UpperCase(const QString& S);
QString LowerCase(const QString& S);

} // namespace classlib
