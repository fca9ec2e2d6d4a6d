// The list query engine: a loaded table in a private in-memory SQLite database, queried with
// bound values, and the engine's small SQL dialect over list files.
#include "SqlEngine.h"

#include "DataListFile.h"
#include "FileSupport.h"
#include "SqliteFile.h"
#include "SqlErrors.h"

#include <QDir>
#include <QSqlError>
#include <QSqlQuery>

namespace quill {
namespace {

const QString LoadedTable = QStringLiteral("list");

struct Token {
    enum Kind { Word, Quoted, Single, Bracket, Symbol } kind;
    QString text;
};

QList<Token> tokenize(const QString &s)
{
    QList<Token> tokens;
    for (qsizetype i = 0; i < s.size();) {
        const QChar c = s.at(i);
        if (c.isSpace()) {
            ++i;
        } else if (c == u'"' || c == u'\'' || c == u'[') {
            const QChar close = c == u'[' ? QChar(u']') : c;
            QString text;
            qsizetype j = i + 1;
            for (; j < s.size(); ++j) {
                if (s.at(j) == close) {
                    if (close != u']' && j + 1 < s.size() && s.at(j + 1) == close) {
                        text += close;
                        ++j;
                        continue;
                    }
                    break;
                }
                text += s.at(j);
            }
            tokens.append({c == u'"' ? Token::Quoted : c == u'[' ? Token::Bracket : Token::Single, text});
            i = j + 1;
        } else if (c.isLetterOrNumber() || c == u'_' || c == u'%' || c == u'.') {
            qsizetype j = i;
            while (j < s.size() && (s.at(j).isLetterOrNumber() || s.at(j) == u'_' || s.at(j) == u'.'
                                    || s.at(j) == u'%' || s.at(j) == u'-'))
                ++j;
            tokens.append({Token::Word, s.mid(i, j - i)});
            i = j;
        } else {
            qsizetype j = i + 1;
            if ((c == u'<' || c == u'>' || c == u'!') && j < s.size() && (s.at(j) == u'=' || s.at(j) == u'>'))
                ++j;
            tokens.append({Token::Symbol, s.mid(i, j - i)});
            i = j;
        }
    }
    return tokens;
}

bool isWord(const Token &t, const char16_t *word)
{
    return t.kind == Token::Word && t.text.compare(QStringView(word), Qt::CaseInsensitive) == 0;
}

struct Translated {
    QString sql;
    QVariantList binds;
    QString tableName;
};

bool isKeyword(const QString &word)
{
    static const QStringList keywords = {
        QStringLiteral("SELECT"), QStringLiteral("DISTINCT"), QStringLiteral("FROM"),
        QStringLiteral("WHERE"), QStringLiteral("AND"), QStringLiteral("OR"), QStringLiteral("NOT"),
        QStringLiteral("LIKE"), QStringLiteral("ORDER"), QStringLiteral("BY"), QStringLiteral("ASC"),
        QStringLiteral("DESC"), QStringLiteral("LIMIT"), QStringLiteral("IS"), QStringLiteral("NULL"),
        QStringLiteral("IN"), QStringLiteral("BETWEEN"), QStringLiteral("AS"), QStringLiteral("COUNT")};
    return keywords.contains(word, Qt::CaseInsensitive);
}

// Rewrites a dialect statement for SQLite: texts become bound values, the table after FROM
// becomes the loaded table, and names become quoted identifiers: bracketed ones, and bare words
// naming a field of list (when given), so that names with dots, leading digits or other
// characters SQLite does not take bare still work.
Translated translate(const QString &statement, const DataTable *list = nullptr)
{
    Translated t;
    const QList<Token> tokens = tokenize(statement);
    QStringList parts;
    for (int i = 0; i < tokens.size(); ++i) {
        const Token &tok = tokens.at(i);
        if (i > 0 && isWord(tokens.at(i - 1), u"FROM")) {
            t.tableName = tok.text;
            parts.append(sqlIdentifier(LoadedTable));
        } else if (tok.kind == Token::Quoted || tok.kind == Token::Single) {
            t.binds.append(tok.text);
            parts.append(QStringLiteral("?"));
        } else if (tok.kind == Token::Bracket) {
            parts.append(sqlIdentifier(tok.text));
        } else if (tok.kind == Token::Word && list && !isKeyword(tok.text)
                   && list->fieldIndex(tok.text) >= 0) {
            parts.append(sqlIdentifier(list->fields.at(list->fieldIndex(tok.text)).name));
        } else {
            parts.append(tok.text);
        }
    }
    t.sql = parts.join(u' ');
    return t;
}

} // namespace

SqlTable::SqlTable() = default;
SqlTable::~SqlTable() = default;

Status SqlTable::load(const DataTable &table)
{
    mConnection.reset();
    mConnection = std::make_unique<SqlConnection>(QStringLiteral(":memory:"));
    if (!mConnection->isOpen())
        return Error(QStringLiteral("the query engine cannot start"));
    mSource = table;
    if (table.fields.isEmpty())
        return inTable(Error(QStringLiteral("the list is empty (its first row names no fields)")));
    if (Status s = storeTable(mConnection->database(), LoadedTable, table); !s)
        return inTable(s.error());
    if (Status s = keepRowsAsStored(); !s)
        return inTable(s.error());
    return Status::success();
}

// An engine failure told with the list it happened on.
Error SqlTable::inTable(const Error &error) const
{
    if (mSource.name.isEmpty())
        return Error(error.message);
    return Error(QStringLiteral("the list %1: %2").arg(mSource.name, error.message), mSource.name);
}

// The rows stay in memory too, holding exactly the values SQLite gives back, so that a query
// fetches only the row numbers of its result. Text kept in a text column comes back as it
// went in; every other column is read back once.
Status SqlTable::keepRowsAsStored()
{
    const int n = int(mSource.fields.size());
    QList<int> readBack;
    for (int i = 0; i < n; ++i) {
        const bool textColumn = mSource.fields.at(i).type == FieldType::Text;
        bool asStored = textColumn;
        for (qsizetype r = 0; asStored && r < mSource.rows.size(); ++r) {
            const QVariantList &row = mSource.rows.at(r);
            if (i >= row.size())
                continue;
            const QVariant &v = row.at(i);
            asStored = !v.isValid() || (v.typeId() == QMetaType::QString && !v.toString().isNull());
        }
        if (!asStored)
            readBack.append(i);
    }
    for (QVariantList &row : mSource.rows) {
        if (row.size() != n)
            row.resize(n);
    }
    if (readBack.isEmpty())
        return Status::success();
    QStringList columns;
    for (int i : readBack)
        columns.append(sqlIdentifier(mSource.fields.at(i).name));
    QSqlQuery q(mConnection->database());
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT ") + columns.join(u',') + QStringLiteral(" FROM ")
                + sqlIdentifier(LoadedTable) + QStringLiteral(" ORDER BY _rowid_")))
        return Error(describeSqlError(q.lastError()));
    for (QVariantList &row : mSource.rows) {
        if (!q.next())
            return Error(QStringLiteral("the query engine lost rows"));
        for (int k = 0; k < readBack.size(); ++k)
            row[readBack.at(k)] = fromSql(q.value(k), mSource.fields.at(readBack.at(k)).type);
    }
    return Status::success();
}

