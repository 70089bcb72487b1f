#include "designer/mainwindow/qxactivate.h"

#include "designer/editors/registration.h"
#include "designer/mainwindow/mainwindow.h"
#include "designer/libraries/wqxui.h"

#include "classlib/controls/application.h"
#include "classlib/core/sysutils.h"
#include "classlib/system/libraryentry.h"

#include <QFile>

#include <memory>

using namespace classlib;

namespace {

// What the designer borrows from its caller's application object, given
// back however the designer ends.
class TBorrowedApplication {
public:
    TBorrowedApplication()
        : FMainForm(Application()->MainForm()), FTitle(Application()->Title()), FIcon(Application()->Icon()),
          FHelpFile(Application()->HelpFile())
    {
    }
    ~TBorrowedApplication()
    {
        Application()->SetMainForm(FMainForm);
        Application()->SetTitle(FTitle);
        Application()->SetIcon(FIcon);
        Application()->SetHelpFile(FHelpFile);
    }
    TBorrowedApplication(const TBorrowedApplication&) = delete;
    TBorrowedApplication& operator=(const TBorrowedApplication&) = delete;

private:
    TForm* FMainForm;
    QString FTitle;
    QIcon FIcon;
    QString FHelpFile;
};

// What the designer registers while it runs, taken back when it returns:
// a design class left registered would make the host's next runtime read
// fail on its name. What was registered before the call stays.
class TSessionRegistrations {
public:
    TSessionRegistrations() : FHadComponents(designer::DesignerComponentsRegistered()) {}
    ~TSessionRegistrations()
    {
        if (!FHadComponents) designer::UnregisterDesignerComponents();
    }
    TSessionRegistrations(const TSessionRegistrations&) = delete;
    TSessionRegistrations& operator=(const TSessionRegistrations&) = delete;

private:
    bool FHadComponents;
};

void Activate(const char* FileName, bool Embedded, bool WithSplash)
{
    EnsureQApplication();
    TSessionRegistrations registrations;
    TBorrowedApplication borrowed;
    designer::TfrmMain* main = nullptr;
    Application()->CreateForm(main);
    std::unique_ptr<designer::TfrmMain> owned(main);
    Application()->SetMainForm(main);
    Application()->SetIcon(main->Icon());
    Application()->SetTitle(QStringLiteral("Tessary"));
    if (WithSplash) designer::ShowSplash();
    if (FileName) main->FileName = QFile::decodeName(FileName);
    main->Embedded = Embedded;
    main->ShowModal();
}

} // namespace

extern "C" int QXLibraryAttach(TQXEntryStatus* Status)
{
    return GuardEntry(Status, [] { designer::RegisterStandardEditors(); });
}

extern "C" int QXLibraryDetach(TQXEntryStatus* Status)
{
    return GuardEntry(Status, [] {
        designer::UnregisterDesignerComponents();
        designer::UnregisterStandardEditors();
    });
}

extern "C" void QXActivate(const char* FileName, unsigned char Embedded, unsigned char WithSplash) noexcept
{
    try {
        Activate(FileName, Embedded != 0, WithSplash != 0);
    } catch (...) {
        // Nothing crosses the C entry; a splash form left up would hide
        // the message.
        try {
            designer::HideSplash();
            Application()->HandleException(Application());
        } catch (...) {
        }
    }
}
