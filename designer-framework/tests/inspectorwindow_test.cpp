// The object inspector beside a design surface, used with a person's mouse
// and keys.

#include "surfacefixture.h"

#include "designer-framework/designregistry.h"
#include "designer-framework/inspectordesigner.h"
#include "designer-framework/inspectorgrid.h"
#include "designer-framework/inspectorwindow.h"

#include "classlib/controls/label.h"
#include "classlib/controls/memo.h"
#include "classlib/controls/pagecontrol.h"

#include <QApplication>
#include <QImage>

namespace designer_framework::test {
namespace {

class InspectorWindowTest : public SurfaceTest {
protected:
    InspectorWindowTest()
    {
        RegisterPropertyHint("Kind", &TShape::StaticClass(), "What the shape looks like");
        RegisterDesignClass("", "TShape", TShape::StaticClass(),
                            {"Name", "Left", "Top", "Width", "Height", "Kind", "Sides", "Cursor"},
                            {"Name", "Kind", "Width"}, {QVariant()}, true);
        RegisterDesignClass("", "TControlDesigner", TControlDesigner::StaticClass(), {"Name", "Width"}, {"Name"},
                            {QVariant()}, false);
        Surface.reset();
        Inspector.reset();
        Window = std::make_unique<TfrmInspector>(nullptr);
        Window->SetBounds(470, 40, 301, 386);
        Window->Show();
        Surface = std::make_unique<TControlDesigner>(nullptr);
        Surface->SetName("Surface");
        Surface->SetBounds(50, 40, 400, 300);
        Surface->Show();
        Designer = new TInspectorDesigner(Window.get());
        Surface->SetInspector(Designer);
        A = Put<TShape>(nullptr, 16, 24, 40, 32, "Alpha");
        B = Put<TShape>(nullptr, 80, 24, 50, 32, "Beta");
    }
    ~InspectorWindowTest() override
    {
        // The surface goes first: it tells the window.
        Surface.reset();
        Window.reset();
    }

    void Choose(const QString& Page)
    {
        TPageControl* pages = Window->pgcInspector;
        for (int i = 0; i < pages->PageCount(); ++i)
            if (pages->Pages(i)->Name() == Page) pages->SetActivePage(pages->Pages(i));
        Window->pgcInspectorChange(Window.get());
    }
    // Puts the editor on a row of the active page, as a click on it does.
    void GoTo(const QString& Name)
    {
        const int row = Window->ActiveRows()->IndexOf(Name);
        ASSERT_GE(row, 0) << Name.toStdString();
        Window->ActiveGrid()->SetRow(row);
    }
    void Type(const QString& Text)
    {
        Window->edtValue->SelectAll();
        QTest::keyClicks(Window->edtValue->Widget(), Text);
    }
    void Press(Qt::Key K, Qt::KeyboardModifiers M = {}) { QTest::keyClick(Window->edtValue->Widget(), K, M); }
    QString Cell(const QString& Name) const
    {
        const int row = Window->ActiveRows()->IndexOf(Name);
        return row < 0 ? QString("<none>") : Window->ActiveGrid()->Cells(1, row);
    }
    QStringList Chooser() const
    {
        QStringList out;
        for (int i = 0; i < Window->cmbControl->Items()->Count(); ++i) out << Window->cmbControl->Items()->Get(i);
        return out;
    }

