#pragma once

// What the menu and shortcut tests share: a control that counts the keys
// it gets, and a menu item that counts its clicks.

#include "classlib/controls/control.h"
#include "classlib/controls/menus.h"
#include "classlib/controls/messages.h"

#include <functional>

namespace classlib::testing {

class TKeyControl : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    int Keys = 0;  // other than the modifiers themselves

protected:
    void KeyDown(unsigned& Key, TShiftState Shift) override
    {
        if (Key != VK_SHIFT && Key != VK_CONTROL && Key != VK_MENU)
            ++Keys;
        TCustomControl::KeyDown(Key, Shift);
    }
};

class TCountingItem : public TMenuItem {
public:
    using TMenuItem::TMenuItem;
    int Clicks = 0;
    // What the item's click does besides counting.
    std::function<void()> Action;
    void Click() override
    {
        ++Clicks;
        if (Action)
            Action();
        TMenuItem::Click();
    }
};

} // namespace classlib::testing
