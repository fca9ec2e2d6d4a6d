// Property-table pieces and toolkit behaviours shared by the label object classes.
#pragma once

#include "document/ColorNames.h"
#include "document/PropertyTable.h"

#include <QString>

namespace quill {

class PersistentObject;

// Left, Top, Width, Height (always written), then Tag, Cursor and Hint: the properties every
// control publishes before its own.
void addControlHead(ClassBuilder &b, int width, int height);

// A Boolean written whatever its value. Used where the toolkit's declared default differs from
// the value a new object starts with: with that default, the other value would not be written
// and a reader would fall back to the start value, losing it.
void addAlwaysWrittenBool(ClassBuilder &b, const QString &name, bool start);

// Color, written only while ParentColor is False, as the toolkit stores it; declared default
// clWindow.
void addColor(ClassBuilder &b, TColor start);

// True when the object's Color is its own (ParentColor False, or no ParentColor property).
bool ownsColor(const PersistentObject &object);

// The toolkit's reactions to a changed value that the label classes share:
// - assigning Color clears ParentColor;
// - assigning a colour to a clear brush makes it solid.
// Call from valueChanged() with the changed property's index.
void applyControlRules(PersistentObject &object, int index);

// Integer properties hold 32-bit values: a wider value wraps as the stored integer would, so
// that every value an object holds can be written and read back.
QVariant wrapInteger(const PropertyDef &def, const QVariant &value);

// Assigns Brush.Color as the toolkit's brush does: the brush becomes solid when its style is
// clear, even when the colour does not change.
void assignBrushColor(PersistentObject &object, TColor color);

} // namespace quill
