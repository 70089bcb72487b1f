// The string-list and picture editor dialogs, driven with keys and clicks
// while the script answers their modal run, and the property editors that
// open them.

#include "classlib/controls/button.h"
#include "classlib/controls/image.h"
#include "classlib/controls/label.h"
#include "classlib/controls/memo.h"
#include "classlib/controls/pictureeditor.h"
#include "classlib/controls/stringlisteditor.h"
#include "classlib/core/stringlist.h"
#include "classlib/design/pictureproperty.h"
#include "classlib/design/stringlistproperty.h"
#include "classlib/graphics/bitmap.h"
#include "classlib/graphics/picture.h"

#include <QFile>
#include <QTemporaryDir>
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

struct PictureEditor : ::testing::Test {
    QTemporaryDir Dir;
    QString Bmp;
    QString Broken;

    void SetUp() override
    {
        TBitmap bmp;
        bmp.SetSize(12, 8);
        Bmp = Dir.filePath(QStringLiteral("stripe.bmp"));
        bmp.SaveToFile(Bmp);
        Broken = Dir.filePath(QStringLiteral("broken.bmp"));
        QFile f(Broken);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("not a bitmap");
    }

    // Answers the picture editor by clicking Buttons in turn, then OK.
    static TModalResponder Press(std::vector<TButton* TPictureEditorDlg::*> Buttons, bool Ok = true)
    {
        return [=](TModalRequest& Request) {
            auto* dialog = dynamic_cast<TPictureEditorDlg*>(Request.Form);
            if (!dialog)
                return mrAbort;
            for (auto b : Buttons)
                Click(dialog->*b);
            Click(Ok ? dialog->OkButton : dialog->CancelButton);
            return mrNone;
        };
    }
};

TEST_F(PictureEditor, LoadsFromAFileClearsAndCancels)
{
    TPicture picture;
    TModalScript script;
    script.Then(Press({&TPictureEditorDlg::LoadButton})).ChooseFile(Bmp);
    ASSERT_TRUE(EditPicture(&picture));
    EXPECT_EQ(picture.Width(), 12);
    EXPECT_EQ(picture.Height(), 8);
    ASSERT_EQ(script.Requests().size(), 2u);
    EXPECT_EQ(script.Requests()[0].Caption, QStringLiteral("Picture Editor"));
    EXPECT_EQ(script.Requests()[1].Caption, QStringLiteral("Load picture"));
    EXPECT_TRUE(script.Requests()[1].Filter.contains(QStringLiteral("*.bmp")));

    // Cleared, then cancelled: the picture stays.
    script.Then(Press({&TPictureEditorDlg::ClearButton}, false));
    EXPECT_FALSE(EditPicture(&picture));
    EXPECT_EQ(picture.Width(), 12);
    // Cleared and taken.
    script.Then(Press({&TPictureEditorDlg::ClearButton}));
    ASSERT_TRUE(EditPicture(&picture));
    EXPECT_EQ(picture.Graphic(), nullptr);
    EXPECT_EQ(script.Unexpected(), 0);
}

TEST_F(PictureEditor, AFileThatDoesNotLoadIsReportedAndChangesNothing)
{
    TPicture picture;
    picture.LoadFromFile(Bmp);
    TModalScript script;
    script.Then(Press({&TPictureEditorDlg::LoadButton})).ChooseFile(Broken).Answer(mrOk);
    ASSERT_TRUE(EditPicture(&picture));
    EXPECT_EQ(picture.Width(), 12);
    ASSERT_EQ(script.Requests().size(), 3u);
    EXPECT_EQ(script.Requests()[2].Kind, TModalKind::Message);
    EXPECT_EQ(script.Requests()[2].DlgType, mtError);
    EXPECT_EQ(script.Unexpected(), 0);
}

TEST_F(PictureEditor, ThePicturePropertyEditsTheComponentsPicture)
{
    TImage image(nullptr);
    TPictureProperty editor(nullptr, 1);
    editor.SetPropEntry(0, &image, TImage::StaticClass().FindProp(u"Picture"));
    EXPECT_TRUE(editor.GetAttributes().Contains(TPropertyAttribute::paDialog));
    TModalScript script;
    script.Then(Press({&TPictureEditorDlg::LoadButton})).ChooseFile(Bmp);
    editor.Edit();
    EXPECT_EQ(image.Picture()->Width(), 12);
}

} // namespace
} // namespace classlib
