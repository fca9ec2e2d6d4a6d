// Opening, listing, writing, creating and exporting data lists by file extension.
#include "DataListFile.h"

#include "AccessFile.h"
#include "DbaseFile.h"
#include "FieldNames.h"
#include "FileSupport.h"
#include "ParadoxFile.h"
#include "SqliteFile.h"
#include "TextFile.h"
#include "WorkbookFiles.h"

#include <QFileInfo>

namespace quill {

DataListFormat dataListFormat(const QString &path)
{
    const QString ext = QFileInfo(path).suffix().toLower();
    if (ext == u"db" || ext == u"tmp" || ext == u"dbl" || ext == u"bbl")
        return DataListFormat::Paradox;
    if (ext == u"dbf")
        return DataListFormat::Dbase;
    if (ext == u"xls")
        return DataListFormat::Excel;
    if (ext == u"xlsx")
        return DataListFormat::ExcelXml;
    if (ext == u"ods")
        return DataListFormat::OpenDocument;
    if (ext == u"mdb" || ext == u"accdb")
        return DataListFormat::Access;
    if (ext == u"txt" || ext == u"csv")
        return DataListFormat::Text;
    if (ext == u"sqlite" || ext == u"db3")
        return DataListFormat::Sqlite;
    return DataListFormat::None;
}

bool canWriteFormat(DataListFormat format)
{
    switch (format) {
    case DataListFormat::Paradox: case DataListFormat::Dbase: case DataListFormat::ExcelXml:
    case DataListFormat::Text: case DataListFormat::Sqlite:
        return true;
    case DataListFormat::Excel:
        return canWriteXls();
    default:
        return false;
    }
}

bool hasNamedTables(DataListFormat format)
{
    return format == DataListFormat::Excel || format == DataListFormat::ExcelXml
           || format == DataListFormat::OpenDocument || format == DataListFormat::Access
           || format == DataListFormat::Sqlite;
}

QString writableFormatsText()
{
    return QStringLiteral(".db, .dbf, .xlsx, .xls, .csv, .txt, .sqlite");
}

namespace {

Error unknownFormat(const QString &path)
{
    return fileError(path, QStringLiteral("not a data list (unknown file type)"));
}

} // namespace

Result<QStringList> dataListTables(const QString &path)
{
    switch (dataListFormat(path)) {
    case DataListFormat::Excel: return xlsSheetNames(path);
    case DataListFormat::ExcelXml: return xlsxSheetNames(path);
    case DataListFormat::OpenDocument: return odsSheetNames(path);
    case DataListFormat::Access: return accessTableNames(path);
    case DataListFormat::Sqlite: return sqliteTableNames(path);
    case DataListFormat::None: return unknownFormat(path);
    default: {
        auto table = readDataList(path);
        if (!table)
            return table.error();
        return QStringList{QFileInfo(path).fileName()};
    }
    }
}

namespace {

Result<DataTable> readByFormat(const QString &path, const QString &tableName)
{
    switch (dataListFormat(path)) {
    case DataListFormat::Paradox: return readParadoxFile(path);
    case DataListFormat::Dbase: return readDbaseFile(path);
    case DataListFormat::Excel: return readXlsFile(path, tableName);
    case DataListFormat::ExcelXml: return readXlsxFile(path, tableName);
    case DataListFormat::OpenDocument: return readOdsFile(path, tableName);
    case DataListFormat::Access: return readAccessFile(path, tableName);
    case DataListFormat::Text: return readTextFile(path);
    case DataListFormat::Sqlite: return readSqliteFile(path, tableName);
    case DataListFormat::None: break;
    }
    return unknownFormat(path);
}

} // namespace

Result<DataTable> readDataList(const QString &path, const QString &tableName)
{
    Result<DataTable> table = readByFormat(path, tableName);
    if (table)
        normaliseFieldNames(table.value());
    return table;
}

Status writeDataList(const QString &path, const DataTable &table, const QString &tableName)
{
    if (table.fields.isEmpty())
        return fileError(path, QStringLiteral("a table needs at least one field"));
    switch (dataListFormat(path)) {
    case DataListFormat::Paradox: return writeParadoxFile(path, table);
    case DataListFormat::Dbase: return writeDbaseFile(path, table);
    case DataListFormat::Excel: return writeXlsFile(path, table);
    case DataListFormat::ExcelXml:
        return writeXlsxFile(path, table, tableName.isEmpty() ? QStringLiteral("Sheet1") : tableName);
    case DataListFormat::Text: return writeTextFile(path, table);
    case DataListFormat::Sqlite: return writeSqliteFile(path, table, tableName);
    case DataListFormat::Access: return Error(accessWriteMessage(), path);
    case DataListFormat::OpenDocument:
        return fileError(path, QStringLiteral("OpenDocument lists are read only; choose one of ")
                                   + writableFormatsText());
    case DataListFormat::None: break;
    }
    return fileError(path, QStringLiteral("unknown file type; choose one of ") + writableFormatsText());
}

QString exportFieldName(const QString &name)
{
    if (name.compare(u"rows", Qt::CaseInsensitive) == 0 || name.compare(u"columns", Qt::CaseInsensitive) == 0)
        return QStringLiteral("L_") + name;
    return name;
}

int sourceFieldIndex(const DataTable &source, const QString &exportedName)
{
    const int direct = source.fieldIndex(exportedName);
    if (direct >= 0 && exportFieldName(source.fields.at(direct).name) == source.fields.at(direct).name)
        return direct;
    for (int i = 0; i < source.fields.size(); ++i) {
        if (exportFieldName(source.fields.at(i).name).compare(exportedName, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

Status exportDataList(const DataTable &source, const QString &path, const QString &tableName)
{
    DataTable out;
    out.name = tableName.isEmpty() ? QFileInfo(path).completeBaseName() : tableName;
    for (const DataField &f : source.fields)
        out.fields.append({exportFieldName(f.name), f.type == FieldType::Memo ? FieldType::Text : f.type, f.size});
    QList<int> from;
    for (const DataField &f : out.fields)
        from.append(sourceFieldIndex(source, f.name));
    out.rows.reserve(source.rows.size());
    for (const QVariantList &row : source.rows) {
        QVariantList values;
        values.reserve(from.size());
        for (int index : from)
            values.append(row.value(index));
        out.rows.append(values);
    }
    return writeDataList(path, out, tableName);
}

Status createDataList(const QString &path, const QStringList &definitions, const QString &tableName)
{
    const DataListFormat format = dataListFormat(path);
    if (format == DataListFormat::Access)
        return Error(accessWriteMessage(), path);
    if (format != DataListFormat::Paradox && format != DataListFormat::Dbase
        && format != DataListFormat::Text && format != DataListFormat::Sqlite)
        return fileError(path, QStringLiteral("new lists can be .db, .dbf, .txt, .csv or .sqlite files"));
    DataTable table;
    table.name = tableName.isEmpty() ? QFileInfo(path).completeBaseName() : tableName;
    for (const QString &definition : definitions) {
        const QStringList parts = definition.split(u';');
        const QString name = parts.value(0).trimmed();
        if (name.isEmpty() || table.fieldIndex(name) >= 0)
            continue;
        const int size = parts.size() > 2 && parts.at(2).trimmed().toInt() > 0 ? parts.at(2).trimmed().toInt() : 20;
        table.fields.append({name, FieldType::Text, size});
    }
    if (table.fields.isEmpty())
        return fileError(path, QStringLiteral("the new list has no fields"));
    return writeDataList(path, table, tableName);
}

} // namespace quill
