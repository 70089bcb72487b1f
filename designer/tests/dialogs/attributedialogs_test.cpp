// The frame, shadow, brush and pen dialogs as a person uses them, opened
// the way the inspector's "..." button opens them: through the editor the
// inspector gets for the property, one dialog at a time through the modal
// responder.

#include "classlib/tests/controls/waituntil.h"
#include "designer/dialogs/attributeproperties.h"
#include "designer/dialogs/brushdialog.h"
#include "designer/controls/colorselector.h"
#include "designer/controls/drawcombobox.h"
#include "designer/dialogs/framedialog.h"
#include "designer/elements/label.h"
#include "designer/dialogs/pendialog.h"
#include "designer/dialogs/shadowdialog.h"
#include "designer/elements/shape.h"
#include "designer/tests/designfixture.h"

#include "runtime/attributes.h"

#include "classlib/controls/button.h"
#include "classlib/controls/checkbox.h"
#include "classlib/controls/edit.h"
#include "classlib/controls/label.h"
#include "classlib/controls/modalresponder.h"
#include "classlib/controls/mouse.h"
#include "classlib/controls/paintbox.h"
#include "classlib/controls/panel.h"
#include "classlib/controls/radiobutton.h"
#include "classlib/controls/shape.h"
#include "classlib/core/componentlist.h"
#include "classlib/core/sysutils.h"
#include "classlib/design/propertyeditorregistry.h"
#include "classlib/graphics/brush.h"
#include "classlib/graphics/pen.h"

#include <QApplication>
#include <QImage>
#include <QTest>

#include <functional>
#include <initializer_list>
#include <memory>

