// quilllabel-cli render: one cell drawn as the work area shows it, into a PNG file.
#include "RenderCommands.h"

#include "CliApp.h"
#include "CliOutput.h"
#include "DocumentCommands.h"
#include "datalists/DataListFile.h"
#include "document/CellRenderer.h"
#include "document/DocumentFile.h"
#include "objects/FontSubstitution.h"
#include "shell/AppFolders.h"
#include "shell/CaptionFile.h"

#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>

#include <optional>

namespace quill::cli {

namespace {

struct RenderOptions {
    QString document;
    QString output;
    int page = 1;
    int cell = 1;
    int zoom = 100;
    int record = 1;
    QString labelData;
    QString barcodeData;
    bool workLabel = true;
    std::optional<QString> dbnull;
};

int usage(const QString &problem)
{
    err() << "quilllabel-cli render: " << problem << "\n"
          << "usage: quilllabel-cli render DOC [--page P] [--cell N] [--zoom Z] "
             "[--label-data PATH[:TABLE]] [--barcode-data PATH[:TABLE]] [--record K] "
             "[--dbnull TEXT] [--no-work-label] -o OUT.png\n";
    return ExitUsage;
}

bool parseNumber(const QString &text, int low, int high, int &value)
{
    bool ok = false;
    const int v = text.toInt(&ok);
    if (!ok || v < low || v > high)
        return false;
    value = v;
    return true;
}

// Parses the arguments; an error text when they are not usable.
QString parseOptions(const QStringList &args, RenderOptions &o)
{
    const QList<std::pair<QString, std::pair<int *, std::pair<int, int>>>> numbers{
        {QStringLiteral("--page"), {&o.page, {1, 10}}},
        {QStringLiteral("--cell"), {&o.cell, {1, 1000000}}},
        {QStringLiteral("--zoom"), {&o.zoom, {1, 1000}}},
        {QStringLiteral("--record"), {&o.record, {1, 100000000}}},
    };
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        if (a == QLatin1String("--no-work-label")) {
            o.workLabel = false;
            continue;
        }
        if (!a.startsWith(u'-')) {
            if (!o.document.isEmpty())
                return QStringLiteral("more than one document given");
            o.document = a;
            continue;
        }
        if (i + 1 >= args.size())
            return a + QStringLiteral(" needs a value");
        const QString v = args[++i];
        bool known = true;
        if (a == QLatin1String("-o"))
            o.output = v;
        else if (a == QLatin1String("--label-data"))
            o.labelData = v;
        else if (a == QLatin1String("--barcode-data"))
            o.barcodeData = v;
        else if (a == QLatin1String("--dbnull"))
            o.dbnull = v;
        else
            known = false;
        for (const auto &n : numbers) {
            if (n.first != a)
                continue;
            known = true;
            if (!parseNumber(v, n.second.second.first, n.second.second.second, *n.second.first))
                return a + QStringLiteral(" takes a whole number from %1 to %2, not \"%3\"")
                                   .arg(n.second.second.first)
                                   .arg(n.second.second.second)
                                   .arg(v);
        }
        if (!known)
            return QStringLiteral("unknown option ") + a;
    }
    if (o.document.isEmpty())
        return QStringLiteral("no document given");
    if (o.output.isEmpty())
        return QStringLiteral("no output file given (-o OUT.png)");
    return {};
}

// PATH[:TABLE]; a colon that belongs to the path (an existing file) is kept.
std::pair<QString, QString> splitDataSpec(const QString &spec)
{
    const int colon = spec.lastIndexOf(u':');
    if (colon <= 0 || QFileInfo::exists(spec))
        return {spec, QString()};
    return {spec.left(colon), spec.mid(colon + 1)};
}

// The record K (from 1) of a data list as field name -> text.
Result<QHash<QString, QString>> readRecord(const QString &spec, int record)
{
    const auto [path, table] = splitDataSpec(spec);
    Result<DataTable> data = readDataList(path, table);
    if (!data)
        return data.error();
    const DataTable &t = data.value();
    if (record > t.rowCount())
        return Error{QStringLiteral("%1 has %2 records, not %3").arg(path).arg(t.rowCount()).arg(record),
                     path};
    QHash<QString, QString> values;
    for (int f = 0; f < t.columnCount(); ++f)
        values.insert(t.fields[f].name, t.text(record - 1, f));
    return values;
}

// [Option] dbnull of the user's caption file, else of the installed one.
QString captionDbnull()
{
    const AppFolders folders;
    QString path = folders.captionFilePath();
    if (!QFileInfo::exists(path))
        path = folders.resourceDir() + QStringLiteral("/label.dat");
    const CaptionFile captions(path);
    if (!captions.contains(QStringLiteral("Option"), QStringLiteral("dbnull")))
        return {};
    return captions.read(QStringLiteral("Option"), QStringLiteral("dbnull"));
}

int failure(const QString &message)
{
    err() << "quilllabel-cli render: " << message << "\n";
    return ExitFailure;
}

Status writePng(const QImage &image, const QString &path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return Error{file.errorString(), path};
    QImageWriter writer(&file, "png");
    if (!writer.write(image)) {
        file.cancelWriting();
        return Error{writer.errorString(), path};
    }
    if (!file.commit())
        return Error{file.errorString(), path};
    return {};
}

} // namespace

int renderCommand(const QStringList &args)
{
    RenderOptions o;
    const QString problem = parseOptions(args, o);
    if (!problem.isEmpty())
        return usage(problem);
    installFontSubstitutions();
    registerStreamClasses();
    LabelDocument document;
    Result<ReadReport> report = readDocument(document, o.document);
    if (!report)
        return failure(o.document + QStringLiteral(": ") + report.error().message);
    if (!document.cell(o.page, o.cell))
        return failure(QStringLiteral("%1 has no cell %2 on page %3")
                           .arg(o.document).arg(o.cell).arg(o.page));
    PaintContext context;
    context.zoom = o.zoom;
    context.emptyFieldText = o.dbnull ? *o.dbnull : captionDbnull();
    QHash<QString, QString> labelRecord;
    QHash<QString, QString> barcodeRecord;
    if (!o.labelData.isEmpty()) {
        auto r = readRecord(o.labelData, o.record);
        if (!r)
            return failure(QStringLiteral("label data: ") + r.error().message);
        labelRecord = r.value();
        context.labelRecord = &labelRecord;
    }
    if (!o.barcodeData.isEmpty()) {
        auto r = readRecord(o.barcodeData, o.record);
        if (!r)
            return failure(QStringLiteral("barcode data: ") + r.error().message);
        barcodeRecord = r.value();
        context.barcodeRecord = &barcodeRecord;
    }
    const QImage image = renderCellImage(document, o.page, o.cell, context, o.workLabel);
    const Status written = writePng(image, o.output);
    if (!written)
        return failure(o.output + QStringLiteral(": ") + written.error().message);
    return ExitOk;
}

} // namespace quill::cli
