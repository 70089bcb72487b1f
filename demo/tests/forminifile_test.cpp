#include "demo/forminifile.h"
#include "demo/tests/pagetexts.h"
#include "demo/textbutton.h"

#include "runtime/preview.h"
#include "runtime/report.h"

#include "classlib/controls/application.h"
#include "classlib/controls/modalresponder.h"
#include "classlib/controls/speedbutton.h"
#include "classlib/core/stringlist.h"
#include "classlib/graphics/metafile.h"
#include "classlib/system/printers.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace classlib;
using namespace runtime;

namespace demo {
namespace {

// The demo data read by key, not by position: what the report must show.
struct TExpected {
    QStringList Countries;
    QList<QStringList> Producers;  // per country
};

QList<QHash<QString, QString>> Sections(const QString& FileName)
{
    QFile f(FileName);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly | QIODevice::Text)) << FileName.toStdString();
    QList<QHash<QString, QString>> r;
    for (const QString& line : QString::fromLatin1(f.readAll()).split(QLatin1Char('\n'))) {
        const QString l = line.trimmed();
        if (l.startsWith(QLatin1Char('[')))
            r.append(QHash<QString, QString>());
        else if (!r.isEmpty() && l.contains(QLatin1Char('=')))
            r.last().insert(l.section(QLatin1Char('='), 0, 0), l.section(QLatin1Char('='), 1));
    }
    return r;
}

TExpected Expected(const QDir& Dir)
{
    TExpected e;
    for (const auto& s : Sections(Dir.filePath(QStringLiteral("countries.ini")))) e.Countries << s.value(QStringLiteral("Name"));
    e.Producers.resize(e.Countries.size());
    for (const auto& s : Sections(Dir.filePath(QStringLiteral("producers.ini")))) {
        bool ok = false;
        const QString c = s.value(QStringLiteral("Country"));
        const int n = c.toInt(&ok);
        if (ok && QString::number(n) == c && n >= 0 && n < e.Countries.size())
            e.Producers[n] << s.value(QStringLiteral("Name"));
    }
    return e;
}

class FormINIFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(Dir.isValid());
        Old = QDir::currentPath();
        for (const char* name : {"countries.ini", "producers.ini"})
            ASSERT_TRUE(QFile::copy(QStringLiteral(QX_DEMO_DATA "/") + QLatin1String(name), Dir.filePath(QLatin1String(name))));
        QDir::setCurrent(Dir.path());
        Application()->OnException = [this](TObject*, const Exception& E) { Errors << E.Message; };
        Form = std::make_unique<TFormINIFile>(nullptr);
        Form->Show();
    }
    void TearDown() override
    {
        Form.reset();
        Application()->OnException = nullptr;
        QDir::setCurrent(Old);
    }

    void Click(TControl* Button) { QTest::mouseClick(Button->Widget(), Qt::LeftButton); }

    // Every page's texts one after the other.
    QStringList AllTexts() const
    {
        QStringList r;
        for (int i = 0; i < Form->ReportINIFile->PageCount(); ++i) r << MetafileTexts(*Form->ReportINIFile->GetPage(i));
        return r;
    }

    QTemporaryDir Dir;
    QString Old;
    QStringList Errors;
    std::unique_ptr<TFormINIFile> Form;
};

TEST_F(FormINIFileTest, TheStoredFormGivesTheWindowAndTheReport)
{
    EXPECT_EQ(Form->Caption(), QStringLiteral("Demo program for Tessary"));
    EXPECT_EQ(Form->BoundsRect(), Bounds(205, 100, 552, 424));
    ASSERT_NE(Form->ReportINIFile, nullptr);
    EXPECT_EQ(Form->ReportINIFile->Name(), QStringLiteral("ReportINIFile"));
    EXPECT_TRUE(Form->ReportINIFile->IsLoaded());
    EXPECT_EQ(Form->ReportINIFile->GetPaperCount(), 1);
    EXPECT_EQ(Form->ReportINIFile->Events()->Count(), 8);
    EXPECT_EQ(Form->Preview->Report(), Form->ReportINIFile);
    EXPECT_EQ(Form->Preview->PageCount(), 0);
    // The preview fills the window below the 24-pixel tool bar.
    EXPECT_EQ(Form->Preview->BoundsRect(), Bounds(0, 24, 552, 400));
    EXPECT_EQ(Form->ButtonPreview->Caption(), QStringLiteral("Make preview"));
    EXPECT_EQ(Form->ToolButtonPrev->Widget()->toolTip(), QStringLiteral("Previous"));
}

