#include "DataListCommands.h"

#include "datalists/DBAdminDialogs.h"
#include "datalists/DBAdminFrm.h"
#include "datalists/MakeDBFrm.h"
#include "datalists/MergeTables.h"
#include "datalists/StandardDBAdminDialogs.h"
#include "document/LabelCell.h"
#include "document/LabelDocument.h"
#include "document/LabelObject.h"
#include "editing/CellEditor.h"
#include "editing/SendToLabels.h"
#include "printing/PrintDataList.h"
#include "shell/CaptionFile.h"

namespace quill {

DataListCommands::DataListCommands(LabelDocument &document, CellEditor &editor,
    const CaptionFile &captions, const AppFolders &folders, DataListServices services,
    QWidget *window)
    : QObject(window), mDocument(document), mEditor(editor), mCaptions(captions),
      mFolders(folders), mServices(std::move(services)), mWindow(window)
{
}

DataListCommands::~DataListCommands() = default;

TDBAdminFrm *DataListCommands::manager() const
{
    return mManager.data();
}

void DataListCommands::manage()
{
    visit({}, false);
}

void DataListCommands::openList()
{
    visit({}, true);
}

void DataListCommands::makeList()
{
    if (mServices.beforeVisit)
        mServices.beforeVisit();
    TMakeDBFrm form(mCaptions, mFolders.tableFieldFilePath(), mWindow);
    if (exec(form) != QDialog::Accepted)
        return;
    visit(form.created(), false);
}

int DataListCommands::exec(QDialog &dialog) const
{
    return mServices.execDialog ? mServices.execDialog(dialog) : dialog.exec();
}

void DataListCommands::visit(const TSendDBName &created, bool openAtOnce)
{
    if (mServices.beforeVisit)
        mServices.beforeVisit();
    std::unique_ptr<DBAdminDialogs> dialogs = mServices.dialogs
        ? mServices.dialogs(mWindow)
        : std::make_unique<StandardDBAdminDialogs>(mCaptions, mFolders);
    TDBAdminFrm manager(mCaptions, *dialogs, mWindow);
    mManager = &manager;
    const QString preset = SendToLabels::managerPreset(
        created.path, mDocument.labelDataListPath(), mDocument.barcodeDataListPath());
    if (!preset.isEmpty()) {
        const TSendDBName list = preset == created.path ? created
            : preset == mDocument.labelDataListPath()
            ? TSendDBName {mDocument.labelDataListPath(), mDocument.labelDataListTable()}
            : TSendDBName {mDocument.barcodeDataListPath(), mDocument.barcodeDataListTable()};
        manager.setPreset(list);
    }
    manager.setOpenOnActivation(openAtOnce);
    // The manager works on whole lists: it takes the screen, as the user expects of a table.
    manager.setWindowState(manager.windowState() | Qt::WindowMaximized);
    const int result = exec(manager);
    mManager = nullptr;
    if (result == QDialog::Accepted && manager.labelSend())
        takeLabelSend(*manager.labelSend());
    else if (result == TDBAdminFrm::BarcodeSent && manager.barcodeSend())
        takeBarcodeSend(*manager.barcodeSend());
    emit visited();
}

// The first record of a list as the sent objects show it; a list that cannot be read is told
// and the objects show their empty-field text.
QHash<QString, QString> DataListCommands::firstRecord(const TSendDBName &list) const
{
    const ReopenedList reopened = reopenDataList(list.path, list.table, mDocument.fileName());
    if (reopened.outcome != ReopenOutcome::Opened) {
        if (!reopened.message.isEmpty() && mServices.tell)
            mServices.tell(reopened.message);
        return {};
    }
    PrintDataList values(reopened.table, false);
    return values.values();
}

void DataListCommands::takeLabelSend(const LabelSendResult &send)
{
    mDocument.setLabelDataList(send.list.path, send.list.table);
    mDocument.setModified(true);
    LabelCell *cell = mDocument.currentCellPanel();
    if (!cell || send.fields.isEmpty())
        return;
    SendToLabels::LabelSendContext context;
    context.cellSize = cell->bounds().size();
    context.fontName = mServices.fontName ? mServices.fontName() : QString();
    context.record = firstRecord(send.list);
    context.emptyFieldText = mCaptions.read(QStringLiteral("Option"), QStringLiteral("dbnull"));
    mEditor.placeAll(SendToLabels::fieldLabels(send.fields, send.honorific, context));
}

void DataListCommands::takeBarcodeSend(const BarcodeSendResult &send)
{
    mDocument.setBarcodeDataList(send.list.path, send.list.table);
    mDocument.setModified(true);
    if (!mDocument.currentCellPanel() || send.field.isEmpty())
        return;
    const QHash<QString, QString> record = firstRecord(send.list);
    QString value;
    for (auto it = record.begin(); it != record.end(); ++it)
        if (it.key().compare(send.field, Qt::CaseInsensitive) == 0)
            value = it.value();
    mEditor.place(SendToLabels::sentBarcode(send.dimension, send.codeType, send.field, value));
}

} // namespace quill
