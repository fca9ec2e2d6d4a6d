// SQLite (.sqlite, .db3) lists through Qt Sql: read and write, any number of tables per file.
#include "SqliteFile.h"

#include "FileSupport.h"
#include "SqlErrors.h"

#include <QAtomicInt>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>

namespace quill {

SqlConnection::SqlConnection(const QString &databaseName)
{
    static QAtomicInt counter;
    mName = QStringLiteral("quill-datalist-%1").arg(counter.fetchAndAddRelaxed(1));
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), mName);
    db.setDatabaseName(databaseName);
    mOpen = db.open();
}

SqlConnection::~SqlConnection()
{
    {
        QSqlDatabase db = QSqlDatabase::database(mName, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(mName);
}

QSqlDatabase SqlConnection::database() const
{
    return QSqlDatabase::database(mName, false);
}

QString sqlIdentifier(const QString &name)
{
    QString quoted = name;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

QString sqlColumnType(FieldType type)
{
    switch (type) {
    case FieldType::Integer: return QStringLiteral("INTEGER");
    case FieldType::Float: return QStringLiteral("REAL");
    case FieldType::Boolean: return QStringLiteral("BOOLEAN");
    case FieldType::Date: return QStringLiteral("DATE");
    case FieldType::DateTime: return QStringLiteral("DATETIME");
    case FieldType::Binary: return QStringLiteral("BLOB");
    case FieldType::Memo: return QStringLiteral("MEMO");
    default: return QStringLiteral("TEXT");
    }
}

FieldType fieldTypeFromSql(const QString &declared)
{
    const QString t = declared.toUpper();
    if (t.contains(u"INT"))
        return FieldType::Integer;
    if (t.contains(u"REAL") || t.contains(u"FLOA") || t.contains(u"DOUB") || t.contains(u"NUM")
        || t.contains(u"DEC") || t.contains(u"MONEY") || t.contains(u"CURRENCY"))
        return FieldType::Float;
    if (t.contains(u"BOOL") || t.contains(u"LOGICAL") || t.contains(u"YESNO"))
        return FieldType::Boolean;
    if (t == u"DATE")
        return FieldType::Date;
    if (t.contains(u"DATETIME") || t.contains(u"TIMESTAMP"))
        return FieldType::DateTime;
    if (t.contains(u"BLOB"))
        return FieldType::Binary;
    if (t.contains(u"MEMO"))
        return FieldType::Memo;
    return FieldType::Text;
}

namespace {

int declaredSize(const QString &declared)
{
    const qsizetype open = declared.indexOf(u'('), close = declared.indexOf(u')');
    return open > 0 && close > open ? declared.mid(open + 1, close - open - 1).toInt() : 0;
}

QVariant bindable(const QVariant &v, FieldType type)
{
    if (v.isNull())
        return QVariant(QMetaType::fromType<QString>());
    if (type == FieldType::Date)
        return v.toDate().toString(Qt::ISODate);
    if (type == FieldType::DateTime)
        return v.toDateTime().toString(Qt::ISODate);
    return v;
}

} // namespace

Status storeTable(QSqlDatabase db, const QString &name, const DataTable &table)
{
    QSqlQuery q(db);
    QStringList columns, marks;
    for (const DataField &f : table.fields) {
        QString column = sqlIdentifier(f.name) + u' ' + sqlColumnType(f.type);
        if (f.type == FieldType::Text && f.size > 0)
            column = sqlIdentifier(f.name) + QStringLiteral(" VARCHAR(%1)").arg(f.size);
        columns.append(column);
        marks.append(QStringLiteral("?"));
    }
    if (!db.transaction() || !q.exec(QStringLiteral("DROP TABLE IF EXISTS ") + sqlIdentifier(name))
        || !q.exec(QStringLiteral("CREATE TABLE ") + sqlIdentifier(name) + u'(' + columns.join(u',') + u')'))
        return Error(describeSqlError(q.lastError()), name);
    if (!q.prepare(QStringLiteral("INSERT INTO ") + sqlIdentifier(name) + QStringLiteral(" VALUES (")
                   + marks.join(u',') + u')'))
        return Error(describeSqlError(q.lastError()), name);
    for (const QVariantList &row : table.rows) {
        for (int i = 0; i < table.fields.size(); ++i)
            q.bindValue(i, bindable(row.value(i), table.fields.at(i).type));
        if (!q.exec()) {
            db.rollback();
            return Error(describeSqlError(q.lastError()), name);
        }
    }
    if (!db.commit())
        return Error(describeSqlError(db.lastError()), name);
    return Status::success();
}

QVariant fromSql(const QVariant &v, FieldType type)
{
    if (v.isNull())
        return {};
    switch (type) {
    case FieldType::Boolean: return QVariant(v.toBool());
    case FieldType::Integer: return v.typeId() == QMetaType::QString ? v : QVariant(v.toLongLong());
    case FieldType::Date: {
        const QDate d = QDate::fromString(v.toString(), Qt::ISODate);
        return d.isValid() ? QVariant(d) : v;
    }
    case FieldType::DateTime: {
        const QDateTime t = QDateTime::fromString(v.toString(), Qt::ISODate);
        return t.isValid() ? QVariant(t) : v;
    }
    default: return v;
    }
}

Result<DataTable> tableFromQuery(QSqlQuery &q, const QList<DataField> &known)
{
    DataTable table;
    const QSqlRecord record = q.record();
    for (int i = 0; i < record.count(); ++i) {
        DataField field{record.fieldName(i), FieldType::Text, 0};
        for (const DataField &k : known) {
            if (k.name.compare(field.name, Qt::CaseInsensitive) == 0)
                field = DataField{field.name, k.type, k.size};
        }
        table.fields.append(field);
    }
    const int n = int(table.fields.size());
    while (q.next()) {
        QVariantList row;
        row.reserve(n);
        for (int i = 0; i < n; ++i)
            row.append(fromSql(q.value(i), table.fields.at(i).type));
        table.rows.append(row);
    }
    if (q.lastError().isValid())
        return Error(describeSqlError(q.lastError()));
    return table;
}

Result<DataTable> loadTable(QSqlDatabase db, const QString &name)
{
    QSqlQuery info(db);
    QList<DataField> fields;
    if (!info.exec(QStringLiteral("PRAGMA table_info(") + sqlIdentifier(name) + u')'))
        return Error(describeSqlError(info.lastError()), name);
    while (info.next()) {
        const QString declared = info.value(2).toString();
        const FieldType type = fieldTypeFromSql(declared);
        fields.append({info.value(1).toString(), type, type == FieldType::Text ? declaredSize(declared) : 0});
    }
    if (fields.isEmpty())
        return Error(QStringLiteral("there is no table %1").arg(name), name);
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT * FROM ") + sqlIdentifier(name)))
        return Error(describeSqlError(q.lastError()), name);
    auto table = tableFromQuery(q, fields);
    if (table)
        table.value().name = name;
    return table;
}

namespace {

bool looksLikeSqlite(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(16) == QByteArrayLiteral("SQLite format 3\0");
}

QStringList tableNames(QSqlDatabase db)
{
    QSqlQuery q(db);
    QStringList names;
    q.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type IN ('table','view') "
                          "AND name NOT LIKE 'sqlite_%' ORDER BY rowid"));
    while (q.next())
        names.append(q.value(0).toString());
    return names;
}

} // namespace

Result<QStringList> sqliteTableNames(const QString &path)
{
    if (!looksLikeSqlite(path))
        return fileError(path, QStringLiteral("not a readable SQLite database"));
    SqlConnection connection(path);
    if (!connection.isOpen())
        return fileError(path, QStringLiteral("not a readable SQLite database"));
    return tableNames(connection.database());
}

Result<DataTable> readSqliteFile(const QString &path, const QString &tableName)
{
    if (!looksLikeSqlite(path))
        return fileError(path, QStringLiteral("not a readable SQLite database"));
    SqlConnection connection(path);
    if (!connection.isOpen())
        return fileError(path, QStringLiteral("not a readable SQLite database"));
    const QStringList names = tableNames(connection.database());
    QString chosen;
    for (const QString &n : names) {
        if (chosen.isEmpty() && (tableName.isEmpty() || n.compare(tableName, Qt::CaseInsensitive) == 0))
            chosen = n;
    }
    if (chosen.isEmpty())
        return fileError(path, tableName.isEmpty() ? QStringLiteral("the database has no tables")
                                                   : QStringLiteral("there is no table %1").arg(tableName));
    auto table = loadTable(connection.database(), chosen);
    if (!table)
        return fileError(path, table.error().message);
    return table;
}

Status writeSqliteFile(const QString &path, const DataTable &table, const QString &tableName)
{
    if (table.fields.isEmpty())
        return fileError(path, QStringLiteral("a table needs at least one field"));
    AtomicPath target(path);
    if (!target.isValid())
        return fileError(path, QStringLiteral("the folder is not writable"));
    if (QFileInfo::exists(path)) {
        if (!looksLikeSqlite(path) || !QFile::copy(path, target.tempPath()))
            return fileError(path, QStringLiteral("the existing file is not a SQLite database"));
    }
    {
        SqlConnection connection(target.tempPath());
        if (!connection.isOpen())
            return fileError(path, QStringLiteral("the database cannot be created"));
        QString name = tableName;
        if (name.isEmpty())
            name = table.name.isEmpty() ? QFileInfo(path).completeBaseName() : QFileInfo(table.name).completeBaseName();
        if (Status s = storeTable(connection.database(), name, table); !s)
            return fileError(path, s.error().message);
    }
    return target.commit();
}

} // namespace quill
