// quilllabel-cli print DOC ... (--pdf OUT.pdf | --printer QUEUE): the print command's run.
#include "PrintCommands.h"

#include "CliApp.h"
#include "CliOutput.h"
#include "PrinterSheetSink.h"
#include "document/LabelDocument.h"
#include "printing/PdfSheetSink.h"
#include "printing/PrintDialogSettings.h"
#include "printing/PrintComposer.h"
#include "printing/PrintDataList.h"
#include "printing/PrintJob.h"
#include "printing/QuantityField.h"
#include "shell/QuillSettings.h"

#include <QElapsedTimer>
#include <QSettings>

#include <memory>
#include <optional>

namespace quill::cli {

namespace {

struct PrintOptions {
    QString document;
    QString labelData;
    QString barcodeData;
    QString quantityField; // each record printed as many times as this field says
    std::optional<int> start;
    std::optional<int> count;
    int copies = 1;
    bool cutLines = false;
    bool replicate = false;
    std::optional<double> offsetLeft; // unset: the offsets the print dialogs last saved
    std::optional<double> offsetTop;
    int firstSheet = 0; // 0: the whole run
    int lastSheet = 0;
    QString pdf;
    QString printer;
};

int usage()
{
    err() << "usage: quilllabel-cli print DOC [--label-data PATH[:TABLE]] "
             "[--barcode-data PATH[:TABLE]] [--quantity-field NAME] [--start N] [--count N] [--copies N] [--cut-lines] "
             "[--replicate] [--offset-left MM] [--offset-top MM] [--sheets A-B] "
             "(--pdf OUT.pdf | --printer QUEUE)\n";
    return ExitUsage;
}

int fail(const QString &what, const QString &message)
{
    err() << "quilllabel-cli print: " << (what.isEmpty() ? QString() : what + QStringLiteral(": "))
          << message << '\n';
    return ExitFailure;
}

bool parseInt(const QString &text, int low, int high, int &value)
{
    bool ok = false;
    const int v = text.toInt(&ok);
    if (!ok || v < low || v > high)
        return false;
    value = v;
    return true;
}

bool parseSheets(const QString &text, PrintOptions &o)
{
    const QStringList parts = text.split(u'-');
    if (parts.size() == 1)
        return parseInt(parts[0], 1, 65535, o.firstSheet) && parseInt(parts[0], 1, 65535, o.lastSheet);
    return parts.size() == 2 && parseInt(parts[0], 1, 65535, o.firstSheet)
        && parseInt(parts[1], 1, 65535, o.lastSheet) && o.firstSheet <= o.lastSheet;
}

// Applies one option with its value; false for anything unknown or malformed.
bool takeOption(const QString &name, const QString &value, PrintOptions &o)
{
    bool ok = true;
    int n = 0;
    if (name == u"--label-data") o.labelData = value;
    else if (name == u"--barcode-data") o.barcodeData = value;
    else if (name == u"--quantity-field") o.quantityField = value;
    else if (name == u"--start") ok = parseInt(value, 1, 65535, n), o.start = n;
    else if (name == u"--count") ok = parseInt(value, 1, 65535, n), o.count = n;
    else if (name == u"--copies") ok = parseInt(value, 1, 99, o.copies);
    else if (name == u"--offset-left") o.offsetLeft = value.toDouble(&ok);
    else if (name == u"--offset-top") o.offsetTop = value.toDouble(&ok);
    else if (name == u"--sheets") ok = parseSheets(value, o);
    else if (name == u"--pdf") o.pdf = value;
    else if (name == u"--printer") o.printer = value;
    else ok = false;
    return ok && !value.isEmpty();
}

std::optional<PrintOptions> parse(const QStringList &args)
{
    PrintOptions o;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        if (a == u"--cut-lines")
            o.cutLines = true;
        else if (a == u"--replicate")
            o.replicate = true;
        else if (a.startsWith(u"--") && i + 1 < args.size()) {
            if (!takeOption(a, args[++i], o))
                return std::nullopt;
        } else if (!a.startsWith(u'-') && o.document.isEmpty())
            o.document = a;
        else
            return std::nullopt;
    }
    if (o.document.isEmpty() || o.pdf.isEmpty() == o.printer.isEmpty())
        return std::nullopt;
    return o;
}

// The offsets the print dialogs saved in the user's settings.
QuillSettings storedOffsets()
{
    QuillSettings stored;
    stored.readPrintOffsets(*openUserSettings());
    return stored;
}

// The print dialog's settings on the work label; offsets not given are the ones the print
// dialogs saved, so a calibrated printer prints alike from the editor and from scripts.
void applySettings(const PrintOptions &o, TZR_WorkLabel &label)
{
    PrintDialogSettings dialog;
    const QuillSettings stored = storedOffsets();
    dialog.leftMargin = o.offsetLeft.value_or(printOffsetFromText(stored.leftMargin));
    dialog.topMargin = o.offsetTop.value_or(printOffsetFromText(stored.topMargin));
    if (o.count) {
        dialog.range = PrintDialogSettings::Range::Part;
        dialog.partFrom = o.start.value_or(1);
        dialog.partCount = *o.count;
    } else if (o.start) {
        dialog.range = PrintDialogSettings::Range::Start;
        dialog.startCell = *o.start;
    }
    dialog.paperSheets = o.copies;
    dialog.cutLine = o.cutLines;
    dialog.applyTo(label);
    label.setStartRow(1);
}

Result<PrintSummary> runPrint(const PrintOptions &o, PrintComposer &composer,
                              LabelDocument &document, SheetSink &sink)
{
    if (o.firstSheet == 0)
        return composer.print(sink);
    if (!composer.replicated())
        return composer.runPerCell(sink, o.firstSheet, o.lastSheet);
    if (Status counted = composer.computeSheetCount(); !counted)
        return counted.error();
    const int last = qMin(o.lastSheet, int(document.workLabel().printEndPage()));
    return composer.runReplicated(sink, o.firstSheet, last);
}

} // namespace

