// The main window's document, recent-file, page-list and edit commands,
// driven through keys and menus with the responder answering dialogs.

#include "designer/elements/band.h"
#include "designer/dialogs/colorschemeform.h"
#include "designer/document/designinstances.h"
#include "designer/document/designstate.h"
#include "designer/document/document.h"
#include "designer/mainwindow/mainwindow.h"
#include "designer/document/page.h"
#include "designer/document/pagedesigner.h"
#include "designer/document/paper.h"
#include "designer/preview/previewwindow.h"
#include "designer/manager/printorderform.h"
#include "designer/controls/itemselector.h"
#include "designer/manager/reportmanager.h"
#include "designer/elements/shape.h"

#include "designer-framework/inspectorgrid.h"
#include "designer-framework/inspectorwindow.h"
#include "runtime/report.h"
#include "designer/mainwindow/qxactivate.h"

#include "classlib/controls/application.h"
#include "classlib/core/atomicsave.h"
#include "classlib/controls/button.h"
#include "classlib/controls/checkbox.h"
#include "classlib/controls/listbox.h"
#include "classlib/controls/speedbutton.h"
#include "classlib/controls/menus.h"
#include "classlib/tests/controls/handlers.h"
#include "classlib/tests/tempconfig.h"
#include "classlib/controls/modalresponder.h"
#include "classlib/controls/pagecontrol.h"
#include "classlib/core/stringlist.h"
#include "classlib/graphics/canvas.h"
#include "classlib/controls/statusbar.h"
#include "classlib/controls/toolbar.h"
#include "classlib/controls/treeview.h"
#include "classlib/system/printers.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace designer::tests {
namespace {

using namespace classlib;

void Settle()
{
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
}

void RunDesigner(const std::function<void(TfrmMain&, TModalScript&)>& Body)
{
    // Settings are read at start and written at close: never the user's.
    classlib::test::TTempConfig config;
    TModalScript script;
    script.Then([&](TModalRequest& Request) {
        auto* main = dynamic_cast<TfrmMain*>(Request.Form);
        EXPECT_NE(main, nullptr);
        if (!main) return mrCancel;
        Settle();
        Body(*main, script);
        return mrOk;
    });
    QXActivate(nullptr, 0, 0);
    EXPECT_EQ(script.Unexpected(), 0);
}

QByteArray FileBytes(const QString& Path)
{
    QFile file(Path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList Captions(TMenuItem* Parent)
{
    QStringList list;
    for (int i = 0; i < Parent->Count(); ++i) list << Parent->Items(i)->Caption();
    return list;
}

TEST(MainCommands, CtrlSAsksForANameAndTheRecentListShowsIt)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sales.qxf"));
    RunDesigner([&](TfrmMain& Main, TModalScript& Script) {
        Main.mmiComponent->Items(1)->Click();
        Script.ChooseFile(path);
        QTest::keyClick(Main.Widget(), Qt::Key_S, Qt::ControlModifier);
        Settle();
        ASSERT_EQ(Script.Pending(), 0);
        EXPECT_EQ(Script.Requests().back().Caption, QStringLiteral("Save Untitled As"));
        EXPECT_TRUE(QFile::exists(path));
        EXPECT_EQ(Main.Caption(), QStringLiteral("Tessary - sales"));
        ASSERT_EQ(Main.Recent.Count(), 1);
        EXPECT_EQ(Main.Recent.Get(0), path);
        EXPECT_TRUE(Main.mmiRecentBottom->Visible());
        const int top = Main.mmiFile->IndexOf(Main.mmiRecentTop);
        EXPECT_EQ(Main.mmiFile->Items(top + 1)->Caption(), QStringLiteral("&1 ") + path);
        EXPECT_EQ(Captions(Main.mnuOpen->Root()), QStringList{path});

        // New, then back through the recent list: the same document.
        ASSERT_FALSE(FileBytes(path).isEmpty());
        Main.mmiNew->Click();
        EXPECT_EQ(Main.Caption(), QStringLiteral("Tessary - Untitled"));
        Main.mnuOpen->Items(0)->Click();
        EXPECT_EQ(Main.Caption(), QStringLiteral("Tessary - sales"));
        EXPECT_NE(PageWindow->FindComponent(QStringLiteral("Band1")), nullptr);
        Main.mmiSave->Click();
        EXPECT_FALSE(Document->GetModified());
        const QByteArray reopened = FileBytes(path);
        Main.mnuOpen->Items(0)->Click();
        Main.mmiSave->Click();
        EXPECT_EQ(FileBytes(path), reopened);
        EXPECT_EQ(Main.Recent.Count(), 1);
    });
    // What the designer saved, the runtime runs: the band makes a page.
    runtime::TQXReport report(nullptr);
    report.LoadFromFile(path);
    report.DesignPrepare();
    EXPECT_EQ(report.PageCount(), 1);
}

TEST(MainCommands, OpenTakesTheChosenFileAndOnlyAnOpenedOneIsRecent)
{
    QTemporaryDir dir;
    const QString good = dir.filePath(QStringLiteral("good.qxf"));
    const QString bad = dir.filePath(QStringLiteral("bad.qxf"));
    QFile text(bad);
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("not a report");
    text.close();
    RunDesigner([&](TfrmMain& Main, TModalScript& Script) {
        Main.mmiComponent->Items(1)->Click();
        Script.ChooseFile(good);
        Main.mmiSaveCopy->Click();
    });
    RunDesigner([&](TfrmMain& Main, TModalScript& Script) {
        // Cancelled: nothing happens.
        Script.Answer(mrCancel);
        Main.mmiOpenClick(nullptr);
        EXPECT_EQ(Main.Caption(), QStringLiteral("Tessary - Untitled"));
        // A file that is no report: shown, and the list stays as it was.
        Script.ChooseFile(bad).Answer(mrOk);
        QTest::keyClick(Main.Widget(), Qt::Key_O, Qt::ControlModifier);
        Settle();
        EXPECT_EQ(Script.Requests().back().Kind, TModalKind::Message);
        EXPECT_EQ(Main.Caption(), QStringLiteral("Tessary - Untitled"));
        EXPECT_EQ(Main.Recent.Count(), 0);
        Script.ChooseFile(good);
        QTest::keyClick(Main.Widget(), Qt::Key_O, Qt::ControlModifier);
        Settle();
        EXPECT_EQ(Main.Caption(), QStringLiteral("Tessary - good"));
        ASSERT_EQ(Main.Recent.Count(), 1);
        EXPECT_EQ(Main.Recent.Get(0), good);
        EXPECT_NE(PageWindow->FindComponent(QStringLiteral("Band1")), nullptr);
    });
}

TEST(MainCommands, SaveCopyLeavesTheDocumentAsItWas)
{
    QTemporaryDir dir;
    const QString copy = dir.filePath(QStringLiteral("copy.qxf"));
    RunDesigner([&](TfrmMain& Main, TModalScript& Script) {
        Main.mmiComponent->Items(1)->Click();
        Script.ChooseFile(copy);
        Main.mmiSaveCopy->Click();
        EXPECT_EQ(Script.Requests().back().Caption, QStringLiteral("Save Copy As"));
        EXPECT_TRUE(QFile::exists(copy));
        EXPECT_TRUE(Document->IsNew);
        EXPECT_TRUE(Document->GetModified());
        EXPECT_EQ(Main.Caption(), QStringLiteral("Tessary - Untitled"));
        EXPECT_EQ(Main.Recent.Count(), 0);
        // Cancelled: a silent abort, nothing written.
        Script.Answer(mrCancel);
        QFile::remove(copy);
        Main.mmiSaveCopy->Click();
        EXPECT_FALSE(QFile::exists(copy));
    });
}

TEST(MainCommands, AFailedSaveIsShownAndKeepsTheNameAndTheChanges)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sales.qxf"));
    const QString other = dir.filePath(QStringLiteral("other.qxf"));
    RunDesigner([&](TfrmMain& Main, TModalScript& Script) {
        Main.mmiComponent->Items(1)->Click();
        Script.ChooseFile(path);
        QTest::keyClick(Main.Widget(), Qt::Key_S, Qt::ControlModifier);
        Settle();
        const QByteArray saved = FileBytes(path);
        ASSERT_FALSE(saved.isEmpty());
        Main.mmiComponent->Items(1)->Click();
        ASSERT_TRUE(Document->GetModified());
        // The disk is full just before the last byte.
        TSaveFaultScope fault({TSaveStage::Write, saved.size() - 1, ENOSPC});
        // Shown as a sentence, with its full stop.
        const QString full = QStringLiteral(": No space left on device.");
        Script.Answer(mrOk);
        QTest::keyClick(Main.Widget(), Qt::Key_S, Qt::ControlModifier);
        Settle();
        ASSERT_EQ(Script.Pending(), 0);
        EXPECT_EQ(Script.Requests().back().Kind, TModalKind::Message);
        EXPECT_EQ(Script.Requests().back().Text.toStdString(),
                  (QStringLiteral("Stream write error in file ") + path + full).toStdString());
        Script.ChooseFile(other).Answer(mrOk);
        Main.mmiSaveAs->Click();
        Settle();
        ASSERT_EQ(Script.Pending(), 0);
        EXPECT_EQ(Script.Requests().back().Text.toStdString(),
                  (QStringLiteral("Stream write error in file ") + other + full).toStdString());
        EXPECT_EQ(FileBytes(path), saved);
        EXPECT_FALSE(QFile::exists(other));
        EXPECT_EQ(Document->FileName, path);
        EXPECT_TRUE(Document->GetModified());
        EXPECT_EQ(Main.Caption(), QStringLiteral("Tessary - sales"));
        EXPECT_EQ(Main.Recent.Count(), 1);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                  QStringList{QStringLiteral("sales.qxf")});
    });
}

