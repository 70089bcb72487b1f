#pragma once

// The report document as the designer holds it: the paper settings, one
// component stream per page and the page order. Only one page is open: its
// elements live on the page window, every other page only as its stream.
// The routines below act on the designer-wide document (designinstances.h).

#include "runtime/host.h"

#include "classlib/core/typinfo.h"

#include <memory>

namespace classlib {
class TStream;
}

namespace designer {

class TQXPage;

class TReportDescriptor : public runtime::TQXHost {
    QX_CLASS(TReportDescriptor, runtime::TQXHost)
public:
    explicit TReportDescriptor(classlib::TComponent* AOwner);

    // The host's clearing, then a new document's paper: A4 portrait, 10 mm
    // margins, "Untitled.qxf", no open page. The modified flag stays.
    void Clear() override;

    QString FileName;
    // Until the document has been opened from or saved to a file.
    bool IsNew = true;
    // Each time a new page window has been made, before it is named.
    classlib::TNotifyEvent OnPageCreate;
    // After the page list, the page order or the whole document changed.
    classlib::TNotifyEvent OnChange;
    // False while the page window is rebuilt and while a file is opened.
    bool Ready = true;

    int CurrentPage() const { return FCurrentPage; }

    void SaveCurrentPage();
    void LoadCurrentPage();
    // An empty page window in place of the open one.
    void ShowCurrentPage();
    // EListError for an index that is no page, and the reader's error for
    // a page that does not read; nothing changes then: the page is read
    // into a window of its own before the open one goes.
    void SetCurrentPage(int Index);
    // A new empty page, opened; its index. No order line is added.
    int AddPage();
    QString UniquePageName() const;
    // "Report should contain at least one page" for the last page.
    void DeletePage(int Index);
    // The open page's new name, trimmed, in the page list and the order;
    // "A page named %s already exists" for another page's name.
    void RenamePage(const QString& NewName);

    // The file name without its folder and a final ".qxf".
    QString GetTitle() const;
    bool GetModified() const;
    void SetModified(bool Value);

    // The whole document, header first; the designer's own document takes
    // the paper window's settings and the open page's elements first.
    void SaveToStream(classlib::TStream& Stream);
    // Clears, then reads a whole document.
    void LoadFromStream(classlib::TStream& Stream);

private:
    friend void OpenReport(const QString& FileName);
    friend void NewReport();
    void Changed();
    // Frees the open page window.
    void DropPageWindow();
    // Page, read or empty, becomes the open page window in place of the
    // one before: owned, named, in the designer, on the paper and shown.
    void ShowPageWindow(std::unique_ptr<TQXPage> Page);

    int FCurrentPage = -1;
    bool FModified = false;
};

// The order's page lines ("p" in column 1, the name from column 6) that
// name Page, without regard to case.
bool IsPageLineOf(const QString& Line, const QString& Page);
// The order text with every line of a deleted page gone, and with the
// parent references of the lines after it renumbered; a line whose parent
// went goes with it.
QString RemovePageLines(const QString& Order, const QString& Page);
// The order text with the page lines of OldName naming NewName.
QString RenamePageLines(const QString& Order, const QString& OldName, const QString& NewName);

// Refuses what the designer cannot edit: no pages, duplicate or invalid
// page names, paper settings without a printable area.
void CheckDocument(const runtime::TQXHost& Document);

void NewReport();
// Reads the file aside and takes it only when it is whole and valid; a
// failed open leaves the open document, its window and its name as they
// were.
void OpenReport(const QString& FileName);
void SaveReportAs(const QString& FileName);
// Writes aside and renames: a failed save never harms the old file.
void SaveReportToFile(const QString& FileName);
void SaveReportToStream(classlib::TStream& Stream);
void LoadReportFromStream(classlib::TStream& Stream);

} // namespace designer
