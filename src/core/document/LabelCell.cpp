#include "LabelCell.h"

#include <algorithm>

namespace quill {

LabelCell::LabelCell(const QRect &bounds, int tabOrder) : mBounds(bounds), mTabOrder(tabOrder) {}

LabelObject *LabelCell::object(int index) const
{
    if (index < 0 || index >= objectCount())
        return nullptr;
    return mObjects[static_cast<size_t>(index)].get();
}

int LabelCell::indexOf(const LabelObject *object) const
{
    for (size_t i = 0; i < mObjects.size(); ++i) {
        if (mObjects[i].get() == object)
            return static_cast<int>(i);
    }
    return -1;
}

LabelObject *LabelCell::addObject(std::unique_ptr<LabelObject> object)
{
    return insertObject(objectCount(), std::move(object));
}

LabelObject *LabelCell::insertObject(int index, std::unique_ptr<LabelObject> object)
{
    if (!object)
        return nullptr;
    index = std::clamp(index, 0, objectCount());
    LabelObject *raw = object.get();
    mObjects.insert(mObjects.begin() + index, std::move(object));
    return raw;
}

std::unique_ptr<LabelObject> LabelCell::takeObject(int index)
{
    if (index < 0 || index >= objectCount())
        return nullptr;
    std::unique_ptr<LabelObject> taken = std::move(mObjects[static_cast<size_t>(index)]);
    mObjects.erase(mObjects.begin() + index);
    return taken;
}

LabelCell LabelCell::clone() const
{
    LabelCell copy(mBounds, mTabOrder);
    copy.mObjects.reserve(mObjects.size());
    for (const auto &object : mObjects)
        copy.mObjects.push_back(object->clone());
    return copy;
}

} // namespace quill
