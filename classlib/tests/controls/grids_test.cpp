// Grids driven as a person would: clicks, drags, keys, the wheel and the
// scroll bar; cell geometry, selection, the top row and drawing.

#include "classlib/controls/form.h"
#include "classlib/controls/grids.h"
#include "classlib/core/classbuilder.h"
#include "handlers.h"

#include <QApplication>
#include <QScrollBar>
#include <QStringList>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

namespace classlib {
namespace {

using testing::Bind;

// Counts the top-row hook.
class TProbeGrid : public TStringGrid {
public:
    using TStringGrid::TStringGrid;
    int TopLeftChanges = 0;

protected:
    void TopLeftChanged() override
    {
        TStringGrid::TopLeftChanged();
        ++TopLeftChanges;
    }
};

// The inspector's shape: two columns, rows 16 high with a line of 1, whole
// rows selected, no border; 10 whole rows and 5 pixels more are shown.
struct TGridFixture : ::testing::Test {
    TForm form{nullptr};
    TProbeGrid* grid = new TProbeGrid(&form);

    TGridFixture()
    {
        form.SetBounds(0, 0, 400, 300);
        grid->SetParent(&form);
        grid->SetBorderStyle(bsNone);
        grid->SetColCount(2);
        grid->SetDefaultRowHeight(16);
        grid->SetColWidths(0, 77);
        grid->SetColWidths(1, 152);
        grid->SetOptions(grid->Options() + TGridOptions{goRowSelect});
        grid->SetScrollBars(ssVertical);
        grid->SetRowCount(30);
        grid->SetBounds(0, 0, 260, 175);
        form.Show();
        form.Widget()->activateWindow();
        (void)QTest::qWaitForWindowActive(form.Widget());
    }

