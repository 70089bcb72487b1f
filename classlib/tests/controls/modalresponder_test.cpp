// Modal dialogs and forms answered by a script, as every test must; and
// what the program's own responder does where nobody can answer.

#include "waituntil.h"
#include "classlib/controls/application.h"
#include "classlib/controls/dialogs.h"
#include "classlib/controls/form.h"
#include "classlib/controls/speedbutton.h"
#include "classlib/core/classbuilder.h"
#include "classlib/core/stringlist.h"
#include "classlib/core/sysutils.h"
#include "classlib/graphics/font.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace classlib {
namespace {

// A dialog with an OK button whose click sets the modal result, as a
// form's published handler would.
class TOkForm : public TForm {
    QX_CLASS(TOkForm, TForm)
public:
    explicit TOkForm(TComponent* AOwner) : TForm(AOwner)
    {
        SetBounds(0, 0, 200, 100);
        SetCaption(QStringLiteral("Print Order"));
        Ok = new TSpeedButton(this);
        Ok->SetBounds(10, 10, 60, 24);
        Ok->SetParent(this);
        Ok->OnClick = TMethod{StaticClass().FindMethod(u"OkClick"), this};
        OnCloseQuery = TMethod{StaticClass().FindMethod(u"FormCloseQuery"), this};
        InitForm();
    }
    ~TOkForm() override { DoDestroy(); }

    void OkClick(TObject*) { SetModalResult(mrOk); }
    void FormCloseQuery(TObject*, bool& CanClose) { CanClose = CanClose && Closable; }

    TSpeedButton* Ok = nullptr;
    bool Closable = true;
};

} // namespace

const TClassInfo& TOkForm::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TOkForm>("TOkForm")
        .Method("OkClick", &TOkForm::OkClick)
        .Method("FormCloseQuery", &TOkForm::FormCloseQuery)
        .Build();
    return info;
}

