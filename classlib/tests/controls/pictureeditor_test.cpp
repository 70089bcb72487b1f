// The picture editor dialog, driven with clicks while the script answers
// its modal run and the file dialog it opens, and the property editor
// that opens it.

#include "classlib/controls/button.h"
#include "classlib/controls/image.h"
#include "classlib/controls/pictureeditor.h"
#include "classlib/design/pictureproperty.h"
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
