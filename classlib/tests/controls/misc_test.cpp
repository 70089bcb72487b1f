// Window positions in the registry, name=value fields, the silent abort.

#include "classlib/controls/form.h"
#include "classlib/controls/misc.h"
#include "classlib/system/registry.h"

#include "classlib/tests/errorof.h"
#include "classlib/tests/tempconfig.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <limits>

namespace classlib {
namespace {

using test::ErrorOf;
using test::TTempConfig;

const QString Key = QStringLiteral("\\Software\\Vorn\\Tessary\\1.12\\Main");

QRect ScreenArea()
{
    return QGuiApplication::primaryScreen()->availableVirtualGeometry();
}

TRect BoundsOf(const TForm& Form)
{
    return Bounds(Form.Left(), Form.Top(), Form.Width(), Form.Height());
}

// The six values as SaveWindowPos writes them.
void StorePosition(bool Visible, int State, int Left, int Top, int Width, int Height)
{
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(Key, true));
    reg.WriteBool("Visible", Visible);
    reg.WriteInteger("Window State", State);
    reg.WriteInteger("Left", Left);
    reg.WriteInteger("Top", Top);
    reg.WriteInteger("Width", Width);
    reg.WriteInteger("Height", Height);
}

void Load(TForm& Form, bool IgnoreVisible)
{
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(Key, true));
    LoadWindowPos(&Form, &reg, IgnoreVisible);
}

TEST(Misc, PositionSurvivesARestart)
{
    const TTempConfig config;
    {
        TForm form(nullptr);
        form.SetBounds(50, 60, 300, 200);
        form.Show();
        TRegistry reg;
        ASSERT_TRUE(reg.OpenKey(Key, true));
        SaveWindowPos(&form, &reg);
    }
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKeyReadOnly(Key));
    EXPECT_TRUE(reg.ReadBool("Visible"));
    EXPECT_EQ(reg.ReadInteger("Window State"), 0);
    EXPECT_EQ(reg.ReadInteger("Left"), 50);
    EXPECT_EQ(reg.ReadInteger("Top"), 60);
    EXPECT_EQ(reg.ReadInteger("Width"), 300);
    EXPECT_EQ(reg.ReadInteger("Height"), 200);

    for (const bool ignoreVisible : {true, false}) {
        SCOPED_TRACE(ignoreVisible);
        TForm form(nullptr);
        form.SetBounds(0, 0, 100, 100);
        form.Hide();
        LoadWindowPos(&form, &reg, ignoreVisible);
        EXPECT_EQ(BoundsOf(form), Bounds(50, 60, 300, 200));
        EXPECT_EQ(form.Visible(), !ignoreVisible);
        // The window itself opens where the bounds say.
        EXPECT_EQ(form.Widget()->isVisible(), !ignoreVisible);
        if (!ignoreVisible) {
            EXPECT_EQ(form.Widget()->pos(), QPoint(50, 60));
        }
    }
}

TEST(Misc, VisibleIsStoredAsTheWindowShows)
{
    const TTempConfig config;
    TForm form(nullptr);
    form.SetBounds(50, 60, 300, 200);
    const auto stored = [&form] {
        TRegistry reg;
        EXPECT_TRUE(reg.OpenKey(Key, true));
        SaveWindowPos(&form, &reg);
        return reg.ReadBool("Visible");
    };
    EXPECT_FALSE(stored());  // never shown
    form.Show();
    EXPECT_TRUE(stored());
    form.Close();
    EXPECT_FALSE(stored());
    // Visible set without showing opens no window: none is stored.
    form.SetVisible(true);
    EXPECT_FALSE(stored());
}

