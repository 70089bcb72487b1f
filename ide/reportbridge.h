#pragma once

// The bridge to the designer library qxcore: a report's document is handed
// over through a file in a private folder, the designer edits it modally
// in embedded mode, and the document is taken back from the file.

#include <QString>

namespace runtime {
class TQXReport;
}

namespace ide {

// The registry key of the installation and its value naming the folder of
// the designer library.
inline constexpr const char* InstallationKey = "\\Software\\Vorn\\Tessary\\1.12\\Delphi";
inline constexpr const char* BinaryPathValue = "Binary Path";

// The folder of qxcore: "Binary Path" when it is an absolute path, else
// the folder of this package; empty when neither is known.
QString DesignerFolder();

// True when the designer left a document behind and Report took it. A
// document that cannot be read back raises an error naming the file, which
// is kept, so the work done in the designer is not lost.
bool EditReport(runtime::TQXReport* Report);

// Closes the controls window of Report (of any report for nil) through the
// procedure installed, when one is.
using TCloseControlsEditorProc = void (*)(runtime::TQXReport* Report);
void QXSetCloseControlEditor(TCloseControlsEditorProc Proc);
void CloseControlsEditor(runtime::TQXReport* Report);

} // namespace ide