Result<QString> SqlTable::column(const QString &field) const
{
    const int index = mSource.fieldIndex(field);
    if (index < 0)
        return Error(QStringLiteral("there is no field %1").arg(field), field);
    return sqlIdentifier(mSource.fields.at(index).name);
}

Result<DataTable> SqlTable::select(const DataQuery &query) const
{
    if (!mConnection)
        return Error(QStringLiteral("no table is loaded"));
    QStringList columns, where;
    QList<int> picked;
    QVariantList binds;
    for (const QString &c : query.columns) {
        auto name = column(c);
        if (!name)
            return name.error();
        columns.append(name.value());
        picked.append(mSource.fieldIndex(c));
    }
    for (const auto &[field, text] : query.equals) {
        auto name = column(field);
        if (!name)
            return name.error();
        where.append(name.value() + QStringLiteral(" = ?"));
        binds.append(text);
    }
    for (const auto &[field, pattern] : query.likes) {
        auto name = column(field);
        if (!name)
            return name.error();
        where.append(name.value() + QStringLiteral(" LIKE ?"));
        binds.append(pattern);
    }
    QString sql = QStringLiteral(" FROM ") + sqlIdentifier(LoadedTable);
    if (!where.isEmpty())
        sql += QStringLiteral(" WHERE ") + where.join(QStringLiteral(" AND "));
    if (!query.orderBy.isEmpty()) {
        auto name = column(query.orderBy);
        if (!name)
            return name.error();
        sql += QStringLiteral(" ORDER BY ") + name.value() + (query.descending ? QStringLiteral(" DESC") : QString());
    }
    const QString rowNumber = rowNumberName();
    if (!query.distinct && !rowNumber.isEmpty()) {
        // Equal keys keep the list's order.
        if (!query.orderBy.isEmpty())
            sql += u',' + rowNumber;
        if (query.limit >= 0)
            sql += QStringLiteral(" LIMIT %1").arg(query.limit);
        return selectRows(QStringLiteral("SELECT ") + rowNumber + sql, binds, picked);
    }
    if (query.limit >= 0)
        sql += QStringLiteral(" LIMIT %1").arg(query.limit);
    sql = QStringLiteral("SELECT ") + (query.distinct ? QStringLiteral("DISTINCT ") : QString())
          + (columns.isEmpty() ? QStringLiteral("*") : columns.join(u',')) + sql;
    return queryTable(sql, binds);
}

