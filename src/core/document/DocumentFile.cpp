// Writing label document files and the merge table copies beside them.
#include "DocumentFile.h"

#include "DocumentRecords.h"
#include "ObjectStream.h"
#include "PropertyStreamWriter.h"
#include "shell/CaptionFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QtEndian>

namespace quill {

QString mergeTableCopyPath(const QString &documentPath, QChar kind)
{
    if (documentPath.size() < 3)
        return documentPath;
    QString copy = documentPath;
    copy[copy.size() - 3] = kind;
    return copy;
}

bool isMergeTablePath(const QString &dataListPath)
{
    return dataListPath.toLower().endsWith(u".tmp");
}

namespace {

void appendInt32(QByteArray &out, qint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

// A header text: a 32-bit byte count and the code page bytes. A text that the code page
// cannot hold would come back as another path, so it fails the write instead.
Status appendText(QByteArray &out, const QString &text, const QString &what)
{
    if (!fitsCp949(text))
        return Error{QStringLiteral("The %1 cannot be written in the code page: %2").arg(what, text)};
    const QByteArray bytes = toCp949(text);
    appendInt32(out, static_cast<qint32>(bytes.size()));
    out.append(bytes);
    return {};
}

QString headerPath(const QString &dataListPath, const QString &documentPath, QChar kind)
{
    return isMergeTablePath(dataListPath) ? mergeTableCopyPath(documentPath, kind) : dataListPath;
}

Status appendHeader(QByteArray &out, const LabelDocument &doc, int zoom, const WriteReport &paths)
{
    appendInt32(out, DocumentMarker::Format);
    const struct {
        QString text;
        QString what;
    } texts[] = {
        {QStringLiteral("v1.0"), QStringLiteral("version")},
        {paths.labelDataListPath, QStringLiteral("label data list path")},
        {doc.labelDataListTable(), QStringLiteral("label data list table")},
        {paths.barcodeDataListPath, QStringLiteral("barcode data list path")},
        {doc.barcodeDataListTable(), QStringLiteral("barcode data list table")},
    };
    for (const auto &t : texts) {
        if (Status s = appendText(out, t.text, t.what); !s)
            return s;
    }
    appendInt32(out, zoom);
    return {};
}

// The work label goes into the file at 100 %, sized for that zoom.
Status writeWorkLabel(PropertyStreamWriter &writer, const TZR_WorkLabel &workLabel)
{
    TZR_WorkLabel at100 = workLabel;
    if (at100.zoomPercent() != 100) {
        at100.setZoomPercent(100);
        at100.fitToCell();
    }
    return writeObject(writer, *workLabelToObject(at100));
}

Status writePages(PropertyStreamWriter &writer, const LabelDocument &doc)
{
    for (int p = 1; p <= doc.pageCount(); ++p) {
        const LabelPage *page = doc.page(p);
        writer.writeInt32(DocumentMarker::Page);
        if (Status s = writeObject(writer, *pageToObject(*page)); !s)
            return s;
        writer.writeInt32(page->cellCount() - 1);
        for (int n = 1; n <= page->cellCount(); ++n) {
            const LabelCell *cell = page->cell(n);
            writer.writeInt32(DocumentMarker::Cell);
            if (Status s = writeObject(writer, *cellToObject(*cell)); !s)
                return s;
            if (Status s = writeObjectList(writer, cell->objects()); !s)
                return Error{s.error().message,
                             QStringLiteral("page %1, cell %2").arg(p).arg(n)};
        }
    }
    return writer.flush();
}

// Copies a file through a save file so that a failed copy never leaves half a table behind.
Status copyFileAtomically(const QString &source, const QString &target)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return Error{QStringLiteral("Cannot read %1: %2").arg(source, in.errorString()), source};
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly))
        return Error{QStringLiteral("Cannot write %1: %2").arg(target, out.errorString()), target};
    while (!in.atEnd()) {
        const QByteArray chunk = in.read(1 << 16);
        if (chunk.isEmpty() && in.error() != QFileDevice::NoError)
            break;
        if (out.write(chunk) != chunk.size())
            break;
    }
    if (in.error() != QFileDevice::NoError || !out.commit())
        return Error{QStringLiteral("Cannot copy %1 to %2").arg(source, target), target};
    return {};
}

