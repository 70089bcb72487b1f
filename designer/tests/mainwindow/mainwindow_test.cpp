// The designer as its library entry runs it: the main window shown
// modally, driven with mouse and keys while the responder holds it open.

#include "designer/elements/band.h"
#include "designer/document/designinstances.h"
#include "designer/document/document.h"
#include "designer/elements/label.h"
#include "designer/mainwindow/mainwindow.h"
#include "designer/controls/marker.h"
#include "designer/document/page.h"
#include "designer/document/paper.h"
#include "designer/controls/palettebutton.h"
#include "designer/mainwindow/qxactivate.h"
#include "designer/controls/ruler.h"

#include "designer-framework/designregistry.h"
#include "designer-framework/alignpalette.h"
#include "designer-framework/inspectorwindow.h"

#include "classlib/controls/application.h"
#include "classlib/controls/coolbar.h"
#include "classlib/controls/menus.h"
#include "classlib/tests/tempconfig.h"
#include "classlib/controls/modalresponder.h"
#include "classlib/controls/screen.h"
#include "classlib/controls/scrollbox.h"
#include "classlib/controls/pagecontrol.h"
#include "classlib/controls/statusbar.h"
#include "classlib/controls/toolbar.h"
#include "classlib/controls/xoroverlay.h"
#include "classlib/graphics/canvas.h"

