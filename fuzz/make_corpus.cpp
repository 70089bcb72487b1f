// Writes the seed corpora of the fuzz targets from our own classes:
//   make_corpus <corpus folder>
// creates <folder>/document/*.qxf, <folder>/componentstream/*.bin and
// <folder>/textform/*.txt (the component streams in their text form, and
// text of the other shapes the text form takes).

#include "fuzz/fuzzclasses.h"

#include "runtime/documentheader.h"
#include "runtime/host.h"

#include "classlib/core/streams.h"
#include "classlib/core/sysutils.h"
#include "classlib/core/textform.h"
#include "classlib/core/writer.h"

#include <QByteArray>
#include <QDir>
#include <QFile>

#include <cstdio>
#include <functional>

using namespace classlib;
using namespace fuzz;

namespace {

// Designer doubles: the stored class names of the fuzz classes with
// properties the readers do not know.
class TDesignElement : public TFuzzElement {
    QX_CLASS(TDesignElement, TFuzzElement)
public:
    using TFuzzElement::TFuzzElement;
    int MMLeft = 254;
    int TextHeight = 13;
};

class TDesignDescriptor : public runtime::TQXHost {
    QX_CLASS(TDesignDescriptor, runtime::TQXHost)
public:
    using TQXHost::TQXHost;
    void GetChildren(const std::function<void(TComponent*)>& Proc, TComponent*) override
    {
        for (int i = 0; i < ComponentCount(); ++i)
            Proc(Components(i));
    }
    int PixelsPerInch = 96;
    QString FontName = QStringLiteral("Arial");
};

// Never registered.
class TDesignGuide : public TComponent {
    QX_CLASS(TDesignGuide, TComponent)
public:
    using TComponent::TComponent;
    int Position = 5;
};

} // namespace

const TClassInfo& TDesignElement::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TDesignElement>("TFuzzElement")
        .Prop("MMLeft", &TDesignElement::MMLeft)
        .Prop("TextHeight", &TDesignElement::TextHeight)
        .Build();
    return info;
}

const TClassInfo& TDesignDescriptor::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TDesignDescriptor>("TDesignDescriptor")
        .Prop("PixelsPerInch", &TDesignDescriptor::PixelsPerInch)
        .Prop("Font.Name", &TDesignDescriptor::FontName)
        .Build();
    return info;
}

const TClassInfo& TDesignGuide::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TDesignGuide>("TDesignGuide")
        .Prop("Position", &TDesignGuide::Position)
        .Build();
    return info;
}

