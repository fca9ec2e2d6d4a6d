#include "PrintCommand.h"

#include "LabelPreviewForm.h"
#include "PrintFrm.h"
#include "WaitCursor.h"
#include "document/LabelDocument.h"
#include "printing/PrintComposer.h"
#include "printing/PrintJob.h"
#include "printing/QuantityField.h"
#include "shell/CaptionFile.h"

#include <QGuiApplication>

namespace quill {

namespace {

// The auto-save timer is off for the length of a command and on again afterwards.
class AutoSavePause {
public:
    explicit AutoSavePause(const std::function<void(bool)> &hook) : mHook(hook)
    {
        if (mHook)
            mHook(false);
    }
    ~AutoSavePause()
    {
        if (mHook)
            mHook(true);
    }
    AutoSavePause(const AutoSavePause &) = delete;
    AutoSavePause &operator=(const AutoSavePause &) = delete;

private:
    const std::function<void(bool)> &mHook;
};

// Said when the chosen range holds no label at all, so that a silent printer is not taken
// for a lost job.
QString nothingPrintedMessage()
{
    return QStringLiteral(
        "인쇄할 라벨이 없어 아무것도 인쇄하지 않았습니다. 인쇄 범위를 확인 하십시오.");
}

// The quantity field candidates of both lists, each name once.
QStringList quantityFields(const PrintDataLists &lists)
{
    QStringList fields;
    for (const PrintDataList *list : {&lists.label, &lists.barcode}) {
        if (!list->isActive())
            continue;
        for (const QString &name : quantityFieldCandidates(list->table()))
            if (!fields.contains(name, Qt::CaseInsensitive))
                fields << name;
    }
    return fields;
}

} // namespace

PrintCommand::PrintCommand(LabelDocument &document, const CaptionFile &captions,
    QSettings &settings, const PrintServices &services, QWidget *window)
    : mDocument(document), mCaptions(captions), mSettings(settings), mServices(services),
      mWindow(window)
{
}

void PrintCommand::PrintBtnClick()
{
    AutoSavePause pause(mAutoSaveHook);
    if (!hasPrinter()) {
        tell(noPrinterMessage());
        return;
    }
    // The lists are read before anything changes: a list that cannot be read prints nothing.
    Result<PrintDataLists> lists = openDocumentDataLists(mDocument);
    if (!lists) {
        report(lists.error());
        return;
    }
    bool replicated = designReplicated();
    TPrintFrm dialog(mSettings, mServices, mWindow);
    dialog.setDesignReplicated(replicated);
    dialog.setQuantityFields(quantityFields(lists.value()));
    if (!mServices.execDialog || !mServices.execDialog(dialog))
        return;
    const QString printer = dialog.printerName();
    if (printer.isEmpty() || !mServices.makeSink) {
        tell(noPrinterMessage());
        return;
    }
    if (!dialog.quantityField().isEmpty()) {
        if (Status expanded = applyQuantityField(lists.value(), dialog.quantityField()); !expanded) {
            report(expanded.error());
            return;
        }
    }
    if (dialog.printSettings().applyTo(mDocument.workLabel()))
        replicated = true;
    const std::unique_ptr<SheetSink> sink = mServices.makeSink(printer, dialog.printerSettings());
    if (sink)
        print(lists.value(), replicated, *sink);
}

void PrintCommand::print(PrintDataLists &lists, bool replicated, SheetSink &sink)
{
    PrintComposer composer(mDocument);
    setUp(composer, lists, replicated);
    const Result<PrintSummary> printed = [&] {
        WaitCursor wait;
        return composer.print(sink);
    }();
    if (!printed)
        report(printed.error());
    else if (printed.value().sheets == 0)
        tell(nothingPrintedMessage());
}

void PrintCommand::PreviewBtnClick()
{
    AutoSavePause pause(mAutoSaveHook);
    Result<PrintDataLists> lists = openDocumentDataLists(mDocument);
    if (!lists) {
        report(lists.error());
        return;
    }
    PrintComposer composer(mDocument);
    setUp(composer, lists.value(), designReplicated());
    if (Status prepared = composer.preparePreview(); !prepared) {
        report(prepared.error());
        return;
    }
    TZR_LabelPreviewForm form(mDocument, composer, mCaptions, mSettings, mServices, mWindow);
    form.showModalMaximized();
}

void PrintCommand::setUp(PrintComposer &composer, PrintDataLists &lists, bool replicated) const
{
    composer.setLabelData(&lists.label);
    composer.setBarcodeData(&lists.barcode);
    composer.setEmptyFieldText(emptyFieldText(mCaptions));
    composer.setReplicated(replicated);
}

bool PrintCommand::designReplicated() const
{
    const LabelCell *design = mDocument.currentCellPanel();
    return design && PrintComposer::needsReplication(*design);
}

bool PrintCommand::hasPrinter() const
{
    return mServices.printerNames && !mServices.printerNames().isEmpty();
}

void PrintCommand::report(const Error &error) const
{
    tell(error.where.isEmpty() || error.message.contains(error.where)
            ? error.message
            : error.message + u'\n' + error.where);
}

void PrintCommand::tell(const QString &text) const
{
    if (mServices.showMessage)
        mServices.showMessage(mWindow, text);
}

} // namespace quill
