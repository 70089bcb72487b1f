// Writes the demo's stored form (the report with its document, its picture
// and its event bindings) and its two input files into a folder:
//   make_demo_data <folder>
// The data is our own: country names and invented producers.

#include "runtime/band.h"
#include "runtime/host.h"
#include "runtime/label.h"
#include "runtime/panel.h"
#include "runtime/paper.h"
#include "runtime/report.h"

#include "classlib/core/classbuilder.h"
#include "classlib/core/streams.h"
#include "classlib/core/stringlist.h"
#include "classlib/core/writer.h"
#include "classlib/graphics/bitmap.h"
#include "classlib/graphics/font.h"
#include "classlib/graphics/jpegimage.h"
#include "classlib/graphics/picture.h"

#include <QDir>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>

#include <cstdio>
#include <vector>

using namespace classlib;
using namespace runtime;

namespace {

// Stands in for the program's form while the stream is written: the same
// class name, published methods and stored properties, without windows.
class TFormINIFile : public TComponent {
    QX_CLASS(TFormINIFile, TComponent)
public:
    using TComponent::TComponent;
    void GetChildren(const std::function<void(TComponent*)>& Proc, TComponent*) override
    {
        for (int i = 0; i < ComponentCount(); ++i) Proc(Components(i));
    }
    void Handler(TObject*) {}
    void AskData(TObject*, bool&) {}
    void GetText(TObject*, QString&) {}
    TMethod Method(const char16_t* Name) { return TMethod{StaticClass().FindMethod(Name), this}; }

    int Left = 205, Top = 100, Width = 552, Height = 424;
    QString Caption = QStringLiteral("Demo program for Tessary");
    TNotifyEvent OnCreate, OnDestroy;
};

} // namespace

const TClassInfo& TFormINIFile::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TFormINIFile>("TFormINIFile")
        .Prop("Left", &TFormINIFile::Left)
        .Prop("Top", &TFormINIFile::Top)
        .Prop("Width", &TFormINIFile::Width)
        .Prop("Height", &TFormINIFile::Height)
        .Prop("Caption", &TFormINIFile::Caption)
        .Prop("OnCreate", &TFormINIFile::OnCreate)
        .Prop("OnDestroy", &TFormINIFile::OnDestroy)
        .Method("FormCreate", &TFormINIFile::Handler)
        .Method("FormDestroy", &TFormINIFile::Handler)
        .Method("ReportINIFileBeforeReport", &TFormINIFile::Handler)
        .Build();
    return info;
}

namespace {

// A page written with its elements as children, as the designer does.
class TStoredPaper : public TQXPaper {
public:
    using TQXPaper::TQXPaper;
    void GetChildren(const std::function<void(TComponent*)>& Proc, TComponent*) override
    {
        for (int i = 0; i < ComponentCount(); ++i) Proc(Components(i));
    }
};

template <class T>
T* Add(TQXPaper& Paper, TQXContainer* Parent, const char* Name, int Left, int Top, int Width, int Height,
       TAlign Align)
{
    auto* e = new T(&Paper);
    e->SetName(QString::fromLatin1(Name));
    e->SetBounds(Left, Top, Width, Height);
    e->SetAlign(Align);
    e->SetQXParent(Parent);
    return e;
}

// 100 x 50 pixels: 2646 x 1323 hundredths of a millimetre on a 96 dpi screen.
QByteArray Banner()
{
    QImage image(100, 50, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient sky(0, 0, 0, 50);
    sky.setColorAt(0, QColor(0x30, 0x60, 0xC0));
    sky.setColorAt(1, QColor(0xC0, 0xE0, 0xFF));
    p.fillRect(image.rect(), sky);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x40, 0x90, 0x40));
    p.drawEllipse(QRect(-20, 30, 80, 40));
    p.drawEllipse(QRect(40, 34, 90, 40));
    p.setBrush(QColor(0x70, 0x20, 0x50));
    for (int i = 0; i < 6; ++i) p.drawEllipse(QRect(14 + 12 * i, 38 - (i % 2) * 2, 7, 7));
    p.end();
    return TJPEGImage::Encode(image, 85);
}

