#pragma once

// The application object: where exceptions that reach an entry point from
// the event loop are shown, and the guard every such entry point runs in.

#include "classlib/core/component.h"
#include "classlib/core/sysutils.h"

#include <exception>
#include <functional>

namespace classlib {

class TApplication : public TComponent {
    QX_CLASS(TApplication, TComponent)
public:
    explicit TApplication(TComponent* AOwner);

    // Called with the exception instead of ShowException when set.
    std::function<void(TObject* Sender, const Exception& E)> OnException;

    // Sends the exception in flight (inside a catch) to OnException or
    // ShowException. A silent abort is dropped.
    void HandleException(TObject* Sender);
    // A message box in an interactive session; on the offscreen and minimal
    // platforms (tests, batch runs) a line on stderr. The box is shown from
    // the event loop, never from inside the paint or input handler that failed.
    virtual void ShowException(const Exception& E);
};

// The process's application object, made on first use.
TApplication* Application();

// Runs Proc so that no exception leaves it: an EAbort unwinds silently,
// anything else goes to Application()->HandleException(Sender). Every entry
// from the Qt event loop into our code goes through here.
template <class F>
void CallGuarded(TObject* Sender, F&& Proc) noexcept
{
    try {
        Proc();
    } catch (...) {
        try {
            Application()->HandleException(Sender);
        } catch (...) {
            // The display itself failed: nothing left to tell the user with.
        }
    }
}

} // namespace classlib
