#include "ide/host/scriptrunner.h"

#include "ide/host/formfile.h"
#include "ide/host/hostdesigner.h"
#include "ide/host/hostform.h"
#include "ide/host/hostinspector.h"
#include "ide/host/mainwindow.h"
#include "ide/host/sourceunit.h"

#include "runtime/report.h"

#include "designer-framework/inspectorgrid.h"

#include "classlib/controls/application.h"
#include "classlib/controls/listbox.h"
#include "classlib/controls/memo.h"
#include "classlib/controls/menus.h"
#include "classlib/controls/modalresponder.h"
#include "classlib/controls/screen.h"
#include "classlib/controls/statusbar.h"
#include "classlib/system/printers.h"
#include "classlib/controls/treeview.h"
#include "classlib/core/classregistry.h"
#include "classlib/graphics/metafile.h"
#include "classlib/graphics/metafiletexts.h"
#include "classlib/core/streams.h"
#include "classlib/core/writer.h"
#include "classlib/design/componenteditor.h"
#include "classlib/design/designwindow.h"
#include "classlib/design/propertyeditorregistry.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>
#include <QTextStream>

#include <cstdio>
#include <functional>
#include <utility>
#include <vector>

using namespace classlib;

namespace idehost {

namespace {

class EScriptError : public Exception {
public:
    using Exception::Exception;
};

[[noreturn]] void Fail(const QString& Message)
{
    throw EScriptError(Message);
}

void Settle()
{
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
}

QStringList SplitWords(const QString& Line)
{
    QStringList words;
    QString word;
    bool quoted = false, any = false;
    for (const QChar c : Line) {
        if (c == u'"') {
            quoted = !quoted;
            any = true;
        } else if (!quoted && c == u'#') {
            break;
        } else if (!quoted && c.isSpace()) {
            if (any) words << word;
            word.clear();
            any = false;
        } else {
            word += c;
            any = true;
        }
    }
    if (quoted) Fail(QStringLiteral("Unterminated quote"));
    if (any) words << word;
    return words;
}

TModalResult AnswerOf(const QString& Word)
{
    static const QMap<QString, TModalResult> answers = {
        {"ok", mrOk}, {"cancel", mrCancel}, {"yes", mrYes}, {"no", mrNo}, {"abort", mrAbort}};
    const auto it = answers.constFind(Word.toLower());
    if (it == answers.constEnd()) Fail(QStringLiteral("Unknown answer %1").arg(Word));
    return *it;
}

class TScriptRun {
public:
    TScriptRun(THostMainWindow& Main, const QString& Origin) : FMain(Main), FOrigin(Origin) {}

    int Run(const QStringList& Lines)
    {
        FLines = Lines;
        int at = 0;
        try {
            RunBlock(at, false);
        } catch (const Exception& E) {
            Report(E.Message);
        }
        Settle();
        if (FScript.Unexpected() > 0) {
            QStringList asked;
            for (const TModalRequest& r : FScript.Requests())
                asked << (r.Caption + QLatin1Char(':') + r.Text + QLatin1Char(':') + r.FileName);
            Report(QStringLiteral("%1 dialog(s) came unexpected; asked: %2")
                       .arg(FScript.Unexpected())
                       .arg(asked.join(QLatin1String(" / "))));
        }
        if (FScript.Pending() > 0) Report(QStringLiteral("%1 answer(s) were never asked for").arg(FScript.Pending()));
        return FFailures == 0 ? 0 : 1;
    }

private:
    void Report(const QString& Message)
    {
        ++FFailures;
        std::fprintf(stderr, "%s:%d: %s\n", qPrintable(FOrigin), FLine, qPrintable(Message));
    }

    // Runs lines from At up to "end" (Nested) or the end of the script.
    void RunBlock(int& At, bool Nested)
    {
        while (At < FLines.size()) {
            FLine = At + 1;
            QStringList words = SplitWords(FLines[At++]);
            if (words.isEmpty()) continue;
            for (QString& w : words) w = Expand(w);
            const QString command = words.takeFirst().toLower();
            if (command == QLatin1String("end")) {
                if (!Nested) Fail(QStringLiteral("end without modal"));
                return;
            }
            if (command == QLatin1String("modal")) {
                QueueModal(At);
                continue;
            }
            const QString expected = std::exchange(FExpectedFailure, QString());
            try {
                Command(command, words);
            } catch (const EScriptError&) {
                throw;
            } catch (const Exception& E) {
                if (expected.isEmpty()) throw;
                if (!E.Message.contains(expected))
                    Report(QStringLiteral("expected failure \"%1\", got \"%2\"").arg(expected, E.Message));
                continue;
            }
            if (!expected.isEmpty()) Report(QStringLiteral("expected failure \"%1\" did not come").arg(expected));
            Settle();
        }
        if (Nested) Fail(QStringLiteral("modal without end"));
    }