QByteArray Document()
{
    TStoredPaper paper(nullptr);
    paper.SetName(QStringLiteral("Page1"));
    paper.SetBounds(0, 0, 21000, 29700);
    paper.SetQXLeftMargin(1000);
    paper.SetQXTopMargin(1000);
    paper.SetQXRightMargin(1000);
    paper.SetQXBottomMargin(1000);

    auto* panel = Add<TQXPanel>(paper, &paper, "Panel", 0, 0, 19000, 2011, alTop);
    panel->SetColumns(1);
    auto* image = Add<TQXPanel>(paper, panel, "ImageTop", 0, 0, 19000, 2011, alClient);
    {
        TJPEGImage jpeg;
        TBytesStream bytes(Banner());
        jpeg.LoadFromStream(bytes);
        TPicture picture;
        picture.SetGraphic(&jpeg);
        TQXBackground* bg = image->Background();
        bg->Style = bsPicture;
        bg->PictureStyle = bpsCenter;
        bg->SetPicture(&picture);
        bg->PicWidth = 2646;
        bg->PicHeight = 1323;
    }

    auto* countries = Add<TQXBand>(paper, &paper, "BandCountries", 0, 2011, 19000, 5265, alTop);
    countries->SetAutoSize(true);
    countries->Frame()->SetShape(TQXFrameSides{fsBottom});
    countries->Background2()->Style = bsGradient;
    countries->Background2()->GradientStyle = bgsTwoColors;
    countries->Background2()->Color1 = clWhite;
    countries->Background2()->Color2 = clSilver;

    auto* country = Add<TQXLabel>(paper, countries, "LabelCountries", 0, 0, 5054, 847, alTop);
    country->SetAutoSize(true);
    country->SetCaption(QStringLiteral("LabelCountries"));
    country->QXFont()->SetName(QStringLiteral("Arial"));
    country->QXFont()->SetHeight(-19);  // pixels, as stored
    country->QXFont()->SetColor(clNavy);
    country->QXFont()->SetStyle(TFontStyles{fsUnderline});

    auto* names = Add<TQXBand>(paper, countries, "BandNames", 0, 847, 19000, 582, alTop);
    names->SetInvertRows(true);
    names->Background()->Color1 = TColor(13100186);
    names->Background2()->Color1 = clWhite;

    auto* name = Add<TQXLabel>(paper, names, "LabelNames", 2011, 0, 16907, 582, alNone);
    name->SetCaption(QStringLiteral("LabelNames"));
    name->Background()->ColorStyle = bcsTransparent;
    name->QXFont()->SetName(QStringLiteral("Arial"));
    name->QXFont()->SetHeight(-15);

    TMemoryStream page;
    WriteComponentToStream(page, &paper);
    page.SetPosition(0);
    TQXHost host(nullptr);
    host.SetQXWidth(21000);
    host.SetQXHeight(29700);
    host.SetQXLeftMargin(1000);
    host.SetQXTopMargin(1000);
    host.SetQXRightMargin(1000);
    host.SetQXBottomMargin(1000);
    host.SetPaperSize(9);
    host.AddPage(QStringLiteral("Page1"), page);
    host.SetPageOrder(QStringLiteral("p  -1Page1\r\n"));

    TMemoryStream body;
    WriteComponentToStream(body, &host);
    TQXReportHeader header;
    InitReportHeader(header);
    header.BodySize = qint32(body.Size());
    TMemoryStream document;
    {
        TWriter writer(document);
        WriteReportHeader(writer, header);
        writer.Write(body.Memory(), body.Size());
    }
    return document.Bytes();
}

