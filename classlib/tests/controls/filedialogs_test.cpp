// Open and save dialogs answered by a script: what they ask, the name they
// give back, and the checks of their options.

#include "classlib/controls/filedialogs.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace classlib {
namespace {

struct FileDialogs : ::testing::Test {
    QTemporaryDir Dir;
    QString Existing;

    void SetUp() override
    {
        ASSERT_TRUE(Dir.isValid());
        Existing = Dir.filePath(QStringLiteral("sales.qxf"));
        QFile f(Existing);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("x");
    }
    QString In(const char* Name) const { return Dir.filePath(QString::fromUtf8(Name)); }
};

TEST_F(FileDialogs, AskWithTheirSettingsAndGiveBackTheChosenFile)
{
    TOpenDialog open(nullptr);
    open.SetFilter(QStringLiteral("Reports (*.qxf)|*.qxf|All Files (*.*)|*.*"));
    open.SetFilterIndex(2);
    open.SetInitialDir(Dir.path());
    open.SetFileName(QStringLiteral("old.qxf"));
    TModalScript script;
    script.ChooseFile(Existing);
    ASSERT_TRUE(open.Execute());
    EXPECT_EQ(open.FileName(), Existing);
    ASSERT_EQ(script.Requests().size(), 1u);
    const TModalRequest& r = script.Requests()[0];
    EXPECT_EQ(r.Kind, TModalKind::OpenFile);
    EXPECT_EQ(r.Caption, QStringLiteral("Open"));
    EXPECT_EQ(r.Filter, QStringLiteral("Reports (*.qxf)|*.qxf|All Files (*.*)|*.*"));
    EXPECT_EQ(r.FilterIndex, 2);
    EXPECT_EQ(r.InitialDir, Dir.path());
    EXPECT_EQ(r.FileName, QStringLiteral("old.qxf"));  // what it showed at the start

    TSaveDialog save(nullptr);
    save.SetTitle(QStringLiteral("Save Untitled As"));
    script.ChooseFile(In("new.qxf"));
    ASSERT_TRUE(save.Execute());
    EXPECT_EQ(script.Requests()[1].Kind, TModalKind::SaveFile);
    EXPECT_EQ(script.Requests()[1].Caption, QStringLiteral("Save Untitled As"));
    EXPECT_EQ(save.FileName(), In("new.qxf"));
    EXPECT_EQ(script.Unexpected(), 0);
}

TEST_F(FileDialogs, ACancelKeepsTheFileName)
{
    TSaveDialog save(nullptr);
    save.SetFileName(QStringLiteral("Untitled.qxf"));
    TModalScript script;
    script.Answer(mrCancel);
    EXPECT_FALSE(save.Execute());
    EXPECT_EQ(save.FileName(), QStringLiteral("Untitled.qxf"));
    EXPECT_EQ(script.Requests()[0].Caption, QStringLiteral("Save As"));
    EXPECT_EQ(script.Requests()[0].FileName, QStringLiteral("Untitled.qxf"));
}

TEST_F(FileDialogs, NamesAreCompletedWithTheFolderAndTheDefaultExtension)
{
    struct TCase {
        const char* Chosen;
        const char* DefaultExt;
        QString Expected;
    };
    const TCase cases[] = {
        {"report", "qxf", In("report.qxf")},
        {"report.txt", "qxf", In("report.txt")},
        {"report", "", In("report")},
        {"sub/../report", "qxf", In("report.qxf")},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Chosen);
        TSaveDialog save(nullptr);
        save.SetInitialDir(Dir.path());
        save.SetDefaultExt(QString::fromUtf8(c.DefaultExt));
        TModalScript script;
        script.ChooseFile(QString::fromUtf8(c.Chosen));
        ASSERT_TRUE(save.Execute());
        EXPECT_EQ(save.FileName(), c.Expected);
    }
}

TEST_F(FileDialogs, OptionsRefuseANameWithAReasonAndTheDialogAsksAgain)
{
    struct TCase {
        const char* Name;
        bool Save;
        TOpenOptions Options;
        QString First;
        TModalResult Reply;  // to the message box
        QString Message;     // how it begins
        bool AskedAgain;
    };
    const TCase cases[] = {
        {"missing file", false, {ofFileMustExist}, In("none.qxf"), mrOk, In("none.qxf") + "\nFile not found.", true},
        {"missing folder", true, {ofPathMustExist}, In("nowhere/x.qxf"), mrOk, In("nowhere/x.qxf") + "\nPath does not exist.", true},
        {"a folder", false, {}, Dir.path(), mrOk, Dir.path() + "\nis a folder", true},
        {"replace: no", true, {ofOverwritePrompt}, Existing, mrNo, Existing + " already exists.", true},
        {"replace: yes", true, {ofOverwritePrompt}, Existing, mrYes, Existing + " already exists.", false},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        std::unique_ptr<TOpenDialog> dialog =
            c.Save ? std::make_unique<TSaveDialog>(nullptr) : std::make_unique<TOpenDialog>(nullptr);
        dialog->SetOptions(c.Options);
        // The second choice passes: an existing file to open, a new one to save.
        const QString second = c.Save ? In("other.qxf") : Existing;
        TModalScript script;
        script.ChooseFile(c.First).Answer(c.Reply);
        if (c.AskedAgain)
            script.ChooseFile(second);
        ASSERT_TRUE(dialog->Execute());
        EXPECT_EQ(dialog->FileName(), c.AskedAgain ? second : Existing);
        ASSERT_EQ(script.Requests().size(), c.AskedAgain ? 3u : 2u);
        EXPECT_EQ(script.Requests()[1].Kind, TModalKind::Message);
        EXPECT_EQ(script.Requests()[1].DlgType, mtWarning);
        EXPECT_TRUE(script.Requests()[1].Text.startsWith(c.Message)) << script.Requests()[1].Text.toStdString();
        if (c.AskedAgain) {
            EXPECT_EQ(script.Requests()[2].FileName, QDir::cleanPath(c.First));  // shown again with the name
        }
        EXPECT_EQ(script.Unexpected(), 0);
    }
    // Without the options nothing is checked: a missing file is taken.
    TOpenDialog open(nullptr);
    open.SetOptions({});
    TModalScript script;
    script.ChooseFile(In("none.qxf"));
    EXPECT_TRUE(open.Execute());
    EXPECT_EQ(script.Requests().size(), 1u);
}

TEST_F(FileDialogs, ARefusedNameThenACancelGivesFalse)
{
    TOpenDialog open(nullptr);
    open.SetOptions({ofFileMustExist});
    TModalScript script;
    script.ChooseFile(In("none.qxf")).Answer(mrOk).Answer(mrCancel);
    EXPECT_FALSE(open.Execute());
    EXPECT_EQ(open.FileName(), QString());
}

TEST(FileDialogsOffscreen, NobodyAnsweringIsACancel)
{
    ASSERT_FALSE(ModalResponderInstalled());
    TOpenDialog open(nullptr);
    EXPECT_FALSE(open.Execute());
}

} // namespace
} // namespace classlib
