#include "classlib/core/sysutils.h"
#include "classlib/system/clipboard.h"

#include "classlib/tests/errorof.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include <gtest/gtest.h>

using namespace classlib;
using namespace classlib::test;

namespace clipboard_test {

TEST(Clipboard, TextGoesThroughTheAnsiCodePage)
{
    const struct {
        QByteArray ansi;
        QString unicode;
    } rows[] = {
        {"object A: TA\r\nend\r\n", QStringLiteral("object A: TA\r\nend\r\n")},
        {"'\xE9\x80\x9C'", QStringLiteral("'\u00E9\u20AC\u0153'")},
        {"", QString()},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.ansi.toStdString());
        Clipboard().SetAsText(row.ansi);
        EXPECT_EQ(QGuiApplication::clipboard()->text(), row.unicode);
        EXPECT_EQ(Clipboard().AsText(), row.ansi);
        QGuiApplication::clipboard()->setText(row.unicode);
        EXPECT_EQ(Clipboard().AsText(), row.ansi);
    }
}

TEST(Clipboard, HasTextOnlyWhenTextIsThere)
{
    Clipboard().SetAsText("x");
    EXPECT_TRUE(Clipboard().HasFormat(CF_TEXT));
    EXPECT_FALSE(Clipboard().HasFormat(CF_TEXT + 1));

    auto* image = new QMimeData;
    image->setData(QStringLiteral("image/png"), QByteArray("\x89PNG", 4));
    QGuiApplication::clipboard()->setMimeData(image);
    EXPECT_FALSE(Clipboard().HasFormat(CF_TEXT));
    EXPECT_EQ(Clipboard().AsText(), QByteArray());

    QGuiApplication::clipboard()->clear();
    EXPECT_FALSE(Clipboard().HasFormat(CF_TEXT));
}

TEST(Clipboard, TextOutsideTheCodePageIsRefused)
{
    QGuiApplication::clipboard()->setText(QStringLiteral("a\u0416b"));
    EXPECT_EQ(ErrorOf<EConvertError>([] { Clipboard().AsText(); }).toStdString(),
              "Character U+0416 cannot be stored in the ANSI code page");
}

} // namespace clipboard_test
