#include "designer/tests/designfixture.h"

#include "designer/editors/registration.h"

#include "designer-framework/inspectorwindow.h"

#include "classlib/core/componentlist.h"
#include "classlib/core/streams.h"
#include "classlib/design/propertyeditorregistry.h"
#include "classlib/tests/controls/handlers.h"

#include <QTemporaryDir>

#include <memory>

namespace designer::tests {

using namespace classlib;

namespace {
std::unique_ptr<QTemporaryDir> Temp;
}

void DesignerTest::SetUp()
{
    // What the inspector shows, as the main window registers it.
    RegisterDesignerComponents();
    Main = new TForm(nullptr);
    Main->SetBounds(0, 0, 900, 700);
    Box = new TScrollBox(Main);
    Box->SetParent(Main);
    Box->SetAlign(alClient);
    InspectorWindow = new designer_framework::TfrmInspector(nullptr);
    CreateDesignInstances(nullptr, Box, InspectorWindow);
    // The main window lays the page on the paper inside the margins.
    classlib::testing::Bind(PaperWindow->OnChange, [](TObject*) {
        if (!PageWindow) return;
        PageWindow->SetBounds(PaperWindow->Left() + PaperWindow->MarginPixels(0),
                              PaperWindow->Top() + PaperWindow->MarginPixels(1), PageWindow->Width(),
                              PageWindow->Height());
    });
    PaperWindow->SetBounds(10, 10, PaperWindow->Width(), PaperWindow->Height());
    NewReport();
    Main->Show();
}

void DesignerTest::TearDown()
{
    FreeDesignInstances();
    delete InspectorWindow;
    delete Main;
    Temp.reset();
}

QByteArray DocumentBytes()
{
    TMemoryStream stream;
    SaveReportToStream(stream);
    return QByteArray(static_cast<const char*>(stream.Memory()), qsizetype(stream.Size()));
}

QString TempFile(const QString& Name)
{
    if (!Temp) Temp = std::make_unique<QTemporaryDir>();
    return Temp->filePath(Name);
}

std::unique_ptr<TPropertyEditor> EditorOf(std::initializer_list<TComponent*> Components, const QString& Name)
{
    TComponentList list;
    for (TComponent* c : Components) list.Add(c);
    std::unique_ptr<TPropertyEditor> found;
    GetComponentProperties(list, tkProperties, nullptr, [&](std::unique_ptr<TPropertyEditor> E) {
        if (E->GetName() == Name) found = std::move(E);
    });
    return found;
}

} // namespace designer::tests
