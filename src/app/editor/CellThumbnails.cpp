#include "CellThumbnails.h"

#include "document/CellRenderer.h"
#include "document/LabelDocument.h"
#include "document/WorkLabelPainter.h"

#include <QPainter>

namespace quill {

void CellThumbnails::setFieldValues(const QHash<QString, QString> &labelRecord,
                                    const QHash<QString, QString> &barcodeRecord,
                                    const QString &emptyFieldText)
{
    mLabelRecord = labelRecord;
    mBarcodeRecord = barcodeRecord;
    mEmptyFieldText = emptyFieldText;
    mHasRecords = true;
    ++mGeneration;
}

void CellThumbnails::clearFieldValues()
{
    mLabelRecord.clear();
    mBarcodeRecord.clear();
    mEmptyFieldText.clear();
    mHasRecords = false;
    ++mGeneration;
}

QImage CellThumbnails::thumbnail(const LabelDocument &document, int page, int cell,
                                 const QSize &size)
{
    const LabelCell *panel = document.cell(page, cell);
    if (!panel || size.isEmpty() || cell < 1)
        return {};
    if (mEntries.size() < cell)
        mEntries.resize(cell);
    Entry &entry = mEntries[cell - 1];
    CellRevisions revisions = CellRevisions::of(*panel);
    // The page is part of the key: equal fingerprints of two pages' cells would draw the
    // same, but a page change is also when records and sizes tend to change.
    const void *pageKey = document.page(page);
    const InnerCutOutline &outline = document.workLabel().innerCutOutline();
    if (entry.image.isNull() || entry.page != pageKey || entry.generation != mGeneration
        || entry.size != size || entry.revisions != revisions || entry.outline != outline) {
        entry.image = draw(document, page, cell, size);
        entry.page = pageKey;
        entry.generation = mGeneration;
        entry.size = size;
        entry.revisions = std::move(revisions);
        entry.outline = outline;
        ++mDrawCount;
    }
    return entry.image;
}

QImage CellThumbnails::draw(const LabelDocument &document, int page, int cell,
                            const QSize &size) const
{
    const LabelCell &panel = *document.cell(page, cell);
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    const QSize model = panel.bounds().size();
    if (model.width() < 1 || model.height() < 1)
        return image;
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const double sx = double(size.width()) / model.width();
    const double sy = double(size.height()) / model.height();
    painter.scale(sx, sy);
    if (document.workLabel().innerCutOutline().present) {
        // The work label's own drawing of the outline, on white paper without shadow or grid;
        // the overview draws the cell's edge itself.
        TZR_WorkLabel paper = document.workLabel();
        paper.setShadowFlag(false);
        paper.setGridflag(false);
        paper.setColor(clWhite);
        paintWorkLabel(painter, paper, 100);
    }
    PaintContext context;
    context.dpiX = 96.0 * sx;
    context.dpiY = 96.0 * sy;
    if (mHasRecords) {
        context.labelRecord = &mLabelRecord;
        context.barcodeRecord = &mBarcodeRecord;
        context.emptyFieldText = mEmptyFieldText;
    }
    renderCellObjects(painter, panel, context);
    return image;
}

} // namespace quill
