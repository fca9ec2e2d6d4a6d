// One label page (a "TTabSheet" in streams): its caption and its cells in cell-number order.
#pragma once

#include "LabelCell.h"

#include <QString>

#include <memory>
#include <vector>

namespace quill {

// Cells are numbered from 1; cell n is held at position n - 1.
class LabelPage {
public:
    static QString className() { return QStringLiteral("TTabSheet"); }

    LabelPage() = default;
    explicit LabelPage(const QString &caption) : mCaption(caption) {}

    // "Page_" + the page count when it was added; never renumbered.
    QString caption() const { return mCaption; }
    void setCaption(const QString &caption) { mCaption = caption; }

    int cellCount() const { return static_cast<int>(mCells.size()); }
    // Cell n (1-based), or nullptr when the page has no such cell. The pointer stays valid
    // while the cell belongs to the page.
    LabelCell *cell(int number) const;
    LabelCell *appendCell(std::unique_ptr<LabelCell> cell);
    void clearCells() { mCells.clear(); }

private:
    QString mCaption;
    std::vector<std::unique_ptr<LabelCell>> mCells;
};

} // namespace quill
