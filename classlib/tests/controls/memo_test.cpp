// Memos typed into as a person would: lines kept in step with the text
// both ways, keys seen by the control first, read-only text, the look.

#include "classlib/controls/form.h"
#include "classlib/controls/memo.h"
#include "handlers.h"

#include <QPlainTextEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace classlib {
namespace {

using testing::Bind;

struct TMemoFixture : ::testing::Test {
    TForm form{nullptr};
    TMemo* memo = new TMemo(&form);
    int changes = 0;

    TMemoFixture()
    {
        form.SetBounds(0, 0, 300, 200);
        memo->SetParent(&form);
        Bind(memo->OnChange, [this](TObject*) { ++changes; });
        form.Show();
        form.Widget()->activateWindow();
        (void)QTest::qWaitForWindowActive(form.Widget());
        memo->SetFocus();
    }
    QPlainTextEdit* Editor() const { return static_cast<QPlainTextEdit*>(memo->Widget()); }
};

TEST_F(TMemoFixture, LinesAndTextStayInStepBothWays)
{
    memo->Lines()->Add(QStringLiteral("Value out of range"));
    memo->Lines()->Add(QStringLiteral("second"));
    EXPECT_EQ(Editor()->toPlainText(), QStringLiteral("Value out of range\nsecond"));
    EXPECT_EQ(memo->Text(), QStringLiteral("Value out of range\r\nsecond"));
    EXPECT_EQ(changes, 2);

    QTest::keyClick(Editor(), Qt::Key_End, Qt::ControlModifier);
    QTest::keyClick(Editor(), Qt::Key_Return);
    QTest::keyClicks(Editor(), QStringLiteral("third"));
    ASSERT_EQ(memo->Lines()->Count(), 3);
    EXPECT_EQ(memo->Lines()->Get(2), QStringLiteral("third"));

    memo->SetText(QStringLiteral("one\r\ntwo"));
    EXPECT_EQ(Editor()->toPlainText(), QStringLiteral("one\ntwo"));
    EXPECT_EQ(memo->Lines()->Count(), 2);
}

TEST_F(TMemoFixture, KeysReachTheControlFirstAndReadOnlyTextStays)
{
    Bind(memo->OnKeyPress, [](TObject*, QChar& Key) {
        if (Key == QLatin1Char('x'))
            Key = QChar();
    });
    QTest::keyClicks(Editor(), QStringLiteral("axb"));
    EXPECT_EQ(memo->Text(), QStringLiteral("ab"));
    memo->SetReadOnly(true);
    QTest::keyClicks(Editor(), QStringLiteral("cd"));
    QTest::keyClick(Editor(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(memo->Text(), QStringLiteral("ab"));
}

TEST_F(TMemoFixture, BorderColourAndFontColourReachTheWidget)
{
    EXPECT_NE(Editor()->frameShape(), QFrame::NoFrame);
    memo->SetBorderStyle(bsNone);
    EXPECT_EQ(Editor()->frameShape(), QFrame::NoFrame);
    memo->SetColor(clBtnFace);
    memo->Font()->SetColor(TColor(255));  // red, as an error shows
    EXPECT_EQ(Editor()->palette().color(QPalette::Text), QColor(Qt::red));
    memo->SetScrollBars(ssVertical);
    EXPECT_EQ(Editor()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(Editor()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
}

TEST(Memo, PublishesItsSettingsAndEvents)
{
    const TClassInfo& info = TMemo::StaticClass();
    for (const char* name : {"Lines", "ReadOnly", "ScrollBars", "WordWrap", "OnChange"})
        EXPECT_NE(info.FindProp(QString::fromLatin1(name)), nullptr) << name;
}

} // namespace
} // namespace classlib
