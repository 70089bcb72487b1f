// A host process that loads the designer library the way the development
// environment's package does (load, one QXActivate, unload) and checks that
// the designer leaves nothing behind: registries, the application's
// handlers and title, names of the host's forms, windows on the screen.

#include "designer-framework/designregistry.h"

#include "runtime/label.h"
#include "runtime/report.h"

#include "classlib/controls/application.h"
#include "classlib/controls/form.h"
#include "classlib/controls/modalresponder.h"
#include "classlib/controls/screen.h"
#include "classlib/core/classregistry.h"
#include "classlib/design/componenteditor.h"
#include "classlib/design/propertyeditorregistry.h"
#include "classlib/graphics/picture.h"
#include "classlib/system/dll.h"
#include "classlib/tests/tempconfig.h"

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QWidget>

#include <algorithm>
#include <functional>
#include <memory>
#include <typeinfo>

#include <gtest/gtest.h>

namespace {

using namespace classlib;
using TQXActivateProc = void (*)(const char* FileName, quint8 Embedded, quint8 WithSplash);

template <class T>
QList<const void*> Sorted(const std::vector<T*>& Items)
{
    QList<const void*> out(Items.begin(), Items.end());
    std::sort(out.begin(), out.end());
    return out;
}

// Everything a library could register with or replace in its host, as far
// as the host can see it.
struct TSnapshot {
    QStringList Classes;  // name@address
    QList<const void*> FormResources;
    QStringList PropertyEditors;  // "class.property=editor" for the probe objects
    QStringList ComponentEditors;
    QStringList DesignClasses;    // key=class
    QStringList Pages;            // name:item count
    QStringList Hints;            // key=text
    const TClassInfo* EventClass = nullptr;
    QString Title;
    qint64 Icon = 0;
    TForm* MainForm = nullptr;
    TMethod OnHint;
    TMethod OnActiveFormChange;
    int ApplicationComponents = 0;
    QList<QWidget*> VisibleWindows;
    QStringList FormNames;
};

// The editors the registry gives the properties of objects of the runtime
// and the class library, whose types the designer's editors are for.
void ProbeEditors(TObject& Object, TSnapshot& Shot)
{
    for (const TPropInfo* p : Object.ClassType()->Props()) {
        const TPropertyEditorClass editor = GetEditorClass(p, &Object);
        Shot.PropertyEditors << QStringLiteral("%1.%2=%3")
                                    .arg(Object.ClassName(), p->Name)
                                    .arg(quintptr(reinterpret_cast<const void*>(editor)), 0, 16);
    }
    if (auto* component = dynamic_cast<TComponent*>(&Object)) {
        const std::unique_ptr<TComponentEditor> editor = GetComponentEditor(component, nullptr);
        Shot.ComponentEditors << (editor ? QString::fromLatin1(typeid(*editor).name()) : QString());
    }
}

TSnapshot Take()
{
    TSnapshot s;
    for (const TClassInfo* c : RegisteredClassList())
        s.Classes << c->Name + '@' + QString::number(quintptr(c), 16);
    s.Classes.sort();
    s.FormResources = Sorted(FormResourceClasses());
    {
        runtime::TQXLabel label(nullptr);
        TForm form(nullptr);
        ProbeEditors(label, s);
        ProbeEditors(form, s);
    }
    using namespace designer_framework;
    for (int i = 0; i < RegisteredClasses().Count(); ++i) {
        auto* item = static_cast<TRegControlItem*>(RegisteredClasses().Objects(i));
        s.DesignClasses << RegisteredClasses().Get(i) + '=' + QString::number(quintptr(item->ComponentClass()), 16);
    }
    for (int i = 0; i < DesignerPages().Count(); ++i)
        s.Pages << DesignerPages().GetPage(i)->Name + ':' + QString::number(DesignerPages().GetPage(i)->Count());
    for (int i = 0; i < PropertyHints().Count(); ++i)
        s.Hints << PropertyHints().Get(i) + '=' + static_cast<TStringObject*>(PropertyHints().Objects(i))->Text;
    s.EventClass = EventPropertyClass();
    s.Title = Application()->Title();
    s.Icon = Application()->Icon().cacheKey();
    s.MainForm = Application()->MainForm();
    s.OnHint = Application()->OnHint;
    s.OnActiveFormChange = Screen()->OnActiveFormChange;
    s.ApplicationComponents = Application()->ComponentCount();
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible()) s.VisibleWindows << w;
    std::sort(s.VisibleWindows.begin(), s.VisibleWindows.end());
    for (int i = 0; i < Screen()->FormCount(); ++i) s.FormNames << Screen()->Forms(i)->Name();
    s.FormNames.sort();
    return s;
}