namespace {

QByteArray StreamOf(TComponent& Root)
{
    TMemoryStream stream;
    {
        TWriter writer(stream, 8192);
        writer.WriteRootComponent(&Root);
    }
    return stream.Bytes();
}

QByteArray Document(TComponent& Host, qint32 FormatVersion = runtime::QXFormatVersion,
                    const QString& Description = {})
{
    const QByteArray body = StreamOf(Host);
    runtime::TQXReportHeader header;
    runtime::InitReportHeader(header);
    header.FormatVersion = FormatVersion;
    if (!Description.isEmpty())
        header.Description = Description;
    header.BodySize = qint32(body.size());
    TMemoryStream stream;
    TWriter writer(stream, 8192);
    runtime::WriteReportHeader(writer, header);
    return stream.Bytes() + body;
}

// A paper with a band, Elements elements and two columns.
QByteArray Page(int Elements, bool Designer)
{
    TFuzzPaper paper(nullptr);
    paper.SetName(QStringLiteral("Paper"));
    paper.Title = QStringLiteral("Page");
    paper.QXLeftMargin = 1000;
    auto* column = static_cast<TFuzzColumn*>(paper.Columns->Add());
    column->Width = 300;
    column->Title = QStringLiteral("Amount");
    paper.Columns->Add();
    auto* band = new TFuzzBand(&paper);
    band->SetName(QStringLiteral("Band1"));
    band->Align = faTop;
    band->BandType = 3;
    if (Designer)
        (new TDesignGuide(&paper))->SetName(QStringLiteral("Guide1"));
    for (int i = 0; i < Elements; ++i) {
        TFuzzElement* e = Designer ? new TDesignElement(&paper) : new TFuzzElement(&paper);
        e->SetName(QStringLiteral("First%1").arg(i ? QString::number(i) : QString()));
        e->SetQXParent(band);
        e->QXLeft = 100 * i;
        e->QXTop = -70000 * i;
        e->Tag64 = i ? qint64(1) << 40 : 0;
        e->Style = TFuzzStyles{fsBold, fsStrikeOut};
        e->Visible = i % 2 == 0;
        e->Accel = char('a' + i);
        e->Ratio = 1.0 / (i + 3);
        e->Caption = i == 2 ? QString(300, 'c') : QStringLiteral("Caption %1").arg(i);
        e->Color = TFuzzColor(0x102030 * i);
        e->Font->Name = QStringLiteral("Courier New");
        e->OnPrint = TMethod{TFuzzPaper::StaticClass().FindMethod(u"ElementPrint"), &paper};
    }
    return StreamOf(paper);
}

// Every value kind, under names the root does not know and, for a few,
// under names it knows with a value of the wrong kind.
QByteArray EveryValueKind()
{
    TMemoryStream stream;
    {
        TWriter w(stream, 8192);
        w.WriteSignature();
        w.WriteStr(QStringLiteral("TFuzzPaper"));
        w.WriteStr(QStringLiteral("Paper"));
        w.WriteStr(QStringLiteral("UnknownList"));
        w.WriteListBegin();
        w.WriteString(QStringLiteral("line 1"));
        w.WriteInteger(70000);
        w.WriteListEnd();
        w.WriteStr(QStringLiteral("UnknownBinary"));
        w.WriteValue(TValueType::vaBinary);
        const char blob[] = {3, 0, 0, 0, 'a', 'b', 'c'};
        w.Write(blob, sizeof(blob));
        w.WriteStr(QStringLiteral("UnknownFloat"));
        w.WriteFloat(2.5L);
        w.WriteStr(QStringLiteral("UnknownSet"));
        w.WriteValue(TValueType::vaSet);
        w.WriteStr(QStringLiteral("fsBold"));
        w.WriteStr(QString());
        w.WriteStr(QStringLiteral("UnknownLong"));
        w.WriteString(QString(260, 'L'));
        w.WriteStr(QStringLiteral("UnknownInt64"));
        w.WriteInteger(qint64(1) << 40);
        w.WriteStr(QStringLiteral("UnknownNil"));
        w.WriteIdent(QStringLiteral("nil"));
        w.WriteStr(QStringLiteral("UnknownCollection"));
        w.WriteValue(TValueType::vaCollection);
        w.WriteListBegin();
        w.WriteStr(QStringLiteral("Width"));
        w.WriteInteger(3);
        w.WriteListEnd();
        w.WriteListEnd();
        w.WriteStr(QStringLiteral("QXLeftMargin"));
        w.WriteString(QStringLiteral("not a number"));
        w.WriteStr(QStringLiteral("Title"));
        w.WriteInteger(12);
        w.WriteStr(QStringLiteral("Columns"));
        w.WriteValue(TValueType::vaCollection);
        w.WriteListBegin();
        w.WriteStr(QStringLiteral("Title"));
        w.WriteString(QStringLiteral("Qty"));
        w.WriteListEnd();
        w.WriteListEnd();
        w.WriteListEnd();  // properties

        w.WritePrefix(ffChildPos, 0);
        w.WriteStr(QStringLiteral("TFuzzBand"));
        w.WriteStr(QStringLiteral("Band1"));
        w.WriteStr(QStringLiteral("QXParent"));
        w.WriteIdent(QStringLiteral("Label9"));
        w.WriteStr(QStringLiteral("OnPrint"));
        w.WriteIdent(QStringLiteral("MissingHandler"));
        w.WriteStr(QStringLiteral("Font.Name"));
        w.WriteString(QStringLiteral("Arial"));
        w.WriteStr(QStringLiteral("Caption.Text"));
        w.WriteString(QStringLiteral("bad path"));
        w.WriteStr(QStringLiteral("Align"));
        w.WriteIdent(QStringLiteral("faNowhere"));
        w.WriteListEnd();
        w.WriteListEnd();

        w.WriteStr(QStringLiteral("TMissingClass"));
        w.WriteStr(QStringLiteral("Missing1"));
        w.WriteStr(QStringLiteral("Size"));
        w.WriteInteger(4);
        w.WriteListEnd();
        w.WriteStr(QStringLiteral("TFuzzElement"));
        w.WriteStr(QStringLiteral("Inner"));
        w.WriteListEnd();
        w.WriteListEnd();
        w.WriteListEnd();

        w.WriteStr(QStringLiteral("TFuzzElement"));
        w.WriteStr(QStringLiteral("Label9"));
        w.WriteStr(QStringLiteral("QXParent"));
        w.WriteIdent(QStringLiteral("Band1"));
        w.WriteStr(QStringLiteral("Visible"));
        w.WriteBoolean(false);
        w.WriteListEnd();
        w.WriteListEnd();
        w.WriteListEnd();  // children
    }
    return stream.Bytes();
}

QByteArray TextOf(const QByteArray& Binary)
{
    TBytesStream in(Binary);
    TMemoryStream out;
    ObjectBinaryToText(in, out);
    return out.Bytes();
}

// What the writer of our classes never writes: record prefixes, names that
// are no identifiers, floats without a decimal of their own, nesting.
QByteArray TextFormShapes()
{
    TMemoryStream stream;
    {
        TWriter w(stream, 8192);
        w.WriteSignature();
        w.WritePrefix(ffInherited | ffChildPos, -3);
        w.WriteStr(QStringLiteral("TFuzzPaper"));
        w.WriteStr(QStringLiteral("Paper"));
        w.WriteStr(QStringLiteral("Floats"));
        w.WriteListBegin();
        const unsigned char raw[][ExtendedSize] = {
            {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x7F},     // +Inf
            {0, 0, 0, 0, 0, 0, 0, 0xC0, 0xFF, 0xFF},     // -NaN
            {1, 0, 0, 0, 0, 0, 0, 0xC0, 0xFF, 0x7F},     // NaN with a payload
            {1, 0, 0, 0, 0, 0, 0, 0, 0, 0},              // denormal
            {0, 0, 0, 0, 0, 0, 0, 0x40, 0xFF, 0x3F},     // unnormal
        };
        for (const auto& r : raw) {
            w.WriteValue(TValueType::vaExtended);
            w.Write(r, ExtendedSize);
        }
        w.WriteFloat(-0.0L);
        w.WriteFloat(1e-4000L);
        w.WriteListBegin();
        w.WriteListBegin();
        w.WriteListEnd();
        w.WriteListEnd();
        w.WriteListEnd();
        w.WriteStr(QStringLiteral("end"));
        w.WriteIdent(QStringLiteral("a b"));
        w.WriteStr(QString::fromLatin1("Q\xB0Top"));
        w.WriteValue(TValueType::vaIdent);
        w.WriteStr(QStringLiteral("True"));
        w.WriteStr(QStringLiteral("Text"));
        w.WriteString(QString::fromLatin1("a'b\r\n\x01\xE9"));
        w.WriteStr(QStringLiteral("Items"));
        w.WriteValue(TValueType::vaCollection);
        w.WriteInteger(5);
        w.WriteListBegin();
        w.WriteStr(QStringLiteral("Set"));
        w.WriteValue(TValueType::vaSet);
        w.WriteStr(QStringLiteral("one"));
        w.WriteStr(QStringLiteral("two words"));
        w.WriteStr(QString());
        w.WriteListEnd();
        w.WriteListEnd();
        w.WriteListEnd();  // properties
        w.WritePrefix(ffInline, 0);
        w.WriteStr(QStringLiteral("TFuzzBand"));
        w.WriteStr(QString());
        w.WriteListEnd();
        w.WriteListEnd();
        w.WriteListEnd();  // children
    }
    return stream.Bytes();
}

bool Save(const QString& Path, const QByteArray& Bytes)
{
    QFile file(Path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(Bytes) != Bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(Path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_corpus <corpus folder>\n");
        return 2;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));
    if (!root.mkpath(QStringLiteral("document")) || !root.mkpath(QStringLiteral("componentstream")) ||
        !root.mkpath(QStringLiteral("textform"))) {
        std::fprintf(stderr, "cannot create the corpus folders\n");
        return 1;
    }
    bool ok = true;
    try {
        const auto page = [&root](const char* Name) {
            return root.filePath(QStringLiteral("componentstream/") + QLatin1String(Name));
        };
        ok &= Save(page("empty.bin"), [] { TFuzzPaper p(nullptr); return StreamOf(p); }());
        ok &= Save(page("page.bin"), Page(3, false));
        ok &= Save(page("designer.bin"), Page(2, true));
        ok &= Save(page("valuekinds.bin"), EveryValueKind());

        const auto text = [&root](const char* Name) {
            return root.filePath(QStringLiteral("textform/") + QLatin1String(Name));
        };
        ok &= Save(text("page.txt"), TextOf(Page(3, false)));
        ok &= Save(text("designer.txt"), TextOf(Page(2, true)));
        ok &= Save(text("valuekinds.txt"), TextOf(EveryValueKind()));
        ok &= Save(text("shapes.txt"), TextOf(TextFormShapes()));
        // Laid out otherwise than written: one line, other cases, LF only.
        ok &= Save(text("oneline.txt"), "OBJECT a:TA X=+1 Y=1E3 Z=[a,b] W={0a 0B} V=(1 'q'#10) "
                                        "U=<item [2] T=nil end> inline B:TB [1] End end");
        ok &= Save(text("lf.txt"), "object Two: TA\n  X = 1\nend\nobject TB\nend\n");

        const auto doc = [&root](const char* Name) {
            return root.filePath(QStringLiteral("document/") + QLatin1String(Name));
        };
        {
            runtime::TQXHost host(nullptr);
            ok &= Save(doc("empty.qxf"), Document(host));
        }
        {
            runtime::TQXHost host(nullptr);
            host.SetName(QStringLiteral("Report"));
            host.SetQXLeftMargin(1000);
            host.SetQXWidth(21000);
            host.SetQXHeight(29700);
            host.SetOrientation(poLandscape);
            host.SetPaperSize(9);
            host.SetPageOrder(QStringLiteral("P0Page1\r\nP1Page2"));
            TBytesStream one(Page(2, false));
            TBytesStream two(Page(1, false));
            host.AddPage(QStringLiteral("Page1"), one);
            host.AddPage(QStringLiteral("Page2"), two);
            TMemoryStream empty;
            host.AddPage(QStringLiteral("Empty"), empty);
            ok &= Save(doc("pages.qxf"), Document(host));
            ok &= Save(doc("oldformat.qxf"), Document(host, 119, QString(300, 'd')));
        }
        {
            TDesignDescriptor host(nullptr);
            host.SetName(QStringLiteral("Descriptor"));
            host.SetQXWidth(21590);
            (new TDesignGuide(&host))->SetName(QStringLiteral("Guide"));
            TBytesStream one(Page(2, true));
            host.AddPage(QStringLiteral("Designed"), one);
            ok &= Save(doc("designer.qxf"), Document(host));
        }
    } catch (const Exception& E) {
        std::fprintf(stderr, "%s\n", qPrintable(E.Message));
        return 1;
    }
    return ok ? 0 : 1;
}
