// Page controls: which page shows, how the user changes it (tab clicks,
// accelerators, Ctrl+Tab), what is asked and told, and pages that go.

#include "classlib/controls/form.h"
#include "classlib/controls/pagecontrol.h"
#include "classlib/core/classbuilder.h"

#include <QStringList>
#include <QTest>

#include <gtest/gtest.h>

namespace classlib {
namespace {

class TPagesForm : public TForm {
    QX_CLASS(TPagesForm, TForm)
public:
    using TForm::TForm;
    void PagesChanging(TObject*, bool& AllowChange)
    {
        Log << QStringLiteral("changing from ") + Pages->ActivePage()->Caption();
        AllowChange = Allow;
    }
    void PagesChange(TObject*) { Log << QStringLiteral("change to ") + Pages->ActivePage()->Caption(); }

    TPageControl* Pages = nullptr;
    QStringList Log;
    bool Allow = true;
};

} // namespace

const TClassInfo& TPagesForm::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TPagesForm>("TPagesForm")
        .Method("PagesChanging", &TPagesForm::PagesChanging)
        .Method("PagesChange", &TPagesForm::PagesChange)
        .Build();
    return info;
}

namespace {

class TKeyControl : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    QList<unsigned> Keys;  // other than the modifiers themselves

protected:
    void KeyDown(unsigned& Key, TShiftState Shift) override
    {
        if (Key != VK_SHIFT && Key != VK_CONTROL && Key != VK_MENU)
            Keys << Key;
        TCustomControl::KeyDown(Key, Shift);
    }
};

// The inspector's pages: "&General", "&Event", "&All properties", each
// holding a control that can take keys.
struct TInspectorPages {
    TPagesForm Form{nullptr};
    TPageControl* Pages = new TPageControl(&Form);
    TTabSheet* General = AddPage("&General");
    TTabSheet* Event = AddPage("&Event");
    TTabSheet* All = AddPage("&All properties");
    TKeyControl* Outside = new TKeyControl(&Form);

    TInspectorPages()
    {
        Form.Pages = Pages;
        Form.SetBounds(0, 0, 300, 300);
        Pages->SetBounds(2, 24, 195, 232);
        Pages->SetParent(&Form);
        Outside->SetBounds(200, 0, 50, 20);
        Outside->SetParent(&Form);
        Pages->OnChanging = TMethod{TPagesForm::StaticClass().FindMethod(u"PagesChanging"), &Form};
        Pages->OnChange = TMethod{TPagesForm::StaticClass().FindMethod(u"PagesChange"), &Form};
        Form.Show();
    }
    TTabSheet* AddPage(const char* Caption)
    {
        auto* page = new TTabSheet(&Form);
        page->SetCaption(QLatin1String(Caption));
        page->SetPageControl(Pages);
        auto* grid = new TKeyControl(&Form);
        grid->SetBounds(0, 0, 50, 50);
        grid->SetParent(page);
        return page;
    }
    static TKeyControl* Grid(TTabSheet* Page) { return static_cast<TKeyControl*>(Page->Controls(0)); }
    void ClickTab(TTabSheet* Page)
    {
        const TRect r = Pages->TabRect(Page->TabIndex());
        QTest::mouseClick(Pages->Widget(), Qt::LeftButton, Qt::NoModifier,
                          QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2));
    }
};

TEST(PageControl, TheFirstPageShowsAndOnlyTheActivePageIsVisible)
{
    TInspectorPages p;
    EXPECT_EQ(p.Pages->PageCount(), 3);
    EXPECT_EQ(p.Pages->ActivePage(), p.General);
    EXPECT_EQ(p.Pages->ActivePageIndex(), 0);
    for (TTabSheet* page : {p.General, p.Event, p.All})
        EXPECT_EQ(page->Visible(), page == p.General) << page->Caption().toStdString();
    // Every page fills the area inside the frame, also after a resize.
    const TRect d = p.Pages->DisplayRect();
    EXPECT_GT(d.Top, p.Pages->TabRect(0).Bottom);
    EXPECT_EQ(p.All->BoundsRect(), d);
    p.Pages->SetBounds(2, 24, 250, 300);
    EXPECT_EQ(p.All->Width(), p.Pages->DisplayRect().Width());
    EXPECT_EQ(p.All->Height(), p.Pages->DisplayRect().Height());
    EXPECT_EQ(p.All->Height(), 300 - p.Pages->DisplayRect().Top - 4);

    p.Pages->SetActivePageIndex(2);
    EXPECT_EQ(p.Pages->ActivePage(), p.All);
    EXPECT_TRUE(p.All->Visible());
    EXPECT_FALSE(p.General->Visible());
    p.Pages->SetActivePageIndex(7);
    EXPECT_EQ(p.Pages->ActivePage(), nullptr);
    EXPECT_TRUE(p.Form.Log.isEmpty());  // code asks and tells nothing

    // A sheet of another page control is refused.
    TPageControl other(nullptr);
    auto* stranger = new TTabSheet(&other);
    stranger->SetPageControl(&other);
    p.Pages->SetActivePage(stranger);
    EXPECT_EQ(p.Pages->ActivePage(), nullptr);
}

