// The host's saved form: what is saved reads back, and a damaged file is
// refused with its message before anything changes.

#include "ide/host/formfile.h"
#include "ide/host/hostform.h"
#include "ide/host/sourceunit.h"

#include "runtime/report.h"

#include "classlib/controls/form.h"
#include "classlib/core/atomicsave.h"
#include "classlib/core/stringlist.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace classlib;
using namespace idehost;

namespace {

QByteArray SavedForm()
{
    TSourceUnit unit("TForm1", TForm::StaticClass());
    unit.Add("ReportStarts", TypeInfo<runtime::TQXBeforeReport>());
    TRunForm form(nullptr, unit);
    form.SetName("Form1");
    auto* report = new runtime::TQXReport(&form);
    report->SetName("Report1");
    report->BeforeReport = TMethod{form.ClassType()->FindMethod(u"ReportStarts"), &form};
    report->Events()->Add("Page1.Label1.GetText=ReportStarts");
    return SaveForm(form, unit);
}

TEST(FormFile, WhatIsSavedReadsBackWithItsMethodsAndBindings)
{
    const QByteArray bytes = SavedForm();
    EXPECT_EQ(CheckFormFile(bytes), QStringList({"ReportStarts=TQXBeforeReport"}));
    const TFormFileParts parts = SplitFormFile(bytes);
    TSourceUnit unit("TForm1", TForm::StaticClass());
    unit.LoadList(parts.Methods);
    TRunForm form(nullptr, unit);
    ReadFormStream(parts.Stream, form);
    auto* report = dynamic_cast<runtime::TQXReport*>(form.FindComponent("Report1"));
    ASSERT_NE(report, nullptr);
    EXPECT_EQ(report->Events()->Text(), "Page1.Label1.GetText=ReportStarts\r\n");
    ASSERT_TRUE(report->BeforeReport.Assigned());
    EXPECT_EQ(report->BeforeReport.Code->Name, "ReportStarts");
}

TEST(FormFile, DamagedFilesAreRefusedWithTheirMessage)
{
    const QByteArray good = SavedForm();
    auto with = [&](int At, char Byte) {
        QByteArray b = good;
        b[At] = Byte;
        return b;
    };
    struct {
        const char* Case;
        QByteArray Bytes;
        QString Error;
    } const cases[] = {
        {"empty", {}, "Not a form file of this host"},
        {"wrong magic", with(0, 'X'), "Not a form file of this host"},
        {"version", with(4, 2), "Unsupported form file version"},
        {"list longer than the file", with(8, char(0x7F)), "Form file method list is damaged"},
        {"header only", good.left(9), "Form file method list is damaged"},
        {"no form", good.left(9 + 28), "Form file holds no form"},
    };
    for (const auto& c : cases) {
        try {
            CheckFormFile(c.Bytes);
            ADD_FAILURE() << c.Case;
        } catch (const EFormFileError& E) {
            EXPECT_EQ(E.Message, c.Error) << c.Case;
        }
    }
    // A form stream cut short is the stream reader's error.
    EXPECT_THROW(CheckFormFile(good.left(good.size() - 3)), Exception);
}

TEST(FormFile, AClassOffThePaletteIsRefused)
{
    QByteArray bytes = SavedForm();
    const qsizetype at = bytes.indexOf("TQXReport");
    ASSERT_GT(at, 0);
    bytes.replace(at, 9, "TQXRepoXX");
    EXPECT_THROW(CheckFormFile(bytes), Exception);
}

TEST(FormFile, AFailedSaveLeavesTheOldFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("form.qxh");
    WriteFileAtomically(path, "old");
    EXPECT_THROW(WriteFileAtomically(dir.filePath("missing/form.qxh"), "new"), EFCreateError);
    {
        // A disk that fills up half way.
        TSaveFaultScope full(TSaveFault{TSaveStage::Write, 1});
        EXPECT_THROW(WriteFileAtomically(path, "new"), EWriteError);
    }
    EXPECT_EQ(ReadWholeFile(path), "old");
    WriteFileAtomically(path, "new");
    EXPECT_EQ(ReadWholeFile(path), "new");
    EXPECT_THROW(ReadWholeFile(dir.filePath("none.qxh")), EFOpenError);
}

} // namespace
