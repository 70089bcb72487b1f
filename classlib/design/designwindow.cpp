#include "classlib/design/designwindow.h"

#include "classlib/design/formdesigner.h"
#include "classlib/design/selectionlist.h"
#include "classlib/core/classbuilder.h"

#include <algorithm>
#include <vector>

namespace classlib {

namespace {

std::vector<TDesignWindow*>& Windows()
{
    static std::vector<TDesignWindow*> windows;
    return windows;
}

bool IsOpen(const TDesignWindow* Window)
{
    const auto& windows = Windows();
    return std::find(windows.begin(), windows.end(), Window) != windows.end();
}

// Calls Proc for each window open now and still open when its turn comes.
template <class F>
void ForEachWindow(F&& Proc)
{
    const std::vector<TDesignWindow*> snapshot = Windows();
    for (TDesignWindow* window : snapshot)
        if (IsOpen(window)) Proc(window);
}

} // namespace

const TClassInfo& TDesignWindow::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TDesignWindow>("TDesignWindow").Build();
    return info;
}

TDesignWindow::TDesignWindow(TComponent* AOwner) : TForm(AOwner)
{
    Windows().push_back(this);
}

TDesignWindow::~TDesignWindow()
{
    auto& windows = Windows();
    windows.erase(std::remove(windows.begin(), windows.end(), this), windows.end());
}

void TDesignWindow::ComponentDeleted(TPersistent*) {}

void TDesignWindow::FormClosed(TForm*) {}

void TDesignWindow::FormModified() {}

void TDesignWindow::SelectionChanged(TDesignerSelectionList*) {}

QString TDesignWindow::UniqueName(TComponent*)
{
    return {};
}

void TDesignWindow::SetSelection(TDesignerSelectionList* List)
{
    if (FDesigner) FDesigner->SetSelections(List);
}

void NotifyDesignWindowsFormModified(TFormDesigner* Designer)
{
    ForEachWindow([&](TDesignWindow* w) {
        if (w->Designer() == Designer) w->FormModified();
    });
}

void NotifyDesignWindowsComponentDeleted(TPersistent* Item)
{
    ForEachWindow([&](TDesignWindow* w) { w->ComponentDeleted(Item); });
}

void NotifyDesignWindowsFormClosed(TForm* AForm)
{
    ForEachWindow([&](TDesignWindow* w) { w->FormClosed(AForm); });
}

void NotifyDesignWindowsSelectionChanged(TFormDesigner* Designer, TDesignerSelectionList* ASelection)
{
    ForEachWindow([&](TDesignWindow* w) {
        if (w->Designer() == Designer) w->SelectionChanged(ASelection);
    });
}

} // namespace classlib
