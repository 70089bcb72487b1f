#include "classlib/controls/coolbar.h"

#include "classlib/controls/application.h"
#include "classlib/core/classbuilder.h"
#include "classlib/core/sysutils.h"
#include "classlib/graphics/edges.h"

#include <algorithm>

namespace classlib {

namespace {

// Bounds what a stored form may ask of a band.
constexpr int MaxBandSide = 8192;
constexpr int MinBandWidth = CoolGripWidth + 2 * CoolBandMargin;

} // namespace

// ---------------------------------------------------------------------------
// TCoolBand

const TClassInfo& TCoolBand::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TCoolBand>("TCoolBand")
        .Prop("Break", &TCoolBand::Break, &TCoolBand::SetBreak).Default(true)
        .Prop("Control", &TCoolBand::Control, &TCoolBand::SetControl)
        .Prop("MinHeight", &TCoolBand::MinHeight, &TCoolBand::SetMinHeight).Default(25)
        .Prop("Visible", &TCoolBand::Visible, &TCoolBand::SetVisible).Default(true)
        .Prop("Width", &TCoolBand::Width, &TCoolBand::SetWidth).Default(100)
        .Build();
    return info;
}

TCoolBand::~TCoolBand()
{
    // The control stays on the bar, in no band.
    if (TCoolBar* bar = CoolBar(); bar && FControl && !bar->IsDestroying())
        FControl->RemoveFreeNotification(bar);
}

void TCoolBand::Assign(const TPersistent* Source)
{
    auto* b = dynamic_cast<const TCoolBand*>(Source);
    if (!b) {
        TCollectionItem::Assign(Source);
        return;
    }
    FBreak = b->FBreak;
    FWidth = b->FWidth;
    FMinHeight = b->FMinHeight;
    FVisible = b->FVisible;
    Changed(false);
}

TCoolBar* TCoolBand::CoolBar() const
{
    auto* bands = dynamic_cast<TCoolBands*>(Collection());
    return bands ? bands->CoolBar() : nullptr;
}

void TCoolBand::SetControl(TWinControl* Value)
{
    if (Value == FControl)
        return;
    TCoolBar* bar = CoolBar();
    if (bar && Value && Value == bar)
        throw EInvalidOperation(QStringLiteral("A cool bar cannot hold itself"));
    if (bar && Value)
        if (TCoolBand* other = bar->Bands()->FindBand(Value))
            other->SetControl(nullptr);
    if (bar && FControl)
        FControl->RemoveFreeNotification(bar);
    FControl = Value;
    if (bar && FControl) {
        FControl->FreeNotification(bar);
        if (FControl->Parent() != bar)
            FControl->SetParent(bar);
        FControl->SetVisible(FVisible);
    }
    Changed(false);
}

void TCoolBand::SetBreak(bool Value)
{
    if (Value == FBreak)
        return;
    FBreak = Value;
    Changed(false);
}

void TCoolBand::SetWidth(int Value)
{
    Value = std::clamp(Value, MinBandWidth, MaxBandSide);
    if (Value == FWidth)
        return;
    FWidth = Value;
    Changed(false);
}

void TCoolBand::SetMinHeight(int Value)
{
    Value = std::clamp(Value, 1, MaxBandSide);
    if (Value == FMinHeight)
        return;
    FMinHeight = Value;
    Changed(false);
}

void TCoolBand::SetVisible(bool Value)
{
    if (Value == FVisible)
        return;
    FVisible = Value;
    if (FControl)
        FControl->SetVisible(Value);
    Changed(false);
}

// ---------------------------------------------------------------------------
// TCoolBands

const TClassInfo& TCoolBands::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TCoolBands>("TCoolBands").Build();
    return info;
}

TCoolBands::TCoolBands(TCoolBar* CoolBar) : TCollection(TCoolBand::StaticClass()), FCoolBar(CoolBar) {}

