#include "classlib/controls/modalresponder.h"

#include "classlib/controls/application.h"
#include "classlib/controls/form.h"
#include "classlib/controls/printsetupdialog.h"
#include "classlib/graphics/font.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>
#include <QPushButton>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>

namespace classlib {

namespace {

TModalResponder& Installed()
{
    static TModalResponder responder;
    return responder;
}

// The answer nobody gave: the most cautious button there is.
TModalResult CautiousAnswer(const TModalRequest& Request)
{
    if (Request.Kind != TModalKind::Message)
        return mrCancel;
    for (TMsgDlgBtn b : {mbCancel, mbNo, mbAbort, mbIgnore, mbOK, mbYes, mbRetry})
        if (Request.Buttons.Contains(b))
            return ModalResultOfButton(b);
    return mrCancel;
}

TModalResult ShowMessageBox(const TModalRequest& Request)
{
    QMessageBox box;
    box.setWindowTitle(Request.Caption.isEmpty() ? Application()->Title() : Request.Caption);
    box.setText(Request.Text);
    switch (Request.DlgType) {
    case mtWarning: box.setIcon(QMessageBox::Warning); break;
    case mtError: box.setIcon(QMessageBox::Critical); break;
    case mtInformation: box.setIcon(QMessageBox::Information); break;
    case mtConfirmation: box.setIcon(QMessageBox::Question); break;
    case mtCustom: break;
    }
    static constexpr struct {
        TMsgDlgBtn Button;
        QMessageBox::StandardButton Qt;
    } standard[] = {
        {mbYes, QMessageBox::Yes},       {mbNo, QMessageBox::No},          {mbOK, QMessageBox::Ok},
        {mbCancel, QMessageBox::Cancel}, {mbAbort, QMessageBox::Abort},    {mbRetry, QMessageBox::Retry},
        {mbIgnore, QMessageBox::Ignore}, {mbNoToAll, QMessageBox::NoToAll}, {mbYesToAll, QMessageBox::YesToAll},
        {mbHelp, QMessageBox::Help},
    };
    std::vector<std::pair<QAbstractButton*, TMsgDlgBtn>> shown;
    for (const auto& b : standard)
        if (Request.Buttons.Contains(b.Button))
            shown.emplace_back(box.addButton(b.Qt), b.Button);
    // Qt has no stock button for "all".
    if (Request.Buttons.Contains(mbAll))
        shown.emplace_back(box.addButton(QStringLiteral("&All"), QMessageBox::AcceptRole), mbAll);
    if (shown.empty())
        shown.emplace_back(box.addButton(QMessageBox::Ok), mbOK);
    box.exec();
    for (const auto& [button, btn] : shown)
        if (box.clickedButton() == button)
            return ModalResultOfButton(btn);
    return CautiousAnswer(Request);
}

// Lines "ColorA=FF0000" (A to P, the colour as 0xBBGGRR) become the
// dialog's custom colours, the others white; other lines are ignored.
void OfferCustomColors(const QStringList& Lines)
{
    if (Lines.isEmpty())
        return;
    // The offer replaces what an earlier dialog left.
    for (int i = 0; i < QColorDialog::customCount(); ++i)
        QColorDialog::setCustomColor(i, Qt::white);
    for (const QString& line : Lines) {
        const int eq = int(line.indexOf(QLatin1Char('=')));
        if (eq != 6 || !line.startsWith(QLatin1String("Color"), Qt::CaseInsensitive))
            continue;
        const int slot = line.at(5).toUpper().unicode() - u'A';
        bool ok = false;
        const quint32 v = line.mid(eq + 1).toUInt(&ok, 16);
        if (ok && slot >= 0 && slot < QColorDialog::customCount())
            QColorDialog::setCustomColor(slot, QColor(GetRValue(v), GetGValue(v), GetBValue(v)));
    }
}

TModalResult ShowColorDialog(TModalRequest& Request)
{
    OfferCustomColors(Request.CustomColors);
    const TColorRef rgb = ColorToRGB(Request.Color);
    const QColor chosen = QColorDialog::getColor(QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb)),
                                                 nullptr, Request.Caption);
    if (!chosen.isValid())
        return mrCancel;
    Request.Color = MakeColor(RGB(chosen.red(), chosen.green(), chosen.blue()));
    return mrOk;
}

