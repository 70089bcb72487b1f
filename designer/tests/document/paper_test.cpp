// The paper window's settings: named sizes and orientation, millimetre
// values and the layout they must leave, and the page laid inside.

#include "designer/tests/designfixture.h"

#include "designer/document/designstate.h"

#include "classlib/core/sysutils.h"

#include <QFile>

#include <limits>

namespace designer::tests {
namespace {

using namespace classlib;

using PaperTest = DesignerTest;

TEST_F(PaperTest, NamedSizesAndOrientation)
{
    TQXPaper& paper = *PaperWindow;
    EXPECT_EQ(paper.PaperSize(), TQXPaperSize::A4);
    EXPECT_EQ(paper.Width(), ToPixels(21000));
    paper.SetOrientation(poLandscape);
    EXPECT_EQ(paper.PaperWidth(), 29700);
    EXPECT_EQ(paper.PaperHeight(), 21000);
    EXPECT_EQ(PageWindow->PageWidth(), 27700);
    paper.SetPaperSize(TQXPaperSize::A5);
    EXPECT_EQ(paper.PaperWidth(), 21000);
    EXPECT_EQ(paper.PaperHeight(), 14800);
    paper.SetOrientation(poPortrait);
    paper.SetPaperSize(TQXPaperSize::Ledger);
    EXPECT_EQ(paper.PaperWidth(), 43180);
    EXPECT_EQ(paper.PaperHeight(), 27940);
    // Default and Custom have no dimensions: the size stays.
    for (TQXPaperSize size : {TQXPaperSize::Default, TQXPaperSize::Custom}) {
        paper.SetPaperSize(size);
        EXPECT_EQ(paper.PaperSize(), size);
        EXPECT_EQ(paper.PaperWidth(), 43180);
        EXPECT_EQ(paper.PaperHeight(), 27940);
    }
}

TEST_F(PaperTest, TypedSizesAreCustom)
{
    TQXPaper& paper = *PaperWindow;
    paper.SetMM(5, 210.0);  // unchanged: stays A4
    EXPECT_EQ(paper.PaperSize(), TQXPaperSize::A4);
    paper.SetMM(5, 200.0);
    EXPECT_EQ(paper.PaperSize(), TQXPaperSize::Custom);
    EXPECT_EQ(paper.PaperWidth(), 20000);
    EXPECT_EQ(PageWindow->PageWidth(), 18000);
    EXPECT_EQ(PageWindow->Width(), ToPixels(18000));
}

TEST_F(PaperTest, RefusedValuesChangeNothing)
{
    TQXPaper& paper = *PaperWindow;
    struct TCase {
        int Index;
        double Value;
        const char* Message;
    };
    const TCase cases[] = {
        {1, 200.0, "Invalid page layout"},
        {3, 200.0, "Invalid page layout"},
        {2, 287.0, "Invalid page layout"},
        {5, 20.0, "Invalid page layout"},
        {6, 0.0, "Invalid page layout"},
        {5, -0.01, "-0.01 is not a valid positive value"},
        {6, -5.0, "-5.00 is not a valid positive value"},
        {5, 1e12, "Invalid page layout"},
        {1, std::numeric_limits<double>::quiet_NaN(), "Invalid page layout"},
    };
    for (const TCase& c : cases) {
        try {
            paper.SetMM(c.Index, c.Value);
            ADD_FAILURE() << c.Index << " " << c.Value << " accepted";
        } catch (const EInvalidOp& e) {
            EXPECT_EQ(e.Message, QString::fromLatin1(c.Message)) << c.Index << " " << c.Value;
        }
        EXPECT_EQ(paper.PaperWidth(), 21000);
        EXPECT_EQ(paper.PaperHeight(), 29700);
        EXPECT_EQ(paper.LeftMargin(), 1000);
        EXPECT_EQ(paper.TopMargin(), 1000);
        EXPECT_EQ(paper.PaperSize(), TQXPaperSize::A4);
    }
    // The last hundredth of a millimetre is printable; a margin may be
    // negative.
    paper.SetMM(1, 199.99);
    EXPECT_EQ(PageWindow->PageWidth(), 1);
    paper.SetMM(1, -5.0);
    EXPECT_EQ(PageWindow->PageWidth(), 20500);
}

TEST_F(PaperTest, DocumentSettingsTravelBothWays)
{
    PaperWindow->SetOrientation(poLandscape);
    PaperWindow->SetMM(2, 15.5);
    const QByteArray saved = DocumentBytes();
    EXPECT_EQ(Document->Orientation(), poLandscape);
    EXPECT_EQ(Document->QXTopMargin(), 1550);
    EXPECT_EQ(Document->QXWidth(), 29700);
    EXPECT_EQ(Document->PaperSize(), 9);
    NewReport();
    EXPECT_EQ(PaperWindow->Orientation(), poPortrait);
    EXPECT_EQ(PaperWindow->TopMargin(), 1000);
    const QString file = TempFile(QStringLiteral("land.qxf"));
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(saved);
    }
    OpenReport(file);
    EXPECT_EQ(PaperWindow->Orientation(), poLandscape);
    EXPECT_EQ(PaperWindow->TopMargin(), 1550);
    EXPECT_EQ(PageWindow->PageHeight(), 21000 - 1550 - 1000);
}

TEST(ClampZoom, KeepsThePrintableAreaVisible)
{
    EXPECT_EQ(ClampZoom(0.1), 0.3);
    EXPECT_EQ(ClampZoom(5.0), 3.0);
    EXPECT_EQ(ClampZoom(std::numeric_limits<double>::quiet_NaN()), 0.3);
}

TEST_F(PaperTest, ZoomLimits)
{
    PageDesigner->SetZoom(0.1);
    EXPECT_EQ(PageDesigner->GetZoom(), 0.3);
    PageDesigner->SetZoom(5);
    EXPECT_EQ(PageDesigner->GetZoom(), 3.0);
    EXPECT_DOUBLE_EQ(Scale, 96 * 3.0 / 2540);
    EXPECT_DOUBLE_EQ(GridStep, Scale * 500);
    // A printable area of 100 x 40 mm.
    PaperWindow->SetMM(5, 120.0);
    PaperWindow->SetMM(6, 60.0);
    EXPECT_EQ(PageWindow->PageWidth(), 10000);
    EXPECT_EQ(PageWindow->PageHeight(), 4000);
    EXPECT_DOUBLE_EQ(ClampZoom(0.3), 1.25);
    // Sides of nothing are never divided by.
    PageWindow->SetPageSize(0, -5);
    EXPECT_EQ(ClampZoom(0.1), 0.3);
}

TEST_F(PaperTest, ZoomIsNoModification)
{
    Document->SetModified(false);
    PageDesigner->SetZoom(2.0);
    PageDesigner->SetZoom(2.0);
    EXPECT_FALSE(Document->GetModified());
    EXPECT_EQ(PaperWindow->Width(), ToPixels(21000));
    EXPECT_EQ(PaperWindow->MarginPixels(0), ToPixels(1000));
}

} // namespace
} // namespace designer::tests
