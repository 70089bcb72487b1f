#pragma once

// Components on their way through the clipboard: written with the child
// controls nested in their parents, and read back onto a design surface
// under free names, moved off corners that are taken.

#include "designer-framework/export.h"

#include "classlib/core/reader.h"
#include "classlib/core/streams.h"

namespace classlib {
class TWinControl;
class TWriter;
}

namespace designer_framework {

class TControlDesigner;

// Messages of a paste that is refused before anything is read.
inline constexpr char SSurfaceNotPastable[] = "Class %s cannot be pasted";
inline constexpr char SInheritedNotPastable[] = "Inherited component %s cannot be pasted";
// A component that would lie deeper below the surface than a stream nests.
inline constexpr char SNestedTooDeep[] = "Component %s is nested too deeply to be pasted here";
// What would be shown but never stored: a control inside something that
// takes no controls, or a class that the surface's designer does not keep.
inline constexpr char SCannotHoldControl[] = "Class %s cannot be pasted into %s";

// Adds nothing: a paste's behaviour lies in the handlers that the stream
// gives it.
class QX_DESIGNFW_EXPORT TDesignReader : public classlib::TReader {
public:
    using classlib::TReader::TReader;
};

// Binary records, each behind its own signature, ended by one zero byte.
class QX_DESIGNFW_EXPORT TDesignerStream : public classlib::TMemoryStream {
public:
    TControlDesigner* Surface() const { return FSurface; }

    // Reads every record from the position to the end marker onto ASurface,
    // owned by it and under AParent. Nothing is read when a record would
    // read into an existing component, create a design surface, or lie
    // deeper below the surface than a stream of it could nest, or be of a
    // class that the surface's designer does not keep. A control is read
    // only into a windowed control that accepts controls. A read that
    // fails part-way frees all that it created, so the surface is left as
    // it was.
    void ReadInto(TControlDesigner* ASurface, classlib::TWinControl* AParent);

    // The reader's handlers: a free name on the surface, and the placing of
    // each top-level component read.
    void ReaderSetName(classlib::TReader& Reader, classlib::TComponent* Component, QString& Name);
    void ComponentRead(classlib::TComponent* Component);

private:
    // EReadError unless every record from the position on may be pasted
    // under AParent; the position is kept.
    void CheckPastable(const classlib::TWinControl* AParent);

    TControlDesigner* FSurface = nullptr;
};

// Writes Component with its tree nested in it: at every depth, what a
// record's class streams itself (as it does when its root is stored), then
// the record's other child controls that share its owner; each once.
// Without a writer, a signature first, through a writer of its own.
QX_DESIGNFW_EXPORT void WriteComponentTree(classlib::TStream& Stream, classlib::TComponent* Component,
                                           classlib::TWriter* Writer = nullptr);

} // namespace designer_framework
