#include "ide/tests/idefixture.h"

#include "ide/stubs.h"

#include "runtime/band.h"
#include "runtime/host.h"
#include "runtime/tests/documentbytes.h"
#include "runtime/label.h"
#include "runtime/paintbox.h"
#include "runtime/panel.h"
#include "runtime/shape.h"
#include "runtime/tests/elementtree.h"
#include "runtime/tests/reportdoc.h"

#include "classlib/core/streams.h"
#include "classlib/core/stringlist.h"

#include <QCoreApplication>

using namespace classlib;
using namespace runtime;
using namespace runtime::tests;

namespace ide::tests {

QByteArray SampleDocument()
{
    TStoredPaper page1(QStringLiteral("Page1"));
    auto* band = AddElement<TQXBand>(&page1, &page1, QStringLiteral("BandNames"), {0, 0, 9000, 1000}, alTop);
    AddElement<TQXLabel>(&page1, band, QStringLiteral("Label1"), {0, 0, 4000, 600})
        ->SetCaption(QStringLiteral("Name"));
    AddElement<TQXShape>(&page1, &page1, QStringLiteral("Shape1"), {0, 2000, 3000, 1000});
    AddElement<TQXPaintBox>(&page1, &page1, QStringLiteral("PaintBox1"), {0, 4000, 3000, 1000});
    AddElement<TQXPanel>(&page1, &page1, QStringLiteral("Panel1"), {0, 6000, 3000, 1000});
    TStoredPaper page2(QStringLiteral("Page2"));
    AddElement<TQXLabel>(&page2, &page2, QStringLiteral("Label2"), {0, 0, 4000, 600})
        ->SetCaption(QStringLiteral("Total"));
    return MakeDocument({&page1, &page2}, OrderLine("p", -1, "Page1") + OrderLine("p", -1, "Page2"));
}

QByteArray LargeDocument(int Pages, int Elements)
{
    std::vector<std::unique_ptr<TStoredPaper>> pages;
    std::vector<TStoredPaper*> raw;
    QString order;
    for (int p = 1; p <= Pages; ++p) {
        auto page = std::make_unique<TStoredPaper>(QStringLiteral("Page%1").arg(p));
        for (int e = 1; e <= Elements; ++e)
            AddElement<TQXLabel>(page.get(), page.get(), QStringLiteral("Label%1").arg(e),
                                 {0, (e - 1) * 300 % 18000, 4000, 300})
                ->SetCaption(QStringLiteral("Text %1").arg(e));
        order += OrderLine("p", -1, page->Name());
        raw.push_back(page.get());
        pages.push_back(std::move(page));
    }
    return MakeDocument(raw, order);
}

void Load(TQXReport& Report, const QByteArray& Document)
{
    LoadDocument(Report, Document);
}

QByteArray StoredForm(TQXReport& Report)
{
    TMemoryStream stream;
    Report.WriteReport(stream);
    QByteArray bytes(reinterpret_cast<const char*>(stream.Memory()), int(stream.Size()));
    return bytes + "\n--events--\n" + Report.Events()->Text().toUtf8() + "\n--title--\n" + Report.Title().toUtf8();
}

QByteArray DocumentWithBadPage()
{
    TStoredPaper good(QStringLiteral("Good"));
    AddElement<TQXLabel>(&good, &good, QStringLiteral("Label1"), {0, 0, 4000, 600});
    TQXHost host(nullptr);
    host.SetName(QStringLiteral("Host"));
    host.SetQXWidth(14800);
    host.SetQXHeight(21000);
    TBytesStream page(StreamOf(good));
    host.AddPage(good.Name(), page);
    TBytesStream bad(QByteArray("TPF0 this is no component"));
    host.AddPage(QStringLiteral("Bad"), bad);
    host.SetPageOrder(OrderLine("p", -1, "Good") + OrderLine("p", -1, "Bad"));
    return DocumentOf(host);
}

TIdeForm::TIdeForm() : Form(std::make_unique<TForm>(nullptr))
{
    Form->SetName(QStringLiteral("Form1"));
    Report = new TQXReport(Form.get());
    Report->SetName(QStringLiteral("Report1"));
    Designer = std::make_unique<classlib::test::TRecordingDesigner>(Form.get());
    Designer->ObjectNameOf = [](TPersistent* Object) -> std::optional<QString> {
        if (auto* stub = dynamic_cast<TQXBase_*>(Object)) return stub->Name();
        return std::nullopt;
    };
}

TIdeForm::~TIdeForm()
{
    Form.reset();
}

void Settle()
{
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
}

} // namespace ide::tests

