#pragma once

// The window of the design-surface test program: a palette of insertion
// buttons above two design surfaces that share one object inspector (a tool
// window beside this one), one align/size palette (below) and one Edit popup
// menu. Choosing a palette class
// and then clicking a surface inserts a component there.

#include "classlib/controls/form.h"

#include <QList>

namespace classlib {
class TMenuItem;
class TPopupMenu;
class TSpeedButton;
}

namespace designer_framework {
class TControlDesigner;
class TfrmAlign;
class TfrmInspector;
}

namespace designer_framework::testprogram {

class TSurfaceTestWindow : public classlib::TForm {
    QX_CLASS(TSurfaceTestWindow, classlib::TForm)
public:
    static constexpr int SurfaceCount = 2;

    // Registers the test classes too.
    explicit TSurfaceTestWindow(classlib::TComponent* AOwner);
    ~TSurfaceTestWindow() override;

    // Shows this window and the tool windows beside it.
    void ShowWindows();

    // Nil once that surface has been freed.
    TControlDesigner* Surface(int Index) const { return FSurfaces[Index]; }
    // Nil once it has been freed.
    TfrmInspector* Inspector() const { return FInspector; }
    TfrmAlign* AlignPalette() const { return FAlign; }
    classlib::TPopupMenu* EditMenu() const { return FEditMenu; }
    // Button 0 is the pointer; then one per palette class.
    int PaletteButtonCount() const { return int(FPalette.size()); }
    classlib::TSpeedButton* PaletteButton(int Index) const { return FPalette.at(Index); }
    // The class the next click on a surface inserts; nil: none.
    const classlib::TClassInfo* ChosenClass() const { return FChosen; }

    void Notification(classlib::TComponent* AComponent, classlib::TOperation Operation) override;

    // Published handlers of the surfaces and the menu.
    void SurfaceMouseDown(classlib::TObject* Sender, classlib::TMouseButton Button, classlib::TShiftState Shift,
                          int X, int Y);
    void EditPopup(classlib::TObject* Sender);
    void PaletteClick(classlib::TObject* Sender);
    void CutClick(classlib::TObject* Sender);
    void CopyClick(classlib::TObject* Sender);
    void PasteClick(classlib::TObject* Sender);
    void DeleteClick(classlib::TObject* Sender);
    void BringToFrontClick(classlib::TObject* Sender);
    void SendToBackClick(classlib::TObject* Sender);

private:
    void CreatePalette();
    void CreateEditMenu();
    classlib::TMenuItem* AddMenuItem(const QString& Caption, const char* Handler);
    classlib::TMethod Handler(const char* Name);
    // The surface of the menu's popup component, when it is one of ours.
    TControlDesigner* PopupSurface() const;

    TControlDesigner* FSurfaces[SurfaceCount] = {};
    TfrmInspector* FInspector = nullptr;
    TfrmAlign* FAlign = nullptr;
    classlib::TPopupMenu* FEditMenu = nullptr;
    QList<classlib::TMenuItem*> FSelectionItems;  // need a selection
    classlib::TMenuItem* FPasteItem = nullptr;
    QList<classlib::TSpeedButton*> FPalette;
    QList<const classlib::TClassInfo*> FPaletteClasses;
    const classlib::TClassInfo* FChosen = nullptr;
};

} // namespace designer_framework::testprogram
