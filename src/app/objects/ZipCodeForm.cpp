#include "ZipCodeForm.h"

#include "BarcodeFormParts.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace quill {

TZipCodeForm::TZipCodeForm(
    const CaptionFile &captions, const PostalCodeTable &table, QWidget *parent)
    : QDialog(parent), mTable(table)
{
    const FormCaptions text(captions, QStringLiteral("ZipCodeForm"));
    setObjectName(QStringLiteral("ZipCodeForm"));
    mCaption = text("FormCaption", QStringLiteral("우편번호"));
    mNotFound = text("NotFound", QStringLiteral("우편번호를 찾을 수 없습니다."));
    setWindowTitle(mCaption);

    mPanel = new QWidget(this);
    mPanel->setObjectName(QStringLiteral("SearchPanel"));
    auto *panel = new QHBoxLayout(mPanel);
    panel->setContentsMargins(0, 0, 0, 0);
    panel->addWidget(
        new QLabel(text("Lbl_Search", QStringLiteral("* 찾고자하는 동 입력 : ")), mPanel));
    mSearchText = new QLineEdit(mPanel);
    mSearchText->setObjectName(QStringLiteral("Edt_Search"));
    panel->addWidget(mSearchText, 1);
    mSearch = new QPushButton(text("SearchBtn", QStringLiteral("찾기")), mPanel);
    mSearch->setObjectName(QStringLiteral("SearchBtn"));
    mSearch->setAutoDefault(false);
    panel->addWidget(mSearch);
    mPanel->setVisible(false);

    mGrid = new QTableWidget(0, 3, this);
    mGrid->setObjectName(QStringLiteral("DBGrid"));
    mGrid->setHorizontalHeaderLabels(
        {QStringLiteral("ZIPCODE"), QStringLiteral("ADDRESS"), QStringLiteral("DDD")});
    mGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    mGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    mGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    mGrid->verticalHeader()->setVisible(false);
    mGrid->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    mGrid->installEventFilter(this);

    mSelect = new QPushButton(text("SelectBtn", QStringLiteral("선택")), this);
    mSelect->setObjectName(QStringLiteral("SelectBtn"));
    mCancel = new QPushButton(text("CancelBtn", QStringLiteral("취소")), this);
    mCancel->setObjectName(QStringLiteral("CancelBtn"));
    for (QPushButton *button : {mSelect, mCancel})
        button->setAutoDefault(false);
    mSelect->setEnabled(false);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(mSelect);
    buttons->addWidget(mCancel);

    auto *main = new QVBoxLayout(this);
    main->addWidget(mPanel);
    main->addWidget(mGrid, 1);
    main->addLayout(buttons);
    resize(460, 360);

    connect(mSearch, &QPushButton::clicked, this, [this] { search(mSearchText->text()); });
    connect(mSearchText, &QLineEdit::returnPressed, this, [this] { search(mSearchText->text()); });
    connect(mGrid, &QTableWidget::currentCellChanged, this, &TZipCodeForm::currentRowChanged);
    connect(mSelect, &QPushButton::clicked, this, &TZipCodeForm::accept);
    connect(mCancel, &QPushButton::clicked, this, &TZipCodeForm::reject);
}

void TZipCodeForm::setSearchPanelVisible(bool visible)
{
    mPanel->setVisible(visible);
}

bool TZipCodeForm::isSearchPanelVisible() const
{
    return !mPanel->isHidden();
}

void TZipCodeForm::setAreas(const QList<PostalArea> &areas)
{
    mAreas = areas;
    mGrid->setRowCount(0);
    mGrid->setRowCount(int(areas.size()));
    for (int row = 0; row < areas.size(); ++row) {
        const PostalArea &area = areas[row];
        mGrid->setItem(row, 0, new QTableWidgetItem(area.zipCode));
        mGrid->setItem(row, 1, new QTableWidgetItem(area.address));
        mGrid->setItem(row, 2, new QTableWidgetItem(area.ddd));
    }
    // New rows have no current one yet: the user picks it.
    mGrid->setCurrentIndex(QModelIndex());
    mGrid->clearSelection();
    currentRowChanged();
}

int TZipCodeForm::search(const QString &text)
{
    const QList<PostalArea> found = mTable.searchAddress(text);
    setAreas(found);
    if (found.isEmpty())
        QMessageBox::information(this, mCaption, mNotFound);
    return int(found.size());
}

void TZipCodeForm::currentRowChanged()
{
    const int row = mGrid->currentRow();
    const bool current = row >= 0 && row < mAreas.size();
    // A row that becomes current is the selected one, whatever made it current.
    if (current && !mGrid->selectionModel()->isRowSelected(row, QModelIndex()))
        mGrid->selectRow(row);
    mSelect->setEnabled(current);
}

void TZipCodeForm::accept()
{
    const int row = mGrid->currentRow();
    if (row < 0 || row >= mAreas.size())
        return;
    mChosen = mAreas[row];
    QDialog::accept();
}

void TZipCodeForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (mGrid->rowCount() > 0) {
        // Rows handed over by the caller: the first is current, as in a freshly opened query.
        if (mGrid->currentRow() < 0)
            mGrid->setCurrentCell(0, 0);
        mGrid->setFocus();
    } else if (isSearchPanelVisible())
        mSearchText->setFocus();
}

bool TZipCodeForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == mGrid && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (mSelect->isEnabled())
                mSelect->setFocus();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace quill
