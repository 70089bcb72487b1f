#pragma once

// Menus of the designer's windows built from tables, as their stored forms
// hold them: names, captions, shortcuts, help contexts, hints and handlers.

#include "classlib/controls/menus.h"

#include <functional>
#include <initializer_list>

namespace designer {

template <class F>
struct TMenuEntry {
    const char* Name;  // "" for an unnamed item
    classlib::TMenuItem* F::*Field;  // the form's pointer to the item, or nil
    const char* Caption;
    const char* ShortCut = "";
    int HelpContext = 0;
    const char* Hint = "";
    const char16_t* Click = nullptr;  // a published method of the form
};

// Makes the items under Parent, in order, and sets the form's pointers to
// them; Handler binds a published method by its name. The last item made.
template <class F>
classlib::TMenuItem* AddMenuItems(F* Form, classlib::TMenuItem* Parent, std::initializer_list<TMenuEntry<F>> Entries,
                                  const std::function<classlib::TMethod(const char16_t*)>& Handler)
{
    classlib::TMenuItem* item = nullptr;
    for (const TMenuEntry<F>& entry : Entries) {
        item = new classlib::TMenuItem(Form);
        if (*entry.Name) item->SetName(QString::fromLatin1(entry.Name));
        if (entry.Field) Form->*entry.Field = item;
        item->SetCaption(QString::fromLatin1(entry.Caption));
        if (*entry.ShortCut) item->SetShortCut(classlib::TextToShortCut(QString::fromLatin1(entry.ShortCut)));
        item->SetHelpContext(entry.HelpContext);
        item->SetHint(QString::fromLatin1(entry.Hint));
        if (entry.Click) item->OnClick = Handler(entry.Click);
        Parent->Add(item);
    }
    return item;
}

} // namespace designer
