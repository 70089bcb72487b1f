// The bridge to the designer library, against a stand-in that logs the
// call and treats the exchange file as told.

#include "ide/reportbridge.h"
#include "ide/tests/idefixture.h"

#include "runtime/report.h"

#include "classlib/core/stringlist.h"
#include "classlib/tests/errorof.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace ide::tests {
namespace {

using namespace classlib;
using namespace runtime;

QString WriteDocument(const TCoreStub& Stub, const QString& Name, const QByteArray& Document)
{
    TQXReport report(nullptr);
    Load(report, Document);
    const QString path = Stub.TempPath(Name);
    report.SaveToFile(path);
    return path;
}

TEST(ReportBridge, AReportWithoutDocumentStartsTheDesignerOnNoFile)
{
    for (const char* mode : {"keep", "delete"}) {
        SCOPED_TRACE(mode);
        TCoreStub stub(QString::fromLatin1(mode));
        TIdeForm f;
        f.Report->Events()->Add(QStringLiteral("Page1.AfterPrint=Done"));
        const QByteArray before = StoredForm(*f.Report);
        EXPECT_FALSE(EditReport(f.Report));
        EXPECT_EQ(StoredForm(*f.Report), before);
        ASSERT_EQ(stub.Calls().size(), 1);
        // The file is gone before the designer starts; embedded, no splash,
        // in a folder of this user's only.
        EXPECT_EQ(stub.Calls()[0].section(u' ', 1), QStringLiteral("0 1 0 700"));
        EXPECT_TRUE(stub.LastFile().startsWith(stub.RuntimeFolder() + QStringLiteral("/qxf")));
        EXPECT_FALSE(QFileInfo::exists(QFileInfo(stub.LastFile()).absolutePath()));
    }
}

TEST(ReportBridge, TheDocumentGoesOverAndComesBack)
{
    TCoreStub stub;
    TIdeForm f;
    Load(*f.Report, SampleDocument());
    f.Report->Events()->Add(QStringLiteral("Page1.AfterPrint=Done"));
    const QByteArray before = StoredForm(*f.Report);
    EXPECT_TRUE(EditReport(f.Report));
    EXPECT_EQ(StoredForm(*f.Report), before);
    EXPECT_EQ(stub.Calls()[0].section(u' ', 1, 1), QStringLiteral("1"));
    EXPECT_FALSE(QFileInfo::exists(QFileInfo(stub.LastFile()).absolutePath()));

    // What the designer wrote replaces the document; the events stay.
    const QString other = WriteDocument(stub, QStringLiteral("other.qxf"), LargeDocument(3, 2));
    stub.SetMode(QStringLiteral("copy:") + other);
    EXPECT_TRUE(EditReport(f.Report));
    EXPECT_EQ(f.Report->GetPaperCount(), 3);
    EXPECT_EQ(f.Report->Events()->Count(), 1);
}

// A file the report cannot read back is kept, and the error names it.
TEST(ReportBridge, AFailedReadBackKeepsTheFileAndNamesIt)
{
    TCoreStub stub(QStringLiteral("garbage"));
    TIdeForm f;
    Load(*f.Report, SampleDocument());
    const QString error = test::ErrorOf([&] { EditReport(f.Report); });
    const QString file = stub.LastFile();
    EXPECT_TRUE(error.startsWith(QStringLiteral("Cannot read back the edited report kept in ") + file + ": "))
        << error.toStdString();
    QFile kept(file);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("not a report"));
    EXPECT_EQ(f.Report->GetPaperCount(), 2);
    QDir(QFileInfo(file).absolutePath()).removeRecursively();
}

TEST(ReportBridge, LibraryErrorsLeaveNoFileBehind)
{
    TCoreStub stub;
    TIdeForm f;
    Load(*f.Report, SampleDocument());
    QDir(stub.Folder()).removeRecursively();
    QDir().mkpath(stub.Folder());
    const QString missing = stub.Folder() + QStringLiteral("/qxcore.dll");
    EXPECT_EQ(test::ErrorOf([&] { EditReport(f.Report); }), QStringLiteral("Error loading library ") + missing);
    QFile::copy(QStringLiteral(QX_NOENTRY_LIB), stub.Folder() + QStringLiteral("/libqxcore.so"));
    EXPECT_EQ(test::ErrorOf([&] { EditReport(f.Report); }),
              QStringLiteral("Error accessing library function QXActivate"));
    // Nothing of either attempt is left in the runtime folder.
    EXPECT_TRUE(QDir(stub.RuntimeFolder()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
    EXPECT_EQ(f.Report->GetPaperCount(), 2);
}

TEST(ReportBridge, TheDesignerFolderIsBinaryPathOnlyWhenAbsolute)
{
    TCoreStub stub;
    EXPECT_EQ(DesignerFolder(), stub.Folder());
    for (const std::optional<QString>& value :
         {std::optional<QString>(QStringLiteral("relative/bin")), std::optional<QString>(QString()),
          std::optional<QString>()}) {
        TCoreStub::SetBinaryPath(value);
        // Beside the package.
        EXPECT_TRUE(QFile::exists(DesignerFolder() + QStringLiteral("/libqxide4.so")));
    }
}

} // namespace
} // namespace ide::tests
