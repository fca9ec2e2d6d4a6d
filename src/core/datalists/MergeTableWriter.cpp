#include "MergeTableWriter.h"

#include "DataListFile.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace quill {

namespace {

// Rows handed to the merge table builders at a time: progress is reported between slices.
constexpr qsizetype SliceRows = 500;

// The rows of source that rows names (in range, in the given order) as a table of their own.
void fillSlice(
    DataTable &slice, const DataTable &source, const QList<int> &rows, qsizetype from, qsizetype to)
{
    slice.rows.clear();
    for (qsizetype i = from; i < to; ++i) {
        const int row = rows.at(i);
        if (row >= 0 && row < source.rowCount())
            slice.rows.append(source.rows.at(row)); // shared, not copied
    }
}

QList<int> firstRows(qsizetype count)
{
    QList<int> rows(count);
    for (qsizetype i = 0; i < count; ++i)
        rows[i] = int(i);
    return rows;
}

// Runs build over slices of the chosen rows and joins what it makes. The slices carry the
// widths the named fields have in the whole source: a text field without a size is as wide as
// its widest value in the whole list, not in one slice.
template<typename Build>
Result<DataTable> buildInSlices(const DataTable &source, const QList<int> &rows,
    const QList<int> &widthFields, const Build &build, const MergeProgress &progress)
{
    DataTable slice;
    slice.name = source.name;
    slice.fields = source.fields;
    for (int field : widthFields) {
        if (field >= 0)
            slice.fields[field].size = mergeFieldWidth(source, field);
    }
    Result<DataTable> head = build(slice, QList<int>());
    if (!head)
        return head.error();
    DataTable table = std::move(head).value();
    table.rows.reserve(rows.size());
    for (qsizetype from = 0; from < rows.size(); from += SliceRows) {
        const qsizetype to = qMin(rows.size(), from + SliceRows);
        fillSlice(slice, source, rows, from, to);
        Result<DataTable> part = build(slice, firstRows(slice.rows.size()));
        if (!part)
            return part.error();
        table.rows.append(part.value().rows);
        if (progress)
            progress(int(to), int(rows.size()));
    }
    return table;
}

QList<int> fieldIndexes(const DataTable &source, const QStringList &names)
{
    QList<int> indexes;
    for (const QString &name : names)
        indexes.append(source.fieldIndex(name));
    return indexes;
}

MergeSend failed(MergeSend::Outcome outcome, const QString &message)
{
    MergeSend send;
    send.outcome = outcome;
    send.message = message;
    return send;
}

// Writes a built table; the write is the last step of the progress.
MergeSend written(
    const QString &path, const DataTable &table, int total, const MergeProgress &progress)
{
    if (Status s = writeMergeTable(path, table); !s) {
        return failed(MergeSend::Outcome::WriteFailed,
            u"%1 파일을 만들 수 없습니다.\n%2"_s.arg(
                QDir::toNativeSeparators(path), s.error().message));
    }
    if (progress)
        progress(total, total);
    MergeSend send;
    send.outcome = MergeSend::Outcome::Written;
    send.list = {path, QString()};
    return send;
}

// Progress of the build as steps of a send, which has one more step for the write.
MergeProgress buildSteps(const MergeProgress &progress, int total)
{
    if (!progress)
        return {};
    return [progress, total](int done, int) { progress(done, total); };
}

} // namespace

bool choosesWholeList(const DataTable &source, const QList<int> &rows)
{
    const int count = source.rowCount();
    if (count == 0)
        return false;
    QList<bool> seen(count, false);
    int chosen = 0;
    for (int row : rows) {
        if (row >= 0 && row < count && !seen.at(row)) {
            seen[row] = true;
            ++chosen;
        }
    }
    return chosen == count;
}

Result<DataTable> buildLabelMergeTable(const DataTable &source, const QList<int> &rows,
    const QStringList &sendFields, bool providerSource, const MergeProgress &progress)
{
    const auto build = [&](const DataTable &slice, const QList<int> &sliceRows) {
        return labelMergeTable(slice, sliceRows, sendFields, providerSource);
    };
    return buildInSlices(source, rows, fieldIndexes(source, sendFields), build, progress);
}

Result<DataTable> buildBarcodeMergeTable(const DataTable &source, const QList<int> &rows,
    const QString &barcodeField, const std::optional<Ean14Expansion> &expansion,
    const MergeProgress &progress)
{
    const auto build = [&](const DataTable &slice, const QList<int> &sliceRows) {
        return barcodeMergeTable(slice, sliceRows, barcodeField, expansion);
    };
    return buildInSlices(source, rows, {source.fieldIndex(barcodeField)}, build, progress);
}

Status writeMergeTable(const QString &path, const DataTable &table)
{
    const QFileInfo folder(QFileInfo(path).absolutePath());
    const QString folderName = QDir::toNativeSeparators(folder.absoluteFilePath());
    if (!folder.isDir())
        return Error(u"%1 폴더가 없습니다."_s.arg(folderName), path);
    if (!folder.isWritable())
        return Error(u"%1 폴더에 쓸 수 없습니다(쓰기 권한이 없습니다)."_s.arg(folderName), path);
    return writeDataList(path, table);
}

MergeSend sendLabelRows(const DataTable &source, const QList<int> &rows, const TSendDBName &list,
    const QStringList &sendFields, bool providerSource, const QString &mergeTablePath,
    const MergeProgress &progress)
{
    if (choosesWholeList(source, rows)) {
        MergeSend send;
        send.list = list;
        return send;
    }
    const int total = int(rows.size()) + 1;
    auto table = buildLabelMergeTable(
        source, rows, sendFields, providerSource, buildSteps(progress, total));
    if (!table)
        return failed(MergeSend::Outcome::BuildFailed, table.error().message);
    return written(mergeTablePath, table.value(), total, progress);
}

MergeSend sendBarcodeRows(const DataTable &source, const QList<int> &rows, const TSendDBName &list,
    const QString &barcodeField, const std::optional<Ean14Expansion> &expansion,
    const QString &mergeTablePath, const MergeProgress &progress)
{
    // A logistics send repeats rows, so even every record needs a table of its own.
    if (!expansion && choosesWholeList(source, rows)) {
        MergeSend send;
        send.list = list;
        return send;
    }
    const int total = int(rows.size()) + 1;
    auto table = buildBarcodeMergeTable(
        source, rows, barcodeField, expansion, buildSteps(progress, total));
    if (!table)
        return failed(MergeSend::Outcome::BuildFailed, table.error().message);
    return written(mergeTablePath, table.value(), total, progress);
}

} // namespace quill
