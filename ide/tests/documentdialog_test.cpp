// The "Document" property's dialog, driven with the mouse while it is
// modal: Load, Save, Edit and Clear on the working copy, and what OK and
// Cancel leave in the component.

#include "ide/documentdialog.h"
#include "ide/tests/idefixture.h"

#include "runtime/report.h"

#include "classlib/controls/button.h"
#include "classlib/controls/modalresponder.h"
#include "classlib/core/stringlist.h"

#include <QFile>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace ide::tests {
namespace {

using namespace classlib;
using namespace runtime;

class DocumentDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Load(*F.Report, SampleDocument());
        F.Report->SetTitle(QStringLiteral("Orders"));
        F.Report->Events()->Add(QStringLiteral("Page1.AfterPrint=Done"));
    }
    // Opens the dialog through the property's editor; Body drives it.
    void Run(const std::function<TModalResult(TfrmQXDocument&)>& Body)
    {
        auto editor = EditorOf(F.Report, QStringLiteral("Document"), F.Designer.get());
        ASSERT_NE(dynamic_cast<TQXDocumentProperty*>(editor.get()), nullptr);
        EXPECT_EQ(editor->GetAttributes(), TPropertyAttributes({TPropertyAttribute::paDialog, TPropertyAttribute::paReadOnly}));
        Script.Then([&](TModalRequest& Request) {
            auto* dialog = dynamic_cast<TfrmQXDocument*>(Request.Form);
            EXPECT_NE(dialog, nullptr);
            if (!dialog) return mrCancel;
            Settle();
            return Body(*dialog);
        });
        editor->Edit();
        EXPECT_EQ(Script.Unexpected(), 0);
        EXPECT_EQ(Script.Pending(), 0);

    }
    static void Click(TButton* Button)
    {
        QTest::mouseClick(Button->Widget(), Qt::LeftButton);
        Settle();
    }
    static QString State(TfrmQXDocument& D)
    {
        return QStringLiteral("%1 save:%2 clear:%3 pages:%4")
            .arg(D.btnEdit->Caption())
            .arg(D.btnSave->Enabled())
            .arg(D.btnClear->Enabled())
            .arg(D.Report->PageCount());
    }
    QString SavedDocument(const QByteArray& Document)
    {
        TQXReport report(nullptr);
        Load(report, Document);
        const QString path = Stub.TempPath(QStringLiteral("other.qxf"));
        report.SaveToFile(path);
        return path;
    }

    TRegisteredPackage Package;
    TCoreStub Stub;
    TIdeForm F;
    TModalScript Script;
};

TEST_F(DocumentDialogTest, CancelLeavesTheComponentUntouchedAfterLoadEditAndClear)
{
    const QByteArray before = StoredForm(*F.Report);
    const QString other = SavedDocument(LargeDocument(3, 1));
    Run([&](TfrmQXDocument& D) {
        EXPECT_EQ(D.Caption(), QStringLiteral("Report Editor"));
        // The copy is prepared for the preview: one page per document page.
        EXPECT_EQ(State(D), QStringLiteral("Edit save:1 clear:1 pages:2"));
        EXPECT_EQ(D.Report->Title(), QStringLiteral("Orders"));
        // The events list stays with the component.
        EXPECT_EQ(D.Report->Events()->Count(), 0);
        Click(D.btnClear);
        EXPECT_EQ(State(D), QStringLiteral("New save:0 clear:0 pages:0"));
        Script.ChooseFile(other);
        Click(D.btnLoad);
        EXPECT_EQ(State(D), QStringLiteral("Edit save:1 clear:1 pages:3"));
        EXPECT_EQ(Script.Requests().back().Caption, QStringLiteral("Open Report"));
        Stub.SetMode(QStringLiteral("delete"));
        Click(D.btnEdit);
        EXPECT_EQ(Stub.Calls().size(), 1);
        Click(D.btnCancel);
        return mrCancel;
    });
    EXPECT_EQ(StoredForm(*F.Report), before);
    EXPECT_EQ(F.Designer->ModifiedCount, 0);
}

TEST_F(DocumentDialogTest, OkCommitsTheCopyAndKeepsTheEventBindings)
{
    const QString other = SavedDocument(LargeDocument(3, 1));
    Run([&](TfrmQXDocument& D) {
        Script.ChooseFile(other);
        Click(D.btnLoad);
        Click(D.btnOk);
        return mrOk;
    });
    EXPECT_EQ(F.Report->GetPaperCount(), 3);
    EXPECT_EQ(F.Report->Title(), QStringLiteral("Orders"));
    EXPECT_EQ(F.Report->Events()->Text(), QStringLiteral("Page1.AfterPrint=Done\r\n"));
    EXPECT_EQ(F.Designer->ModifiedCount, 1);
}

TEST_F(DocumentDialogTest, CancelledAndFailedFileDialogsChangeNothing)
{
    const QString broken = Stub.TempPath(QStringLiteral("broken.qxf"));
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a report");
    file.close();
    const QString saved = Stub.TempPath(QStringLiteral("saved.qxf"));
    Run([&](TfrmQXDocument& D) {
        Script.Answer(mrCancel);
        Click(D.btnLoad);
        EXPECT_EQ(State(D), QStringLiteral("Edit save:1 clear:1 pages:2"));
        // The load error is shown; the copy keeps its document.
        Script.ChooseFile(broken).Answer(mrOk);
        Click(D.btnLoad);
        EXPECT_EQ(Script.Requests().back().Kind, TModalKind::Message);
        EXPECT_EQ(State(D), QStringLiteral("Edit save:1 clear:1 pages:2"));
        Script.Answer(mrCancel);
        Click(D.btnSave);
        EXPECT_FALSE(QFile::exists(saved));
        Script.ChooseFile(saved);
        Click(D.btnSave);
        EXPECT_EQ(Script.Requests().back().Caption, QStringLiteral("Save Report As"));
        return mrCancel;
    });
    TQXReport check(nullptr);
    check.LoadFromFile(saved);
    EXPECT_EQ(check.GetPaperCount(), 2);
}

TEST_F(DocumentDialogTest, AReportWithoutDocumentOffersNew)
{
    F.Report->Reset();
    Run([&](TfrmQXDocument& D) {
        EXPECT_EQ(State(D), QStringLiteral("New save:0 clear:0 pages:0"));
        return mrCancel;
    });
}

} // namespace
} // namespace ide::tests
