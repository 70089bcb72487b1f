// A widget application made for a caller that has none. These tests run
// without an application of their own, so each makes its own in a child
// process, which exits 0 when all went as it should.

#include "classlib/controls/application.h"
#include "classlib/core/sysutils.h"

#include <QApplication>
#include <QEvent>

#include <gtest/gtest.h>

#include <cstdlib>

namespace classlib {
namespace {

// Its events fail as a handler's can.
class TFailingObject : public QObject {
public:
    bool event(QEvent* E) override
    {
        if (E->type() == QEvent::User)
            throw Exception(QStringLiteral("Boom"));
        return QObject::event(E);
    }
};

[[noreturn]] void MakeOneAndFailInItsEventLoop()
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication* app = EnsureQApplication();
    bool ok = app && QCoreApplication::instance() == app && EnsureQApplication() == app;
    QString caught;
    Application()->OnException = [&](TObject*, const Exception& E) { caught = E.Message; };
    TFailingObject failing;
    QCoreApplication::postEvent(&failing, new QEvent(QEvent::User));
    QCoreApplication::sendPostedEvents();
    ok = ok && caught == QStringLiteral("Boom");
    std::_Exit(ok ? 0 : 1);
}

[[noreturn]] void AskBesideAnApplicationWithoutWindows()
{
    int argc = 1;
    char name[] = "core";
    char* argv[] = {name, nullptr};
    QCoreApplication core(argc, argv);
    bool ok = false;
    try {
        EnsureQApplication();
    } catch (const EInvalidOperation& E) {
        ok = E.Message == QStringLiteral("The process runs an application without windows");
    }
    std::_Exit(ok ? 0 : 1);
}

TEST(EnsureQApplicationDeathTest, MakesOneOnceAndShowsWhatReachesItsEventLoop)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(MakeOneAndFailInItsEventLoop(), ::testing::ExitedWithCode(0), "");
}

TEST(EnsureQApplicationDeathTest, RefusesAProcessWithAnApplicationWithoutWindows)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(AskBesideAnApplicationWithoutWindows(), ::testing::ExitedWithCode(0), "");
}

} // namespace
} // namespace classlib