// The rows a query returns, as a list named like the loaded one.
Result<DataTable> SqlTable::queryTable(const QString &sql, const QVariantList &binds) const
{
    Result<QSqlQuery> executed = execute(sql, binds);
    if (!executed)
        return executed.error();
    auto result = tableFromQuery(executed.value(), mSource.fields);
    if (result)
        result.value().name = mSource.name;
    return result;
}

// A forward-only query with its values bound, run.
Result<QSqlQuery> SqlTable::execute(const QString &sql, const QVariantList &binds) const
{
    QSqlQuery q(mConnection->database());
    q.setForwardOnly(true);
    if (!q.prepare(sql))
        return inTable(describeSqlError(q.lastError()));
    for (int i = 0; i < binds.size(); ++i)
        q.bindValue(i, binds.at(i));
    if (!q.exec())
        return inTable(describeSqlError(q.lastError()));
    return q;
}

// The name SQLite's row number goes by in the loaded table: one that no field hides.
QString SqlTable::rowNumberName() const
{
    for (const QString &name : {QStringLiteral("_rowid_"), QStringLiteral("rowid"), QStringLiteral("oid")}) {
        if (mSource.fieldIndex(name) < 0)
            return name;
    }
    return {};
}

// Runs a query that returns row numbers and builds its result from the rows kept in memory.
Result<DataTable> SqlTable::selectRows(const QString &sql, const QVariantList &binds,
                                       const QList<int> &picked) const
{
    Result<QSqlQuery> executed = execute(sql, binds);
    if (!executed)
        return executed.error();
    QSqlQuery &q = executed.value();
    DataTable result;
    result.name = mSource.name;
    if (picked.isEmpty()) {
        result.fields = mSource.fields;
    } else {
        for (int i : picked)
            result.fields.append(mSource.fields.at(i));
    }
    const qsizetype rowCount = mSource.rows.size();
    while (q.next()) {
        const qsizetype r = q.value(0).toLongLong() - 1; // rows were stored from 1 in list order
        if (r < 0 || r >= rowCount)
            return Error(QStringLiteral("the query engine lost rows"));
        if (picked.isEmpty()) {
            result.rows.append(mSource.rows.at(r));
            continue;
        }
        QVariantList row;
        row.reserve(picked.size());
        for (int i : picked)
            row.append(mSource.rows.at(r).at(i));
        result.rows.append(row);
    }
    if (q.lastError().isValid())
        return inTable(describeSqlError(q.lastError()));
    return result;
}

Result<DataTable> SqlTable::run(const QString &statement) const
{
    if (!mConnection)
        return Error(QStringLiteral("no table is loaded"));
    const Translated t = translate(statement, &mSource);
    if (!t.sql.startsWith(QStringLiteral("SELECT"), Qt::CaseInsensitive))
        return Error(QStringLiteral("only SELECT statements return rows"));
    return queryTable(t.sql, t.binds);
}

Result<DataTable> runEngineQuery(const QString &statement, const QString &directory)
{
    const Translated t = translate(statement);
    if (t.tableName.isEmpty())
        return Error(QStringLiteral("the query names no table"));
    auto table = readDataList(QDir(directory).filePath(t.tableName));
    if (!table)
        return table.error();
    SqlTable engine;
    if (Status s = engine.load(table.value()); !s)
        return fileError(t.tableName, s.error().message);
    Result<DataTable> result = engine.run(statement);
    if (!result)
        return fileError(t.tableName, result.error().message);
    return result;
}