TEST(MainCommands, TheRecentListKeepsFiveAndShowsFour)
{
    QTemporaryDir dir;
    RunDesigner([&](TfrmMain& Main, TModalScript&) {
        for (int i = 1; i <= 6; ++i) Main.AddRecent(dir.filePath(QStringLiteral("r%1.qxf").arg(i)));
        EXPECT_EQ(Main.Recent.Count(), 5);
        EXPECT_EQ(Main.Recent.Get(0), dir.filePath(QStringLiteral("r6.qxf")));
        EXPECT_EQ(Main.mnuOpen->Count(), 4);
        const int top = Main.mmiFile->IndexOf(Main.mmiRecentTop);
        EXPECT_EQ(Main.mmiFile->IndexOf(Main.mmiRecentBottom), top + 5);
        // Another case of a listed name moves it up.
        Main.AddRecent(dir.filePath(QStringLiteral("R3.QXF")));
        EXPECT_EQ(Main.Recent.Count(), 5);
        EXPECT_EQ(Main.Recent.Get(0), dir.filePath(QStringLiteral("R3.QXF")));
        EXPECT_EQ(Main.Recent.Get(4), dir.filePath(QStringLiteral("r2.qxf")));
    });
}

TEST(MainCommands, ACancelledSaveDialogLeavesTheDocumentUnsaved)
{
    RunDesigner([&](TfrmMain& Main, TModalScript& Script) {
        Main.mmiComponent->Items(1)->Click();
        Script.Answer(mrCancel);
        Main.mmiSave->Click();
        EXPECT_TRUE(Document->GetModified());
        EXPECT_TRUE(Document->IsNew);
        // Closing asks; Cancel keeps the window.
        Script.Answer(mrCancel);
        EXPECT_FALSE(Main.CloseQuery());
        EXPECT_EQ(Script.Requests().back().Text, QStringLiteral("Do you want to save changes to Untitled?"));
        Script.Answer(mrNo);
        EXPECT_TRUE(Main.CloseQuery());
    });
}

