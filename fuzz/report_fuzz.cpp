// A document from untrusted bytes, as an application meets it: read into a
// report on a form; when it loads, run it twice (a design run, then a run
// through the page order with a few rows of data and texts for every
// element) and play every output page onto a small image. Class-library
// exceptions are the expected outcome of bad input; anything else escaping,
// a hang, a crash or a sanitizer report is a finding.

#include "fuzz/reportinput.h"

#include "runtime/control.h"
#include "runtime/report.h"

#include "classlib/core/classbuilder.h"
#include "classlib/graphics/bitmap.h"
#include "classlib/graphics/brush.h"
#include "classlib/graphics/canvas.h"

#include <QByteArray>

namespace {

using namespace classlib;
using namespace runtime;

// Rows are rationed per run, so that every run ends whatever the document.
constexpr int RowsPerRun = 12;

const char* const Texts[] = {"", "A&B", "Two\r\nlines", "word wrap of a longer text than the element is wide",
                             "\xE4\xF6\xFC \x80"};

class TFuzzForm : public TComponent {
    QX_CLASS(TFuzzForm, TComponent)
public:
    using TComponent::TComponent;

    int RowsLeft = 0;
    int TextCount = 0;

    void AskRows(TObject*, bool& NeedData) { NeedData = RowsLeft-- > 0; }
    void TextOf(TObject*, QString& Text)
    {
        Text = QString::fromLatin1(Texts[size_t(TextCount++) % std::size(Texts)]);
    }
    void Draw(TObject*, TCanvas* Canvas, const TRect& Rect)
    {
        Canvas->Brush()->SetColor(clRed);
        Canvas->FillRect(Rect);
        Canvas->TextOut(Rect.Left, Rect.Top, QStringLiteral("drawn"));
    }
};

// Binds the form's handlers to every element a run loads.
class TFuzzReport : public TQXReport {
    QX_CLASS(TFuzzReport, TQXReport)
public:
    using TQXReport::TQXReport;

protected:
    void DoBindComponent(TComponent* Component) override
    {
        static const std::pair<const char*, const char*> bindings[] = {
            {"AskData", "AskRows"}, {"GetText", "TextOf"}, {"OwnerDraw", "Draw"}};
        for (auto [event, handler] : bindings) {
            const TPropInfo* prop = Component->ClassType()->FindProp(QString::fromLatin1(event));
            const TMethodInfo* method = Owner()->ClassType()->FindMethod(QString::fromLatin1(handler));
            if (!prop || !prop->SetMethod || !method || method->Signature != prop->PropType->Signature)
                continue;
            prop->SetMethod(*Component, TMethod{method, Owner()});
        }
    }
};

const TClassInfo& TFuzzForm::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TFuzzForm>("TFuzzForm")
        .Method("AskRows", &TFuzzForm::AskRows)
        .Method("TextOf", &TFuzzForm::TextOf)
        .Method("Draw", &TFuzzForm::Draw)
        .Build();
    return info;
}

const TClassInfo& TFuzzReport::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TFuzzReport>("TFuzzReport").Build();
    return info;
}

void PlayPages(TQXReport& Report)
{
    for (int i = 0; i < Report.PageCount(); ++i) {
        TBitmap image;
        image.SetSize(60, 85);
        Report.DrawPage(image.Canvas(), TRect{0, 0, 60, 85}, Report.GetPage(i));
    }
}

void RunDocument(const QByteArray& Bytes)
{
    TFuzzForm form(nullptr);
    auto* report = new TFuzzReport(&form);
    fuzz::ReadDocument(*report, Bytes);
    fuzz::DesignRun(*report, [report] { PlayPages(*report); });
    form.RowsLeft = RowsPerRun;
    report->Prepare();
    PlayPages(*report);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    return fuzz::RunReportInput("fuzz_report", Data, Size, RunDocument);
}
