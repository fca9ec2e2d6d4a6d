// The merge tables label.tmp and barcode.tmp, their copies beside documents, and reopening a
// document's data lists from their stored names.
#include "MergeTables.h"

#include "DataListFile.h"
#include "FileSupport.h"

#include <QDate>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>

namespace quill {

int mergeFieldWidth(const DataTable &source, int field)
{
    const DataField &f = source.fields.at(field);
    switch (f.type) {
    case FieldType::Integer: case FieldType::Boolean: case FieldType::Float: return 20;
    case FieldType::Date: return 10;
    case FieldType::DateTime: return 19;
    default: break;
    }
    if (f.size > 0)
        return qMin(f.size, 255);
    return qBound(1, source.widestText(field), 255);
}

namespace {

QString valueText(const QVariant &v)
{
    if (v.isNull())
        return {};
    if (v.typeId() == QMetaType::QDate)
        return v.toDate().toString(Qt::ISODate);
    if (v.typeId() == QMetaType::QDateTime)
        return v.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    return v.toString();
}

Result<QList<int>> fieldIndexes(const DataTable &source, const QStringList &names)
{
    QList<int> indexes;
    for (const QString &name : names) {
        const int index = source.fieldIndex(name);
        if (index < 0)
            return Error(QStringLiteral("there is no field %1").arg(name), name);
        indexes.append(index);
    }
    return indexes;
}

} // namespace

Result<DataTable> labelMergeTable(const DataTable &source, const QList<int> &rows,
                                  const QStringList &sendFields, bool providerSource)
{
    auto indexes = fieldIndexes(source, sendFields);
    if (!indexes)
        return indexes.error();
    DataTable table;
    table.name = QStringLiteral("label.tmp");
    for (int index : indexes.value())
        table.fields.append({source.fields.at(index).name, FieldType::Text, mergeFieldWidth(source, index)});
    for (int row : rows) {
        if (row < 0 || row >= source.rows.size())
            continue;
        QVariantList values;
        for (int index : indexes.value()) {
            QString text = valueText(source.rows.at(row).value(index));
            const FieldType type = source.fields.at(index).type;
            if (providerSource && text.isEmpty() && (type == FieldType::Text || type == FieldType::Memo))
                text = QStringLiteral(" ");
            values.append(text);
        }
        table.rows.append(values);
    }
    return table;
}

QString ean14FailureMessage()
{
    return QStringLiteral("데이터 형식이 맞지 않거나 수량필드가 잘못 되었습니다. 다시 확인 하시기 바랍니다.");
}

Result<DataTable> barcodeMergeTable(const DataTable &source, const QList<int> &rows,
                                    const QString &barcodeField,
                                    const std::optional<Ean14Expansion> &expansion)
{
    const int codeIndex = source.fieldIndex(barcodeField);
    const int quantityIndex = expansion ? source.fieldIndex(expansion->quantityField) : -1;
    if (codeIndex < 0 || (expansion && (quantityIndex < 0 || expansion->indicator < 0 || expansion->indicator > 9)))
        return Error(ean14FailureMessage());
    DataTable table;
    table.name = QStringLiteral("barcode.tmp");
    table.fields.append({source.fields.at(codeIndex).name, FieldType::Text,
                         expansion ? 13 : mergeFieldWidth(source, codeIndex)});
    for (int row : rows) {
        if (row < 0 || row >= source.rows.size())
            continue;
        const QString code = valueText(source.rows.at(row).value(codeIndex));
        if (!expansion) {
            table.rows.append(QVariantList{code});
            continue;
        }
        bool ok = false;
        const int quantity = valueText(source.rows.at(row).value(quantityIndex)).trimmed().toInt(&ok);
        const bool digits = std::all_of(code.cbegin(), code.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; });
        if (!ok || (code.size() != 12 && code.size() != 13) || !digits)
            return Error(ean14FailureMessage());
        const QString stored = QString::number(expansion->indicator) + code.left(12);
        for (int i = 0; i < quantity; ++i)
            table.rows.append(QVariantList{stored});
    }
    return table;
}

QString mergeCopyPath(const QString &documentPath, bool barcode)
{
    // The letter as documents write it (x.qbl -> x.Dbl): the name documents store and read.
    // Kept here rather than called, so that the data lists build without the document code.
    QString path = documentPath;
    if (path.size() >= 3)
        path[path.size() - 3] = barcode ? QLatin1Char('B') : QLatin1Char('D');
    return path;
}

Result<QString> copyMergeTable(const QString &mergeTablePath, const QString &documentPath, bool barcode)
{
    const QString target = mergeCopyPath(documentPath, barcode);
    if (target == documentPath || QFileInfo(target) == QFileInfo(mergeTablePath))
        return Error(QStringLiteral("the document name leaves no room for its data copy"), documentPath);
    AtomicPath temp(target);
    if (!temp.isValid() || !QFile::copy(mergeTablePath, temp.tempPath()))
        return fileError(target, QStringLiteral("the merge table cannot be copied"));
    if (Status s = temp.commit(); !s)
        return s.error();
    return target;
}

ReopenedList reopenDataList(const QString &path, const QString &tableName, const QString &documentPath)
{
    ReopenedList result;
    if (path.isEmpty())
        return result;
    if (!QFileInfo::exists(path)) {
        const bool documentSaved = !documentPath.isEmpty() && QFileInfo::exists(documentPath);
        result.outcome = documentSaved ? ReopenOutcome::MissingSilent : ReopenOutcome::MissingReported;
        if (!documentSaved)
            result.message = path + QStringLiteral(" 파일을 찾을 수 없습니다.");
        return result;
    }
    if (dataListFormat(path) == DataListFormat::None)
        return result;
    auto table = readDataList(path, tableName);
    if (!table) {
        result.message = table.error().message;
        return result;
    }
    result.outcome = ReopenOutcome::Opened;
    result.table = std::move(table).value();
    return result;
}

} // namespace quill