#include <QApplication>
#include <QCoreApplication>
#include <QCursor>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace designer::tests {
namespace {

using namespace classlib;

void Settle()
{
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
}

// Runs the designer; Body sees the shown window with its document opened.
// Script answers the dialogs that Body causes.
void RunDesigner(const std::function<void(TfrmMain&, TModalScript&)>& Body, const char* FileName = nullptr,
                 bool Embedded = false, const std::function<void(TModalScript&)>& AfterStart = {})
{
    // Settings are read at start and written at close: never the user's.
    classlib::test::TTempConfig config;
    TModalScript script;
    bool ran = false;
    script.Then([&](TModalRequest& Request) {
        auto* main = dynamic_cast<TfrmMain*>(Request.Form);
        EXPECT_NE(main, nullptr);
        if (!main) return mrCancel;
        Settle();
        ran = true;
        Body(*main, script);
        return mrOk;
    });
    if (AfterStart) AfterStart(script);
    QXActivate(FileName, Embedded ? 1 : 0, 0);
    EXPECT_TRUE(ran);
    EXPECT_EQ(script.Unexpected(), 0);
}

int PaletteClassCount()
{
    return designer_framework::DesignerPages().GetPage(0)->Count();
}

TPaletteButton* PaletteButton(TfrmMain& Main, const QString& ShortName)
{
    for (int i = 0; i < Main.tbrComponents->ButtonCount(); ++i) {
        auto* button = dynamic_cast<TPaletteButton*>(Main.tbrComponents->Buttons(i));
        if (button && button->Hint().startsWith(ShortName + QLatin1Char('|'))) return button;
    }
    return nullptr;
}

void Click(TControl* Control, int X, int Y, Qt::KeyboardModifiers Keys = {})
{
    QTest::mouseClick(Control->Widget(), Qt::LeftButton, Keys, QPoint(X, Y));
    Settle();
}

QString PanelText(TfrmMain& Main, int Index)
{
    return Main.sbrBottom->Panels()->Items(Index)->Text();
}

TEST(MainWindow, StartsWithAnUntitledReportThePaletteAndTheStatusPanels)
{
    RunDesigner([](TfrmMain& Main, TModalScript&) {
        EXPECT_EQ(Main.Caption(), QStringLiteral("Tessary - Untitled"));
        EXPECT_EQ(Application()->Title(), QStringLiteral("Tessary"));
        EXPECT_EQ(Application()->MainForm(), &Main);
        // The arrow, a divider, then one button per placeable class.
        ASSERT_EQ(Main.tbrComponents->ButtonCount(), 2 + PaletteClassCount());
        EXPECT_EQ(Main.tbrComponents->Buttons(0), Main.tbnComponent);
        EXPECT_TRUE(Main.tbnComponent->Down());
        for (const char* name : {"Panel", "Band", "Label", "Shape", "PaintBox"}) {
            TPaletteButton* button = PaletteButton(Main, QString::fromLatin1(name));
            ASSERT_NE(button, nullptr) << name;
            EXPECT_EQ(button->Hint(), QString::fromLatin1(name) + "|Allows to insert this component at the page");
            EXPECT_EQ(button->ImageIndex(), button->Index() - 1);
        }
        // "&Component": a numbered item per class, then "More Components...".
        ASSERT_EQ(Main.mmiComponent->Count(), PaletteClassCount() + 1);
        EXPECT_EQ(Main.mmiComponent->Items(1)->Caption(), QStringLiteral("&2 Band"));
        EXPECT_EQ(Main.mmiComponent->Items(PaletteClassCount()), Main.mmiMoreComponents);
        EXPECT_FALSE(Main.mmiMoreComponents->Enabled());
        EXPECT_EQ(PanelText(Main, 1), QStringLiteral("Page1"));
        EXPECT_EQ(PanelText(Main, 2), QStringLiteral("100%"));
        EXPECT_EQ(Main.sbrBottom->Panels()->Items(0)->Width(), Main.sbrBottom->Width() - 190);
        EXPECT_EQ(Main.sbrBottom->Height(), Main.sbrBottom->MeasureCanvas().TextHeight(QStringLiteral("Wg")) + 6);
        EXPECT_TRUE(Main.mmiZoom100->Checked());
        EXPECT_TRUE(Main.pmiZoom[2]->Checked());
        // The events page of the inspector is hidden.
        EXPECT_FALSE(Main.InspectorWindow()->TabEvent->TabVisible());
        // The tool windows' marks follow their windows, shown or not.
        Main.mmiView->Click();
        const bool shown = Main.InspectorWindow()->Showing();
        EXPECT_EQ(Main.mmiInspector->Checked(), shown);
        Main.mmiInspector->Click();
        EXPECT_NE(Main.InspectorWindow()->Showing(), shown);
        EXPECT_EQ(Main.mmiInspector->Checked(), !shown);
    });
}

TEST(MainWindow, BandThenAClickOnThePageInsertsBand1AtTheTopAndALabelGoesIntoIt)
{
    RunDesigner([](TfrmMain& Main, TModalScript&) {
        ASSERT_NE(PageWindow, nullptr);
        Click(PaletteButton(Main, QStringLiteral("Band")), 8, 8);
        EXPECT_EQ(Main.InsertClass, &TQXBand::StaticClass());
        EXPECT_FALSE(Main.tbnComponent->Down());
        Click(PageWindow, 60, 40);
        auto* band = dynamic_cast<TQXBand*>(PageWindow->FindComponent(QStringLiteral("Band1")));
        ASSERT_NE(band, nullptr);
        EXPECT_EQ(band->Top(), 0);
        // One insertion, then back to the arrow.
        EXPECT_EQ(Main.InsertClass, nullptr);
        EXPECT_TRUE(Main.tbnComponent->Down());
        EXPECT_FALSE(PaletteButton(Main, QStringLiteral("Band"))->Down());

        Click(PaletteButton(Main, QStringLiteral("Label")), 8, 8);
        // Where a person clicks: the band's own window.
        Click(band, 20, band->Height() / 2);
        auto* label = dynamic_cast<TQXLabel*>(PageWindow->FindComponent(QStringLiteral("Label1")));
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->Parent(), band);
        EXPECT_EQ(label->Left(), 20);
        EXPECT_TRUE(Document->GetModified());
    }, nullptr);
}

// A person clicks an element and types: the menu's keys still work, and
// the page keeps its own.
TEST(MainWindow, MenuKeysWorkWhileAnElementOnThePageHasTheKeys)
{
    RunDesigner([](TfrmMain& Main, TModalScript&) {
        Main.mmiComponent->Items(1)->Click();
        auto* band = dynamic_cast<TQXBand*>(PageWindow->FindComponent(QStringLiteral("Band1")));
        ASSERT_NE(band, nullptr);
        Click(band, 20, 5);
        QWidget* keys = QApplication::focusWidget();
        ASSERT_NE(keys, nullptr);
        ASSERT_NE(keys->window(), Main.InspectorWindow()->Widget());
        const bool shown = Main.InspectorWindow()->Showing();
        QTest::keyClick(keys, Qt::Key_F11);
        EXPECT_NE(Main.InspectorWindow()->Showing(), shown);
        // Shift+Down is the page's: the band grows by a pixel.
        const int height = band->Height();
        QTest::keyClick(keys, Qt::Key_Down, Qt::ShiftModifier);
        EXPECT_EQ(band->Height(), height + 1);
    }, nullptr);
}

