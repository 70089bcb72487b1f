#include "ide/controlswindow.h"

#include "ide/reportbridge.h"
#include "ide/stubs.h"

#include "runtime/paper.h"
#include "runtime/report.h"

#include "classlib/controls/application.h"
#include "classlib/controls/imagelist.h"
#include "classlib/controls/misc.h"
#include "classlib/controls/screen.h"
#include "classlib/controls/statusbar.h"
#include "classlib/controls/treeview.h"
#include "classlib/core/classbuilder.h"
#include "classlib/design/formdesigner.h"
#include "classlib/design/propertyeditorregistry.h"
#include "classlib/design/selectionlist.h"
#include "classlib/graphics/bitmap.h"
#include "classlib/graphics/canvas.h"
#include "classlib/system/registry.h"

#include <QPointer>
#include <QWidget>

using namespace classlib;
using namespace runtime;

namespace ide {

namespace {

// The one picture every entry shows: a small page.
void AddEntryImage(TImageList& List)
{
    TBitmap bitmap;
    bitmap.SetSize(16, 16);
    TCanvas& c = bitmap.Canvas();
    c.Brush()->SetColor(clFuchsia);
    c.FillRect(TRect{0, 0, 16, 16});
    c.Brush()->SetColor(clWhite);
    c.Pen()->SetColor(clNavy);
    c.Rectangle(3, 1, 13, 15);
    List.AddMasked(&bitmap, clFuchsia);
}

void FreePageStubs(TTreeView& Tree)
{
    TTreeNodes& items = *Tree.Items();
    for (int i = 0; i < items.RootCount(); ++i) {
        delete static_cast<TQXPaper_*>(items.Root(i)->Data());
        items.Root(i)->SetData(nullptr);
    }
}

} // namespace

const TClassInfo& TfrmPropControls::StaticClass()
{
    using F = TfrmPropControls;
    static const TClassInfo& info = TClassBuilder<TfrmPropControls>("TfrmPropControls")
                                        .Method("FormShow", &F::FormShow)
                                        .Method("FormClose", &F::FormClose)
                                        .Method("FormActivate", &F::FormActivate)
                                        .Method("tvwControlsChange", &F::tvwControlsChange)
                                        .Build();
    return info;
}

TMethod TfrmPropControls::Handler(const char16_t* Name)
{
    return TMethod{StaticClass().FindMethod(Name), this};
}

TfrmPropControls::TfrmPropControls(TComponent* AOwner)
    : TDesignWindow(AOwner), FLink(std::make_unique<TQXLink>())
{
    FLink->OnChange = [this](TQXReport* Report) { ReportChange(Report); };
    SetBorderStyle(bsSizeToolWin);
    SetPosition(poDefaultPosOnly);
    SetBounds(Left(), Top(), 297, 194);
    OnShow = Handler(u"FormShow");
    OnClose = Handler(u"FormClose");
    OnActivate = Handler(u"FormActivate");

    imlControls = new TImageList(this);
    imlControls->SetName(QStringLiteral("imlControls"));
    AddEntryImage(*imlControls);

    sbrBottom = new TStatusBar(this);
    sbrBottom->SetName(QStringLiteral("sbrBottom"));
    sbrBottom->SetParent(this);
    sbrBottom->SetSimplePanel(true);

    tvwControls = new TTreeView(this);
    tvwControls->SetName(QStringLiteral("tvwControls"));
    tvwControls->SetParent(this);
    tvwControls->SetAlign(alClient);
    tvwControls->SetReadOnly(true);
    tvwControls->SetHideSelection(false);
    tvwControls->SetIndent(19);
    tvwControls->SetSortType(stText);
    tvwControls->SetImages(imlControls);
    tvwControls->OnChange = Handler(u"tvwControlsChange");
}

TfrmPropControls::~TfrmPropControls()
{
    DoDestroy();
    ForgetReport();
    // The stubs go with the window; nothing the inspector shows stays
    // pointing at them.
    if (tvwControls->Items()->RootCount() > 0) {
        TDesignerSelectionList empty;
        SetSelection(&empty);
    }
    tvwControls->OnChange = TMethod{};
    FreePageStubs(*tvwControls);
    tvwControls->Items()->Clear();
}

void TfrmPropControls::SetReport(TQXReport* Value)
{
    if (Value == FReport) return;
    ForgetReport();
    FReport = Value;
    if (FReport) {
        FReport->FreeNotification(this);
        FReport->AddLink(FLink.get());
    }
}

void TfrmPropControls::ForgetReport()
{
    if (!FReport) return;
    FReport->RemoveLink(FLink.get());
    FReport->RemoveFreeNotification(this);
    FReport = nullptr;
}

void TfrmPropControls::Notification(TComponent* AComponent, TOperation Operation)
{
    TDesignWindow::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FReport) {
        FReport = nullptr;
        ResetView();
        Close();
    }
}

void TfrmPropControls::ComponentDeleted(TPersistent* Item)
{
    TDesignWindow::ComponentDeleted(Item);
    if (Item && Item == FReport) {
        ForgetReport();
        ResetView();
        Close();
    }
}

void TfrmPropControls::FormClosed(TForm* AForm)
{
    TDesignWindow::FormClosed(AForm);
    if (AForm && Designer() && static_cast<TComponent*>(AForm) == Designer()->GetRoot()) {
        Close();
        // The designer goes with its form, before this window is freed.
        SetDesigner(nullptr);
    }
}

void TfrmPropControls::FormModified()
{
    UpdateCaption();
}

