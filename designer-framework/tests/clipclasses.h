#pragma once

// Classes that the clipboard tests copy and paste: a panel that takes
// controls, a box that takes them and streams them as its own children, a
// button that takes none, a shape-like control that refers to a
// component, and a non-visual component. Registered for the life of a
// TRegisteredClipClasses.

#include "classlib/controls/panel.h"
#include "classlib/core/component.h"

#include <QString>

#include <functional>

namespace designer_framework::test {

class TClipThing : public classlib::TComponent {
    QX_CLASS(TClipThing, classlib::TComponent)
public:
    using TComponent::TComponent;
    QString Caption;
};

class TClipShape : public classlib::TControl {
    QX_CLASS(TClipShape, classlib::TControl)
public:
    using TControl::TControl;
    void Notification(classlib::TComponent* AComponent, classlib::TOperation Operation) override;
    void SetBuddy(classlib::TComponent* Value);
    classlib::TComponent* Buddy = nullptr;
};

class TClipButton : public classlib::TCustomControl {
    QX_CLASS(TClipButton, classlib::TCustomControl)
public:
    using TCustomControl::TCustomControl;
};

class TClipPanel : public classlib::TPanel {
    QX_CLASS(TClipPanel, classlib::TPanel)
public:
    using TPanel::TPanel;
};

// Streams its child controls itself, as a report container does.
class TClipBox : public TClipPanel {
    QX_CLASS(TClipBox, TClipPanel)
public:
    using TClipPanel::TClipPanel;
    void GetChildren(const std::function<void(classlib::TComponent*)>& Proc, classlib::TComponent* Root) override;
};

struct TRegisteredClipClasses {
    TRegisteredClipClasses();
    ~TRegisteredClipClasses();
};

} // namespace designer_framework::test
