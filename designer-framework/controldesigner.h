#pragma once

// The design surface: a form in design state whose child controls and owned
// components are what is being edited. It keeps the selection (siblings of
// one parent, in the order they were selected), shows grab handles around a
// single selected control and corner marks on a multiple selection, stands
// a capsule on itself for every non-visual component, tracks the mouse and
// keys that move, size and select, and offers the editing commands.
//
// The surface itself is never moved, sized, aligned, copied or deleted,
// even when it is the selected entry.

#include "designer-framework/dragline.h"
#include "designer-framework/export.h"

#include "classlib/controls/form.h"

#include <QList>

#include <memory>

namespace classlib {
class TComponentEditor;
class TPopupMenu;
}

namespace designer_framework {

class TBorderPoint;
class TExtDesigner;

// TControlDesigner::State values besides the handle indices 0..7.
constexpr quint8 dsMoving = 8;
constexpr quint8 dsRubberBand = 9;
constexpr quint8 dsIdle = 10;

class QX_DESIGNFW_EXPORT TControlDesigner : public classlib::TForm {
    QX_CLASS(TControlDesigner, classlib::TForm)
public:
    explicit TControlDesigner(classlib::TComponent* AOwner);
    ~TControlDesigner() override;

    // The bound designer is told, as of a component's rename.
    void SetName(const QString& NewName) override;

    // --- binding and activation ---
    // The bound designer; the surface owns it.
    TExtDesigner* Inspector() const { return FInspector; }
    // Binds a designer (the surface becomes its form) and activates.
    void SetInspector(TExtDesigner* Designer);
    // Makes this the inspector's active surface and fills the inspector.
    void Activate() override;
    // Greys the handles: another surface is active.
    virtual void Deactivate();
    // The editor of the single selected component; nil otherwise.
    classlib::TComponentEditor* ComponentEditor() const { return FComponentEditor.get(); }

    // Grid steps in pixels, 1..255; a change repaints the surface. 0 is
    // refused (EInvalidOperation): snapping divides by the step.
    quint8 GridX() const { return FGridX; }
    quint8 GridY() const { return FGridY; }
    void SetGridX(quint8 Value);
    void SetGridY(quint8 Value);

    // --- selection ---
    int SelectionCount() const { return int(FSelection.size()); }
    classlib::TComponent* GetSelectedComponent(int Index) const { return FSelection.at(Index); }
    // The control that shows entry Index: the component when it is a
    // control, else its capsule, else the surface.
    classlib::TControl* GetSelected(int Index) const;
    // A capsule's component, else the control.
    classlib::TComponent* ComponentOfControl(classlib::TControl* AControl) const;
    // The component when it is a control, else the surface's capsule that
    // stands for it, else nil.
    classlib::TControl* ControlOfComponent(classlib::TComponent* AComponent) const;
    // Whether the control, or for a capsule its component, is selected.
    bool IsSelected(classlib::TControl* AControl) const;
    // Adds a control or a capsule's component, dropping entries of another
    // parent; whether the selection changed (also kept in Changed).
    bool AddToSelection(classlib::TComponent* AControl);
    // AddToSelection, announced when it changed something.
    void SelectControl(classlib::TComponent* AControl);
    void SelectOnly(classlib::TComponent* AComponent);
    bool RemoveFromSelection(classlib::TControl* AControl);
    // Empties the selection without announcing it; whether it held anything.
    bool ClearSelection();
    void UnselectAll();
    // Announces the selection when it changed since it was last announced.
    void UpdateSelection();
    void SelectionToInspector();
    bool Changed() const { return FChanged; }

    // --- handles and capsules ---
    void UpdateHandles();
    TBorderPoint* Handles(int Index) const { return FHandles[Index]; }
    void SetHandleColor(classlib::TColor Value);
    void SetHandlesVisible(bool Value);
    // Puts the handles' windows into Host's window (nil: hides them).
    void SetHandleParent(classlib::TWinControl* Host);
    void CapsulesToFront();
    void CreateCapsules();

    classlib::TColor HandleColor() const { return FHandleColor; }
    classlib::TColor DragColor() const { return FDragColor; }
    classlib::TColor InactiveColor() const { return FInactiveColor; }

    // The wanted name when it is free, else BaseName followed by the
    // smallest free number from 1.
    virtual QString MakeUniqueName(const QString& WantedName, const QString& BaseName);
    // Frees every owned component, for a new document.
    virtual void ClearAll();
    // The surface window's popup menu, which ShowPopup shows.
    void SetPopupMenu(classlib::TPopupMenu* Menu);

    // --- editing commands (they act on the selection) ---
    void BringToFront();
    void SendToBack();
    void CutSelection();
    void CopySelection();
    void DeleteSelection();
    bool CanPaste();
    void PasteFromClipboard();
    // Command codes 0..14 of the align/size palette.
    void AlignSize(int Code);
    // Creates, names, places and selects a component at a surface point.
    classlib::TComponent* CreateComponent(const classlib::TClassInfo& ComponentClass,
                                          const classlib::TPoint& At);
    // Moves and sizes every selected control by the deltas; sizes stay 6
    // pixels or more.
    void MoveSizeSelection(int DX, int DY, int DW, int DH);
    // Selects the previous (-1) or next (+1) sibling of the reference.
    void SelectSibling(int Step);

