// Which pop-up menu the work area shows for a selection.
#pragma once

#include <vector>

namespace quill {

class LabelObject;

enum class SelectionMenu {
    Default,    // cut, copy, paste, order, delete
    Properties, // the default menu with "속성" (the first object has a dialog)
    Shape,      // with the line styles
    Image,      // with "원본 크기로" and "속      성"
};

// Chosen by the kinds of the objects selected: only shapes, the shape menu; only images, the
// image menu; otherwise the default menu, with properties whenever the first selected object
// has a dialog of its own (every kind but the text box, which is edited in place, the shape,
// which the tool bars format, and the field label, which a send from a data list makes).
SelectionMenu selectionMenu(const std::vector<LabelObject *> &selection);
bool hasPropertiesDialog(const LabelObject &object);

} // namespace quill
