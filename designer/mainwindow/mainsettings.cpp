// What the designer remembers between runs: the main window's layout and
// view options, the recent files, the tool windows' places and the four
// designer options; and where it is installed.

#include "designer/mainwindow/mainwindow.h"

#include "designer/document/designinstances.h"
#include "designer/document/designstate.h"
#include "designer/preview/previewwindow.h"
#include "designer/manager/reportmanager.h"

#include "designer-framework/alignpalette.h"
#include "designer-framework/inspectorwindow.h"

#include "classlib/controls/application.h"
#include "classlib/controls/coolbar.h"
#include "classlib/controls/coolbarsettings.h"
#include "classlib/controls/menus.h"
#include "classlib/controls/misc.h"
#include "classlib/controls/pagecontrol.h"
#include "classlib/controls/panel.h"
#include "classlib/controls/statusbar.h"
#include "classlib/controls/toolbar.h"
#include "classlib/system/registry.h"

#include <QDir>

#include <algorithm>

namespace designer {

using namespace classlib;

namespace {

const QString Root = QStringLiteral("\\Software\\Vorn\\Tessary\\1.12\\");

// Reads one key; its first missing or ill-typed value ends the reading
// silently, the values after it keep what they had.
template <class F>
void ReadKey(TRegistry& Registry, const QString& Key, F&& Read)
{
    if (!Registry.OpenKey(Root + Key, true)) return;
    try {
        Read();
    } catch (const ERegistryException&) {
    }
    Registry.CloseKey();
}

void WriteKey(TRegistry& Registry, const QString& Key, const std::function<void()>& Write)
{
    if (!Registry.OpenKey(Root + Key, true))
        throw ERegistryException(QStringLiteral("Failed to create key '%1'").arg(Root + Key));
    Write();
    Registry.CloseKey();
}

} // namespace

void TfrmMain::SaveSettings()
{
    TRegistry registry;
    WriteKey(registry, QStringLiteral("Main"), [&] {
        SaveWindowPos(this, &registry);
        SaveCoolBar(cbrMain, registry);
        registry.WriteBool(QStringLiteral("Status Bar"), mmiStatusbar->Checked());
        registry.WriteBool(QStringLiteral("Palette"), mmiPalette->Checked());
        registry.WriteBool(QStringLiteral("Standard"), mmiStandard->Checked());
        registry.WriteBool(QStringLiteral("Rulers"), mmiRuler->Checked());
        if (!Embedded) {
            QString text;
            for (int i = 0; i < Recent.Count(); ++i) text += Recent.Get(i) + QStringLiteral("\r\n");
            registry.WriteString(QStringLiteral("Recent"), text);
        }
    });
    WriteKey(registry, QStringLiteral("Inspector"), [&] {
        SaveWindowPos(FInspector, &registry);
        registry.WriteBool(QStringLiteral("Stay On Top"), FInspector->GetStayOnTop());
        registry.WriteBool(QStringLiteral("Page"), FInspector->pgcInspector->ActivePage() == FInspector->tabAll);
    });
    WriteKey(registry, QStringLiteral("Align"), [&] {
        SaveWindowPos(FAlign, &registry);
        registry.WriteBool(QStringLiteral("Stay On Top"), FAlign->GetStayOnTop());
    });
    WriteKey(registry, QStringLiteral("Manager"), [&] {
        SaveWindowPos(Manager, &registry);
        registry.WriteBool(QStringLiteral("Stay On Top"), Manager->GetStayOnTop());
        registry.WriteBool(QStringLiteral("Toolbar"), Manager->tbrPages->Visible());
        registry.WriteBool(QStringLiteral("Status Bar"), Manager->sbrBottom->Visible());
        registry.WriteBool(QStringLiteral("Left Pane"), Manager->GetGroupPaneVisible());
        registry.WriteInteger(QStringLiteral("Pane Width"), Manager->pnlLeft->Width());
    });
    WriteKey(registry, QStringLiteral("Preview"), [&] {
        SaveWindowPos(Preview, &registry);
        registry.WriteBool(QStringLiteral("Toolbar"), Preview->tbrPreview->Visible());
        registry.WriteBool(QStringLiteral("Status Bar"), Preview->sbrBottom->Visible());
        registry.WriteBool(QStringLiteral("Stay On Top"), Preview->GetStayOnTop());
        registry.WriteBool(QStringLiteral("Monochrome"), Preview->Monochrome());
    });
    WriteKey(registry, QStringLiteral("Designer"), [&] {
        registry.WriteBool(QStringLiteral("Show Grid"), ShowGrid);
        registry.WriteBool(QStringLiteral("Show Captions"), ShowCaptions);
        registry.WriteBool(QStringLiteral("Confirm Delete"), ConfirmDelete);
        registry.WriteBool(QStringLiteral("AutoPreview"), AutoPreview);
    });
}

void TfrmMain::LoadSettings()
{
    TRegistry registry;
    ReadKey(registry, QStringLiteral("Main"), [&] {
        LoadWindowPos(this, &registry, true);
        LoadCoolBar(cbrMain, registry);
        mmiStatusbar->SetChecked(registry.ReadBool(QStringLiteral("Status Bar")));
        mmiPalette->SetChecked(registry.ReadBool(QStringLiteral("Palette")));
        mmiStandard->SetChecked(registry.ReadBool(QStringLiteral("Standard")));
        if (!Embedded) {
            Recent.Clear();
            // Lines are untrusted: empty ones are no files.
            const QStringList lines = registry.ReadString(QStringLiteral("Recent")).split(QStringLiteral("\r\n"));
            for (const QString& line : lines)
                if (!line.trimmed().isEmpty()) Recent.Add(line);
        }
        mmiRuler->SetChecked(registry.ReadBool(QStringLiteral("Rulers")));
    });
    ReadKey(registry, QStringLiteral("Inspector"), [&] {
        LoadWindowPos(FInspector, &registry, false);
        FInspector->SetStayOnTop(registry.ReadBool(QStringLiteral("Stay On Top")));
        if (registry.ReadBool(QStringLiteral("Page"))) {
            FInspector->pgcInspector->SetActivePage(FInspector->tabAll);
            FInspector->pgcInspectorChange(FInspector->pgcInspector);
        }
    });
    ReadKey(registry, QStringLiteral("Align"), [&] {
        LoadWindowPos(FAlign, &registry, false);
        FAlign->SetStayOnTop(registry.ReadBool(QStringLiteral("Stay On Top")));
    });
    ReadKey(registry, QStringLiteral("Manager"), [&] {
        LoadWindowPos(Manager, &registry, false);
        Manager->SetStayOnTop(registry.ReadBool(QStringLiteral("Stay On Top")));
        Manager->tbrPages->SetVisible(registry.ReadBool(QStringLiteral("Toolbar")));
        Manager->sbrBottom->SetVisible(registry.ReadBool(QStringLiteral("Status Bar")));
        Manager->SetGroupPaneVisible(registry.ReadBool(QStringLiteral("Left Pane")));
        // A stored width that leaves no room is not taken.
        Manager->pnlLeft->SetWidth(std::clamp(registry.ReadInteger(QStringLiteral("Pane Width")), 100, 2000));
    });
    ReadKey(registry, QStringLiteral("Preview"), [&] {
        LoadWindowPos(Preview, &registry, false);
        Preview->tbrPreview->SetVisible(registry.ReadBool(QStringLiteral("Toolbar")));
        Preview->sbrBottom->SetVisible(registry.ReadBool(QStringLiteral("Status Bar")));
        Preview->SetStayOnTop(registry.ReadBool(QStringLiteral("Stay On Top")));
        Preview->SetMonochrome(registry.ReadBool(QStringLiteral("Monochrome")));
        Preview->ResetInterface();
    });
    ReadKey(registry, QStringLiteral("Designer"), [&] {
        ShowGrid = registry.ReadBool(QStringLiteral("Show Grid"));
        ShowCaptions = registry.ReadBool(QStringLiteral("Show Captions"));
        ConfirmDelete = registry.ReadBool(QStringLiteral("Confirm Delete"));
        AutoPreview = registry.ReadBool(QStringLiteral("AutoPreview"));
    });
    QString binaryPath;
    if (registry.OpenKeyReadOnly(Root + QStringLiteral("Delphi"))) {
        // A value of another kind names no folder.
        try {
            binaryPath = registry.ReadString(QStringLiteral("Binary Path"));
        } catch (const ERegistryException&) {
        }
        registry.CloseKey();
    }
    // Only an absolute folder is trusted.
    if (!QDir::isAbsolutePath(binaryPath)) binaryPath.clear();
    Application()->SetHelpFile(binaryPath.isEmpty() ? QStringLiteral("QX.HLP")
                                                    : QDir(binaryPath).filePath(QStringLiteral("help/QX.HLP")));
}

} // namespace designer