TModalResult ShowFontDialog(TModalRequest& Request)
{
    TFont& font = *Request.Font;
    QFont start(font.Name());
    start.setPointSize(qMax(1, font.Size()));
    start.setBold(font.Style().Contains(fsBold));
    start.setItalic(font.Style().Contains(fsItalic));
    start.setUnderline(font.Style().Contains(fsUnderline));
    start.setStrikeOut(font.Style().Contains(fsStrikeOut));
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, start, nullptr, Request.Caption);
    if (!ok)
        return mrCancel;
    TFontStyles style;
    if (chosen.bold()) style += fsBold;
    if (chosen.italic()) style += fsItalic;
    if (chosen.underline()) style += fsUnderline;
    if (chosen.strikeOut()) style += fsStrikeOut;
    font.SetName(chosen.family());
    if (chosen.pointSize() > 0)
        font.SetSize(chosen.pointSize());
    font.SetStyle(style);
    return mrOk;
}

// "Text|*.txt|All|*.*" as Qt writes it: "Text (*.txt);;All (*.*)".
QStringList QtFilters(const QString& Filter)
{
    const QStringList parts = Filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        // Qt reads the patterns from the parentheses: the pattern part wins.
        QString name = parts[i];
        if (const qsizetype open = name.indexOf(QLatin1Char('(')); open >= 0)
            name = name.left(open).trimmed();
        filters << QStringLiteral("%1 (%2)").arg(name, patterns);
    }
    return filters;
}

TModalResult ShowFileDialog(TModalRequest& Request)
{
    const bool save = Request.Kind == TModalKind::SaveFile;
    QFileDialog dialog(nullptr, Request.Caption, Request.InitialDir);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // The dialog component asks about overwriting, in the same words
    // whoever answers.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    const QStringList filters = QtFilters(Request.Filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        dialog.selectNameFilter(filters.value(std::clamp(Request.FilterIndex, 1, int(filters.size())) - 1));
    }
    if (!Request.DefaultExt.isEmpty())
        dialog.setDefaultSuffix(Request.DefaultExt);
    if (!Request.FileName.isEmpty())
        dialog.selectFile(Request.FileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return mrCancel;
    Request.FileName = dialog.selectedFiles().constFirst();
    Request.FilterIndex = int(filters.indexOf(dialog.selectedNameFilter())) + 1;
    return mrOk;
}

TModalResult ShowPrintDialog(TModalRequest& Request)
{
    TPrintSetupDialog dialog(Request);
    if (dialog.exec() != QDialog::Accepted) return mrCancel;
    dialog.Apply(Request);
    return mrOk;
}

// The program's own responder.
TModalResult ShowRealDialog(TModalRequest& Request)
{
    if (!InteractiveSession()) {
        const QString line = Request.Kind == TModalKind::Message
                                 ? Request.Text
                                 : QStringLiteral("%1: no one to answer").arg(Request.Caption);
        std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
        return CautiousAnswer(Request);
    }
    switch (Request.Kind) {
    case TModalKind::Message: return ShowMessageBox(Request);
    case TModalKind::Color: return ShowColorDialog(Request);
    case TModalKind::Font: return Request.Font ? ShowFontDialog(Request) : mrCancel;
    case TModalKind::Form: return Request.Form ? Request.Form->RunModalLoop() : mrCancel;
    case TModalKind::OpenFile:
    case TModalKind::SaveFile: return ShowFileDialog(Request);
    case TModalKind::Print: return ShowPrintDialog(Request);
    }
    return mrCancel;
}

} // namespace

