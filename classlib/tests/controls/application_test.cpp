// The application's title, icon, main form, hints from the mouse, help
// requests and exception display.

#include "classlib/controls/application.h"
#include "classlib/controls/dialogs.h"
#include "classlib/controls/form.h"
#include "classlib/controls/panel.h"
#include "classlib/core/sysutils.h"

#include "handlers.h"

#include <QApplication>
#include <QPixmap>
#include <QTest>

#include <gtest/gtest.h>

namespace classlib {
namespace {

using testing::Bind;

struct THintFixture : ::testing::Test {
    TForm Form{nullptr};
    TPanel* Tool = new TPanel(&Form);
    TPanel* Bar = new TPanel(&Form);
    TPanel* Inner = new TPanel(&Form);
    TPanel* Bare = new TPanel(&Form);
    QStringList Told;

    THintFixture()
    {
        Form.SetBounds(40, 40, 300, 200);
        Tool->SetParent(&Form);
        Tool->SetBounds(10, 10, 60, 30);
        Tool->SetHint(QStringLiteral("Save report|Saves the current report"));
        Tool->SetShowHint(true);
        Bar->SetParent(&Form);
        Bar->SetBounds(10, 60, 200, 60);
        Bar->SetHint(QStringLiteral("Shows or hides the rulers"));
        // No hint of its own: its parent's counts.
        Inner->SetParent(Bar);
        Inner->SetBounds(10, 10, 40, 30);
        Bare->SetParent(&Form);
        Bare->SetBounds(10, 140, 60, 30);
        Bind(Application()->OnHint, [this](TObject*) { Told << Application()->Hint(); });
        Application()->SetHint(QString());
        Told.clear();
        Form.Show();
        (void)QTest::qWaitForWindowExposed(Form.Widget());
    }
    ~THintFixture() override
    {
        Application()->OnHint = TNotifyEvent();
        Application()->SetHint(QString());
    }
};

TEST_F(THintFixture, TheToolTipIsTheShortPart)
{
    EXPECT_EQ(Tool->Widget()->toolTip(), QStringLiteral("Save report"));
    EXPECT_EQ(Bar->Widget()->toolTip(), QString());  // ShowHint off
}

TEST_F(THintFixture, TheMouseOverAControlSetsTheLongPartAndEveryChangeIsTold)
{
    QTest::mouseMove(Tool->Widget(), QPoint(5, 5));
    EXPECT_EQ(Application()->Hint(), QStringLiteral("Saves the current report"));
    QTest::mouseMove(Tool->Widget(), QPoint(20, 8));  // the same control: nothing new
    QTest::mouseMove(Inner->Widget(), QPoint(5, 5));
    EXPECT_EQ(Application()->Hint(), QStringLiteral("Shows or hides the rulers"));
    QTest::mouseMove(Tool->Widget(), QPoint(5, 5));
    QTest::mouseMove(Bar->Widget(), QPoint(150, 5));  // into Bar from outside
    EXPECT_EQ(Application()->Hint(), QStringLiteral("Shows or hides the rulers"));
    QTest::mouseMove(Inner->Widget(), QPoint(5, 5));
    QTest::mouseMove(Bar->Widget(), QPoint(150, 5));  // out of Inner, still in Bar
    QCoreApplication::processEvents();
    QTest::mouseMove(Bare->Widget(), QPoint(5, 5));
    EXPECT_EQ(Application()->Hint(), QString());
    // Never an empty hint between two controls.
    EXPECT_EQ(Told, (QStringList{"Saves the current report", "Shows or hides the rulers", "Saves the current report",
                                 "Shows or hides the rulers", ""}));
}

TEST(ApplicationTitle, NamesTheProgramAndCaptionsItsMessageBoxes)
{
    const QString before = Application()->Title();
    Application()->SetTitle(QStringLiteral("Tessary"));
    EXPECT_EQ(Application()->Title(), QStringLiteral("Tessary"));
    // Qt would append its display name to every window's title.
    EXPECT_NE(QGuiApplication::applicationDisplayName(), QStringLiteral("Tessary"));
    TModalScript script;
    script.Answer(mrOk).Answer(mrOk);
    Application()->MessageBox(QStringLiteral("Done"), QString());
    Application()->ShowException(Exception(QStringLiteral("Failed")));
    EXPECT_EQ(script.Requests()[0].Caption, QStringLiteral("Tessary"));
    EXPECT_EQ(script.Requests()[1].Caption, QStringLiteral("Tessary"));
    Application()->SetTitle(before);
    EXPECT_EQ(Application()->Title(), before);
    Application()->SetTitle(QString());
    EXPECT_EQ(Application()->Title(), QCoreApplication::applicationName());
    EXPECT_FALSE(Application()->Title().isEmpty());
}

TEST(ApplicationExceptionDisplay, EndsASentenceWithOneFullStop)
{
    static const struct {
        const char* Message;
        const char* Shown;
    } cases[] = {
        {"Cannot open file", "Cannot open file."},
        {"Cannot open file.", "Cannot open file."},
        {"  Cannot open file  ", "Cannot open file."},
        {"Group named body already exists!", "Group named body already exists!"},
        {"Delete it?", "Delete it?"},
        {"Reason:", "Reason:"},
        {"'x' is not a valid floating point value", "'x' is not a valid floating point value."},
        {"", ""},
    };
    TModalScript script;
    for (const auto& c : cases) {
        script.Answer(mrOk);
        Application()->ShowException(Exception(QString::fromLatin1(c.Message)));
        ASSERT_FALSE(script.Requests().empty());
        EXPECT_EQ(script.Requests().back().Text, QString::fromLatin1(c.Shown)) << c.Message;
        EXPECT_EQ(script.Requests().back().DlgType, mtError) << c.Message;
    }
    EXPECT_EQ(script.Unexpected(), 0);
}

TEST(ApplicationIcon, IsEveryWindowsIconUnlessTheFormHasItsOwn)
{
    QPixmap red(16, 16);
    red.fill(Qt::red);
    QPixmap blue(16, 16);
    blue.fill(Qt::blue);
    const QIcon appIcon(red);
    Application()->SetIcon(appIcon);
    EXPECT_EQ(QApplication::windowIcon().cacheKey(), appIcon.cacheKey());
    TForm form(nullptr);
    EXPECT_TRUE(form.Icon().isNull());
    form.SetIcon(QIcon(blue));
    EXPECT_FALSE(form.Icon().isNull());
    EXPECT_EQ(form.Icon().pixmap(16).toImage().pixel(2, 2), QColor(Qt::blue).rgb());
    Application()->SetIcon(QIcon());
}

TEST(ApplicationMainForm, IsTheFirstFormMadeAndCanBeLentAndGivenBack)
{
    Application()->DestroyComponents();
    ASSERT_EQ(Application()->MainForm(), nullptr);
    TForm* first = nullptr;
    TForm* second = nullptr;
    Application()->CreateForm(first);
    Application()->CreateForm(second);
    EXPECT_EQ(Application()->MainForm(), first);
    // A caller's own form lent as the main form, then the old one back.
    auto* own = new TForm(nullptr);
    TForm* const previous = Application()->MainForm();
    Application()->SetMainForm(own);
    EXPECT_EQ(Application()->MainForm(), own);
    delete own;  // freed: no dangling main form
    EXPECT_EQ(Application()->MainForm(), nullptr);
    Application()->SetMainForm(previous);
    EXPECT_EQ(Application()->MainForm(), first);
    Application()->DestroyComponents();
    EXPECT_EQ(Application()->MainForm(), nullptr);
}

TEST(ApplicationHelp, RequestsGoToTheHookWhichMayKeepTheFileShut)
{
    struct TRequest {
        unsigned Command;
        qintptr Data;
    };
    std::vector<TRequest> seen;
    Application()->SetHelpFile(QStringLiteral("/opt/tessary/help/QX.HLP"));
    Application()->OnHelp = [&](unsigned Command, qintptr Data, bool& CallHelp) {
        seen.push_back({Command, Data});
        CallHelp = false;
        return true;
    };
    EXPECT_TRUE(Application()->HelpContext(100));
    EXPECT_TRUE(Application()->HelpCommand(HELP_FINDER, 0));
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].Command, HELP_CONTEXT);
    EXPECT_EQ(seen[0].Data, 100);
    EXPECT_EQ(seen[1].Command, HELP_FINDER);
    Application()->OnHelp = nullptr;
    // Offscreen nobody reads it: nothing opens.
    EXPECT_FALSE(Application()->HelpCommand(HELP_FINDER, 0));
    Application()->SetHelpFile(QString());
    EXPECT_FALSE(Application()->HelpCommand(HELP_CONTENTS, 0));
}

