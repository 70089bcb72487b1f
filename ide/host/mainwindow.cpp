#include "ide/host/mainwindow.h"

#include "ide/host/formfile.h"
#include "ide/host/hostdesigner.h"
#include "ide/host/hostform.h"
#include "ide/host/hostinspector.h"
#include "ide/host/sourceunit.h"

#include "runtime/preview.h"
#include "runtime/report.h"

#include "designer-framework/capsule.h"

#include "classlib/controls/application.h"
#include "classlib/controls/button.h"
#include "classlib/controls/filedialogs.h"
#include "classlib/controls/listbox.h"
#include "classlib/controls/menus.h"
#include "classlib/controls/panel.h"
#include "classlib/controls/statusbar.h"
#include "classlib/core/classbuilder.h"
#include "classlib/design/componenteditor.h"
#include "classlib/design/designwindow.h"
#include "classlib/design/selectionlist.h"

#include <QApplication>
#include <QWidget>

using namespace classlib;
using namespace designer_framework;

namespace idehost {

namespace {

const char* const PaletteClasses[] = {"TQXReport", "TQXPreview"};
const char FormFilter[] = "Host forms (*.qxh)|*.qxh|All Files (*.*)|*.*";

} // namespace

const TClassInfo& THostMainWindow::StaticClass()
{
    using F = THostMainWindow;
    static const TClassInfo& info = TClassBuilder<THostMainWindow>("THostMainWindow")
        .Method("PaletteClick", &F::PaletteClick)
        .Method("PopupMenuPopup", &F::PopupMenuPopup)
        .Method("VerbClick", &F::VerbClick)
        .Method("SaveClick", &F::SaveClick)
        .Method("LoadClick", &F::LoadClick)
        .Method("RunClick", &F::RunClick)
        .Method("ExitClick", &F::ExitClick)
        .Method("LoadPackageClick", &F::LoadPackageClick)
        .Method("UnloadPackageClick", &F::UnloadPackageClick)
        .Method("DeleteClick", &F::DeleteClick)
        .Method("FormCloseQuery", &F::FormCloseQuery)
        .Build();
    return info;
}

TMethod THostMainWindow::Handler(const char* Name)
{
    return TMethod{StaticClass().FindMethod(QString::fromLatin1(Name)), this};
}

THostMainWindow::THostMainWindow(TComponent* AOwner, const QString& PackageName)
    : TForm(AOwner), FPackageName(PackageName), FUnit(std::make_unique<TSourceUnit>("TForm1", TControlDesigner::StaticClass()))
{
    SetName("HostMainWindow");
    SetBounds(10, 10, 520, 300);
    CreateControls();
    OnCloseQuery = Handler("FormCloseQuery");
    FInspector = new THostInspector(nullptr);
    FInspector->SetBounds(790, 370, 301, 400);
    FInspector->Show();
    FUnit->OnChange = [this] { ShowSource(); };
    CreateDesignForm();
    UpdateCaption();
}

THostMainWindow::~THostMainWindow()
{
    // Design windows hear of the form's end before any of its components
    // goes, the package's windows among them.
    CloseDesignForm();
    try {
        FPackage.Unload();
    } catch (...) {
        // Shutting down: nothing is left to tell.
    }
    FRunWindow.reset();
    FRunForm.reset();
    delete FInspector;
    FUnit->OnChange = nullptr;
    DestroyComponents();
}

void THostMainWindow::CreateControls()
{
    FMenu = new TMainMenu(this);
    auto add = [this](TMenuItem* Parent, const char* Caption, const char* Click) {
        auto* item = new TMenuItem(this);
        item->SetCaption(QString::fromLatin1(Caption));
        if (Click) item->OnClick = Handler(Click);
        if (Parent) Parent->Add(item);
        else FMenu->Add(item);
        return item;
    };
    TMenuItem* file = add(nullptr, "&File", nullptr);
    add(file, "&Save...", "SaveClick");
    add(file, "&Load...", "LoadClick");
    add(file, "&Run", "RunClick");
    add(file, "-", nullptr);
    add(file, "E&xit", "ExitClick");
    TMenuItem* edit = add(nullptr, "&Edit", nullptr);
    add(edit, "&Delete", "DeleteClick");
    TMenuItem* package = add(nullptr, "&Package", nullptr);
    add(package, "&Load package", "LoadPackageClick");
    add(package, "&Unload package", "UnloadPackageClick");
    SetMenu(FMenu);

    FPalette = new TPanel(this);
    FPalette->SetName("Palette");
    FPalette->SetParent(this);
    FPalette->SetAlign(alTop);
    FPalette->SetHeight(34);
    FPalette->SetCaption({});
    int left = 4;
    int tag = 0;
    for (const char* cls : PaletteClasses) {
        auto* button = new TButton(this);
        button->SetName(QString::fromLatin1(cls).mid(1) + QStringLiteral("Button"));
        button->SetParent(FPalette);
        button->SetCaption(QString::fromLatin1(cls));
        button->SetBounds(left, 4, 96, 25);
        button->SetTag(tag++);
        button->OnClick = Handler("PaletteClick");
        left += 100;
    }

    FStatus = new TStatusBar(this);
    FStatus->SetParent(this);
    FStatus->SetSimplePanel(true);

    FSource = new TListBox(this);
    FSource->SetName("SourcePane");
    FSource->SetParent(this);
    FSource->SetAlign(alClient);

    FPopup = new TPopupMenu(this);
    FPopup->OnPopup = Handler("PopupMenuPopup");
}

void THostMainWindow::CreateDesignForm()
{
    FForm = new THostForm(nullptr, *FUnit);
    FForm->SetBounds(540, 10, 480, 320);
    FDesigner = new THostDesigner(FInspector, *FUnit);
    FDesigner->OnStateChange = [this] {
        UpdateCaption();
        ShowSource();
    };
    FForm->SetPopupMenu(FPopup);
    FForm->OnDeleteKey = [this] { DeleteSelection(); };
    FForm->SetInspector(FDesigner);
    FForm->Show();
}

void THostMainWindow::CloseDesignForm()
{
    if (!FForm) return;
    ResetMenuEditor();
    NotifyDesignWindowsFormClosed(FForm);
    FDesigner->ForgetObjects();
    FDesigner->OnStateChange = nullptr;
    delete FForm;
    FForm = nullptr;
    FDesigner = nullptr;
}

void THostMainWindow::UpdateCaption()
{
    const bool modified = FDesigner && FDesigner->IsModified();
    SetCaption(QString::fromLatin1(HostTitle) + QStringLiteral(" - Form1") + (modified ? QStringLiteral(" *") : QString()));
}

void THostMainWindow::ShowSource()
{
    TStrings* items = FSource->Items();
    const QStringList names = FUnit->Names();
    items->Clear();
    for (const QString& name : names)
        items->Add(QStringLiteral("procedure TForm1.%1(%2)").arg(name, FUnit->TypeNameOf(name)));
    const QString shown = FDesigner ? FDesigner->ShownMethod() : QString();
    FSource->SetItemIndex(shown.isEmpty() ? -1 : int(names.indexOf(shown)));
}

TComponent* THostMainWindow::Drop(const QString& ClassName)
{
    const TClassInfo* cls = FormComponentClass(ClassName);
    if (!cls) throw Exception(Format("%s is not on the palette", {ClassName}));
    // Side by side, so that each stays in reach of the mouse.
    const int n = FForm->ComponentCount();
    TComponent* c = FForm->CreateComponent(*cls, Point(16 + 40 * (n % 10), 16 + 40 * (n / 10)));
    // Named as the environment names them: the class name less its T.
    if (c) c->SetName(FForm->MakeUniqueName(QString(), cls->Name.mid(1)));
    FDesigner->Modified();
    return c;
}

void THostMainWindow::Select(TComponent* Component)
{
    FForm->SelectOnly(Component);
}

void THostMainWindow::ResetMenuEditor()
{
    FPopup->Root()->Clear();
    FMenuEditor.reset();
}

QStringList THostMainWindow::ShowContextMenu(TComponent* Component)
{
    TControl* shown = FForm->ControlOfComponent(Component);
    if (!shown) throw Exception("The component is not on the form");
    FForm->SelectOnly(Component);
    const TPoint at = FForm->ScreenToClient(shown->ClientToScreen(Point(4, 4)));
    FForm->ShowPopup(shown, at);
    QStringList captions;
    for (int i = 0; i < FPopup->Count(); ++i) captions << FPopup->Items(i)->Caption();
    return captions;
}

void THostMainWindow::ChooseVerb(const QString& Caption)
{
    for (int i = 0; i < FPopup->Count(); ++i)
        if (FPopup->Items(i)->Caption() == Caption) {
            // A click on an item closes the menu before the item acts.
            if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
            FPopup->Items(i)->Click();
            return;
        }
    throw Exception(Format("The menu offers no %s", {Caption}));
}

void THostMainWindow::PopupMenuPopup(TObject*)
{
    ResetMenuEditor();
    TComponent* component = FForm->ComponentOfControl(As<TControl>(FPopup->PopupComponent()));
    if (!component || component == FForm) return;
    FMenuEditor = GetComponentEditor(component, FDesigner);
    // The editor works its verbs out each time it is asked.
    const int count = FMenuEditor->GetVerbCount();
    for (int i = 0; i < count; ++i) {
        auto* item = new TMenuItem(this);
        item->SetCaption(FMenuEditor->GetVerb(i));
        item->SetTag(i);
        item->OnClick = Handler("VerbClick");
        FPopup->Add(item);
    }
}

void THostMainWindow::VerbClick(TObject* Sender)
{
    auto* item = As<TMenuItem>(Sender);
    if (!item || !FMenuEditor) return;
    FMenuEditor->ExecuteVerb(item->Tag());
}

void THostMainWindow::EditComponent(TComponent* Component)
{
    FForm->SelectOnly(Component);
    TControl* shown = FForm->ControlOfComponent(Component);
    if (!shown || !shown->Widget()) throw Exception("The component is not on the form");
    // What a person's double click does on the surface.
    if (TComponentEditor* editor = FForm->ComponentEditor()) editor->Edit();
}

void THostMainWindow::DeleteSelection()
{
    std::vector<TComponent*> going;
    for (int i = 0; i < FForm->SelectionCount(); ++i)
        if (FForm->GetSelectedComponent(i) != FForm) going.push_back(FForm->GetSelectedComponent(i));
    if (going.empty()) return;
    ResetMenuEditor();
    // Windows that follow a component close while it is still whole.
    for (TComponent* c : going) NotifyDesignWindowsComponentDeleted(c);
    FDesigner->ForgetObjects();
    FForm->DeleteSelection();
}

void THostMainWindow::DeleteMethod(const QString& Name)
{
    FUnit->Delete(Name);
    FDesigner->RefreshInspector();
}

void THostMainWindow::SaveToFile(const QString& FileName)
{
    WriteFileAtomically(FileName, SaveForm(*FForm, *FUnit));
    FFileName = FileName;
    FDesigner->SetModified(false);
}

void THostMainWindow::LoadFromFile(const QString& FileName)
{
    const QByteArray bytes = ReadWholeFile(FileName);
    // Checked whole first: a bad file leaves the form as it is.
    const QStringList methods = CheckFormFile(bytes);
    CloseDesignForm();
    FUnit->LoadList(methods);
    CreateDesignForm();
    FForm->UnselectAll();
    const TFormFileParts parts = SplitFormFile(bytes);
    ReadFormStream(parts.Stream, *FForm);
    FForm->CreateCapsules();
    FForm->SetBounds(540, 10, 480, 320);
    FForm->Activate();
    FFileName = FileName;
    FDesigner->SetModified(false);
}

void THostMainWindow::Run(const QString& FileName)
{
    const TFormFileParts parts = SplitFormFile(ReadWholeFile(FileName));
    FRunWindow.reset();
    FRunForm.reset();
    FUnit->ResetRun();
    auto form = std::make_unique<TRunForm>(nullptr, *FUnit);
    ReadFormStream(parts.Stream, *form);
    runtime::TQXReport* report = nullptr;
    for (int i = 0; i < form->ComponentCount() && !report; ++i) report = As<runtime::TQXReport>(form->Components(i));
    if (!report) throw Exception("The form holds no report to run");
    report->Prepare();
    FRunForm = std::move(form);
    auto window = std::make_unique<TForm>(nullptr);
    window->SetName("RunWindow");
    window->SetCaption(QStringLiteral("Run - ") + report->Name());
    window->SetBounds(60, 60, 520, 600);
    auto* preview = new runtime::TQXPreview(window.get());
    preview->SetName("RunPreview");
    preview->SetParent(window.get());
    preview->SetAlign(alClient);
    preview->SetReport(report);
    window->Show();
    FRunWindow = std::move(window);
}

void THostMainWindow::LoadPackage(bool InternalRegister)
{
    FPackage.Load(FPackageName, InternalRegister);
    FDesigner->RefreshInspector();
    FStatus->SetSimpleText(QStringLiteral("Package loaded"));
}

void THostMainWindow::UnloadPackage()
{
    if (!FPackage.Loaded()) return;
    // Nothing of the package may stay in use: its menu's editor, the
    // surface's editor, rows with its property editors, objects its windows
    // handed over.
    ResetMenuEditor();
    FDesigner->ForgetObjects();
    TComponent* selected = FForm->SelectionCount() == 1 ? FForm->GetSelectedComponent(0) : nullptr;
    FForm->UnselectAll();
    try {
        FPackage.Unload();
    } catch (...) {
        if (selected) FForm->SelectOnly(selected);
        FDesigner->RefreshInspector();
        throw;
    }
    if (selected) FForm->SelectOnly(selected);
    FDesigner->RefreshInspector();
    FStatus->SetSimpleText(QStringLiteral("Package unloaded"));
}

// --- handlers ---

void THostMainWindow::PaletteClick(TObject* Sender)
{
    if (auto* c = As<TComponent>(Sender)) Drop(QString::fromLatin1(PaletteClasses[c->Tag()]));
}

void THostMainWindow::SaveClick(TObject*)
{
    TSaveDialog dialog(nullptr);
    dialog.SetFilter(FormFilter);
    dialog.SetDefaultExt("qxh");
    dialog.SetFileName(FFileName);
    if (dialog.Execute()) SaveToFile(dialog.FileName());
}

void THostMainWindow::LoadClick(TObject*)
{
    TOpenDialog dialog(nullptr);
    dialog.SetFilter(FormFilter);
    dialog.SetDefaultExt("qxh");
    if (dialog.Execute()) LoadFromFile(dialog.FileName());
}

void THostMainWindow::RunClick(TObject*)
{
    if (FFileName.isEmpty()) throw Exception("Save the form before running it");
    SaveToFile(FFileName);
    Run(FFileName);
}

void THostMainWindow::ExitClick(TObject*)
{
    Close();
}

void THostMainWindow::LoadPackageClick(TObject*)
{
    LoadPackage(false);
}

void THostMainWindow::UnloadPackageClick(TObject*)
{
    UnloadPackage();
}

void THostMainWindow::DeleteClick(TObject*)
{
    DeleteSelection();
}

void THostMainWindow::FormCloseQuery(TObject*, bool& CanClose)
{
    CanClose = true;
}

} // namespace idehost