    // Queues the block for the next modal form and skips over it.
    void QueueModal(int& At)
    {
        const int start = At;
        int depth = 1;
        while (At < FLines.size() && depth > 0) {
            const QStringList w = SplitWords(FLines[At++]);
            if (w.isEmpty()) continue;
            if (w[0].toLower() == QLatin1String("modal")) ++depth;
            if (w[0].toLower() == QLatin1String("end")) --depth;
        }
        if (depth > 0) Fail(QStringLiteral("modal without end"));
        FScript.Then([this, start](TModalRequest& Request) {
            if (!Request.Form) {
                Report(QStringLiteral("a modal form was expected, a dialog came: %1").arg(Request.Text));
                return mrCancel;
            }
            FModal.push_back(Request.Form);
            const int line = FLine;
            int at = start;
            TModalResult result = mrNone;
            try {
                Settle();
                RunBlock(at, true);
                result = FResult;
            } catch (const Exception& E) {
                Report(E.Message);
                result = mrCancel;
            }
            FResult = mrNone;
            FModal.pop_back();
            FLine = line;
            return result == mrNone ? mrCancel : result;
        });
    }

    QString Expand(const QString& Word) const
    {
        if (!Word.startsWith(u'$')) return Word;
        const auto it = FVars.constFind(Word.mid(1));
        if (it == FVars.constEnd()) Fail(QStringLiteral("No variable %1").arg(Word));
        return *it;
    }

    void Need(const QStringList& Args, int Count)
    {
        if (Args.size() < Count) Fail(QStringLiteral("Too few words"));
    }

    TComponent* FormComponent(const QString& Name)
    {
        TComponent* c = FMain.DesignForm()->FindComponent(Name);
        if (!c) Fail(QStringLiteral("No component %1 on the form").arg(Name));
        return c;
    }

    TForm* ModalForm()
    {
        if (FModal.empty()) Fail(QStringLiteral("No modal form is running"));
        return FModal.back();
    }

    // NAME[.INDEX...]: a component of the form, then items below it.
    TComponent* Locate(TComponent* Root, const QString& Path)
    {
        const QStringList parts = Path.split(u'.');
        TComponent* c = Root->FindComponent(parts[0]);
        if (!c) Fail(QStringLiteral("No %1 in %2").arg(parts[0], Root->Name()));
        for (int i = 1; i < parts.size(); ++i) {
            auto* item = As<TMenuItem>(c);
            bool ok = false;
            const int index = parts[i].toInt(&ok);
            if (!item || !ok || index < 0 || index >= item->Count()) Fail(QStringLiteral("No item %1").arg(Path));
            c = item->Items(index);
        }
        return c;
    }

    void Click(TComponent* C, const QStringList& Args)
    {
        if (auto* item = As<TMenuItem>(C)) {
            if (!item->Enabled()) Fail(QStringLiteral("%1 is disabled").arg(item->Caption()));
            item->Click();
            return;
        }
        auto* control = As<TControl>(C);
        if (!control || !control->Widget()) Fail(QStringLiteral("%1 cannot be clicked").arg(C->Name()));
        const QPoint at = Args.size() >= 3 ? QPoint(Args[1].toInt(), Args[2].toInt())
                                           : QPoint(control->Width() / 2, control->Height() / 2);
        QTest::mouseClick(control->Widget(), Qt::LeftButton, {}, at);
    }

    TCustomTreeView* DesignTree()
    {
        TScreen* screen = Screen();
        for (int i = 0; screen && i < screen->FormCount(); ++i) {
            TForm* form = screen->Forms(i);
            if (!As<TDesignWindow>(form) || !form->Visible()) continue;
            for (int j = 0; j < form->ComponentCount(); ++j)
                if (auto* tree = As<TCustomTreeView>(form->Components(j))) return tree;
        }
        Fail(QStringLiteral("No design window with a tree is open"));
    }

