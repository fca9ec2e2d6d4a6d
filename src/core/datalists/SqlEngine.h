// The list query engine: a loaded table in a private in-memory SQLite database, queried with
// bound values, and the engine's small SQL dialect over list files.
#pragma once

#include "DataTable.h"
#include "Result.h"

#include <QPair>
#include <QStringList>
#include <memory>

class QSqlQuery;

namespace quill {

class SqlConnection;

struct DataQuery {
    bool distinct = false;
    QStringList columns;                    // empty: every field
    QList<QPair<QString, QString>> equals;  // field = text
    QList<QPair<QString, QString>> likes;   // field LIKE pattern (% and _ wildcards)
    QString orderBy;
    bool descending = false;
    int limit = -1;
};

class SqlTable {
public:
    SqlTable();
    ~SqlTable();

    Status load(const DataTable &table);
    // The loaded list, its values as the engine gives them back.
    const DataTable &source() const { return mSource; }
    // Runs a query built from its parts; every text reaches SQLite as a bound value.
    Result<DataTable> select(const DataQuery &query) const;
    // Runs a SELECT of the dialect (double-quoted texts are values, the FROM names this table).
    Result<DataTable> run(const QString &statement) const;

private:
    Result<QString> column(const QString &field) const;
    Error inTable(const Error &error) const;
    Status keepRowsAsStored();
    QString rowNumberName() const;
    Result<QSqlQuery> execute(const QString &sql, const QVariantList &binds) const;
    Result<DataTable> queryTable(const QString &sql, const QVariantList &binds) const;
    // picked: the fields of the result (empty: all).
    Result<DataTable> selectRows(const QString &sql, const QVariantList &binds,
                                 const QList<int> &picked) const;
    DataTable mSource;
    std::unique_ptr<SqlConnection> mConnection;
};

// A SELECT of the dialect over the list file its FROM names (relative to directory), for
// example: SELECT * FROM "zipcode.dbf" WHERE ADDRESS LIKE "%동%" ORDER BY ZIPCODE DESC.
Result<DataTable> runEngineQuery(const QString &statement, const QString &directory);
// ALTER TABLE "file" ADD name type | ALTER COLUMN name type | DROP [COLUMN] name; the changed
// table is written back to its file atomically. Types: CHAR(n)/VARCHAR(n)/ALPHA(n), INTEGER,
// FLOAT/NUMERIC, BOOLEAN, DATE, TIMESTAMP.
Status runEngineStatement(const QString &statement, const QString &directory);

} // namespace quill
