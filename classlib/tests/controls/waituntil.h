#pragma once

// Waits for what arrives through posted events (activation, focus) with
// the event loop running, and tells gtest the truth: Qt's QTRY macros
// report their failures to a QTest run, which a gtest program has none of.

#include <QCoreApplication>
#include <QElapsedTimer>

#include <functional>

namespace classlib::testing {

// Whether Condition holds within Ms milliseconds.
inline bool WaitUntil(const std::function<bool()>& Condition, int Ms = 3000)
{
    QElapsedTimer timer;
    timer.start();
    while (!Condition()) {
        if (timer.elapsed() > Ms)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

} // namespace classlib::testing
