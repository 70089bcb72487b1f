#pragma once

// Test support for the package: report documents built in memory, and a
// form with a report on it under a recording form designer.

#include "runtime/report.h"

#include "classlib/controls/form.h"
#include "classlib/core/component.h"
#include "classlib/design/propertyeditor.h"
#include "classlib/design/selectionlist.h"
#include "classlib/tests/design/recordingdesigner.h"

#include <QByteArray>
#include <QStringList>

#include <map>
#include <memory>
#include <vector>

namespace ide::tests {

// Page1: the band BandNames holding Label1, the shape Shape1, the paint box
// PaintBox1 and the panel Panel1; Page2: Label2. Its page order names both.
QByteArray SampleDocument();
// Pages "Page1".. each with Elements labels.
QByteArray LargeDocument(int Pages, int Elements);
// Reads a whole document into the report.
void Load(runtime::TQXReport& Report, const QByteArray& Document);
// The report's stored form: document and events, for byte comparisons.
QByteArray StoredForm(runtime::TQXReport& Report);

// A form with a report Report1 on it and its designer; the designer's
// selection log names the package's stubs too.
struct TIdeForm {
    TIdeForm();
    ~TIdeForm();
    std::unique_ptr<classlib::TForm> Form;
    runtime::TQXReport* Report;
    std::unique_ptr<classlib::test::TRecordingDesigner> Designer;
};

// Pages "Good" and "Bad", the second's stream damaged: the document reads,
// the page does not.
QByteArray DocumentWithBadPage();

// Lets posted events (deferred frees, timers of 0) run.
void Settle();

} // namespace ide::tests

namespace ide::tests {

// The package registered as the host registers it, taken back at the end.
class TRegisteredPackage {
public:
    explicit TRegisteredPackage(bool Internal = false);
    ~TRegisteredPackage();
    TRegisteredPackage(const TRegisteredPackage&) = delete;
    TRegisteredPackage& operator=(const TRegisteredPackage&) = delete;
};

// The editor of property Name of Object, as the inspector makes it.
std::unique_ptr<classlib::TPropertyEditor> EditorOf(classlib::TObject* Object, const QString& Name,
                                                    classlib::TFormDesigner* Designer);
// The published property names of Object's class, in order.
QStringList PublishedNames(const classlib::TObject& Object);

} // namespace ide::tests

#include "classlib/tests/tempconfig.h"

#include <QTemporaryDir>

#include <optional>

namespace ide::tests {

// Settings in a folder of the test's own, and the stand-in designer
// library in a folder that "Binary Path" names. Mode tells the stand-in
// what to do with the file ("keep", "delete", "garbage", "copy:<path>").
class TCoreStub {
public:
    explicit TCoreStub(const QString& Mode = QStringLiteral("keep"));
    ~TCoreStub();

    void SetMode(const QString& Mode);
    // nullopt deletes the value.
    static void SetBinaryPath(const std::optional<QString>& Value);
    QString Folder() const { return FTemp.filePath(QStringLiteral("bin")); }
    QString TempPath(const QString& Name) const { return FTemp.filePath(Name); }
    // The runtime folder the exchange folders are made in while the object
    // lives (XDG_RUNTIME_DIR).
    QString RuntimeFolder() const { return FTemp.filePath(QStringLiteral("run")); }
    // The logged calls: "<file> <existed> <embedded> <splash> <folder mode>".
    QStringList Calls() const;
    // The exchange file of the last call.
    QString LastFile() const;

private:
    classlib::test::TTempConfig FConfig;
    QTemporaryDir FTemp;
    bool FHadRuntime;
    QByteArray FOldRuntime;
};

} // namespace ide::tests
