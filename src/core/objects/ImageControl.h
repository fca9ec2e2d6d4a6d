// The persisted properties of the toolkit's picture control, the base of picture objects.
#pragma once

#include "document/PropertyTable.h"

namespace quill {

// After the control head: Align, Anchors, AutoSize, Center, Constraints.*, DragCursor, DragKind,
// DragMode, Enabled, IncrementalDisplay, ParentShowHint, Picture.Data, Proportional, ShowHint,
// Stretch, Transparent, Visible, all with the toolkit's declared defaults (Booleans False
// except Enabled, ParentShowHint and Visible). Picture.Data holds the picture's stream payload
// (see imaging/PictureData.h), empty for a picture without a graphic.
void addImageControlProperties(ClassBuilder &b);

// The picture control itself ("TImage"): the control head (105 x 105) and the properties above.
const ClassInfo &imageControlClassInfo();

} // namespace quill