// Names what differs, so that a failure says what was left behind.
QStringList Differences(const TSnapshot& A, const TSnapshot& B)
{
    QStringList d;
    auto check = [&d](bool Same, const char* What) {
        if (!Same) d << QString::fromLatin1(What);
    };
    for (const QString& c : B.Classes)
        if (!A.Classes.contains(c)) d << QStringLiteral("class %1 registered").arg(c);
    for (const QString& c : A.Classes)
        if (!B.Classes.contains(c)) d << QStringLiteral("class %1 unregistered").arg(c);
    check(A.FormResources == B.FormResources, "form resources");
    check(A.PropertyEditors == B.PropertyEditors, "property editors");
    check(A.ComponentEditors == B.ComponentEditors, "component editors");
    check(A.DesignClasses == B.DesignClasses, "design classes");
    check(A.Pages == B.Pages, "palette pages");
    check(A.Hints == B.Hints, "property hints");
    check(A.EventClass == B.EventClass, "event property class");
    check(A.Title == B.Title, "application title");
    check(A.Icon == B.Icon, "application icon");
    check(A.MainForm == B.MainForm, "main form");
    check(A.OnHint == B.OnHint, "hint handler");
    check(A.OnActiveFormChange == B.OnActiveFormChange, "active-form handler");
    check(A.ApplicationComponents == B.ApplicationComponents, "components of the application");
    check(A.VisibleWindows == B.VisibleWindows, "visible windows");
    check(A.FormNames == B.FormNames, "form names");
    return d;
}

class DesignerHost : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The package edits the report through a file the designer reads.
        Document = Temp.filePath(QStringLiteral("report.qxf"));
        ASSERT_EQ(QProcess::execute(QStringLiteral(QX_SAMPLE_MAKER), {Document}), 0);
        // The class library's own picture classes, registered on first use
        // and kept for the process: the host's, not the designer's.
        RegisterGraphicClasses();
        Host = std::make_unique<TForm>(nullptr);
        Host->SetName(QStringLiteral("HostForm"));
        Host->SetCaption(QStringLiteral("Host"));
        Host->Show();
        OldMainForm = Application()->MainForm();
        OldException = Application()->OnException;
        Application()->SetMainForm(Host.get());
        Application()->SetTitle(QStringLiteral("Host program"));
        Application()->OnException = [this](TObject*, const Exception&) { ++HostExceptions; };
    }
    void TearDown() override
    {
        Application()->OnException = OldException;
        Application()->SetMainForm(OldMainForm);
        Host.reset();
    }

    // One edit, as the package runs it; Body runs inside the designer.
    void EditOnce(const std::function<void(TModalRequest&)>& Body)
    {
        TModalScript script;
        bool ran = false;
        script.Then([&](TModalRequest& Request) {
            ran = true;
            Body(Request);
            return mrOk;
        });
        TDLLLoad core(LoadDLL(QStringLiteral(QX_CORE_LIBRARY)));
        AfterLoad = Take();
        const QByteArray name = QFile::encodeName(Document);
        GetDLLProc<TQXActivateProc>(core.Handle(), QStringLiteral("QXActivate"))(name.constData(), 1, 0);
        AfterActivate = Take();
        EXPECT_TRUE(ran);
        EXPECT_EQ(script.Unexpected(), 0);
    }

    classlib::test::TTempConfig Config;
    QTemporaryDir Temp;
    QString Document;
    std::unique_ptr<TForm> Host;
    int HostExceptions = 0;
    TForm* OldMainForm = nullptr;
    std::function<void(TObject*, const Exception&)> OldException;
    TSnapshot AfterLoad;
    TSnapshot AfterActivate;
};

