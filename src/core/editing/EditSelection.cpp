#include "EditSelection.h"

#include "StretchGeometry.h"

#include "document/LabelCell.h"
#include "document/LabelObject.h"

#include <algorithm>

namespace quill {

namespace {

// Edges may touch: an object enclosed exactly by the marquee is inside it.
bool liesInside(const QRect &object, const QRect &area)
{
    return object.x() >= area.x() && object.y() >= area.y()
        && object.x() + object.width() <= area.x() + area.width()
        && object.y() + object.height() <= area.y() + area.height();
}

} // namespace

std::vector<const LabelObject *> EditSelection::constObjects() const
{
    return std::vector<const LabelObject *>(mObjects.begin(), mObjects.end());
}

LabelObject *EditSelection::item(int index) const
{
    if (index < 0 || index >= count())
        return nullptr;
    return mObjects[size_t(index)];
}

bool EditSelection::contains(const LabelObject *object) const
{
    return std::find(mObjects.begin(), mObjects.end(), object) != mObjects.end();
}

void EditSelection::attach(LabelObject *object)
{
    if (object && !contains(object))
        mObjects.push_back(object);
}

void EditSelection::click(LabelObject *object, bool extend)
{
    if (!extend && !contains(object))
        clear();
    attach(object);
}

void EditSelection::selectAll(const LabelCell &cell)
{
    clear();
    for (const auto &object : cell.objects())
        mObjects.push_back(object.get());
}

void EditSelection::selectInside(const LabelCell &cell, const QRect &rect)
{
    clear();
    for (const auto &object : cell.objects()) {
        if (liesInside(object->bounds(), rect))
            mObjects.push_back(object.get());
    }
}

void EditSelection::retainExisting(const LabelCell &cell)
{
    std::erase_if(
        mObjects, [&cell](const LabelObject *object) { return cell.indexOf(object) < 0; });
}

void EditSelection::remove(const LabelObject *object)
{
    std::erase(mObjects, object);
}

QRect EditSelection::bounds() const
{
    return StretchGeometry::boundsUnion(objectBounds());
}

std::vector<QRect> EditSelection::objectBounds() const
{
    std::vector<QRect> rects;
    rects.reserve(mObjects.size());
    for (const LabelObject *object : mObjects)
        rects.push_back(object->bounds());
    return rects;
}

bool EditSelection::replace(const LabelObject *old, LabelObject *now)
{
    for (LabelObject *&object : mObjects) {
        if (object == old) {
            object = now;
            return true;
        }
    }
    return false;
}

} // namespace quill
