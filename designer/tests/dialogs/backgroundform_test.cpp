// The background dialog as a person uses it from the inspector: each page
// must hold a complete choice before OK is enabled, the sample shows the
// choice, and OK writes the style with the picture it prints into every
// selected element.

#include "designer/dialogs/backgroundform.h"
#include "designer/dialogs/backgroundproperty.h"
#include "designer/controls/colorselector.h"
#include "designer/libraries/dllbind.h"
#include "designer/controls/itemselector.h"
#include "designer/elements/label.h"
#include "designer/tests/designfixture.h"
#include "designer/libraries/wqxres.h"

#include "runtime/attributes.h"

#include "classlib/controls/button.h"
#include "classlib/controls/checkbox.h"
#include "classlib/controls/filedialogs.h"
#include "classlib/controls/label.h"
#include "classlib/controls/modalresponder.h"
#include "classlib/controls/pagecontrol.h"
#include "classlib/controls/paintbox.h"
#include "classlib/controls/panel.h"
#include "classlib/controls/radiobutton.h"
#include "classlib/controls/scrollbar.h"
#include "classlib/controls/trackbar.h"
#include "classlib/core/componentlist.h"
#include "classlib/design/propertyeditorregistry.h"
#include "classlib/graphics/bitmap.h"
#include "classlib/graphics/gditypes.h"
#include "classlib/graphics/picture.h"
#include "classlib/system/dll.h"
#include "classlib/system/registry.h"
#include "classlib/tests/errorof.h"
#include "classlib/tests/tempconfig.h"

#include <QImage>
#include <QTest>
#include <QWidget>

#include <functional>
#include <initializer_list>

namespace designer::tests {
namespace {

using namespace classlib;
using namespace runtime;

void Press(TControl* Control)
{
    QTest::mouseClick(Control->Widget(), Qt::LeftButton, {}, QPoint(Control->Width() / 2, Control->Height() / 2));
}

void OpenPage(TfrmBackground& Form, TTabSheet* Page)
{
    const TRect tab = Form.pclMain->TabRect(Page->TabIndex());
    QTest::mouseClick(Form.pclMain->Widget(), Qt::LeftButton, {}, QPoint(tab.Left + 6, tab.Top + 6));
    ASSERT_EQ(Form.pclMain->ActivePage(), Page);
}

void PickTexture(TfrmBackground& Form, int Slot)
{
    Press(Form.islTexture->Slots(Slot));
}

QRgb SamplePixel(TfrmBackground& Form, int X, int Y)
{
    QCoreApplication::processEvents();
    return Form.pbxSample->Widget()->grab().toImage().pixel(X, Y);
}

QRgb Rgb(TColor Color)
{
    const TColorRef c = ColorToRGB(Color);
    return qRgb(GetRValue(c), GetGValue(c), GetBValue(c));
}

class BackgroundTest : public DesignerTest {
protected:
    void SetUp() override
    {
        DesignerTest::SetUp();
        A = Insert<TQXLabel>(10, 10);
        B = Insert<TQXLabel>(10, 200);
    }
    // The "..." of the Background row; Body plays the user and its answer
    // ends the dialog when no button did. Further answers follow in Script.
    void Edit(std::initializer_list<TComponent*> Components,
              const std::function<TModalResult(TfrmBackground&)>& Body,
              const std::function<void(TModalScript&)>& More = {})
    {
        auto editor = EditorOf(Components, QStringLiteral("Background"));
        ASSERT_NE(dynamic_cast<TBackgroundProperty*>(editor.get()), nullptr);
        TModalScript script;
        script.Then([&](TModalRequest& Request) {
            auto* form = dynamic_cast<TfrmBackground*>(Request.Form);
            EXPECT_NE(form, nullptr);
            if (form) {
                form->Widget()->activateWindow();
                (void)QTest::qWaitForWindowActive(form->Widget());
            }
            return form ? Body(*form) : mrCancel;
        });
        if (More) More(script);
        editor->Edit();
        EXPECT_EQ(script.Pending(), 0);
        EXPECT_EQ(script.Unexpected(), 0);
    }
    // Presses OK, which must be enabled.
    static TModalResult Ok(TfrmBackground& Form)
    {
        EXPECT_TRUE(Form.btnOk->Enabled());
        Press(Form.btnOk);
        return mrOk;
    }

