#include "demo/forminifile.h"

#include "runtime/reportclasses.h"

#include "classlib/controls/application.h"

#include <QApplication>

#include <memory>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    runtime::RegisterReportClasses();
    demo::RegisterFormINIFile();
    std::unique_ptr<demo::TFormINIFile> form;
    classlib::CallGuarded(nullptr, [&] { form = std::make_unique<demo::TFormINIFile>(nullptr); });
    if (!form)
        return 1;
    form->Show();
    return app.exec();
}
