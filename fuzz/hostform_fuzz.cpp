// Arbitrary bytes as a form the host saved: its method list and its
// component stream. What loads is saved again and must load again to the
// same bytes; a form error is the expected outcome of bad bytes, anything
// else is a finding.

#include "ide/host/formfile.h"
#include "ide/host/hostform.h"
#include "ide/host/sourceunit.h"

#include "classlib/controls/form.h"

#include <QApplication>
#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace classlib;
using namespace idehost;

namespace {

QByteArray LoadAndSave(const QByteArray& Bytes)
{
    const TFormFileParts parts = SplitFormFile(Bytes);
    TSourceUnit unit("TForm1", TForm::StaticClass());
    unit.LoadList(parts.Methods);
    TRunForm form(nullptr, unit);
    ReadFormStream(parts.Stream, form);
    return SaveForm(form, unit);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    static int argc = 1;
    static char name[] = "fuzz_hostform";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QApplication(argc, argv);
    }();
    (void)app;
    QByteArray once;
    try {
        once = LoadAndSave(QByteArray(reinterpret_cast<const char*>(Data), qsizetype(Size)));
    } catch (const Exception&) {
        return 0;
    }
    try {
        if (LoadAndSave(once) != once) {
            std::fprintf(stderr, "a saved form does not load to the same bytes\n");
            std::abort();
        }
    } catch (const Exception& E) {
        std::fprintf(stderr, "a saved form does not load again: %s\n", qPrintable(E.Message));
        std::abort();
    }
    return 0;
}