TEST(MainCommands, EditCommandsFollowTheSelection)
{
    RunDesigner([&](TfrmMain& Main, TModalScript& Script) {
        struct {
            int Selected;
            bool Cut;
            bool PrintOrder;
        } const cases[] = {{0, false, true}, {1, true, true}, {2, true, false}};
        for (const auto& c : cases) {
            std::vector<TComponent*> bands;
            for (int i = 0; i < c.Selected; ++i) {
                // Side by side on the page, not one inside the other.
                PageWindow->ClearSelection();
                bands.push_back(PageWindow->CreateComponent(TQXBand::StaticClass(), TPoint{10, 10 + 40 * i}));
            }
            PageWindow->ClearSelection();
            for (TComponent* band : bands) PageWindow->AddToSelection(band);
            Main.mmiEdit->Click();
            Main.mnuPaper->OnPopup(Main.mnuPaper);
            for (const char* prefix : {"mmi", "pmi"}) {
                auto item = [&](const char* Name) {
                    return static_cast<TMenuItem*>(Main.FindComponent(QString::fromLatin1(prefix) + Name));
                };
                EXPECT_EQ(item("Cut")->Enabled(), c.Cut) << prefix << c.Selected;
                EXPECT_EQ(item("Delete")->Enabled(), c.Cut) << prefix << c.Selected;
                EXPECT_EQ(item("PrintOrder")->Enabled(), c.PrintOrder) << prefix << c.Selected;
                EXPECT_TRUE(item("Paste")->Enabled());
            }
        }
        // Delete asks; No keeps the selection.
        const bool confirm = ConfirmDelete;
        ConfirmDelete = true;
        const int count = PageWindow->SelectionCount();
        Script.Answer(mrNo);
        Main.mmiDelete->Click();
        EXPECT_EQ(Script.Requests().back().Text,
                  QStringLiteral("Are you sure you want to delete selected item(s)?"));
        EXPECT_EQ(PageWindow->SelectionCount(), count);

        // The main window hands its keys to the page first.
        ConfirmDelete = false;
        QTest::keyClick(Main.Widget(), Qt::Key_Delete);
        Settle();
        EXPECT_EQ(PageWindow->SelectionCount(), 0);
        EXPECT_EQ(PageWindow->FindComponent(QStringLiteral("Band3")), nullptr);
        EXPECT_NE(PageWindow->FindComponent(QStringLiteral("Band1")), nullptr);
        ConfirmDelete = confirm;
    });
}

