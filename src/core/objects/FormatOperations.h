// Format toolbar operations that apply one value to one label object of any class.
#pragma once

#include "document/ColorNames.h"

namespace quill {

class LabelObject;

// Fill colour. Shape: the brush becomes solid c. Table: Brush.Color := c. Field label and
// serial number: GuideLine := (c is not white), Color := c. Text box: Transparent := (c is
// white), Brush.Color := c. Other classes are left alone.
void SetObjectFillColor(LabelObject &object, TColor color);
// Pen.Color := c for shapes, tables, field labels, serial numbers and text boxes.
void SetObjectPenColor(LabelObject &object, TColor color);
// Pen.Style := s (a TPenStyle) for the same classes.
void SetObjectPenStyle(LabelObject &object, int style);
// Pen.Width := w for the same classes. A width of 0 also makes the pen clear; a width above 0
// on a clear pen makes it solid.
void SetObjectPenWidth(LabelObject &object, int width);

} // namespace quill
