#pragma once

// A design surface with a plain selection, an inspector window and a
// control that claims clicks, all writing what reaches them into one log.

#include "designer-framework/controldesigner.h"
#include "designer-framework/extdesigner.h"
#include "designer-framework/inspectorform.h"

#include "classlib/controls/control.h"

#include <QList>
#include <QStringList>

#include <ostream>
#include <utility>

// Logs print as their lines in failures.
inline void PrintTo(const QStringList& List, std::ostream* Out)
{
    *Out << '{' << List.join(" | ").toStdString() << '}';
}

namespace designer_framework::test {

using namespace classlib;

// "name" of a component, "<nil>" for none.
QString NameOf(const TComponent* C);

// A surface that logs the messages the designer hook hands it instead of
// acting on them.
class TFakeSurface : public TControlDesigner {
public:
    explicit TFakeSurface(QStringList& Log);

    void DesignMessage(TControl* Sender, TMessage& Message) override;
    // Selects exactly these, announcing nothing.
    void SetSelection(const QList<TComponent*>& Components);
    QList<TComponent*> Selection() const;

    // Capsules among the children.
    int CapsuleCount() const;

private:
    QStringList& FLog;
};

// A hook that keeps capsules off the surface: its non-visual components
// are shown by the surface itself.
class TNoCapsuleDesigner : public TExtDesigner {
public:
    using TExtDesigner::TExtDesigner;
    bool AcceptsComponent(TComponent*) override { return false; }
};

// A hook whose surface keeps only the classes given (by identity), as a
// report page keeps only its elements.
class TKeepingDesigner : public TExtDesigner {
public:
    TKeepingDesigner(TInspectorForm* AInspectorForm, QList<const TClassInfo*> AKept)
        : TExtDesigner(AInspectorForm), FKept(std::move(AKept))
    {
    }
    bool AcceptsClass(const TClassInfo& AClass) override { return FKept.contains(&AClass); }

private:
    QList<const TClassInfo*> FKept;
};

class TFakeInspector : public TInspectorForm {
public:
    explicit TFakeInspector(QStringList& Log) : TInspectorForm(nullptr), FLog(Log) {}

    void DesignModified() override;
    void ComponentNameChanged(TComponent* AComponent, const QString& NewName) override;
    void ComponentInserted(TComponent* AComponent) override;
    void ComponentRemoved(TComponent* AComponent) override;
    void ClearComponents() override;
    void ShowSelection(TComponentList* List) override;
    void SetPropertyRows(TStringList* All, TStringList* General, TStringList* Event) override;

private:
    QStringList& FLog;
};

// Answers the design hit test with Claims; logs every other message it gets.
class TClaimingControl : public TCustomControl {
public:
    TClaimingControl(TComponent* AOwner, TWinControl* AParent, QStringList& Log);
    void Dispatch(TMessage& Message) override;

    bool Claims = false;

private:
    QStringList& FLog;
};

} // namespace designer_framework::test
