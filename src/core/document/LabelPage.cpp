#include "LabelPage.h"

namespace quill {

LabelCell *LabelPage::cell(int number) const
{
    if (number < 1 || number > cellCount())
        return nullptr;
    return mCells[static_cast<size_t>(number - 1)].get();
}

LabelCell *LabelPage::appendCell(std::unique_ptr<LabelCell> cell)
{
    if (!cell)
        return nullptr;
    mCells.push_back(std::move(cell));
    return mCells.back().get();
}

} // namespace quill
