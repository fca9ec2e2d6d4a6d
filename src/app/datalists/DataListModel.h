// The data list grid's model: the open dataset's records as table rows, handed to the view in
// batches as it scrolls, and edited in place through the dataset.
#pragma once

#include "datalists/DataSet.h"

#include <QAbstractTableModel>
#include <QPointer>
#include <QStringList>

namespace quill {

class DataListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // Rows handed to the view per fetch; a long list is never laid out at once.
    static constexpr int DefaultBatchSize = 256;

    // The model reads the dataset's records where they are (nothing is copied). Edits stay in
    // the dataset until the list is saved, so the dataset stops writing through on post.
    explicit DataListModel(DataSet *dataSet, QObject *parent = nullptr);

    DataSet *dataSet() const { return mDataSet; }
    void setBatchSize(int rows);
    int batchSize() const { return mBatch; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    // Moves the dataset to the row, sets the field and posts; false when the value does not fit
    // the field (a number field given letters) or the dataset refuses it.
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

    bool canFetchMore(const QModelIndex &parent = {}) const override;
    void fetchMore(const QModelIndex &parent = {}) override;

    // A search or sort result: the view shows these dataset rows (0-based, each at most once)
    // in this order, fetched in batches like the whole list. The dataset keeps its own order.
    // Adding or removing records, or opening another list, drops the order and the view shows
    // the list in file order again; edits of values keep it (an edited row stays where it is).
    void setRowOrder(const QList<int> &sourceRows);
    void clearRowOrder();
    bool hasRowOrder() const { return mOrdered; }
    // The dataset row behind a view row, and the view row of a dataset row; -1 when the row is
    // not part of what the view shows (outside the list, or left out by a search). Rows not
    // fetched yet count as shown.
    int sourceRow(int viewRow) const;
    int viewRow(int sourceRow) const;

private:
    void followDataSet();
    void resetRows();
    int recordCount() const;
    int shownCount() const;
    QStringList fieldNames() const;

    QPointer<DataSet> mDataSet;
    QStringList mFields; // the field names the view was last told about
    int mFetched = 0;    // rows handed to the view so far
    int mCount = 0;      // the dataset's record count when last followed
    int mBatch = DefaultBatchSize;
    bool mOrdered = false;
    QList<int> mOrder;  // view row -> dataset row, while ordered
    QList<int> mViewOf; // dataset row -> view row (-1: not shown), while ordered
};

} // namespace quill
