// A fingerprint of what a cell draws, to know when a drawing of it is out of date.
#pragma once

#include "document/LabelCell.h"

#include <QList>
#include <QRect>

namespace quill {

// The revisions of a cell's objects in z-order, with the cell's size. Two equal fingerprints
// draw the same picture (revisions are unique per change across the process), whatever
// happened in between: objects added, removed, reordered or changed all change it.
struct CellRevisions {
    QSize cellSize;
    QList<quint64> objects;

    static CellRevisions of(const LabelCell &cell)
    {
        CellRevisions r;
        r.cellSize = cell.bounds().size();
        r.objects.reserve(cell.objectCount());
        for (const auto &object : cell.objects())
            r.objects.append(object->revision());
        return r;
    }
    bool operator==(const CellRevisions &) const = default;
};

} // namespace quill