QString TfrmPropControls::UniqueName(TComponent*)
{
    return {};
}

void TfrmPropControls::FormShow(TObject*)
{
    TRegistry reg;
    if (reg.OpenKey(QString::fromLatin1(ControlsKey), true)) LoadWindowPos(this, &reg, true);
    UpdateCaption();
}

void TfrmPropControls::FormClose(TObject*, TCloseAction& Action)
{
    ResetView();
    ForgetReport();
    TRegistry reg;
    // A place that cannot be stored is no reason to keep the window.
    try {
        if (reg.OpenKey(QString::fromLatin1(ControlsKey), true)) SaveWindowPos(this, &reg);
    } catch (const ERegistryException&) {
    }
    Action = caFree;
}

void TfrmPropControls::FormActivate(TObject*)
{
    tvwControlsChange(tvwControls, tvwControls->Selected());
}

void TfrmPropControls::UpdateCaption()
{
    if (FReport) SetCaption(QStringLiteral("Editing ") + FReport->Name());
}

void TfrmPropControls::ReportChange(TQXReport*)
{
    try {
        ReportToView();
    } catch (const Exception& E) {
        sbrBottom->SetSimpleText(E.Message);
    }
}

void TfrmPropControls::ReportToView()
{
    ResetView();
    if (!FReport) return;
    tvwControls->Items()->BeginUpdate();
    try {
        for (int i = 0; i < FReport->GetPaperCount(); ++i) {
            std::unique_ptr<TQXPaper> page(FReport->LoadPaper(i));
            PaperToItems(PaperToStub(page.get(), FReport));
        }
    } catch (...) {
        tvwControls->Items()->EndUpdate();
        throw;
    }
    tvwControls->Items()->EndUpdate();
    if (TTreeNode* first = tvwControls->Items()->GetFirstNode()) {
        if (tvwControls->Selected() == first)
            tvwControlsChange(tvwControls, first);
        else
            tvwControls->SetSelected(first);
    }
}

void TfrmPropControls::PaperToItems(std::unique_ptr<TQXPaper_> PageStub)
{
    TTreeNodes& items = *tvwControls->Items();
    TQXPaper_* page = PageStub.get();
    TTreeNode* node = items.AddObject(nullptr, page->Name(), page);
    PageStub.release();
    node->SetImageIndex(0);
    node->SetSelectedIndex(0);
    for (int i = 0; i < page->Count(); ++i) {
        TTreeNode* child = items.AddChildObject(node, page->Items(i)->Name(), page->Items(i));
        child->SetImageIndex(0);
        child->SetSelectedIndex(0);
    }
}

void TfrmPropControls::ResetView()
{
    TTreeNodes& items = *tvwControls->Items();
    if (items.RootCount() > 0) {
        // The inspector lets go of the stubs before they are freed.
        TDesignerSelectionList list;
        if (FReport) list.Add(FReport);
        SetSelection(&list);
    }
    const TMethod change = tvwControls->OnChange;
    tvwControls->OnChange = TMethod{};
    FreePageStubs(*tvwControls);
    items.Clear();
    tvwControls->OnChange = change;
    sbrBottom->SetSimpleText(QString());
}

void TfrmPropControls::tvwControlsChange(TObject*, TTreeNode* Node)
{
    TDesignerSelectionList list;
    if (Node) {
        auto* stub = static_cast<TQXBase_*>(Node->Data());
        const QString cls = stub ? stub->ClassName() : QString();
        sbrBottom->SetSimpleText(Node->Text() + u':' + cls.left(cls.size() - 1));
        if (stub) list.Add(stub);
    } else {
        sbrBottom->SetSimpleText(QString());
    }
    SetSelection(&list);
}

TPropertyAttributes TQXControlsProperty::GetAttributes()
{
    return {TPropertyAttribute::paDialog, TPropertyAttribute::paReadOnly};
}

void TQXControlsProperty::Edit()
{
    auto* report = dynamic_cast<TQXReport*>(GetObjValue());
    if (!report) return;
    TfrmPropControls* window = FindControlsEditor(report);
    if (!window) {
        auto made = std::make_unique<TfrmPropControls>(Application());
        made->SetDesigner(Designer());
        made->SetReport(report);
        made->ReportToView();
        window = made.release();
    }
    window->Show();
    if (window->WindowState() == wsMinimized) window->SetWindowState(wsNormal);
}

TfrmPropControls* FindControlsEditor(TQXReport* Report)
{
    TScreen* screen = Screen();
    for (int i = 0; i < screen->FormCount(); ++i)
        if (auto* window = dynamic_cast<TfrmPropControls*>(screen->Forms(i)))
            if (!Report || window->Report() == Report) return window;
    return nullptr;
}

void CloseControlsWindow(TfrmPropControls* Window)
{
    const QPointer<QWidget> alive(Window->Widget());
    Window->Close();
    // Gone now, not once the event loop is back: before the designer or
    // the dialog opens, before the package is unloaded.
    if (alive) delete Window;
}

void DOCloseControlsEditor(TQXReport* Report)
{
    if (TfrmPropControls* window = FindControlsEditor(Report)) CloseControlsWindow(window);
}

namespace Fprctrl {

void Register()
{
    RegisterPropertyEditor(TypeInfo<TQXReport*>(), &TQXReport::StaticClass(), QStringLiteral("Controls"),
                           PropertyEditorClass<TQXControlsProperty>());
    QXSetCloseControlEditor(&DOCloseControlsEditor);
}

} // namespace Fprctrl

} // namespace ide
