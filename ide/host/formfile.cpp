#include "ide/host/formfile.h"

#include "ide/host/hostform.h"
#include "ide/host/sourceunit.h"

#include "runtime/preview.h"
#include "runtime/report.h"

#include "classlib/core/atomicsave.h"
#include "classlib/core/reader.h"
#include "classlib/core/streamformat.h"
#include "classlib/core/streams.h"
#include "classlib/core/writer.h"

#include <QFile>

#include <cstring>

using namespace classlib;

namespace idehost {

namespace {

constexpr char Magic[4] = {'Q', 'X', 'H', 'F'};
constexpr char Version = 1;
constexpr qint64 HeaderBytes = 4 + 1 + 4;

[[noreturn]] void Fail(const char* Message)
{
    throw EFormFileError(QString::fromLatin1(Message));
}

} // namespace

const TClassInfo* FormComponentClass(const QString& ClassName)
{
    for (const TClassInfo* c : {&runtime::TQXReport::StaticClass(), &runtime::TQXPreview::StaticClass()})
        if (SameText(c->Name, ClassName)) return c;
    return nullptr;
}

QByteArray SaveForm(TComponent& Form, const TSourceUnit& Unit)
{
    const QByteArray list = Unit.SaveList().join(QLatin1Char('\n')).toUtf8();
    TMemoryStream stream;
    WriteComponentToStream(stream, &Form);
    QByteArray bytes(Magic, 4);
    bytes.append(Version);
    const quint32 n = quint32(list.size());
    for (int i = 0; i < 4; ++i) bytes.append(char((n >> (8 * i)) & 0xFF));
    bytes.append(list);
    bytes.append(stream.Bytes());
    return bytes;
}

TFormFileParts SplitFormFile(const QByteArray& Bytes)
{
    if (Bytes.size() < HeaderBytes || std::memcmp(Bytes.constData(), Magic, 4) != 0)
        Fail("Not a form file of this host");
    if (Bytes[4] != Version) Fail("Unsupported form file version");
    quint32 n = 0;
    for (int i = 0; i < 4; ++i) n |= quint32(quint8(Bytes[5 + i])) << (8 * i);
    const qint64 remaining = Bytes.size() - HeaderBytes;
    if (qint64(n) > MaxMethodListBytes || qint64(n) > remaining) Fail("Form file method list is damaged");
    TFormFileParts parts;
    const QByteArray list = Bytes.mid(HeaderBytes, n);
    if (!list.isEmpty()) parts.Methods = QString::fromUtf8(list).split(QLatin1Char('\n'));
    parts.Stream = Bytes.mid(HeaderBytes + n);
    if (parts.Stream.isEmpty()) Fail("Form file holds no form");
    return parts;
}

void ReadFormStream(const QByteArray& Stream, TComponent& Form)
{
    TBytesStream input(Stream);
    TReader reader(input);
    reader.ClassResolver = [](const QString& ClassName) { return FormComponentClass(ClassName); };
    // The design form publishes the surface's own settings, which a run
    // instance does not have: unknown properties are passed over, as
    // documents pass them over.
    reader.OnError = [](TReader&, const QString& Message, bool& Handled) {
        if (Message == QLatin1String(SUnknownProperty)) Handled = true;
    };
    reader.ReadRootComponent(&Form);
}

QStringList CheckFormFile(const QByteArray& Bytes)
{
    const TFormFileParts parts = SplitFormFile(Bytes);
    TSourceUnit unit("TForm1", TForm::StaticClass());
    unit.LoadList(parts.Methods);
    TRunForm scratch(nullptr, unit);
    ReadFormStream(parts.Stream, scratch);
    return parts.Methods;
}

void WriteFileAtomically(const QString& FileName, const QByteArray& Bytes)
{
    AtomicSaveToFile(FileName, Bytes);
}

QByteArray ReadWholeFile(const QString& FileName)
{
    QFile file(FileName);
    if (!file.open(QIODevice::ReadOnly))
        throw EFOpenError(Format("Cannot open file \"%s\". %s", {FileName, file.errorString()}));
    return file.readAll();
}

} // namespace idehost
