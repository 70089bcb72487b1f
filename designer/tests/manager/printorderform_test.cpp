// The print order editor as a person uses it: the list opens in the run's
// order, the arrows and drag and drop exchange free elements, OK numbers
// them and Cancel leaves them; the page window opens it for the container
// in question.

#include "designer/elements/band.h"
#include "designer/elements/label.h"
#include "designer/manager/printorderform.h"
#include "designer/elements/shape.h"
#include "designer/tests/designfixture.h"

#include "classlib/controls/button.h"
#include "classlib/controls/listbox.h"
#include "classlib/controls/modalresponder.h"
#include "classlib/controls/speedbutton.h"

#include <QTest>

#include <functional>
#include <map>

namespace designer::tests {
namespace {

using namespace classlib;

struct TChild {
    const char* Name;  // "" for an element without a name
    int TopMM;
    TAlign Align = alNone;
    int PrintOrder = 0;
};

// What a person does in the dialog, by list index; the last step closes it.
struct TStep {
    enum { Select, Up, Down, Drag, DragBelow, Ok, Cancel, Escape } Kind;
    int From = 0;
    int To = 0;
};

QPoint ItemCentre(TListBox* List, int Index)
{
    const TRect r = List->ItemRect(Index);
    const int b = (List->Width() - List->ClientWidth()) / 2;  // the border
    return QPoint((r.Left + r.Right) / 2 + b, (r.Top + r.Bottom) / 2 + b);
}

void Press(TControl* Button)
{
    QTest::mouseClick(Button->Widget(), Qt::LeftButton, {}, QPoint(Button->Width() / 2, Button->Height() / 2));
}

void Perform(TfrmPrintOrder& Form, const TStep& Step)
{
    TListBox* list = Form.lbxControls;
    auto drag = [list](int From, const QPoint& To) {
        QTest::mousePress(list->Widget(), Qt::LeftButton, {}, ItemCentre(list, From));
        QTest::mouseMove(list->Widget(), To);
        QTest::mouseRelease(list->Widget(), Qt::LeftButton, {}, To);
    };
    switch (Step.Kind) {
    case TStep::Select: QTest::mouseClick(list->Widget(), Qt::LeftButton, {}, ItemCentre(list, Step.From)); break;
    case TStep::Up: Press(Form.btnUp); break;
    case TStep::Down: Press(Form.btnDown); break;
    case TStep::Drag: drag(Step.From, ItemCentre(list, Step.To)); break;
    case TStep::DragBelow: drag(Step.From, ItemCentre(list, list->Count() - 1) + QPoint(0, 3 * list->ItemHeight())); break;
    case TStep::Ok: Press(Form.btnOk); break;
    case TStep::Cancel: Press(Form.btnCancel); break;
    case TStep::Escape: QTest::keyClick(list->Widget(), Qt::Key_Escape); break;
    }
}

QStringList Listed(const TfrmPrintOrder& Form)
{
    QStringList names;
    for (int i = 0; i < Form.lbxControls->Count(); ++i) names << Form.lbxControls->Items()->Get(i);
    return names;
}

class PrintOrderTest : public DesignerTest {
protected:
    // Shapes, or bands where aligned, on the page at their tops.
    std::vector<TQXControl*> Build(const std::vector<TChild>& Children)
    {
        std::vector<TQXControl*> elements;
        for (const TChild& c : Children) {
            PageWindow->ClearSelection();
            TQXControl* element = c.Align != alNone ? static_cast<TQXControl*>(Insert<TQXBand>(10, 300))
                                  : *c.Name ? Insert<TQXShape>(10, 300)
                                            : new TQXShape(PageWindow);
            if (*c.Name) element->SetName(QString::fromLatin1(c.Name));
            element->SetParent(PageWindow);
            element->SetAlign(c.Align);
            // Out of the way of the next insertion.
            element->SetMM(1, 40.0 + 12 * double(elements.size()));
            element->SetMM(2, c.TopMM);
            element->SetPrintOrder(c.PrintOrder);
            elements.push_back(element);
        }
        PageWindow->ClearSelection();
        PageDesigner->IsModified = false;
        return elements;
    }
    // Opens the editor through the page window; Body drives it.
    void Edit(const std::function<void(TfrmPrintOrder&)>& Body)
    {
        TModalScript script;
        script.Then([&](TModalRequest& Request) {
            Body(*static_cast<TfrmPrintOrder*>(Request.Form));
            return mrCancel;
        });
        PageWindow->EditPrintOrder();
        EXPECT_EQ(script.Pending(), 0);
    }
};

TEST_F(PrintOrderTest, ListsInTheRunsOrderAndNumbersOnlyOnOK)
{
    using S = TStep;
    const std::vector<TChild> three{{"A", 10, alNone, 4}, {"B", 20}, {"C", 30, alNone, -2}};
    const std::vector<TChild> aligned{{"Band1", 0, alTop}, {"X", 50}, {"Y", 80}};
    struct {
        const char* Name;
        std::vector<TChild> Children;
        std::vector<TStep> Steps;
        QStringList Opened, Closed;
        std::vector<int> Orders;  // of the children, in their order
    } const cases[] = {
        {"all 0 and unaligned: top to bottom", {{"A", 30}, {"B", 10}, {"C", 20}}, {{S::Ok}},
         {"B", "C", "A"}, {"B", "C", "A"}, {3, 1, 2}},
        {"equal tops come out as the run's sort takes them", {{"A", 10}, {"B", 10}, {"C", 10}}, {{S::Ok}},
         {"C", "B", "A"}, {"C", "B", "A"}, {3, 2, 1}},
        {"by PrintOrder once one is set: -2 before 0 before 4", three, {{S::Ok}},
         {"C", "B", "A"}, {"C", "B", "A"}, {3, 2, 1}},
        {"the arrows exchange neighbours", three, {{S::Down}, {S::Down}, {S::Select, 0}, {S::Down}, {S::Ok}},
         {"C", "B", "A"}, {"A", "B", "C"}, {1, 2, 3}},
        {"up on the first and down on the last do nothing", three, {{S::Up}, {S::Select, 2}, {S::Down}, {S::Ok}},
         {"C", "B", "A"}, {"C", "B", "A"}, {3, 2, 1}},
        {"a drop exchanges two items, below the last none", {{"A", 10}, {"B", 20}, {"C", 30}, {"D", 40}},
         {{S::Drag, 0, 2}, {S::DragBelow, 1}, {S::Ok}}, {"A", "B", "C", "D"}, {"C", "B", "A", "D"}, {3, 2, 1, 4}},
        {"Cancel leaves every element as it was", three, {{S::Down}, {S::Drag, 2, 0}, {S::Cancel}},
         {"C", "B", "A"}, {"A", "C", "B"}, {4, 0, -2}},
        {"so does Escape", three, {{S::Down}, {S::Escape}}, {"C", "B", "A"}, {"B", "C", "A"}, {4, 0, -2}},
        {"an aligned element moves neither by arrow nor by drag, and is numbered", aligned,
         {{S::Down}, {S::Drag, 0, 2}, {S::Ok}}, {"Band1", "X", "Y"}, {"Band1", "X", "Y"}, {1, 2, 3}},
        {"nothing moves onto an aligned element", aligned,
         {{S::Select, 1}, {S::Up}, {S::Select, 2}, {S::Drag, 2, 0}, {S::Ok}},
         {"Band1", "X", "Y"}, {"Band1", "X", "Y"}, {1, 2, 3}},
        {"elements without a name are not listed and keep their order", {{"A", 10}, {"", 5, alNone, 7}},
         {{S::Ok}}, {"A"}, {"A"}, {1, 7}},
        {"one named element: the arrows do nothing, OK gives it 1", {{"A", 10, alNone, 5}},
         {{S::Up}, {S::Down}, {S::Ok}}, {"A"}, {"A"}, {1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const std::vector<TQXControl*> elements = Build(c.Children);
        Edit([&](TfrmPrintOrder& Form) {
            EXPECT_EQ(Listed(Form), c.Opened);
            EXPECT_EQ(Form.lbxControls->ItemIndex(), 0);
            for (const TStep& step : c.Steps) {
                if (&step == &c.Steps.back()) {
                    EXPECT_EQ(Listed(Form), c.Closed);
                }
                Perform(Form, step);
            }
        });
        std::vector<int> orders;
        for (TQXControl* element : elements) orders.push_back(element->PrintOrder());
        EXPECT_EQ(orders, c.Orders);
        EXPECT_EQ(PageDesigner->IsModified, c.Steps.back().Kind == TStep::Ok);
        for (TQXControl* element : elements) delete element;
    }
}

TEST_F(PrintOrderTest, ThePageWindowOpensItForTheContainerInQuestion)
{
    auto* band = Insert<TQXBand>(10, 10);
    band->SetMM(4, 40.0);
    // Inserted with the band selected: into the band.
    auto* inside = Insert<TQXLabel>(20, 20);
    PageWindow->SelectOnly(band);
    auto* nested = Insert<TQXShape>(120, 80);
    PageWindow->ClearSelection();
    auto* onPage = Insert<TQXLabel>(20, 400);
    ASSERT_EQ(nested->Parent(), band);
    ASSERT_EQ(onPage->Parent(), PageWindow);
    const QStringList page{band->Name(), onPage->Name()}, inBand{inside->Name(), nested->Name()};
    const std::pair<TComponent*, QStringList> cases[] = {
        {nullptr, page}, {band, inBand}, {inside, inBand}, {onPage, page}};
    for (const auto& [selected, listed] : cases) {
        PageWindow->ClearSelection();
        if (selected) PageWindow->AddToSelection(selected);
        Edit([&](TfrmPrintOrder& Form) { EXPECT_EQ(Listed(Form), listed) << qPrintable(selected ? selected->Name() : QStringLiteral("none")); });
    }
}

} // namespace
} // namespace designer::tests