TEST(MainWindow, ShiftClickKeepsThePaletteButtonDownAcrossInsertions)
{
    RunDesigner([](TfrmMain& Main, TModalScript&) {
        TPaletteButton* button = PaletteButton(Main, QStringLiteral("Band"));
        Click(button, 8, 8, Qt::ShiftModifier);
        EXPECT_TRUE(Main.StickyInsert);
        EXPECT_TRUE(button->Down());
        EXPECT_TRUE(button->Sticky());
        Click(PageWindow, 60, 10);
        Click(PageWindow, 60, PageWindow->Height() - 10);
        EXPECT_NE(PageWindow->FindComponent(QStringLiteral("Band1")), nullptr);
        EXPECT_NE(PageWindow->FindComponent(QStringLiteral("Band2")), nullptr);
        EXPECT_TRUE(button->Down());
        EXPECT_EQ(Main.InsertClass, &TQXBand::StaticClass());
        // The arrow ends it.
        Click(Main.tbnComponent, 8, 8);
        EXPECT_FALSE(Main.StickyInsert);
        EXPECT_FALSE(button->Down());
        EXPECT_EQ(Main.InsertClass, nullptr);
    });
}

TEST(MainWindow, TheComponentMenuInsertsAtThePageOrigin)
{
    RunDesigner([](TfrmMain& Main, TModalScript&) {
        Main.mmiComponent->Items(1)->Click();
        Settle();
        EXPECT_NE(PageWindow->FindComponent(QStringLiteral("Band1")), nullptr);
        EXPECT_EQ(Main.InsertClass, nullptr);
        // The item that stands for no class does nothing.
        Main.mmiMoreComponents->Click();
        EXPECT_EQ(PageWindow->FindComponent(QStringLiteral("Band2")), nullptr);
    });
}

TEST(MainWindow, ZoomStepsAndThePercentageItems)
{
    RunDesigner([](TfrmMain& Main, TModalScript&) {
        auto checked = [&Main] {
            int n = 0;
            for (TMenuItem* item : {Main.mmiZoom200, Main.mmiZoom150, Main.mmiZoom100, Main.mmiZoom75, Main.mmiZoom50,
                                    Main.pmiZoom[0], Main.pmiZoom[1], Main.pmiZoom[2], Main.pmiZoom[3], Main.pmiZoom[4]})
                n += item->Checked() ? 1 : 0;
            return n;
        };
        Click(Main.tbnZoomIn, 6, 8);
        Main.mmiZoomIn->Click();
        EXPECT_EQ(PanelText(Main, 2), QStringLiteral("156%"));
        EXPECT_EQ(checked(), 0);
        const int wide = PageWindow->Width();
        struct {
            TMenuItem* Item;
            const char* Text;
            TMenuItem* Twin;
        } const cases[] = {
            {Main.mmiZoom75, "75%", Main.pmiZoom[3]},
            {Main.pmiZoom[0], "200%", Main.mmiZoom200},
            {Main.mmiZoom100, "100%", Main.pmiZoom[2]},
        };
        for (const auto& c : cases) {
            c.Item->Click();
            EXPECT_EQ(PanelText(Main, 2), QString::fromLatin1(c.Text));
            EXPECT_TRUE(c.Item->Checked()) << c.Text;
            EXPECT_TRUE(c.Twin->Checked()) << c.Text;
            EXPECT_EQ(checked(), 2) << c.Text;
        }
        EXPECT_LT(PageWindow->Width(), wide);
        Main.mmiZoomOut->Click();
        EXPECT_EQ(PanelText(Main, 2), QStringLiteral("80%"));
        // 50 % in: 62.5 shows as its even neighbour.
        Main.mmiZoom50->Click();
        Main.mmiZoomIn->Click();
        EXPECT_EQ(PanelText(Main, 2), QStringLiteral("62%"));
        Main.mmiZoom100->Click();
        // The rulers count 5 mm steps at the new scale.
        EXPECT_NEAR(Main.TopRuler->Step(), Main.LeftRuler->Step(), 1e-9);
    });
}

