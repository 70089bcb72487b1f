#include "runtime/tests/eventform.h"

#include "classlib/core/classbuilder.h"

using namespace classlib;

namespace runtime::tests {

const TClassInfo& TEventForm::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TEventForm>("TEventForm")
        .Method("BeforePrintHandler", &TEventForm::BeforePrintHandler)
        .Method("AfterPrintHandler", &TEventForm::AfterPrintHandler)
        .Method("AskDataHandler", &TEventForm::AskDataHandler)
        .Method("GetTextHandler", &TEventForm::GetTextHandler)
        .Method("OwnerDrawHandler", &TEventForm::OwnerDrawHandler)
        .Build();
    return info;
}

QString TEventForm::Caller(const QString& Kind, TObject* Sender)
{
    LastSender = Sender;
    auto* report = dynamic_cast<TQXReport*>(Sender);
    TQXControl* element = report ? report->CurrentControl() : nullptr;
    const QString name = !report ? QStringLiteral("<no report>")
                         : element ? element->GetName()
                                   : QStringLiteral("<none>");
    Log << Kind + QLatin1Char(' ') + name;
    if (Spy) Spy(Kind, element);
    return name;
}

void TEventForm::BeforePrintHandler(TObject* Sender, bool& NeedPrint)
{
    const QString name = Caller(QStringLiteral("BeforePrint"), Sender);
    if (int& n = Refuse[name]; n > 0) {
        --n;
        NeedPrint = false;
    }
}

void TEventForm::AfterPrintHandler(TObject* Sender)
{
    Caller(QStringLiteral("AfterPrint"), Sender);
}

void TEventForm::AskDataHandler(TObject* Sender, bool& NeedData)
{
    const QString name = Caller(QStringLiteral("AskData"), Sender);
    int& n = Rows[name];
    NeedData = n > 0;
    if (n > 0) --n;
}

void TEventForm::GetTextHandler(TObject* Sender, QString& Text)
{
    const QString name = Caller(QStringLiteral("GetText"), Sender);
    Text = this->Text ? this->Text(name, Text) : QStringLiteral("%1 %2").arg(name).arg(++FTextCount);
}

void TEventForm::OwnerDrawHandler(TObject* Sender, TCanvas* Canvas, const TRect& Rect)
{
    Caller(QStringLiteral("OwnerDraw"), Sender);
    if (Draw) Draw(Canvas, Rect);
}

void TEventForm::Bind(TQXControl* Element)
{
    const TClassInfo& c = StaticClass();
    Element->BeforePrint = TMethod{c.FindMethod(u"BeforePrintHandler"), this};
    Element->AfterPrint = TMethod{c.FindMethod(u"AfterPrintHandler"), this};
    Element->AskData = TMethod{c.FindMethod(u"AskDataHandler"), this};
    Element->GetText = TMethod{c.FindMethod(u"GetTextHandler"), this};
    Element->OwnerDraw = TMethod{c.FindMethod(u"OwnerDrawHandler"), this};
}

QStringList TEventForm::Of(const QString& Kind) const
{
    QStringList r;
    for (const QString& s : Log)
        if (s.startsWith(Kind + QLatin1Char(' '))) r << s;
    return r;
}

} // namespace runtime::tests
