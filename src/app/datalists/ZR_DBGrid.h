// The data list manager's grid: a table view whose row selection follows the manager's own
// selection rules (plain, Ctrl and Shift clicks, whole rows), edits cells in place through the
// model and reports its mouse and key events to the manager.
#pragma once

#include "datalists/RowSelection.h"

#include <QTableView>

namespace quill {

class TZR_DBGrid : public QTableView {
    Q_OBJECT
public:
    explicit TZR_DBGrid(QWidget *parent = nullptr);

    // The selection as the manager keeps it; rows are the grid's rows (0-based).
    RowSelection &rowSelection() { return mSelection; }
    const RowSelection &rowSelection() const { return mSelection; }
    // Shows rowSelection() in the view (after the manager changed it).
    void mirrorSelection();

    // A list that cannot be changed: in-place editing is refused (editRefused() tells why).
    void setReadOnly(bool readOnly) { mReadOnly = readOnly; }
    bool isReadOnly() const { return mReadOnly; }

    void setModel(QAbstractItemModel *model) override;
    // Ctrl+A and the corner button: the manager selects every record (selectAllRequested()).
    void selectAll() override;

signals:
    void mouseEntered();
    void mouseLeft();
    // After the grid's own handling of a mouse press.
    void gridMouseDown(Qt::MouseButton button, QPoint position, Qt::KeyboardModifiers modifiers);
    void gridKeyUp();
    void popupRequested(QPoint globalPosition);
    void editRefused();
    void selectAllRequested();
    // A cell edit was handed to the model; stored is false when the model refused the value.
    void cellCommitted(const QModelIndex &index, bool stored);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    // The selection is the manager's: the view's own click handling never changes it.
    QItemSelectionModel::SelectionFlags selectionCommand(
        const QModelIndex &index, const QEvent *event = nullptr) const override;
    bool edit(const QModelIndex &index, EditTrigger trigger, QEvent *event) override;

private:
    void rowClicked(int row, Qt::KeyboardModifiers modifiers, RowSelection::Button button);

    RowSelection mSelection;
    bool mReadOnly = false;
};

} // namespace quill