    // --- tracking ---
    // A message of an edited control that the designer hook took.
    virtual void DesignMessage(classlib::TControl* Sender, classlib::TMessage& Message);
    quint8 State() const { return FState; }
    const classlib::TPoint& Anchor() const { return FAnchor; }
    const classlib::TPoint& LastPoint() const { return FLastPoint; }
    const classlib::TRect& OutlineRect() const { return FOutline; }
    bool OutlineShown() const { return FOutlineShown; }
    void StartMove(classlib::TMouseButton Button, classlib::TShiftState Shift, const classlib::TPoint& At);
    void ShowPopup(classlib::TControl* AControl, const classlib::TPoint& At);
    void DragTrack(int X, int Y, bool Show);
    classlib::TRect TrackRect(int X, int Y) const;
    int SnapX(int Value, int Mode) const;
    int SnapY(int Value, int Mode) const;
    void PaintSelectionMarks(classlib::TControl* AControl);

    void Notification(classlib::TComponent* AComponent, classlib::TOperation Operation) override;

protected:
    void MouseDown(classlib::TMouseButton Button, classlib::TShiftState Shift, int X, int Y) override;
    void MouseMove(classlib::TShiftState Shift, int X, int Y) override;
    void MouseUp(classlib::TMouseButton Button, classlib::TShiftState Shift, int X, int Y) override;
    void KeyDown(unsigned& Key, classlib::TShiftState Shift) override;
    void Dispatch(classlib::TMessage& Message) override;
    void Resize() override;
    void Moved() override;

private:
    friend class TBorderPoint;
    friend class TDesignerStream;
    friend class TPublishedFormProps;

    // The reference control (entry 0's) and its top-left in surface coordinates.
    classlib::TControl* Reference() const;
    classlib::TPoint ReferenceOrigin() const;
    // The selected controls that may be moved, sized or aligned: every
    // entry's control but the surface.
    QList<classlib::TControl*> EditableControls() const;
    void Modify();
    void InvalidateEntry(classlib::TComponent* AComponent);
    void ClipToParentOf(const classlib::TControl* AControl);
    void ReleaseMouse();
    void CancelDrag();
    // The handles' part of a drag.
    void StartResize(TBorderPoint* Handle, const classlib::TPoint& At);
    void ResizeMove(const classlib::TPoint& At);
    void EndResize(classlib::TMouseButton Button, const classlib::TPoint& At);
    void EndMove(classlib::TMouseButton Button, const classlib::TPoint& At);
    void EndRubberBand();
    void DrawOutline(const classlib::TRect& R);
    classlib::TRect OutlineClip() const;
    classlib::TPoint SurfaceToParent(const classlib::TControl* AControl, const classlib::TPoint& P) const;
    classlib::TPoint ToSurface(const classlib::TControl* AControl, const classlib::TPoint& P) const;
    void SendMiddleRelease(classlib::TControl* Target);
    // Moves a pasted top-level control off the corners its siblings take.
    void PlacePasted(classlib::TComponent* AComponent);

    TExtDesigner* FInspector = nullptr;
    std::unique_ptr<classlib::TComponentEditor> FComponentEditor;
    quint8 FGridX = 8;
    quint8 FGridY = 8;
    QList<classlib::TComponent*> FSelection;
    TBorderPoint* FHandles[8] = {};
    TLines FLines;
    classlib::TPoint FAnchor{-1, -1};
    classlib::TPoint FLastPoint{-1, -1};
    classlib::TRect FOutline{};
    bool FOutlineShown = false;
    classlib::TColor FHandleColor = classlib::TColor(0);
    classlib::TColor FDragColor = classlib::TColor(255);
    classlib::TColor FInactiveColor = classlib::TColor(0x808080);
    quint8 FState = dsIdle;
    bool FChanged = false;
    // The device of the control now painting, for its corner marks.
    QPaintDevice* FPaintDevice = nullptr;
    classlib::TControl* FPainting = nullptr;

    // The published form properties: plain storage that never acts on the window.
    classlib::TBorderIcons FPubBorderIcons;
    classlib::TBorderStyle FPubBorderStyle;
    bool FPubEnabled = true;
    classlib::TFormStyle FPubFormStyle = classlib::fsNormal;
    QString FPubHelpFile;
    bool FPubKeyPreview = false;
    int FPubPixelsPerInch = 96;
    classlib::TPopupMenu* FPubPopupMenu = nullptr;
    classlib::TPosition FPubPosition = classlib::poDesigned;
    classlib::TPrintScale FPubPrintScale = classlib::poProportional;
    bool FPubScaled = true;
    bool FPubShowHint = false;
    bool FPubVisible = false;
    classlib::TWindowState FPubWindowState = classlib::wsNormal;
};

// The top-level window that holds the surface.
QX_DESIGNFW_EXPORT QWidget* TopLevelWindowOf(const TControlDesigner* Surface);

} // namespace designer_framework
