// The objects selected in the current cell, in the order they were selected.
#pragma once

#include <QRect>

#include <vector>

namespace quill {

class LabelCell;
class LabelObject;

// The model side of the selection handles: which objects of the cell shown are selected. It
// holds no widgets and owns nothing; the objects belong to their cell, so whoever removes
// objects from the cell (delete, undo, a cell switch) calls retainExisting() or clear().
class EditSelection {
public:
    const std::vector<LabelObject *> &objects() const { return mObjects; }
    std::vector<const LabelObject *> constObjects() const;
    int count() const { return int(mObjects.size()); }
    bool isEmpty() const { return mObjects.empty(); }
    // The object at a position of the selection order; nullptr outside it.
    LabelObject *item(int index) const;
    LabelObject *first() const { return item(0); }
    bool contains(const LabelObject *object) const;

    // Adds an object at the end; one already selected stays where it is. Null is ignored.
    void attach(LabelObject *object);
    // Empties the selection.
    void clear() { mObjects.clear(); }
    // A click on an object: without extend the object alone becomes the selection, unless it is
    // already selected (then the selection stays, so a drag moves all of it); with extend
    // (Shift) it is added, and an object already selected stays selected. A click on nothing
    // (null) empties the selection, or leaves it with extend.
    void click(LabelObject *object, bool extend);
    // Every object of the cell, back to front.
    void selectAll(const LabelCell &cell);
    // A marquee: the objects of the cell lying wholly inside rect (edges may touch), back to
    // front; an object the rectangle cuts through is not taken. Replaces the selection.
    void selectInside(const LabelCell &cell, const QRect &rect);
    // Forgets the objects that are no longer in the cell.
    void retainExisting(const LabelCell &cell);
    void remove(const LabelObject *object);
    // Puts now in old's place in the selection order; false when old is not selected.
    bool replace(const LabelObject *old, LabelObject *now);

    // Union of the selected objects' bounds (model pixels at 100 %); empty when none.
    QRect bounds() const;
    std::vector<QRect> objectBounds() const;

private:
    std::vector<LabelObject *> mObjects;
};

} // namespace quill
