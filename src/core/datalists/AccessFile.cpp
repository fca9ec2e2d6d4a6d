// Access (.mdb) lists, read through mdbtools. Access files cannot be created or written here.
#include "AccessFile.h"

#include "FileSupport.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include <glib.h> // mdbtools.h includes it inside extern "C"
#include <mdbtools.h>

namespace quill {
namespace {

struct MdbCloser {
    void operator()(MdbHandle *mdb) const { mdb_close(mdb); }
};
using Mdb = std::unique_ptr<MdbHandle, MdbCloser>;

Result<QList<MdbCatalogEntry *>> userTables(MdbHandle *mdb, const QString &path)
{
    if (!mdb_read_catalog(mdb, MDB_TABLE))
        return fileError(path, QStringLiteral("the database catalogue cannot be read"));
    QList<MdbCatalogEntry *> tables;
    for (guint i = 0; i < mdb->num_catalog; ++i) {
        auto *entry = static_cast<MdbCatalogEntry *>(g_ptr_array_index(mdb->catalog, i));
        if (entry->object_type == MDB_TABLE && !mdb_is_system_table(entry))
            tables.append(entry);
    }
    return tables;
}

Result<Mdb> openDatabase(const QString &path)
{
    if (!QFileInfo(path).isFile())
        return fileError(path, QStringLiteral("file not found"));
    QFile probe(path);
    // mdbtools trusts the page structure; refuse files without the Jet signature up front.
    if (!probe.open(QIODevice::ReadOnly) || probe.size() < 4096
        || probe.read(20).mid(4, 15) != QByteArrayLiteral("Standard Jet DB"))
        return fileError(path, QStringLiteral("not a readable Access database"));
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
    return QStringLiteral("Access(*.mdb) 파일은 만들거나 저장할 수 없습니다. "
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
    for (MdbCatalogEntry *entry : tables.value())
        names.append(QString::fromUtf8(entry->object_name));
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
    for (MdbCatalogEntry *entry : tables.value()) {
        if (!chosen && (tableName.isEmpty()
                        || QString::fromUtf8(entry->object_name).compare(tableName, Qt::CaseInsensitive) == 0))
            chosen = entry;
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