TEST(MainCommands, PaperPropertiesSwitchesTheInspectorBetweenPaperAndPage)
{
    RunDesigner([&](TfrmMain& Main, TModalScript&) {
        for (int round = 0; round < 2; ++round) {
            Main.mmiPaper->Click();
            EXPECT_EQ(Main.InspectorWindow()->ActiveSurface(), PaperWindow) << round;
            Main.mmiEdit->Click();
            EXPECT_TRUE(Main.mmiPaper->Checked());
            Main.mmiPaper->Click();
            EXPECT_EQ(Main.InspectorWindow()->ActiveSurface(), PageWindow) << round;
            Main.mmiEdit->Click();
            EXPECT_FALSE(Main.mmiPaper->Checked());
        }
    });
}

TEST(MainCommands, ThePageListShowsElevenPagesAndThenMore)
{
    RunDesigner([&](TfrmMain& Main, TModalScript&) {
        for (int pages : {11, 12}) {
            while (Document->GetPageCount() < pages) Document->AddPage();
            Document->SetCurrentPage(2);
            Main.mmiPage->Click();
            const int listed = Main.mmiPage->IndexOf(Main.mmiPageBottom);
            EXPECT_EQ(listed, 11) << pages;
            EXPECT_EQ(Main.mmiMorePages->Enabled(), pages > 11);
            Main.mnuPages->OnPopup(Main.mnuPages);
            EXPECT_EQ(Main.mnuPages->Count(), 11);
            EXPECT_EQ(Main.mmiPage->Items(0)->Caption(), QStringLiteral("&1 ") + Document->GetPageName(0));
            EXPECT_TRUE(Main.mmiPage->Items(Document->CurrentPage())->Checked());
        }
        Main.mnuPages->Items(0)->Click();
        EXPECT_EQ(Document->CurrentPage(), 0);
        EXPECT_EQ(Main.sbrBottom->Panels()->Items(1)->Text(), Document->GetPageName(0));
    });
}

