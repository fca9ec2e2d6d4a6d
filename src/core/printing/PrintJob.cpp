#include "PrintJob.h"

#include "document/LabelDocument.h"
#include "shell/CaptionFile.h"

#include <QFileInfo>

namespace quill {

namespace {

// Which list failed, then the reader's reason (which names the file).
Error listError(const QString &which, const Error &error)
{
    return Error(
        which + QStringLiteral(" 데이터목록을 열 수 없습니다.\n") + error.message, error.where);
}

} // namespace

Result<PrintDataList> openPrintDataList(
    const QString &spec, const QString &storedPath, const QString &storedTable)
{
    QString path = storedPath;
    QString table = storedTable;
    if (!spec.isEmpty()) {
        path = spec;
        table.clear();
        // PATH:TABLE, unless the colon belongs to the path itself.
        const qsizetype colon = spec.lastIndexOf(u':');
        if (colon > 0 && !QFileInfo::exists(spec) && !spec.mid(colon + 1).contains(u'/')) {
            path = spec.left(colon);
            table = spec.mid(colon + 1);
        }
    }
    if (path.isEmpty())
        return PrintDataList();
    return PrintDataList::open(path, table);
}

Result<PrintDataLists> openDocumentDataLists(
    const LabelDocument &document, const QString &labelSpec, const QString &barcodeSpec)
{
    PrintDataLists lists;
    Result<PrintDataList> label
        = openPrintDataList(labelSpec, document.labelDataListPath(), document.labelDataListTable());
    if (!label)
        return listError(QStringLiteral("라벨"), label.error());
    Result<PrintDataList> barcode = openPrintDataList(
        barcodeSpec, document.barcodeDataListPath(), document.barcodeDataListTable());
    if (!barcode)
        return listError(QStringLiteral("바코드"), barcode.error());
    lists.label = std::move(label).value();
    lists.barcode = std::move(barcode).value();
    return lists;
}

QString emptyFieldText(const CaptionFile &captions)
{
    // Without the key the general reader would answer "0", and every field holding 0 would
    // print empty.
    const QString section = QStringLiteral("Option");
    const QString key = QStringLiteral("dbnull");
    return captions.contains(section, key) ? captions.read(section, key) : QString();
}

} // namespace quill
