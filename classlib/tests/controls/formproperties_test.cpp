// The stored properties of a form: their order, defaults and round trip.

#include "classlib/controls/form.h"
#include "classlib/core/reader.h"
#include "classlib/core/streams.h"
#include "classlib/core/writer.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace classlib {
namespace {

const char* const FormProps[] = {"BorderIcons",   "BorderStyle", "Constraints",   "FormStyle",
                                 "HelpContext",   "HelpFile",    "HorzScrollBar", "KeyPreview",
                                 "PixelsPerInch", "Position",    "PrintScale",    "Scaled",
                                 "VertScrollBar", "WindowState"};

QByteArray Stored(TForm& Form)
{
    TMemoryStream stream;
    WriteComponentToStream(stream, &Form);
    return stream.Bytes();
}

TEST(FormProperties, StandInTheTypeTableInOrderAfterTheCaption)
{
    QStringList names;
    for (const TPropInfo* p : TForm::StaticClass().Props())
        names << p->Name;
    qsizetype at = names.indexOf(QStringLiteral("Caption"));
    ASSERT_GE(at, 0);
    for (const char* name : FormProps) {
        EXPECT_EQ(names.value(++at), QLatin1String(name));
    }
}

TEST(FormProperties, DefaultsAreNotStoredAndChangedValuesComeBack)
{
    TForm plain(nullptr);
    const QByteArray bytes = Stored(plain);
    for (const char* name : FormProps)
        EXPECT_FALSE(bytes.contains(name)) << name;

    TForm form(nullptr);
    form.SetBorderIcons({biSystemMenu, biHelp});
    form.SetBorderStyle(bsDialog);
    form.Constraints()->SetMinWidth(320);
    form.SetFormStyle(fsStayOnTop);
    form.SetHelpContext(100);
    form.SetHelpFile(QStringLiteral("report.hlp"));
    form.HorzScrollBar()->SetRange(640);
    form.VertScrollBar()->SetVisible(false);
    form.SetKeyPreview(true);
    form.SetPixelsPerInch(120);
    form.SetPosition(poScreenCenter);
    form.SetPrintScale(poPrintToFit);
    form.SetScaled(false);
    form.SetWindowState(wsMaximized);
    const QByteArray changed = Stored(form);
    for (const char* name : FormProps)
        EXPECT_TRUE(changed.contains(name)) << name;

    TForm back(nullptr);
    TBytesStream in(changed);
    ReadComponentFromStream(in, &back);
    EXPECT_EQ(back.BorderIcons(), (TBorderIcons{biSystemMenu, biHelp}));
    EXPECT_EQ(back.BorderStyle(), bsDialog);
    EXPECT_EQ(back.Constraints()->MinWidth(), 320);
    EXPECT_EQ(back.Constraints()->MaxWidth(), 0);
    EXPECT_EQ(back.FormStyle(), fsStayOnTop);
    EXPECT_EQ(back.HelpContext(), 100);
    EXPECT_EQ(back.HelpFile(), QStringLiteral("report.hlp"));
    EXPECT_EQ(back.HorzScrollBar()->Range(), 640);
    EXPECT_TRUE(back.HorzScrollBar()->Visible());
    EXPECT_FALSE(back.VertScrollBar()->Visible());
    EXPECT_TRUE(back.KeyPreview());
    EXPECT_EQ(back.PixelsPerInch(), 120);
    EXPECT_EQ(back.Position(), poScreenCenter);
    EXPECT_EQ(back.PrintScale(), poPrintToFit);
    EXPECT_FALSE(back.Scaled());
    EXPECT_EQ(back.WindowState(), wsMaximized);
    // A form's border style draws nothing inside the window.
    EXPECT_EQ(back.ClientRect(), Rect(0, 0, back.Width(), back.Height()));
}

} // namespace
} // namespace classlib