TEST(MainCommandsPages, NewPageRenameAndDeleteKeepTheOrderInStep)
{
    RunDesigner([&](TfrmMain& Main, TModalScript& Script) {
        Main.mmiNewPage->Click();
        EXPECT_EQ(Document->GetPageCount(), 2);
        EXPECT_EQ(PageWindow->Name(), QStringLiteral("Page2"));
        EXPECT_EQ(Document->PageOrder(), QStringLiteral("p  -1Page1\r\np  -1Page2\r\n"));
        PageWindow->SetName(QStringLiteral(" Totals "));
        EXPECT_EQ(Document->PageOrder(), QStringLiteral("p  -1Page1\r\np  -1Totals\r\n"));
        Script.Answer(mrNo);
        Main.mmiDeletePage->Click();
        EXPECT_EQ(Document->GetPageCount(), 2);
        Script.Answer(mrYes);
        Main.mmiDeletePage->Click();
        EXPECT_EQ(Document->GetPageCount(), 1);
        EXPECT_EQ(Document->PageOrder(), QStringLiteral("p  -1Page1\r\n"));
        EXPECT_EQ(PageWindow->Name(), QStringLiteral("Page1"));
        // The last page stays, with the document's own message.
        Script.Answer(mrYes);
        try {
            Main.mmiDeletePage->Click();
            ADD_FAILURE() << "the last page went";
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message, QStringLiteral("Report should contain at least one page"));
        }
        EXPECT_EQ(Document->GetPageCount(), 1);
    });
}

} // namespace
} // namespace designer::tests

namespace designer::tests {
namespace {

TEST(MainCommands, PrintOrderFromTheMenuOrThePopUpAndOnlyOKModifies)
{
    RunDesigner([](TfrmMain& Main, TModalScript& Script) {
        auto* lower = static_cast<TQXControl*>(PageWindow->CreateComponent(TQXShape::StaticClass(), TPoint{10, 200}));
        PageWindow->ClearSelection();
        auto* upper = static_cast<TQXControl*>(PageWindow->CreateComponent(TQXShape::StaticClass(), TPoint{10, 20}));
        Document->SetModified(false);
        // The two change places, then the dialog closes with Button.
        auto swapAndClose = [](TButton* TfrmPrintOrder::*Button) {
            return [Button](TModalRequest& Request) {
                auto* form = dynamic_cast<TfrmPrintOrder*>(Request.Form);
                EXPECT_EQ(form->lbxControls->Count(), 2);
                QTest::mouseClick(form->btnDown->Widget(), Qt::LeftButton);
                QTest::mouseClick((form->*Button)->Widget(), Qt::LeftButton);
                return mrNone;
            };
        };
        // One selected: the page, its parent.
        Script.Then(swapAndClose(&TfrmPrintOrder::btnCancel));
        Main.mmiPrintOrder->Click();
        EXPECT_FALSE(Document->GetModified());
        EXPECT_EQ(upper->PrintOrder(), 0);
        Script.Then(swapAndClose(&TfrmPrintOrder::btnOk));
        static_cast<TMenuItem*>(Main.FindComponent(QStringLiteral("pmiPrintOrder")))->Click();
        EXPECT_TRUE(Document->GetModified());
        EXPECT_EQ(lower->PrintOrder(), 1);
        EXPECT_EQ(upper->PrintOrder(), 2);
    });
}

TEST(MainCommands, OptionsRefreshThePageOnlyWhenTakenWithOK)
{
    RunDesigner([](TfrmMain& Main, TModalScript& Script) {
        int refreshed = 0;
        classlib::testing::Bind(PageDesigner->OnRefresh, [&](TObject*) { ++refreshed; });
        auto untickGrid = [](TModalResult Result) {
            return [Result](TModalRequest& Request) {
                auto* grid = Request.Form
                                 ? dynamic_cast<TCheckBox*>(Request.Form->FindComponent(QStringLiteral("chkShowGrid")))
                                 : nullptr;
                EXPECT_NE(grid, nullptr);
                if (grid) grid->SetChecked(false);
                return Result;
            };
        };
        const bool grid = ShowGrid;
        Script.Then(untickGrid(mrCancel));
        Main.mmiOptions->Click();
        EXPECT_EQ(refreshed, 0);
        EXPECT_EQ(ShowGrid, grid);
        Script.Then(untickGrid(mrOk));
        Main.mmiOptions->Click();
        EXPECT_EQ(refreshed, 1);
        EXPECT_FALSE(ShowGrid);
        ShowGrid = grid;
    });
}

TEST(MainCommands, PreviewShowsTheEditedPagesAndPrintsThem)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
    TPrinter* old = SetPrinter(new TPrinter);
    Printer()->SetOutputFileName(pdf);
    RunDesigner([&](TfrmMain& Main, TModalScript& Script) {
        ASSERT_NE(Preview, nullptr);
        EXPECT_FALSE(Preview->Showing());
        EXPECT_FALSE(Main.mmiPreview->Checked());
        // An edit marks the pages out of date, shown or not.
        Main.mmiComponent->Items(1)->Click();
        EXPECT_TRUE(Preview->OutOfDate());
        QTest::keyClick(Main.Widget(), Qt::Key_F5);
        Settle();
        EXPECT_TRUE(Preview->Showing());
        Main.mmiView->Click();
        EXPECT_TRUE(Main.mmiPreview->Checked());
        EXPECT_FALSE(Preview->OutOfDate());
        EXPECT_EQ(Preview->QXReport->PageCount(), 1);

        // Without the option the pages wait for a refresh; with it they follow.
        const int pages = Document->AddPage();
        Document->SetPageOrder(Document->PageOrder() + QStringLiteral("\r\np  -1") + Document->GetPageName(pages));
        Main.mmiComponent->Items(1)->Click();
        EXPECT_TRUE(Preview->OutOfDate());
        EXPECT_EQ(Preview->QXReport->PageCount(), 1);
        AutoPreview = true;
        Main.mmiComponent->Items(1)->Click();
        AutoPreview = false;
        EXPECT_FALSE(Preview->OutOfDate());
        EXPECT_EQ(Preview->QXReport->PageCount(), 2);

        Script.ConfirmPrint();
        Main.tbnPrint->Click();
        EXPECT_TRUE(QFile::exists(pdf));
        ASSERT_EQ(Script.Requests().back().Kind, TModalKind::Print);
        EXPECT_EQ(Script.Requests().back().MaxPage, 2);

        // The command shows a hidden window again, and the check follows.
        Preview->Close();
        Main.mmiView->Click();
        EXPECT_FALSE(Main.mmiPreview->Checked());
        Main.tbnPreview->Click();
        EXPECT_TRUE(Preview->Showing());
        EXPECT_TRUE(Main.mmiPreview->Checked());
    });
    delete SetPrinter(old);
}

} // namespace
} // namespace designer::tests

