#include "FieldADDFrm.h"

#include "datalists/DataListFile.h"
#include "datalists/DataSet.h"
#include "datalists/FieldChanges.h"
#include "datalists/TableFieldTemplates.h"
#include "editor/EditorActions.h"
#include "shell/CaptionFile.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace quill {

TFieldADDFrm::TFieldADDFrm(const CaptionFile &captions, DataSet &list, bool modify, QWidget *parent)
    : QDialog(parent), mCaptions(captions), mList(list), mModify(modify)
{
    build();
    refillList({});
}

QString TFieldADDFrm::caption(const char *key, const QString &fallback) const
{
    return EditorActions::captionOrDefault(
        mCaptions, QStringLiteral("FieldADDModify"), QString::fromLatin1(key), fallback);
}

void TFieldADDFrm::build()
{
    setObjectName(QStringLiteral("FieldADDFrm"));
    setWindowTitle(QStringLiteral("필드추가"));

    auto *listGroup = new QGroupBox(QStringLiteral("필드목록"), this);
    mFieldList = new QListWidget(listGroup);
    mFieldList->setObjectName(QStringLiteral("Lsb_FieldList"));
    (new QVBoxLayout(listGroup))->addWidget(mFieldList);
    if (mModify)
        connect(mFieldList, &QListWidget::currentRowChanged, this, &TFieldADDFrm::loadField);
    else
        mFieldList->setSelectionMode(QAbstractItemView::NoSelection);

    mGroup = new QGroupBox(mModify ? caption("GroupModify", QStringLiteral("필드 수정"))
                                   : caption("GroupADD", QStringLiteral("필드 추가")),
                           this);
    mGroup->setObjectName(QStringLiteral("Grp_Field"));
    mName = new QLineEdit(mGroup);
    mName->setObjectName(QStringLiteral("Edt_FieldName"));
    mType = new QLineEdit(textTypeWord(), mGroup);
    mType->setObjectName(QStringLiteral("Edt_FieldType"));
    mType->setReadOnly(true);
    mSize = new QSpinBox(mGroup);
    mSize->setObjectName(QStringLiteral("Spn_FieldSize"));
    mSize->setRange(FieldDefinition::MinSize, FieldDefinition::MaxSize);
    mSize->setValue(FieldDefinition::DefaultSize);
    mAction = new QPushButton(mModify ? caption("ModifyMode", QStringLiteral("수정"))
                                      : caption("ADDMode", QStringLiteral("추가")),
                              mGroup);
    mAction->setObjectName(QStringLiteral("Btn_Action"));
    mAction->setAutoDefault(false);
    connect(mAction, &QPushButton::clicked, this, &TFieldADDFrm::apply);
    auto *grid = new QGridLayout(mGroup);
    grid->addWidget(new QLabel(QStringLiteral("필드이름 : "), mGroup), 0, 0);
    grid->addWidget(mName, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("필드타입 : "), mGroup), 1, 0);
    grid->addWidget(mType, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("필드크기 : "), mGroup), 2, 0);
    grid->addWidget(mSize, 2, 1);
    grid->addWidget(mAction, 3, 1, Qt::AlignRight);

    auto *ok = new QPushButton(QStringLiteral("확인"), this);
    ok->setObjectName(QStringLiteral("Btn_OK"));
    ok->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, [this] { done(mChanged ? Accepted : Rejected); });

    auto *side = new QVBoxLayout;
    side->addWidget(mGroup);
    side->addStretch();
    side->addWidget(ok, 0, Qt::AlignRight);
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(listGroup, 1);
    layout->addLayout(side);
}

void TFieldADDFrm::refillList(const QString &select)
{
    const QSignalBlocker blocker(mFieldList);
    mFieldList->clear();
    int selectRow = -1;
    for (const DataField &field : mList.table().fields) {
        if (field.name == select)
            selectRow = mFieldList->count();
        mFieldList->addItem(field.name);
    }
    mFieldList->setCurrentRow(selectRow);
}

void TFieldADDFrm::loadField()
{
    const int row = mFieldList->currentRow();
    if (row < 0 || row >= mList.fieldCount())
        return;
    const DataField field = mList.field(row);
    mName->setText(field.name);
    // A field of another kind or without a stated size shows the default size.
    const bool sized = field.type == FieldType::Text && field.size >= FieldDefinition::MinSize
                       && field.size <= FieldDefinition::MaxSize;
    mSize->setValue(sized ? field.size : FieldDefinition::DefaultSize);
}

void TFieldADDFrm::apply()
{
    DataTable table = mList.table();
    QString oldName;
    if (mModify) {
        const int row = mFieldList->currentRow();
        if (row < 0 || row >= table.columnCount())
            return; // nothing chosen: nothing to modify
        oldName = table.fields.at(row).name;
    }
    const QString newName = mName->text().trimmed();
    const Status outcome = mModify ? modifyField(table, oldName, newName, mSize->value())
                                : addTextField(table, newName, mSize->value());
    if (!outcome) {
        QMessageBox::warning(this, windowTitle(), outcome.error().message);
        mName->setFocus();
        return;
    }
    // setTable() forgets where the list came from: the manager still writes it back there.
    const QString path = mList.filePath();
    const QString tableName = hasNamedTables(dataListFormat(path)) ? table.name : QString();
    const int recNo = mList.recNo();
    mList.setTable(table);
    mList.setFilePath(path, tableName);
    if (recNo > 0)
        mList.setRecNo(recNo);
    mChanged = true;
    refillList(mModify ? newName : QString());
    if (!mModify)
        mName->clear();
}

} // namespace quill
