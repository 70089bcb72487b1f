#include "designer-framework/inspectorwindow.h"

#include "designer-framework/controldesigner.h"
#include "designer-framework/inspectordesigner.h"
#include "designer-framework/inspectorglyphs.h"
#include "designer-framework/inspectorgrid.h"

#include "classlib/controls/image.h"
#include "classlib/controls/label.h"
#include "classlib/controls/memo.h"
#include "classlib/controls/pagecontrol.h"
#include "classlib/controls/panel.h"
#include "classlib/controls/screen.h"
#include "classlib/core/classbuilder.h"
#include "classlib/core/componentlist.h"
#include "classlib/graphics/bitmap.h"
#include "classlib/graphics/edges.h"

#include <QPalette>
#include <QPointer>
#include <QWidget>

#include <cmath>

namespace designer_framework {

using namespace classlib;

namespace {

constexpr TColor ErrorColor = TColor(255);
constexpr int MinTrackWidth = 185;

// Text extents in a font, outside any paint.
TSize MeasureText(const TFont* Font, const QString& Text)
{
    TBitmap scratch;
    scratch.SetSize(1, 1);
    scratch.Canvas().SetFont(Font);
    return {scratch.Canvas().TextWidth(Text), scratch.Canvas().TextHeight(Text)};
}

// The status panel is disabled only to keep the mouse and keys off it: its
// text keeps its own colours (an error stays red) instead of going grey.
void KeepColoursWhileDisabled(TControl* Control)
{
    QWidget* w = Control->Widget();
    QPalette pal = w->palette();
    for (QPalette::ColorRole role : {QPalette::Text, QPalette::WindowText, QPalette::Base, QPalette::Window})
        pal.setColor(QPalette::Disabled, role, pal.color(QPalette::Active, role));
    w->setPalette(pal);
}

bool NoModifier(TShiftState Shift)
{
    return !Shift.Contains(ssShift) && !Shift.Contains(ssCtrl) && !Shift.Contains(ssAlt);
}

} // namespace

const TClassInfo& TfrmInspector::StaticClass()
{
    using F = TfrmInspector;
    static const TClassInfo& info = TClassBuilder<TfrmInspector>("TfrmInspector")
        .Method("FormActivate", &F::FormActivate)
        .Method("FormCloseQuery", &F::FormCloseQuery)
        .Method("FormDeactivate", &F::FormDeactivate)
        .Method("FormKeyDown", &F::FormKeyDown)
        .Method("FormResize", &F::FormResize)
        .Method("pgcInspectorChange", &F::pgcInspectorChange)
        .Method("pgcInspectorChanging", &F::pgcInspectorChanging)
        .Method("dwgControlDrawCell", &F::dwgControlDrawCell)
        .Method("dwgControlSelectCell", &F::dwgControlSelectCell)
        .Method("dwgControlGeneralTopLeftChanged", &F::dwgControlGeneralTopLeftChanged)
        .Method("dwgControlGeneralDblClick", &F::dwgControlGeneralDblClick)
        .Method("cmbControlChange", &F::cmbControlChange)
        .Method("cmbControlDrawItem", &F::cmbControlDrawItem)
        .Method("pnlStatusResize", &F::pnlStatusResize)
        .Method("edtValueChange", &F::edtValueChange)
        .Method("edtValueDblClick", &F::edtValueDblClick)
        .Method("edtValueEnter", &F::edtValueEnter)
        .Method("edtValueKeyDown", &F::edtValueKeyDown)
        .Method("edtValueKeyUp", &F::edtValueKeyUp)
        .Method("lbxValueClick", &F::lbxValueClick)
        .Method("btnListClick", &F::btnListClick)
        .Method("btnDlgClick", &F::btnDlgClick)
        .Method("pmiCutClick", &F::pmiCutClick)
        .Method("pmiCopyClick", &F::pmiCopyClick)
        .Method("pmiPasteClick", &F::pmiPasteClick)
        .Method("pmiStayOnTopClick", &F::pmiStayOnTopClick)
        .Method("pmiHideClick", &F::pmiHideClick)
        .Build();
    return info;
}

TMethod TfrmInspector::Handler(const char* Name)
{
    return TMethod{StaticClass().FindMethod(QString::fromLatin1(Name)), this};
}

TfrmInspector::TfrmInspector(TComponent* AOwner) : TInspectorForm(AOwner)
{
    SetName("frmInspector");
    SetCaption("Inspector");
    SetBorderStyle(bsSizeToolWin);
    SetBorderIcons(TBorderIcons{biSystemMenu, biMinimize});
    SetKeyPreview(true);
    SetScaled(false);
    Font()->SetName("MS Sans Serif");
    Font()->SetHeight(-11);
    CreateControls();
    SetBounds(Left(), Top(), 301, 386);
    SetFormStyle(fsStayOnTop);
    OnActivate = Handler("FormActivate");
    OnCloseQuery = Handler("FormCloseQuery");
    OnDeactivate = Handler("FormDeactivate");
    OnKeyDown = Handler("FormKeyDown");
    OnResize = Handler("FormResize");

    // The rows' height follows the font.
    const int h = MeasureText(dwgControlAll->Font(), "Wg").cy + dwgControlAll->GridLineWidth() + 3;
    dwgControlGeneral->SetDefaultRowHeight(h);
    dwgControlAll->SetDefaultRowHeight(h);
    FFrameRemainder = 5;
    for (TInspectorGrid* grid : {dwgControlGeneral, dwgControlEvent, dwgControlAll}) grid->SetColWidths(1, 1550);
    ResetStatus();
    pgcInspectorChange(this);
    btnList->SetListBox(lbxValue);
    SetDoubleBuffered(true);
}

TfrmInspector::~TfrmInspector()
{
    DoDestroy();
    FAllRows = FGeneralRows = FEventRows = nullptr;
}

TInspectorGrid* TfrmInspector::CreateGrid(TTabSheet* Page, const QString& Name, int RowHeight, int Rows)
{
    auto* grid = new TInspectorGrid(this);
    grid->SetName(Name);
    grid->SetParent(Page);
    grid->SetAlign(alClient);
    grid->SetColor(clBtnFace);
    grid->SetColCount(2);
    grid->SetDefaultRowHeight(RowHeight);
    grid->SetRowCount(Rows);
    grid->SetDefaultDrawing(false);
    grid->SetOptions(TGridOptions{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goDrawFocusSelected,
                                  goColSizing, goRowSelect});
    grid->SetScrollBars(ssVertical);
    grid->SetColWidths(0, 77);
    grid->SetColWidths(1, 152);
    grid->OnDrawCell = Handler("dwgControlDrawCell");
    grid->OnSelectCell = Handler("dwgControlSelectCell");
    grid->OnTopLeftChanged = Handler("dwgControlGeneralTopLeftChanged");
    return grid;
}

void TfrmInspector::CreateControls()
{
    auto button = [this](const QString& Name, int Width, TInspectorGlyph Glyph, const char* OnClick) {
        auto* b = new TExtButton(this);
        b->SetName(Name);
        b->SetBounds(0, 0, Width, 18);
        b->SetCursor(crHandPoint);
        b->SetGlyph(InspectorGlyph(Glyph).get());
        b->SetVisible(false);
        b->SetParent(this);
        b->OnClick = Handler(OnClick);
        return b;
    };
    btnList = button("btnList", 19, TInspectorGlyph::Arrow, "btnListClick");
    btnDlg = button("btnDlg", 15, TInspectorGlyph::Ellipsis, "btnDlgClick");

    pgcInspector = new TPageControl(this);
    pgcInspector->SetName("pgcInspector");
    pgcInspector->SetBounds(2, 24, 195, 232);
    pgcInspector->SetParent(this);
    auto page = [this](const QString& Name, const QString& Caption) {
        auto* sheet = new TTabSheet(this);
        sheet->SetName(Name);
        sheet->SetCaption(Caption);
        sheet->SetPageControl(pgcInspector);
        return sheet;
    };
    tabGeneral = page("tabGeneral", "&General");
    dwgControlGeneral = CreateGrid(tabGeneral, "dwgControlGeneral", 16, 10);
    dwgControlGeneral->OnDblClick = Handler("dwgControlGeneralDblClick");
    TabEvent = page("TabEvent", "&Event");
    dwgControlEvent = CreateGrid(TabEvent, "dwgControlEvent", 16, 10);
    dwgControlEvent->OnDblClick = Handler("dwgControlGeneralDblClick");
    tabAll = page("tabAll", "&All properties");
    dwgControlAll = CreateGrid(tabAll, "dwgControlAll", 17, 14);
    pgcInspector->SetActivePage(tabGeneral);
    pgcInspector->OnChange = Handler("pgcInspectorChange");
    pgcInspector->OnChanging = Handler("pgcInspectorChanging");

    cmbControl = new TExtComboBox(this);
    cmbControl->SetName("cmbControl");
    cmbControl->SetBounds(2, 0, 172, 22);
    cmbControl->SetStyle(csOwnerDrawFixed);
    cmbControl->SetItemHeight(16);
    cmbControl->SetSorted(true);
    cmbControl->SetParent(this);
    cmbControl->OnClick = Handler("cmbControlChange");
    cmbControl->OnDrawItem = Handler("cmbControlDrawItem");

    pnlStatus = new TPanel(this);
    pnlStatus->SetName("pnlStatus");
    pnlStatus->SetHeight(65);
    pnlStatus->SetAlign(alBottom);
    pnlStatus->SetBevelOuter(bvLowered);
    pnlStatus->SetBorderWidth(2);
    pnlStatus->SetEnabled(false);
    pnlStatus->SetParent(this);
    pnlStatus->OnResize = Handler("pnlStatusResize");

    lblPropName = new TLabel(this);
    lblPropName->SetName("lblPropName");
    lblPropName->SetBounds(23, 4, 0, 13);
    lblPropName->Font()->SetStyle(TFontStyles{fsBold});
    lblPropName->SetParent(pnlStatus);

    imgGeneral = new TImage(this);
    imgGeneral->SetName("imgGeneral");
    imgGeneral->SetBounds(3, 3, 16, 16);
    imgGeneral->SetTransparent(true);
    imgGeneral->Picture()->SetGraphic(InspectorGlyph(TInspectorGlyph::General).get());
    imgGeneral->SetVisible(false);
    imgGeneral->SetParent(pnlStatus);

    lblType = new TLabel(this);
    lblType->SetName("lblType");
    lblType->SetBounds(80, 4, 0, 13);
    lblType->Font()->SetColor(clHighlight);
    lblType->SetParent(pnlStatus);

    memStatus = new TMemo(this);
    memStatus->SetName("memStatus");
    memStatus->SetHeight(40);
    memStatus->SetAlign(alBottom);
    memStatus->SetBorderStyle(bsNone);
    memStatus->SetColor(clBtnFace);
    memStatus->SetReadOnly(true);
    memStatus->SetParent(pnlStatus);
    KeepColoursWhileDisabled(memStatus);

    edtValue = new TExtEdit(this);
    edtValue->SetName("edtValue");
    edtValue->SetBorderStyle(bsNone);
    edtValue->SetBounds(0, 0, 100, 14);
    edtValue->SetVisible(false);
    edtValue->SetParent(this);
    edtValue->OnChange = Handler("edtValueChange");
    edtValue->OnDblClick = Handler("edtValueDblClick");
    edtValue->OnEnter = Handler("edtValueEnter");
    edtValue->OnKeyDown = Handler("edtValueKeyDown");
    edtValue->OnKeyUp = Handler("edtValueKeyUp");

    lbxValue = new TExtListBox(this);
    lbxValue->SetName("lbxValue");
    lbxValue->SetBounds(190, 140, 91, 97);
    lbxValue->SetItemHeight(13);
    // Flat: a one-pixel frame, which the list's height allows for.
    lbxValue->SetCtl3D(false);
    lbxValue->SetVisible(false);
    lbxValue->SetParent(this);
    lbxValue->OnClick = Handler("lbxValueClick");

    ppmInsp = new TPopupMenu(this);
    ppmInsp->SetName("ppmInsp");
    auto item = [this](const QString& Name, const QString& Caption, const char* Shortcut, const char* OnClick) {
        auto* menuItem = new TMenuItem(this);
        menuItem->SetName(Name);
        menuItem->SetCaption(Caption);
        if (Shortcut) menuItem->SetShortCut(TextToShortCut(QString::fromLatin1(Shortcut)));
        if (OnClick) menuItem->OnClick = Handler(OnClick);
        ppmInsp->Add(menuItem);
        return menuItem;
    };
    pmiCut = item("pmiCut", "Cut", "Ctrl+X", "pmiCutClick");
    pmiCopy = item("pmiCopy", "Copy", "Ctrl+C", "pmiCopyClick");
    pmiPaste = item("pmiPaste", "Paste", "Ctrl+V", "pmiPasteClick");
    item("N1", "-", nullptr, nullptr);
    pmiStayOnTop = item("pmiStayOnTop", "&Stay on top", nullptr, "pmiStayOnTopClick");
    pmiStayOnTop->SetChecked(true);
    pmiHide = item("pmiHide", "Hide", nullptr, "pmiHideClick");
    TControl::SetPopupMenu(ppmInsp);
}

// ---------------------------------------------------------------------------
// Pages, grids and rows

TInspectorGrid* TfrmInspector::ActiveGrid() const
{
    const TTabSheet* page = pgcInspector->ActivePage();
    if (page == tabAll) return dwgControlAll;
    if (page == TabEvent) return dwgControlEvent;
    return dwgControlGeneral;
}

TStringList* TfrmInspector::RowsOf(const TInspectorGrid* Grid) const
{
    if (Grid == dwgControlAll) return FAllRows;
    if (Grid == dwgControlEvent) return FEventRows;
    return FGeneralRows;
}

TStringList* TfrmInspector::ActiveRows() const
{
    return RowsOf(ActiveGrid());
}

TPropItem* TfrmInspector::RowItem(int Index) const
{
    const TStringList* rows = ActiveRows();
    if (!rows || Index < 0 || Index >= rows->Count()) return nullptr;
    return static_cast<TPropItem*>(rows->Objects(Index));
}

int TfrmInspector::RowPitch() const
{
    return dwgControlGeneral ? dwgControlGeneral->DefaultRowHeight() + 1 : 17;
}

void TfrmInspector::ResetStatus()
{
    for (TInspectorGrid* grid : {dwgControlGeneral, dwgControlEvent, dwgControlAll}) grid->Hide();
    btnDlg->Hide();
    btnList->Hide();
    edtValue->Hide();
    lblPropName->SetCaption({});
    lblType->SetCaption({});
    memStatus->Lines()->Clear();
    imgGeneral->Hide();
}

void TfrmInspector::LayoutControls()
{
    cmbControl->SetWidth(ClientWidth() - 2 * cmbControl->Left());
    pgcInspector->SetBounds(cmbControl->Left(), pgcInspector->Top(), cmbControl->Width(),
                            ClientHeight() - cmbControl->Top() - pgcInspector->Top() - pnlStatus->Height() + 1);
    for (TInspectorGrid* grid : {dwgControlGeneral, dwgControlEvent, dwgControlAll}) {
        const int name = std::min(int(std::lround(grid->Width() * 0.4)), 100);
        grid->SetColWidths(0, name);
        grid->SetColWidths(1, std::max(grid->ClientWidth() - name - grid->GridLineWidth(), 0));
    }
}

void TfrmInspector::FillGrids()
{
    const std::pair<TInspectorGrid*, TStringList*> grids[] = {
        {dwgControlAll, FAllRows}, {dwgControlEvent, FEventRows}, {dwgControlGeneral, FGeneralRows}};
    for (const auto& [grid, rows] : grids) {
        const int count = rows ? rows->Count() : 0;
        if (count > 0) {
            if (grid->RowCount() != count) grid->SetRowCount(count);
            for (int i = 0; i < count; ++i) {
                auto* row = static_cast<TPropItem*>(rows->Objects(i));
                if (grid->Cells(0, i) != row->Name) grid->SetCells(0, i, row->Name);
                const QString value = row->GetDisplayValue();
                if (grid->Cells(1, i) != value) grid->SetCells(1, i, value);
            }
        }
        grid->SetVisible(count > 0);
    }
    FormResize(this);
    bool can = true;
    SelectCell(ActiveGrid()->Col(), ActiveGrid()->Row(), can);
}

void TfrmInspector::SelectCell(int, int ARow, bool& CanSelect)
{
    TInspectorGrid* grid = ActiveGrid();
    if (!grid->Visible()) {
        btnDlg->Hide();
        btnList->Hide();
        edtValue->Hide();
        return;
    }
    CanSelect = true;
    if (ARow != grid->Row()) CanSelect = CommitValue();
    if (!CanSelect) return;
    PlaceEditor(ARow);
    ShowRowInfo(ARow, nullptr);
}

void TfrmInspector::SetEditorText(const QString& Text)
{
    const TMethod change = edtValue->OnChange;
    edtValue->OnChange = TMethod{};
    try {
        edtValue->SetText(Text);
    } catch (...) {
        edtValue->OnChange = change;
        throw;
    }
    edtValue->OnChange = change;
}

void TfrmInspector::PlaceEditor(int ARow)
{
    TInspectorGrid* grid = ActiveGrid();
    if (!grid->Visible()) {
        btnDlg->Hide();
        btnList->Hide();
        edtValue->Hide();
        return;
    }
    TPropItem* row = RowItem(ARow);
    if (!row) return;
    const bool shown = ARow >= grid->TopRow() && ARow <= grid->TopRow() + grid->VisibleRowCount() - 1;
    const TRect R = shown ? grid->CellRect(1, ARow) : Rect(0, 0, -1, -1);
    edtValue->TControl::BringToFront();
    btnDlg->SetParent(grid);
    btnList->SetParent(grid);
    const int s = R.Bottom - R.Top - 2;
    btnDlg->SetBounds(R.Right - s - 1, R.Top + 1, s, s);
    btnList->SetBounds(R.Right - s - 1, R.Top + 1, s, s);
    const TPoint topLeft = ScreenToClient(grid->ClientToScreen(R.TopLeft()));
    const TRect W = Bounds(topLeft.X, topLeft.Y, R.Width(), R.Height());
    int w = W.Right - W.Left - 3;
    edtValue->SetReadOnly(row->Attributes.Contains(TPropertyAttribute::paReadOnly));
    // A refused value stays as typed until it is taken or escaped.
    if (!FRefused) SetEditorText(row->Editor->GetValue());
    edtValue->SetMaxLength(row->EditLimit);
    if (!FRefused) edtValue->SetModified(false);
    const bool list = row->Attributes.Contains(TPropertyAttribute::paValueList);
    const bool dialog = !list && (row->Attributes.Contains(TPropertyAttribute::paSubProperties) ||
                                  row->Attributes.Contains(TPropertyAttribute::paDialog));
    if (list || dialog) w -= btnList->Width();
    const int editHeight = std::min(edtValue->Height(), std::max(W.Height(), 0));
    edtValue->SetBounds(W.Left + 2, W.Top + (W.Height() - editHeight) / 2, std::max(w, 0), editHeight);
    edtValue->Show();
    btnList->SetVisible(list);
    btnDlg->SetVisible(dialog);
    FocusEditor();
}

void TfrmInspector::FocusEditor()
{
    if (edtValue->CanFocus()) SetActiveControl(edtValue);
}

void TfrmInspector::ShowRowInfo(int ARow, const QString* Error)
{
    TPropItem* row = RowItem(ARow);
    if (!row) {
        memStatus->Lines()->Clear();
        lblPropName->SetCaption({});
        lblType->SetCaption({});
        imgGeneral->Hide();
        return;
    }
    memStatus->Font()->SetColor(Error ? ErrorColor : clWindowText);
    KeepColoursWhileDisabled(memStatus);
    memStatus->Lines()->SetText(Error ? *Error : row->GetHint());
    imgGeneral->SetVisible(row->OnGeneralPage);
    lblPropName->SetLeft(imgGeneral->Visible() ? imgGeneral->Width() + 4 : 4);
    lblPropName->SetCaption(row->Name);
    lblType->SetLeft(lblPropName->Left() + MeasureText(lblPropName->Font(), row->Name + "0").cx);
    lblType->SetCaption(row->GetTypeName());
}

bool TfrmInspector::CommitValue()
{
    TInspectorGrid* grid = ActiveGrid();
    const int current = grid->Row();
    TPropItem* row = RowItem(current);
    if (!grid->Visible() || !edtValue->Modified() || !row) return true;
    try {
        row->Editor->SetValue(edtValue->Text());
        if (grid->Cells(0, current).toLower() == QLatin1String("name")) cmbControl->Invalidate();
        edtValue->SetModified(false);
        FRefused = false;
        return true;
    } catch (const EAbort&) {
        // A silent refusal: nothing to say, but the text is not taken.
        FRefused = true;
        return false;
    } catch (const Exception& E) {
        FRefused = true;
        const QString message = E.Message;
        FillGrids();
        ShowRowInfo(ActiveGrid()->Row(), &message);
        FocusEditor();
        return false;
    }
}

void TfrmInspector::SelectRow(int ARow)
{
    ActiveGrid()->SetRow(ARow);
}

// ---------------------------------------------------------------------------
// The seven calls of the designer

void TfrmInspector::SetPropertyRows(TStringList* All, TStringList* General, TStringList* Event)
{
    FAllRows = All;
    FGeneralRows = General;
    FEventRows = Event;
    FRefused = false;
    FillGrids();
    LayoutControls();
    cmbControl->Invalidate();
}

void TfrmInspector::DesignModified()
{
    if (RowItem(ActiveGrid()->Row()) && !FRefused) SetEditorText(RowItem(ActiveGrid()->Row())->Editor->GetValue());
    FillGrids();
}

void TfrmInspector::ComponentInserted(TComponent* AComponent)
{
    FChooserList.AddObject(AComponent->Name(), AComponent);
    ChooserChange(nullptr, AComponent, AComponent->Name());
}

void TfrmInspector::ComponentsInserted(const QList<TComponent*>& Components)
{
    // Sorted once rather than placed one by one: a page of thousands of
    // elements is listed when its surface is served.
    TStrings* items = cmbControl->Items();
    const int chosenIndex = cmbControl->ItemIndex();
    const TObject* chosen = chosenIndex >= 0 ? items->Objects(chosenIndex) : nullptr;
    items->BeginUpdate();
    try {
        cmbControl->SetSorted(false);
        for (TComponent* c : Components) {
            FChooserList.AddObject(c->Name(), c);
            items->AddObject(c->Name(), c);
        }
        cmbControl->SetSorted(true);
    } catch (...) {
        cmbControl->SetSorted(true);
        items->EndUpdate();
        throw;
    }
    items->EndUpdate();
    const int again = chosen ? items->IndexOfObject(chosen) : -1;
    cmbControl->SetItemIndex(again >= 0 ? again : (items->Count() > 0 ? 0 : -1));
}

namespace {

// A component stands in the chooser once; the one just read is the last.
int ChooserIndexOf(const TStrings& List, const TComponent* AComponent)
{
    for (int i = List.Count() - 1; i >= 0; --i)
        if (List.Objects(i) == AComponent) return i;
    return -1;
}

} // namespace

void TfrmInspector::ComponentRemoved(TComponent* AComponent)
{
    const int i = ChooserIndexOf(FChooserList, AComponent);
    if (i >= 0) FChooserList.Delete(i);
    ChooserChange(AComponent, nullptr, QString());
}

void TfrmInspector::ComponentNameChanged(TComponent* AComponent, const QString& NewName)
{
    const int i = ChooserIndexOf(FChooserList, AComponent);
    if (i >= 0) FChooserList.Put(i, NewName);
    ChooserChange(AComponent, AComponent, NewName);
}

void TfrmInspector::ClearComponents()
{
    FChooserList.Clear();
    cmbControl->Items()->Clear();
    // The rows were the other surface's: they are not shown again.
    FAllRows = FGeneralRows = FEventRows = nullptr;
    FRefused = false;
    ResetStatus();
}

void TfrmInspector::ShowSelection(TComponentList* List)
{
    TComponent* only = List && List->Count() == 1 ? List->Items(0) : nullptr;
    cmbControl->SetItemIndex(only ? cmbControl->Items()->IndexOfObject(only) : -1);
}

void TfrmInspector::ChooserChange(TComponent* Removed, TComponent* Added, const QString& Name)
{
    // One entry at a time: a page of a thousand elements is read one
    // insertion and one naming after another. The sorted box places it.
    TStrings* items = cmbControl->Items();
    const int chosenIndex = cmbControl->ItemIndex();
    const TObject* chosen = chosenIndex >= 0 ? items->Objects(chosenIndex) : nullptr;
    if (Removed)
        if (const int i = items->IndexOfObject(Removed); i >= 0) items->Delete(i);
    if (Added) items->AddObject(Name, Added);
    // The box follows its chosen entry; it loses it only to a rename.
    int again = cmbControl->ItemIndex();
    if (chosen && (again < 0 || items->Objects(again) != chosen)) again = items->IndexOfObject(chosen);
    cmbControl->SetItemIndex(again >= 0 ? again : (items->Count() > 0 ? 0 : -1));
}

void TfrmInspector::cmbControlChange(TObject*)
{
    const int i = cmbControl->ItemIndex();
    if (i < 0 || !ActiveSurface()) return;
    ActiveSurface()->SelectOnly(static_cast<TComponent*>(cmbControl->Items()->Objects(i)));
}

void TfrmInspector::cmbControlDrawItem(TWinControl*, int Index, TRect Rect, TOwnerDrawState)
{
    if (Index < 0 || Index >= cmbControl->Items()->Count()) return;
    TCanvas* canvas = cmbControl->Canvas();
    canvas->FillRect(Rect);
    const auto* component = static_cast<const TComponent*>(cmbControl->Items()->Objects(Index));
    const QString name = cmbControl->Items()->Get(Index);
    const TFontStyles normal = canvas->Font()->Style();
    if (As<TForm>(component)) canvas->Font()->SetStyle(normal + TFontStyles{fsBold});
    canvas->TextOut(Rect.Left + 2, Rect.Top + 2, name);
    const int nameWidth = canvas->TextWidth(name);
    canvas->Font()->SetStyle(normal);
    canvas->TextOut(Rect.Left + nameWidth + 2, Rect.Top + 2, ":" + (component ? component->ClassName() : QString()));
}

// ---------------------------------------------------------------------------
// Cells

void TfrmInspector::dwgControlDrawCell(TObject*, int ACol, int ARow, TRect Rect, TGridDrawState State)
{
    TInspectorGrid* grid = ActiveGrid();
    TCanvas* canvas = grid->Canvas();
    const bool selected = State.Contains(gdSelected);
    if (selected && ACol == 1 && (!cmbControl->Visible() || !edtValue->Visible())) {
        canvas->Brush()->SetColor(clHighlight);
        canvas->Font()->SetColor(clHighlightText);
    } else if (selected && ACol == 1) {
        canvas->Brush()->SetColor(clWindow);
    } else {
        canvas->Brush()->SetColor(grid->Color());
        canvas->Font()->SetColor(ACol == 1 ? clHighlight : grid->Font()->Color());
        canvas->Font()->SetStyle({});
    }
    canvas->FillRect(Rect);
    const int fontHeight = -canvas->Font()->Height();
    const int x = ACol == 0 ? Rect.Left + 4 : Rect.Left + 2;
    const int y = Rect.Top + (Rect.Height() - fontHeight) / 2 - 1;
    canvas->TextRect(Rect, x, y, grid->Cells(ACol, ARow));
    if (selected) {
        TRect row = Rect;
        row.Left = 0;
        row.Right = grid->ClientWidth();
        TRect outer = row;
        DrawEdge(canvas->DC(), outer, BDR_SUNKENOUTER, BF_RIGHT | BF_BOTTOM);
        TRect inner = row;
        DrawEdge(canvas->DC(), inner, BDR_SUNKENINNER, BF_LEFT | BF_TOP);
    }
}

void TfrmInspector::dwgControlSelectCell(TObject*, int ACol, int ARow, bool& CanSelect)
{
    SelectCell(ACol, ARow, CanSelect);
}

void TfrmInspector::dwgControlGeneralTopLeftChanged(TObject*)
{
    PlaceEditor(ActiveGrid()->Row());
}

void TfrmInspector::dwgControlGeneralDblClick(TObject*)
{
    FocusEditor();
}

// ---------------------------------------------------------------------------
// The value editor

void TfrmInspector::edtValueKeyDown(TObject*, unsigned& Key, TShiftState Shift)
{
    TInspectorGrid* grid = ActiveGrid();
    const int current = grid->Row();
    const int last = grid->RowCount() - 1;
    switch (Key) {
    case VK_UP:
    case VK_DOWN:
        if (!NoModifier(Shift)) {
            if (Key == VK_DOWN && Shift.Contains(ssAlt) && !Shift.Contains(ssCtrl)) {
                btnListClick(this);
                Key = 0;
            }
            return;
        }
        if (Key == VK_UP && current > 0) SelectRow(current - 1);
        if (Key == VK_DOWN && current < last) SelectRow(current + 1);
        edtValue->SelectAll();
        Key = 0;
        return;
    case VK_RETURN:
        if (Shift.Contains(ssCtrl))
            edtValueDblClick(this);
        else
            CommitValue();
        Key = 0;
        return;
    case VK_ESCAPE:
        if (edtValue->Modified())
            if (TPropItem* row = RowItem(current)) SetEditorText(row->Editor->GetValue());
        edtValue->SetModified(false);
        if (FRefused) {
            FRefused = false;
            ShowRowInfo(current, nullptr);
        }
        edtValue->SelectAll();
        Key = 0;
        return;
    case VK_PRIOR:
        if (NoModifier(Shift) && current >= 1) {
            const int visible = grid->VisibleRowCount();
            SelectRow(current == grid->TopRow() ? std::max(current - visible, 0) : grid->TopRow());
            edtValue->SelectAll();
            Key = 0;
        }
        return;
    case VK_NEXT:
        if (NoModifier(Shift) && current < last) {
            const int visible = grid->VisibleRowCount();
            const int lastShown = grid->TopRow() + visible - 1;
            SelectRow(current == lastShown ? std::min(current + visible, last) : std::min(lastShown, last));
            edtValue->SelectAll();
            Key = 0;
        }
        return;
    default:
        return;
    }
}

void TfrmInspector::edtValueEnter(TObject*)
{
    edtValue->SelectAll();
}

void TfrmInspector::edtValueKeyUp(TObject* Sender, unsigned& Key, TShiftState)
{
    if (Key != 0) edtValueChange(Sender);
}

void TfrmInspector::edtValueChange(TObject*)
{
    TInspectorGrid* grid = ActiveGrid();
    if (grid->EnsureRowVisible()) PlaceEditor(grid->Row());
    TPropItem* row = RowItem(grid->Row());
    if (row && row->Attributes.Contains(TPropertyAttribute::paAutoUpdate)) CommitValue();
}

void TfrmInspector::btnDlgClick(TObject*)
{
    TPropItem* row = RowItem(ActiveGrid()->Row());
    if (row && row->Attributes.Contains(TPropertyAttribute::paDialog)) row->Editor->Edit();
}

void TfrmInspector::edtValueDblClick(TObject* Sender)
{
    btnDlgClick(Sender);
    TPropItem* row = RowItem(ActiveGrid()->Row());
    if (row && !row->Attributes.Contains(TPropertyAttribute::paDialog)) CycleValue();
    edtValue->SelectAll();
}

void TfrmInspector::FillValueList(TPropItem* Row)
{
    TStrings* items = lbxValue->Items();
    items->Clear();
    lbxValue->SetSorted(false);
    Row->Editor->GetValues([items](const QString& S) { items->Add(S); });
    lbxValue->SetSorted(Row->Attributes.Contains(TPropertyAttribute::paSortList));
}

void TfrmInspector::CycleValue()
{
    TPropItem* row = RowItem(ActiveGrid()->Row());
    if (!row || !row->Attributes.Contains(TPropertyAttribute::paValueList)) return;
    FillValueList(row);
    const TStrings* items = lbxValue->Items();
    if (items->Count() == 0) return;
    const int at = items->IndexOf(row->Editor->GetValue());
    const int next = at < 0 || at == items->Count() - 1 ? 0 : at + 1;
    row->Editor->SetValue(items->Get(next));
}

void TfrmInspector::btnListClick(TObject*)
{
    TInspectorGrid* grid = ActiveGrid();
    TPropItem* row = RowItem(grid->Row());
    if (!row) return;
    FillValueList(row);
    const int count = lbxValue->Items()->Count();
    if (count == 0) return;
    const int item = lbxValue->ItemHeight();
    lbxValue->SetHeight((count < 9 ? count : 8) * item + 2);
    const int at = lbxValue->Items()->IndexOf(row->Editor->GetValue());
    lbxValue->SetItemIndex(at >= 0 ? at : 0);
    const TRect cell = grid->CellRect(1, grid->Row());
    lbxValue->SetWidth(cell.Width());
    const TPoint topLeft = ScreenToClient(grid->ClientToScreen(cell.TopLeft()));
    lbxValue->PlaceAt(Bounds(topLeft.X, topLeft.Y, cell.Width(), cell.Height()));
    lbxValue->Show();
    lbxValue->TControl::BringToFront();
    if (lbxValue->CanFocus()) lbxValue->SetFocus();
}

void TfrmInspector::lbxValueClick(TObject*)
{
    const int i = lbxValue->ItemIndex();
    if (i < 0) return;
    SetEditorText(lbxValue->Items()->Get(i));
    FocusEditor();
    edtValue->SetModified(true);
    CommitValue();
}

// ---------------------------------------------------------------------------
// The window

void TfrmInspector::FormKeyDown(TObject*, unsigned& Key, TShiftState Shift)
{
    if (Key == VK_DOWN && Shift.Contains(ssCtrl)) {
        if (cmbControl->CanFocus()) cmbControl->SetFocus();
        cmbControl->SetDroppedDown(true);
        Key = 0;
    } else if (Key == VK_ESCAPE && cmbControl->Focused()) {
        cmbControl->SetDroppedDown(false);
        FocusEditor();
        Key = 0;
    }
}

void TfrmInspector::FormResize(TObject*)
{
    LayoutControls();
    PlaceEditor(ActiveGrid()->Row());
}

void TfrmInspector::FormActivate(TObject*)
{
    SetWindowState(wsNormal);
    ComputeFrameRemainder();
}

void TfrmInspector::ComputeFrameRemainder()
{
    const TPoint pageTop = pgcInspector->ClientToScreen(Point(0, 0));
    const TPoint gridTop = dwgControlGeneral->ClientToScreen(Point(0, 0));
    const int above = gridTop.Y - pageTop.Y;
    const int below = (pageTop.Y + pgcInspector->Height()) - (gridTop.Y + dwgControlGeneral->Height());
    const int sum = above + below + (dwgControlGeneral->Height() - dwgControlGeneral->ClientHeight()) +
                    cmbControl->Height() + pnlStatus->Height() + (Height() - ClientHeight());
    FFrameRemainder = ((sum % RowPitch()) + RowPitch()) % RowPitch();
}

void TfrmInspector::Dispatch(TMessage& Message)
{
    const int pitch = RowPitch();
    // Dragging a top or bottom edge keeps the grid showing whole rows.
    if (Message.Msg == WM_SIZING && Message.LParam) {
        auto* R = reinterpret_cast<TRect*>(Message.LParam);
        const int height = R->Bottom - R->Top;
        const int rest = ((height % pitch) + pitch) % pitch;
        switch (unsigned(Message.WParam)) {
        case WMSZ_TOP:
        case WMSZ_TOPLEFT:
        case WMSZ_TOPRIGHT: R->Top = R->Top + rest - FFrameRemainder; break;
        case WMSZ_BOTTOM:
        case WMSZ_BOTTOMLEFT:
        case WMSZ_BOTTOMRIGHT: R->Bottom = R->Bottom - rest + FFrameRemainder; break;
        default: break;
        }
    }
    TInspectorForm::Dispatch(Message);
    // Never narrower than 185 pixels, nor shorter than whole rows.
    if (Message.Msg == WM_GETMINMAXINFO && Message.LParam) {
        auto* info = reinterpret_cast<TMinMaxInfo*>(Message.LParam);
        info->ptMinTrackSize = Point(MinTrackWidth, pitch * (MinTrackWidth / pitch) + FFrameRemainder);
    }
}

void TfrmInspector::FormCloseQuery(TObject*, bool& CanClose)
{
    CanClose = CommitValue();
}

void TfrmInspector::FormDeactivate(TObject*)
{
    lbxValue->Hide();
    if (!CommitValue() && edtValue->CanFocus()) edtValue->SetFocus();
}

void TfrmInspector::pgcInspectorChange(TObject*)
{
    LayoutControls();
    TInspectorGrid* grid = ActiveGrid();
    if (!grid->Visible()) {
        edtValue->Hide();
        return;
    }
    bool can = true;
    SelectCell(grid->Col(), grid->Row(), can);
}

void TfrmInspector::pgcInspectorChanging(TObject*, bool& AllowChange)
{
    AllowChange = CommitValue();
}

void TfrmInspector::pnlStatusResize(TObject*)
{
    pnlStatus->Invalidate();
}

void TfrmInspector::pmiCutClick(TObject*)
{
    if (edtValue->Visible()) edtValue->CutToClipboard();
}

void TfrmInspector::pmiCopyClick(TObject*)
{
    if (edtValue->Visible()) edtValue->CopyToClipboard();
}

void TfrmInspector::pmiPasteClick(TObject*)
{
    if (edtValue->Visible()) edtValue->PasteFromClipboard();
}

void TfrmInspector::pmiStayOnTopClick(TObject*)
{
    pmiStayOnTop->SetChecked(!pmiStayOnTop->Checked());
    ShowToolWindow(this, pmiStayOnTop->Checked());
}

void TfrmInspector::pmiHideClick(TObject*)
{
    // Hiding asks nothing: the typed text waits in the hidden window.
    Hide();
}

bool TfrmInspector::GetStayOnTop() const
{
    return pmiStayOnTop->Checked();
}

void TfrmInspector::SetStayOnTop(bool Value)
{
    if (Value != pmiStayOnTop->Checked()) pmiStayOnTopClick(this);
}

// ---------------------------------------------------------------------------

void ShowToolWindow(TForm* Form, bool OnTop)
{
    if (!Form) return;
    if (OnTop) {
        Form->SetFormStyle(fsStayOnTop);
        return;
    }
    QList<TForm*> above;
    for (int i = 0; i < Screen()->FormCount(); ++i) {
        TForm* other = Screen()->Forms(i);
        if (other != Form && other->FormStyle() == fsStayOnTop) above.append(other);
    }
    Form->SetFormStyle(fsNormal);
    for (TForm* other : above) ShowToolWindow(other, true);
}

} // namespace designer_framework