TModalResult ModalResultOfButton(TMsgDlgBtn Button)
{
    switch (Button) {
    case mbYes: return mrYes;
    case mbNo: return mrNo;
    case mbOK: return mrOk;
    case mbCancel: return mrCancel;
    case mbAbort: return mrAbort;
    case mbRetry: return mrRetry;
    case mbIgnore: return mrIgnore;
    case mbAll: return mrAll;
    case mbNoToAll: return mrNoToAll;
    case mbYesToAll: return mrYesToAll;
    case mbHelp: return mrNone;
    }
    return mrNone;
}

TModalResult RunModal(TModalRequest& Request)
{
    // A form shown modally keeps the activation from before its Show itself.
    std::optional<TActivationKeeper> keeper;
    if (Request.Kind != TModalKind::Form)
        keeper.emplace();
    // A copy: the responder may install another while it runs.
    const TModalResponder responder = Installed();
    return responder ? responder(Request) : ShowRealDialog(Request);
}

TActivationKeeper::TActivationKeeper() : FWindow(QApplication::activeWindow()) {}

TActivationKeeper::~TActivationKeeper()
{
    // Whatever the window system activated when the dialog went.
    if (FWindow && FWindow->isVisible() && QApplication::activeWindow() != FWindow)
        FWindow->activateWindow();
}

TModalResponder SetModalResponder(TModalResponder Responder)
{
    TModalResponder previous = std::move(Installed());
    Installed() = std::move(Responder);
    return previous;
}

bool ModalResponderInstalled()
{
    return bool(Installed());
}

bool InteractiveSession()
{
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return false;
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

// ---------------------------------------------------------------------------
// TModalScript

TModalScript::TModalScript()
{
    FPrevious = SetModalResponder([this](TModalRequest& Request) { return Respond(Request); });
}

TModalScript::~TModalScript()
{
    SetModalResponder(std::move(FPrevious));
}

TModalScript& TModalScript::Answer(TModalResult Result)
{
    FQueue.push_back([Result](TModalRequest&) { return Result; });
    return *this;
}

TModalScript& TModalScript::ChooseColor(TColor Value)
{
    FQueue.push_back([this, Value](TModalRequest& Request) {
        if (Request.Kind != TModalKind::Color) {
            ++FUnexpected;
            return mrCancel;
        }
        Request.Color = Value;
        return mrOk;
    });
    return *this;
}

TModalScript& TModalScript::ChooseFont(const TFont& Value)
{
    auto font = std::make_shared<TFont>();
    font->Assign(&Value);
    FQueue.push_back([this, font](TModalRequest& Request) {
        if (Request.Kind != TModalKind::Font || !Request.Font) {
            ++FUnexpected;
            return mrCancel;
        }
        Request.Font->Assign(font.get());
        return mrOk;
    });
    return *this;
}

TModalScript& TModalScript::ChooseFile(const QString& FileName)
{
    FQueue.push_back([this, FileName](TModalRequest& Request) {
        if (Request.Kind != TModalKind::OpenFile && Request.Kind != TModalKind::SaveFile) {
            ++FUnexpected;
            return mrCancel;
        }
        Request.FileName = FileName;
        return mrOk;
    });
    return *this;
}

TModalScript& TModalScript::ConfirmPrint(int From, int To, const QString& FileName)
{
    FQueue.push_back([this, From, To, FileName](TModalRequest& Request) {
        if (Request.Kind != TModalKind::Print) {
            ++FUnexpected;
            return mrCancel;
        }
        if (!FileName.isEmpty()) {
            Request.PrintToFile = true;
            Request.FileName = FileName;
        }
        Request.PageRange = From != 0 || To != 0;
        if (Request.PageRange) {
            Request.FromPage = From;
            Request.ToPage = To;
        }
        return mrOk;
    });
    return *this;
}

TModalScript& TModalScript::Then(TModalResponder Proc)
{
    FQueue.push_back(std::move(Proc));
    return *this;
}

TModalResult TModalScript::Respond(TModalRequest& Request)
{
    FRequests.push_back(Request);
    if (FQueue.empty()) {
        ++FUnexpected;
        return mrCancel;
    }
    const TModalResponder next = std::move(FQueue.front());
    FQueue.pop_front();
    return next(Request);
}

} // namespace classlib
