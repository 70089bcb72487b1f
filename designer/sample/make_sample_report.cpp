// Writes a sample report with the designer's own document and elements:
// a tinted title band, a column header, two detail rows, a
// total under a rule and a shaded ellipse. Usage: make_sample_report FILE

#include "designer/elements/band.h"
#include "designer/document/designinstances.h"
#include "designer/document/document.h"
#include "designer/elements/label.h"
#include "designer/document/page.h"
#include "designer/elements/shape.h"

#include "classlib/controls/application.h"
#include "classlib/controls/form.h"
#include "classlib/controls/scrollbox.h"
#include "classlib/core/sysutils.h"
#include "classlib/graphics/font.h"

#include <QApplication>

#include <algorithm>
#include <cstdio>

using namespace designer;
using namespace classlib;

namespace {

TQXBand* AddBand(const QString& Name, double Height)
{
    // Inserted on the page where the bands made before end, as a click
    // there with nothing selected would.
    int bottom = 0;
    for (int i = 0; i < PageWindow->ControlCount(); ++i)
        if (auto* c = dynamic_cast<TQXBand*>(PageWindow->Controls(i))) bottom = std::max(bottom, c->Top() + c->Height());
    PageWindow->UnselectAll();
    auto* band = static_cast<TQXBand*>(PageWindow->CreateComponent(TQXBand::StaticClass(), TPoint{0, bottom + 1}));
    band->SetName(Name);
    band->SetMMHeight(Height);
    return band;
}

TQXLabel* AddLabel(TQXBand* Band, const QString& Name, const QString& Caption, double Left, double Top,
                   int Size = 10, bool Bold = false)
{
    // A selected container takes what is inserted.
    PageWindow->SelectOnly(Band);
    auto* label = static_cast<TQXLabel*>(PageWindow->CreateComponent(TQXLabel::StaticClass(), TPoint{0, 0}));
    label->SetName(Name);
    label->SetCaption(Caption);
    label->Font()->SetName(QStringLiteral("DejaVu Sans"));
    label->Font()->SetSize(Size);
    if (Bold) label->Font()->SetStyle(TFontStyles{fsBold});
    label->SetMMLeft(Left);
    label->SetMMTop(Top);
    return label;
}

void MakeSample(const QString& FileName)
{
    NewReport();

    TQXBand* title = AddBand(QStringLiteral("TitleBand"), 30);
    runtime::TQXBackground tint;
    tint.Color1 = TColor(0xF0E0C8);  // pale blue, BGR
    title->SetBackground(&tint);
    AddLabel(title, QStringLiteral("TitleLabel"), QStringLiteral("Quarterly sales"), 10, 6, 20, true);
    AddLabel(title, QStringLiteral("SubtitleLabel"), QStringLiteral("Made with the Tessary designer"), 10, 18, 9);

    TQXBand* header = AddBand(QStringLiteral("HeaderBand"), 10);
    runtime::TQXFrame rule;
    rule.SetShape(runtime::TQXFrameSides{runtime::fsBottom});
    rule.SetWidth(40);
    header->SetFrame(&rule);
    AddLabel(header, QStringLiteral("RegionHeader"), QStringLiteral("Region"), 10, 2, 10, true);
    AddLabel(header, QStringLiteral("UnitsHeader"), QStringLiteral("Units"), 90, 2, 10, true);
    AddLabel(header, QStringLiteral("RevenueHeader"), QStringLiteral("Revenue"), 140, 2, 10, true);

    const struct {
        const char* Region;
        const char* Units;
        const char* Revenue;
    } rows[] = {{"North", "1,204", "48,160.00"}, {"South", "987", "39,480.00"}};
    int row = 1;
    for (const auto& r : rows) {
        TQXBand* detail = AddBand(QStringLiteral("DetailBand%1").arg(row), 8);
        const QString n = QString::number(row++);
        AddLabel(detail, QStringLiteral("Region") + n, QString::fromLatin1(r.Region), 10, 1.5);
        AddLabel(detail, QStringLiteral("Units") + n, QString::fromLatin1(r.Units), 90, 1.5);
        AddLabel(detail, QStringLiteral("Revenue") + n, QString::fromLatin1(r.Revenue), 140, 1.5);
    }

    TQXBand* total = AddBand(QStringLiteral("TotalBand"), 40);
    PageWindow->SelectOnly(total);
    auto* line = static_cast<TQXShape*>(PageWindow->CreateComponent(TQXShape::StaticClass(), TPoint{0, 0}));
    line->SetName(QStringLiteral("TotalRule"));
    line->SetShape(runtime::skWELine);
    line->SetUnits(1000, 0, 17000, 200);
    AddLabel(total, QStringLiteral("TotalLabel"), QStringLiteral("Total"), 10, 3, 10, true);
    AddLabel(total, QStringLiteral("TotalRevenue"), QStringLiteral("87,640.00"), 140, 3, 10, true);
    PageWindow->SelectOnly(total);
    auto* badge = static_cast<TQXShape*>(PageWindow->CreateComponent(TQXShape::StaticClass(), TPoint{0, 0}));
    badge->SetName(QStringLiteral("Badge"));
    badge->SetShape(runtime::skEllipse);
    badge->Brush()->SetColor(TColor(0x80E0FF));  // light amber, BGR
    runtime::TQXShadow shadow;
    shadow.SetShape(runtime::ssRightBottom);
    shadow.SetColor(clGray);
    badge->SetShadow(&shadow);
    badge->SetUnits(9000, 1200, 3600, 2400);

    PageWindow->UnselectAll();
    SaveReportToFile(FileName);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fputs("usage: make_sample_report FILE\n", stderr);
        return 2;
    }
    // Nothing is shown: the elements only need a surface to live on.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    int status = 0;
    {
        TForm host(nullptr);
        auto* box = new TScrollBox(&host);
        box->SetParent(&host);
        CreateDesignInstances(nullptr, box, nullptr);
        try {
            MakeSample(QString::fromLocal8Bit(argv[1]));
        } catch (const Exception& E) {
            std::fprintf(stderr, "make_sample_report: %s\n", qPrintable(E.Message));
            status = 1;
        }
        FreeDesignInstances();
    }
    return status;
}
