// Writes the seed corpora of the design document and page order targets:
// make_designdoc_corpus <corpus folder> creates <folder>/designdoc/*.qxf,
// documents built with the designer's own classes (and some cut short or
// damaged), and <folder>/pageorder/*.txt.

#include "designerhost.h"

#include "designer/elements/band.h"
#include "designer/elements/label.h"
#include "designer/document/page.h"
#include "designer/elements/panel.h"
#include "designer/document/paper.h"
#include "designer/elements/shape.h"

#include "classlib/core/streams.h"
#include "classlib/graphics/bitmap.h"
#include "classlib/graphics/picture.h"

#include <QDir>
#include <QFile>

#include <cstdio>
#include <cstdlib>

using namespace classlib;
using namespace designer;

namespace {

QString Dir;

void Save(const QString& Name, const QByteArray& Bytes)
{
    QFile file(Dir + QLatin1Char('/') + Name);
    if (!file.open(QIODevice::WriteOnly) || file.write(Bytes) != Bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
        std::exit(1);
    }
}

template <class T>
T* Insert(int X, int Y)
{
    return dynamic_cast<T*>(PageWindow->CreateComponent(T::StaticClass(), TPoint{X, Y}));
}

// A band with a caption and a label turned on its side.
void FillBandPage()
{
    auto* band = Insert<TQXBand>(10, 10);
    band->SetMM(4, 30.0);
    Insert<TQXLabel>(20, 20)->SetCaption(QStringLiteral("Title 'quoted'"));
    auto* turned = Insert<TQXLabel>(200, 20);
    turned->SetCaption(QStringLiteral("Turned"));
    turned->SetTextAngle(TQXTextAngle(90));
}

// A panel in two columns holding a label, a shape and a picture.
void FillPanelPage()
{
    auto* panel = Insert<TQXPanel>(10, 10);
    panel->SetMM(4, 40.0);
    panel->SetColumns(2);
    Insert<TQXLabel>(20, 20)->SetCaption(QStringLiteral("In a column"));
    auto* shape = Insert<TQXShape>(20, 200);
    shape->SetShape(runtime::skEllipse);
    TBitmap bitmap;
    bitmap.SetSize(8, 8);
    bitmap.Canvas().Brush()->SetColor(clRed);
    bitmap.Canvas().FillRect(TRect{0, 0, 4, 4});
    TPicture picture;
    picture.SetGraphic(&bitmap);
    auto* pictured = Insert<TQXShape>(200, 200);
    pictured->SetShape(runtime::skRectangle);
    pictured->Background()->Style = runtime::bsPicture;
    pictured->Background()->PictureStyle = runtime::bpsStretch;
    pictured->Background()->SetPicture(&picture);
}

QByteArray SingleBand()
{
    NewReport();
    FillBandPage();
    return fuzz::DocumentBytes();
}

// A band placed freely, not at the top: it must reopen where it was.
QByteArray FreeBand()
{
    NewReport();
    auto* band = Insert<TQXBand>(10, 10);
    band->SetAlign(alNone);
    band->SetQXTop(5000);
    band->SetQXWidth(9000);
    Insert<TQXLabel>(20, 20)->SetCaption(QStringLiteral("Free"));
    return fuzz::DocumentBytes();
}

// Three pages, a gradient, other paper and an order with groups.
QByteArray ThreePages()
{
    NewReport();
    FillBandPage();
    Document->AddPage();
    FillPanelPage();
    Document->AddPage();
    auto* shaded = Insert<TQXShape>(30, 30);
    shaded->SetShape(runtime::skRectangle);
    shaded->Background()->Style = runtime::bsGradient;
    shaded->Background()->ShadingStyle = runtime::bssDiagUp;
    shaded->Background()->Color2 = clBlue;
    Insert<TQXLabel>(30, 150)->SetCaption(QStringLiteral("Last"));
    PaperWindow->SetOrientation(poLandscape);
    PaperWindow->SetMM(1, 15.0);
    Document->SetPageOrder(
        QStringLiteral("p  -1Page1\r\ng  -1Body\r\np   1Page2\r\np   1Page3\r\ng   1Inner\r\np   4Page2\r\n"));
    return fuzz::DocumentBytes();
}

// Small paper under a gradient page background (small: the gradient is
// drawn pixel by pixel).
QByteArray GradientPage()
{
    NewReport();
    PaperWindow->SetMM(5, 60.0);
    PaperWindow->SetMM(6, 70.0);
    PageWindow->Background()->Style = runtime::bsGradient;
    PageWindow->Background()->Color2 = clBlue;
    Insert<TQXLabel>(10, 10)->SetCaption(QStringLiteral("Shaded"));
    return fuzz::DocumentBytes();
}

// The second page's stream does not read: the document opens, the page
// does not.
QByteArray DamagedSecondPage()
{
    NewReport();
    FillBandPage();
    Document->AddPage();
    Document->SetCurrentPage(0);
    TMemoryStream* damaged = Document->GetPageStream(1);
    damaged->SetSize(0);
    damaged->WriteBuffer("TPF0junk", 8);
    return fuzz::DocumentBytes();
}

// Small paper whose first page does not read: the open fails after the
// new paper is shown, and the open document comes back.
QByteArray SmallPaperDamagedFirstPage()
{
    NewReport();
    PaperWindow->SetMM(5, 60.0);
    PaperWindow->SetMM(6, 70.0);
    Document->AddPage();
    Insert<TQXLabel>(10, 10)->SetCaption(QStringLiteral("Second"));
    TMemoryStream* damaged = Document->GetPageStream(0);
    damaged->SetSize(0);
    damaged->WriteBuffer("TPF0junk", 8);
    return fuzz::DocumentBytes();
}

void Mutate(QByteArray& Bytes, int At, char Value)
{
    if (At < Bytes.size()) Bytes[At] = Value;
}

void WriteDocuments()
{
    const QByteArray single = SingleBand(), three = ThreePages(), damaged = DamagedSecondPage();
    Save(QStringLiteral("single-band.qxf"), single);
    Save(QStringLiteral("free-band.qxf"), FreeBand());
    Save(QStringLiteral("three-pages.qxf"), three);
    Save(QStringLiteral("damaged-second-page.qxf"), damaged);
    Save(QStringLiteral("gradient-page.qxf"), GradientPage());
    Save(QStringLiteral("small-paper-damaged-first-page.qxf"), SmallPaperDamagedFirstPage());
    Save(QStringLiteral("header-only.qxf"), three.left(40));
    Save(QStringLiteral("cut-in-half.qxf"), three.left(three.size() / 2));
    Save(QStringLiteral("cut-at-end.qxf"), single.left(single.size() - 3));
    QByteArray flipped = single;
    Mutate(flipped, int(flipped.size() * 2 / 3), '\xFF');
    Save(QStringLiteral("byte-flipped.qxf"), flipped);
    QByteArray duplicate = three;
    duplicate.replace("Page3", "PAGE1");
    Save(QStringLiteral("duplicate-names.qxf"), duplicate);
    Save(QStringLiteral("empty.qxf"), QByteArray());
}

// Seeds of the page order target: a flags byte, the page to remove, a NUL,
// the new name, a NUL, the order text.
void WriteOrders()
{
    struct TSeed {
        const char* Name;
        char Flags;
        const char* Page;
        const char* NewName;
        const char* Order;
    };
    const TSeed seeds[] = {
        {"flat", '\x01', "Page2", "Renamed", "p  -1Page1\r\np  -1Page2\r\np  -1Page3\r\n"},
        {"groups", '\x02', "Page2", "Other",
         "p  -1Page1\r\ng  -1Body\r\np   1Page2\r\np   1Page3\r\ng   1Inner\r\np   4Page2\r\np   4Page1\r\n"},
        {"nested-parent-goes", '\x03', "Page1", "X", "p  -1Page1\r\ng   0Orphan\r\np   1Page2\r\ng  -1Kept\r\np   3Page2\r\n"},
        {"mixed-breaks", '\x04', "page1", "Page9", "p  -1Page1\rp  -1Page2\ng  -1G\r\n\r\np   3PAGE1\n"},
        {"control-in-reference", '\x07', "Page2", "Page3", "p  -1Page2\r\ng \x01 0Inner\r\np  -1Page1\r\n"},
        {"short-lines", '\x05', "", "A", "p\r\ng1\r\np  0\r\n  \r\np   2\r\n"},
        {"forward-reference", '\x06', "Page1", "B", "p   2Page1\r\np  -1Page1\r\ng  -1G\r\n"},
        {"document-delete", '\x14', "Page2", "Page1", "p  -1Page1\r\ng  -1Body\r\np   1Page2\r\np   1Page3\r\n"},
        {"document-rename", '\x31', "Page1", " Fresh ", "p  -1Page1\r\ng  -1Body\r\np   1PAGE1\r\np   1Page3\r\n"},
        {"document-bad-name", '\x30', "Page3", "two words", "p  -1Page3\r\n"},
    };
    for (const TSeed& s : seeds) {
        QByteArray bytes(1, s.Flags);
        bytes += QByteArray(s.Page) + '\0' + QByteArray(s.NewName) + '\0' + QByteArray(s.Order);
        Save(QString::fromLatin1(s.Name) + QStringLiteral(".txt"), bytes);
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_designdoc_corpus <corpus folder>\n");
        return 2;
    }
    fuzz::StartDesigner("make_designdoc_corpus");
    const QString root = QString::fromLocal8Bit(argv[1]);
    Dir = root + QStringLiteral("/designdoc");
    QDir().mkpath(Dir);
    WriteDocuments();
    Dir = root + QStringLiteral("/pageorder");
    QDir().mkpath(Dir);
    WriteOrders();
    return 0;
}
