// The data list manager, "데이터 목록 관리": opens a data list, shows it in a grid for browsing,
// editing, searching and sorting, marks the rows to print and sends rows and fields to the
// label. Every other window it needs is opened through DBAdminDialogs.
#pragma once

#include "datalists/DBAdminDialogs.h"
#include "datalists/DataListName.h"

#include <QDialog>
#include <QVariantList>

#include <array>
#include <optional>

class QAction;
class QLabel;
class QMenu;
class QMenuBar;
class QTableView;
class QToolBar;

namespace quill {

class CaptionFile;
class DataListModel;
class DataSet;
class TZR_DBGrid;

enum class DBAdminCommand {
    Open,
    Save,
    Close,
    Input,
    Modify,
    Delete,
    SelectAll,
    Search,
    Sort,
    AddField,
    ModifyField,
    First,
    Prior,
    Next,
    Last,
    PostalSearch,
    PostalBarcode,
    Barcode,
    LogisticsBarcode,
    PrintRange,
    SendToLabels,
    Help,
    Cut,
    Copy,
    Paste, // the grid's pop-up menu
    Count
};

class TDBAdminFrm : public QDialog {
    Q_OBJECT
public:
    // The result after a make-barcode (the value of a Yes answer).
    static constexpr int BarcodeSent = 6;

    TDBAdminFrm(const CaptionFile &captions, DBAdminDialogs &dialogs, QWidget *parent = nullptr);
    ~TDBAdminFrm() override;

    // A list to open when the window is shown.
    void setPreset(const TSendDBName &list);
    // Runs the open command once, when the window is first shown.
    void setOpenOnActivation(bool on) { mOpenOnActivation = on; }

    // Opens a list by name; false (the reason shown) when it cannot be read.
    bool openList(const TSendDBName &list);

    std::optional<LabelSendResult> labelSend() const { return mLabelSend; }
    std::optional<BarcodeSendResult> barcodeSend() const { return mBarcodeSend; }
    TSendDBName currentList() const { return mList; }
    DataSet &dataSet() { return *mDataSet; }
    QTableView *grid() const;
    TZR_DBGrid *dbGrid() const { return mGrid; }
    QAction *action(DBAdminCommand command) const { return mActions.at(size_t(command)); }
    // The status bar's panels: 0 (empty), 1 the selection hint, 2 the record position.
    QString statusText(int panel) const;
    // The dataset row shown in a grid row (a search or sort shows rows in another order).
    int listRow(int gridRow) const;
    int gridRowCount() const;

    // Runs a command as its menu item does.
    void run(DBAdminCommand command);

protected:
    void showEvent(QShowEvent *event) override;

private:
    // Building (DBAdminCommands.cpp).
    void createActions();
    void createMenus(QMenuBar *bar);
    void createToolBar(QToolBar *bar);
    QString caption(const char *key, const QString &fallback) const;

    // State.
    void updateActions();
    void updateRecordPanel();
    bool listOpen() const;
    bool refuseChange(); // true (with the message) when the list cannot be changed
    bool writeBack();
    void showReason(const QString &text);
    void applyColumnWidths();

    // Commands (DBAdminActions.cpp, DBAdminSend.cpp).
    void openCommand();
    void exportList();
    void deleteRows();
    void commitPending();
    DataTable shownTable() const;
    void copyRecord();
    void cutRecord();
    void pasteRecord();
    void enterRecords(bool modify);
    void editFields(bool modify);
    void searchList();
    void sortList();
    void printRange();
    void selectAll();
    void moveTo(int gridRow);
    void sendToLabels();
    void makeBarcode(int kind);
    ManagerSelection managerSelection() const;
    void cellCommitted(bool stored);

    // The grid's row order (DBAdminRowOrder.cpp): the only place that asks the model for it.
    void showRows(const QList<int> &listRows);
    void showWholeList();
    void removeFromOrder(const QList<int> &deletedListRows);
    void appendToOrder(int firstListRow, int count);

    const CaptionFile &mCaptions;
    DBAdminDialogs &mDialogs;
    DataSet *mDataSet = nullptr;
    DataListModel *mModel = nullptr;
    TZR_DBGrid *mGrid = nullptr;
    std::array<QAction *, size_t(DBAdminCommand::Count)> mActions {};
    QMenu *mPopup = nullptr;
    std::array<QLabel *, 3> mPanels {};

    TSendDBName mList;
    QString mReadOnlyReason;
    std::optional<TSendDBName> mPreset;
    bool mOpenOnActivation = false;
    bool mShown = false;
    std::optional<QList<int>> mOrder; // dataset rows in grid order, while a search or sort shows
    std::optional<QVariantList> mCopied;
    std::optional<LabelSendResult> mLabelSend;
    std::optional<BarcodeSendResult> mBarcodeSend;
};

} // namespace quill