namespace designer::tests {
namespace {

using namespace classlib;
using namespace runtime;
using enum TPropertyAttribute;

void Press(TControl* Control)
{
    QTest::mouseClick(Control->Widget(), Qt::LeftButton, {}, QPoint(6, Control->Height() / 2));
}

void TypeInto(TEdit* Edit, const QString& Text)
{
    Edit->SelectAll();
    QTest::keyClicks(Edit->Widget(), Text);
}

// "1.25" with the user's decimal separator.
QString Local(const char* Text)
{
    return QString::fromLatin1(Text).replace(u'.', DecimalSeparator);
}

class AttributeDialogsTest : public DesignerTest {
protected:
    // Opens the property's dialog as the "..." button does; Body drives it
    // and closes it (else it is cancelled). The script, for its log.
    template <class Dialog>
    void Edit(std::initializer_list<TComponent*> Components, const char* Property,
              const std::function<void(Dialog&)>& Body, TModalScript* Script = nullptr)
    {
        std::unique_ptr<TModalScript> own;
        if (!Script) Script = (own = std::make_unique<TModalScript>()).get();
        Script->Then([&](TModalRequest& Request) {
            auto* dialog = dynamic_cast<Dialog*>(Request.Form);
            EXPECT_NE(dialog, nullptr);
            if (dialog) Body(*dialog);
            return mrCancel;
        });
        auto editor = EditorOf(Components, QString::fromLatin1(Property));
        ASSERT_NE(editor, nullptr) << Property;
        editor->Edit();
    }
};

TEST_F(AttributeDialogsTest, EachAttributeHasItsDialogEditorForAnySelection)
{
    auto* label = Insert<TQXLabel>(10, 10);
    auto* label2 = Insert<TQXLabel>(10, 60);
    auto* shape = Insert<TQXShape>(10, 110);
    auto* shape2 = Insert<TQXShape>(10, 160);
    struct {
        std::initializer_list<TComponent*> Components;
        const char* Property;
        const char* Text;
        std::function<bool(TPropertyEditor*)> IsIts;
    } const cases[] = {
        {{label, label2}, "Frame", "(TQXFrame)", [](auto* E) { return dynamic_cast<TFrameProperty*>(E); }},
        {{label, label2}, "Shadow", "(TQXShadow)", [](auto* E) { return dynamic_cast<TShadowProperty*>(E); }},
        {{shape, shape2}, "Brush", "(TBrush)", [](auto* E) { return dynamic_cast<TBrushProperty*>(E); }},
        {{shape, shape2}, "Pen", "(TPen)", [](auto* E) { return dynamic_cast<TPenProperty*>(E); }},
        {{PageWindow}, "Frame", "(TQXFrame)", [](auto* E) { return dynamic_cast<TFrameProperty*>(E); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Property);
        auto e = EditorOf(c.Components, QString::fromLatin1(c.Property));
        ASSERT_NE(e, nullptr);
        EXPECT_TRUE(c.IsIts(e.get()));
        EXPECT_EQ(e->GetAttributes(), (TPropertyAttributes{paDialog, paMultiSelect, paReadOnly}));
        EXPECT_EQ(e->GetValue(), QString::fromLatin1(c.Text));
    }
}

// ---------------------------------------------------------------------------
// Frame

TEST_F(AttributeDialogsTest, FrameDialogShowsTheFrameAndOKWritesIt)
{
    auto* label = Insert<TQXLabel>(10, 10);
    struct {
        const char* Name;
        std::function<void(TfrmFrameProperty&)> Steps;
        bool Ok;
        int Width;
        TQXFrameSides Shape;
        TColor Color;
    } const cases[] = {
        {"a new frame shows 0.80; 1.25 is stored as 125",
         [](TfrmFrameProperty& D) {
             EXPECT_EQ(D.edtWidth->Text(), Local("0.80"));
             EXPECT_FALSE(D.edtWidth->Enabled());
             Press(D.cbxTop);
             Press(D.cbxRight);
             EXPECT_TRUE(D.edtWidth->Enabled());
             TypeInto(D.edtWidth, Local("1.25"));
             D.clrColor->ChooseColor(clRed);
         },
         true, 125, {fsTop, fsRight}, clRed},
        {"Cancel leaves the frame", [](TfrmFrameProperty& D) {
             Press(D.cbxBottom);
             TypeInto(D.edtWidth, Local("3"));
             Press(D.btnCancel);
         },
         false, 125, {fsTop, fsRight}, clRed},
        {"so does Escape", [](TfrmFrameProperty& D) {
             Press(D.cbxBottom);
             QTest::keyClick(D.edtWidth->Widget(), Qt::Key_Escape);
         },
         false, 125, {fsTop, fsRight}, clRed},
        {"no side left: the controls go, OK still stores what they show",
         [](TfrmFrameProperty& D) {
             EXPECT_TRUE(D.cbxTop->Checked() && D.cbxRight->Checked() && !D.cbxLeft->Checked());
             EXPECT_EQ(D.clrColor->RGB(), clRed);
             Press(D.cbxTop);
             Press(D.cbxRight);
             EXPECT_FALSE(D.edtWidth->Enabled());
             EXPECT_FALSE(D.clrColor->Enabled());
             EXPECT_FALSE(D.lblWidth->Enabled());
             EXPECT_EQ(D.edtWidth->Color(), clBtnFace);
         },
         true, 125, {}, clRed},
        {"a half hundredth rounds to even", [](TfrmFrameProperty& D) {
             Press(D.cbxLeft);
             TypeInto(D.edtWidth, Local("0.125"));
         },
         true, 12, {fsLeft}, clRed},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        Edit<TfrmFrameProperty>({label}, "Frame", [&](TfrmFrameProperty& D) {
            c.Steps(D);
            if (c.Ok && D.ModalResult() == mrNone) Press(D.btnOk);
            EXPECT_EQ(D.ModalResult(), c.Ok ? mrOk : D.ModalResult());
        });
        EXPECT_EQ(label->Frame()->Width(), c.Width);
        EXPECT_EQ(label->Frame()->Shape(), c.Shape);
        EXPECT_EQ(label->Frame()->Color(), c.Color);
    }
}

TEST_F(AttributeDialogsTest, AWidthThatIsNoNumberIsShownAndChangesNothing)
{
    auto* label = Insert<TQXLabel>(10, 10);
    TModalScript script;
    Edit<TfrmFrameProperty>({label}, "Frame", [&](TfrmFrameProperty& D) {
        Press(D.cbxTop);
        TypeInto(D.edtWidth, QStringLiteral("abc"));
        script.Answer(mrOk);
        Press(D.btnOk);
        EXPECT_EQ(D.ModalResult(), mrNone);
        EXPECT_TRUE(D.Visible());
        Press(D.btnCancel);
    }, &script);
    ASSERT_EQ(script.Requests().size(), 2u);
    EXPECT_EQ(script.Requests()[1].Kind, TModalKind::Message);
    EXPECT_EQ(script.Requests()[1].Text, QStringLiteral("'abc' is not a valid floating point value."))
        << qPrintable(script.Requests()[1].Text);
    EXPECT_EQ(label->Frame()->Width(), 80);
    EXPECT_TRUE(label->Frame()->Shape().Empty());
}

// A negative width or one past what a width can hold is said in the
// dialog, which stays open; nothing changes.
TEST_F(AttributeDialogsTest, AWidthOutOfRangeIsRefusedAndChangesNothing)
{
    auto* label = Insert<TQXLabel>(10, 10);
    label->Frame()->SetShape({fsTop});
    label->Shadow()->SetShape(ssLeftTop);
    label->Shadow()->SetWidth(150);
    const struct {
        const char* Name;
        const char* Typed;
        const char* Shown;
    } cases[] = {
        {"negative", "-2", "-2.00 is not a valid positive value."},
        {"negative after rounding", "-0.006", "-0.01 is not a valid positive value."},
        {"past an integer's hundredths", "10000000000",
         "10000000000.00 is out of range (0.00 to 21474836.47)."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const QString shown = Local(c.Shown);
        auto refuse = [&](auto& D, TModalScript& Script) {
            TypeInto(D.edtWidth, Local(c.Typed));
            Script.Answer(mrOk);
            Press(D.btnOk);
            EXPECT_EQ(D.ModalResult(), mrNone);
            EXPECT_TRUE(D.Visible());
            Press(D.btnCancel);
        };
        TModalScript frameScript;
        Edit<TfrmFrameProperty>({label}, "Frame", [&](TfrmFrameProperty& D) { refuse(D, frameScript); },
                                &frameScript);
        ASSERT_EQ(frameScript.Requests().size(), 2u);
        EXPECT_EQ(frameScript.Requests()[1].Text, shown);
        TModalScript shadowScript;
        Edit<TfrmShadowProp>({label}, "Shadow", [&](TfrmShadowProp& D) { refuse(D, shadowScript); },
                             &shadowScript);
        ASSERT_EQ(shadowScript.Requests().size(), 2u);
        EXPECT_EQ(shadowScript.Requests()[1].Text, shown);
        EXPECT_EQ(label->Frame()->Width(), 80);
        EXPECT_EQ(label->Shadow()->Width(), 150);
    }
    // Zero is a width (a half hundredth below it rounds to it); so is the
    // largest that can be kept.
    for (const char* typed : {"0", "-0.005", "21474836.47"}) {
        Edit<TfrmFrameProperty>({label}, "Frame", [&](TfrmFrameProperty& D) {
            TypeInto(D.edtWidth, Local(typed));
            Press(D.btnOk);
        });
        EXPECT_EQ(label->Frame()->Width(), Round(StrToFloat(Local(typed)) * 100)) << typed;
    }
}

// A disabled width edit is painted in the button face, as the dialogs ask.
TEST_F(AttributeDialogsTest, ADisabledWidthEditShowsTheButtonFace)
{
    auto* label = Insert<TQXLabel>(10, 10);
    auto* shape = Insert<TQXShape>(10, 80);
    auto rgb = [](TColor Color) {
        const TColorRef c = ColorToRGB(Color);
        return qRgb(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
    };
    const QRgb face = rgb(clBtnFace);
    const QRgb window = rgb(clWindow);
    ASSERT_NE(face, window);
    // Right of the text, inside the edit's border.
    auto inside = [](TEdit* Edit) {
        const QImage img = Edit->Widget()->grab().toImage();
        return img.pixel(img.width() - 5, img.height() / 2) | 0xFF000000u;
    };
    Edit<TfrmFrameProperty>({label}, "Frame", [&](TfrmFrameProperty& D) {
        ASSERT_FALSE(D.edtWidth->Enabled());
        EXPECT_EQ(inside(D.edtWidth), face);
        Press(D.cbxTop);
        EXPECT_EQ(inside(D.edtWidth), window);
    });
    Edit<TfrmShadowProp>({label}, "Shadow", [&](TfrmShadowProp& D) {
        EXPECT_EQ(inside(D.edtWidth), face);
    });
    Edit<TfrmPropPen>({shape}, "Pen", [&](TfrmPropPen& D) { EXPECT_EQ(inside(D.edtWidth), face); });
}

TEST_F(AttributeDialogsTest, FramePreviewClosesTheSquareOnlyWithAllFourSides)
{
    auto* label = Insert<TQXLabel>(10, 10);
    struct {
        std::vector<int> Sides;  // 0 top, 1 left, 2 right, 3 bottom
        bool CornerSet;
        bool TopLeftSet;
    } const cases[] = {
        {{0, 1, 2, 3}, true, true},
        {{3}, false, false},
        {{2}, true, false},
        {{}, false, false},
    };
    for (const auto& c : cases) {
        Edit<TfrmFrameProperty>({label}, "Frame", [&](TfrmFrameProperty& D) {
            TCheckBox* boxes[] = {D.cbxTop, D.cbxLeft, D.cbxRight, D.cbxBottom};
            for (int s : c.Sides) Press(boxes[s]);
            // On the white panel, inside its one-pixel line.
            const QImage img = D.pnlWhite->Widget()->grab().toImage();
            ASSERT_EQ(img.width(), 66);
            EXPECT_EQ(D.pbxFrame->Width(), 64);
            EXPECT_EQ(img.pixel(1 + 59, 1 + 59) == qRgb(0, 0, 0), c.CornerSet) << c.Sides.size();
            EXPECT_EQ(img.pixel(1 + 4, 1 + 4) == qRgb(0, 0, 0), c.TopLeftSet) << c.Sides.size();
            EXPECT_EQ(img.pixel(1 + 30, 1 + 30), qRgb(255, 255, 255));
        });
    }
}

TEST_F(AttributeDialogsTest, OKCopiesTheFirstElementsValuesIntoEverySelectedOne)
{
    auto* first = Insert<TQXLabel>(10, 10);
    auto* second = Insert<TQXLabel>(10, 80);
    first->Frame()->SetShape({fsLeft});
    first->Frame()->SetColor(clBlue);
    second->Frame()->SetShape({fsTop, fsBottom});
    Edit<TfrmFrameProperty>({first, second}, "Frame", [&](TfrmFrameProperty& D) {
        EXPECT_TRUE(D.cbxLeft->Checked());
        EXPECT_FALSE(D.cbxTop->Checked());
        Press(D.cbxRight);
        Press(D.btnOk);
    });
    for (TQXLabel* l : {first, second}) {
        EXPECT_EQ(l->Frame()->Shape(), (TQXFrameSides{fsLeft, fsRight}));
        EXPECT_EQ(l->Frame()->Color(), clBlue);
        EXPECT_EQ(l->Frame()->Width(), 80);
    }
    EXPECT_NE(first->Frame(), second->Frame());
}

// ---------------------------------------------------------------------------
// Shadow

TEST_F(AttributeDialogsTest, ShadowRadiosShowTheBarsOfTheirCorner)
{
    auto* label = Insert<TQXLabel>(10, 10);
    Edit<TfrmShadowProp>({label}, "Shadow", [&](TfrmShadowProp& D) {
        EXPECT_TRUE(D.rbnNone->Checked());
        EXPECT_FALSE(D.edtWidth->Enabled());
        struct {
            TRadioButton* Radio;
            TQXShadowStyle Style;
            // top, left, bottom, right bar; lt, rt, lb, rb corner
            std::vector<bool> Shown;
        } const cases[] = {
            {D.rbnLT, ssLeftTop, {1, 1, 0, 0, 1, 0, 0, 0}},
            {D.rbnRT, ssRightTop, {1, 0, 0, 1, 0, 1, 0, 0}},
            {D.rbnLB, ssLeftBottom, {0, 1, 1, 0, 0, 0, 1, 0}},
            {D.rbnRB, ssRightBottom, {0, 0, 1, 1, 0, 0, 0, 1}},
            {D.rbnNone, ssNone, {0, 0, 0, 0, 0, 0, 0, 0}},
        };
        for (const auto& c : cases) {
            Press(c.Radio);
            EXPECT_EQ(D.Style(), c.Style);
            TShape* shapes[] = {D.shpTop, D.shpLeft, D.shpBottom, D.shpRight,
                                D.shpLeftTop, D.shpRightTop, D.shpLeftBottom, D.shpRightBottom};
            for (int i = 0; i < 8; ++i) EXPECT_EQ(shapes[i]->Visible(), c.Shown[i]) << int(c.Style) << " " << i;
            EXPECT_EQ(D.clrColor->Enabled(), c.Style != ssNone);
            EXPECT_EQ(D.edtWidth->Color(), c.Style != ssNone ? clWindow : clBtnFace);
        }
    });
}

TEST_F(AttributeDialogsTest, SemitransparentIsKeptOnlyWhenPickedLast)
{
    auto* label = Insert<TQXLabel>(10, 10);
    // Picks the extension entry as a person does: open, click it.
    auto pickSemi = [](TColorSelector* Sel) {
        Sel->DropDown();
        TColorSelectorButton* last = nullptr;
        for (int i = 0; i < Sel->Popup()->ControlCount(); ++i)
            if (auto* b = dynamic_cast<TColorSelectorButton*>(Sel->Popup()->Controls(i))) last = b;
        ASSERT_NE(last, nullptr);
        QTest::mouseClick(last->Widget(), Qt::LeftButton, {}, QPoint(4, 4));
        EXPECT_TRUE(QTest::qWaitFor([Sel] { return !Sel->DroppedDown(); }, 1000));
    };
    struct {
        const char* Name;
        std::function<void(TfrmShadowProp&)> Steps;
        TColor Color;
        bool Semi;
    } const cases[] = {
        {"semitransparent, then a colour: the colour alone",
         [&](TfrmShadowProp& D) {
             pickSemi(D.clrColor);
             EXPECT_EQ(D.clrColor->Text(), QStringLiteral("Semitransparent"));
             D.clrColor->ChooseColor(clGreen);
             EXPECT_TRUE(D.clrColor->Text().isEmpty());
         },
         clGreen, false},
        {"a colour, then semitransparent: both", [&](TfrmShadowProp& D) {
             D.clrColor->ChooseColor(clRed);
             pickSemi(D.clrColor);
         },
         clRed, true},
        {"opened semitransparent, it shows so and stays", [&](TfrmShadowProp& D) {
             EXPECT_EQ(D.clrColor->Text(), QStringLiteral("Semitransparent"));
             EXPECT_TRUE(D.rbnRB->Checked());
             EXPECT_EQ(D.edtWidth->Text(), Local("2.50"));
         },
         clRed, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        Edit<TfrmShadowProp>({label}, "Shadow", [&](TfrmShadowProp& D) {
            Press(D.rbnRB);
            c.Steps(D);
            TypeInto(D.edtWidth, Local("2.5"));
            Press(D.btnOk);
        });
        EXPECT_EQ(label->Shadow()->Shape(), ssRightBottom);
        EXPECT_EQ(label->Shadow()->Width(), 250);
        EXPECT_EQ(label->Shadow()->Color(), c.Color);
        EXPECT_EQ(label->Shadow()->SemiTrans(), c.Semi);
    }
}

// ---------------------------------------------------------------------------
// Brush and pen

TEST_F(AttributeDialogsTest, BrushDialogEnablesTheColourOnlyAfterAChangeAwayFromClear)
{
    auto* shape = Insert<TQXShape>(10, 10);
    shape->Brush()->SetStyle(bsClear);
    Edit<TfrmPropBrush>({shape}, "Brush", [&](TfrmPropBrush& D) {
        EXPECT_EQ(D.cmbStyle->ItemIndex(), int(bsClear));
        EXPECT_EQ(D.cmbStyle->Items()->Count(), 8);
        EXPECT_TRUE(D.clrColor->Enabled());
        D.cmbStyle->SetFocus();
        QTest::keyClick(D.cmbStyle->Widget(), Qt::Key_Down);
        EXPECT_EQ(D.cmbStyle->ItemIndex(), int(bsHorizontal));
        EXPECT_TRUE(D.clrColor->Enabled());
        QTest::keyClick(D.cmbStyle->Widget(), Qt::Key_Up);
        EXPECT_FALSE(D.clrColor->Enabled());
        EXPECT_FALSE(D.lblColor->Enabled());
        QTest::keyClick(D.cmbStyle->Widget(), Qt::Key_Down);
        QTest::keyClick(D.cmbStyle->Widget(), Qt::Key_Down);
        D.clrColor->ChooseColor(clYellow);
        Press(D.btnOk);
    });
    EXPECT_EQ(shape->Brush()->Style(), bsVertical);
    EXPECT_EQ(shape->Brush()->Color(), clYellow);
}

TEST_F(AttributeDialogsTest, PenDialogWritesStyleAndColourOnOKOnly)
{
    auto* shape = Insert<TQXShape>(10, 10);
    auto* other = Insert<TQXShape>(10, 80);
    struct {
        const char* Name;
        TPenStyle Start;
        int Shown;  // item index on opening
        int Downs;
        bool Ok;
        TPenStyle Style;
        TColor Color;
    } const cases[] = {
        {"solid to dot", psSolid, 0, 2, true, psDot, clRed},
        {"Cancel keeps it", psDash, 1, 3, false, psDash, clBlack},
        {"down to Clear", psDashDotDot, 4, 1, true, psClear, clRed},
        {"inside frame opens with no item and keeps its style", psInsideFrame, -1, 0, true, psInsideFrame, clRed},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        for (TQXShape* s : {shape, other}) {
            s->Pen()->SetStyle(c.Start);
            s->Pen()->SetColor(clBlack);
        }
        Edit<TfrmPropPen>({shape, other}, "Pen", [&](TfrmPropPen& D) {
            EXPECT_EQ(D.cmbStyle->ItemIndex(), c.Shown);
            EXPECT_FALSE(D.edtWidth->Enabled());
            D.cmbStyle->SetFocus();
            for (int i = 0; i < c.Downs; ++i) QTest::keyClick(D.cmbStyle->Widget(), Qt::Key_Down);
            D.clrColor->ChooseColor(clRed);
            Press(c.Ok ? D.btnOk : D.btnCancel);
        });
        for (TQXShape* s : {shape, other}) {
            EXPECT_EQ(s->Pen()->Style(), c.Style);
            EXPECT_EQ(s->Pen()->Color(), c.Color);
        }
    }
}

// The controls Tab visits from the one that has the keys, by name, until
// it comes back.
QStringList TabOrder()
{
    QStringList names;
    for (int i = 0; i < 10; ++i) {
        QWidget* focus = QApplication::focusWidget();
        TControl* control = focus ? classlib::detail::ControlOfWidget(focus) : nullptr;
        if (!control || names.contains(control->Name())) break;
        names << control->Name();
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    return names;
}

TEST_F(AttributeDialogsTest, TheStyleListsComeFirstForTheKeyboard)
{
    auto* shape = Insert<TQXShape>(10, 10);
    const QStringList order{"cmbStyle", "clrColor", "btnOk", "btnCancel"};
    Edit<TfrmPropBrush>({shape}, "Brush", [&](TfrmPropBrush& D) {
        EXPECT_TRUE(classlib::testing::WaitUntil([&] { return D.cmbStyle->Focused(); }));
        EXPECT_EQ(TabOrder(), order);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        EXPECT_EQ(D.cmbStyle->ItemIndex(), int(bsClear));
        Press(D.btnOk);
    });
    EXPECT_EQ(shape->Brush()->Style(), bsClear);
    // The disabled width is passed over.
    Edit<TfrmPropPen>({shape}, "Pen", [&](TfrmPropPen& D) {
        EXPECT_TRUE(classlib::testing::WaitUntil([&] { return D.cmbStyle->Focused(); }));
        EXPECT_EQ(TabOrder(), order);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        EXPECT_EQ(D.cmbStyle->ItemIndex(), int(psDash));
        Press(D.btnOk);
    });
    EXPECT_EQ(shape->Pen()->Style(), psDash);
}

} // namespace
} // namespace designer::tests