TCoolBand* TCoolBands::FindBand(const TControl* Control) const
{
    if (!Control)
        return nullptr;
    for (int i = 0; i < Count(); ++i)
        if (Items(i)->Control() == Control)
            return Items(i);
    return nullptr;
}

void TCoolBands::Update(TCollectionItem*)
{
    if (FCoolBar)
        FCoolBar->BandsChanged();
}

// ---------------------------------------------------------------------------
// TCoolBar

const TClassInfo& TCoolBar::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TCoolBar>("TCoolBar")
        .Prop("AutoSize", &TCoolBar::AutoSize, &TCoolBar::SetAutoSize).Default(false)
        .Prop("Bands", &TCoolBar::FBands)
        .Prop<TNotifyEvent>("OnChange", &TCoolBar::OnChange)
        .Prop<TNotifyEvent>("OnResize", &TCoolBar::OnResize)
        .Build();
    return info;
}

TCoolBar::TCoolBar(TComponent* AOwner) : TCustomControl(AOwner), FBands(new TCoolBands(this))
{
    // Its bands hold controls of the same owner, and forget them when they go.
    SetHearsOwner(true);
    SetControlStyle({csAcceptsControls, csCaptureMouse, csOpaque});
    SetBounds(0, 0, 150, 75);
}

TCoolBar::~TCoolBar()
{
    FDragBand = nullptr;
    for (int i = 0; i < FBands->Count(); ++i)
        if (TWinControl* c = FBands->Items(i)->FControl)
            c->RemoveFreeNotification(this);
    // Told nothing more while the bands go.
    TCoolBands* bands = FBands;
    bands->BeginUpdate();
    FBands = nullptr;
    delete bands;
}

void TCoolBar::SetAutoSize(bool Value)
{
    if (Value == FAutoSize)
        return;
    FAutoSize = Value;
    PlaceBands();
}

void TCoolBar::Notification(TComponent* AComponent, TOperation Operation)
{
    TCustomControl::Notification(AComponent, Operation);
    if (Operation != opRemove || !FBands)
        return;
    for (int i = 0; i < FBands->Count(); ++i)
        if (TCoolBand* b = FBands->Items(i); b->FControl == AComponent) {
            b->FControl = nullptr;
            BandsChanged();
        }
}

void TCoolBar::BandsChanged()
{
    if (!FBands || IsDestroying())
        return;
    PlaceBands();
    Invalidate();
    if (OnChange)
        CallGuarded(this, [this] { OnChange(this); });
}

TCoolBar::TRows TCoolBar::Rows() const
{
    TRows rows;
    for (int i = 0; i < FBands->Count(); ++i) {
        TCoolBand* b = FBands->Items(i);
        if (!b->Visible())
            continue;
        if (rows.isEmpty() || b->Break())
            rows.append(QList<TCoolBand*>());
        rows.last().append(b);
    }
    return rows;
}

void TCoolBar::SetRows(const TRows& Rows)
{
    FBands->BeginUpdate();
    int index = 0;
    for (const QList<TCoolBand*>& row : Rows)
        for (TCoolBand* b : row) {
            b->SetIndex(index++);
            b->SetBreak(b == row.first());
        }
    FBands->EndUpdate();
}

void TCoolBar::PlaceBands()
{
    if (FPlacing || !FBands)
        return;
    FPlacing = true;
    for (int i = 0; i < FBands->Count(); ++i)
        FBands->Items(i)->FRect = TRect{};
    const TRows rows = Rows();
    int y = 0;
    for (const QList<TCoolBand*>& row : rows) {
        int height = 0;
        for (const TCoolBand* b : row)
            height = std::max(height, b->MinHeight());
        height += 2 * CoolBandMargin;
        int x = 0;
        for (TCoolBand* b : row) {
            const int width = b == row.last() ? std::max(ClientWidth() - x, MinBandWidth) : b->Width();
            b->FRect = Rect(x, y, x + width, y + height);
            if (b->FControl)
                b->FControl->SetBounds(x + CoolGripWidth, y + CoolBandMargin,
                                       width - CoolGripWidth - CoolBandMargin, height - 2 * CoolBandMargin);
            x += width;
        }
        y += height;
    }
    FRowCount = int(rows.size());
    if (FAutoSize && y != Height())
        SetBounds(Left(), Top(), Width(), y);
    FPlacing = false;
}