// The copy always replaces an older copy: the merge table holds the data sent last, and a
// kept older copy would silently give the document stale data when it is opened again.
void copyMergeTable(const QString &source, const QString &target, MergeTable table,
                    const WriteOptions &options, WriteReport &report)
{
    if (!isMergeTablePath(source) || !QFileInfo(source).isFile())
        return;
    if (QFileInfo(source).canonicalFilePath() == QFileInfo(target).canonicalFilePath())
        return;
    if (options.mergeTableAccess)
        options.mergeTableAccess(table, true);
    Status s = copyFileAtomically(source, target);
    if (options.mergeTableAccess)
        options.mergeTableAccess(table, false);
    if (s)
        report.copiedFiles.append(target);
    else
        report.copyFailures.append(s.error());
}

} // namespace

Result<QByteArray> documentBytes(const LabelDocument &document, const QString &path,
                                 const WriteOptions &options, WriteReport *report)
{
    WriteReport paths;
    paths.labelDataListPath =
        headerPath(document.labelDataListPath(), path, QLatin1Char('D'));
    paths.barcodeDataListPath =
        headerPath(document.barcodeDataListPath(), path, QLatin1Char('B'));
    QByteArray out;
    const int zoom = options.zoom.value_or(document.workLabel().zoomPercent());
    if (Status s = appendHeader(out, document, zoom, paths); !s)
        return s.error();
    {
        PropertyStreamWriter writer(&out);
        if (Status s = writeWorkLabel(writer, document.workLabel()); !s)
            return s.error();
        if (Status s = writePages(writer, document); !s)
            return s.error();
    }
    if (report) {
        report->labelDataListPath = paths.labelDataListPath;
        report->barcodeDataListPath = paths.barcodeDataListPath;
    }
    return out;
}

Status writeDocument(const LabelDocument &document, const QString &path,
                     const WriteOptions &options, WriteReport *report)
{
    WriteReport local;
    WriteReport &r = report ? *report : local;
    Result<QByteArray> bytes = documentBytes(document, path, options, &r);
    if (!bytes)
        return Error{bytes.error().message, path};
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return Error{QStringLiteral("Cannot write %1: %2").arg(path, file.errorString()), path};
    if (file.write(bytes.value()) != bytes.value().size() || !file.commit())
        return Error{QStringLiteral("Cannot write %1: %2").arg(path, file.errorString()), path};
    if (options.copyMergeTables) {
        copyMergeTable(document.labelDataListPath(), r.labelDataListPath, MergeTable::LabelData,
                       options, r);
        copyMergeTable(document.barcodeDataListPath(), r.barcodeDataListPath,
                       MergeTable::BarcodeData, options, r);
    }
    return {};
}

Status saveDocument(LabelDocument &document, const QString &path, const WriteOptions &options,
                    WriteReport *report)
{
    WriteReport local;
    WriteReport &r = report ? *report : local;
    if (Status s = writeDocument(document, path, options, &r); !s)
        return s;
    if (options.autoSave)
        return {};
    // The document now reads its data from the copies that were made; a table whose copy
    // failed stays on its merge table, which still holds the data.
    if (r.copiedFiles.contains(r.labelDataListPath))
        document.setLabelDataList(r.labelDataListPath, document.labelDataListTable());
    if (r.copiedFiles.contains(r.barcodeDataListPath))
        document.setBarcodeDataList(r.barcodeDataListPath, document.barcodeDataListTable());
    document.setFileName(path);
    return {};
}

} // namespace quill