TEST(PageControl, HiddenTabsAreSkippedAndHidingTheActiveTabMovesOn)
{
    TInspectorPages p;
    p.Event->SetTabVisible(false);
    EXPECT_EQ(p.Event->TabIndex(), -1);
    EXPECT_EQ(p.All->TabIndex(), 1);
    EXPECT_EQ(p.Event->PageIndex(), 1);
    EXPECT_EQ(p.Pages->ActivePage(), p.General);
    // The tab of "&All properties" now stands right after "&General".
    EXPECT_EQ(p.Pages->TabRect(1).Left, p.Pages->TabRect(0).Right);
    EXPECT_EQ(p.Pages->IndexOfTabAt(p.Pages->TabRect(1).Left + 1, p.Pages->TabRect(1).Top + 1), 1);
    EXPECT_EQ(p.Pages->IndexOfTabAt(p.Pages->TabRect(1).Right + 5, p.Pages->TabRect(1).Top + 1), -1);

    p.General->SetTabVisible(false);  // the tab that takes its place becomes active
    EXPECT_EQ(p.Pages->ActivePage(), p.All);
    EXPECT_TRUE(p.All->Visible());
    EXPECT_FALSE(p.General->Visible());
    p.All->SetTabVisible(false);
    EXPECT_EQ(p.Pages->ActivePage(), nullptr);
    p.Event->SetTabVisible(true);  // a tab again: a page to show
    EXPECT_EQ(p.Pages->ActivePage(), p.Event);
    EXPECT_TRUE(p.Form.Log.isEmpty());
}

TEST(PageControl, ClickingATabAsksThenChangesThenTells)
{
    struct {
        const char* Name;
        bool Allow;
        bool ClickActive;
        const char* ActiveAfter;
        QStringList Log;
    } cases[] = {
        {"allowed", true, false, "&All properties",
         {QStringLiteral("changing from &General"), QStringLiteral("change to &All properties")}},
        {"refused", false, false, "&General", {QStringLiteral("changing from &General")}},
        {"the active tab", true, true, "&General", {}},
    };
    for (const auto& c : cases) {
        TInspectorPages p;
        p.Form.Allow = c.Allow;
        p.ClickTab(c.ClickActive ? p.General : p.All);
        EXPECT_EQ(p.Pages->ActivePage()->Caption(), QLatin1String(c.ActiveAfter)) << c.Name;
        EXPECT_EQ(p.Form.Log, c.Log) << c.Name;
    }
}

TEST(PageControl, AltAndATabsAcceleratorChangesThePageFromAnyControl)
{
    struct {
        const char* Name;
        Qt::Key Key;
        bool HideEvent;
        const char* ActiveAfter;
        bool Taken;
    } cases[] = {
        {"Alt+A", Qt::Key_A, false, "&All properties", true},
        {"Alt+E", Qt::Key_E, false, "&Event", true},
        {"a hidden tab's accelerator", Qt::Key_E, true, "&General", false},
        {"the active page's own", Qt::Key_G, false, "&General", true},
        {"no tab has it", Qt::Key_P, false, "&General", false},
    };
    for (const auto& c : cases) {
        TInspectorPages p;
        p.Event->SetTabVisible(!c.HideEvent);
        QTest::keyClick(p.Outside->Widget(), c.Key, Qt::AltModifier);
        EXPECT_EQ(p.Pages->ActivePage()->Caption(), QLatin1String(c.ActiveAfter)) << c.Name;
        EXPECT_EQ(p.Outside->Keys.isEmpty(), c.Taken) << c.Name;
    }
    // Without Alt the letter is the control's.
    TInspectorPages p;
    QTest::keyClick(p.Outside->Widget(), Qt::Key_A);
    EXPECT_EQ(p.Pages->ActivePage(), p.General);
    EXPECT_EQ(p.Outside->Keys, QList<unsigned>{'A'});
    // A disabled page control takes no accelerator.
    p.Pages->SetEnabled(false);
    QTest::keyClick(p.Outside->Widget(), Qt::Key_A, Qt::AltModifier);
    EXPECT_EQ(p.Pages->ActivePage(), p.General);
}

