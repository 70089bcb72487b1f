#pragma once

// The object inspector: a small tool window with a component chooser,
// pages of property rows, a value editor laid over the current row with a
// drop-down list and a dialog button, and a status panel with the row's
// name, type and hint, or the error of a value that was refused. Values
// are edited as text and committed through the row's property editor.

#include "designer-framework/inspectorform.h"

#include "classlib/controls/grids.h"
#include "classlib/controls/menus.h"
#include "classlib/controls/ownerdraw.h"
#include "classlib/core/stringlist.h"

namespace classlib {
class TImage;
class TLabel;
class TMemo;
class TPageControl;
class TPanel;
class TTabSheet;
}

namespace designer_framework {

class TExtButton;
class TExtComboBox;
class TExtEdit;
class TExtListBox;
class TInspectorGrid;
class TPropItem;

class QX_DESIGNFW_EXPORT TfrmInspector : public TInspectorForm {
    QX_CLASS(TfrmInspector, TInspectorForm)
public:
    explicit TfrmInspector(classlib::TComponent* AOwner);
    ~TfrmInspector() override;

    void DesignModified() override;
    void ComponentNameChanged(classlib::TComponent* AComponent, const QString& NewName) override;
    void ComponentInserted(classlib::TComponent* AComponent) override;
    void ComponentsInserted(const QList<classlib::TComponent*>& Components) override;
    void ComponentRemoved(classlib::TComponent* AComponent) override;
    void ClearComponents() override;
    void ShowSelection(classlib::TComponentList* List) override;
    void SetPropertyRows(classlib::TStringList* All, classlib::TStringList* General,
                         classlib::TStringList* Event) override;

    bool GetStayOnTop() const;
    void SetStayOnTop(bool Value);

    // The page, its grid and its rows now shown.
    TInspectorGrid* ActiveGrid() const;
    classlib::TStringList* ActiveRows() const;
    // The row object at Index of the active rows; nil when there is none.
    TPropItem* RowItem(int Index) const;
    // Takes the edited text into the current row; false when refused.
    bool CommitValue();
    int FrameRemainder() const { return FFrameRemainder; }
    int RowPitch() const;

    // The stored form's components.
    TExtButton* btnList = nullptr;
    TExtButton* btnDlg = nullptr;
    classlib::TPageControl* pgcInspector = nullptr;
    classlib::TTabSheet* tabGeneral = nullptr;
    TInspectorGrid* dwgControlGeneral = nullptr;
    classlib::TTabSheet* TabEvent = nullptr;
    TInspectorGrid* dwgControlEvent = nullptr;
    classlib::TTabSheet* tabAll = nullptr;
    TInspectorGrid* dwgControlAll = nullptr;
    TExtComboBox* cmbControl = nullptr;
    classlib::TPanel* pnlStatus = nullptr;
    classlib::TLabel* lblPropName = nullptr;
    classlib::TImage* imgGeneral = nullptr;
    classlib::TLabel* lblType = nullptr;
    classlib::TMemo* memStatus = nullptr;
    TExtEdit* edtValue = nullptr;
    TExtListBox* lbxValue = nullptr;
    classlib::TPopupMenu* ppmInsp = nullptr;
    classlib::TMenuItem* pmiCut = nullptr;
    classlib::TMenuItem* pmiCopy = nullptr;
    classlib::TMenuItem* pmiPaste = nullptr;
    classlib::TMenuItem* pmiStayOnTop = nullptr;
    classlib::TMenuItem* pmiHide = nullptr;

    // Published handlers.
    void FormActivate(classlib::TObject* Sender);
    void FormCloseQuery(classlib::TObject* Sender, bool& CanClose);
    void FormDeactivate(classlib::TObject* Sender);
    void FormKeyDown(classlib::TObject* Sender, unsigned& Key, classlib::TShiftState Shift);
    void FormResize(classlib::TObject* Sender);
    void pgcInspectorChange(classlib::TObject* Sender);
    void pgcInspectorChanging(classlib::TObject* Sender, bool& AllowChange);
    void dwgControlDrawCell(classlib::TObject* Sender, int ACol, int ARow, classlib::TRect Rect,
                            classlib::TGridDrawState State);
    void dwgControlSelectCell(classlib::TObject* Sender, int ACol, int ARow, bool& CanSelect);
    void dwgControlGeneralTopLeftChanged(classlib::TObject* Sender);
    void dwgControlGeneralDblClick(classlib::TObject* Sender);
    void cmbControlChange(classlib::TObject* Sender);
    void cmbControlDrawItem(classlib::TWinControl* Control, int Index, classlib::TRect Rect,
                            classlib::TOwnerDrawState State);
    void pnlStatusResize(classlib::TObject* Sender);
    void edtValueChange(classlib::TObject* Sender);
    void edtValueDblClick(classlib::TObject* Sender);
    void edtValueEnter(classlib::TObject* Sender);
    void edtValueKeyDown(classlib::TObject* Sender, unsigned& Key, classlib::TShiftState Shift);
    void edtValueKeyUp(classlib::TObject* Sender, unsigned& Key, classlib::TShiftState Shift);
    void lbxValueClick(classlib::TObject* Sender);
    void btnListClick(classlib::TObject* Sender);
    void btnDlgClick(classlib::TObject* Sender);
    void pmiCutClick(classlib::TObject* Sender);
    void pmiCopyClick(classlib::TObject* Sender);
    void pmiPasteClick(classlib::TObject* Sender);
    void pmiStayOnTopClick(classlib::TObject* Sender);
    void pmiHideClick(classlib::TObject* Sender);

protected:
    void Dispatch(classlib::TMessage& Message) override;

private:
    void CreateControls();
    TInspectorGrid* CreateGrid(classlib::TTabSheet* Page, const QString& Name, int RowHeight, int Rows);
    classlib::TMethod Handler(const char* Name);
    void ResetStatus();
    void LayoutControls();
    void FillGrids();
    void SelectCell(int ACol, int ARow, bool& CanSelect);
    void PlaceEditor(int ARow);
    // The editor has the keys while the user works in this window; placed
    // for another window's selection, it waits for the activation.
    void FocusEditor();
    void ShowRowInfo(int ARow, const QString* Error);
    void SelectRow(int ARow);
    void CycleValue();
    void FillValueList(TPropItem* Row);
    // Takes Removed out of the chooser and puts Added in under Name.
    void ChooserChange(classlib::TComponent* Removed, classlib::TComponent* Added, const QString& Name);
    void ComputeFrameRemainder();
    classlib::TStringList* RowsOf(const TInspectorGrid* Grid) const;
    void SetEditorText(const QString& Text);

    int FFrameRemainder = 5;
    classlib::TStringList* FAllRows = nullptr;
    classlib::TStringList* FEventRows = nullptr;
    classlib::TStringList* FGeneralRows = nullptr;
    classlib::TStringList FChooserList;
    // A refused commit: the text stays until it is taken or escaped.
    bool FRefused = false;
};

// Puts a form above the other windows, or takes it out of that band while
// the other forms that stay on top stay above it.
QX_DESIGNFW_EXPORT void ShowToolWindow(classlib::TForm* Form, bool OnTop);

} // namespace designer_framework
