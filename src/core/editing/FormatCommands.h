// The format tool bar's commands on a selection of objects of any kinds, and the tool bar's
// state read back from a selected object.
#pragma once

#include "document/ColorNames.h"

#include <QString>

#include <optional>
#include <vector>

namespace quill {

class LabelObject;

enum class FontStyleBit { Bold, Italic, Underline };

// The state of the format tool bar that an object shows when it is selected.
struct FormatState {
    std::optional<QString> fontName;   // text box, field label (serial numbers included)
    std::optional<double> fontSize;    // ImsiFontSize, points at 100 %
    bool bold = false;
    bool italic = false;
    bool underline = false;
    std::optional<int> textAlignment;  // 0 left, 1 right, 2 centre
    std::optional<TColor> fillColour;  // shapes
    std::optional<TColor> lineColour;  // shapes
    std::optional<int> shapeKind;      // shapes: TZRMultiShapeType
};

namespace FormatCommands {

// Each command applies to the objects of a kind it knows and leaves the others alone; it
// returns how many objects changed (0: nothing to mark modified).

// Text box, field label, serial number, 1D barcode, word art.
int setFontName(const std::vector<LabelObject *> &objects, const QString &name);
// Text box, field label, serial number, 1D barcode: ImsiFontSize and the font size at 100 %.
int setFontSize(const std::vector<LabelObject *> &objects, int points);
// Flips the bit on each text box, field label and 1D barcode on its own (a bold and a plain
// box become plain and bold).
int toggleFontStyle(const std::vector<LabelObject *> &objects, FontStyleBit bit);
// Field labels and text boxes: 0 left, 1 right, 2 centre.
int setTextAlignment(const std::vector<LabelObject *> &objects, int alignment);
int setFontColour(const std::vector<LabelObject *> &objects, TColor colour);
// The font dialog's whole font on field labels and text boxes.
int setFont(const std::vector<LabelObject *> &objects, const QString &name, int points,
            bool bold, bool italic, bool underline, bool strikeOut, TColor colour);
// SetObjectFillColor, SetObjectPenColor, SetObjectPenWidth, SetObjectPenStyle on every object.
int setFillColour(const std::vector<LabelObject *> &objects, TColor colour);
int setLineColour(const std::vector<LabelObject *> &objects, TColor colour);
int setLineWidth(const std::vector<LabelObject *> &objects, int width);
int setLineStyle(const std::vector<LabelObject *> &objects, int penStyle);
// The shape box on the first object when it is a shape: a TZRMultiShapeType, or -1 for
// "transparent" (white clear brush). False when the first object is not a shape.
bool setShapeKind(LabelObject *first, int shapeKind);

// The shape box is enabled only when the selection is not empty and every object is a shape.
bool shapeBoxEnabled(const std::vector<LabelObject *> &objects);
// What the tool bar shows for an object.
FormatState stateOf(const LabelObject &object);

// A font size typed into the tool bar's box: a whole number from 1 to 999 (blanks around it
// allowed); anything else gives nothing.
std::optional<int> parseFontSize(const QString &text);

} // namespace FormatCommands

} // namespace quill