TEST(MainWindow, ViewOptionsShowAndHideBarsRulersAndStatusBar)
{
    RunDesigner([](TfrmMain& Main, TModalScript&) {
        Main.mmiPalette->Click();
        EXPECT_EQ(Main.tbrComponents->Tag(), 1);
        EXPECT_TRUE(Main.cbrMain->Visible());
        EXPECT_FALSE(Main.cbrMain->Bands()->Items(1)->Visible());
        Main.pmiStandard->Click();
        EXPECT_FALSE(Main.cbrMain->Visible());
        EXPECT_FALSE(Main.pmiStandard->Checked());
        Main.mmiStandard->Click();
        EXPECT_TRUE(Main.cbrMain->Visible());
        EXPECT_TRUE(Main.cbrMain->Bands()->Items(0)->Visible());
        EXPECT_FALSE(Main.cbrMain->Bands()->Items(1)->Visible());

        Main.mmiRuler->Click();
        EXPECT_FALSE(Main.TopRuler->Visible());
        EXPECT_FALSE(Main.LeftRuler->Visible());
        Main.mnuToolbars->OnPopup(Main.mnuToolbars);
        EXPECT_FALSE(Main.pmiRuler->Checked());
        Main.pmiRuler->Click();
        EXPECT_TRUE(Main.TopRuler->Visible());

        Main.pmiStatusbar->Click();
        EXPECT_FALSE(Main.sbrBottom->Visible());
        EXPECT_FALSE(Main.mmiStatusbar->Checked());
    });
}

TEST(MainWindow, ThePaperIsCentredAndTheRulersFollowIt)
{
    RunDesigner([](TfrmMain& Main, TModalScript&) {
        Main.mmiZoom50->Click();
        Main.PaperLayout();
        Settle();
        // Smaller than the scroll area: centred.
        const int mid = Main.TopLeftMarker->Left() + (Main.sbrPaper->ClientWidth() - PaperWindow->Width()) / 2;
        EXPECT_EQ(PaperWindow->Left(), std::max(mid, Main.TopLeftMarker->Left() + 5));
        EXPECT_EQ(Main.BottomRightMarker->Left(), PaperWindow->Left() + PaperWindow->Width());
        EXPECT_EQ(Main.BottomRightMarker->Top(), PaperWindow->Top() + PaperWindow->Height());
        EXPECT_EQ(PageWindow->Left(), PaperWindow->Left() + PaperWindow->MarginPixels(0));
        EXPECT_EQ(Main.TopRuler->ScaleEnd() - Main.TopRuler->ScaleStart(), PaperWindow->Width());
        EXPECT_EQ(Main.TopRuler->WindowEnd() - Main.TopRuler->WindowStart(), PageWindow->Width());
        EXPECT_EQ(Main.LeftRuler->WindowEnd() - Main.LeftRuler->WindowStart(), PageWindow->Height());
        // Larger: 5 pixels in from the marker.
        Main.mmiZoom200->Click();
        Main.PaperLayout();
        EXPECT_EQ(PaperWindow->Top(), Main.TopLeftMarker->Top() + 5);
    });
}

TEST(MainWindow, EmbeddedOffersOnlySaveCopyAndReturn)
{
    QTemporaryDir dir;
    const QByteArray file = QFile::encodeName(dir.filePath(QStringLiteral("report.qxf")));
    RunDesigner([](TfrmMain& Main, TModalScript&) {
        EXPECT_TRUE(Main.Embedded);
        EXPECT_EQ(Main.Caption(), QStringLiteral("Tessary"));
        for (TMenuItem* item : {Main.mmiNew, Main.mmiOpen, Main.mmiSave, Main.mmiSaveAs, Main.mmiClose}) {
            EXPECT_FALSE(item->Visible()) << item->Name().toStdString();
            EXPECT_FALSE(item->Enabled()) << item->Name().toStdString();
        }
        EXPECT_TRUE(Main.mmiSaveCopy->Visible());
        EXPECT_TRUE(Main.mmiReturn->Visible());
        for (TToolButton* button : {Main.tbnNew, Main.tbnOpen, Main.tbnSave, Main.tbnModes})
            EXPECT_FALSE(button->Visible());
    }, file.constData(), true);
    // Nothing changed: no file.
    EXPECT_FALSE(QFile::exists(QFile::decodeName(file)));

    // Embedded without a file name is the normal designer.
    RunDesigner([](TfrmMain& Main, TModalScript&) {
        EXPECT_FALSE(Main.Embedded);
        EXPECT_EQ(Main.Caption(), QStringLiteral("Tessary - Untitled"));
        EXPECT_TRUE(Main.mmiNew->Visible());
    }, nullptr, true);
}