QByteArray FormStream()
{
    TFormINIFile form(nullptr);
    form.SetName(QStringLiteral("FormINIFile"));
    form.OnCreate = form.Method(u"FormCreate");
    form.OnDestroy = form.Method(u"FormDestroy");
    auto* report = new TQXReport(&form);
    report->SetName(QStringLiteral("ReportINIFile"));
    report->SetMonochrome(false);
    report->SetShowEmptyPages(false);
    report->BeforeReport = form.Method(u"ReportINIFileBeforeReport");
    TBytesStream document(Document());
    report->ReadReport(document);
    // The bindings under "ReportPage" name a page the document no longer
    // has; the report drops them when it runs.
    for (const char* page : {"Page1", "ReportPage"})
        for (const char* line : {".BandCountries.AskData=ReportINIFileReportPageBandCountriesAskData",
                                 ".LabelCountries.GetText=ReportINIFileReportPageLabelCountriesGetText",
                                 ".BandNames.AskData=ReportINIFileReportPageBandNamesAskData",
                                 ".LabelNames.GetText=ReportINIFileReportPageLabelNamesGetText"})
            report->Events()->Add(QString::fromLatin1(page) + QString::fromLatin1(line));
    TMemoryStream stream;
    WriteComponentToStream(stream, &form);
    return stream.Bytes();
}

struct TCountry {
    const char* Name;
    const char* Prefix;
    int Producers;
};

// France fills more than a page by itself; Portugal has no producers.
const TCountry Countries[] = {
    {"Argentina", "Bodega", 6},   {"Australia", "Estate", 8},   {"Chile", "Vina", 5},
    {"France", "Domaine", 52},    {"Germany", "Weingut", 9},    {"Italy", "Cantina", 12},
    {"New Zealand", "Estate", 4}, {"Portugal", "Quinta", 0},    {"South Africa", "Estate", 5},
    {"Spain", "Bodegas", 7},
};

const char* const Words[] = {
    "Alder", "Birch", "Cedar", "Dunmore", "Elm Ridge", "Fairview", "Granite Hill", "Harrow",
    "Ironbark", "Juniper", "Kestrel", "Larkspur", "Millbrook", "Northcote", "Oakhurst", "Pinecrest",
    "Quarry Lane", "Redstone", "Silverleaf", "Thornbury", "Upland", "Valemont", "Westbrook",
    "Yarrow", "Zephyr Hill", "Ashgrove",
};

void SaveLines(const QString& FileName, const QStringList& Lines)
{
    TStringList list;
    for (const QString& line : Lines) list.Add(line);
    TMemoryStream bytes;
    list.SaveToStream(bytes);
    bytes.SaveToFile(FileName);
}

void WriteInputFiles(const QDir& Folder)
{
    QStringList countries, producers;
    int number = 0;
    for (int c = 0; c < int(std::size(Countries)); ++c) {
        countries << QStringLiteral("[Country%1]").arg(c) << QStringLiteral("Name=%1").arg(QLatin1String(Countries[c].Name));
        for (int i = 0; i < Countries[c].Producers; ++i) {
            const int w = (c * 7 + i) % int(std::size(Words));
            const QString suffix = i < int(std::size(Words)) ? QString() : QStringLiteral(" Reserve");
            producers << QStringLiteral("[Producer%1]").arg(number++)
                      << QStringLiteral("Name=%1 %2%3").arg(QLatin1String(Countries[c].Prefix), QLatin1String(Words[w]), suffix)
                      << QStringLiteral("Country=%1").arg(c)
                      << QStringLiteral("Founded=%1").arg(1850 + (c * 31 + i * 17) % 160);
        }
    }
    // Its country number has a leading zero: it names no country.
    producers << QStringLiteral("[Producer%1]").arg(number) << QStringLiteral("Name=Bodegas Lost Label")
              << QStringLiteral("Country=09") << QStringLiteral("Founded=1901");
    SaveLines(Folder.filePath(QStringLiteral("countries.ini")), countries);
    SaveLines(Folder.filePath(QStringLiteral("producers.ini")), producers);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_demo_data <folder>\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    try {
        const QDir folder(QString::fromLocal8Bit(argv[1]));
        const QByteArray form = FormStream();
        TBytesStream(form).SaveToFile(folder.filePath(QStringLiteral("TFormINIFile.frm")));
        WriteInputFiles(folder);
    } catch (const Exception& E) {
        std::fprintf(stderr, "make_demo_data: %s\n", qPrintable(E.Message));
        return 1;
    }
    return 0;
}
