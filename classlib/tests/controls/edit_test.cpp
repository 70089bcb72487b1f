// Edits typed into as a person would: keys and characters reach the
// control's handlers before the edit, limits, read-only text, the
// clipboard keys, the modified flag and the focus events.

#include "classlib/controls/edit.h"
#include "classlib/controls/form.h"
#include "handlers.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QStringList>
#include <QTest>

#include <gtest/gtest.h>

namespace classlib {
namespace {

using testing::Bind;

// Swallows Enter, Escape and line feed, and types every 'q' as 'Q'.
class TQuietEdit : public TEdit {
public:
    using TEdit::TEdit;

protected:
    void KeyPress(QChar& Key) override
    {
        TEdit::KeyPress(Key);
        if (Key == QLatin1Char('\r') || Key == QChar(0x1B) || Key == QLatin1Char('\n'))
            Key = QChar();
        else if (Key == QLatin1Char('q'))
            Key = QLatin1Char('Q');
    }
};

struct TEditFixture : ::testing::Test {
    TForm form{nullptr};
    TQuietEdit* edit = new TQuietEdit(&form);
    TEdit* other = new TEdit(&form);

    TEditFixture()
    {
        form.SetBounds(0, 0, 300, 120);
        edit->SetParent(&form);
        other->SetParent(&form);
        other->SetTop(40);
        form.Show();
        form.Widget()->activateWindow();
        (void)QTest::qWaitForWindowActive(form.Widget());
        edit->SetFocus();
    }
    QWidget* W() const { return edit->Widget(); }
};

TEST_F(TEditFixture, HandlersSeeKeysFirstAndMayChangeOrSwallowThem)
{
    QStringList keys;
    Bind(edit->OnKeyDown, [&](TObject*, unsigned& Key, TShiftState) {
        keys << QString::number(Key, 16);
        if (Key == VK_DELETE)
            Key = 0;
    });
    QTest::keyClicks(W(), QStringLiteral("aqb"));
    QTest::keyClick(W(), Qt::Key_Return);
    QTest::keyClick(W(), Qt::Key_Escape);
    EXPECT_EQ(edit->Text(), QStringLiteral("aQb"));
    EXPECT_EQ(keys, (QStringList{"41", "51", "42", "d", "1b"}));

    QTest::keyClick(W(), Qt::Key_Home);
    QTest::keyClick(W(), Qt::Key_Delete);  // swallowed by the handler
    EXPECT_EQ(edit->Text(), QStringLiteral("aQb"));
    QTest::keyClick(W(), Qt::Key_Right);
    QTest::keyClick(W(), Qt::Key_Backspace);
    EXPECT_EQ(edit->Text(), QStringLiteral("Qb"));
}

TEST_F(TEditFixture, TypingMarksTheTextModifiedAndCodeClearsIt)
{
    int changes = 0;
    Bind(edit->OnChange, [&](TObject* Sender) {
        EXPECT_EQ(Sender, edit);
        ++changes;
    });
    edit->SetText(QStringLiteral("Label1"));
    EXPECT_FALSE(edit->Modified());
    EXPECT_EQ(changes, 1);
    QTest::keyClick(W(), Qt::Key_End);
    QTest::keyClick(W(), Qt::Key_2);
    EXPECT_TRUE(edit->Modified());
    EXPECT_EQ(changes, 2);
    edit->SetText(QStringLiteral("Label12"));  // the same text: no change
    EXPECT_FALSE(edit->Modified());
    EXPECT_EQ(changes, 2);
}

TEST_F(TEditFixture, MaxLengthHoldsBackTypingButKeepsLongerTextSetByCode)
{
    const struct {
        const char* Name;
        int Limit;
        const char* Start;
        const char* Typed;
        const char* Result;
    } cases[] = {
        {"no limit", 0, "", "abcdef", "abcdef"},
        {"stops at the limit", 3, "", "abcdef", "abc"},
        {"longer text stays", 2, "abcd", "xy", "abcd"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        edit->SetText(QString::fromLatin1(c.Start));
        edit->SetMaxLength(c.Limit);
        QTest::keyClick(W(), Qt::Key_End);
        QTest::keyClicks(W(), QString::fromLatin1(c.Typed));
        EXPECT_EQ(edit->Text(), QString::fromLatin1(c.Result));
    }
    QTest::keyClick(W(), Qt::Key_Backspace);  // shortening text over the limit
    EXPECT_EQ(edit->Text(), QStringLiteral("abc"));
}

TEST_F(TEditFixture, ClipboardKeysCopyCutAndPasteUnlessReadOnly)
{
    QClipboard* clip = QApplication::clipboard();
    const struct {
        const char* Name;
        Qt::Key Key;
        Qt::KeyboardModifiers Mods;
        bool ReadOnly;
        const char* Text;
        const char* Clip;
    } cases[] = {
        {"Ctrl+C copies", Qt::Key_C, Qt::ControlModifier, false, "Caption", "Caption"},
        {"Ctrl+Insert copies", Qt::Key_Insert, Qt::ControlModifier, false, "Caption", "Caption"},
        {"Ctrl+X cuts", Qt::Key_X, Qt::ControlModifier, false, "", "Caption"},
        {"Shift+Delete cuts", Qt::Key_Delete, Qt::ShiftModifier, false, "", "Caption"},
        {"Ctrl+V pastes", Qt::Key_V, Qt::ControlModifier, false, "clip", "clip"},
        {"Shift+Insert pastes", Qt::Key_Insert, Qt::ShiftModifier, false, "clip", "clip"},
        {"read-only copies", Qt::Key_C, Qt::ControlModifier, true, "Caption", "Caption"},
        {"read-only cuts nothing", Qt::Key_X, Qt::ControlModifier, true, "Caption", "Caption"},
        {"read-only pastes nothing", Qt::Key_V, Qt::ControlModifier, true, "Caption", "clip"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        edit->SetReadOnly(c.ReadOnly);
        edit->SetText(QStringLiteral("Caption"));
        edit->SelectAll();
        clip->setText(QStringLiteral("clip"));
        QTest::keyClick(W(), c.Key, c.Mods);
        EXPECT_EQ(edit->Text(), QString::fromLatin1(c.Text));
        EXPECT_EQ(clip->text(), QString::fromLatin1(c.Clip));
        // Only a change the user made counts.
        EXPECT_EQ(edit->Modified(), QString::fromLatin1(c.Text) != QStringLiteral("Caption"));
    }
    edit->SetReadOnly(true);
    edit->SetText(QStringLiteral("fixed"));
    QTest::keyClicks(W(), QStringLiteral("xyz"));
    EXPECT_EQ(edit->Text(), QStringLiteral("fixed"));
    EXPECT_FALSE(edit->Modified());
}

TEST_F(TEditFixture, SelectAllSelectsTheTextThatTypingReplaces)
{
    edit->SetText(QStringLiteral("Memo1"));
    edit->SelectAll();
    EXPECT_EQ(edit->SelStart(), 0);
    EXPECT_EQ(edit->SelLength(), 5);
    EXPECT_EQ(edit->SelText(), QStringLiteral("Memo1"));
    QTest::keyClick(W(), Qt::Key_X);
    EXPECT_EQ(edit->Text(), QStringLiteral("x"));
}

TEST_F(TEditFixture, FocusFiresEnterAndExitAndADoubleClickReachesTheControl)
{
    QStringList log;
    Bind(other->OnEnter, [&](TObject*) { log << "enter"; });
    Bind(other->OnExit, [&](TObject*) { log << "exit"; });
    Bind(other->OnDblClick, [&](TObject*) { log << "dblclick"; });
    other->SetFocus();
    edit->SetFocus();
    EXPECT_EQ(log, (QStringList{"enter", "exit"}));
    log.clear();
    other->SetText(QStringLiteral("word"));
    QTest::mouseDClick(other->Widget(), Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(log, (QStringList{"enter", "dblclick"}));
}

TEST_F(TEditFixture, BorderStyleAndColourReachTheWidget)
{
    auto* line = static_cast<QLineEdit*>(edit->Widget());
    EXPECT_TRUE(line->hasFrame());
    edit->SetBorderStyle(bsNone);
    EXPECT_FALSE(line->hasFrame());
    edit->SetColor(clRed);
    EXPECT_EQ(line->palette().color(QPalette::Base), QColor(Qt::red));
    edit->Font()->SetColor(clBlue);
    EXPECT_EQ(line->palette().color(QPalette::Text), QColor(Qt::blue));
}

TEST(Edit, PublishesItsSettingsAndEvents)
{
    const TClassInfo& info = TEdit::StaticClass();
    for (const char* name : {"Text", "ReadOnly", "MaxLength", "OnChange", "OnEnter", "OnExit"})
        EXPECT_NE(info.FindProp(QString::fromLatin1(name)), nullptr) << name;
    EXPECT_EQ(info.FindProp(u"OnChange")->Kind(), TTypeKind::tkMethod);
}

} // namespace
} // namespace classlib
