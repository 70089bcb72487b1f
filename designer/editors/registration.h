#pragma once

// What the generic designer and inspector are told about the report
// designer: the hints of the inspector's status panel, the element classes
// with the properties shown for each, and the editors of the designer's
// own value types. A registration made twice counts once; each can be
// taken back, so that the designer leaves its host as it found it.

namespace designer {

// The hints, then the paper, page and element classes (the five
// placeable ones on the unnamed palette page). Needs the registries only.
// A failure takes back what it had registered.
void RegisterDesignerComponents();
// The classes out of the design and class registries, and the hints as
// they were before RegisterDesignerComponents.
void UnregisterDesignerComponents();
bool DesignerComponentsRegistered();

// The editors by property type and the editor of every component; made
// when the library is loaded and taken back when it is unloaded.
void RegisterStandardEditors();
void UnregisterStandardEditors();

} // namespace designer