    void Command(const QString& C, const QStringList& A)
    {
        if (C == "package") {
            Need(A, 1);
            if (A[0] == "load")
                FMain.LoadPackage(A.size() > 1 && A[1] == "internal");
            else if (A[0] == "unload")
                FMain.UnloadPackage();
            else
                Fail(QStringLiteral("package load|unload"));
        } else if (C == "drop") {
            Need(A, 1);
            FVars["last"] = FMain.Drop(A[0])->Name();
        } else if (C == "select") {
            Need(A, 1);
            FMain.Select(FormComponent(A[0]));
        } else if (C == "delete") {
            // The Delete key on the design form, as a person deletes.
            QTest::keyClick(FMain.DesignForm()->Widget(), Qt::Key_Delete);
        } else if (C == "edit") {
            Need(A, 1);
            FMain.EditComponent(FormComponent(A[0]));
        } else if (C == "menu") {
            Need(A, 1);
            FMenu = FMain.ShowContextMenu(FormComponent(A[0]));
        } else if (C == "verb") {
            Need(A, 1);
            FMain.ChooseVerb(A[0]);
        } else if (C == "inspect") {
            Need(A, 1);
            FMain.Inspector()->ShowEvents(A[0] == "events");
        } else if (C == "event") {
            Need(A, 1);
            THostInspector* inspector = FMain.Inspector();
            inspector->ShowEvents(true);
            if (!inspector->SelectProperty(A[0])) Fail(QStringLiteral("No event %1 in the inspector").arg(A[0]));
            auto* grid = inspector->dwgControlEvent;
            const TRect cell = grid->CellRect(0, grid->Row());
            QTest::mouseDClick(grid->Widget(), Qt::LeftButton, {}, QPoint(cell.Left + 4, cell.Top + 4));
        } else if (C == "setvalue") {
            Need(A, 2);
            THostInspector* inspector = FMain.Inspector();
            if (!inspector->SelectProperty(A[0])) Fail(QStringLiteral("No property %1 in the inspector").arg(A[0]));
            inspector->edtValue->SetText(A[1]);
            inspector->edtValue->SetModified(true);
            if (!inspector->CommitValue()) Fail(QStringLiteral("Value refused: %1").arg(inspector->memStatus->Lines()->Text().trimmed()));
        } else if (C == "dialog") {
            // The "..." button of a property on the Properties page.
            Need(A, 1);
            THostInspector* inspector = FMain.Inspector();
            inspector->ShowEvents(false);
            if (!inspector->SelectProperty(A[0])) Fail(QStringLiteral("No property %1 in the inspector").arg(A[0]));
            Settle();
            if (!inspector->btnDlg->Visible()) Fail(QStringLiteral("%1 has no dialog button").arg(A[0]));
            QTest::mouseClick(inspector->btnDlg->Widget(), Qt::LeftButton, {}, QPoint(3, 3));
        } else if (C == "printto") {
            Need(A, 1);
            Printer()->SetOutputFileName(QFileInfo(A[0]).absoluteFilePath());
        } else if (C == "move") {
            // Where a person drags the modal window.
            Need(A, 2);
            TForm* form = ModalForm();
            form->SetBounds(A[0].toInt(), A[1].toInt(), form->Width(), form->Height());
        } else if (C == "tree") {
            Need(A, 1);
            TCustomTreeView* tree = DesignTree();
            for (int i = 0; i < tree->Items()->Count(); ++i)
                if (tree->Items()->Item(i)->Text() == A[0]) {
                    tree->Items()->Item(i)->SetSelected(true);
                    return;
                }
            Fail(QStringLiteral("No node %1").arg(A[0]));
        } else if (C == "answer") {
            Need(A, 1);
            FScript.Answer(AnswerOf(A[0]));
        } else if (C == "file") {
            Need(A, 1);
            FScript.ChooseFile(A[0]);
        } else if (C == "print") {
            FScript.ConfirmPrint();
        } else if (C == "result") {
            Need(A, 1);
            FResult = AnswerOf(A[0]);
        } else if (C == "click") {
            Need(A, 1);
            Click(Locate(ModalForm(), A[0]), A);
        } else if (C == "key") {
            Need(A, 1);
            const QKeySequence seq(A[0]);
            if (seq.isEmpty()) Fail(QStringLiteral("Unknown key %1").arg(A[0]));
            QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : ModalForm()->Widget();
            QTest::keyClick(target, Qt::Key(seq[0].key()), seq[0].keyboardModifiers());
        } else if (C == "save") {
            Need(A, 1);
            FMain.SaveToFile(A[0]);
        } else if (C == "load") {
            Need(A, 1);
            FMain.LoadFromFile(A[0]);
        } else if (C == "run") {
            Need(A, 1);
            FMain.Run(A[0]);
        } else if (C == "deletemethod") {
            Need(A, 1);
            FMain.DeleteMethod(A[0]);
        } else if (C == "remember") {
            Need(A, 2);
            FVars[A[0]] = Probe(A[1]);
        } else if (C == "assert") {
            Need(A, 3);
            Assert(A[0], A[1], A.mid(2).join(u' '));
        } else if (C == "grab") {
            Need(A, 2);
            Grab(A[0], A[1]);
        } else if (C == "settle") {
            Settle();
        } else if (C == "expectfailure") {
            // The next command must fail with this message.
            Need(A, 1);
            FExpectedFailure = A.join(u' ');
            return;
        } else {
            Fail(QStringLiteral("Unknown command %1").arg(C));
        }
    }

