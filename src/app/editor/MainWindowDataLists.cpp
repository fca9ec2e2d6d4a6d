// The main window's data lists: the data list commands, the record the work area shows in its
// field-bound objects, and the record stepper that chooses it.
#include "MainWindow.h"

#include "DataListCommands.h"
#include "EditingController.h"
#include "EditorActions.h"
#include "RecordStepper.h"
#include "ZR_WorkSpace.h"
#include "prvLabelWorkForm.h"
#include "printing/PrintJob.h"
#include "shell/CaptionFile.h"

#include <QFontComboBox>
#include <QMessageBox>
#include <QToolBar>

namespace quill {

void MainWindow::createDataLists()
{
    mShownLists = std::make_unique<PrintDataLists>();
    DataListServices services = mEnv.dataLists;
    services.beforeVisit = [this] {
        mEditing->endTextEditing();
    };
    services.fontName = [this] {
        QFontComboBox *box = mActions->fontNameBox();
        return box ? box->currentFont().family() : QString();
    };
    services.tell = [this](const QString &text) { tell(text); };
    mDataListCommands = new DataListCommands(
        mDocument, mEditing->editor(), mCaptions, mEnv.folders, services, this);

    mStepper = new RecordStepper(this);
    auto *bar = new QToolBar(QStringLiteral("자료 이동"), this);
    bar->setObjectName(QStringLiteral("RecordToolBar"));
    bar->addWidget(mStepper);
    addToolBar(Qt::TopToolBarArea, bar);
}

void MainWindow::connectDataListCommands()
{
    on(EditorCommand::DataListManage, [this] { mDataListCommands->manage(); });
    on(EditorCommand::DataListOpen, [this] { mDataListCommands->openList(); });
    on(EditorCommand::DataListMake, [this] { mDataListCommands->makeList(); });
    connect(mDataListCommands, &DataListCommands::visited, this, [this] {
        refreshFieldValues();
        workSpace()->update();
    });
    connect(mStepper, &RecordStepper::recordChosen, this, &MainWindow::showRecord);
}

// Reads the document's data lists again (after loading, a visit to the manager, a print or a
// preview) and shows the stepper's record, or the first one. A list that cannot be read
// shows the objects' own texts.
void MainWindow::refreshFieldValues()
{
    const auto read = [](const QString &path, const QString &table) {
        if (path.isEmpty())
            return PrintDataList();
        Result<PrintDataList> list = PrintDataList::open(path, table);
        return list ? std::move(list).value() : PrintDataList();
    };
    mShownLists->label = read(mDocument.labelDataListPath(), mDocument.labelDataListTable());
    mShownLists->barcode = read(mDocument.barcodeDataListPath(), mDocument.barcodeDataListTable());
    const int count = qMax(mShownLists->label.recordCount(), mShownLists->barcode.recordCount());
    const int record = qBound(1, mStepper->record(), qMax(1, count));
    mStepper->setRecordCount(count);
    mStepper->setRecord(record);
    showRecord(record);
}

// Record n of both lists, as the n-th printed label reads them: a list shorter than n gives
// empty values.
void MainWindow::showRecord(int record)
{
    const auto valuesOf = [record](PrintDataList &list) {
        if (!list.isActive() || list.recordCount() == 0)
            return QHash<QString, QString>();
        if (record > list.recordCount())
            list.moveAfterLast();
        else
            list.moveTo(record);
        return list.values();
    };
    mLabelRecord = valuesOf(mShownLists->label);
    mBarcodeRecord = valuesOf(mShownLists->barcode);
    if (!mShownLists->label.isActive() && !mShownLists->barcode.isActive()) {
        workSpace()->clearFieldValues();
        mOverview->clearFieldValues();
        return;
    }
    const QString empty = mCaptions.read(QStringLiteral("Option"), QStringLiteral("dbnull"));
    workSpace()->setFieldValues(mLabelRecord, mBarcodeRecord, empty);
    mOverview->setFieldValues(mLabelRecord, mBarcodeRecord, empty);
}

} // namespace quill
