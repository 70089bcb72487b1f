// A library for the loading tests: counts its attach and detach entries,
// can be told to fail the next attach, carries a small resource table and
// an entry that raises what it is asked to.

#include "classlib/graphics/bitmap.h"
#include "classlib/system/dll.h"
#include "classlib/system/libraryentry.h"
#include "classlib/system/moduleresources.h"

#include <QImage>

#include <stdexcept>
#include <vector>

using namespace classlib;

namespace {

int Attaches = 0;
int Detaches = 0;
bool FailAttach = false;

QByteArray BitmapFile()
{
    QImage image(2, 3, QImage::Format_RGB32);
    image.fill(Qt::red);
    TBitmap bmp;
    bmp.SetImage(image);
    TMemoryStream stream;
    bmp.SaveToStream(stream);
    return stream.Bytes();
}

const unsigned char* Bytes(const QByteArray& Data)
{
    return reinterpret_cast<const unsigned char*>(Data.constData());
}

} // namespace

extern "C" {

int QXLibraryAttach(TQXEntryStatus* Status)
{
    return GuardEntry(Status, [] {
        if (FailAttach) {
            FailAttach = false;
            throw Exception(QStringLiteral("Attach refused"));
        }
        ++Attaches;
    });
}

int QXLibraryDetach(TQXEntryStatus* Status)
{
    return GuardEntry(Status, [] { ++Detaches; });
}

void DllTestCounts(int* Attach, int* Detach)
{
    *Attach = Attaches;
    *Detach = Detaches;
}

void DllTestFailNextAttach()
{
    FailAttach = true;
}

// Kind 0 succeeds; 1 EDLLException, 2 EAbort, 3 a standard exception,
// 4 something that is no exception class, 5 EResNotFound.
int DllTestRaise(int Kind, const char* Message, TQXEntryStatus* Status)
{
    return GuardEntry(Status, [&] {
        const QString text = QString::fromUtf8(Message);
        switch (Kind) {
        case 1: throw EDLLException(text);
        case 2: throw EAbort(text);
        case 3: throw std::runtime_error(Message);
        case 4: throw 42;
        case 5: throw EResNotFound(text);
        default: break;
        }
    });
}

const TQXResourceTable* QXModuleResources()
{
    static const QByteArray bitmap = BitmapFile();
    static const QByteArray text = QByteArrayLiteral("Hello\nW\xC3\xB6rld");
    static const QByteArray raw = QByteArrayLiteral("\x00\x01\x02raw");
    static const QByteArray notBitmap = QByteArrayLiteral("not a bitmap");
    static const QByteArray longText(5000, 'x');
    static const TQXResource items[] = {
        {rkBitmap, 1, Bytes(bitmap), static_cast<unsigned long>(bitmap.size())},
        {rkString, 10, Bytes(text), static_cast<unsigned long>(text.size())},
        {rkRawData, 10, Bytes(raw), static_cast<unsigned long>(raw.size())},
        {rkBitmap, 30, Bytes(notBitmap), static_cast<unsigned long>(notBitmap.size())},
        {rkString, 40, Bytes(longText), static_cast<unsigned long>(longText.size())},
    };
    static const TQXResourceTable table{int(std::size(items)), items};
    return &table;
}
}