// The file the designer is started on opens, in both modes; embedded, the
// keys of the hidden file commands do nothing.
TEST(MainWindow, TheFileItIsStartedOnOpens)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("orders.qxf"));
    RunDesigner([&](TfrmMain& Main, TModalScript& Script) {
        Main.mmiComponent->Items(1)->Click();
        Script.ChooseFile(path);
        Main.mmiSaveCopy->Click();
    });
    ASSERT_TRUE(QFile::exists(path));
    const QByteArray file = QFile::encodeName(path);
    RunDesigner([](TfrmMain& Main, TModalScript&) {
        EXPECT_EQ(Main.Caption(), QStringLiteral("Tessary - orders"));
        EXPECT_NE(PageWindow->FindComponent(QStringLiteral("Band1")), nullptr);
        EXPECT_FALSE(Document->GetModified());
    }, file.constData());
    RunDesigner([](TfrmMain& Main, TModalScript&) {
        EXPECT_EQ(Main.Caption(), QStringLiteral("Tessary"));
        EXPECT_NE(PageWindow->FindComponent(QStringLiteral("Band1")), nullptr);
        for (Qt::Key key : {Qt::Key_N, Qt::Key_O, Qt::Key_S}) QTest::keyClick(Main.Widget(), key, Qt::ControlModifier);
        Settle();
        // No dialog was asked for and the document is the same.
        EXPECT_NE(PageWindow->FindComponent(QStringLiteral("Band1")), nullptr);
        EXPECT_FALSE(Document->GetModified());
    }, file.constData(), true);
}

TEST(MainWindow, ClosingAChangedEmbeddedDocumentAsks)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("report.qxf"));
    const QByteArray file = QFile::encodeName(path);
    struct {
        TModalResult Answer;
        bool Closed;
        bool FileAfter;
    } const cases[] = {{mrCancel, false, false}, {mrYes, true, true}, {mrNo, true, false}};
    for (const auto& c : cases) {
        RunDesigner([&](TfrmMain& Main, TModalScript& Script) {
            Main.mmiComponent->Items(1)->Click();
            ASSERT_TRUE(Document->GetModified());
            Script.Answer(c.Answer);
            EXPECT_EQ(Main.CloseQuery(), c.Closed);
            EXPECT_EQ(Script.Requests().back().Text, QStringLiteral("Do you want to save changes?"));
            EXPECT_EQ(QFile::exists(path), c.FileAfter) << c.Answer;
        }, file.constData(), true);
    }
}

TEST(MainWindow, AnUnopenableFileIsShownAndTheDesignerStaysUp)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("broken.qxf"));
    QFile broken(path);
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a report");
    broken.close();
    const QByteArray file = QFile::encodeName(path);
    RunDesigner([](TfrmMain& Main, TModalScript&) {
        EXPECT_EQ(Main.Caption(), QStringLiteral("Tessary - Untitled"));
        EXPECT_NE(PageWindow, nullptr);
    }, file.constData(), false, [](TModalScript& Script) { Script.Answer(mrOk); });
}

TEST(MainWindow, ItsHandlersAndTheCallersApplicationStateComeBack)
{
    auto* callerMain = new TForm(nullptr);
    Application()->SetMainForm(callerMain);
    Application()->SetTitle(QStringLiteral("Host"));
    bool hinted = false;
    TNotifyEvent oldHint = Application()->OnHint;
    struct THintSink : TObject {
        bool* Flag;
        void Hint(TObject*) { *Flag = true; }
    };
    TMethodInfo info;
    info.Name = QStringLiteral("Hint");
    info.Signature = SignatureOf<TObject*>();
    info.Invoker = std::make_shared<const std::function<void(TObject*, TObject*)>>(
        [](TObject* Self, TObject* Sender) { static_cast<THintSink*>(Self)->Hint(Sender); });
    THintSink sink;
    sink.Flag = &hinted;
    Application()->OnHint = TMethod{&info, &sink};
    bool excepted = false;
    auto oldException = Application()->OnException;
    Application()->OnException = [&excepted](TObject*, const Exception&) { excepted = true; };

    RunDesigner([&](TfrmMain&, TModalScript&) {
        EXPECT_EQ(Application()->Title(), QStringLiteral("Tessary"));
    });
    EXPECT_EQ(Application()->MainForm(), callerMain);
    EXPECT_EQ(Application()->Title(), QStringLiteral("Host"));
    EXPECT_EQ(Document, nullptr);
    EXPECT_EQ(PageWindow, nullptr);
    Application()->OnHint(Application());
    EXPECT_TRUE(hinted);
    ASSERT_TRUE(bool(Application()->OnException));
    Application()->OnException(nullptr, Exception(QStringLiteral("x")));
    EXPECT_TRUE(excepted);

    Application()->OnHint = oldHint;
    Application()->OnException = oldException;
    Application()->SetMainForm(nullptr);
    delete callerMain;
}

