#pragma once

// Tool buttons of a form built from a table, each running the command of a
// menu item of the same form, as stored forms hold them.

#include "classlib/controls/menus.h"
#include "classlib/controls/toolbar.h"

#include <QString>

#include <initializer_list>

namespace classlib {

template <class F>
struct TToolButtonEntry {
    TToolButton* F::*Field;  // the form's pointer to the button; nil for an unnamed divider
    const char* Name;
    int Image;  // below 0: a divider
    const char* Hint;
    TMenuItem* F::*Command;  // the item whose OnClick the button takes
};

// Makes the buttons on Bar, left to right, owned by Form. The command
// items must exist with their handlers bound.
template <class F>
void AddToolButtons(F* Form, TToolBar* Bar, std::initializer_list<TToolButtonEntry<F>> Entries)
{
    for (const TToolButtonEntry<F>& entry : Entries) {
        auto* button = new TToolButton(Form);
        if (entry.Field) {
            button->SetName(QString::fromLatin1(entry.Name));
            Form->*entry.Field = button;
        }
        if (entry.Image < 0) {
            button->SetStyle(tbsDivider);
        } else {
            button->SetImageIndex(entry.Image);
            button->SetHint(QString::fromLatin1(entry.Hint));
            button->OnClick = (Form->*entry.Command)->OnClick;
        }
        button->SetToolBar(Bar);
    }
}

} // namespace classlib