TEST(Misc, AMaximisedOrMinimisedWindowStoresItsRestoredBounds)
{
    const struct {
        TWindowState state;
        int stored;
    } rows[] = {{wsMaximized, 2}, {wsMinimized, 1}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.stored);
        const TTempConfig config;
        {
            TForm form(nullptr);
            form.SetBounds(40, 30, 320, 240);
            form.Show();
            form.SetWindowState(row.state);
            TRegistry reg;
            ASSERT_TRUE(reg.OpenKey(Key, true));
            SaveWindowPos(&form, &reg);
            EXPECT_EQ(reg.ReadInteger("Window State"), row.stored);
            EXPECT_EQ(reg.ReadInteger("Left"), 40);
            EXPECT_EQ(reg.ReadInteger("Top"), 30);
            EXPECT_EQ(reg.ReadInteger("Width"), 320);
            EXPECT_EQ(reg.ReadInteger("Height"), 240);
        }
        // Read into a window already shown elsewhere, which moves.
        TForm form(nullptr);
        form.SetBounds(200, 100, 100, 100);
        form.Show();
        Load(form, true);
        EXPECT_EQ(form.WindowState(), row.state);
        TRect restored;
        ASSERT_TRUE(form.GetNormalBounds(restored));
        EXPECT_EQ(restored, Bounds(40, 30, 320, 240));
    }
}

TEST(Misc, AFormWithoutItsOwnWindowIsMadeNormalAndWritesItsBounds)
{
    const TTempConfig config;
    TForm host(nullptr);
    TForm* inner = new TForm(&host);
    inner->SetParent(&host);
    inner->SetBounds(5, 6, 70, 80);
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(Key, true));
    SaveWindowPos(inner, &reg);
    EXPECT_EQ(inner->WindowState(), wsNormal);
    EXPECT_EQ(reg.ReadInteger("Left"), 5);
    EXPECT_EQ(reg.ReadInteger("Top"), 6);
    EXPECT_EQ(reg.ReadInteger("Width"), 70);
    EXPECT_EQ(reg.ReadInteger("Height"), 80);
}

// The first missing or ill-typed value ends the reading: what came before
// is set, what comes after keeps the form's own.
TEST(Misc, LoadStopsSilentlyAtTheFirstMissingOrIllTypedValue)
{
    const struct {
        const char* name;
        const char* broken;  // deleted, or made a string when Text is set
        bool asText;
        TRect want;
        bool stateSet;
        bool visibleSet;
    } rows[] = {
        {"nothing missing", nullptr, false, Bounds(50, 60, 300, 200), true, true},
        {"no Left", "Left", false, Bounds(10, 20, 100, 110), false, false},
        {"Left as text", "Left", true, Bounds(10, 20, 100, 110), false, false},
        {"no Width", "Width", false, Bounds(50, 60, 100, 110), false, false},
        {"Height as text", "Height", true, Bounds(50, 60, 300, 110), false, false},
        {"no Window State", "Window State", false, Bounds(50, 60, 300, 200), false, false},
        {"no Visible", "Visible", false, Bounds(50, 60, 300, 200), true, false},
        {"Visible as text", "Visible", true, Bounds(50, 60, 300, 200), true, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const TTempConfig config;
        StorePosition(false, 1, 50, 60, 300, 200);
        if (row.broken) {
            TRegistry reg;
            ASSERT_TRUE(reg.OpenKey(Key, false));
            if (row.asText)
                reg.WriteString(row.broken, "12");
            else
                ASSERT_TRUE(reg.DeleteValue(row.broken));
        }
        TForm form(nullptr);
        form.SetBounds(10, 20, 100, 110);
        form.Show();
        Load(form, false);
        EXPECT_EQ(BoundsOf(form), row.want);
        EXPECT_EQ(form.WindowState(), row.stateSet ? wsMinimized : wsNormal);
        EXPECT_EQ(form.Visible(), !row.visibleSet);
    }
}

// Only the registry's own errors are swallowed.
class TRefusingForm : public TForm {
public:
    using TForm::TForm;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override
    {
        if (Refuse)
            throw EInvalidOperation("refused");
        TForm::SetBounds(ALeft, ATop, AWidth, AHeight);
    }
    bool Refuse = false;
};

TEST(Misc, OtherErrorsWhileLoadingPassOn)
{
    const TTempConfig config;
    StorePosition(true, 0, 10, 10, 200, 100);
    TRefusingForm form(nullptr);
    form.Refuse = true;
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(Key, false));
    EXPECT_EQ(ErrorOf<EInvalidOperation>([&] { LoadWindowPos(&form, &reg, true); }), "refused");
}