TEST(MainWindow, ASecondStartLooksAndWorksLikeTheFirst)
{
    int forms[2] = {};
    for (int run = 0; run < 2; ++run) {
        RunDesigner([&](TfrmMain& Main, TModalScript&) {
            forms[run] = Screen()->FormCount();
            EXPECT_EQ(Main.tbrComponents->ButtonCount(), 2 + PaletteClassCount());
            EXPECT_EQ(Main.mmiComponent->Count(), PaletteClassCount() + 1);
            EXPECT_EQ(Main.Caption(), QStringLiteral("Tessary - Untitled"));
            Click(PaletteButton(Main, QStringLiteral("Band")), 8, 8);
            Click(PageWindow, 60, 20);
            EXPECT_NE(PageWindow->FindComponent(QStringLiteral("Band1")), nullptr);
        });
    }
    EXPECT_EQ(forms[0], forms[1]);
}

TEST(MainWindow, TheHintPanelShowsTheLongHintOfTheActiveWindow)
{
    RunDesigner([](TfrmMain& Main, TModalScript&) {
        Main.SetFocus();
        Settle();
        if (Screen()->ActiveForm() != &Main) GTEST_SKIP() << "the platform activates no window";
        QCursor::setPos(Main.ClientToScreen(TPoint{100, 100}).X, Main.ClientToScreen(TPoint{100, 100}).Y);
        Application()->SetHint(QStringLiteral("Selection|Toggles selection mode"));
        EXPECT_EQ(PanelText(Main, 0), QStringLiteral("Toggles selection mode"));
        Application()->SetHint(QStringLiteral("Opens Help"));
        EXPECT_EQ(PanelText(Main, 0), QStringLiteral("Opens Help"));
    });
}

TEST(MainWindow, TheHintPanelTakesWhatThePageAndZoomPanelsLeave)
{
    RunDesigner([](TfrmMain& Main, TModalScript&) {
        for (int width : {900, 640}) {
            Main.SetBounds(Main.Left(), Main.Top(), width, 500);
            Settle();
            EXPECT_EQ(Main.sbrBottom->Panels()->Items(0)->Width(), Main.sbrBottom->Width() - 190) << width;
        }
    });
}

TEST(MainWindow, OnlyPageFormsKeepTheirNamesWhenTheActiveFormChanges)
{
    RunDesigner([](TfrmMain& Main, TModalScript&) {
        Screen()->OnActiveFormChange(Screen());
        EXPECT_TRUE(Main.Name().isEmpty());
        EXPECT_TRUE(Main.InspectorWindow()->Name().isEmpty());
        EXPECT_TRUE(Main.AlignWindow()->Name().isEmpty());
        EXPECT_EQ(PageWindow->Name(), QStringLiteral("Page1"));
        // The hint routine still finds the bar by its name.
        EXPECT_EQ(Main.FindComponent(QStringLiteral("sbrBottom")), Main.sbrBottom);
    });
}

TEST(MainWindow, ARulerMarkerDrawsALineAcrossThePaperAreaWhileItIsShown)
{
    RunDesigner([](TfrmMain& Main, TModalScript&) {
        TXorOverlay* overlay = TXorOverlay::Of(&Main);
        ASSERT_NE(overlay, nullptr);
        const int before = overlay->ShapeCount();
        for (TQXRuler* ruler : {Main.TopRuler, Main.LeftRuler}) {
            const int along = (ruler->WindowStart() + ruler->WindowEnd()) / 2;
            const QPoint at = ruler == Main.TopRuler ? QPoint(along, 10) : QPoint(10, along);
            QTest::mousePress(ruler->Widget(), Qt::LeftButton, {}, at);
            Settle();
            EXPECT_TRUE(ruler->Marking());
            EXPECT_EQ(overlay->ShapeCount(), before + 1);
            QTest::mouseRelease(ruler->Widget(), Qt::LeftButton, {}, at);
            Settle();
            // The same line drawn again takes it away.
            EXPECT_EQ(overlay->ShapeCount(), before);
        }
    });
}

TEST(MainWindow, NeverSmallerThan200By200)
{
    RunDesigner([](TfrmMain& Main, TModalScript&) {
        Main.SetBounds(Main.Left(), Main.Top(), 50, 60);
        EXPECT_EQ(Main.Width(), 200);
        EXPECT_EQ(Main.Height(), 200);
    });
}

} // namespace
} // namespace designer::tests
