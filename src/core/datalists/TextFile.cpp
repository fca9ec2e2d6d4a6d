// Comma-separated text lists (.txt, .csv): a CSV reader and writer, and the import of a
// text list into a Paradox table beside it.
#include "TextFile.h"

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

QList<QStringList> parseCsv(const QString &text)
{
    QList<QStringList> records;
    QStringList record;
    QString value;
    bool quoted = false, any = false;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
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
            if (c == u'\r' && i + 1 < n && text.at(i + 1) == u'\n')
                ++i;
            if (any || !value.isEmpty()) {
                record.append(value);
                records.append(record);
            } else {
                records.append(QStringList()); // a blank line
            }
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
        records.append(record);
    }
    return records;
}

Result<DataTable> readTextFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fileError(path, QStringLiteral("file not found or not readable"));
    const QByteArray bytes = file.readAll();
    if (bytes.contains('\0'))
        return fileError(path, QStringLiteral("not a text file"));
    QList<QStringList> records = parseCsv(decodeTextFile(bytes));
    while (!records.isEmpty() && records.last().isEmpty())
        records.removeLast();
    if (records.isEmpty())
        return fileError(path, QStringLiteral("the file has no header line"));
    QStringList names = records.takeFirst();
    if (names.size() > 1 && names.last().trimmed().isEmpty())
        names.removeLast();
    DataTable table;
    table.name = QFileInfo(path).fileName();
    for (int i = 0; i < names.size(); ++i) {
        const QString name = names.at(i).trimmed();
        table.fields.append({name.isEmpty() ? QStringLiteral("F%1").arg(i + 1) : name, FieldType::Text, 50});
    }
    table.rows.reserve(records.size());
    for (const QStringList &record : records) {
        if (record.isEmpty())
            continue;
        QVariantList row;
        row.reserve(names.size());
        for (int i = 0; i < names.size(); ++i)
            row.append(record.value(i));
        table.rows.append(row);
    }
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