TEST(Misc, StoredBoundsAreKeptOnTheScreen)
{
    const QRect area = ScreenArea();
    const int x = area.x(), y = area.y(), w = area.width(), h = area.height();
    const int big = std::numeric_limits<int>::max();
    const int small = std::numeric_limits<int>::min();
    const struct {
        const char* name;
        int left, top, width, height;  // as stored
        TRect want;
    } rows[] = {
        {"on the screen", x + 10, y + 20, 200, 100, Bounds(x + 10, y + 20, 200, 100)},
        {"off to the left and top", -5000, -5000, 200, 100, Bounds(x, y, 200, 100)},
        {"off to the right and bottom", x + w + 10, y + h - 50, 200, 100, Bounds(x + w - 200, y + h - 100, 200, 100)},
        {"wider and taller than the screen", 0, 0, 100000, 100000, Bounds(x, y, w, h)},
        {"no size", x, y, 0, 0, Bounds(x, y, MinWindowSize, MinWindowSize)},
        {"negative size", x + 5, y + 5, -300, -1, Bounds(x + 5, y + 5, MinWindowSize, MinWindowSize)},
        {"extremes", big, small, big, small, Bounds(x, y, w, MinWindowSize)},
        {"extremes the other way", small, big, small, big, Bounds(x, y, MinWindowSize, h)},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const TTempConfig config;
        StorePosition(true, 0, row.left, row.top, row.width, row.height);
        TForm form(nullptr);
        Load(form, true);
        EXPECT_EQ(BoundsOf(form), row.want);
    }
}

TEST(Misc, AnUnknownWindowStateIsNormal)
{
    const struct {
        int stored;
        TWindowState want;
    } rows[] = {
        {0, wsNormal}, {1, wsMinimized}, {2, wsMaximized}, {3, wsNormal}, {-1, wsNormal}, {0x7FFFFFFF, wsNormal},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.stored);
        const TTempConfig config;
        StorePosition(true, row.stored, 10, 10, 200, 100);
        TForm form(nullptr);
        form.Show();
        Load(form, true);
        EXPECT_EQ(form.WindowState(), row.want);
    }
}

TEST(Misc, FieldValues)
{
    const QString band = QStringLiteral("break=1\r\nwidth=300\r\nheight=26\r\ncontrol=tbrStandard\r\n");
    const struct {
        const char* name;
        QString text;
        const char* field;
        const char* want;
    } reads[] = {
        {"first", band, "break", "1"},
        {"last", band, "control", "tbrStandard"},
        {"other case", band, "WIDTH", "300"},
        {"absent", band, "color", ""},
        {"empty text", QString(), "width", ""},
        {"LF lines", QStringLiteral("a=1\nb=2"), "b", "2"},
        {"value with equals", QStringLiteral("a=x=y\r\n"), "a", "x=y"},
        {"line without equals", QStringLiteral("width\r\nwidth=5\r\n"), "width", "5"},
        {"prefix of a name", QStringLiteral("widths=1\r\n"), "width", ""},
    };
    for (const auto& row : reads)
        EXPECT_EQ(GetFieldValue(row.text, row.field), row.want) << row.name;

    const struct {
        const char* name;
        QString text;
        const char* field;
        const char* value;
        const char* want;
    } writes[] = {
        {"append to empty", QString(), "width", "300", "width=300\r\n"},
        {"replace in place", band, "Width", "120", "break=1\r\nWidth=120\r\nheight=26\r\ncontrol=tbrStandard\r\n"},
        {"append a new name", QStringLiteral("a=1"), "b", "2", "a=1\r\nb=2\r\n"},
        {"line ends made CR LF", QStringLiteral("a=1\nb=2\r"), "a", "3", "a=3\r\nb=2\r\n"},
        {"empty value removes the line", QStringLiteral("a=1\r\nb=2\r\n"), "a", "", "b=2\r\n"},
    };
    for (const auto& row : writes) {
        QString text = row.text;
        SetFieldValue(text, row.field, row.value);
        EXPECT_EQ(text, row.want) << row.name;
    }
}

TEST(Misc, RaiseAbortIsTheSilentAbort)
{
    EXPECT_EQ(ErrorOf<EAbort>([] { RaiseAbort(); }), "Operation aborted");
}

} // namespace
} // namespace classlib