namespace {

// Parses "TYPE" or "TYPE(n)" starting at tokens[i].
Result<DataField> parseType(const QList<Token> &tokens, int i, const QString &name)
{
    if (i >= tokens.size())
        return Error(QStringLiteral("the field %1 has no type").arg(name));
    const QString word = tokens.at(i).text.toUpper();
    int size = 0;
    if (i + 2 < tokens.size() && tokens.at(i + 1).text == u"(")
        size = tokens.at(i + 2).text.toInt();
    DataField field{name, FieldType::Text, 0};
    if (word == u"CHAR" || word == u"VARCHAR" || word == u"ALPHA" || word == u"TEXT" || word == u"문자열") {
        field.size = size > 0 ? qMin(size, 255) : 20;
    } else {
        field.type = fieldTypeFromSql(word);
        if (field.type == FieldType::Text)
            return Error(QStringLiteral("unknown field type %1").arg(tokens.at(i).text));
    }
    return field;
}

QVariant convertValue(const QVariant &v, const DataField &to)
{
    if (v.isNull())
        return {};
    switch (to.type) {
    case FieldType::Text: case FieldType::Memo: return v.toString();
    case FieldType::Integer: { bool ok = false; const qlonglong n = v.toLongLong(&ok); return ok ? QVariant(n) : QVariant(); }
    case FieldType::Float: { bool ok = false; const double d = v.toDouble(&ok); return ok ? QVariant(d) : QVariant(); }
    case FieldType::Boolean: return QVariant(v.toBool());
    case FieldType::Date: return v.toDate().isValid() ? QVariant(v.toDate()) : QVariant();
    case FieldType::DateTime: return v.toDateTime().isValid() ? QVariant(v.toDateTime()) : QVariant();
    case FieldType::Binary: return v;
    }
    return v;
}

Status alterTable(DataTable &table, const QList<Token> &tokens)
{
    // tokens: ALTER TABLE <name> <action> ...
    int i = 3;
    if (i >= tokens.size())
        return Error(QStringLiteral("ALTER TABLE needs ADD, ALTER COLUMN or DROP"));
    const bool add = isWord(tokens.at(i), u"ADD"), drop = isWord(tokens.at(i), u"DROP");
    const bool alter = isWord(tokens.at(i), u"ALTER");
    if (!add && !drop && !alter)
        return Error(QStringLiteral("ALTER TABLE needs ADD, ALTER COLUMN or DROP"));
    ++i;
    if (i < tokens.size() && isWord(tokens.at(i), u"COLUMN"))
        ++i;
    if (i >= tokens.size())
        return Error(QStringLiteral("ALTER TABLE names no field"));
    const QString name = tokens.at(i).text;
    const int index = table.fieldIndex(name);
    if (add) {
        if (index >= 0)
            return Error(QStringLiteral("the field %1 exists already").arg(name));
        auto field = parseType(tokens, i + 1, name);
        if (!field)
            return field.error();
        table.fields.append(field.value());
        for (QVariantList &row : table.rows)
            row.resize(table.fields.size());
        return Status::success();
    }
    if (index < 0)
        return Error(QStringLiteral("there is no field %1").arg(name));
    if (drop) {
        if (table.fields.size() == 1)
            return Error(QStringLiteral("the last field of a table cannot be dropped"));
        table.fields.removeAt(index);
        for (QVariantList &row : table.rows)
            row.removeAt(index);
        return Status::success();
    }
    auto field = parseType(tokens, i + 1, table.fields.at(index).name);
    if (!field)
        return field.error();
    table.fields[index] = field.value();
    for (QVariantList &row : table.rows)
        row[index] = convertValue(row.value(index), field.value());
    return Status::success();
}

} // namespace

Status runEngineStatement(const QString &statement, const QString &directory)
{
    const QList<Token> tokens = tokenize(statement);
    if (tokens.size() < 3 || !isWord(tokens.at(0), u"ALTER") || !isWord(tokens.at(1), u"TABLE"))
        return Error(QStringLiteral("only ALTER TABLE statements change a table"));
    const QString path = QDir(directory).filePath(tokens.at(2).text);
    auto table = readDataList(path);
    if (!table)
        return table.error();
    if (Status s = alterTable(table.value(), tokens); !s)
        return s;
    return writeDataList(path, table.value());
}

} // namespace quill
