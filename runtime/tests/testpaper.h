#pragma once

// A small page model for the document tests: a paper whose owned elements
// are written as its children, and the same classes as a designer would
// write them, with properties the runtime classes lack. Only the runtime
// set is ever registered.

#include "classlib/core/classbuilder.h"
#include "classlib/core/classregistry.h"
#include "classlib/core/component.h"

#include "runtime/host.h"

#include <QByteArray>
#include <QString>

namespace runtime::tests {

QX_ENUM(TTestAlign, taNone, taTop, taBottom, taClient)
QX_ENUM(TTestFontStyle, tfBold, tfItalic, tfUnderline)
using TTestFontStyles = classlib::TSet<TTestFontStyle>;

class TTestElement : public classlib::TComponent {
    QX_CLASS(TTestElement, classlib::TComponent)
public:
    using TComponent::TComponent;
    int QXLeft = 0;
    int QXTop = 0;
    int QXWidth = 0;
    int QXHeight = 0;
    TTestAlign Align = taNone;
    bool Visible = true;
    TTestElement* QXParent = nullptr;
    classlib::TNotifyEvent OnPrint;
};

class TTestBand : public TTestElement {
    QX_CLASS(TTestBand, TTestElement)
public:
    using TTestElement::TTestElement;
};

class TTestLabel : public TTestElement {
    QX_CLASS(TTestLabel, TTestElement)
public:
    using TTestElement::TTestElement;
    QString Caption;
    TTestFontStyles Style;
    double Ratio = 0;
};

// Writes every owned component as a child, as a page does.
class TTestPaper : public classlib::TComponent {
    QX_CLASS(TTestPaper, classlib::TComponent)
public:
    using TComponent::TComponent;
    void GetChildren(const std::function<void(classlib::TComponent*)>& Proc,
                     classlib::TComponent* Root) override;
    int QXLeftMargin = 0;
    QString Title;
};

// Designer doubles: same stored class names, more properties.
class TTestFont : public classlib::TPersistent {
    QX_CLASS(TTestFont, classlib::TPersistent)
public:
    QString Name = QStringLiteral("Arial");
    int Height = -11;
};

class TDesignLabel : public TTestLabel {
    QX_CLASS(TDesignLabel, TTestLabel)
public:
    explicit TDesignLabel(classlib::TComponent* AOwner);
    ~TDesignLabel() override;
    int MMLeft = 0;
    TTestFont* Font;
    int TextHeight = 0;
};

class TDesignPaper : public TTestPaper {
    QX_CLASS(TDesignPaper, TTestPaper)
public:
    using TTestPaper::TTestPaper;
    int PixelsPerInch = 96;
    int TextHeight = 13;
    void Label1Print(classlib::TObject*) {}
};

// A designer-only component class, never registered.
class TDesignGrid : public classlib::TComponent {
    QX_CLASS(TDesignGrid, classlib::TComponent)
public:
    using TComponent::TComponent;
    int GridSize = 8;
};

inline void RegisterTestPaperClasses()
{
    classlib::RegisterClasses({&TTestPaper::StaticClass(), &TTestBand::StaticClass(),
                               &TTestLabel::StaticClass()});
}

// The stream of a paper with a band and Labels labels on it.
QByteArray SamplePage(const QString& Title, int Labels);
// Paper settings, a page order and two sample pages.
void FillSampleHost(TQXHost& Host);

} // namespace runtime::tests
