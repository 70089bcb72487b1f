// Writes the seed corpus of the report target from the runtime's own
// element classes: make_report_corpus <corpus folder> creates
// <folder>/report/*.qxf.

#include "runtime/band.h"
#include "runtime/documentheader.h"
#include "runtime/host.h"
#include "runtime/label.h"
#include "runtime/paintbox.h"
#include "runtime/panel.h"
#include "runtime/paper.h"
#include "runtime/shape.h"

#include "classlib/core/streams.h"
#include "classlib/core/sysutils.h"
#include "classlib/core/writer.h"
#include "classlib/graphics/bitmap.h"
#include "classlib/graphics/brush.h"
#include "classlib/graphics/canvas.h"
#include "classlib/graphics/font.h"
#include "classlib/graphics/jpegimage.h"
#include "classlib/graphics/metafile.h"
#include "classlib/graphics/metafiledc.h"
#include "classlib/graphics/gdiconsts.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>
#include <functional>

using namespace classlib;
using namespace runtime;

namespace {

// A page that writes every element it owns as its child.
class TSeedPaper : public TQXPaper {
public:
    explicit TSeedPaper(const QString& Name) : TQXPaper(nullptr)
    {
        SetName(Name);
        SetBounds(0, 0, 14800, 21000);
        SetQXLeftMargin(1000);
        SetQXTopMargin(1000);
        SetQXRightMargin(1000);
        SetQXBottomMargin(1000);
    }
    void GetChildren(const std::function<void(TComponent*)>& Proc, TComponent*) override
    {
        for (int i = 0; i < ComponentCount(); ++i) Proc(Components(i));
    }
};

template <class T>
T* Add(TSeedPaper& Page, const QString& Name, TQXContainer* Parent, int Left, int Top, int Width,
       int Height)
{
    auto* e = new T(&Page);
    e->SetName(Name);
    e->SetQXParent(Parent);
    e->SetBounds(Left, Top, Width, Height);
    return e;
}

QByteArray StreamOf(TComponent& Root)
{
    TMemoryStream stream;
    {
        TWriter writer(stream, 8192);
        writer.WriteRootComponent(&Root);
    }
    return stream.Bytes();
}

QByteArray Document(const std::vector<TSeedPaper*>& Pages, const QString& PageOrder)
{
    TQXHost host(nullptr);
    host.SetName(QStringLiteral("Host"));
    host.SetQXWidth(14800);
    host.SetQXHeight(21000);
    host.SetQXLeftMargin(1000);
    host.SetQXTopMargin(1000);
    host.SetQXRightMargin(1000);
    host.SetQXBottomMargin(1000);
    host.SetPaperSize(11);
    for (TSeedPaper* page : Pages) {
        TBytesStream stream(StreamOf(*page));
        host.AddPage(page->Name(), stream);
    }
    host.SetPageOrder(PageOrder);
    const QByteArray body = StreamOf(host);
    TQXReportHeader header;
    InitReportHeader(header);
    header.BodySize = qint32(body.size());
    TMemoryStream stream;
    {
        TWriter writer(stream, 8192);
        WriteReportHeader(writer, header);
    }
    return stream.Bytes() + body;
}

QString OrderLine(const char* Kind, int Reference, const QString& Name)
{
    return Format("%s%4d%s", {Kind, Reference, Name}) + QStringLiteral("\r\n");
}

// Rows of a band with labels of every kind, a shape and a paint box.
TSeedPaper* ListPage()
{
    auto* page = new TSeedPaper(QStringLiteral("List"));
    auto* title = Add<TQXLabel>(*page, QStringLiteral("Title"), page, 0, 0, 12800, 1000);
    title->SetCaption(QStringLiteral("Producers"));
    title->SetAlign(alTop);
    title->QXFont()->SetStyle({fsBold, fsUnderline});
    title->Frame()->SetShape({fsBottom});
    title->Frame()->SetWidth(50);
    auto* band = Add<TQXBand>(*page, QStringLiteral("Rows"), page, 0, 0, 12800, 2000);
    band->SetInvertRows(true);
    band->Background2()->Color1 = clSilver;
    auto* name = Add<TQXLabel>(*page, QStringLiteral("Name"), band, 0, 0, 6000, 600);
    name->SetWordWrap(true);
    name->SetAutoSize(true);
    auto* value = Add<TQXLabel>(*page, QStringLiteral("Value"), band, 6000, 0, 3000, 600);
    value->SetAlignment(taRightJustify);
    value->Shadow()->SetShape(ssRightBottom);
    value->Shadow()->SetWidth(40);
    auto* turned = Add<TQXLabel>(*page, QStringLiteral("Turned"), band, 9000, 0, 600, 600);
    turned->SetTextAngle(90);
    turned->SetAutoSize(true);
    auto* mark = Add<TQXShape>(*page, QStringLiteral("Mark"), band, 10000, 0, 500, 500);
    mark->SetShape(skEllipse);
    mark->Brush()->SetColor(clBlue);
    Add<TQXPaintBox>(*page, QStringLiteral("Chart"), band, 11000, 0, 1500, 600);
    auto* footer = Add<TQXLabel>(*page, QStringLiteral("Footer"), page, 0, 0, 12800, 500);
    footer->SetAlign(alBottom);
    footer->SetCaption(QStringLiteral("Page footer"));
    return page;
}

// Columns, nested bands, gradients, textures and pictures.
TSeedPaper* FancyPage()
{
    auto* page = new TSeedPaper(QStringLiteral("Fancy"));
    auto* panel = Add<TQXPanel>(*page, QStringLiteral("Columns"), page, 0, 0, 12800, 8000);
    panel->SetColumns(2);
    panel->SetAlign(alTop);
    panel->Background()->Style = bsGradient;
    panel->Background()->ShadingStyle = bssDiagUp;
    auto* outer = Add<TQXBand>(*page, QStringLiteral("Outer"), panel, 0, 0, 6000, 1500);
    outer->SetAutoSize(true);
    auto* inner = Add<TQXBand>(*page, QStringLiteral("Inner"), outer, 0, 0, 6000, 500);
    inner->SetPageBreak(false);
    Add<TQXLabel>(*page, QStringLiteral("InnerText"), inner, 0, 0, 3000, 400);
    outer->Frame()->SetShape({fsTop, fsLeft, fsBottom, fsRight});
    outer->Frame()->SetWidth(30);

    TBitmap bitmap;
    bitmap.SetSize(8, 8);
    bitmap.Canvas().Brush()->SetColor(clGreen);
    bitmap.Canvas().FillRect(TRect{0, 0, 4, 4});
    auto* textured = Add<TQXShape>(*page, QStringLiteral("Textured"), page, 0, 8000, 4000, 3000);
    textured->SetShape(skRectangle);
    textured->Background()->Style = bsTexture;
    textured->Background()->Picture()->SetGraphic(&bitmap);

    TMetafile metafile;
    metafile.SetEnhanced(true);
    metafile.SetMMWidth(2000);
    metafile.SetMMHeight(1000);
    {
        TMetafileCanvas canvas(metafile);
        canvas.DC().SetMapMode(MM_HIMETRIC);
        canvas.Rectangle(0, 0, 2000, -1000);
        canvas.TextOut(100, -100, QStringLiteral("picture"));
    }
    auto* framed = Add<TQXPaintBox>(*page, QStringLiteral("Framed"), page, 4500, 8000, 4000, 3000);
    framed->Background()->Style = bsPicture;
    framed->Background()->PictureStyle = bpsStretch;
    framed->Background()->Picture()->SetGraphic(&metafile);

    TJPEGImage jpeg;
    jpeg.Assign(&bitmap);
    auto* photo = Add<TQXPaintBox>(*page, QStringLiteral("Photo"), page, 9000, 8000, 3000, 3000);
    photo->Background()->Style = bsPicture;
    photo->Background()->PictureStyle = bpsCenter;
    photo->Background()->PicWidth = 1000;
    photo->Background()->PicHeight = 1000;
    photo->Background()->Picture()->SetGraphic(&jpeg);

    auto* shade = Add<TQXLabel>(*page, QStringLiteral("Shade"), page, 0, 12000, 6000, 800);
    shade->Background()->ColorStyle = bcsSemitransparent;
    shade->Background()->Color1 = clYellow;
    shade->QXFont()->SetCharset(TFontCharset(204));
    shade->SetTextAngle(-30);
    return page;
}

void Save(const QString& Path, const QByteArray& Bytes)
{
    QFile file(Path);
    if (!file.open(QIODevice::WriteOnly) || file.write(Bytes) != Bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(Path));
        std::exit(1);
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_report_corpus <corpus folder>\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString dir = QDir(QString::fromLocal8Bit(argv[1])).filePath(QStringLiteral("report"));
    QDir().mkpath(dir);

    std::unique_ptr<TSeedPaper> list(ListPage()), fancy(FancyPage());
    Save(dir + QStringLiteral("/list.qxf"), Document({list.get()}, OrderLine("p", -1, QStringLiteral("List"))));
    Save(dir + QStringLiteral("/groups.qxf"),
         Document({list.get(), fancy.get()},
                  OrderLine("g", -1, QStringLiteral("All")) + OrderLine("p", 0, QStringLiteral("Fancy")) +
                      OrderLine("g", 0, QStringLiteral("Inner")) + OrderLine("p", 2, QStringLiteral("List"))));
    Save(dir + QStringLiteral("/fancy.qxf"), Document({fancy.get()}, OrderLine("p", -1, QStringLiteral("Fancy"))));
    Save(dir + QStringLiteral("/noorder.qxf"), Document({list.get(), fancy.get()}, QString()));
    return 0;
}
