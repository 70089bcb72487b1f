#include "runtime/report.h"

#include "classlib/core/sysutils.h"
#include "classlib/system/printers.h"

#include <QApplication>
#include <QFile>

#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: printreport REPORT PDF\n");
        return 2;
    }
    try {
        runtime::TQXReport report(nullptr);
        report.LoadFromFile(QFile::decodeName(argv[1]));
        // A design run: the document alone, no application data.
        report.DesignPrepare();
        classlib::Printer()->SetOutputFileName(QFile::decodeName(argv[2]));
        report.Print();
        std::printf("%d pages\n", report.PageCount());
    } catch (const classlib::Exception& e) {
        std::fprintf(stderr, "printreport: %s\n", e.what());
        return 1;
    }
    return 0;
}
