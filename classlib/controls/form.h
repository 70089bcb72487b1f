#pragma once

// Forms: top-level windows. A form's stored component stream (its
// resource) is read at creation with the form as the reader's root, so
// the components it holds are created and its published fields and event
// bindings are filled; OnCreate follows. The stream holds the form's own
// properties and its non-visual components; controls are built by the
// form's code.

#include "classlib/controls/control.h"
#include "classlib/controls/designer.h"

#include <QByteArray>
#include <QString>

namespace classlib {

class TForm : public TWinControl {
    QX_CLASS(TForm, TWinControl)
public:
    explicit TForm(TComponent* AOwner);
    ~TForm() override;

    const QString& Caption() const { return FCaption; }
    void SetCaption(const QString& Value);

    // Shows the form as a window at (Left, Top).
    void Show();
    void Close();

    // The owned components that are not controls (menu items inside their menu).
    void GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) override;

    // The designer while the form is designed; not owned. Insertions and
    // removals of components, renames and, in design state, the grid of a
    // paint are handed to it, and its controls' messages pass it first.
    TDesigner* Designer() const { return FDesigner; }
    void SetDesigner(TDesigner* Value) { FDesigner = Value; }

    // The form hears the keys of its controls before they do.
    bool KeyPreview() const { return FKeyPreview; }
    void SetKeyPreview(bool Value) { FKeyPreview = Value; }
    // Kept for the stored property; forms do not scroll their client area.
    bool AutoScroll() const { return FAutoScroll; }
    void SetAutoScroll(bool Value) { FAutoScroll = Value; }

    void Notification(TComponent* AComponent, TOperation Operation) override;

    TNotifyEvent OnCreate;
    TNotifyEvent OnDestroy;

protected:
    // Called at the end of the most derived constructor: reads the stream
    // registered for this form's class, then fires OnCreate. A stream that
    // does not read raises, and the constructor with it.
    void InitForm();
    // Called at the start of the most derived destructor: fires OnDestroy
    // (once) while the whole form still exists. A form whose construction
    // failed never fires it.
    void DoDestroy();
    void ValidateRename(TComponent* AComponent, const QString& CurName, const QString& NewName) override;
    void Paint() override;

private:
    QString FCaption;
    bool FDestroyed = false;
    TDesigner* FDesigner = nullptr;
    bool FKeyPreview = false;
    bool FAutoScroll = true;
};

// The stored stream of the forms of class ClassName; a later call replaces it.
void RegisterFormResource(const QString& ClassName, const QByteArray& Stream);
// Empty when none is registered.
QByteArray FormResource(const QString& ClassName);

} // namespace classlib
