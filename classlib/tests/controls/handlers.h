#pragma once

// Binds a test's lambda to a published event, as a stored form binds a
// form's published method: the event calls it through a method record kept
// for the rest of the test program.

#include "classlib/core/typinfo.h"

#include <deque>
#include <functional>
#include <memory>

namespace classlib::testing {

template <class... A, class F>
void Bind(TEvent<A...>& Event, F Handler)
{
    static std::deque<TMethodInfo> methods;
    TMethodInfo& m = methods.emplace_back();
    m.Name = QStringLiteral("TestHandler");
    m.Signature = SignatureOf<A...>();
    m.Invoker = std::make_shared<const std::function<void(TObject*, A...)>>(
        [Handler](TObject*, A... Args) { Handler(Args...); });
    Event = TMethod{&m, nullptr};
}

} // namespace classlib::testing