namespace designer::tests {
namespace {

TEST(MainCommands, TheReportManagerFollowsTheDocument)
{
    RunDesigner([](TfrmMain& Main, TModalScript& Script) {
        ASSERT_NE(Manager, nullptr);
        EXPECT_FALSE(Manager->Showing());
        Main.mmiReportMan->Click();
        EXPECT_TRUE(Manager->Showing());
        Main.mmiView->Click();
        EXPECT_TRUE(Main.mmiReportMan->Checked());
        // New Page from the main window goes through the manager.
        Main.mmiNewPage->Click();
        EXPECT_EQ(Manager->tvwPages->Items()->RootCount(), 2);
        EXPECT_EQ(Manager->islPages->ItemCount(), 2);
        EXPECT_EQ(Manager->islPages->ItemIndex(), 1);
        // Opening a design from the manager opens that page here.
        Manager->islPages->SetItemIndex(0);
        Manager->pmiEdit->Click();
        EXPECT_EQ(Document->CurrentPage(), 0);
        EXPECT_EQ(PageWindow->Name(), QStringLiteral("Page1"));
        // The thumbnails take the paper's proportions.
        EXPECT_EQ(Manager->islPages->ItemHeight(), 100);
        EXPECT_LT(Manager->islPages->ItemWidth(), 100);
        // A new document reloads the tree.
        Script.Answer(mrNo);
        Main.mmiNew->Click();
        EXPECT_EQ(Manager->tvwPages->Items()->RootCount(), 1);
    });
}

// What each thumbnail caption of the manager shows: the text it was last
// drawn with, recorded around the manager's own drawing.
class TShownCaptions {
public:
    explicit TShownCaptions(TfrmPages& Pages) : FPages(Pages), FOriginal(Pages.islPages->OnDrawCaption)
    {
        classlib::testing::Bind(Pages.islPages->OnDrawCaption,
                                [this](TObject* Sender, int Item, TCanvas* Canvas, TRect R, bool Selected) {
                                    FOriginal(Sender, Item, Canvas, R, Selected);
                                    FShown[Item] = QStringLiteral("%1. %2").arg(Item + 1).arg(
                                        Item < Document->GetPageCount() ? Document->GetPageName(Item) : QString());
                                });
        // Everything is drawn once more with the recorder in place.
        for (int i = 0; i < Pages.islPages->SlotCount(); ++i) Pages.islPages->Slots(i)->Caption()->Invalidate();
    }
    ~TShownCaptions() { FPages.islPages->OnDrawCaption = FOriginal; }
    QStringList Shown() const
    {
        Settle();
        QStringList texts;
        for (int i = 0; i < FPages.islPages->ItemCount(); ++i) texts << FShown.value(i);
        return texts;
    }

private:
    TfrmPages& FPages;
    TPaintItemEvent FOriginal;
    QMap<int, QString> FShown;
};

TEST(MainCommands, ThePagesNewNamesShowInTheManagerTheStatusBarAndTheInspector)
{
    RunDesigner([](TfrmMain& Main, TModalScript& Script) {
        Main.mmiReportMan->Click();
        Main.mmiNewPage->Click();
        Main.mmiNewPage->Click();
        TShownCaptions captions(*Manager);
        Manager->islPages->SetItemIndex(0);
        Manager->pmiEdit->Click();
        ASSERT_EQ(Document->CurrentPage(), 0);
        EXPECT_EQ(captions.Shown(), (QStringList{"1. Page1", "2. Page2", "3. Page3"}));

        // The open first page goes: every design after it has a new number.
        Script.Answer(mrYes);
        Main.mmiDeletePage->Click();
        ASSERT_EQ(Document->GetPageCount(), 2);
        EXPECT_EQ(captions.Shown(), (QStringList{"1. Page2", "2. Page3"}));

        // The current page renamed in the inspector.
        designer_framework::TfrmInspector* inspector = Main.InspectorWindow();
        inspector->pgcInspector->SetActivePage(inspector->tabAll);
        inspector->pgcInspectorChange(inspector);
        ASSERT_NE(inspector->ActiveRows(), nullptr);
        const int row = inspector->ActiveRows()->IndexOf(QStringLiteral("Name"));
        ASSERT_GE(row, 0);
        inspector->ActiveGrid()->SetRow(row);
        const QString old = Document->GetPageName(Document->CurrentPage());
        inspector->edtValue->SelectAll();
        QTest::keyClicks(inspector->edtValue->Widget(), QStringLiteral("Totals"));
        QTest::keyClick(inspector->edtValue->Widget(), Qt::Key_Return);
        ASSERT_EQ(PageWindow->Name(), QStringLiteral("Totals"));
        EXPECT_EQ(Main.sbrBottom->Panels()->Items(1)->Text(), QStringLiteral("Totals"));
        TStrings* chooser = inspector->cmbControl->Items();
        EXPECT_GE(chooser->IndexOf(QStringLiteral("Totals")), 0);
        EXPECT_LT(chooser->IndexOf(old), 0);
        EXPECT_EQ(chooser->Get(inspector->cmbControl->ItemIndex()), QStringLiteral("Totals"));
        QStringList expected{"1. Page2", "2. Page3"};
        expected[Document->CurrentPage()] = QStringLiteral("%1. Totals").arg(Document->CurrentPage() + 1);
        EXPECT_EQ(captions.Shown(), expected);
    });
}

TEST(MainCommands, PageColorSchemeIsDisabledButItsCommandShowsTheDialog)
{
    RunDesigner([&](TfrmMain& Main, TModalScript& Script) {
        EXPECT_FALSE(Main.mmiScheme->Enabled());
        bool shown = false;
        Script.Then([&](TModalRequest& Request) {
            shown = dynamic_cast<TfrmColorScheme*>(Request.Form) != nullptr;
            EXPECT_EQ(Request.Form->Owner(), Application());
            return mrCancel;
        });
        Main.mmiSchemeClick(nullptr);
        EXPECT_TRUE(shown);
        EXPECT_EQ(Script.Pending(), 0);
    });
}

} // namespace
} // namespace designer::tests
