#include "MakeDBFrm.h"

#include "datalists/NewTableRules.h"
#include "shell/CaptionFile.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QSpinBox>
#include <QTableWidget>

namespace quill {

namespace {

void fillDefinitions(QTableWidget *grid, const QStringList &definitions)
{
    grid->setRowCount(int(definitions.size()));
    for (int row = 0; row < definitions.size(); ++row) {
        const QString &definition = definitions.at(row);
        grid->setItem(row, 0, new QTableWidgetItem(FieldDefinition::parse(definition).name));
        grid->setItem(row, 1, new QTableWidgetItem(definition));
    }
}

} // namespace

TMakeDBFrm::TMakeDBFrm(const CaptionFile &captions, const QString &tableFieldPath, QWidget *parent)
    : QDialog(parent), mCaptions(captions), mTemplates(TableFieldTemplates::load(tableFieldPath)),
      mSaveDialog(this)
{
    build();
    mKinds->addItems(mTemplates.templateNames());
    connect(mKinds, &QListWidget::currentRowChanged, this, &TMakeDBFrm::showTemplate);
    connect(mFields, &QTableWidget::cellDoubleClicked, this, [this](int row) {
        mFields->setCurrentCell(row, 0);
        addChosenField();
    });
    connect(mGrid, &QTableWidget::itemSelectionChanged, this, &TMakeDBFrm::showSelectedRow);
    mSaveDialog.setFilter(TZR_SaveTableDialog::createFilter());
}

void TMakeDBFrm::setChooseFile(TZR_SaveTableDialog::ChooseFile choose)
{
    mSaveDialog.setChooseFile(std::move(choose));
}

void TMakeDBFrm::setExecDialog(TZR_SaveTableDialog::ExecDialog exec)
{
    mSaveDialog.setExecDialog(std::move(exec));
}

void TMakeDBFrm::warn(const QString &text)
{
    QMessageBox::warning(this, windowTitle(), text);
}

void TMakeDBFrm::showTemplate(int row)
{
    fillDefinitions(mFields, mTemplates.fields(row));
    if (mFields->rowCount() > 0)
        mFields->selectRow(0);
}

int TMakeDBFrm::selectedRow() const
{
    const QList<QTableWidgetSelectionRange> ranges = mGrid->selectedRanges();
    return ranges.isEmpty() ? -1 : ranges.first().topRow();
}

void TMakeDBFrm::refillGrid(int selectRow)
{
    fillDefinitions(mGrid, mDefinitions);
    if (selectRow >= 0 && selectRow < mGrid->rowCount())
        mGrid->selectRow(selectRow);
    else
        mGrid->clearSelection();
    // The same row number may now hold another field: show it whether or not the selection
    // moved.
    showSelectedRow();
}

void TMakeDBFrm::addChosenField()
{
    const int templ = mKinds->currentRow();
    const QStringList fields = mTemplates.fields(templ);
    const int row = mFields->currentRow();
    if (row < 0 || row >= fields.size())
        return;
    // Only the first two templates (people) bring the whole address block.
    if (addTemplateField(mDefinitions, fields.at(row), mTemplates.addressBlock(), templ < 2) > 0)
        refillGrid(int(mDefinitions.size()) - 1);
}

void TMakeDBFrm::addAllFields()
{
    if (addAllTemplateFields(mDefinitions, mTemplates.fields(mKinds->currentRow())) > 0)
        refillGrid(int(mDefinitions.size()) - 1);
}

void TMakeDBFrm::removeRow()
{
    const int row = selectedRow();
    if (removeDefinitionRow(mDefinitions, row))
        refillGrid(qMin(row, int(mDefinitions.size()) - 1));
}

void TMakeDBFrm::clearRows()
{
    mDefinitions.clear();
    refillGrid(-1);
}

void TMakeDBFrm::addUserField()
{
    const Result<int> row = quill::addUserField(mDefinitions, mUserName->text(), mUserSize->value());
    if (!row) {
        warn(row.error().message);
        mUserName->setFocus();
        return;
    }
    refillGrid(row.value());
}

void TMakeDBFrm::showSelectedRow()
{
    const int row = selectedRow();
    const FieldDefinition field = row >= 0 ? FieldDefinition::parse(mDefinitions.value(row))
                                           : FieldDefinition();
    mModName->setText(field.name);
    mModType->setText(field.typeWord.isEmpty() ? textTypeWord() : field.typeWord);
    mModSize->setValue(field.size);
}

void TMakeDBFrm::copyToUserGroup()
{
    mUserName->setText(mModName->text());
    mUserType->setText(mModType->text());
    mUserSize->setValue(mModSize->value());
}

void TMakeDBFrm::modifyRow()
{
    const int row = selectedRow();
    const Status done = modifyDefinitionRow(mDefinitions, row, mModName->text(),
                                            mModType->text(), mModSize->value());
    if (!done) {
        warn(done.error().message);
        return;
    }
    refillGrid(row);
}

void TMakeDBFrm::make()
{
    if (mDefinitions.isEmpty()) {
        // Nothing to create: the window closes with an empty result.
        mCreated = {};
        accept();
        return;
    }
    const TSendDBName chosen = mSaveDialog.execute();
    if (chosen.isEmpty())
        return; // cancelled or not to be overwritten: the definition stays for another try
    const Status created = createNewTableFile(chosen.path, mDefinitions, chosen.table);
    if (!created) {
        warn(created.error().message);
        return;
    }
    mCreated = chosen;
    accept();
}

} // namespace quill
