// The new job dialog's product list as a table model: the products matching a query.
#include "ProductListModel.h"

#include <algorithm>

namespace quill {

ProductListModel::ProductListModel(QObject *parent) : QAbstractTableModel(parent) { }

void ProductListModel::setCatalogue(const PaperCatalogue &catalogue)
{
    beginResetModel();
    mIndex = ProductIndex(catalogue);
    mRows = ordered(mIndex.filter(mQuery));
    endResetModel();
}

void ProductListModel::setQuery(const ProductQuery &query)
{
    beginResetModel();
    mQuery = query;
    mRows = ordered(mIndex.filter(mQuery));
    endResetModel();
}

int ProductListModel::catalogueIndex(int row) const
{
    return row >= 0 && row < mRows.size() ? mRows.at(row) : -1;
}

int ProductListModel::rowOfCatalogueIndex(int index) const
{
    return int(mRows.indexOf(index));
}

int ProductListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(mRows.size());
}

int ProductListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ProductListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= mRows.size())
        return {};
    const ProductEntry &entry = mIndex.entry(mRows.at(index.row()));
    if (role == SortRole)
        return sortKey(entry, index.column());
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    return displayText(entry, index.column());
}

QString ProductListModel::displayText(const ProductEntry &entry, int column)
{
    switch (column) {
    case CodeColumn: return entry.code;
    case LabelsColumn: return entry.countText;
    case SizeColumn: return entry.sizeText;
    case PrinterColumn: return entry.remark;
    case ColourColumn: return entry.colour;
    case FamilyColumn: return entry.family;
    case PaperColumn: return entry.paper;
    default: return {};
    }
}

QVariant ProductListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case CodeColumn: return QStringLiteral("제품코드");
    case LabelsColumn: return QStringLiteral("칸수");
    case SizeColumn: return QStringLiteral("라벨사이즈");
    case PrinterColumn: return QStringLiteral("프린터");
    case ColourColumn: return QStringLiteral("색상");
    case FamilyColumn: return QStringLiteral("제품분류");
    case PaperColumn: return QStringLiteral("종이");
    default: return {};
    }
}

// Counts and sizes sort as numbers (9 before 10), missing numbers first.
QVariant ProductListModel::sortKey(const ProductEntry &entry, int column)
{
    switch (column) {
    case LabelsColumn:
        return QVariantList{entry.total.value_or(-1), entry.columns.value_or(-1)};
    case SizeColumn:
        return QVariantList{entry.width.value_or(-1.0), entry.height.value_or(-1.0)};
    default:
        return displayText(entry, column);
    }
}

namespace {

// a < b for two sort keys: numbers by value, lists element by element, texts by code points.
bool keyLess(const QVariant &a, const QVariant &b)
{
    if (a.typeId() == QMetaType::QVariantList) {
        const QVariantList x = a.toList();
        const QVariantList y = b.toList();
        for (qsizetype i = 0; i < std::min(x.size(), y.size()); ++i) {
            if (keyLess(x.at(i), y.at(i)))
                return true;
            if (keyLess(y.at(i), x.at(i)))
                return false;
        }
        return x.size() < y.size();
    }
    if (a.typeId() == QMetaType::QString)
        return a.toString() < b.toString();
    return a.toDouble() < b.toDouble();
}

} // namespace

QList<int> ProductListModel::ordered(QList<int> rows) const
{
    if (mSortColumn < 0 || mSortColumn >= ColumnCount)
        return rows;
    QList<QPair<QVariant, int>> keyed;
    keyed.reserve(rows.size());
    for (int index : std::as_const(rows))
        keyed.append({sortKey(mIndex.entry(index), mSortColumn), index});
    const bool descending = mSortOrder == Qt::DescendingOrder;
    std::stable_sort(keyed.begin(), keyed.end(), [descending](const auto &a, const auto &b) {
        return descending ? keyLess(b.first, a.first) : keyLess(a.first, b.first);
    });
    for (qsizetype i = 0; i < keyed.size(); ++i)
        rows[i] = keyed.at(i).second;
    return rows;
}

void ProductListModel::sort(int column, Qt::SortOrder order)
{
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    QList<int> catalogueRows;
    for (const QModelIndex &index : before)
        catalogueRows.append(catalogueIndex(index.row()));
    mSortColumn = column;
    mSortOrder = order;
    mRows = ordered(mIndex.filter(mQuery));
    QModelIndexList after;
    for (qsizetype i = 0; i < before.size(); ++i)
        after.append(index(rowOfCatalogueIndex(catalogueRows.at(i)), before.at(i).column()));
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

} // namespace quill