    QPoint CellCentre(int Col, int Row) const
    {
        const TRect r = grid->CellRect(Col, Row);
        return QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    }
};

TEST_F(TGridFixture, CellGeometryCountsGridLinesAndOnlyWholeRowsAsVisible)
{
    EXPECT_EQ(grid->VisibleRowCount(), 10);
    const int bar = GetSystemMetrics(SM_CXVSCROLL);
    EXPECT_EQ(grid->ClientWidth(), 260 - bar);

    const struct {
        const char* Name;
        int Col, Row;
        TRect Expected;
    } cases[] = {
        {"first cell", 0, 0, Rect(0, 0, 77, 16)},
        {"value column after the line", 1, 0, Rect(78, 0, 230, 16)},
        {"third row", 1, 2, Rect(78, 34, 230, 50)},
        {"half-shown row", 0, 10, Rect(0, 170, 77, 186)},
        {"row below the view", 0, 11, TRect{}},
        {"column beyond the grid", 2, 0, TRect{}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(grid->CellRect(c.Col, c.Row), c.Expected);
    }

    grid->SetTopRow(4);
    EXPECT_EQ(grid->CellRect(0, 3), TRect{});
    EXPECT_EQ(grid->CellRect(0, 4), Rect(0, 0, 77, 16));

    int col, row;
    grid->MouseToCell(80, 20, col, row);
    EXPECT_EQ(col, 1);
    EXPECT_EQ(row, 5);
    grid->MouseToCell(240, 20, col, row);  // right of the last column
    EXPECT_EQ(col, -1);
}

TEST_F(TGridFixture, TheTopRowStaysWhereRowsStillFillTheGrid)
{
    grid->SetTopRow(100);
    EXPECT_EQ(grid->TopRow(), 20);  // 30 rows, 10 shown
    EXPECT_EQ(grid->TopLeftChanges, 1);
    grid->SetTopRow(20);
    EXPECT_EQ(grid->TopLeftChanges, 1);  // no change, no call
    grid->SetTopRow(-3);
    EXPECT_EQ(grid->TopRow(), 0);
    EXPECT_EQ(grid->TopLeftChanges, 2);
}

TEST_F(TGridFixture, MovingTheCurrentRowScrollsItIntoView)
{
    const struct {
        const char* Name;
        int Row, Top;
    } steps[] = {
        {"inside the view", 5, 0},
        {"one below the last whole row", 10, 1},
        {"far down", 25, 16},
        {"above the view", 3, 3},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.Name);
        grid->SetRow(s.Row);
        EXPECT_EQ(grid->Row(), s.Row);
        EXPECT_EQ(grid->TopRow(), s.Top);
    }
    EXPECT_THROW(grid->SetRow(30), EInvalidGridOperation);
    try {
        grid->SetRow(-1);
    } catch (const Exception& E) {
        EXPECT_EQ(E.Message, QStringLiteral("Grid index out of range"));
    }
}

TEST_F(TGridFixture, FewerRowsClampTheCurrentAndTopRowsAndHideTheScrollBar)
{
    grid->SetRow(25);
    const int changes = grid->TopLeftChanges;
    QStringList asked;
    Bind(grid->OnSelectCell, [&](TObject*, int C, int R, bool&) { asked << QStringLiteral("%1,%2").arg(C).arg(R); });
    grid->SetRowCount(12);
    EXPECT_EQ(grid->Row(), 11);
    EXPECT_EQ(grid->TopRow(), 2);
    EXPECT_EQ(grid->TopLeftChanges, changes + 1);
    EXPECT_TRUE(asked.isEmpty());  // the rows that went are not asked about

    grid->SetRowCount(4);
    EXPECT_EQ(grid->TopRow(), 0);
    EXPECT_EQ(grid->VisibleRowCount(), 4);
    EXPECT_EQ(grid->ClientWidth(), 260);  // all rows fit: no scroll bar
    grid->SetRowCount(0);
    EXPECT_EQ(grid->RowCount(), 1);
    EXPECT_EQ(grid->Row(), 0);
}

TEST_F(TGridFixture, ClicksAndKeysSelectRowsThatSelectCellAllows)
{
    bool allow = true;
    QStringList asked;
    Bind(grid->OnSelectCell, [&](TObject* Sender, int C, int R, bool& Can) {
        EXPECT_EQ(Sender, grid);
        asked << QStringLiteral("%1,%2").arg(C).arg(R);
        Can = allow;
    });
    QTest::mouseClick(grid->Widget(), Qt::LeftButton, {}, CellCentre(1, 3));
    EXPECT_EQ(grid->Row(), 3);
    EXPECT_EQ(grid->Col(), 1);
    EXPECT_TRUE(grid->Focused());

    QTest::keyClick(grid->Widget(), Qt::Key_Down);
    EXPECT_EQ(grid->Row(), 4);
    QTest::keyClick(grid->Widget(), Qt::Key_PageDown);
    EXPECT_EQ(grid->Row(), 14);
    EXPECT_EQ(grid->TopRow(), 5);
    QTest::keyClick(grid->Widget(), Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(grid->Row(), 29);
    QTest::keyClick(grid->Widget(), Qt::Key_Left);  // whole rows: the column stays
    EXPECT_EQ(grid->Col(), 1);

    allow = false;
    QTest::keyClick(grid->Widget(), Qt::Key_Up);
    QTest::mouseClick(grid->Widget(), Qt::LeftButton, {}, CellCentre(0, 25));
    EXPECT_EQ(grid->Row(), 29);
    EXPECT_EQ(asked, (QStringList{"1,3", "1,4", "1,14", "1,29", "1,28", "0,25"}));
}

TEST_F(TGridFixture, TheWheelAndTheScrollBarMoveTheTopRowOncePerChange)
{
    QWheelEvent down(QPointF(20, 20), grid->Widget()->mapToGlobal(QPointF(20, 20)), QPoint(),
                     QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(grid->Widget(), &down);
    EXPECT_EQ(grid->TopRow(), 3);
    EXPECT_EQ(grid->Row(), 0);  // the view scrolls, the selection stays
    EXPECT_EQ(grid->TopLeftChanges, 1);

    auto* bar = grid->Widget()->findChild<QScrollBar*>();
    ASSERT_NE(bar, nullptr);
    ASSERT_TRUE(bar->isVisible());
    EXPECT_EQ(bar->value(), 3);
    EXPECT_EQ(bar->maximum(), 20);
    // The arrow at the bar's bottom end steps one row.
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() / 2, bar->height() - 3));
    EXPECT_EQ(grid->TopRow(), 4);
    EXPECT_EQ(grid->TopLeftChanges, 2);
}

TEST_F(TGridFixture, DraggingAColumnEdgeSizesTheColumnWhenAllowed)
{
    QTest::mousePress(grid->Widget(), Qt::LeftButton, {}, QPoint(77, 40));
    QTest::mouseMove(grid->Widget(), QPoint(60, 40));
    QTest::mouseRelease(grid->Widget(), Qt::LeftButton, {}, QPoint(60, 40));
    EXPECT_EQ(grid->ColWidths(0), 77);  // no column sizing yet: the press selected row 2
    EXPECT_EQ(grid->Row(), 2);

    grid->SetOptions(grid->Options() + TGridOptions{goColSizing});
    QTest::mousePress(grid->Widget(), Qt::LeftButton, {}, QPoint(77, 40));
    QTest::mouseMove(grid->Widget(), QPoint(60, 40));
    QTest::mouseRelease(grid->Widget(), Qt::LeftButton, {}, QPoint(60, 40));
    EXPECT_EQ(grid->ColWidths(0), 60);
    EXPECT_EQ(grid->CellRect(1, 0).Left, 61);
}

TEST_F(TGridFixture, OwnerDrawingSeesEveryShownCellWithTheCurrentRowSelected)
{
    grid->SetDefaultDrawing(false);
    grid->SetRowCount(3);
    grid->SetRow(1);
    QStringList drawn;
    Bind(grid->OnDrawCell, [&](TObject*, int C, int R, TRect Rect, TGridDrawState State) {
        drawn << QStringLiteral("%1,%2 %3 %4%5")
                     .arg(C)
                     .arg(R)
                     .arg(Rect.Top)
                     .arg(State.Contains(gdSelected) ? "sel" : "-")
                     .arg(State.Contains(gdFocused) ? "+foc" : "");
        // The grid's canvas draws while the cell is drawn.
        grid->Canvas()->Brush()->SetColor(clRed);
        grid->Canvas()->FillRect(Rect);
    });
    const QImage image = grid->Widget()->grab().toImage();
    EXPECT_EQ(drawn, (QStringList{"0,0 0 -", "1,0 0 -", "0,1 17 sel", "1,1 17 sel", "0,2 34 -",
                                  "1,2 34 -"}));
    EXPECT_EQ(image.pixelColor(10, 20), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(10, 16), QColor(0xC0, 0xC0, 0xC0));  // the grid line
    EXPECT_EQ(image.pixelColor(10, 60), QColor(Qt::white));  // below the rows: the grid's colour
}

TEST_F(TGridFixture, StringCellsAreKeptWithinTheGrid)
{
    grid->SetCells(1, 4, QStringLiteral("Caption"));
    EXPECT_EQ(grid->Cells(1, 4), QStringLiteral("Caption"));
    EXPECT_EQ(grid->Cells(0, 4), QString());
    EXPECT_EQ(grid->Cells(7, 99), QString());
    try {
        grid->SetCells(2, 0, QStringLiteral("x"));
        ADD_FAILURE() << "no exception";
    } catch (const EInvalidGridOperation& E) {
        EXPECT_EQ(E.Message, QStringLiteral("Grid index out of range"));
    }
    grid->SetRowCount(4);
    grid->SetRowCount(30);
    EXPECT_EQ(grid->Cells(1, 4), QString());  // fell off when the grid shrank

    // Default drawing writes the text in the font's colour.
    grid->SetCells(0, 0, QStringLiteral("WWWW"));
    grid->Font()->SetColor(clBlue);
    grid->SetRow(5);
    const QImage image = grid->Widget()->grab().toImage();
    bool blue = false;
    for (int x = 2; x < 40; ++x)
        for (int y = 2; y < 14; ++y)
            blue = blue || image.pixelColor(x, y) == QColor(Qt::blue);
    EXPECT_TRUE(blue);
}

TEST(Grid, PublishesItsSettingsAndEvents)
{
    const TClassInfo& info = TStringGrid::StaticClass();
    const struct {
        const char* Name;
        TTypeKind Kind;
    } cases[] = {
        {"ColCount", TTypeKind::tkInteger},     {"RowCount", TTypeKind::tkInteger},
        {"DefaultRowHeight", TTypeKind::tkInteger}, {"Options", TTypeKind::tkSet},
        {"ScrollBars", TTypeKind::tkEnumeration}, {"DefaultDrawing", TTypeKind::tkEnumeration},
        {"OnDrawCell", TTypeKind::tkMethod},    {"OnSelectCell", TTypeKind::tkMethod},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const TPropInfo* p = info.FindProp(QString::fromLatin1(c.Name));
        ASSERT_NE(p, nullptr);
        EXPECT_EQ(p->Kind(), c.Kind);
    }
    TStringGrid grid(nullptr);
    EXPECT_EQ(info.FindProp(u"ColCount")->GetOrd(grid), 5);
}

} // namespace
} // namespace classlib
