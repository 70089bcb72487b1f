// The page window as a person uses it: elements inserted as the palette
// inserts them, edited through the inspector, zoomed, aligned to the grid
// and deleted with the confirmation answered.

#include "designer/elements/band.h"
#include "designer/document/designstate.h"
#include "designer/elements/label.h"
#include "designer/elements/panel.h"
#include "designer/tests/designfixture.h"

#include "designer-framework/inspectorgrid.h"
#include "designer-framework/inspectorwindow.h"

#include "classlib/controls/edit.h"
#include "classlib/controls/pagecontrol.h"
#include "classlib/controls/modalresponder.h"
#include "classlib/core/stringlist.h"
#include "classlib/core/sysutils.h"

#include <QTest>

namespace designer::tests {
namespace {

using namespace classlib;

class PageWindowTest : public DesignerTest {
protected:
    void GoTo(const QString& Name)
    {
        InspectorWindow->pgcInspector->SetActivePage(InspectorWindow->tabAll);
        InspectorWindow->pgcInspectorChange(InspectorWindow);
        const int row = InspectorWindow->ActiveRows() ? InspectorWindow->ActiveRows()->IndexOf(Name) : -1;
        ASSERT_GE(row, 0) << Name.toStdString() << " in "
                          << (InspectorWindow->ActiveRows() ? qPrintable(InspectorWindow->ActiveRows()->Text()) : "no rows");
        InspectorWindow->ActiveGrid()->SetRow(row);
    }
    void Type(const QString& Text)
    {
        InspectorWindow->edtValue->SelectAll();
        QTest::keyClicks(InspectorWindow->edtValue->Widget(), Text);
        QTest::keyClick(InspectorWindow->edtValue->Widget(), Qt::Key_Return);
    }
    void Click(TControl* Control, int X, int Y)
    {
        QTest::mouseClick(Control->Widget(), Qt::LeftButton, {}, QPoint(X, Y));
    }
};

TEST_F(PageWindowTest, BandAndLabelAsThePaletteInsertsThem)
{
    auto* band = Insert<TQXBand>(40, 40);
    ASSERT_NE(band, nullptr);
    EXPECT_EQ(band->Name(), QStringLiteral("Band1"));
    // Aligned to the top across the page; 10 mm become the nearest pixel.
    EXPECT_EQ(band->Align(), alTop);
    EXPECT_EQ(band->QXTop(), 0);
    EXPECT_EQ(band->QXLeft(), 0);
    EXPECT_EQ(band->QXHeight(), 1005);
    // Its width comes from the page's content and is stored exactly.
    EXPECT_EQ(band->QXWidth(), 19000);
    EXPECT_EQ(band->Width(), PageWindow->ClientWidth());
    EXPECT_EQ(PageWindow->SelectionCount(), 1);

    // With the band selected, the next element goes inside it.
    auto* label = Insert<TQXLabel>(20, 10);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->Name(), QStringLiteral("Label1"));
    EXPECT_EQ(label->Parent(), band);
    EXPECT_EQ(label->QXParent(), band);
    EXPECT_TRUE(label->AutoSize());
    EXPECT_TRUE(label->ParentFont());
    EXPECT_EQ(label->Font()->Name(), QStringLiteral("Arial"));
    EXPECT_EQ(Insert<TQXLabel>(60, 10)->Name(), QStringLiteral("Label2"));
}

TEST_F(PageWindowTest, CaptionTypedInTheInspectorSizesTheLabel)
{
    auto* label = Insert<TQXLabel>(20, 10);
    const int before = label->Width();
    GoTo(QStringLiteral("Caption"));
    Type(QStringLiteral("Grand total of the year"));
    EXPECT_EQ(label->Caption(), QStringLiteral("Grand total of the year"));
    EXPECT_GT(label->Width(), before + 50);
    EXPECT_EQ(label->QXWidth(), ToUnits(label->Width()));
    EXPECT_TRUE(Document->GetModified());
}

TEST_F(PageWindowTest, ZoomChangesPixelsAndNoStoredValue)
{
    auto* band = Insert<TQXBand>(40, 40);
    auto* label = Insert<TQXLabel>(20, 10);
    label->SetCaption(QStringLiteral("Zoomed"));
    auto* panel = Insert<TQXPanel>(10, 200);
    Document->SetModified(false);
    struct TStored {
        int L, T, W, H;
    };
    auto stored = [](TQXControl* C) { return TStored{C->QXLeft(), C->QXTop(), C->QXWidth(), C->QXHeight()}; };
    const TStored b = stored(band), l = stored(label), p = stored(panel);
    const int panelWidth = panel->Width();
    for (double z : {2.0, 0.5, 3.0, 1.0}) {
        PageDesigner->SetZoom(z);
        EXPECT_EQ(PageDesigner->GetZoom(), z);
        for (auto [c, s] : {std::pair{(TQXControl*)band, b}, {label, l}, {panel, p}}) {
            EXPECT_EQ(c->QXLeft(), s.L) << qPrintable(c->Name()) << " at " << z;
            EXPECT_EQ(c->QXTop(), s.T) << qPrintable(c->Name()) << " at " << z;
            EXPECT_EQ(c->QXWidth(), s.W) << qPrintable(c->Name()) << " at " << z;
            EXPECT_EQ(c->QXHeight(), s.H) << qPrintable(c->Name()) << " at " << z;
            // An auto-sized label measures its text at the zoomed font.
            EXPECT_NEAR(c->Width(), ToPixels(c->QXWidth()), c == label ? 3 : 0) << qPrintable(c->Name()) << " at " << z;
        }
        EXPECT_EQ(PageWindow->Width(), ToPixels(19000));
    }
    EXPECT_EQ(panel->Width(), panelWidth);
    EXPECT_FALSE(Document->GetModified());
}

TEST_F(PageWindowTest, AlignToGridSnapsTheSelection)
{
    auto* label = Insert<TQXLabel>(50, 90);
    label->SetMM(1, 14.0);
    label->SetMM(2, 26.0);
    PageWindow->AlignSelectedToGrid();
    EXPECT_EQ(label->QXLeft(), 1000);
    EXPECT_EQ(label->QXTop(), 3000);
    EXPECT_EQ(label->Left(), ToPixels(1000));
}

TEST_F(PageWindowTest, DeleteAsksAndOnlyYesDeletes)
{
    Insert<TQXBand>(40, 40);
    {
        TModalScript script;
        script.Answer(mrNo);
        QTest::keyClick(PageWindow->Widget(), Qt::Key_Delete);
        ASSERT_EQ(script.Requests().size(), 1u);
        EXPECT_EQ(script.Requests()[0].Text, QStringLiteral("Are you sure you want to delete selected item(s)?"));
    }
    ASSERT_NE(Element(QStringLiteral("Band1")), nullptr);
    EXPECT_EQ(PageWindow->SelectionCount(), 1);
    {
        TModalScript script;
        script.Answer(mrYes);
        QTest::keyClick(PageWindow->Widget(), Qt::Key_Delete);
        EXPECT_EQ(script.Requests().size(), 1u);
    }
    EXPECT_EQ(Element(QStringLiteral("Band1")), nullptr);
    // Nothing selected: the key does nothing, and asks nothing.
    TModalScript script;
    QTest::keyClick(PageWindow->Widget(), Qt::Key_Delete);
    EXPECT_TRUE(script.Requests().empty());
}

TEST_F(PageWindowTest, WithoutConfirmationDeleteJustDeletes)
{
    Insert<TQXBand>(40, 40);
    ConfirmDelete = false;
    TModalScript script;
    QTest::keyClick(PageWindow->Widget(), Qt::Key_Delete);
    ConfirmDelete = true;
    EXPECT_TRUE(script.Requests().empty());
    EXPECT_EQ(Element(QStringLiteral("Band1")), nullptr);
}

TEST_F(PageWindowTest, AClickMakesTheWindowUnderItTheInspectorsSurface)
{
    EXPECT_EQ(InspectorWindow->ActiveSurface(), PageWindow);
    // The paper shows around the page: its left margin.
    QTest::mouseClick(PaperWindow->Widget(), Qt::LeftButton, {}, QPoint(5, 200));
    EXPECT_EQ(InspectorWindow->ActiveSurface(), PaperWindow);
    QTest::mouseClick(PageWindow->Widget(), Qt::LeftButton, {}, QPoint(100, 100));
    EXPECT_EQ(InspectorWindow->ActiveSurface(), PageWindow);
}

TEST_F(PageWindowTest, PastedNamesDropTheClassPrefix)
{
    Insert<TQXBand>(40, 40);
    PageWindow->CopySelection();
    PageWindow->UnselectAll();
    PageWindow->PasteFromClipboard();
    EXPECT_NE(Element(QStringLiteral("Band2")), nullptr);
}

// New elements take the smallest free number of their class, also after
// elements went or were renamed, and a name offered but not taken is
// offered again.
TEST_F(PageWindowTest, NewElementsTakeTheSmallestFreeNumber)
{
    for (int i = 0; i < 4; ++i) Insert<TQXLabel>(40, 40 + 40 * i);
    EXPECT_EQ(PageWindow->MakeUniqueName(QString(), QStringLiteral("TQXLabel")), QStringLiteral("Label5"));
    EXPECT_EQ(PageWindow->MakeUniqueName(QStringLiteral("Label2"), QStringLiteral("TQXLabel")), QStringLiteral("Label5"));
    EXPECT_EQ(PageWindow->MakeUniqueName(QStringLiteral("Totals"), QStringLiteral("TQXLabel")), QStringLiteral("Totals"));
    delete Element(QStringLiteral("Label2"));
    EXPECT_EQ(Insert<TQXLabel>(200, 40)->Name(), QStringLiteral("Label2"));
    Element(QStringLiteral("Label1"))->SetName(QStringLiteral("Header"));
    EXPECT_EQ(Insert<TQXLabel>(200, 80)->Name(), QStringLiteral("Label1"));
    EXPECT_EQ(Insert<TQXLabel>(200, 120)->Name(), QStringLiteral("Label5"));
    EXPECT_EQ(Insert<TQXBand>(40, 300)->Name(), QStringLiteral("Band1"));
}

} // namespace
} // namespace designer::tests
