// quilllabel-cli preview DOC --sheet N [--scale S] -o OUT.png: the preview bitmap of a sheet.
#include "PrintCommands.h"

#include "CliApp.h"
#include "CliOutput.h"
#include "document/InnerCutOutline.h"
#include "document/LabelDocument.h"
#include "printing/PrintComposer.h"
#include "printing/PrintDataList.h"
#include "shell/AppFolders.h"
#include "shell/CaptionFile.h"

#include <QFileInfo>
#include <QSaveFile>

namespace quill::cli {

namespace {

int usage()
{
    err() << "usage: quilllabel-cli preview DOC --sheet N [--scale S] -o OUT.png\n";
    return ExitUsage;
}

int fail(const QString &what, const QString &message)
{
    err() << "quilllabel-cli preview: " << what << ": " << message << '\n';
    return ExitFailure;
}

// The product's inner cut outline, which documents do not store.
void loadOutline(LabelDocument &document)
{
    const AppFolders folders;
    const CaptionFile captions(QFileInfo::exists(folders.captionFilePath())
                                   ? folders.captionFilePath()
                                   : folders.installedCaptionFilePath());
    Result<InnerCutOutline> outline = loadInnerCutOutline(captions, document.labelSize().labelCode());
    if (outline)
        document.workLabel().setInnerCutOutline(outline.value());
}

} // namespace

int previewCommand(const QStringList &args)
{
    QString path;
    QString output;
    int sheet = 0;
    int scale = PrintComposer::PreviewScale;
    for (qsizetype i = 0; i < args.size(); ++i) {
        bool ok = true;
        if (args[i] == u"--sheet" && i + 1 < args.size())
            sheet = args[++i].toInt(&ok);
        else if (args[i] == u"--scale" && i + 1 < args.size())
            scale = args[++i].toInt(&ok);
        else if (args[i] == u"-o" && i + 1 < args.size())
            output = args[++i];
        else if (!args[i].startsWith(u'-') && path.isEmpty())
            path = args[i];
        else
            return usage();
        if (!ok)
            return usage();
    }
    if (path.isEmpty() || output.isEmpty() || sheet < 1 || scale < 1 || scale > 400)
        return usage();

    LabelDocument document;
    if (Status loaded = loadPrintDocument(document, path); !loaded)
        return fail(path, loaded.error().message);
    loadOutline(document);
    Result<PrintDataList> labelData =
        openPrintDataList({}, document.labelDataListPath(), document.labelDataListTable());
    if (!labelData)
        return fail(QStringLiteral("label data list"), labelData.error().message);
    Result<PrintDataList> barcodeData =
        openPrintDataList({}, document.barcodeDataListPath(), document.barcodeDataListTable());
    if (!barcodeData)
        return fail(QStringLiteral("barcode data list"), barcodeData.error().message);

    PrintComposer composer(document);
    composer.setLabelData(&labelData.value());
    composer.setBarcodeData(&barcodeData.value());
    composer.setEmptyFieldText(emptyFieldText());
    const LabelCell *design = document.currentCellPanel();
    composer.setReplicated(design && PrintComposer::needsReplication(*design));
    if (Status prepared = composer.preparePreview(); !prepared)
        return fail(path, prepared.error().message);
    if (sheet > composer.sheetCount())
        return fail(path, QStringLiteral("there are %1 sheet(s)").arg(composer.sheetCount()));

    Result<QImage> image = composer.renderPreviewSheet(sheet, scale);
    if (!image)
        return fail(path, image.error().message);
    QSaveFile file(output);
    if (!file.open(QIODevice::WriteOnly) || !image.value().save(&file, "PNG") || !file.commit())
        return fail(output, file.errorString());
    return ExitOk;
}

} // namespace quill::cli
