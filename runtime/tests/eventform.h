#pragma once

// A form whose published methods serve as the element events in tests: it
// logs every call with the name of the element the report says is calling,
// and answers as the test tells it.

#include "runtime/control.h"
#include "runtime/report.h"

#include "classlib/core/component.h"

#include <QHash>
#include <QStringList>

#include <functional>

namespace runtime::tests {

class TEventForm : public classlib::TComponent {
    QX_CLASS(TEventForm, classlib::TComponent)
public:
    using TComponent::TComponent;

    // Rows left per element name for AskData (answered True while > 0).
    QHash<QString, int> Rows;
    // Element names whose BeforePrint refuses; a count refuses that often.
    QHash<QString, int> Refuse;
    // What GetText answers; by default "<element> <n>" with n counting up.
    std::function<QString(const QString& Element, const QString& Current)> Text;
    std::function<void(TCanvas* Canvas, const TRect& Rect)> Draw;
    // Sees every call with the calling element.
    std::function<void(const QString& Kind, TQXControl* Element)> Spy;

    QStringList Log;
    // Which report was Sender of the last call.
    classlib::TObject* LastSender = nullptr;

    void BeforePrintHandler(classlib::TObject* Sender, bool& NeedPrint);
    void AfterPrintHandler(classlib::TObject* Sender);
    void AskDataHandler(classlib::TObject* Sender, bool& NeedData);
    void GetTextHandler(classlib::TObject* Sender, QString& Text);
    void OwnerDrawHandler(classlib::TObject* Sender, TCanvas* Canvas, const TRect& Rect);

    // Binds all five events of Element to this form.
    void Bind(TQXControl* Element);

    // Log lines of one kind only ("AskData Band1", ...).
    QStringList Of(const QString& Kind) const;

private:
    QString Caller(const QString& Kind, classlib::TObject* Sender);
    int FTextCount = 0;
};

} // namespace runtime::tests
