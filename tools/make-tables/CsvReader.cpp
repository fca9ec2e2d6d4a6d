// Reads the comma-separated source files of the generated tables (UTF-8, quoted fields).
#include "CsvReader.h"

#include <QFile>

namespace quill::tools {

namespace {

// Reads one field starting at pos; pos ends on the separator or line end after it.
Result<QString> readField(const QString &text, qsizetype &pos)
{
    QString field;
    if (pos < text.size() && text.at(pos) == u'"') {
        ++pos;
        while (true) {
            if (pos >= text.size())
                return Error{QStringLiteral("unterminated quoted field")};
            const QChar c = text.at(pos++);
            if (c != u'"') {
                field.append(c);
            } else if (pos < text.size() && text.at(pos) == u'"') {
                field.append(c);
                ++pos;
            } else {
                break;
            }
        }
        return field;
    }
    while (pos < text.size() && text.at(pos) != u',' && text.at(pos) != u'\n'
           && text.at(pos) != u'\r')
        field.append(text.at(pos++));
    return field;
}

} // namespace

Result<QList<QStringList>> parseCsv(const QString &text)
{
    QList<QStringList> lines;
    QStringList fields;
    qsizetype pos = 0;
    int lineNumber = 1;
    while (pos < text.size()) {
        Result<QString> field = readField(text, pos);
        if (!field)
            return Error{field.error().message, QStringLiteral("line %1").arg(lineNumber)};
        fields.append(field.value());
        if (pos < text.size() && text.at(pos) == u',') {
            ++pos;
            continue;
        }
        if (pos < text.size() && text.at(pos) == u'\r')
            ++pos;
        if (pos < text.size() && text.at(pos) == u'\n')
            ++pos;
        else if (pos < text.size())
            return Error{QStringLiteral("text after a quoted field"),
                         QStringLiteral("line %1").arg(lineNumber)};
        if (!(fields.size() == 1 && fields.first().isEmpty()))
            lines.append(fields);
        fields.clear();
        ++lineNumber;
    }
    if (!fields.isEmpty())
        lines.append(fields);
    return lines;
}

Result<QList<QStringList>> readCsvFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Error{file.errorString(), path};
    Result<QList<QStringList>> lines = parseCsv(QString::fromUtf8(file.readAll()));
    if (!lines)
        return Error{lines.error().message, path + QStringLiteral(", ") + lines.error().where};
    return lines;
}

} // namespace quill::tools
