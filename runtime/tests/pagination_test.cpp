// A whole document paginated: a page written as the designer writes it, a
// title and a band with one cell, fed 10,000 rows by the application.

#include "runtime/band.h"
#include "runtime/host.h"
#include "runtime/label.h"
#include "runtime/paper.h"
#include "runtime/report.h"
#include "runtime/reportclasses.h"
#include "runtime/tests/designerpage.h"
#include "runtime/tests/pageloop.h"

#include "classlib/core/classbuilder.h"
#include "classlib/core/streams.h"

#include <gtest/gtest.h>

#include <memory>

using namespace classlib;
using namespace runtime;
using namespace runtime::tests;

namespace {

// The application: a list of rows, the cursor moving on once a row has
// been printed.
class TListForm : public TComponent {
    QX_CLASS(TListForm, TComponent)
public:
    using TComponent::TComponent;
    QStringList Data;
    int Next = 0;

    void RowsAskData(TObject*, bool& NeedData) { NeedData = Next < Data.size(); }
    void RowsAfterPrint(TObject*) { ++Next; }
    void CellGetText(TObject*, QString& Text) { Text = Data.value(Next); }
};

} // namespace

const TClassInfo& TListForm::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TListForm>("TListForm")
        .Method("RowsAskData", &TListForm::RowsAskData)
        .Method("RowsAfterPrint", &TListForm::RowsAfterPrint)
        .Method("CellGetText", &TListForm::CellGetText)
        .Build();
    return info;
}

namespace {

void FillHost(TQXHost& Host)
{
    Host.SetQXWidth(21000);
    Host.SetQXHeight(29700);
    for (auto set : {&TQXHost::SetQXLeftMargin, &TQXHost::SetQXTopMargin, &TQXHost::SetQXRightMargin,
                     &TQXHost::SetQXBottomMargin})
        (Host.*set)(1000);
    TDsgPaper design(nullptr);
    design.SetName(QStringLiteral("Customers"));
    auto* title = AddDsg<TDsgLabel>(design, QStringLiteral("Title"), nullptr);
    title->Align = alTop;
    title->QXHeight = 1000;
    title->QXWidth = 19000;
    title->Caption = QStringLiteral("Customer list");
    auto* band = AddDsg<TDsgBand>(design, QStringLiteral("Rows"), nullptr);
    band->Align = alTop;
    band->QXTop = 1000;
    band->QXHeight = 500;
    auto* cell = AddDsg<TDsgLabel>(design, QStringLiteral("Cell"), band);
    cell->QXParent = band;
    cell->QXLeft = 100;
    cell->QXWidth = 15000;
    cell->QXHeight = 450;
    cell->Caption = QStringLiteral("designed");
    const QByteArray bytes = WriteDesignerPage(design);
    TMemoryStream stream;
    stream.WriteBuffer(bytes.constData(), bytes.size());
    stream.SetPosition(0);
    Host.AddPage(design.Name(), stream);
}

std::unique_ptr<TQXPaper> LoadPaper(TQXHost& Host, int Index)
{
    auto paper = std::make_unique<TQXPaper>(nullptr);
    paper->SetQXLeftMargin(Host.QXLeftMargin());
    paper->SetQXTopMargin(Host.QXTopMargin());
    paper->SetQXRightMargin(Host.QXRightMargin());
    paper->SetQXBottomMargin(Host.QXBottomMargin());
    paper->SetOrientation(Host.Orientation());
    paper->SetBounds(0, 0, Host.QXWidth(), Host.QXHeight());
    Host.LoadPage(paper.get(), Index);
    return paper;
}

void Bind(TQXControl* Element, const char* Event, TListForm& Form, const char* Method)
{
    const TMethodInfo* code = TListForm::StaticClass().FindMethod(QString::fromLatin1(Method));
    ASSERT_NE(code, nullptr);
    Element->ClassType()->FindProp(QString::fromLatin1(Event))->SetMethod(*Element, TMethod{code, &Form});
}

TEST(Pagination, TenThousandRowsFillTheirPagesInOrder)
{
    constexpr int rowCount = 10000;
    // (27700 content - 1000 title) / 500 per row, rounded down.
    constexpr int rowsPerPage = 53;
    constexpr int pageCount = (rowCount + rowsPerPage - 1) / rowsPerPage;  // 189

    TQXHost host(nullptr);
    FillHost(host);
    TQXReport report(nullptr);
    TListForm form(nullptr);
    for (int i = 0; i < rowCount; ++i) form.Data << QStringLiteral("Customer %1").arg(i + 1, 5, 10, QLatin1Char('0'));

    std::unique_ptr<TQXPaper> paper = LoadPaper(host, 0);
    paper->SetReport(&report);
    auto* rows = dynamic_cast<TQXBand*>(paper->FindComponent(QStringLiteral("Rows")));
    auto* cell = dynamic_cast<TQXLabel*>(paper->FindComponent(QStringLiteral("Cell")));
    ASSERT_NE(rows, nullptr);
    ASSERT_NE(cell, nullptr);
    Bind(rows, "AskData", form, "RowsAskData");
    Bind(rows, "AfterPrint", form, "RowsAfterPrint");
    Bind(cell, "GetText", form, "CellGetText");

    const auto pages = RenderPaper(*paper, pageCount + 5);
    ASSERT_EQ(int(pages.size()), pageCount);
    EXPECT_EQ(form.Next, rowCount);
    for (int p = 0; p < pageCount; ++p) {
        const int first = p * rowsPerPage;
        const int count = std::min(rowsPerPage, rowCount - first);
        const QStringList expected = QStringList{QStringLiteral("Customer list")} + form.Data.mid(first, count);
        const QStringList texts = PageTexts(pages[size_t(p)].Emf);
        ASSERT_EQ(texts, expected) << "page " << p + 1;
        EXPECT_TRUE(pages[size_t(p)].HasPrintable);
    }
    EXPECT_EQ(paper->ControlCount(), 2);  // title and template: every row went with its page
}

} // namespace