int printCommand(const QStringList &args)
{
    const std::optional<PrintOptions> parsed = parse(args);
    if (!parsed)
        return usage();
    const PrintOptions &o = *parsed;
    LabelDocument document;
    if (Status loaded = loadPrintDocument(document, o.document); !loaded)
        return fail(o.document, loaded.error().message);

    Result<PrintDataList> labelData = openPrintDataList(o.labelData, document.labelDataListPath(),
                                                        document.labelDataListTable());
    if (!labelData)
        return fail(QStringLiteral("label data list"), labelData.error().message);
    Result<PrintDataList> barcodeData = openPrintDataList(
        o.barcodeData, document.barcodeDataListPath(), document.barcodeDataListTable());
    if (!barcodeData)
        return fail(QStringLiteral("barcode data list"), barcodeData.error().message);

    PrintDataLists lists{std::move(labelData).value(), std::move(barcodeData).value()};
    if (!o.quantityField.isEmpty()) {
        if (Status expanded = applyQuantityField(lists, o.quantityField); !expanded)
            return fail(QStringLiteral("quantity field"), expanded.error().message);
    }

    applySettings(o, document.workLabel());
    PrintComposer composer(document);
    composer.setLabelData(&lists.label);
    composer.setBarcodeData(&lists.barcode);
    composer.setEmptyFieldText(emptyFieldText());
    const LabelCell *design = document.currentCellPanel();
    composer.setReplicated(o.replicate || (design && PrintComposer::needsReplication(*design)));

    QElapsedTimer timer;
    timer.start();
    composer.setProgress([&timer](int sheet, int last) {
        // Long runs report progress about once a second.
        if (sheet < last && timer.elapsed() >= 1000) {
            err() << "printing sheet " << sheet << " of " << last << '\n';
            err().flush();
            timer.restart();
        }
    });

    std::unique_ptr<SheetSink> sink;
    if (!o.pdf.isEmpty())
        sink = std::make_unique<PdfSheetSink>(o.pdf);
    else
        sink = std::make_unique<PrinterSheetSink>(o.printer);
    Result<PrintSummary> summary = runPrint(o, composer, document, *sink);
    if (!summary)
        return fail(summary.error().where, summary.error().message);
    const PrintSummary &s = summary.value();
    err() << "printed " << s.sheets << " sheet(s) (" << s.pages << " page(s)), " << s.labels
          << " label(s), " << s.records << " record(s)\n";
    if (s.sheets == 0)
        return fail(QString(), QStringLiteral("nothing to print"));
    return ExitOk;
}

} // namespace quill::cli
