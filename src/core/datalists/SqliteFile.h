// SQLite (.sqlite, .db3) lists through Qt Sql: read and write, any number of tables per file.
#pragma once

#include "DataTable.h"
#include "Result.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStringList>

namespace quill {

// A private Qt Sql connection to one SQLite database, removed again on destruction.
class SqlConnection {
public:
    explicit SqlConnection(const QString &databaseName); // a file path or ":memory:"
    ~SqlConnection();
    SqlConnection(const SqlConnection &) = delete;
    SqlConnection &operator=(const SqlConnection &) = delete;

    bool isOpen() const { return mOpen; }
    QSqlDatabase database() const;

private:
    QString mName;
    bool mOpen = false;
};

// Quotes an identifier for SQLite ("a""b").
QString sqlIdentifier(const QString &name);
// The SQLite column type of a field type.
QString sqlColumnType(FieldType type);
// The field type of a declared SQLite column type.
FieldType fieldTypeFromSql(const QString &declared);

// A value as SQLite gave it back, in the form of a field of the given type.
QVariant fromSql(const QVariant &v, FieldType type);
// Creates the table `name` in db (replacing one of that name) and inserts every row with bound
// values inside one transaction.
Status storeTable(QSqlDatabase db, const QString &name, const DataTable &table);
// Reads a whole table into a DataTable.
Result<DataTable> loadTable(QSqlDatabase db, const QString &name);
// Reads a query's result; columns named like a known field take its type and size.
Result<DataTable> tableFromQuery(QSqlQuery &query, const QList<DataField> &known);

Result<QStringList> sqliteTableNames(const QString &path);
Result<DataTable> readSqliteFile(const QString &path, const QString &tableName = {});
// Writes (or replaces) one table; other tables of an existing file stay. Atomic.
Status writeSqliteFile(const QString &path, const DataTable &table, const QString &tableName = {});

} // namespace quill
