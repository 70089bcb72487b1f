#pragma once

// What the generic designer and inspector are told about the report
// designer: the hints of the inspector's status panel, the element classes
// with the properties shown for each, and the editors of the designer's
// own value types. Each happens once per process; a second call does
// nothing.

namespace designer {

// The hints, then the paper, page and element classes (the five
// placeable ones on the unnamed palette page). Needs the registries only.
void RegisterDesignerComponents();

// The editors by property type and the editor of every component; runs
// when the library is loaded.
void RegisterStandardEditors();
// Take back what the two above registered (the stream classes and the
// editors), so that the library leaves its host as it found it when it is
// unloaded; the next call of either registers anew.
void UnregisterDesignerComponents();
void UnregisterStandardEditors();

} // namespace designer