TEST_F(FormINIFileTest, MakePreviewShowsEveryCountryWithItsProducers)
{
    Click(Form->ButtonPreview);
    ASSERT_TRUE(Errors.isEmpty()) << Errors.join(QLatin1Char('\n')).toStdString();
    const int pages = Form->ReportINIFile->PageCount();
    ASSERT_GE(pages, 2);
    EXPECT_EQ(Form->Preview->PageCount(), pages);

    const TExpected e = Expected(Dir.path());
    ASSERT_GE(e.Countries.size(), 2);
    // The first page starts with the first country and its producers.
    const QStringList first = MetafileTexts(*Form->ReportINIFile->GetPage(0));
    QStringList start = QStringList{e.Countries[0]} + e.Producers[0];
    EXPECT_EQ(first.mid(0, start.size()), start);

    // The whole report: each country once, a row continued on the next page
    // under the same name, each producer once under its country.
    QStringList all = AllTexts(), flat;
    for (int c = 0; c < e.Countries.size(); ++c) flat << e.Countries[c] << e.Producers[c];
    // A continued row repeats its country's name: counted once.
    QStringList dedup;
    QString country;
    for (const QString& t : all) {
        if (e.Countries.contains(t)) {
            if (t == country) continue;
            country = t;
        }
        dedup << t;
    }
    EXPECT_EQ(dedup.join(QLatin1Char('|')), flat.join(QLatin1Char('|')));
    EXPECT_FALSE(all.contains(QStringLiteral("Bodegas Lost Label")));
}

TEST_F(FormINIFileTest, ACountryRowContinuedOnTheNextPageKeepsItsName)
{
    Click(Form->ButtonPreview);
    const TExpected e = Expected(Dir.path());
    int continued = 0;
    QString last;  // the last country of the page before
    for (int p = 0; p < Form->ReportINIFile->PageCount(); ++p) {
        const QStringList texts = MetafileTexts(*Form->ReportINIFile->GetPage(p));
        ASSERT_FALSE(texts.isEmpty());
        if (p > 0) {
            // A page starts with a row: a new country, or the one before
            // continued under its own name.
            const int before = int(e.Countries.indexOf(last));
            if (texts[0] == last) {
                ASSERT_GT(texts.size(), 1);
                EXPECT_TRUE(e.Producers[before].contains(texts[1])) << "page " << p;
                ++continued;
            } else {
                EXPECT_EQ(texts[0], e.Countries.value(before + 1)) << "page " << p;
            }
        }
        for (const QString& t : texts)
            if (e.Countries.contains(t)) last = t;
    }
    // The demo data has a country longer than a page.
    EXPECT_GE(continued, 1);
}

TEST_F(FormINIFileTest, MakePreviewTwiceGivesTheSamePages)
{
    Click(Form->ButtonPreview);
    const QStringList once = AllTexts();
    Click(Form->ButtonPreview);
    EXPECT_EQ(AllTexts(), once);
}

TEST_F(FormINIFileTest, ToolBarMovesThroughThePagesAndZooms)
{
    Click(Form->ButtonPreview);
    const int pages = Form->ReportINIFile->PageCount();
    ASSERT_GE(pages, 3);
    TQXPreview* p = Form->Preview;
    EXPECT_EQ(p->CurrentPage(), 0);
    Click(Form->ToolButtonNext);
    EXPECT_EQ(p->CurrentPage(), 1);
    Click(Form->ToolButtonLast);
    EXPECT_EQ(p->CurrentPage(), pages - 1);
    Click(Form->ToolButtonPrev);
    EXPECT_EQ(p->CurrentPage(), pages - 2);
    Click(Form->ToolButtonFirst);
    EXPECT_EQ(p->CurrentPage(), 0);

    struct {
        TSpeedButton* Button;
        double Zoom;
    } steps[] = {{Form->ToolButtonZoomIn, 1.5}, {Form->ToolButtonZoomIn, 2.0}, {Form->ToolButtonZoomOut, 1.5},
                 {Form->ToolButtonZoomOut, 1.0}, {Form->ToolButtonZoomOut, 0.5},
                 // Never down to 0.
                 {Form->ToolButtonZoomOut, 0.5}};
    for (const auto& s : steps) {
        Click(s.Button);
        EXPECT_DOUBLE_EQ(p->Zoom(), s.Zoom);
    }
}

