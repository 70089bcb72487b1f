// The main window's commands on the document, the page and the recent-file
// and page lists.

#include "designer/mainwindow/mainwindow.h"

#include "designer/dialogs/colorschemeform.h"
#include "designer/document/designinstances.h"
#include "designer/document/designstate.h"
#include "designer/document/document.h"
#include "designer/document/page.h"
#include "designer/document/pagedesigner.h"
#include "designer/document/paper.h"
#include "designer/manager/reportmanager.h"
#include "designer/libraries/wqxui.h"

#include "designer-framework/inspectorwindow.h"


#include "classlib/controls/application.h"
#include "classlib/controls/dialogs.h"
#include "classlib/controls/filedialogs.h"
#include "classlib/controls/menus.h"
#include "classlib/controls/toolbar.h"

namespace designer {

using namespace classlib;

namespace {

constexpr int MaxRecent = 5;
constexpr int ShownRecent = 4;
// Pages listed in the menus; more go through the report manager.
constexpr int ListedPages = 11;

TMenuItem* NewItem(TComponent* Owner, const QString& Caption, int Tag, const QString& Hint, const TMethod& Click)
{
    auto* item = new TMenuItem(Owner);
    item->SetCaption(Caption);
    item->SetTag(Tag);
    item->SetHint(Hint);
    item->OnClick = Click;
    return item;
}

} // namespace

void TfrmMain::mmiNewClick(TObject*)
{
    QuerySave();
    NewReport();
    PaletteClick(tbnComponent);
    RebuildRecentMenus();
}

void TfrmMain::mmiOpenClick(TObject*)
{
    QuerySave();
    if (!dlgOpen->Execute()) return;
    OpenReport(dlgOpen->FileName());
    AddRecent(Document->FileName);
}

void TfrmMain::mmiSaveClick(TObject* Sender)
{
    if (Document->IsNew) {
        mmiSaveAsClick(Sender);
        return;
    }
    SaveReportAs(Document->FileName);
    AddRecent(Document->FileName);
}

void TfrmMain::mmiSaveAsClick(TObject*)
{
    dlgSave->SetTitle(QStringLiteral("Save %1 As").arg(Document->GetTitle()));
    dlgSave->SetFileName(Document->FileName);
    if (!dlgSave->Execute()) Abort();
    SaveReportAs(dlgSave->FileName());
    AddRecent(Document->FileName);
}

void TfrmMain::mmiSaveCopyClick(TObject*)
{
    dlgSave->SetTitle(QStringLiteral("Save Copy As"));
    dlgSave->SetFileName(QStringLiteral("Untitled.qxf"));
    if (!dlgSave->Execute()) Abort();
    // A copy: the document keeps its name and its unsaved changes.
    SaveReportToFile(dlgSave->FileName());
}

void TfrmMain::AddRecent(const QString& Name)
{
    for (int i = Recent.Count() - 1; i >= 0; --i)
        if (Recent.Get(i).compare(Name, Qt::CaseInsensitive) == 0) Recent.Delete(i);
    Recent.Insert(0, Name);
    RebuildRecentMenus();
}

void TfrmMain::RebuildRecentMenus()
{
    while (Recent.Count() > MaxRecent) Recent.Delete(Recent.Count() - 1);
    const int top = mmiFile->IndexOf(mmiRecentTop);
    while (mmiFile->Items(top + 1) != mmiRecentBottom) mmiFile->Delete(top + 1);
    mnuOpen->Root()->Clear();
    mmiRecentBottom->SetVisible(false);
    const TMethod click = Handler(u"RecentClick");
    const QString hint = QStringLiteral("Opens this report");
    for (int i = 0; i < std::min(Recent.Count(), ShownRecent); ++i) {
        mmiRecentBottom->SetVisible(true);
        const QString& name = Recent.Get(i);
        mmiFile->Insert(top + 1 + i, NewItem(this, QStringLiteral("&%1 %2").arg(i + 1).arg(name), i, hint, click));
        mnuOpen->Insert(i, NewItem(this, name, i, hint, click));
    }
    UpdateCaptions();
}

void TfrmMain::RecentClick(TObject* Sender)
{
    auto* item = dynamic_cast<TMenuItem*>(Sender);
    if (!item || item->Tag() < 0 || item->Tag() >= Recent.Count()) return;
    // The list changes below; the name must outlive it.
    const QString name = Recent.Get(item->Tag());
    QuerySave();
    OpenReport(name);
    AddRecent(Document->FileName);
}

void TfrmMain::UpdateEditCommands(bool Popup)
{
    const int n = PageWindow ? PageWindow->SelectionCount() : 0;
    auto set = [&](const char* Name, bool Enabled) {
        const QString name = QString::fromLatin1(Name);
        if (auto* item = dynamic_cast<TMenuItem*>(FindComponent(QString::fromLatin1(Popup ? "pmi" : "mmi") + name)))
            item->SetEnabled(Enabled);
    };
    for (const char* name : {"AlignToGrid", "BringToFront", "SendToBack", "Cut", "Copy", "Delete"}) set(name, n > 0);
    set("PrintOrder", n < 2);
    set("Paste", true);
    if (!Popup) mmiPaper->SetChecked(PaperShown());
}

bool TfrmMain::PaperShown() const
{
    return FInspector && PaperWindow && FInspector->ActiveSurface() == PaperWindow;
}

void TfrmMain::mmiNewPageClick(TObject* Sender)
{
    Manager->RefreshView();
    Manager->mmiNewPageClick(Sender);
    UpdateCaptions();
}

void TfrmMain::mmiDeletePageClick(TObject*)
{
    Manager->DeletePage(Document->CurrentPage());
    UpdateCaptions();
}

void TfrmMain::mmiPaperClick(TObject*)
{
    if (PaperShown()) {
        if (PageWindow) PageWindow->Activate();
    } else if (PaperWindow) {
        PaperWindow->Activate();
    }
    ShowInspector();
}

void TfrmMain::mmiEditClick(TObject*)
{
    UpdateEditCommands(false);
}

void TfrmMain::mnuPaperPopup(TObject*)
{
    UpdateEditCommands(true);
}

void TfrmMain::mmiCutClick(TObject*)
{
    if (PageWindow) PageWindow->CutSelection();
}

void TfrmMain::mmiCopyClick(TObject*)
{
    if (PageWindow) PageWindow->CopySelection();
}

void TfrmMain::mmiPasteClick(TObject*)
{
    if (PageWindow) PageWindow->PasteFromClipboard();
}

void TfrmMain::mmiDeleteClick(TObject*)
{
    if (PageWindow) PageWindow->DeleteSelected();
}

void TfrmMain::mmiAlignToGridClick(TObject*)
{
    if (!PageWindow) return;
    PageWindow->AlignSelectedToGrid();
    PageDesigner->Modified();
}

void TfrmMain::mmiBringToFrontClick(TObject*)
{
    if (PageWindow) PageWindow->BringToFront();
}

void TfrmMain::mmiSendToBackClick(TObject*)
{
    if (PageWindow) PageWindow->SendToBack();
}

void TfrmMain::mmiPrintOrderClick(TObject*)
{
    if (PageWindow) PageWindow->EditPrintOrder();
}

void TfrmMain::mmiSchemeClick(TObject*)
{
    // Nothing is read back: the dialog keeps no schemes yet.
    std::make_unique<TfrmColorScheme>(Application())->ShowModal();
}

void TfrmMain::RebuildPageList()
{
    const int bottom = mmiPage->IndexOf(mmiPageBottom);
    for (int i = bottom - 1; i >= 0; --i) mmiPage->Delete(i);
    mnuPages->Root()->Clear();
    mmiMorePages->SetEnabled(false);
    if (!Document) return;
    const TMethod click = Handler(u"PageClick");
    const QString hint = QStringLiteral("Opens this page for editing");
    for (int i = 0; i < Document->GetPageCount(); ++i) {
        if (i >= ListedPages) {
            mmiMorePages->SetEnabled(true);
            break;
        }
        const QString name = Document->GetPageName(i);
        for (auto [menu, caption] : {std::pair{mmiPage, QStringLiteral("&%1 %2").arg(i + 1).arg(name)},
                                     std::pair{mnuPages->Root(), name}}) {
            TMenuItem* item = NewItem(this, caption, i, hint, click);
            item->SetRadioItem(true);
            item->SetChecked(i == Document->CurrentPage());
            menu->Insert(i, item);
        }
    }
}

void TfrmMain::mmiPageClick(TObject*)
{
    RebuildPageList();
}

void TfrmMain::PageClick(TObject* Sender)
{
    if (auto* item = dynamic_cast<TMenuItem*>(Sender)) Document->SetCurrentPage(item->Tag());
}

void TfrmMain::InspectClick(TObject*)
{
    if (PageWindow) ShowInspector();
}

void TfrmMain::mmiOptionsClick(TObject*)
{
    if (!EditDesignerOptions(ShowGrid, ShowCaptions, ConfirmDelete, AutoPreview)) return;
    PageDesigner->Refresh();
    RunAutoPreview();
}

void TfrmMain::mmiHelpTopicsClick(TObject*)
{
    Application()->HelpCommand(HELP_FINDER, 0);
}

void TfrmMain::mmiAboutClick(TObject*)
{
    ShowAboutBox();
}

} // namespace designer
