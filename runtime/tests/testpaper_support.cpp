#include "runtime/tests/testpaper.h"

#include "runtime/tests/documentbytes.h"

#include "classlib/core/streams.h"

using namespace classlib;

namespace runtime::tests {

const TClassInfo& TTestElement::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TTestElement>("TTestElement")
        .Prop("QXLeft", &TTestElement::QXLeft)
        .Prop("QXTop", &TTestElement::QXTop)
        .Prop("QXWidth", &TTestElement::QXWidth)
        .Prop("QXHeight", &TTestElement::QXHeight)
        .Prop("Align", &TTestElement::Align)
        .Prop("Visible", &TTestElement::Visible)
        .Prop("QXParent", &TTestElement::QXParent)
        .Prop("OnPrint", &TTestElement::OnPrint)
        .Build();
    return info;
}

const TClassInfo& TTestBand::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TTestBand>("TTestBand").Build();
    return info;
}

const TClassInfo& TTestLabel::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TTestLabel>("TTestLabel")
        .Prop("Caption", &TTestLabel::Caption)
        .Prop("Style", &TTestLabel::Style)
        .Prop("Ratio", &TTestLabel::Ratio)
        .Build();
    return info;
}

const TClassInfo& TTestPaper::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TTestPaper>("TTestPaper")
        .Prop("QXLeftMargin", &TTestPaper::QXLeftMargin)
        .Prop("Title", &TTestPaper::Title)
        .Build();
    return info;
}

void TTestPaper::GetChildren(const std::function<void(TComponent*)>& Proc, TComponent*)
{
    for (int i = 0; i < ComponentCount(); ++i)
        Proc(Components(i));
}

const TClassInfo& TTestFont::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TTestFont>("TTestFont")
        .Prop("Name", &TTestFont::Name)
        .Prop("Height", &TTestFont::Height)
        .Build();
    return info;
}

TDesignLabel::TDesignLabel(TComponent* AOwner) : TTestLabel(AOwner), Font(new TTestFont) {}

TDesignLabel::~TDesignLabel()
{
    delete Font;
}

const TClassInfo& TDesignLabel::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TDesignLabel>("TTestLabel")
        .Prop("MMLeft", &TDesignLabel::MMLeft)
        .Prop("Font", &TDesignLabel::Font)
        .Prop("TextHeight", &TDesignLabel::TextHeight)
        .Build();
    return info;
}

const TClassInfo& TDesignPaper::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TDesignPaper>("TTestPaper")
        .Prop("PixelsPerInch", &TDesignPaper::PixelsPerInch)
        .Prop("TextHeight", &TDesignPaper::TextHeight)
        .Method("Label1Print", &TDesignPaper::Label1Print)
        .Build();
    return info;
}

const TClassInfo& TDesignGrid::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TDesignGrid>("TDesignGrid")
        .Prop("GridSize", &TDesignGrid::GridSize)
        .Build();
    return info;
}

QByteArray SamplePage(const QString& Title, int Labels)
{
    TTestPaper paper(nullptr);
    paper.SetName(QStringLiteral("Paper"));
    paper.Title = Title;
    paper.QXLeftMargin = 1000;
    auto* band = new TTestBand(&paper);
    band->SetName(QStringLiteral("Band1"));
    band->QXHeight = 2500;
    band->Align = taTop;
    for (int i = 0; i < Labels; ++i) {
        auto* label = new TTestLabel(&paper);
        label->SetName(QStringLiteral("Label%1").arg(i + 1));
        label->QXParent = band;
        label->QXLeft = 100 + 40000 * i;
        label->QXTop = -300 * i;
        label->QXWidth = 2000;
        label->QXHeight = 500;
        label->Visible = i % 2 == 0;
        label->Caption = QStringLiteral("Caption %1 of %2").arg(i + 1).arg(Title);
        label->Style = TTestFontStyles{tfBold, tfUnderline};
        label->Ratio = 0.25 * i;
    }
    return StreamOf(paper);
}

void FillSampleHost(TQXHost& Host)
{
    Host.SetQXLeftMargin(1000);
    Host.SetQXTopMargin(1500);
    Host.SetQXRightMargin(1000);
    Host.SetQXBottomMargin(1500);
    Host.SetQXWidth(21000);
    Host.SetQXHeight(29700);
    Host.SetOrientation(classlib::poLandscape);
    Host.SetPaperSize(9);
    Host.SetPageOrder(QStringLiteral("P0Title\r\nP1Detail"));
    for (const char* name : {"Title", "Detail"}) {
        TBytesStream page(SamplePage(QString::fromLatin1(name), 3));
        Host.AddPage(QString::fromLatin1(name), page);
    }
}

} // namespace runtime::tests