void TCoolBar::Resize()
{
    PlaceBands();
    TCustomControl::Resize();
}

TCoolBand* TCoolBar::GripAt(int X, int Y) const
{
    for (int i = 0; i < FBands->Count(); ++i) {
        TCoolBand* b = FBands->Items(i);
        const TRect& r = b->FRect;
        if (b->Visible() && X >= r.Left && X < r.Left + CoolGripWidth && Y >= r.Top && Y < r.Bottom)
            return b;
    }
    return nullptr;
}

void TCoolBar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft)
        if (TCoolBand* b = GripAt(X, Y)) {
            FDragBand = b;
            FDragOffset = X - b->FRect.Left;
        }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TCoolBar::MouseMove(TShiftState Shift, int X, int Y)
{
    if (FDragBand)
        DragTo(X, Y);
    else
        SetCursor(GripAt(X, Y) ? crSizeWE : crDefault);
    TCustomControl::MouseMove(Shift, X, Y);
}

void TCoolBar::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft)
        FDragBand = nullptr;
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TCoolBar::DragTo(int X, int Y)
{
    TRows rows = Rows();
    TCoolBand* band = FDragBand;
    qsizetype from = -1;
    for (qsizetype r = 0; r < rows.size(); ++r)
        if (rows[r].contains(band))
            from = r;
    if (from < 0) {
        FDragBand = nullptr;
        return;
    }
    const int left = X - FDragOffset;
    // The row under the mouse: -1 above the first, rows.size() below the last.
    qsizetype to = 0;
    if (Y < 0)
        to = -1;
    else
        while (to < rows.size() && Y >= rows[to].first()->FRect.Bottom)
            ++to;
    if (to == from) {
        QList<TCoolBand*>& row = rows[from];
        const qsizetype at = row.indexOf(band);
        if (at == 0)
            return;
        TCoolBand* before = row[at - 1];
        if (left < before->FRect.Left + CoolGripWidth) {
            row.swapItemsAt(at - 1, at);
            SetRows(rows);
        } else {
            before->SetWidth(left - before->FRect.Left);
        }
        return;
    }
    // A band alone in its row that is dragged off its bottom stays.
    if (to >= rows.size() && rows[from].size() == 1 && from == rows.size() - 1)
        return;
    if (to < 0 && rows[from].size() == 1 && from == 0)
        return;
    rows[from].removeOne(band);
    if (to < 0) {
        rows.prepend(QList<TCoolBand*>{band});
    } else if (to >= rows.size()) {
        rows.append(QList<TCoolBand*>{band});
    } else {
        QList<TCoolBand*>& row = rows[to];
        qsizetype at = 0;
        while (at < row.size() && row[at]->FRect.Left + CoolGripWidth <= left)
            ++at;
        row.insert(at, band);
    }
    rows.removeIf([](const QList<TCoolBand*>& R) { return R.isEmpty(); });
    SetRows(rows);
}

void TCoolBar::Paint()
{
    TCanvas& c = *Canvas();
    c.Brush()->SetStyle(bsSolid);
    c.Brush()->SetColor(Color());
    c.FillRect(ClientRect());
    for (int i = 0; i < FBands->Count(); ++i) {
        const TCoolBand* b = FBands->Items(i);
        if (!b->Visible())
            continue;
        TRect r = b->FRect;
        DrawEdge(c.DC(), r, EDGE_ETCHED, BF_RECT);
        // The grip: two raised ridges.
        for (int x : {r.Left + 3, r.Left + 6}) {
            TRect ridge = Rect(x, r.Top + 3, x + 3, r.Bottom - 3);
            DrawEdge(c.DC(), ridge, BDR_RAISEDINNER, BF_RECT);
        }
    }
}

} // namespace classlib