    void Assert(const QString& ProbeName, const QString& Op, const QString& Expected)
    {
        const QString actual = Probe(ProbeName);
        bool ok = false;
        if (Op == "==") ok = actual == Expected;
        else if (Op == "!=") ok = actual != Expected;
        else if (Op == "contains") ok = actual.contains(Expected);
        else if (Op == "!contains") ok = !actual.contains(Expected);
        else Fail(QStringLiteral("Unknown operator %1").arg(Op));
        if (!ok) Report(QStringLiteral("assert %1 %2 \"%3\": it is \"%4\"").arg(ProbeName, Op, Expected, actual));
    }

    QString Argument(const QString& Probe, const QString& Name)
    {
        static const QRegularExpression call(QStringLiteral("^(\\w+)\\((.*)\\)$"));
        const auto m = call.match(Probe);
        return m.hasMatch() && m.captured(1) == Name ? m.captured(2) : QString();
    }

    QString Probe(const QString& P)
    {
        THostDesigner* designer = FMain.Designer();
        if (P == "caption") return FMain.Caption();
        if (P == "title") return Application()->Title();
        if (P == "apphandlers")
            return QStringLiteral("%1|%2|%3|%4")
                .arg(Application()->Title(), Application()->HelpFile())
                .arg(quintptr(Application()->OnHint.Code))
                .arg(Application()->OnHelp ? 1 : 0);
        if (P == "modified") return designer->IsModified() ? "yes" : "no";
        if (P == "verbs") return FMenu.join(u'|');
        if (P == "methods") return FMain.Unit().Names().join(u'|');
        if (P == "shown") return designer->ShownMethod();
        if (P == "calls") return FMain.Unit().Calls().join(u'|');
        if (P == "rows") return FMain.Inspector()->RowNames().join(u'|');
        if (P == "status") return FMain.Inspector()->memStatus->Lines()->Text().trimmed();
        if (P == "designwindows") {
            int n = 0;
            TScreen* screen = Screen();
            for (int i = 0; screen && i < screen->FormCount(); ++i)
                if (As<TDesignWindow>(screen->Forms(i))) ++n;
            return QString::number(n);
        }
        if (P == "windows") {
            QStringList names;
            TScreen* screen = Screen();
            for (int i = 0; screen && i < screen->FormCount(); ++i)
                if (screen->Forms(i)->Visible()) names << screen->Forms(i)->ClassName();
            return names.join(u'|');
        }
        if (P == "registrations")
            return QStringLiteral("%1 %2")
                .arg(PropertyEditorGroupCount(FMain.Package().LastGroup()))
                .arg(ComponentEditorGroupCount(FMain.Package().LastGroup()));
        if (P == "designclasses") {
            QStringList found;
            for (const char* name : {"TQXPaper", "TQXPanel", "TQXBand", "TQXLabel", "TQXShape", "TQXPaintBox"})
                if (GetClass(QString::fromLatin1(name))) found << QString::fromLatin1(name);
            return found.join(u'|');
        }
        if (P == "exchangefiles")
            return QString::number(QDir(QDir::tempPath()).entryList({QStringLiteral("qxf*")}, QDir::Files).size());
        if (P == "pages") {
            auto* form = FMain.RunInstance();
            if (!form) return {};
            for (int i = 0; i < form->ComponentCount(); ++i)
                if (auto* r = As<runtime::TQXReport>(form->Components(i))) return QString::number(r->PageCount());
            return {};
        }
        if (P == "pagetext") {
            auto* form = FMain.RunInstance();
            QStringList texts;
            for (int i = 0; form && i < form->ComponentCount(); ++i)
                if (auto* r = As<runtime::TQXReport>(form->Components(i))) {
                    for (int p = 0; p < r->PageCount(); ++p) texts << MetafileTexts(*r->GetPage(p));
                    break;
                }
            return texts.join(u'|');
        }
        if (P == "lastmessage") return FScript.Requests().empty() ? QString() : FScript.Requests().back().Text;
        if (const QString name = Argument(P, "events"); !name.isEmpty()) {
            auto* report = As<runtime::TQXReport>(FormComponent(name));
            if (!report) Fail(QStringLiteral("%1 is no report").arg(name));
            return report->Events()->Text().trimmed().replace(QLatin1String("\r\n"), QLatin1String("|"));
        }
        if (const QString name = Argument(P, "document"); !name.isEmpty()) {
            TMemoryStream stream;
            WriteComponentToStream(stream, FormComponent(name));
            return QString::fromLatin1(QCryptographicHash::hash(stream.Bytes(), QCryptographicHash::Md5).toHex());
        }
        if (P == "bounds") {
            TForm* form = ModalForm();
            return QStringLiteral("%1 %2").arg(form->Left()).arg(form->Top());
        }
        if (const QString path = Argument(P, "text"); !path.isEmpty()) {
            // A control of the innermost modal form (a status bar's panel
            // by its index), or its caption.
            const QStringList parts = path.split(u'.');
            TComponent* c = ModalForm()->FindComponent(parts[0]);
            if (!c) Fail(QStringLiteral("No %1 in the modal form").arg(parts[0]));
            if (auto* bar = As<TStatusBar>(c)) {
                if (parts.size() < 2) return bar->SimpleText();
                const int i = parts[1].toInt();
                if (i < 0 || i >= bar->Panels()->Count()) Fail(QStringLiteral("No panel %1").arg(path));
                return bar->Panels()->Items(i)->Text();
            }
            if (auto* item = As<TMenuItem>(c)) return item->Checked() ? "checked" : "unchecked";
            if (const TPropInfo* caption = c->ClassType()->FindProp(u"Caption"); caption && caption->GetStr)
                return caption->GetStr(*c);
            Fail(QStringLiteral("%1 shows no text").arg(path));
        }
        if (P == "modalcaption") return ModalForm()->Caption();
        if (const QString name = Argument(P, "pdfpages"); !name.isEmpty()) {
            static const QRegularExpression page(QStringLiteral("/Type\\s*/Page[^s]"));
            return QString::number(QString::fromLatin1(ReadWholeFile(name)).count(page));
        }
        if (const QString name = Argument(P, "value"); !name.isEmpty()) return FMain.Inspector()->ValueOf(name);
        if (const QString name = Argument(P, "exists"); !name.isEmpty()) return QFileInfo::exists(name) ? "yes" : "no";
        if (const QString name = Argument(P, "file"); !name.isEmpty())
            return QString::fromLatin1(QCryptographicHash::hash(ReadWholeFile(name), QCryptographicHash::Md5).toHex());
        Fail(QStringLiteral("Unknown probe %1").arg(P));
    }

