// The colour-scheme dialog as a person meets it: the Standard page with
// its twelve tiles, the selection drawn raised, the Custom page's six
// colours, and every way out ending in Cancel.

#include "designer/dialogs/colorschemeform.h"
#include "designer/controls/colorselector.h"
#include "designer/controls/itemselector.h"

#include "classlib/controls/button.h"
#include "classlib/controls/label.h"
#include "classlib/controls/modalresponder.h"
#include "classlib/controls/pagecontrol.h"
#include "classlib/controls/scrollbar.h"
#include "classlib/graphics/color.h"
#include "classlib/graphics/gditypes.h"

#include <QImage>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>

namespace designer::tests {
namespace {

using namespace classlib;

void Press(TControl* Control)
{
    QTest::mouseClick(Control->Widget(), Qt::LeftButton, {}, QPoint(Control->Width() / 2, Control->Height() / 2));
}

// The top-left pixel of the slot showing Item: the outer edge's colour.
QRgb Corner(TItemSelector* Sel, int Item)
{
    for (int i = 0; i < Sel->SlotCount(); ++i)
        if (Sel->Slots(i)->Index() == Item) {
            QCoreApplication::processEvents();
            return Sel->Slots(i)->Widget()->grab().toImage().pixel(0, 0);
        }
    ADD_FAILURE() << "no slot shows item " << Item;
    return 0;
}

QRgb Rgb(TColor Color)
{
    const TColorRef c = ColorToRGB(Color);
    return qRgb(GetRValue(c), GetGValue(c), GetBValue(c));
}

// Shows the dialog modally; Body plays the user, and the dialog's own
// result is returned.
TModalResult Show(const std::function<void(TfrmColorScheme&)>& Body)
{
    TfrmColorScheme form(nullptr);
    TModalScript script;
    script.Then([&](TModalRequest& Request) {
        EXPECT_EQ(Request.Form, &form);
        Body(form);
        return mrCancel;
    });
    const TModalResult result = form.ShowModal();
    EXPECT_EQ(script.Pending(), 0);
    return result;
}

TEST(ColorScheme, OpensOnTheStandardPageWithTwelveTilesAllInView)
{
    Show([](TfrmColorScheme& Form) {
        EXPECT_EQ(Form.Caption(), QStringLiteral("Color Scheme"));
        EXPECT_EQ(Form.ClientWidth(), 378);
        EXPECT_EQ(Form.ClientHeight(), 245);
        EXPECT_EQ(Form.pclMain->ActivePage(), Form.tshStandard);
        EXPECT_EQ(Form.tshStandard->Caption(), QStringLiteral("Standard"));
        EXPECT_EQ(Form.tshCustom->Caption(), QStringLiteral("Custom"));
        EXPECT_EQ(Form.lblStandard->Caption(), QStringLiteral("Color Schemes:"));
        TItemSelector* sel = Form.ItemSelector1;
        EXPECT_EQ(sel->ItemCount(), 12);
        EXPECT_EQ(sel->ItemIndex(), -1);
        EXPECT_EQ(sel->Columns(), 4);
        EXPECT_EQ(sel->Rows(), 3);
        EXPECT_EQ(sel->LineCount(), 3);
        EXPECT_FALSE(sel->ScrollBar()->Enabled());
        EXPECT_EQ(Form.pnlSample->Width(), 73);
        EXPECT_EQ(Form.pnlSample->Height(), 97);
    });
}

TEST(ColorScheme, ClickingATileRaisesItAndSinksTheOneBefore)
{
    Show([](TfrmColorScheme& Form) {
        TItemSelector* sel = Form.ItemSelector1;
        const QRgb sunken = Rgb(clBtnShadow), raised = Rgb(cl3DLight);
        ASSERT_NE(sunken, raised);
        EXPECT_EQ(Corner(sel, 5), sunken);
        Press(sel->Slots(5));
        EXPECT_EQ(sel->ItemIndex(), 5);
        EXPECT_EQ(Corner(sel, 5), raised);
        Press(sel->Slots(10));
        EXPECT_EQ(sel->ItemIndex(), 10);
        EXPECT_EQ(Corner(sel, 10), raised);
        EXPECT_EQ(Corner(sel, 5), sunken);
    });
}

TEST(ColorScheme, TheCustomPageNamesSixWhiteSchemeColours)
{
    Show([](TfrmColorScheme& Form) {
        QTest::mouseClick(Form.pclMain->Widget(), Qt::LeftButton, {},
                          QPoint(Form.pclMain->TabRect(1).Left + 5, Form.pclMain->TabRect(1).Top + 5));
        EXPECT_EQ(Form.pclMain->ActivePage(), Form.tshCustom);
        const QStringList names{"Background", "Text", "Frame", "Shadow", "Band", "Inverted Band"};
        for (int i = 0; i < 6; ++i) {
            EXPECT_EQ(Form.ColorLabels[i]->Caption(), names[i]);
            EXPECT_EQ(Form.ColorSelectors[i]->Name(), QStringLiteral("ColorSelector%1").arg(i + 1));
            EXPECT_EQ(Form.ColorSelectors[i]->RGB(), clWhite);
            EXPECT_EQ(Form.ColorSelectors[i]->Options(), TColorSelectorOptions({csoScheme, csoHistory}));
        }
    });
}

TEST(ColorScheme, EveryWayOutIsCancel)
{
    struct {
        const char* Name;
        std::function<void(TfrmColorScheme&)> Act;
    } const cases[] = {
        {"Cancel", [](TfrmColorScheme& F) { Press(F.btnCancel); }},
        {"Escape", [](TfrmColorScheme& F) { QTest::keyClick(F.ItemSelector1->Widget(), Qt::Key_Escape); }},
        // Neither Apply button ends the dialog: the responder's Cancel does.
        {"Apply to All", [](TfrmColorScheme& F) {
             Press(F.btnAll);
             EXPECT_EQ(F.ModalResult(), mrNone);
         }},
        {"Apply", [](TfrmColorScheme& F) {
             Press(F.btnApply);
             EXPECT_EQ(F.ModalResult(), mrNone);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(Show(c.Act), mrCancel);
    }
}

} // namespace
} // namespace designer::tests
