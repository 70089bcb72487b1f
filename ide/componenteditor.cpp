#include "ide/componenteditor.h"

#include "ide/previewwindow.h"
#include "ide/reportbridge.h"

#include "runtime/report.h"

#include "classlib/controls/application.h"
#include "classlib/core/componentlist.h"
#include "classlib/design/formdesigner.h"
#include "classlib/design/propertyeditorregistry.h"

using namespace classlib;
using namespace runtime;

namespace ide {

namespace {

enum { vbControls, vbPreview, vbEdit, vbNew };
const char* const Verbs[4] = {"Controls...", "Preview...", "Edit...", "New..."};

bool InternalRegistration = false;

} // namespace

TQXReport* TQXComponentEditor::Report() const
{
    return dynamic_cast<TQXReport*>(Component());
}

int TQXComponentEditor::GetVerbCount()
{
    const bool hasDoc = Report() && Report()->IsLoaded();
    FVisible[vbControls] = hasDoc && !InternalRegistration;
    FVisible[vbPreview] = hasDoc;
    FVisible[vbEdit] = hasDoc;
    FVisible[vbNew] = !hasDoc;
    int count = 0;
    for (bool visible : FVisible) count += visible ? 1 : 0;
    return count;
}

int TQXComponentEditor::UpdateVerbNum(int Index) const
{
    for (int i = 0; i < 4; ++i)
        if (FVisible[i] && Index-- == 0) return i;
    return -1;
}

QString TQXComponentEditor::GetVerb(int Index)
{
    const int verb = UpdateVerbNum(Index);
    return verb < 0 ? QString() : QString::fromLatin1(Verbs[verb]);
}

void TQXComponentEditor::ExecuteVerb(int Index)
{
    TQXReport* report = Report();
    if (!report) return;
    switch (UpdateVerbNum(Index)) {
    case vbControls:
        EditControls();
        break;
    case vbPreview:
        MakePreview();
        break;
    case vbEdit:
    case vbNew:
        CloseControlsEditor(report);
        if (EditReport(report) && Designer()) Designer()->Modified();
        break;
    default:
        break;
    }
}

void TQXComponentEditor::EditControls()
{
    TComponentList list;
    list.Add(Report());
    // The property's own editor opens the window.
    GetComponentProperties(list, TTypeKinds{TTypeKind::tkClass}, Designer(),
                           [](std::unique_ptr<TPropertyEditor> Editor) {
                               if (Editor->GetName().compare(QLatin1String("Controls"), Qt::CaseInsensitive) == 0)
                                   Editor->Edit();
                           });
}

void TQXComponentEditor::MakePreview()
{
    // Freed however it ends, also when the report cannot be prepared.
    std::unique_ptr<TfrmPreview> window(new TfrmPreview(Application()));
    window->SetReport(Report());
    window->ShowModal();
}

namespace Cerpt {

void Register()
{
    RegisterComponentEditor(TQXReport::StaticClass(), ComponentEditorClass<TQXComponentEditor>());
}

void InternalRegister()
{
    InternalRegistration = true;
    Register();
}

bool Internal()
{
    return InternalRegistration;
}

void Reset()
{
    InternalRegistration = false;
}

} // namespace Cerpt

} // namespace ide