    std::unique_ptr<TfrmInspector> Window;
    TShape* A;
    TShape* B;
};

TEST_F(InspectorWindowTest, SelectingAControlFillsTheInspector)
{
    Surface->SelectOnly(A);
    EXPECT_EQ(Window->cmbControl->Text(), "Alpha");
    EXPECT_TRUE(Window->dwgControlGeneral->Visible());
    // The General page in the registration's order, the All page by name.
    EXPECT_EQ(Window->dwgControlGeneral->Cells(0, 0), "Name");
    EXPECT_EQ(Window->dwgControlGeneral->Cells(0, 1), "Kind");
    EXPECT_EQ(Window->dwgControlGeneral->Cells(0, 2), "Width");
    EXPECT_EQ(Window->dwgControlGeneral->Cells(1, 2), "40");
    EXPECT_FALSE(Window->dwgControlEvent->Visible());
    Choose("tabAll");
    EXPECT_EQ(Window->dwgControlAll->RowCount(), 7);
    EXPECT_EQ(Window->dwgControlAll->Cells(0, 0), "Height");
    // The current row's name, type and hint in the status panel.
    GoTo("Kind");
    EXPECT_EQ(Window->lblPropName->Caption(), "Kind");
    EXPECT_EQ(Window->lblType->Caption(), "Enumeration");
    EXPECT_EQ(Window->memStatus->Lines()->Text().trimmed(), "What the shape looks like");
    EXPECT_TRUE(Window->edtValue->Visible());
    EXPECT_EQ(Window->edtValue->Text(), "skRectangle");
    EXPECT_TRUE(Window->btnList->Visible());
}

TEST_F(InspectorWindowTest, TypedValuesAreCommittedAndRefusedOnesStay)
{
    Surface->SelectOnly(A);
    GoTo("Width");
    Type("64");
    Press(Qt::Key_Return);
    EXPECT_EQ(A->Width(), 64);
    EXPECT_FALSE(Window->edtValue->Modified());

    // "abc": the red error, the text stays, pages and closing are refused.
    Type("abc");
    Press(Qt::Key_Return);
    EXPECT_EQ(A->Width(), 64);
    EXPECT_EQ(Window->edtValue->Text(), "abc");
    EXPECT_TRUE(Window->edtValue->Modified());
    EXPECT_EQ(Window->memStatus->Font()->Color(), TColor(255));
    EXPECT_FALSE(Window->memStatus->Lines()->Text().trimmed().isEmpty());
    // Red on the screen too, though the status panel is disabled.
    const QImage shown = Window->memStatus->Widget()->grab().toImage();
    int red = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x) {
            const QColor c = shown.pixelColor(x, y);
            if (c.red() > 160 && c.green() < 96 && c.blue() < 96) ++red;
        }
    EXPECT_GT(red, 0);
    bool allow = true;
    Window->pgcInspectorChanging(Window.get(), allow);
    EXPECT_FALSE(allow);
    EXPECT_EQ(Window->edtValue->Text(), "abc");
    bool close = true;
    Window->FormCloseQuery(Window.get(), close);
    EXPECT_FALSE(close);
    // Moving to another row is refused too.
    Press(Qt::Key_Up);
    EXPECT_EQ(Window->ActiveRows()->Get(Window->ActiveGrid()->Row()), "Width");
    // Escape gives the value back and frees the window.
    Press(Qt::Key_Escape);
    EXPECT_EQ(Window->edtValue->Text(), "64");
    EXPECT_NE(Window->memStatus->Font()->Color(), TColor(255));
    Window->pgcInspectorChanging(Window.get(), allow);
    EXPECT_TRUE(allow);
}

TEST_F(InspectorWindowTest, RenamingThroughTheNameRowResortsTheChooser)
{
    Surface->SelectOnly(A);
    EXPECT_EQ(Chooser(), (QStringList{"Alpha", "Beta", "Surface"}));
    GoTo("Name");
    Type("Zulu");
    Press(Qt::Key_Return);
    EXPECT_EQ(A->Name(), "Zulu");
    EXPECT_EQ(Chooser(), (QStringList{"Beta", "Surface", "Zulu"}));
    EXPECT_EQ(Window->cmbControl->Text(), "Zulu");
    // Choosing in the chooser selects on the surface.
    Window->cmbControl->SetItemIndex(0);
    Window->cmbControlChange(Window->cmbControl);
    EXPECT_EQ(Selected(), QList<TComponent*>{B});
}

// A surface served lists itself and all it owns, sorted, however many;
// the one served before lists its own again when it is served once more.
TEST_F(InspectorWindowTest, ServingASurfaceListsEverythingItOwnsSorted)
{
    TControlDesigner other(nullptr);
    other.SetName("Other");
    for (const char* name : {"Zeta", "gamma", "Beta2", "delta"}) {
        auto* shape = new TShape(&other);
        shape->SetName(QString::fromLatin1(name));
        shape->SetParent(&other);
    }
    other.SetInspector(new TInspectorDesigner(Window.get()));
    EXPECT_EQ(Chooser(), (QStringList{"Beta2", "delta", "gamma", "Other", "Zeta"}));
    other.SelectOnly(other.FindComponent("gamma"));
    EXPECT_EQ(Window->cmbControl->Text(), "gamma");
    Surface->Activate();
    EXPECT_EQ(Chooser(), (QStringList{"Alpha", "Beta", "Surface"}));
    Surface->SelectOnly(B);
    EXPECT_EQ(Window->cmbControl->Text(), "Beta");
}

TEST_F(InspectorWindowTest, DropDownRowsTakeOnlyWhatIsPicked)
{
    Surface->SelectOnly(A);
    GoTo("Kind");
    QTest::mouseClick(Window->btnList->Widget(), Qt::LeftButton, {}, QPoint(5, 5));
    ASSERT_TRUE(Window->lbxValue->Visible());
    EXPECT_EQ(Window->lbxValue->Items()->Count(), 3);
    // A short list shows whole, with no scrolling.
    EXPECT_GE(Window->lbxValue->ClientRect().Height(), 3 * Window->lbxValue->ItemHeight());
    // Arrow keys move the highlight; the property stays. The values are
    // sorted: skCircle, skRectangle, skSquare.
    QTest::keyClick(Window->lbxValue->Widget(), Qt::Key_Down);
    QTest::keyClick(Window->lbxValue->Widget(), Qt::Key_Down);
    EXPECT_EQ(Window->lbxValue->ItemIndex(), 2);
    EXPECT_EQ(A->Kind, skRectangle);
    QTest::keyClick(Window->lbxValue->Widget(), Qt::Key_Return);
    EXPECT_EQ(A->Kind, skSquare);
    EXPECT_FALSE(Window->lbxValue->Visible());
    // A double click steps to the next value of the sorted list, wrapping round.
    Window->edtValueDblClick(Window->edtValue);
    EXPECT_EQ(A->Kind, skCircle);
    Window->edtValueDblClick(Window->edtValue);
    EXPECT_EQ(A->Kind, skRectangle);
}

TEST_F(InspectorWindowTest, TwoSelectedControlsShareWhatTheyHave)
{
    Surface->SelectOnly(A);
    Surface->SelectControl(B);
    EXPECT_EQ(Window->cmbControl->ItemIndex(), -1);
    Choose("tabAll");
    EXPECT_EQ(Cell("Name"), "<none>");
    EXPECT_EQ(Cell("Width"), "");
    EXPECT_EQ(Cell("Top"), "24");
    GoTo("Width");
    EXPECT_EQ(Window->edtValue->Text(), "40");
    Type("90");
    Press(Qt::Key_Return);
    EXPECT_EQ(A->Width(), 90);
    EXPECT_EQ(B->Width(), 90);
    EXPECT_EQ(Cell("Width"), "90");
}

TEST_F(InspectorWindowTest, MovingOnTheSurfaceShowsInTheInspector)
{
    Surface->SelectOnly(A);
    Choose("tabAll");
    Drag(A, Point(5, 5), Point(21, 13));
    EXPECT_EQ(Cell("Left"), QString::number(A->Left()));
    EXPECT_EQ(Cell("Top"), QString::number(A->Top()));
    EXPECT_NE(A->Left(), 16);
    // The selected control goes: the rows are the surface's.
    delete A;
    EXPECT_EQ(Cell("Left"), "<none>");
    EXPECT_EQ(Cell("Name"), "Surface");
}

TEST_F(InspectorWindowTest, AFreedSurfaceLeavesTheWindowNoRowsToReach)
{
    Surface->SelectOnly(A);
    GoTo("Width");
    Type("77");
    Surface.reset();
    // What the window does next must not reach rows that went with the surface.
    bool close = true;
    Window->FormCloseQuery(Window.get(), close);
    EXPECT_TRUE(close);
    Window->FormDeactivate(Window.get());
    Window->DesignModified();
    EXPECT_EQ(Window->ActiveRows(), nullptr);
    EXPECT_FALSE(Window->edtValue->Visible());
    Window->Widget()->grab();
}

TEST_F(InspectorWindowTest, StayOnTopAndHide)
{
    EXPECT_TRUE(Window->GetStayOnTop());
    EXPECT_EQ(Window->FormStyle(), fsStayOnTop);
    Window->SetStayOnTop(false);
    EXPECT_FALSE(Window->pmiStayOnTop->Checked());
    EXPECT_EQ(Window->FormStyle(), fsNormal);
    Window->SetStayOnTop(true);
    EXPECT_EQ(Window->FormStyle(), fsStayOnTop);
    // Hide asks nothing, even with a refused value waiting.
    Surface->SelectOnly(A);
    GoTo("Width");
    Type("abc");
    Press(Qt::Key_Return);
    Window->pmiHideClick(Window.get());
    EXPECT_FALSE(Window->Visible());
}

} // namespace
} // namespace designer_framework::test
