#pragma once

// The report designer as its main window sets it up, offscreen: a form with
// a scroll box that holds the paper and page windows, an object inspector
// and the designer-wide instances, made once for the whole program.

#include "designer/document/designinstances.h"
#include "designer/document/document.h"

#include "designer-framework/inspectorwindow.h"

#include "classlib/controls/form.h"
#include "classlib/controls/scrollbox.h"
#include "classlib/core/streams.h"

#include <QApplication>
#include <QByteArray>

namespace fuzz {

inline void StartDesigner(const char* Program)
{
    static int argc = 1;
    static char* argv[] = {const_cast<char*>(Program), nullptr};
    static const bool started = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        new QApplication(argc, argv);
        auto* main = new classlib::TForm(nullptr);
        main->SetBounds(0, 0, 900, 700);
        auto* box = new classlib::TScrollBox(main);
        box->SetParent(main);
        box->SetAlign(classlib::alClient);
        designer::CreateDesignInstances(nullptr, box, new designer_framework::TfrmInspector(nullptr));
        designer::NewReport();
        main->Show();
        return true;
    }();
    (void)started;
}

// The designer-wide document as a file holds it.
inline QByteArray DocumentBytes()
{
    classlib::TMemoryStream stream;
    designer::SaveReportToStream(stream);
    return QByteArray(static_cast<const char*>(stream.Memory()), qsizetype(stream.Size()));
}

} // namespace fuzz
