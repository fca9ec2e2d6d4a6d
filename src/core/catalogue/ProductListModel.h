// The new job dialog's product list as a table model: the products matching a query.
#pragma once

#include "ProductIndex.h"

#include <QAbstractTableModel>

namespace quill {

// Rows are the products of the current query, first in the query's order (labels per sheet);
// sort() reorders them by any column and the order is kept when the query changes.
// The model keeps its own copy of the products; set the catalogue again after it changed.
class ProductListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column {
        CodeColumn,    // "제품코드"
        LabelsColumn,  // "칸수": "21칸(3*7)"
        SizeColumn,    // "라벨사이즈": "63.5 * 38.1 mm"
        PrinterColumn, // "프린터"
        ColourColumn,  // "색상"
        FamilyColumn,  // "제품분류"
        PaperColumn,   // "종이"
        ColumnCount
    };
    // Role of data() giving the value a column sorts by (numbers for counts and sizes).
    static constexpr int SortRole = Qt::UserRole + 1;

    explicit ProductListModel(QObject *parent = nullptr);

    void setCatalogue(const PaperCatalogue &catalogue);
    const ProductIndex &products() const { return mIndex; }

    void setQuery(const ProductQuery &query);
    const ProductQuery &query() const { return mQuery; }

    // The catalogue index of a row, -1 outside the rows.
    int catalogueIndex(int row) const;
    // The row showing a catalogue index, -1 when it is not listed.
    int rowOfCatalogueIndex(int index) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    // column -1 gives back the query's own order.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

private:
    static QString displayText(const ProductEntry &entry, int column);
    static QVariant sortKey(const ProductEntry &entry, int column);
    QList<int> ordered(QList<int> rows) const;

    ProductIndex mIndex;
    ProductQuery mQuery;
    QList<int> mRows; // catalogue indexes, in display order
    int mSortColumn = -1;
    Qt::SortOrder mSortOrder = Qt::AscendingOrder;
};

} // namespace quill
