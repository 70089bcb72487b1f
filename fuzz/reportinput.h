#pragma once

// Shared by the fuzz targets that read a report document from their input:
// the headless application they run in, the entry that hands the input on,
// and the design run. Class-library exceptions are bad input's expected
// outcome and are caught; anything else escapes to the fuzzer.

#include "runtime/report.h"

#include "classlib/core/streams.h"
#include "classlib/core/sysutils.h"

#include <QByteArray>
#include <QGuiApplication>

#include <cstddef>
#include <cstdint>
#include <functional>

namespace fuzz {

// Runs Run on the input inside a headless application made once, named
// Name (a literal: the application keeps it).
inline int RunReportInput(const char* Name, const uint8_t* Data, size_t Size, void (*Run)(const QByteArray&))
{
    static int argc = 1;
    static char* argv[] = {const_cast<char*>(Name), nullptr};
    static QGuiApplication* app = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QGuiApplication(argc, argv);
    }();
    (void)app;
    try {
        Run(QByteArray(reinterpret_cast<const char*>(Data), qsizetype(Size)));
    } catch (const classlib::Exception&) {
    }
    return 0;
}

// Reads the document into the report; a document that does not read throws.
inline void ReadDocument(runtime::TQXReport& Report, const QByteArray& Bytes)
{
    classlib::TBytesStream stream(Bytes);
    Report.ReadReport(stream);
}

// A design run; Then (playing its pages, say) follows only when it succeeds.
// A failure of either ends here, so that the caller goes on.
inline void DesignRun(runtime::TQXReport& Report, const std::function<void()>& Then = {})
{
    try {
        Report.DesignPrepare();
        if (Then) Then();
    } catch (const classlib::Exception&) {
    }
}

} // namespace fuzz