TEST_F(FormINIFileTest, PrintWritesEveryPage)
{
    auto* printer = new TPrinter;
    const QString pdf = Dir.filePath(QStringLiteral("report.pdf"));
    printer->SetOutputFileName(pdf);
    TPrinter* old = SetPrinter(printer);
    Click(Form->ButtonPreview);
    Click(Form->ToolButtonPrint);
    delete SetPrinter(old);
    EXPECT_TRUE(Errors.isEmpty()) << Errors.join(QLatin1Char('\n')).toStdString();
    ASSERT_TRUE(QFile::exists(pdf));
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {pdf});
    if (!info.waitForFinished(10000) || info.exitCode() != 0) GTEST_SKIP() << "pdfinfo is not available";
    const auto m = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(QString::fromLatin1(info.readAllStandardOutput()));
    ASSERT_TRUE(m.hasMatch());
    EXPECT_EQ(m.captured(1).toInt(), Form->ReportINIFile->PageCount());
}

// Where no printer is installed the print button asks for a PDF file and
// writes every page there; before the report ran there is nothing to ask.
TEST_F(FormINIFileTest, WithoutAPrinterPrintAsksForAPDFFile)
{
    auto* printer = new TPrinter;
    TPrinter* old = SetPrinter(printer);
    if (printer->Printers().Count() > 0) {
        delete SetPrinter(old);
        GTEST_SKIP() << "a printer is installed here";
    }
    const QString pdf = Dir.filePath(QStringLiteral("asked.pdf"));
    TModalScript script;
    Click(Form->ToolButtonPrint);
    EXPECT_TRUE(script.Requests().empty());
    Click(Form->ButtonPreview);
    script.ConfirmPrint(0, 0, pdf);
    Click(Form->ToolButtonPrint);
    delete SetPrinter(old);
    EXPECT_TRUE(Errors.isEmpty()) << Errors.join(QLatin1Char('\n')).toStdString();
    ASSERT_EQ(script.Requests().size(), 1u);
    EXPECT_EQ(script.Requests()[0].Kind, TModalKind::Print);
    EXPECT_EQ(script.Requests()[0].Text, QStringLiteral("No printer is installed."));
    EXPECT_EQ(script.Unexpected(), 0);
    ASSERT_TRUE(QFile::exists(pdf));
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {pdf});
    if (!info.waitForFinished(10000) || info.exitCode() != 0) GTEST_SKIP() << "pdfinfo is not available";
    const auto m = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(QString::fromLatin1(info.readAllStandardOutput()));
    ASSERT_TRUE(m.hasMatch());
    EXPECT_EQ(m.captured(1).toInt(), Form->ReportINIFile->PageCount());
}

TEST_F(FormINIFileTest, AMissingFileIsReportedAndLeavesNoPages)
{
    for (const char* missing : {"countries.ini", "producers.ini"}) {
        SCOPED_TRACE(missing);
        for (const char* name : {"countries.ini", "producers.ini"})
            QFile::copy(QStringLiteral(QX_DEMO_DATA "/") + QLatin1String(name), Dir.filePath(QLatin1String(name)));
        Click(Form->ButtonPreview);
        ASSERT_GT(Form->Preview->PageCount(), 0);
        Errors.clear();
        ASSERT_TRUE(QFile::remove(Dir.filePath(QLatin1String(missing))));
        Click(Form->ButtonPreview);
        EXPECT_EQ(Errors, QStringList{QStringLiteral("Cannot open file ") + Dir.filePath(QLatin1String(missing))});
        EXPECT_EQ(Form->ReportINIFile->PageCount(), 0);
        EXPECT_EQ(Form->Preview->PageCount(), 0);
        EXPECT_FALSE(Form->ReportINIFile->IsRunning());
        // Printing nothing is no error.
        Click(Form->ToolButtonPrint);
        EXPECT_EQ(Errors.size(), 1);
    }
}

TEST_F(FormINIFileTest, AnIncompleteLastProducerIsIgnored)
{
    QFile f(Dir.filePath(QStringLiteral("producers.ini")));
    ASSERT_TRUE(f.open(QIODevice::Append));
    f.write("[ProducerHalf]\r\nName=Half Record\r\n");
    f.close();
    Click(Form->ButtonPreview);
    EXPECT_TRUE(Errors.isEmpty());
    EXPECT_FALSE(AllTexts().contains(QStringLiteral("Half Record")));
    EXPECT_GT(Form->ReportINIFile->PageCount(), 0);
}

} // namespace
} // namespace demo
