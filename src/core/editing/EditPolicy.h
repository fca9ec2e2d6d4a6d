// Which edits mark the document modified and which undo step each records.
#pragma once

#include "document/EditHistory.h"

#include <optional>

namespace quill {

// The edits of the current cell the editor makes.
enum class EditCommand {
    Place,        // an object made by a tool or an Insert command
    TextCreate,   // the first in-place editing of a new text box ended
    TextEdit,     // in-place editing of a text box ended with a changed text
    Move,         // a drag of the selection (move or resize)
    Nudge,        // an arrow key on the selection
    Delete,
    Cut,
    Paste,
    DragCopy,     // Ctrl+drag copies
    Align,
    Order,        // front, back, one step
    Rotate,
    Mirror,
    Format,       // fonts, colours, alignment of text
    LineWidth,    // the line width menu, the custom width included
    LineStyle,
    ShapeKind,    // the shape box
    DialogOk,     // an object's dialog confirmed
    MasterApply,  // the selection copied into every other cell
    Orientation,  // the sheet turned between portrait and landscape
};

struct EditEffect {
    bool marksModified = true;
    // The undo step recorded in the current cell, under the settings' flag for its kind;
    // nothing for edits outside the current cell.
    std::optional<EditKind> snapshot;
};

// Every edit that changes the model marks the document modified and, where it changes the
// current cell, records an undo step: creations under the creation setting, moves, nudges,
// alignments and drag copies under the move setting, everything else under the modification
// setting. Master apply changes the other cells and the sheet turn the sheet, so they only
// mark the document.
EditEffect editEffect(EditCommand command);

} // namespace quill