    TQXLabel* A = nullptr;
    TQXLabel* B = nullptr;
};

TEST_F(BackgroundTest, TheEditorIsADialogForSeveralElements)
{
    auto e = EditorOf({A, B}, QStringLiteral("Background"));
    ASSERT_NE(dynamic_cast<TBackgroundProperty*>(e.get()), nullptr);
    using enum TPropertyAttribute;
    EXPECT_EQ(e->GetAttributes(), (TPropertyAttributes{paMultiSelect, paDialog, paReadOnly}));
    EXPECT_EQ(e->GetValue(), QStringLiteral("(TQXBackground)"));
}

// The gradient page's labels stand where the dialog was laid out: "Less"
// and "More" under the two ends of the density bar, "Light" ending at the
// right of the balance bar.
TEST_F(BackgroundTest, TheGradientPagesLabelsStandUnderTheirBars)
{
    Edit({A}, [](TfrmBackground& Form) -> TModalResult {
        OpenPage(Form, Form.tshGradient);
        Press(Form.rbnOne);
        const struct {
            const char* Name;
            int Left, Top;
            bool RightAligned;
        } labels[] = {
            {"lblColor1", 124, 12, false}, {"lblBalance", 124, 56, false}, {"lblDark", 124, 94, false},
            {"lblLess", 8, 50, false},     {"lblMore", 84, 50, true},
        };
        for (const auto& l : labels) {
            auto* label = dynamic_cast<TLabel*>(Form.FindComponent(QString::fromLatin1(l.Name)));
            if (!label) {
                ADD_FAILURE() << l.Name;
                continue;
            }
            EXPECT_EQ(label->Left(), l.Left) << l.Name;
            EXPECT_EQ(label->Top(), l.Top) << l.Name;
            EXPECT_EQ(label->Alignment() == taRightJustify, l.RightAligned) << l.Name;
            EXPECT_TRUE(label->Showing()) << l.Name;
        }
        auto* more = dynamic_cast<TLabel*>(Form.FindComponent(QStringLiteral("lblMore")));
        auto* density = dynamic_cast<TControl*>(Form.FindComponent(QStringLiteral("tbrDensity")));
        if (!more || !density) return mrCancel;
        // Past the middle of the bar, within its group.
        EXPECT_GT(more->Left(), density->Left() + density->Width() / 2);
        EXPECT_LE(more->Left() + more->Width(), more->Parent()->ClientWidth());
        EXPECT_EQ(Form.lblLight->Left() + Form.lblLight->Width(), 225);
        EXPECT_EQ(Form.lblLight->Top(), 94);
        return mrCancel;
    });
}

TEST_F(BackgroundTest, OKCopiesTheFirstElementsBackgroundAsChangedToEverySelectedOne)
{
    A->Background()->Density = 7;
    A->Background()->ColorStyle = bcsTransparent;
    Edit({A, B}, [](TfrmBackground& Form) {
        EXPECT_EQ(Form.pclMain->ActivePage(), Form.tshColor);
        EXPECT_TRUE(Form.rbnTransparent->Checked());
        EXPECT_FALSE(Form.clrSolid->Visible());
        Press(Form.rbnSolid);
        EXPECT_TRUE(Form.clrSolid->Visible());
        Form.clrSolid->ChooseColor(clRed);
        return Ok(Form);
    });
    for (TQXLabel* l : {A, B}) {
        EXPECT_EQ(l->Background()->Style, bsColor);
        EXPECT_EQ(l->Background()->ColorStyle, bcsSolid);
        EXPECT_EQ(l->Background()->Color1, clRed);
        EXPECT_EQ(l->Background()->Density, 7);
        EXPECT_EQ(l->Background()->Picture()->Graphic(), nullptr);
    }
}

TEST_F(BackgroundTest, CancelAndEscapeChangeNothing)
{
    for (bool escape : {false, true}) {
        Edit({A}, [escape](TfrmBackground& Form) {
            Press(Form.rbnSemitrans);
            if (escape)
                QTest::keyClick(Form.rbnSemitrans->Widget(), Qt::Key_Escape);
            else
                Press(Form.btnCancel);
            return mrCancel;
        });
        EXPECT_EQ(A->Background()->ColorStyle, bcsSolid);
    }
}

TEST_F(BackgroundTest, OKWaitsForACompleteChoiceOnTheActivePage)
{
    Edit({A}, [](TfrmBackground& Form) {
        EXPECT_TRUE(Form.rbnSolid->Checked());
        EXPECT_TRUE(Form.btnOk->Enabled());
        // Opening a page clears its choice.
        OpenPage(Form, Form.tshGradient);
        EXPECT_FALSE(Form.rbnTwo->Checked());
        EXPECT_FALSE(Form.rbnHorizontal->Checked());
        EXPECT_FALSE(Form.btnOk->Enabled());
        EXPECT_FALSE(Form.clrColor1->Visible());
        Press(Form.rbnTwo);
        EXPECT_TRUE(Form.clrColor1->Visible());
        EXPECT_TRUE(Form.clrColor2->Visible());
        EXPECT_FALSE(Form.sbrBalance->Visible());
        EXPECT_FALSE(Form.btnOk->Enabled());
        Press(Form.rbnVertical);
        EXPECT_TRUE(Form.btnOk->Enabled());
        Press(Form.rbnOne);
        EXPECT_TRUE(Form.sbrBalance->Visible());
        EXPECT_FALSE(Form.clrColor2->Visible());

        OpenPage(Form, Form.tshColor);
        EXPECT_FALSE(Form.rbnSolid->Checked() || Form.rbnTransparent->Checked() || Form.rbnSemitrans->Checked());
        EXPECT_FALSE(Form.btnOk->Enabled());
        EXPECT_TRUE(Form.rbnSolid->Focused());
        // Nothing to show yet: the sample is the panel's face.
        EXPECT_EQ(SamplePixel(Form, 36, 36), Rgb(Form.pnlSample->Color()));
        Press(Form.rbnTransparent);
        EXPECT_TRUE(Form.btnOk->Enabled());

        OpenPage(Form, Form.tshPicture);
        EXPECT_FALSE(Form.btnOk->Enabled());
        EXPECT_FALSE(Form.cbxStretch->Visible());
        EXPECT_TRUE(Form.btnPicture->Focused());
        return mrCancel;
    });
}

TEST_F(BackgroundTest, ATextureMustBePickedAgainAndIsStoredAsItsPicture)
{
    const QStringList names = LoadQXString().split(QLatin1Char('\n'));
    const auto jpeg = LoadQXJPEG(1);
    A->Background()->Style = bsTexture;
    Edit({A}, [&](TfrmBackground& Form) {
        EXPECT_EQ(Form.pclMain->ActivePage(), Form.tshTexture);
        EXPECT_EQ(Form.islTexture->ItemCount(), names.size());
        EXPECT_EQ(Form.islTexture->ItemIndex(), -1);
        EXPECT_FALSE(Form.btnOk->Enabled());
        PickTexture(Form, 1);
        EXPECT_EQ(Form.islTexture->ItemIndex(), 1);
        EXPECT_EQ(Form.pnlTexture->Caption(), names[1]);
        // The thumbnail's centre, stretched over the sample.
        const QImage strip = LoadQXBitmap()->Image();
        EXPECT_EQ(SamplePixel(Form, 36, 36), strip.pixel(31, 64 + 31));
        return Ok(Form);
    });
    const TQXBackground& bg = *A->Background();
    EXPECT_EQ(bg.Style, bsTexture);
    ASSERT_NE(bg.Picture()->Graphic(), nullptr);
    EXPECT_EQ(bg.Picture()->Width(), jpeg->Width());
    EXPECT_EQ(bg.PicWidth > 0 && bg.PicHeight > 0, true);
}

TEST_F(BackgroundTest, GradientsKeepTheirColoursAndStoreThePictureThatPrints)
{
    // One colour, balance 200: the grey goes to Color2 and comes back.
    Edit({A}, [](TfrmBackground& Form) -> TModalResult {
        OpenPage(Form, Form.tshGradient);
        Press(Form.rbnOne);
        Press(Form.rbnDiagUp);
        Form.sbrBalance->Scroll(scPosition, 200);
        return Ok(Form);
    });
    EXPECT_EQ(A->Background()->Style, bsGradient);
    EXPECT_EQ(A->Background()->GradientStyle, bgsOneColor);
    EXPECT_EQ(A->Background()->ShadingStyle, bssDiagUp);
    EXPECT_EQ(A->Background()->Color2, TColor(RGB(200, 200, 200)));
    Edit({A}, [](TfrmBackground& Form) {
        EXPECT_EQ(Form.pclMain->ActivePage(), Form.tshGradient);
        EXPECT_TRUE(Form.rbnOne->Checked());
        EXPECT_EQ(Form.sbrBalance->Position(), 200);
        EXPECT_TRUE(Form.btnOk->Enabled());
        return mrCancel;
    });

    // Two colours, horizontal, density 1, forward: blue at the top.
    Edit({A}, [](TfrmBackground& Form) -> TModalResult {
        OpenPage(Form, Form.tshGradient);
        Press(Form.rbnTwo);
        Press(Form.rbnHorizontal);
        Form.clrColor1->ChooseColor(clRed);
        Form.clrColor2->ChooseColor(clBlue);
        Form.tbrDensity->SetFocus();
        QTest::keyClick(Form.tbrDensity->Widget(), Qt::Key_Home);
        EXPECT_EQ(Form.tbrDensity->Position(), 1);
        EXPECT_EQ(SamplePixel(Form, 36, 0), qRgb(0, 0, 255));
        EXPECT_EQ(SamplePixel(Form, 36, 71), qRgb(255, 0, 0));
        return Ok(Form);
    });
    const TQXBackground& bg = *A->Background();
    EXPECT_EQ(bg.GradientStyle, bgsTwoColors);
    EXPECT_EQ(bg.Density, 1);
    EXPECT_EQ(bg.VariantStyle, bvsForward);
    const auto* bitmap = dynamic_cast<const TBitmap*>(bg.Picture()->Graphic());
    ASSERT_NE(bitmap, nullptr);
    ASSERT_EQ(bitmap->Width(), 256);
    ASSERT_EQ(bitmap->Height(), 256);
    EXPECT_EQ(QColor(bitmap->Image().pixel(128, 0)), QColor(0, 0, 255));
    EXPECT_EQ(QColor(bitmap->Image().pixel(128, 255)), QColor(255, 0, 0));

    // Reopened as two colours, the balance is left alone.
    Edit({A}, [](TfrmBackground& Form) {
        EXPECT_TRUE(Form.rbnTwo->Checked());
        EXPECT_EQ(Form.sbrBalance->Position(), 0);
        EXPECT_EQ(Form.clrColor2->RGB(), clBlue);
        return mrCancel;
    });
}

TEST_F(BackgroundTest, ATextureThatCannotBeReadLeavesTheBackgroundAsItWas)
{
    // Settings of our own: the library is moved away while the dialog is open.
    classlib::test::TTempConfig config;
    A->Background()->Density = 5;
    A->Background()->Color1 = clRed;
    const QString error = classlib::test::ErrorOf<EDLLException>([&] {
        Edit({A}, [](TfrmBackground& Form) {
            OpenPage(Form, Form.tshTexture);
            PickTexture(Form, 0);
            TRegistry reg;
            EXPECT_TRUE(reg.OpenKey(QString::fromLatin1(InstallationKey), true));
            reg.WriteString(QString::fromLatin1(BinaryPathValue), QStringLiteral("/nonexistent"));
            return Ok(Form);
        });
    });
    EXPECT_EQ(error, QStringLiteral("Error loading library /nonexistent/qxres.dll"));
    const TQXBackground& bg = *A->Background();
    EXPECT_EQ(bg.Style, bsColor);
    EXPECT_EQ(bg.Color1, clRed);
    EXPECT_EQ(bg.Density, 5);
}

class BackgroundPictureTest : public BackgroundTest {
protected:
    // A picture file of that size, red; the dialog's Browse... picks it.
    QString PictureFile(int W, int H, const char* Name = "picture.bmp")
    {
        QImage image(W, H, QImage::Format_RGB32);
        image.fill(Qt::red);
        TBitmap bitmap;
        bitmap.SetImage(image);
        const QString path = TempFile(QString::fromLatin1(Name));
        bitmap.SaveToFile(path);
        return path;
    }
};

TEST_F(BackgroundPictureTest, ALargePictureShrinksIntoTheBoxAndStretchWinsOverCenter)
{
    const QString path = PictureFile(1000, 400);
    Edit(
        {A},
        [](TfrmBackground& Form) {
            OpenPage(Form, Form.tshPicture);
            EXPECT_FALSE(Form.dlgPicture->Filter().contains(QStringLiteral("ico"), Qt::CaseInsensitive));
            Press(Form.btnPicture);
            EXPECT_EQ(Form.pbxPicture->ClientWidth(), 229);
            EXPECT_EQ(Form.pbxPicture->ClientHeight(), 161);
            const TRect r = Form.PictureRect();
            EXPECT_EQ(r.Width(), 229);
            EXPECT_EQ(r.Height(), 92);
            EXPECT_EQ(r.Top, 34);
            EXPECT_TRUE(Form.cbxStretch->Visible());
            Press(Form.cbxCenter);
            Press(Form.cbxStretch);
            // Stretched: red to the sample's corners.
            EXPECT_EQ(SamplePixel(Form, 0, 0), qRgb(255, 0, 0));
            EXPECT_EQ(SamplePixel(Form, 71, 71), qRgb(255, 0, 0));
            return Ok(Form);
        },
        [&](TModalScript& Script) { Script.ChooseFile(path); });
    const TQXBackground& bg = *A->Background();
    EXPECT_EQ(bg.Style, bsPicture);
    EXPECT_EQ(bg.PictureStyle, bpsStretch);
    EXPECT_EQ(bg.Picture()->Width(), 1000);
    EXPECT_GT(bg.PicWidth, 0);
}

TEST_F(BackgroundPictureTest, AFileThatCannotBeReadIsReportedAndKeepsThePicture)
{
    const QString good = PictureFile(40, 20);
    const QString bad = TempFile(QStringLiteral("notes.txt"));
    Edit(
        {A},
        [](TfrmBackground& Form) {
            OpenPage(Form, Form.tshPicture);
            Press(Form.btnPicture);
            EXPECT_EQ(Form.WorkingPicture()->Width(), 40);
            Press(Form.btnPicture);
            EXPECT_EQ(Form.WorkingPicture()->Width(), 40);
            // Small pictures keep their size, centred.
            const TRect r = Form.PictureRect();
            EXPECT_EQ(r.Width(), 40);
            EXPECT_EQ(r.Left, (229 - 40) / 2);
            Press(Form.cbxCenter);
            EXPECT_EQ(SamplePixel(Form, 36, 36), qRgb(255, 0, 0));
            EXPECT_EQ(SamplePixel(Form, 2, 2), Rgb(clBtnFace));
            return Ok(Form);
        },
        [&](TModalScript& Script) {
            Script.ChooseFile(good).ChooseFile(bad).Answer(mrOk);
        });
    EXPECT_EQ(A->Background()->PictureStyle, bpsCenter);
    EXPECT_EQ(A->Background()->Picture()->Width(), 40);
}

} // namespace
} // namespace designer::tests
