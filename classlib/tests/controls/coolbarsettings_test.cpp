// The layout of a cool bar written to and read from settings: the band
// values, controls moved between bands, and values that do not read.

#include "classlib/controls/coolbarsettings.h"
#include "classlib/controls/form.h"
#include "classlib/controls/toolbar.h"

#include <QMap>

#include <gtest/gtest.h>

namespace classlib {
namespace {

// Stands in for the settings store: strings by name, "" when missing.
struct TStringStore {
    QMap<QString, QString> Values;
    void WriteString(const QString& Name, const QString& Value) { Values[Name] = Value; }
    QString ReadString(const QString& Name) const { return Values.value(Name); }
};

struct TMainBands {
    TForm Form{nullptr};
    TCoolBar* Bar = new TCoolBar(&Form);
    TToolBar* Standard = new TToolBar(&Form);
    TToolBar* Components = new TToolBar(&Form);

    TMainBands()
    {
        Form.SetBounds(0, 0, 600, 200);
        Standard->SetName(QStringLiteral("tbrStandard"));
        Components->SetName(QStringLiteral("tbrComponents"));
        Bar->SetParent(&Form);
        Bar->SetAlign(alTop);
        Bar->SetAutoSize(true);
        TCoolBand* first = Bar->Bands()->Add();
        first->SetControl(Standard);
        first->SetMinHeight(22);
        first->SetWidth(300);
        TCoolBand* second = Bar->Bands()->Add();
        second->SetControl(Components);
        second->SetMinHeight(30);
        second->SetBreak(false);
        second->SetWidth(250);
    }
    TCoolBand* Band(int Index) const { return Bar->Bands()->Items(Index); }
};

TEST(CoolBarSettings, EachBandIsWrittenAsLines)
{
    TMainBands m;
    TStringStore store;
    SaveCoolBar(m.Bar, store);
    EXPECT_EQ(store.Values.size(), 2);
    EXPECT_EQ(store.ReadString("band0"), QStringLiteral("break=1\r\nwidth=300\r\nheight=22\r\ncontrol=tbrStandard\r\n"));
    EXPECT_EQ(store.ReadString("band1"), QStringLiteral("width=250\r\nheight=30\r\ncontrol=tbrComponents\r\n"));
    m.Band(1)->SetControl(nullptr);
    EXPECT_EQ(CoolBandValue(m.Band(1)), QStringLiteral("width=250\r\nheight=30\r\n"));
}

TEST(CoolBarSettings, ReadingGivesTheBandsBack)
{
    struct {
        const char* Name;
        const char* Band0;
        const char* Band1;
        TToolBar* TMainBands::*Control0;
        int Width0, Height0, Height1;
        bool Break1;
    } cases[] = {
        {"nothing stored: as laid out", "", "", &TMainBands::Standard, 300, 22, 30, false},
        {"sizes and a break", "break=1\r\nwidth=120\r\nheight=24\r\ncontrol=tbrStandard\r\n",
         "break=1\r\nwidth=90\r\nheight=33\r\ncontrol=tbrComponents\r\n", &TMainBands::Standard, 120, 24, 33, true},
        {"swapped bars take their heights along",
         "break=1\r\nwidth=200\r\nheight=30\r\ncontrol=tbrComponents\r\n",
         "width=250\r\nheight=22\r\ncontrol=TBRSTANDARD\r\n", &TMainBands::Components, 200, 30, 22, false},
        {"numbers that do not read keep the band's", "width=wide\r\nheight=\r\ncontrol=tbrStandard\r\n", "",
         &TMainBands::Standard, 300, 30, 30, false},
        {"sizes beyond reason are clamped", "width=-40\r\nheight=99999999\r\ncontrol=tbrStandard\r\n", "",
         &TMainBands::Standard, CoolGripWidth + 2 * CoolBandMargin, 8192, 30, false},
        {"an unknown control: only the height", "width=77\r\nheight=26\r\ncontrol=tbrOther\r\n", "",
         &TMainBands::Standard, 300, 26, 30, false},
        {"lines ended by LF alone", "width=150\nheight=22\ncontrol=tbrStandard\n", "", &TMainBands::Standard,
         150, 22, 30, false},
    };
    for (const auto& c : cases) {
        TMainBands m;
        TStringStore store;
        store.Values["band0"] = QString::fromLatin1(c.Band0);
        store.Values["band1"] = QString::fromLatin1(c.Band1);
        LoadCoolBar(m.Bar, store);
        EXPECT_EQ(m.Band(0)->Control(), m.*c.Control0) << c.Name;
        EXPECT_EQ(m.Band(0)->Width(), c.Width0) << c.Name;
        EXPECT_EQ(m.Band(0)->MinHeight(), c.Height0) << c.Name;
        EXPECT_EQ(m.Band(1)->MinHeight(), c.Height1) << c.Name;
        EXPECT_EQ(m.Band(1)->Break(), c.Break1) << c.Name;
    }
}

TEST(CoolBarSettings, AWrittenLayoutReadsBackTheSame)
{
    // The bars swapped, each with its height, on two rows.
    TMainBands saved;
    saved.Band(0)->SetControl(saved.Components);
    saved.Band(0)->SetMinHeight(30);
    saved.Band(0)->SetWidth(180);
    saved.Band(1)->SetControl(saved.Standard);
    saved.Band(1)->SetMinHeight(22);
    saved.Band(1)->SetBreak(true);
    TStringStore store;
    SaveCoolBar(saved.Bar, store);

    TMainBands read;
    LoadCoolBar(read.Bar, store);
    EXPECT_EQ(read.Band(0)->Control(), read.Components);
    EXPECT_EQ(read.Band(1)->Control(), read.Standard);
    EXPECT_EQ(read.Bar->RowCount(), 2);
    EXPECT_EQ(read.Bar->Height(), 34 + 26);
    TStringStore again;
    SaveCoolBar(read.Bar, again);
    EXPECT_EQ(again.Values, store.Values);
}

} // namespace
} // namespace classlib
