// Aligning, ordering, turning and mirroring the selected objects.
#pragma once

#include <QRect>

#include <vector>

namespace quill {

class LabelCell;
class LabelObject;

enum class AlignKind { Left, Right, Top, Bottom, HorizontalCentre, VerticalCentre };
enum class Turn { Left, Right };       // 90 degrees counter-clockwise / clockwise
enum class Mirror { LeftRight, UpDown };

namespace ArrangeCommands {

// The objects' bounds aligned with each other (not with the cell), from the true smallest and
// largest edges of the selection: left, every left becomes the smallest left; right, every
// right edge the largest right edge; top and bottom likewise; the centres put each object's
// middle at (smallest left + largest right) div 2 (width div 2 off it). Fewer than two
// rectangles come back unchanged.
std::vector<QRect> aligned(const std::vector<QRect> &bounds, AlignKind kind);
// Applies aligned() to the objects; false (nothing changed) with fewer than two.
bool align(const std::vector<LabelObject *> &objects, AlignKind kind);

// Drawing order in the cell (index 0 at the back). Front and back move every object given, in
// the order given; forward and backward move one object one step, exchanging it with its
// neighbour. Each returns whether the order changed.
bool bringToFront(LabelCell &cell, const std::vector<LabelObject *> &objects);
bool sendToBack(LabelCell &cell, const std::vector<LabelObject *> &objects);
bool bringForward(LabelCell &cell, LabelObject *object);
bool sendBackward(LabelCell &cell, LabelObject *object);

// Turns one object by 90 degrees about its centre: width and height exchange (the 100 x 40
// text box at (50, 50) turned left becomes 40 x 100 at (80, 20)); then by class: text box
// angle +90 (left) / -90 (right) and automatic size off; word art and gradient their angle;
// serial number its escapement; a line, straight line or triangle shape steps its start side
// (spTop -> spLeft -> spBottom -> spRight -> spTop); a table exchanges rows and columns; an
// image turns its picture (any picture format) and its frame. Field labels, barcodes and
// postal code barcodes do not turn: false and nothing changes.
// A table's grid turns with it (column widths become row heights, merged cells stay merged).
// A picture stays of its kind where it can be written again (bitmap, JPEG, icon); a GIF,
// animated cursor or metafile picture is stored as a bitmap of the turned picture. A picture
// that cannot be decoded is left as it is while the frame turns.
bool rotate(LabelObject &object, Turn turn);

// Mirrors an image's picture (any format), bounds unchanged; false for other objects and for an
// image without a picture.
bool mirror(LabelObject &object, Mirror mirror);

} // namespace ArrangeCommands

} // namespace quill
