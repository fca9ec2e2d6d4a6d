// Miniature drawings of the cells of a page, kept until their cell changes.
#pragma once

#include "CellRevisions.h"
#include "document/InnerCutOutline.h"

#include <QHash>
#include <QImage>
#include <QList>
#include <QSize>
#include <QString>

namespace quill {

class LabelDocument;

// Each thumbnail is white with the product's inner cut outline (when it has one) and the
// cell's objects drawn by their own painting, scaled from
// the cell's 100 % size to the thumbnail's size; field-bound objects show the current record.
// A thumbnail is drawn again only when what its cell draws changed (objects added, removed,
// reordered or changed), its size changed or the records changed; everything else is
// answered from the cache. Needs no widget.
class CellThumbnails {
public:
    // The records field-bound objects show (field name -> text); see PaintContext.
    void setFieldValues(const QHash<QString, QString> &labelRecord,
                        const QHash<QString, QString> &barcodeRecord,
                        const QString &emptyFieldText);
    void clearFieldValues();

    // The thumbnail of cell n (from 1) of page p (from 1) at size, drawn now if out of date.
    // A null image when there is no such cell or the size is empty.
    QImage thumbnail(const LabelDocument &document, int page, int cell, const QSize &size);

    // Forgets every drawing.
    void clear() { mEntries.clear(); }
    // How many thumbnails were drawn (not answered from the cache) so far.
    int drawCount() const { return mDrawCount; }

private:
    struct Entry {
        const void *page = nullptr;
        int generation = -1;
        QSize size;
        CellRevisions revisions;
        InnerCutOutline outline;
        QImage image;
    };
    QImage draw(const LabelDocument &document, int page, int cell, const QSize &size) const;

    QList<Entry> mEntries; // cell n at n - 1
    QHash<QString, QString> mLabelRecord;
    QHash<QString, QString> mBarcodeRecord;
    QString mEmptyFieldText;
    bool mHasRecords = false;
    int mGeneration = 0; // counts changes of the records
    int mDrawCount = 0;
};

} // namespace quill