#include "ide/methodproperty.h"
#include "ide/registration.h"

#include "classlib/design/propertyeditorregistry.h"

namespace ide::tests {

TRegisteredPackage::TRegisteredPackage(bool Internal)
{
    RegisterPackage(Internal);
}

TRegisteredPackage::~TRegisteredPackage()
{
    UnregisterPackage();
    DetachPackage();
}

std::unique_ptr<TPropertyEditor> EditorOf(TObject* Object, const QString& Name, TFormDesigner* Designer)
{
    std::unique_ptr<TPropertyEditor> found;
    GetObjectProperties({Object}, tkAny, Designer, [&](std::unique_ptr<TPropertyEditor> Editor) {
        if (Editor->GetName() == Name) found = std::move(Editor);
    });
    return found;
}

QStringList PublishedNames(const TObject& Object)
{
    QStringList names;
    for (const TPropInfo* p : Object.ClassType()->Props()) names << p->Name;
    return names;
}

} // namespace ide::tests

#include "ide/reportbridge.h"

#include "classlib/system/registry.h"

#include <QDir>
#include <QFile>

namespace ide::tests {

TCoreStub::TCoreStub(const QString& Mode)
    : FHadRuntime(qEnvironmentVariableIsSet("XDG_RUNTIME_DIR")), FOldRuntime(qgetenv("XDG_RUNTIME_DIR"))
{
    QDir().mkpath(Folder());
    QDir().mkpath(RuntimeFolder());
    QFile::setPermissions(RuntimeFolder(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(RuntimeFolder()));
    QFile::copy(QStringLiteral(QX_TESTLIBS_DIR "/libqxcorestub.so"), Folder() + QStringLiteral("/libqxcore.so"));
    SetBinaryPath(Folder());
    qputenv("QXCORESTUB_LOG", QFile::encodeName(FTemp.filePath(QStringLiteral("calls.log"))));
    SetMode(Mode);
}

TCoreStub::~TCoreStub()
{
    qunsetenv("QXCORESTUB_LOG");
    qunsetenv("QXCORESTUB_MODE");
    if (FHadRuntime)
        qputenv("XDG_RUNTIME_DIR", FOldRuntime);
    else
        qunsetenv("XDG_RUNTIME_DIR");
}

void TCoreStub::SetMode(const QString& Mode)
{
    qputenv("QXCORESTUB_MODE", Mode.toUtf8());
}

void TCoreStub::SetBinaryPath(const std::optional<QString>& Value)
{
    TRegistry reg;
    if (!reg.OpenKey(QString::fromLatin1(InstallationKey), true)) return;
    if (Value)
        reg.WriteString(QString::fromLatin1(BinaryPathValue), *Value);
    else
        reg.DeleteValue(QString::fromLatin1(BinaryPathValue));
}

QStringList TCoreStub::Calls() const
{
    QFile log(FTemp.filePath(QStringLiteral("calls.log")));
    if (!log.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(log.readAll()).split(u'\n', Qt::SkipEmptyParts);
}

QString TCoreStub::LastFile() const
{
    const QStringList calls = Calls();
    return calls.isEmpty() ? QString() : calls.last().section(u' ', 0, 0);
}

} // namespace ide::tests
