#pragma once

// Tool windows of the development environment that follow the designer of
// a form. The environment tells every open design window when a form was
// modified, when a component or object was deleted and when a form closes
// (before any of its components is freed).

#include "classlib/controls/form.h"

#include <QString>

namespace classlib {

class TDesignerSelectionList;
class TFormDesigner;
class TPersistent;

class TDesignWindow : public TForm {
    QX_CLASS(TDesignWindow, TForm)
public:
    explicit TDesignWindow(TComponent* AOwner);
    ~TDesignWindow() override;

    TFormDesigner* Designer() const { return FDesigner; }
    void SetDesigner(TFormDesigner* Value) { FDesigner = Value; }

    virtual void ComponentDeleted(TPersistent* Item);
    virtual void FormClosed(TForm* AForm);
    virtual void FormModified();
    virtual void SelectionChanged(TDesignerSelectionList* ASelection);
    // The name the environment gives a component made in this window.
    virtual QString UniqueName(TComponent* Component);

protected:
    // Hands the designer the objects to select (the inspector shows them).
    void SetSelection(TDesignerSelectionList* List);

private:
    TFormDesigner* FDesigner = nullptr;
};

// The environment's notifications, to every open design window (a window
// may close itself while it hears one). FormModified goes only to the
// windows of that designer.
void NotifyDesignWindowsFormModified(TFormDesigner* Designer);
void NotifyDesignWindowsComponentDeleted(TPersistent* Item);
void NotifyDesignWindowsFormClosed(TForm* AForm);
void NotifyDesignWindowsSelectionChanged(TFormDesigner* Designer, TDesignerSelectionList* ASelection);

} // namespace classlib