namespace {

TEST(ModalScript, MessageDialogsAreAnsweredInOrderAndLogged)
{
    TModalScript script;
    script.Answer(mrYes).Answer(mrCancel);
    EXPECT_EQ(MessageDlg(QStringLiteral("Do you want to save changes?"), mtConfirmation, {mbYes, mbNo, mbCancel}),
              mrYes);
    EXPECT_EQ(MessageDlg(QStringLiteral("Disk full"), mtError, {mbOK}), mrCancel);
    ASSERT_EQ(script.Requests().size(), 2u);
    const TModalRequest& first = script.Requests()[0];
    EXPECT_EQ(first.Kind, TModalKind::Message);
    EXPECT_EQ(first.Caption, QStringLiteral("Confirm"));
    EXPECT_EQ(first.Text, QStringLiteral("Do you want to save changes?"));
    EXPECT_EQ(first.Buttons, (TMsgDlgButtons{mbYes, mbNo, mbCancel}));
    EXPECT_EQ(script.Requests()[1].Caption, QStringLiteral("Error"));
    EXPECT_EQ(script.Unexpected(), 0);
}

TEST(ModalScript, MessageBoxFlagsGiveButtonsAndKind)
{
    struct TCase {
        const char* Name;
        unsigned Flags;
        TMsgDlgButtons Buttons;
        TMsgDlgType Type;
    };
    const TCase cases[] = {
        {"ok", MB_OK, {mbOK}, mtCustom},
        {"ok cancel", MB_OKCANCEL | MB_ICONWARNING, {mbOK, mbCancel}, mtWarning},
        {"abort retry ignore", MB_ABORTRETRYIGNORE | MB_ICONERROR, {mbAbort, mbRetry, mbIgnore}, mtError},
        {"yes no cancel", MB_YESNOCANCEL | MB_ICONQUESTION, {mbYes, mbNo, mbCancel}, mtConfirmation},
        {"yes no", MB_YESNO | MB_ICONINFORMATION, {mbYes, mbNo}, mtInformation},
        {"retry cancel", MB_RETRYCANCEL, {mbRetry, mbCancel}, mtCustom},
        {"unknown kind", 0x0E, {mbOK}, mtCustom},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TModalScript script;
        script.Answer(IDRETRY);
        EXPECT_EQ(Application()->MessageBox(QStringLiteral("text"), QStringLiteral("title"), c.Flags), IDRETRY);
        ASSERT_EQ(script.Requests().size(), 1u);
        EXPECT_EQ(script.Requests()[0].Buttons, c.Buttons);
        EXPECT_EQ(script.Requests()[0].DlgType, c.Type);
        EXPECT_EQ(script.Requests()[0].Caption, QStringLiteral("title"));
    }
}

TEST(ModalScript, ColourAndFontDialogsTakeTheChoiceOrKeepTheirValueOnCancel)
{
    TModalScript script;
    TColorDialog colour(nullptr);
    colour.SetColor(clRed);
    colour.CustomColors()->Add(QStringLiteral("ColorA=FF0000"));
    script.ChooseColor(clTeal).Answer(mrCancel);
    EXPECT_TRUE(colour.Execute());
    EXPECT_EQ(colour.Color(), clTeal);
    EXPECT_EQ(script.Requests()[0].CustomColors, QStringList{QStringLiteral("ColorA=FF0000")});
    EXPECT_FALSE(colour.Execute());
    EXPECT_EQ(colour.Color(), clTeal);
    EXPECT_EQ(script.Requests()[1].Color, clTeal);  // what the dialog showed at the start

    TFontDialog fontDialog(nullptr);
    fontDialog.Font()->SetName(QStringLiteral("Arial"));
    fontDialog.Font()->SetSize(8);
    TFont chosen;
    chosen.SetName(QStringLiteral("Courier New"));
    chosen.SetSize(12);
    chosen.SetStyle({fsBold});
    script.ChooseFont(chosen).Then([](TModalRequest& Request) {
        Request.Font->SetName(QStringLiteral("Times New Roman"));  // changed, then cancelled
        return mrCancel;
    });
    EXPECT_TRUE(fontDialog.Execute());
    EXPECT_EQ(fontDialog.Font()->Name(), QStringLiteral("Courier New"));
    EXPECT_EQ(fontDialog.Font()->Size(), 12);
    EXPECT_EQ(fontDialog.Font()->Style(), TFontStyles{fsBold});
    EXPECT_FALSE(fontDialog.Execute());
    EXPECT_EQ(fontDialog.Font()->Name(), QStringLiteral("Courier New"));
    EXPECT_EQ(script.Unexpected(), 0);
}

TEST(ModalScript, UnexpectedDialogsAreCancelledAndCounted)
{
    TModalScript script;
    script.ChooseColor(clRed);
    // A message box where the script expected a colour dialog.
    EXPECT_EQ(MessageDlg(QStringLiteral("?"), mtWarning, {mbOK, mbCancel}), mrCancel);
    // Nothing left to answer with.
    TColorDialog colour(nullptr);
    EXPECT_FALSE(colour.Execute());
    EXPECT_EQ(script.Unexpected(), 2);
    EXPECT_EQ(script.Pending(), 0);
}

TEST(ModalScript, AnInnerScriptGivesTheOuterOneBackWhenItEnds)
{
    TModalScript outer;
    outer.Answer(mrNo);
    {
        TModalScript inner;
        inner.Answer(mrYes);
        EXPECT_EQ(MessageDlg(QStringLiteral("inner"), mtConfirmation, {mbYes, mbNo}), mrYes);
    }
    EXPECT_EQ(MessageDlg(QStringLiteral("outer"), mtConfirmation, {mbYes, mbNo}), mrNo);
    EXPECT_EQ(outer.Requests().size(), 1u);
}

TEST(ModalScript, WithoutAScriptNobodyIsWaitedForOffscreen)
{
    ASSERT_FALSE(InteractiveSession());
    ASSERT_FALSE(ModalResponderInstalled());
    struct TCase {
        const char* Name;
        TMsgDlgButtons Buttons;
        TModalResult Answer;
    };
    const TCase cases[] = {
        {"yes no", {mbYes, mbNo}, mrNo},
        {"ok", {mbOK}, mrOk},
        {"abort retry ignore", {mbAbort, mbRetry, mbIgnore}, mrAbort},
        {"yes no cancel", {mbYes, mbNo, mbCancel}, mrCancel},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(MessageDlg(QStringLiteral("unanswered"), mtConfirmation, c.Buttons), c.Answer);
    }
    TColorDialog colour(nullptr);
    EXPECT_FALSE(colour.Execute());
    TOkForm form(nullptr);
    EXPECT_EQ(form.ShowModal(), mrCancel);
    EXPECT_FALSE(form.Widget()->isVisible());
}

TEST(ModalScript, ShownExceptionsGoToTheScript)
{
    TModalScript script;
    script.Answer(mrOk);
    Application()->ShowException(Exception(QStringLiteral("Invalid property value")));
    ASSERT_EQ(script.Requests().size(), 1u);
    EXPECT_EQ(script.Requests()[0].DlgType, mtError);
    EXPECT_EQ(script.Requests()[0].Text, QStringLiteral("Invalid property value."));
}

TEST(ModalForm, AScriptDrivesTheShownFormWithTheMouse)
{
    TModalScript script;
    TOkForm form(nullptr);
    bool wasModal = false;
    script.Then([&](TModalRequest& Request) {
        EXPECT_EQ(Request.Kind, TModalKind::Form);
        EXPECT_EQ(Request.Form, &form);
        EXPECT_EQ(Request.Caption, QStringLiteral("Print Order"));
        wasModal = form.Widget()->isVisible() && form.Widget()->isModal();
        QTest::mouseClick(form.Ok->Widget(), Qt::LeftButton, {}, QPoint(5, 5));
        return mrNone;
    });
    EXPECT_EQ(form.ShowModal(), mrOk);
    EXPECT_TRUE(wasModal);
    EXPECT_FALSE(form.Widget()->isVisible());
    EXPECT_FALSE(form.Widget()->isModal());
    EXPECT_EQ(script.Unexpected(), 0);
}

TEST(ModalForm, ARefusedCloseQueryKeepsTheFormOpenUntilItAgrees)
{
    TModalScript script;
    TOkForm form(nullptr);
    form.Closable = false;
    script.Then([&](TModalRequest&) {
        form.SetModalResult(mrOk);
        EXPECT_EQ(form.ModalResult(), mrNone);
        form.Closable = true;
        form.Close();  // closing a modal form is a cancel
        EXPECT_EQ(form.ModalResult(), mrCancel);
        return mrOk;
    });
    EXPECT_EQ(form.ShowModal(), mrCancel);
}

TEST(ModalForm, AFormAlreadyShownCannotBeShownModally)
{
    TModalScript script;
    TOkForm form(nullptr);
    script.Then([&](TModalRequest&) {
        try {
            form.ShowModal();
            ADD_FAILURE() << "no exception";
        } catch (const EInvalidOperation& E) {
            EXPECT_EQ(E.Message, QStringLiteral("Cannot make a visible window modal"));
        }
        return mrAbort;
    });
    EXPECT_EQ(form.ShowModal(), mrAbort);
    form.Show();
    EXPECT_THROW(form.ShowModal(), EInvalidOperation);
}

TEST(ModalForm, AFormFreedWhileItRunsEndsTheRunAsCancelled)
{
    TModalScript script;
    auto* scripted = new TOkForm(nullptr);
    script.Then([&](TModalRequest&) {
        delete scripted;
        return mrNone;
    });
    EXPECT_EQ(scripted->ShowModal(), mrCancel);

    auto* looping = new TOkForm(nullptr);
    script.Then([&](TModalRequest& Request) {
        QTimer::singleShot(0, [&] { delete looping; });
        return Request.Form->RunModalLoop();
    });
    EXPECT_EQ(looping->ShowModal(), mrCancel);
}

TEST(ModalForm, TheRealLoopEndsWithTheResultOrTheCloseBox)
{
    struct TCase {
        const char* Name;
        std::function<void(TOkForm&)> End;
        TModalResult Result;
    };
    const TCase cases[] = {
        {"result", [](TOkForm& F) { F.SetModalResult(mrYes); }, mrYes},
        {"close box", [](TOkForm& F) { F.Widget()->close(); }, mrCancel},
        {"button", [](TOkForm& F) { QTest::mouseClick(F.Ok->Widget(), Qt::LeftButton, {}, QPoint(5, 5)); }, mrOk},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TModalScript script;
        TOkForm form(nullptr);
        script.Then([&](TModalRequest& Request) {
            QTimer::singleShot(0, form.Widget(), [&] { c.End(form); });
            return Request.Form->RunModalLoop();
        });
        EXPECT_EQ(form.ShowModal(), c.Result);
    }
}

} // namespace
} // namespace classlib

namespace classlib {
namespace {

// The window system may activate any window when a dialog goes (the main
// window, say): the user is given back the one he was working in.
TEST(ModalActivation, AClosedDialogGivesTheActivationBackToTheWindowThatHadIt)
{
    TForm worked(nullptr), other(nullptr);
    worked.SetBounds(10, 10, 200, 100);
    other.SetBounds(240, 10, 200, 100);
    other.Show();
    worked.Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(worked.Widget()));
    const auto elsewhere = [&other](TModalRequest&) {
        other.Widget()->activateWindow();
        (void)QTest::qWaitForWindowActive(other.Widget());
        return mrOk;
    };
    TModalScript script;
    script.Then(elsewhere).Then(elsewhere);
    Application()->ShowException(Exception(QStringLiteral("Group name refused")));
    EXPECT_TRUE(classlib::testing::WaitUntil([&] { return QApplication::activeWindow() == worked.Widget(); }));

    TOkForm dialog(nullptr);
    EXPECT_EQ(dialog.ShowModal(), mrOk);
    EXPECT_TRUE(classlib::testing::WaitUntil([&] { return QApplication::activeWindow() == worked.Widget(); }));
    EXPECT_EQ(script.Unexpected(), 0);
}

} // namespace
} // namespace classlib