TEST(ApplicationHelp, F1AsksForTheTopicOfTheNearestFormThatHasOne)
{
    std::vector<qintptr> topics;
    Application()->OnHelp = [&](unsigned Command, qintptr Data, bool& CallHelp) {
        EXPECT_EQ(Command, HELP_CONTEXT);
        topics.push_back(Data);
        CallHelp = false;
        return true;
    };
    TForm form(nullptr);
    form.SetBounds(10, 10, 200, 100);
    auto* panel = new TPanel(&form);
    panel->SetParent(&form);
    panel->Widget()->setFocusPolicy(Qt::StrongFocus);
    form.Show();
    form.Widget()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.Widget()));
    panel->SetFocus();
    QTest::keyClick(panel->Widget(), Qt::Key_F1);  // no topic: nothing asked
    form.SetHelpContext(100);
    QTest::keyClick(panel->Widget(), Qt::Key_F1);
    Application()->OnHelp = nullptr;
    EXPECT_EQ(topics, (std::vector<qintptr>{100}));
}

TEST(ApplicationExceptions, OnExceptionReplacesTheDisplayAndAnAbortIsNeverShown)
{
    QStringList caught;
    Application()->OnException = [&](TObject*, const Exception& E) { caught << E.Message; };
    CallGuarded(nullptr, [] { throw EConvertError(QStringLiteral("'x' is not a valid number")); });
    CallGuarded(nullptr, [] { throw EAbort(QString()); });
    CallGuarded(nullptr, [] { throw std::runtime_error("bad alloc"); });
    Application()->OnException = nullptr;
    EXPECT_EQ(caught, (QStringList{"'x' is not a valid number", "bad alloc"}));
}

TEST(ApplicationInstance, TheCallersApplicationIsKept)
{
    QApplication* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    ASSERT_NE(app, nullptr);
    EXPECT_EQ(EnsureQApplication(), app);
    EXPECT_EQ(EnsureQApplication(), app);
}

} // namespace
} // namespace classlib
