// The package's C entries as a host calls them: loaded by name, the
// registrations made and taken back, the windows closed, the state reset.

#include "ide/componenteditor.h"
#include "ide/controlswindow.h"
#include "ide/ideentries.h"
#include "ide/registration.h"
#include "ide/reportbridge.h"
#include "ide/tests/idefixture.h"

#include "runtime/report.h"

#include "classlib/design/propertyeditorregistry.h"

#include <gtest/gtest.h>

namespace ide::tests {
namespace {

using namespace classlib;
using namespace runtime;

TEST(Entries, RefuseANullStatus)
{
    EXPECT_EQ(QXIdeRegister(0, nullptr), qxFailed);
    EXPECT_EQ(QXIdeCloseWindows(nullptr), qxFailed);
    EXPECT_EQ(QXIdeDetach(nullptr), qxFailed);
}

TEST(Entries, RegisterCloseAndDetachThroughTheLoadedLibrary)
{
    test::TTempConfig config;
    // Beside the designer library, as the host finds it.
    TDLLLoad package(LoadDLL(DesignerFolder() + QStringLiteral("/qxide4.dll")));
    TIdeForm f;
    Load(*f.Report, SampleDocument());
    for (int internal : {0, 1}) {
        SCOPED_TRACE(internal);
        CallEntry<TQXIdeRegisterProc>(package.Handle(), QString::fromLatin1(IdeRegisterEntry), internal);
        auto editor = GetComponentEditor(f.Report, f.Designer.get());
        ASSERT_NE(dynamic_cast<TQXComponentEditor*>(editor.get()), nullptr);
        EXPECT_EQ(editor->GetVerbCount(), internal ? 2 : 3);
        const TPropInfo* controls = TQXReport::StaticClass().FindProp(u"Controls");
        EXPECT_EQ(GetEditorClass(controls, f.Report), PropertyEditorClass<TQXControlsProperty>());

        auto property = EditorOf(f.Report, QStringLiteral("Controls"), f.Designer.get());
        property->Edit();
        EXPECT_NE(FindControlsEditor(f.Report), nullptr);
        CallEntry<TQXIdeCloseWindowsProc>(package.Handle(), QString::fromLatin1(IdeCloseWindowsEntry));
        EXPECT_EQ(FindControlsEditor(nullptr), nullptr);

        // After detach nothing of the package's state is left: no flag,
        // no close procedure.
        property->Edit();
        CallEntry<TQXIdeDetachProc>(package.Handle(), QString::fromLatin1(IdeDetachEntry));
        EXPECT_FALSE(Cerpt::Internal());
        CloseControlsEditor(f.Report);
        EXPECT_NE(FindControlsEditor(f.Report), nullptr);
        CloseWindows();
        UnregisterPackage();
        EXPECT_EQ(dynamic_cast<TQXComponentEditor*>(GetComponentEditor(f.Report, f.Designer.get()).get()), nullptr);
    }
}

} // namespace
} // namespace ide::tests
