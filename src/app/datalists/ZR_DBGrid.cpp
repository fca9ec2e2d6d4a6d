// The data list manager's grid.
#include "ZR_DBGrid.h"

#include <QApplication>
#include <QHeaderView>
#include <QMetaProperty>
#include <QMouseEvent>
#include <QStyledItemDelegate>

namespace quill {
namespace {

// Hands an edited value to the model itself so that the grid learns whether it was stored.
class CommitDelegate : public QStyledItemDelegate {
public:
    explicit CommitDelegate(TZR_DBGrid *grid) : QStyledItemDelegate(grid), mGrid(grid) { }

    void setModelData(
        QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override
    {
        const QByteArray name = editor->metaObject()->userProperty().name();
        const bool stored = model->setData(index, editor->property(name.constData()), Qt::EditRole);
        emit mGrid->cellCommitted(index, stored);
    }

private:
    TZR_DBGrid *mGrid;
};

} // namespace

TZR_DBGrid::TZR_DBGrid(QWidget *parent) : QTableView(parent)
{
    setObjectName(QStringLiteral("ZR_DBGrid1"));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
        | QAbstractItemView::AnyKeyPressed);
    setContextMenuPolicy(Qt::NoContextMenu); // the manager shows its own pop-up menu
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    // One line per record, cut with an ellipsis, in rows as low as the text: long addresses
    // wrapped into two half-hidden lines and left few records on screen.
    setWordWrap(false);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    setItemDelegate(new CommitDelegate(this));
    // A click on a record number selects like a click in the row.
    connect(verticalHeader(), &QHeaderView::sectionPressed, this, [this](int row) {
        rowClicked(row, QApplication::keyboardModifiers(), RowSelection::Button::Left);
    });
}

void TZR_DBGrid::setModel(QAbstractItemModel *model)
{
    QTableView::setModel(model);
    if (!model)
        return;
    // Rows fetched later show the selection they already have.
    connect(model, &QAbstractItemModel::rowsInserted, this, &TZR_DBGrid::mirrorSelection);
    connect(model, &QAbstractItemModel::modelReset, this, &TZR_DBGrid::mirrorSelection);
}

void TZR_DBGrid::selectAll()
{
    emit selectAllRequested();
}

void TZR_DBGrid::mirrorSelection()
{
    QItemSelectionModel *model = selectionModel();
    if (!model || !this->model())
        return;
    const int shown = this->model()->rowCount();
    const int lastColumn = this->model()->columnCount() - 1;
    QItemSelection selection;
    if (lastColumn >= 0) {
        const QList<int> rows = mSelection.rows();
        for (qsizetype i = 0; i < rows.size() && rows.at(i) < shown;) {
            qsizetype end = i; // a run of consecutive rows is one range
            while (end + 1 < rows.size() && rows.at(end + 1) == rows.at(end) + 1
                && rows.at(end + 1) < shown)
                ++end;
            selection.select(this->model()->index(rows.at(i), 0),
                this->model()->index(rows.at(end), lastColumn));
            i = end + 1;
        }
    }
    model->select(selection, QItemSelectionModel::ClearAndSelect);
}

void TZR_DBGrid::rowClicked(int row, Qt::KeyboardModifiers modifiers, RowSelection::Button button)
{
    if (row < 0)
        return;
    mSelection.click(row, modifiers, button);
    mirrorSelection();
}

void TZR_DBGrid::mousePressEvent(QMouseEvent *event)
{
    const QPoint position = event->position().toPoint();
    if (event->button() == Qt::RightButton) {
        emit popupRequested(event->globalPosition().toPoint());
    } else {
        QTableView::mousePressEvent(event); // the current cell, and editing
        const int row = rowAt(position.y());
        if (event->button() == Qt::LeftButton)
            rowClicked(row, event->modifiers(), RowSelection::Button::Left);
        else if (event->button() == Qt::MiddleButton)
            rowClicked(row, event->modifiers(), RowSelection::Button::Middle);
    }
    emit gridMouseDown(event->button(), position, event->modifiers());
}

void TZR_DBGrid::keyReleaseEvent(QKeyEvent *event)
{
    QTableView::keyReleaseEvent(event);
    emit gridKeyUp();
}

void TZR_DBGrid::enterEvent(QEnterEvent *event)
{
    QTableView::enterEvent(event);
    emit mouseEntered();
}

void TZR_DBGrid::leaveEvent(QEvent *event)
{
    QTableView::leaveEvent(event);
    emit mouseLeft();
}

QItemSelectionModel::SelectionFlags TZR_DBGrid::selectionCommand(
    const QModelIndex &, const QEvent *) const
{
    return QItemSelectionModel::NoUpdate;
}

bool TZR_DBGrid::edit(const QModelIndex &index, EditTrigger trigger, QEvent *event)
{
    const bool wouldEdit = trigger != NoEditTriggers && trigger != CurrentChanged
        && (editTriggers() & trigger || trigger == AllEditTriggers);
    if (mReadOnly && wouldEdit && index.isValid()) {
        emit editRefused();
        return false;
    }
    return QTableView::edit(index, trigger, event);
}

} // namespace quill
