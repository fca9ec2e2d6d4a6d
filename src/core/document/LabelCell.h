// One label cell of a page (a "TPanel" in streams): its bounds and its objects.
#pragma once

#include "LabelObject.h"

#include <QRect>

#include <memory>
#include <vector>

namespace quill {

// A cell owns its objects in z-order: index 0 is at the back, the last index in front.
class LabelCell {
public:
    static QString className() { return QStringLiteral("TPanel"); }

    LabelCell() = default;
    explicit LabelCell(const QRect &bounds, int tabOrder = 0);
    LabelCell(LabelCell &&) = default;
    LabelCell &operator=(LabelCell &&) = default;

    // Bounds in pixels at 100 % relative to the first cell of the sheet.
    QRect bounds() const { return mBounds; }
    void setBounds(const QRect &bounds) { mBounds = bounds; }
    // Position among the page's cells as the toolkit numbers it (cell n has n - 1).
    int tabOrder() const { return mTabOrder; }
    void setTabOrder(int order) { mTabOrder = order; }

    int objectCount() const { return static_cast<int>(mObjects.size()); }
    bool isEmpty() const { return mObjects.empty(); }
    // The object at a z-order index, or nullptr outside 0..objectCount() - 1.
    LabelObject *object(int index) const;
    const std::vector<std::unique_ptr<LabelObject>> &objects() const { return mObjects; }
    // Index of an object of this cell, or -1.
    int indexOf(const LabelObject *object) const;

    // Adds in front of all others; returns the object. A null object is ignored.
    LabelObject *addObject(std::unique_ptr<LabelObject> object);
    // Inserts at a z-order index, clamped to 0..objectCount().
    LabelObject *insertObject(int index, std::unique_ptr<LabelObject> object);
    // Removes and hands over the object at index; nullptr outside the range.
    std::unique_ptr<LabelObject> takeObject(int index);
    void clear() { mObjects.clear(); }

    // A deep copy with cloned objects.
    LabelCell clone() const;

private:
    QRect mBounds;
    int mTabOrder = 0;
    std::vector<std::unique_ptr<LabelObject>> mObjects;
};

} // namespace quill
