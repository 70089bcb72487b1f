// Stored values at the ends of the 32-bit range: every page is prepared and
// played onto an image without overflow, endless loops or huge allocations,
// or the run stops with the report's own error.

#include "runtime/band.h"
#include "runtime/host.h"
#include "runtime/label.h"
#include "runtime/panel.h"
#include "runtime/paintbox.h"
#include "runtime/reporterror.h"
#include "runtime/shape.h"
#include "runtime/tests/elementtree.h"
#include "runtime/tests/reportdoc.h"

#include "classlib/graphics/bitmap.h"
#include "classlib/graphics/canvas.h"
#include "classlib/graphics/font.h"
#include "classlib/graphics/metafile.h"
#include "classlib/graphics/painterdc.h"
#include "classlib/graphics/pen.h"
#include "classlib/graphics/picture.h"

#include <QImage>

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <memory>

using namespace classlib;
using namespace runtime;
using namespace runtime::tests;

namespace {

constexpr int Ends[] = {INT_MIN, INT_MIN + 1, -1, 0, INT_MAX - 1, INT_MAX};

// A page with a band of three rows, and whatever the case adds.
using TBuild = std::function<void(TStoredPaper& Page, int Value)>;
using TPaperSetup = std::function<void(TQXHost& Host, int Value)>;

struct TField {
    const char* Name;
    TBuild Build;
    TPaperSetup Paper;
};

TQXLabel* AddLabel(TStoredPaper& Page, TQXContainer* Parent, const QString& Name, TBox Box)
{
    auto* label = AddElement<TQXLabel>(&Page, Parent, Name, Box);
    label->SetCaption(QStringLiteral("Several words of text that wrap\r\nand a second line"));
    return label;
}

void Picture(TQXBackground& Background, TBgStyle Style, TBgPictureStyle PictureStyle)
{
    TBitmap bitmap;
    bitmap.SetSize(4, 3);
    Background.Picture()->SetGraphic(&bitmap);
    Background.Style = Style;
    Background.PictureStyle = PictureStyle;
    Background.PicWidth = 500;
    Background.PicHeight = 400;
}

const std::vector<TField>& Fields()
{
    static const std::vector<TField> fields = {
        {"label left", [](TStoredPaper& P, int V) { AddLabel(P, &P, "X", {V, 100, 3000, 500}); }, {}},
        {"label top", [](TStoredPaper& P, int V) { AddLabel(P, &P, "X", {100, V, 3000, 500}); }, {}},
        {"label width, wrapped",
         [](TStoredPaper& P, int V) { AddLabel(P, &P, "X", {100, 100, V, 500})->SetWordWrap(true); }, {}},
        {"label width, wrapped and sized",
         [](TStoredPaper& P, int V) {
             auto* l = AddLabel(P, &P, "X", {100, 100, V, 500});
             l->SetWordWrap(true);
             l->SetAutoSize(true);
             l->SetAlignment(taRightJustify);
         }, {}},
        {"label height", [](TStoredPaper& P, int V) { AddLabel(P, &P, "X", {100, 100, 3000, V}); }, {}},
        {"frame width",
         [](TStoredPaper& P, int V) {
             auto* l = AddLabel(P, &P, "X", {100, 100, 3000, 500});
             l->Frame()->SetWidth(V);
             l->Frame()->SetShape(TQXFrameSides{fsLeft, fsTop, fsRight, fsBottom});
             l->SetAutoSize(true);
         }, {}},
        {"shadow width, left top",
         [](TStoredPaper& P, int V) {
             auto* l = AddLabel(P, &P, "X", {100, 100, 3000, 500});
             l->Shadow()->SetWidth(V);
             l->Shadow()->SetShape(ssLeftTop);
             l->SetAutoSize(true);
         }, {}},
        {"shadow width, right bottom, semi-transparent",
         [](TStoredPaper& P, int V) {
             auto* s = AddElement<TQXShape>(&P, &P, "X", {100, 100, 3000, 500});
             s->Shadow()->SetWidth(V);
             s->Shadow()->SetShape(ssRightBottom);
             s->Shadow()->SetSemiTrans(true);
         }, {}},
        {"text angle",
         [](TStoredPaper& P, int V) { AddLabel(P, &P, "X", {100, 100, 3000, 500})->SetTextAngle(V); }, {}},
        {"text angle, sized",
         [](TStoredPaper& P, int V) {
             auto* l = AddLabel(P, &P, "X", {100, 100, 3000, 500});
             l->SetTextAngle(V);
             l->SetAutoSize(true);
         }, {}},
        {"font height",
         [](TStoredPaper& P, int V) {
             auto* l = AddLabel(P, &P, "X", {100, 100, 3000, 500});
             l->QXFont()->SetHeight(V);
             l->SetAutoSize(true);
         }, {}},
        {"font height, rotated and wrapped",
         [](TStoredPaper& P, int V) {
             auto* l = AddLabel(P, &P, "X", {100, 100, 3000, 500});
             l->QXFont()->SetHeight(V);
             l->SetTextAngle(30);
             l->SetWordWrap(true);
         }, {}},
        {"shape bounds",
         [](TStoredPaper& P, int V) {
             for (TQXShapeKind kind : {skNSLine, skWELine, skNWSELine, skNESWLine, skEllipse, skRectangle})
                 AddElement<TQXShape>(&P, &P, QStringLiteral("S%1").arg(int(kind)), {V, V, V, V})->SetShape(kind);
         }, {}},
        {"shape pen width",
         [](TStoredPaper& P, int V) {
             for (TQXShapeKind kind : {skNSLine, skNWSELine, skEllipse, skRectangle}) {
                 auto* s = AddElement<TQXShape>(&P, &P, QStringLiteral("S%1").arg(int(kind)), {100, 100, 3000, 2000});
                 s->SetShape(kind);
                 s->Pen()->SetWidth(V);
             }
         }, {}},
        {"paint box bounds",
         [](TStoredPaper& P, int V) { AddElement<TQXPaintBox>(&P, &P, "X", {V, 0, V, V}); }, {}},
        {"panel columns",
         [](TStoredPaper& P, int V) {
             auto* panel = AddElement<TQXPanel>(&P, &P, "Panel", {0, 2000, 12000, 5000}, alTop);
             panel->SetColumns(V);
             auto* band = AddElement<TQXBand>(&P, panel, "B2", {0, 0, 6000, 700}, alTop);
             AddLabel(P, band, "Cell2", {0, 0, 6000, 700});
             AddLabel(P, panel, "Fixed", {0, 0, 3000, 500})->SetAlign(alTop);
         }, {}},
        {"panel columns, tall rows",
         [](TStoredPaper& P, int V) {
             auto* panel = AddElement<TQXPanel>(&P, &P, "Panel", {0, 2000, 12000, 5000}, alTop);
             panel->SetColumns(V);
             // A row taller than a column: no column ever has room.
             auto* band = AddElement<TQXBand>(&P, panel, "B2", {0, 0, 6000, 9000}, alTop);
             AddLabel(P, band, "Cell2", {0, 0, 6000, 700});
         }, {}},
        {"band height",
         [](TStoredPaper& P, int V) {
             auto* band = AddElement<TQXBand>(&P, &P, "B2", {0, 0, 6000, V}, alTop);
             AddLabel(P, band, "Cell2", {0, 0, 6000, 700});
         }, {}},
        {"band child height, sized",
         [](TStoredPaper& P, int V) {
             auto* band = AddElement<TQXBand>(&P, &P, "B2", {0, 0, 6000, 700}, alTop);
             band->SetAutoSize(true);
             band->Frame()->SetShape(TQXFrameSides{fsTop, fsBottom});
             AddLabel(P, band, "Cell2", {0, 0, 6000, V})->SetAlign(alTop);
         }, {}},
        {"aligned sizes",
         [](TStoredPaper& P, int V) {
             AddLabel(P, &P, "A1", {0, 0, V, V})->SetAlign(alLeft);
             AddLabel(P, &P, "A2", {0, 0, V, V})->SetAlign(alRight);
             AddLabel(P, &P, "A3", {0, 0, V, V})->SetAlign(alBottom);
             AddLabel(P, &P, "A4", {0, 0, V, V})->SetAlign(alClient);
         }, {}},
        {"texture width",
         [](TStoredPaper& P, int V) {
             auto* l = AddLabel(P, &P, "X", {100, 100, 3000, 500});
             Picture(*l->Background(), bsTexture, bpsNone);
             l->Background()->PicWidth = V;
         }, {}},
        {"texture height",
         [](TStoredPaper& P, int V) {
             auto* l = AddLabel(P, &P, "X", {100, 100, 3000, 500});
             Picture(*l->Background(), bsTexture, bpsNone);
             l->Background()->PicHeight = V;
         }, {}},
        {"picture size, centred",
         [](TStoredPaper& P, int V) {
             auto* l = AddLabel(P, &P, "X", {100, 100, 3000, 500});
             Picture(*l->Background(), bsPicture, bpsCenter);
             l->Background()->PicWidth = V;
             l->Background()->PicHeight = V;
         }, {}},
        {"picture size, at the corner",
         [](TStoredPaper& P, int V) {
             auto* l = AddLabel(P, &P, "X", {V, V, 3000, 500});
             Picture(*l->Background(), bsPicture, bpsNone);
             l->Background()->PicWidth = V;
             l->Background()->PicHeight = SatNeg(V) / 2;
         }, {}},
        {"paper width", {}, [](TQXHost& H, int V) { H.SetQXWidth(V); }},
        {"paper height", {}, [](TQXHost& H, int V) { H.SetQXHeight(V); }},
        {"paper margins",
         {},
         [](TQXHost& H, int V) {
             H.SetQXLeftMargin(V);
             H.SetQXTopMargin(V);
             H.SetQXRightMargin(SatNeg(V) / 3);
             H.SetQXBottomMargin(V / 2);
         }},
    };
    return fields;
}

// Prepares the document and plays every page onto a small image; returns
// the report's error message, empty when the run went through.
QString RunAndPlay(const QByteArray& Document, int& Pages)
{
    TReportForm form;
    auto* report = new TQXReport(&form);
    report->SetName(QStringLiteral("Report1"));
    report->Events()->Add(QStringLiteral("P1.B1.AskData=AskDataHandler"));
    report->Events()->Add(QStringLiteral("P1.B2.AskData=AskDataHandler"));
    form.Rows[QStringLiteral("B1")] = 3;
    form.Rows[QStringLiteral("B2")] = 3;
    LoadDocument(*report, Document);
    try {
        report->Prepare();
    } catch (const EQXError& e) {
        Pages = 0;
        return e.Message;
    }
    Pages = report->PageCount();
    for (int i = 0; i < report->PageCount(); ++i) {
        QImage image(148, 210, QImage::Format_RGB32);
        image.fill(Qt::white);
        TPainterDC dc(&image);
        TCanvas canvas(&dc);
        report->DrawPage(canvas, TRect{0, 0, image.width(), image.height()}, report->GetPage(i));
    }
    return {};
}

QByteArray Document(const TField& Field, int Value)
{
    TStoredPaper page(QStringLiteral("P1"));
    auto* band = AddElement<TQXBand>(&page, &page, QStringLiteral("B1"), {0, 0, 9000, 600}, alTop);
    AddLabel(page, band, QStringLiteral("Cell"), {0, 0, 9000, 600});
    if (Field.Build) Field.Build(page, Value);
    const QString order = OrderLine("p", -1, QStringLiteral("P1"));
    if (!Field.Paper) return MakeDocument({&page}, order);
    return MakeDocument({&page}, order, [&](TQXHost& Host) { Field.Paper(Host, Value); });
}

TEST(Extremes, EveryStoredFieldAtTheEndsOfItsRangePreparesAndPlays)
{
    for (const TField& field : Fields()) {
        for (int value : Ends) {
            SCOPED_TRACE(testing::Message() << field.Name << " = " << value);
            int pages = -1;
            QString error;
            ASSERT_NO_THROW(error = RunAndPlay(Document(field, value), pages));
            // A page that cannot hold its rows says so; nothing else fails.
            if (!error.isEmpty()) {
                EXPECT_TRUE(error.contains(QStringLiteral("does not fit"))) << error.toStdString();
            }
        }
    }
}

TEST(Extremes, TextAnglesOfEveryTurnPrepareAndPlay)
{
    // Whole turns plus a quarter, far out in both directions.
    const int angles[] = {INT_MIN, INT_MIN + 1, INT_MAX, 360 * 5965232 + 90, -(360 * 5965232 + 90), 360 * 1000 + 90,
                          -90, 450, 3690};
    const TField& field = Fields()[9];  // rotated and sized
    ASSERT_STREQ(field.Name, "text angle, sized");
    for (int angle : angles) {
        SCOPED_TRACE(angle);
        int pages = -1;
        QString error;
        ASSERT_NO_THROW(error = RunAndPlay(Document(field, angle), pages));
        EXPECT_EQ(error, QString());
        EXPECT_GE(pages, 1);
    }
}

TEST(Extremes, AnOrdinaryPageStillRendersItsRows)
{
    // The control row for the table above: the three rows of the band.
    int pages = -1;
    EXPECT_EQ(RunAndPlay(Document(TField{"none", {}, {}}, 0), pages), QString());
    EXPECT_EQ(pages, 1);
}

} // namespace