    TForm* WindowNamed(const QString& Name)
    {
        if (Name == "main") return &FMain;
        if (Name == "form") return FMain.DesignForm();
        if (Name == "inspector") return FMain.Inspector();
        if (Name == "run") return FMain.RunWindow();
        if (Name == "modal") return ModalForm();
        TScreen* screen = Screen();
        for (int i = 0; screen && i < screen->FormCount(); ++i)
            if (screen->Forms(i)->ClassName() == Name || screen->Forms(i)->Name() == Name) return screen->Forms(i);
        Fail(QStringLiteral("No window %1").arg(Name));
    }

    void Grab(const QString& Window, const QString& FileName)
    {
        if (Window == "screen") {
            // The whole screen as the window manager shows it, once what
            // was just shown has been drawn.
            QTest::qWait(400);
            QScreen* screen = QGuiApplication::primaryScreen();
            if (!screen || !screen->grabWindow(0).save(FileName, "PNG"))
                Fail(QStringLiteral("Cannot write %1").arg(FileName));
            return;
        }
        TForm* form = WindowNamed(Window);
        if (!form || !form->Widget()) Fail(QStringLiteral("No window %1").arg(Window));
        Settle();
        QWidget* w = form->Widget()->window();
        if (!w->grab().save(FileName, "PNG")) Fail(QStringLiteral("Cannot write %1").arg(FileName));
    }

    THostMainWindow& FMain;
    QString FOrigin;
    QStringList FLines;
    int FLine = 0;
    int FFailures = 0;
    TModalScript FScript;
    std::vector<TForm*> FModal;
    TModalResult FResult = mrNone;
    QMap<QString, QString> FVars;
    QStringList FMenu;
    QString FExpectedFailure;
};

} // namespace

int RunScriptText(THostMainWindow& Main, const QStringList& Lines, const QString& Origin)
{
    TScriptRun run(Main, Origin);
    return run.Run(Lines);
}

int RunScript(THostMainWindow& Main, const QString& FileName)
{
    QFile file(FileName);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        std::fprintf(stderr, "%s: cannot open the script\n", qPrintable(FileName));
        return 1;
    }
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    return RunScriptText(Main, lines, FileName);
}

} // namespace idehost
