#include "ide/methodproperty.h"

#include "ide/stubs.h"

#include "runtime/control.h"
#include "runtime/report.h"

#include "classlib/core/component.h"
#include "classlib/core/stringlist.h"
#include "classlib/design/propertyeditorregistry.h"

using namespace classlib;
using namespace runtime;

namespace ide {

namespace {

const char SCannotCreateName[] = "Cannot create a method for an unnamed component";

QString KeyOf(const QString& Line)
{
    const int eq = Line.indexOf(u'=');
    return eq < 0 ? Line : Line.left(eq);
}

QString ValueOf(const QString& Line)
{
    const int eq = Line.indexOf(u'=');
    return eq < 0 ? QString() : Line.mid(eq + 1);
}

} // namespace

QString EventValue(const TQXReport& Report, const QString& Key)
{
    const TStringList& events = *Report.Events();
    for (int i = 0; i < events.Count(); ++i) {
        const QString line = events.Get(i);
        if (KeyOf(line).compare(Key, Qt::CaseInsensitive) == 0) return ValueOf(line);
    }
    return {};
}

void SetEventValue(TQXReport& Report, const QString& Key, const QString& Value)
{
    TStringList& events = *Report.Events();
    // A list read from a stored form may hold a key twice: the first line
    // takes the value, every other goes.
    bool placed = false;
    for (int i = 0; i < events.Count();) {
        if (KeyOf(events.Get(i)).compare(Key, Qt::CaseInsensitive) != 0) {
            ++i;
        } else if (!placed && !Value.isEmpty()) {
            events.Put(i, Key + u'=' + Value);
            placed = true;
            ++i;
        } else {
            events.Delete(i);
        }
    }
    if (!placed && !Value.isEmpty()) events.Add(Key + u'=' + Value);
}

void RenameEventHandler(TQXReport& Report, const QString& OldName, const QString& NewName)
{
    TStringList& events = *Report.Events();
    for (int i = 0; i < events.Count(); ++i) {
        const QString line = events.Get(i);
        if (ValueOf(line).trimmed().compare(OldName, Qt::CaseInsensitive) == 0)
            events.Put(i, KeyOf(line) + u'=' + NewName);
    }
}

TQXBase_* TQXMethodProperty::Stub()
{
    return As<TQXBase_>(GetComponent(0));
}

QString TQXMethodProperty::Key()
{
    TQXBase_* stub = Stub();
    if (!stub) return {};
    QString key;
    if (stub->Parent()) key = stub->Parent()->Name() + u'.';
    return key + stub->Name() + u'.' + GetName();
}

QString TQXMethodProperty::GetFormMethodName()
{
    TQXBase_* stub = Stub();
    if (!stub) return TMethodProperty::GetFormMethodName();
    QString name = stub->Report() ? stub->Report()->Name() : QString();
    if (stub->Parent()) name += stub->Parent()->GetNamePath();
    name += stub->GetNamePath();
    // Nothing names the handler's owner: the event's name alone would
    // clash with every other unnamed one.
    if (name.isEmpty()) return {};
    return name + GetTrimmedEventName();
}

QString TQXMethodProperty::GetValue()
{
    TQXBase_* stub = Stub();
    if (!stub) return TMethodProperty::GetValue();
    QString name = TMethodProperty::GetValue();
    if (name.isEmpty() && stub->Report()) name = EventValue(*stub->Report(), Key()).trimmed();
    // A handler deleted from the form's source takes its binding with it.
    if (!name.isEmpty() && Designer() && !Designer()->MethodExists(name)) {
        if (stub->Report()) SetEventValue(*stub->Report(), Key(), QString());
        return {};
    }
    return name;
}

void TQXMethodProperty::SetValue(const QString& Value)
{
    TQXBase_* stub = Stub();
    if (!stub) {
        TMethodProperty::SetValue(Value);
        return;
    }
    const QString old = GetValue();
    TMethodProperty::SetValue(Value);
    TFormDesigner* designer = Designer();
    // A rename of the handler leaves every other line that named it (of
    // this report, and of the form's other reports) pointing at nothing.
    if (designer && !old.isEmpty() && !Value.isEmpty() && old.compare(Value, Qt::CaseInsensitive) != 0 &&
        !designer->MethodExists(old) && designer->MethodExists(Value)) {
        TComponent* root = designer->GetRoot();
        if (root) {
            for (int i = 0; i < root->ComponentCount(); ++i)
                if (auto* report = dynamic_cast<TQXReport*>(root->Components(i)))
                    RenameEventHandler(*report, old, Value);
        }
        if (stub->Report() && (!root || stub->Report()->Owner() != root))
            RenameEventHandler(*stub->Report(), old, Value);
    }
    if (stub->Report()) SetEventValue(*stub->Report(), Key(), Value);
}

void TQXMethodProperty::Edit()
{
    TQXBase_* stub = Stub();
    if (!stub) {
        TMethodProperty::Edit();
        return;
    }
    TFormDesigner* designer = Designer();
    if (!designer) {
        TMethodProperty::Edit();
        return;
    }
    QString name = GetValue();
    if (!name.isEmpty() && !designer->MethodFromAncestor(GetMethodValue())) {
        designer->ShowMethod(name);
        SetValue(name);
        return;
    }
    if (name.isEmpty()) name = GetFormMethodName();
    if (name.isEmpty()) throw EPropertyError(QString::fromLatin1(SCannotCreateName));
    SetMethodValue(designer->CreateMethod(name, GetPropType()));
    designer->ShowMethod(name);
    SetValue(name);
}

namespace Qxctlstb {

void Register()
{
    const TPropertyEditorClass editor = PropertyEditorClass<TQXMethodProperty>();
    RegisterPropertyEditor(TypeInfo<TQXBeforePrint>(), nullptr, QString(), editor);
    RegisterPropertyEditor(TypeInfo<TQXAfterPrint>(), nullptr, QString(), editor);
    RegisterPropertyEditor(TypeInfo<TQXAskData>(), nullptr, QString(), editor);
    RegisterPropertyEditor(TypeInfo<TQXGetText>(), nullptr, QString(), editor);
    RegisterPropertyEditor(TypeInfo<TQXOwnerDraw>(), nullptr, QString(), editor);
}

} // namespace Qxctlstb

} // namespace ide
