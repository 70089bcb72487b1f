#pragma once

// The protocol of every entry that crosses a library boundary: no
// exception ever leaves a library. An entry takes a TQXEntryStatus as its
// last argument and returns its Code; the library fills it through
// GuardEntry, and the caller turns it back into the exception with
// RaiseEntryStatus.

#include "classlib/system/dll.h"

#include <cstddef>

extern "C" {

enum TQXEntryCode { qxOk = 0, qxFailed = 1, qxAborted = 2 };

struct TQXEntryStatus {
    int Code;
    // The exception's class name and message, UTF-8, zero-terminated.
    char ClassName[64];
    char Message[2048];
};
}

namespace classlib {


// Sets Status to success.
void ClearEntryStatus(TQXEntryStatus& Status);
// Fills Status from the exception in flight (call inside a catch): a
// silent abort gives qxAborted, any other exception qxFailed.
void CatchEntryStatus(TQXEntryStatus& Status) noexcept;

// Runs Proc so that nothing escapes; Status tells how it went. A null
// Status is refused with qxFailed and Proc is not run.
template <class F>
int GuardEntry(TQXEntryStatus* Status, F&& Proc) noexcept
{
    if (!Status)
        return qxFailed;
    try {
        ClearEntryStatus(*Status);
        Proc();
    } catch (...) {
        CatchEntryStatus(*Status);
    }
    return Status->Code;
}

// Raises again what the entry reported: EAbort for qxAborted; for qxFailed
// the class the library raised when the caller knows it (EDLLException,
// EResNotFound, EAbort), else Exception, with the library's message.
// Nothing for qxOk.
void RaiseEntryStatus(const TQXEntryStatus& Status);

// Calls the entry ProcName of Handle, of type Proc (a function pointer
// whose last argument is the status), with Args, and raises what it
// reports; GetDLLProc's error when there is no such entry.
template <class Proc, class... Args>
void CallEntry(TDLLHandle Handle, const QString& ProcName, Args... A)
{
    TQXEntryStatus status;
    GetDLLProc<Proc>(Handle, ProcName)(A..., &status);
    RaiseEntryStatus(status);
}

} // namespace classlib
