// The string-list editor dialog, driven with keys and clicks while the
// script answers its modal run, and the property editor that opens it.

#include "classlib/controls/button.h"
#include "classlib/controls/label.h"
#include "classlib/controls/memo.h"
#include "classlib/controls/stringlisteditor.h"
#include "classlib/core/stringlist.h"
#include "classlib/design/stringlistproperty.h"

#include <QTest>

#include <gtest/gtest.h>

namespace classlib {
namespace {

void Click(TControl* C)
{
    QTest::mouseClick(C->Widget(), Qt::LeftButton, {}, QPoint(5, 5));
}

// Answers the next dialog as the string-list editor, typing Keys into its
// memo after what it holds, then clicking Button (its OK or Cancel).
TModalResponder TypeLines(QString* Label, const QString& Keys, bool Ok)
{
    return [=](TModalRequest& Request) {
        auto* dialog = dynamic_cast<TStringListEditorDlg*>(Request.Form);
        if (!dialog)
            return mrAbort;
        dialog->Widget()->activateWindow();
        (void)QTest::qWaitForWindowActive(dialog->Widget());
        TMemo* memo = dialog->Memo;
        EXPECT_TRUE(memo->Focused());
        QTest::keyClick(memo->Widget(), Qt::Key_End, Qt::ControlModifier);
        for (const QString& line : Keys.split(QLatin1Char('\n'))) {
            if (line != Keys.section(QLatin1Char('\n'), 0, 0))
                QTest::keyClick(memo->Widget(), Qt::Key_Return);
            QTest::keyClicks(memo->Widget(), line);
        }
        *Label = dialog->LineCount->Caption();
        Click(Ok ? dialog->OkButton : dialog->CancelButton);
        return mrNone;
    };
}

TEST(StringListEditor, OkTakesTheTypedLinesAndCancelKeepsTheOld)
{
    TStringList lines;
    lines.Add(QStringLiteral("First"));
    QString label;
    TModalScript script;
    script.Then(TypeLines(&label, QStringLiteral("\nSecond\nThird"), true));
    ASSERT_TRUE(EditStringList(&lines));
    EXPECT_EQ(lines.Text(), QStringLiteral("First\r\nSecond\r\nThird\r\n"));
    EXPECT_EQ(label, QStringLiteral("3 lines"));
    EXPECT_EQ(script.Requests()[0].Caption, QStringLiteral("String List Editor"));

    script.Then(TypeLines(&label, QStringLiteral("\nFourth"), false));
    EXPECT_FALSE(EditStringList(&lines, QStringLiteral("Lines")));
    EXPECT_EQ(lines.Count(), 3);
    EXPECT_EQ(script.Requests()[1].Caption, QStringLiteral("Lines"));
    EXPECT_EQ(script.Unexpected(), 0);
}

TEST(StringListEditor, TheStringListPropertyEditsTheComponentsLines)
{
    TMemo memo(nullptr);
    memo.Lines()->Add(QStringLiteral("alpha"));
    TStringListProperty editor(nullptr, 1);
    editor.SetPropEntry(0, &memo, TMemo::StaticClass().FindProp(u"Lines"));
    EXPECT_TRUE(editor.GetAttributes().Contains(TPropertyAttribute::paDialog));
    QString label;
    TModalScript script;
    script.Then(TypeLines(&label, QStringLiteral("\nbeta"), true));
    editor.Edit();
    EXPECT_EQ(memo.Lines()->Count(), 2);
    EXPECT_EQ(memo.Lines()->Get(1), QStringLiteral("beta"));
    EXPECT_EQ(label, QStringLiteral("2 lines"));
}

} // namespace
} // namespace classlib
