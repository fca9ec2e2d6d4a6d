// The open dialog of the data list manager and its table chooser.
#include "OpenTableDialog.h"

#include "datalists/DataListFile.h"

#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace quill {

TZR_OpenTableNameFrm::TZR_OpenTableNameFrm(const QStringList &tables, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("ZR_OpenTableNameFrm"));
    setWindowTitle(QStringLiteral("테이블 목록 "));
    auto *group = new QGroupBox(QStringLiteral("테이블 목록"), this);
    group->setObjectName(QStringLiteral("GroupBox1"));
    mList = new QListWidget(group);
    mList->setObjectName(QStringLiteral("Lsb_TableList"));
    mList->addItems(tables);
    if (mList->count() > 0)
        mList->setCurrentRow(0);
    auto *groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(mList);

    mOpen = new QPushButton(QStringLiteral("열기"), this);
    mOpen->setObjectName(QStringLiteral("Btn_Open"));
    mOpen->setDefault(true);
    connect(mOpen, &QPushButton::clicked, this, &TZR_OpenTableNameFrm::openSelected);
    connect(mList, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem *item) {
        mList->setCurrentItem(item);
        openSelected();
    });

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(mOpen);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);
    resize(300, 320);
}

QString TZR_OpenTableNameFrm::tableName() const
{
    const QListWidgetItem *item = mList->currentItem();
    return item && item->isSelected() ? item->text() : QString();
}

void TZR_OpenTableNameFrm::openSelected()
{
    if (mList->count() > 0 && !tableName().isEmpty())
        accept();
    else
        reject();
}

std::optional<QString> TZR_OpenTableDialog::chooseTable(QWidget *parent, const QString &path)
{
    if (!hasNamedTables(dataListFormat(path)))
        return QString();
    const Result<QStringList> tables = dataListTables(path);
    // A file that cannot be listed is opened as it is; opening it says what is wrong.
    if (!tables || tables.value().size() <= 1)
        return tables && !tables.value().isEmpty() ? tables.value().first() : QString();
    TZR_OpenTableNameFrm chooser(tables.value(), parent);
    if (chooser.exec() != QDialog::Accepted)
        return std::nullopt;
    return chooser.tableName();
}

TSendDBName TZR_OpenTableDialog::getList(
    QWidget *parent, const QString &filter, const QString &directory)
{
    const QString path
        = QFileDialog::getOpenFileName(parent, QStringLiteral("목록 열기"), directory, filter);
    if (path.isEmpty())
        return {};
    const std::optional<QString> table = chooseTable(parent, path);
    if (!table)
        return {};
    return {path, *table};
}

} // namespace quill
