// Comma-separated text lists (.txt, .csv): a CSV reader and writer, and the import of a
// text list into a Paradox table beside it.
#include "TextFile.h"

#include "FieldNames.h"
#include "FileSupport.h"
#include "ParadoxFile.h"
#include "shell/CaptionFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

namespace quill {

QString decodeTextFile(const QByteArray &bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.mid(3));
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return fromCp949(bytes);
}

QList<QStringList> parseCsv(const QString &text, QList<int> *lines)
{
    QList<QStringList> records;
    QStringList record;
    QString value;
    bool quoted = false, any = false;
    int line = 1, recordLine = 1;
    const auto endRecord = [&](QStringList finished) {
        records.append(std::move(finished));
        if (lines)
            lines->append(recordLine);
    };
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c == u'\n' || (c == u'\r' && (i + 1 >= n || text.at(i + 1) != u'\n')))
            ++line;
        if (quoted) {
            if (c == u'"') {
                if (i + 1 < n && text.at(i + 1) == u'"') {
                    value += u'"';
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                value += c;
            }
        } else if (c == u'"') {
            quoted = true;
            any = true;
        } else if (c == u',') {
            record.append(value);
            value.clear();
            any = true;
        } else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < n && text.at(i + 1) == u'\n') {
                ++i; // the line break is counted at its '\n', which is skipped here
                ++line;
            }
            if (any || !value.isEmpty()) {
                record.append(value);
                endRecord(record);
            } else {
                endRecord(QStringList()); // a blank line
            }
            recordLine = line;
            record.clear();
            value.clear();
            any = false;
        } else {
            value += c;
            any = true;
        }
    }
    if (any || !value.isEmpty()) {
        record.append(value);
        endRecord(record);
    }
    return records;
}

namespace {

// The number of values of a record, not counting empty ones at its end (a trailing comma).
qsizetype usedValues(const QStringList &record)
{
    qsizetype n = record.size();
    while (n > 0 && record.at(n - 1).isEmpty())
        --n;
    return n;
}

// A row with more values than the header names fields keeps them all: the table gets fields
// F + column number for them, and a warning says which lines had them.
void addFieldsForLongRows(DataTable &table, const QList<QStringList> &records, const QList<int> &lines)
{
    const qsizetype named = table.fields.size();
    qsizetype widest = named;
    QStringList longLines;
    for (qsizetype r = 0; r < records.size(); ++r) {
        const qsizetype used = usedValues(records.at(r));
        if (used <= named)
            continue;
        widest = qMax(widest, used);
        longLines.append(QString::number(lines.value(r)));
    }
    if (longLines.isEmpty())
        return;
    for (qsizetype c = named; c < widest; ++c)
        table.fields.append({emptyFieldName(int(c)), FieldType::Text, 50});
    const qsizetype shown = 5;
    QString where = longLines.mid(0, shown).join(QStringLiteral(", "));
    if (longLines.size() > shown)
        where += QStringLiteral(" and %1 more").arg(longLines.size() - shown);
    const QString added = widest - named == 1
                              ? QStringLiteral("field %1").arg(table.fields.at(named).name)
                              : QStringLiteral("fields %1 to %2").arg(table.fields.at(named).name,
                                                                     table.fields.last().name);
    table.warnings.append(QStringLiteral("%1 %2 more values than the header names fields (%3); "
                                         "the extra values are kept in %4")
                              .arg(longLines.size() == 1 ? QStringLiteral("line") : QStringLiteral("lines"),
                                   where + (longLines.size() == 1 ? QStringLiteral(" has") : QStringLiteral(" have")))
                              .arg(named)
                              .arg(added));
}

} // namespace

Result<DataTable> readTextFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fileError(path, QStringLiteral("file not found or not readable"));
    const QByteArray bytes = file.readAll();
    if (bytes.contains('\0'))
        return fileError(path, QStringLiteral("not a text file"));
    QList<int> lines;
    QList<QStringList> records = parseCsv(decodeTextFile(bytes), &lines);
    while (!records.isEmpty() && records.last().isEmpty())
        records.removeLast();
    if (records.isEmpty())
        return fileError(path, QStringLiteral("the file has no header line"));
    QStringList names = records.takeFirst();
    lines.removeFirst();
    if (names.size() > 1 && names.last().trimmed().isEmpty())
        names.removeLast();
    DataTable table;
    table.name = QFileInfo(path).fileName();
    for (const QString &name : names) // empty and repeated names are made usable below
        table.fields.append({name.trimmed(), FieldType::Text, 50});
    addFieldsForLongRows(table, records, lines);
    const qsizetype columns = table.fields.size();
    table.rows.reserve(records.size());
    for (const QStringList &record : records) {
        if (record.isEmpty())
            continue;
        QVariantList row;
        row.reserve(columns);
        for (qsizetype i = 0; i < columns; ++i)
            row.append(record.value(i));
        table.rows.append(row);
    }
    normaliseFieldNames(table);
    return table;
}

namespace {

QString csvValue(const QString &value)
{
    if (!value.contains(u',') && !value.contains(u'"') && !value.contains(u'\n')
        && !value.contains(u'\r'))
        return value;
    QString quoted = value;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

} // namespace

Status writeTextFile(const QString &path, const DataTable &table)
{
    QString text;
    QStringList line;
    for (const DataField &f : table.fields)
        line.append(csvValue(f.name));
    text += line.join(u',') + QStringLiteral("\r\n");
    for (int r = 0; r < table.rows.size(); ++r) {
        line.clear();
        for (int c = 0; c < table.fields.size(); ++c)
            line.append(csvValue(table.text(r, c)));
        text += line.join(u',') + QStringLiteral("\r\n");
    }
    const bool cp949 = path.endsWith(QStringLiteral(".txt"), Qt::CaseInsensitive) && fitsCp949(text);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fileError(path, QStringLiteral("the file cannot be written"));
    file.write(cp949 ? toCp949(text) : QByteArrayLiteral("\xEF\xBB\xBF") + text.toUtf8());
    if (!file.commit())
        return fileError(path, QStringLiteral("the file cannot be written"));
    return Status::success();
}

Result<QString> importTextFile(const QString &path)
{
    auto table = readTextFile(path);
    if (!table)
        return table.error();
    const QString target = path + QStringLiteral(".db");
    table.value().name = QFileInfo(target).fileName();
    if (Status s = writeParadoxFile(target, table.value()); !s)
        return s.error();
    return target;
}

} // namespace quill
