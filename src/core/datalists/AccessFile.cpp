// Access (.mdb, .accdb) lists, read through mdbtools. Access files cannot be created or written here.
#include "AccessFile.h"

#include "FileSupport.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>

#include <cstdlib>
#include <cstring>
#include <vector>

#include <glib.h> // mdbtools.h includes it inside extern "C"
#include <mdbtools.h>

namespace quill {
namespace {

struct MdbCloser {
    void operator()(MdbHandle *mdb) const { mdb_close(mdb); }
};
using Mdb = std::unique_ptr<MdbHandle, MdbCloser>;

using Catalogue = std::vector<MdbCatalogEntry>;

// The user tables of the database, read from MSysObjects the way mdbtools' own catalogue reader
// does but without each object's property blob: its parser loops without end, allocating, on a
// damaged blob, and the lists need only names, types, flags and pages.
Result<Catalogue> userTables(MdbHandle *mdb, const QString &path)
{
    const Error unreadable = fileError(path, QStringLiteral("the database catalogue cannot be read"));
    MdbCatalogEntry objects{};
    objects.mdb = mdb;
    objects.object_type = MDB_TABLE;
    objects.table_pg = 2;
    std::strcpy(objects.object_name, "MSysObjects");
    MdbTableDef *table = mdb_read_table(&objects);
    if (!table)
        return unreadable;
    const auto freeTable = qScopeGuard([table] { mdb_free_tabledef(table); });
    mdb_read_columns(table);
    // mdbtools writes up to its bind size into each bound buffer.
    QByteArray id(MDB_BIND_SIZE, '\0'), name(MDB_BIND_SIZE, '\0'), type(MDB_BIND_SIZE, '\0'),
        flags(MDB_BIND_SIZE, '\0');
    char idName[] = "Id", nameName[] = "Name", typeName[] = "Type", flagsName[] = "Flags";
    if (mdb_bind_column_by_name(table, idName, id.data(), nullptr) == -1
        || mdb_bind_column_by_name(table, nameName, name.data(), nullptr) == -1
        || mdb_bind_column_by_name(table, typeName, type.data(), nullptr) == -1
        || mdb_bind_column_by_name(table, flagsName, flags.data(), nullptr) == -1)
        return unreadable;
    mdb_rewind_table(table);
    Catalogue tables;
    while (mdb_fetch_row(table)) {
        MdbCatalogEntry entry{};
        entry.mdb = mdb;
        entry.object_type = std::atoi(type.constData()) & 0x7F;
        entry.table_pg = std::strtoul(id.constData(), nullptr, 10) & 0x00FFFFFF;
        entry.flags = int(std::strtol(flags.constData(), nullptr, 10));
        qstrncpy(entry.object_name, name.constData(), sizeof(entry.object_name));
        if (entry.object_type == MDB_TABLE && !mdb_is_system_table(&entry))
            tables.push_back(entry);
    }
    return tables;
}

Result<Mdb> openDatabase(const QString &path)
{
    if (!QFileInfo(path).isFile())
        return fileError(path, QStringLiteral("file not found"));
    QFile probe(path);
    // mdbtools trusts the page structure; refuse files without the Jet signature up front, and
    // files cut short (a database is whole pages: 2 KiB in Jet 3, 4 KiB later).
    const QByteArray head = probe.open(QIODevice::ReadOnly) ? probe.read(21) : QByteArray();
    // Access 97-2003 files say "Standard Jet DB", Access 2007 and later (.accdb) "Standard ACE DB".
    const QByteArray signature = head.mid(4, 15);
    if (probe.size() < 4096 || head.size() < 21
        || (signature != QByteArrayLiteral("Standard Jet DB") && signature != QByteArrayLiteral("Standard ACE DB")))
        return fileError(path, QStringLiteral("not a readable Access database"));
    const qint64 pageSize = head.at(20) == 0 ? 2048 : 4096;
    if (probe.size() % pageSize != 0)
        return fileError(path, QStringLiteral("the database is cut short"));
    Mdb mdb(mdb_open(QFile::encodeName(path).constData(), MDB_NOFLAGS));
    if (!mdb)
        return fileError(path, QStringLiteral("not a readable Access database"));
    mdb_set_date_fmt(mdb.get(), "%Y-%m-%d %H:%M:%S");
    return mdb;
}

FieldType typeOf(int colType)
{
    switch (colType) {
    case MDB_BOOL: return FieldType::Boolean;
    case MDB_BYTE: case MDB_INT: case MDB_LONGINT: return FieldType::Integer;
    case MDB_MONEY: case MDB_FLOAT: case MDB_DOUBLE: case MDB_NUMERIC: return FieldType::Float;
    case MDB_DATETIME: return FieldType::DateTime;
    case MDB_MEMO: return FieldType::Memo;
    case MDB_OLE: case MDB_BINARY: return FieldType::Binary;
    default: return FieldType::Text;
    }
}

QVariant convert(const QByteArray &bytes, FieldType type)
{
    const QString text = QString::fromUtf8(bytes);
    switch (type) {
    case FieldType::Integer: return QVariant(text.toLongLong());
    case FieldType::Float: return QVariant(text.toDouble());
    case FieldType::Boolean: return QVariant(text != u"0");
    case FieldType::DateTime: {
        const QDateTime t = QDateTime::fromString(text, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        return t.isValid() ? QVariant(t) : QVariant(text);
    }
    case FieldType::Binary: return {};
    default: return text;
    }
}

} // namespace

QString accessWriteMessage()
{
    return QStringLiteral("Access(*.mdb, *.accdb) 파일은 만들거나 저장할 수 없습니다. "
                          "Paradox(*.db), dBASE(*.dbf), Excel(*.xlsx), 텍스트(*.csv, *.txt) "
                          "또는 SQLite(*.sqlite) 형식을 선택하십시오.");
}

Result<QStringList> accessTableNames(const QString &path)
{
    auto mdb = openDatabase(path);
    if (!mdb)
        return mdb.error();
    auto tables = userTables(mdb.value().get(), path);
    if (!tables)
        return tables.error();
    QStringList names;
    for (const MdbCatalogEntry &entry : tables.value())
        names.append(QString::fromUtf8(entry.object_name));
    return names;
}

Result<DataTable> readAccessFile(const QString &path, const QString &tableName)
{
    auto mdb = openDatabase(path);
    if (!mdb)
        return mdb.error();
    auto tables = userTables(mdb.value().get(), path);
    if (!tables)
        return tables.error();
    MdbCatalogEntry *chosen = nullptr;
    for (MdbCatalogEntry &entry : tables.value()) {
        if (!chosen && (tableName.isEmpty()
                        || QString::fromUtf8(entry.object_name).compare(tableName, Qt::CaseInsensitive) == 0))
            chosen = &entry;
    }
    if (!chosen)
        return fileError(path, tableName.isEmpty() ? QStringLiteral("the database has no tables")
                                                   : QStringLiteral("there is no table %1").arg(tableName));
    MdbTableDef *def = mdb_read_table(chosen);
    if (!def || !mdb_read_columns(def)) {
        if (def)
            mdb_free_tabledef(def);
        return fileError(path, QStringLiteral("the table %1 cannot be read").arg(tableName));
    }
    DataTable table;
    table.name = QString::fromUtf8(chosen->object_name);
    const int columns = int(def->num_cols);
    QList<QByteArray> buffers(columns, QByteArray(MDB_BIND_SIZE, '\0'));
    QList<int> lengths(columns, 0);
    for (int i = 0; i < columns; ++i) {
        auto *col = static_cast<MdbColumn *>(g_ptr_array_index(def->columns, i));
        const FieldType type = typeOf(col->col_type);
        table.fields.append({QString::fromUtf8(col->name), type, type == FieldType::Text ? col->col_size / 2 : 0});
        mdb_bind_column(def, i + 1, buffers[i].data(), &lengths[i]);
    }
    mdb_rewind_table(def);
    while (mdb_fetch_row(def)) {
        QVariantList row;
        row.reserve(columns);
        for (int i = 0; i < columns; ++i) {
            const QByteArray bytes(buffers.at(i).constData(), qBound(0, lengths.at(i), MDB_BIND_SIZE));
            row.append(lengths.at(i) == 0 ? QVariant() : convert(bytes, table.fields.at(i).type));
        }
        table.rows.append(row);
    }
    mdb_free_tabledef(def);
    return table;
}

} // namespace quill