TEST(PageControl, CtrlTabStepsThroughTheShownTabsWhileTheFocusIsInside)
{
    TInspectorPages p;
    p.Event->SetTabVisible(false);
    QTest::keyClick(TInspectorPages::Grid(p.General)->Widget(), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(p.Pages->ActivePage(), p.All);
    QTest::keyClick(TInspectorPages::Grid(p.All)->Widget(), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(p.Pages->ActivePage(), p.General);  // round again
    QTest::keyClick(TInspectorPages::Grid(p.General)->Widget(), Qt::Key_Backtab,
                    Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(p.Pages->ActivePage(), p.All);
    EXPECT_EQ(p.Form.Log.size(), 6);
    EXPECT_TRUE(TInspectorPages::Grid(p.General)->Keys.isEmpty());

    // From outside the page control Ctrl+Tab is the control's.
    QTest::keyClick(p.Outside->Widget(), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(p.Pages->ActivePage(), p.All);
    EXPECT_EQ(p.Outside->Keys, QList<unsigned>{VK_TAB});
}

TEST(PageControl, FindNextPageWrapsAndSkipsHiddenTabs)
{
    TInspectorPages p;
    p.Event->SetTabVisible(false);
    struct {
        const char* Name;
        TTabSheet* From;
        bool Forward, CheckTabVisible;
        TTabSheet* Expected;
    } cases[] = {
        {"forward, skipping", p.General, true, true, p.All},
        {"forward, not skipping", p.General, true, false, p.Event},
        {"forward from the last", p.All, true, true, p.General},
        {"backward from the first", p.General, false, true, p.All},
        {"backward from a hidden one", p.Event, false, true, p.General},
        {"forward from none", nullptr, true, true, p.General},
        {"backward from none", nullptr, false, true, p.All},
    };
    for (const auto& c : cases)
        EXPECT_EQ(p.Pages->FindNextPage(c.From, c.Forward, c.CheckTabVisible), c.Expected) << c.Name;

    p.General->SetTabVisible(false);
    p.All->SetTabVisible(false);
    EXPECT_EQ(p.Pages->FindNextPage(p.General, true, true), nullptr);
    TPageControl empty(nullptr);
    EXPECT_EQ(empty.FindNextPage(nullptr, true, true), nullptr);
    p.Pages->SelectNextPage(true);  // nothing to select
    EXPECT_TRUE(p.Form.Log.isEmpty());
}

TEST(PageControl, PagesMoveLeaveAndGoWithoutLeavingTheControlBehind)
{
    TInspectorPages p;
    p.All->SetPageIndex(0);
    EXPECT_EQ(p.Pages->Pages(0), p.All);
    EXPECT_EQ(p.General->PageIndex(), 1);
    EXPECT_EQ(p.All->TabIndex(), 0);
    p.All->SetPageIndex(99);
    EXPECT_EQ(p.All->PageIndex(), 2);

    // The active page freed: the tab that takes its place is shown.
    delete p.General;
    EXPECT_EQ(p.Pages->PageCount(), 2);
    EXPECT_EQ(p.Pages->ActivePage(), p.Event);
    EXPECT_TRUE(p.Event->Visible());
    // A page moved to another parent leaves.
    p.Event->SetParent(&p.Form);
    EXPECT_EQ(p.Event->PageControl(), nullptr);
    EXPECT_EQ(p.Event->PageIndex(), -1);
    EXPECT_EQ(p.Pages->ActivePage(), p.All);
    // The page control freed with its pages.
    delete p.Pages;
    p.Form.Pages = nullptr;
    EXPECT_EQ(p.Event->PageControl(), nullptr);
}

TEST(PageControl, EventsAndTabSettingsArePublished)
{
    const TClassInfo& pc = TPageControl::StaticClass();
    EXPECT_EQ(pc.FindProp(u"OnChange")->Kind(), TTypeKind::tkMethod);
    EXPECT_EQ(pc.FindProp(u"OnChanging")->Kind(), TTypeKind::tkMethod);
    EXPECT_EQ(pc.FindProp(u"ActivePage")->PropType->ClassType(), &TTabSheet::StaticClass());
    const TClassInfo& ts = TTabSheet::StaticClass();
    EXPECT_TRUE(ts.FindProp(u"TabVisible")->HasDefault);
    EXPECT_EQ(ts.FindProp(u"Caption")->Kind(), TTypeKind::tkLString);
}

} // namespace
} // namespace classlib