// Every window the designer opened is shown and made active, so that the
// handlers it installed run.
void UseTheDesignersWindows(TModalRequest& Request)
{
    EXPECT_EQ(Application()->Title(), QStringLiteral("Tessary"));
    EXPECT_EQ(Application()->MainForm(), Request.Form);
    for (int i = 0; i < Screen()->FormCount(); ++i) {
        TForm* form = Screen()->Forms(i);
        if (form->Caption() == QStringLiteral("Preview") || form->Caption() == QStringLiteral("Object Inspector"))
            form->Show();
    }
    Request.Form->SetFocus();
    QCoreApplication::processEvents();
    Screen()->OnActiveFormChange(Screen());
    // The designer's own forms lose their names; the host's keep theirs.
    EXPECT_TRUE(Request.Form->Name().isEmpty());
}

TEST_F(DesignerHost, OneEditLeavesTheHostAsItWas)
{
    const TSnapshot before = Take();
    EditOnce(UseTheDesignersWindows);
    EXPECT_EQ(Differences(AfterLoad, AfterActivate), QStringList()) << "left behind by QXActivate";
    EXPECT_EQ(Differences(before, Take()), QStringList()) << "left behind by the library";
    EXPECT_EQ(Host->Name(), QStringLiteral("HostForm"));
    // The host's exception handler is its own again.
    Application()->OnException(nullptr, Exception(QStringLiteral("after")));
    EXPECT_EQ(HostExceptions, 1);
}

TEST_F(DesignerHost, TheDesignersClassesAreThereOnlyWhileItRuns)
{
    EditOnce([](TModalRequest&) {
        // The designer's label, not the runtime's, is the one registered.
        const TClassInfo* label = GetClass(QStringLiteral("TQXLabel"));
        ASSERT_NE(label, nullptr);
        EXPECT_NE(label, &runtime::TQXLabel::StaticClass());
        EXPECT_NE(designer_framework::FindRegControlItem(QStringLiteral("TQXLabel")), nullptr);
    });
    EXPECT_EQ(GetClass(QStringLiteral("TQXLabel")), nullptr);
    // A runtime label is no design class, whatever the registry holds.
    runtime::TQXLabel label(nullptr);
    EXPECT_EQ(designer_framework::FindRegControlItem(&label), nullptr);
}

TEST_F(DesignerHost, TheHostReadsAndRunsTheDocumentAfterwards)
{
    EditOnce([](TModalRequest&) {});
    runtime::TQXReport report(nullptr);
    report.LoadFromFile(Document);
    report.DesignPrepare();
    EXPECT_GT(report.PageCount(), 0);
}

QStringList LabelEditors()
{
    TSnapshot s;
    runtime::TQXLabel label(nullptr);
    ProbeEditors(label, s);
    return s.PropertyEditors;
}

TEST_F(DesignerHost, EveryLoadBringsItsEditorsAndTakesThemAway)
{
    const QStringList without = LabelEditors();
    for (int load = 1; load <= 2; ++load) {
        QStringList inside;
        EditOnce([&inside](TModalRequest&) { inside = LabelEditors(); });
        // The frame, shadow and millimetre editors, among others.
        EXPECT_NE(inside, without) << "load " << load;
        EXPECT_EQ(LabelEditors(), without) << "load " << load;
    }
}

} // namespace
