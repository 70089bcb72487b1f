#pragma once

// Element classes as a designer writes a page: the stored class names of
// the runtime, each element written inside the record of the window that
// holds it, QXParent as a reference that may name a later element, and
// properties that only the designer has. Never registered: the runtime
// reads their streams into its own classes.

#include "runtime/alignment.h"

#include "classlib/core/component.h"
#include "classlib/graphics/font.h"

#include <QByteArray>

namespace runtime::tests {

class TDsgElement : public classlib::TComponent {
    QX_CLASS(TDsgElement, classlib::TComponent)
public:
    using TComponent::TComponent;
    void GetChildren(const std::function<void(classlib::TComponent*)>& Proc,
                     classlib::TComponent* Root) override;

    int QXLeft = 0;
    int QXTop = 0;
    int QXWidth = 0;
    int QXHeight = 0;
    TDsgElement* QXParent = nullptr;
    TAlign Align = alNone;
    int PrintOrder = 0;
    // Designer only
    double MMLeft = 0;
    bool Locked = true;
    // The window that holds this one on the design surface (not stored).
    classlib::TComponent* Window = nullptr;
};

class TDsgBand : public TDsgElement {
    QX_CLASS(TDsgBand, TDsgElement)
public:
    using TDsgElement::TDsgElement;
    bool PageBreak = false;
    bool InvertRows = false;
    QString Hint = QStringLiteral("designer only");
};

class TDsgPanel : public TDsgElement {
    QX_CLASS(TDsgPanel, TDsgElement)
public:
    using TDsgElement::TDsgElement;
    int Columns = 1;
};

class TDsgLabel : public TDsgElement {
    QX_CLASS(TDsgLabel, TDsgElement)
public:
    explicit TDsgLabel(classlib::TComponent* AOwner);
    ~TDsgLabel() override;
    QString Caption;
    int TextAngle = 0;
    classlib::TFont* QXFont;
    bool Transparent = false;  // designer only
};

// A designer-only element class, unknown to the runtime.
class TDsgGuide : public TDsgElement {
    QX_CLASS(TDsgGuide, TDsgElement)
public:
    using TDsgElement::TDsgElement;
};

class TDsgPaper : public classlib::TComponent {
    QX_CLASS(TDsgPaper, classlib::TComponent)
public:
    using TComponent::TComponent;
    void GetChildren(const std::function<void(classlib::TComponent*)>& Proc,
                     classlib::TComponent* Root) override;
    int QXLeftMargin = 0;
    int GridSize = 8;  // designer only
};

template <class T>
T* AddDsg(TDsgPaper& Paper, const QString& Name, classlib::TComponent* Window)
{
    auto* e = new T(&Paper);
    e->SetName(Name);
    e->Window = Window;
    return e;
}

QByteArray WriteDesignerPage(TDsgPaper& Paper);

} // namespace runtime::tests
