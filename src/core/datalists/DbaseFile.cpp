// dBase (.dbf) tables through shapelib: level 4, Korean code page marked in the header.
#include "DbaseFile.h"

#include "FileSupport.h"
#include "shell/CaptionFile.h"

#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <cstring>
#include <memory>

#include <shapefil.h>

namespace quill {
namespace {

constexpr int MaxStringWidth = 254;

struct DbfCloser {
    void operator()(DBFInfo *h) const { DBFClose(h); }
};
using DbfHandle = std::unique_ptr<DBFInfo, DbfCloser>;

bool isUtf8Table(DBFHandle h)
{
    const char *cp = DBFGetCodePage(h);
    if (!cp)
        return false;
    const QByteArray page = QByteArray(cp).toUpper();
    return page == "UTF-8" || page == "UTF8" || page == "65001";
}

FieldType typeOf(DBFHandle h, int field, DBFFieldType type)
{
    switch (DBFGetNativeFieldType(h, field)) {
    case 'M': return FieldType::Memo;
    case 'D': return FieldType::Date;
    default: break;
    }
    switch (type) {
    case FTInteger: return FieldType::Integer;
    case FTDouble: return FieldType::Float;
    case FTLogical: return FieldType::Boolean;
    default: return FieldType::Text;
    }
}

QVariant convert(const QString &text, FieldType type)
{
    const QString t = text.trimmed();
    switch (type) {
    case FieldType::Integer: {
        bool ok = false;
        const qlonglong v = t.toLongLong(&ok);
        return ok ? QVariant(v) : QVariant();
    }
    case FieldType::Float: {
        bool ok = false;
        const double v = t.toDouble(&ok);
        return ok ? QVariant(v) : QVariant();
    }
    case FieldType::Boolean:
        if (t.isEmpty() || t == u"?")
            return {};
        return QVariant(QStringLiteral("TtYy").contains(t.at(0)));
    case FieldType::Date: {
        const QDate d = QDate::fromString(t, QStringLiteral("yyyyMMdd"));
        return d.isValid() ? QVariant(d) : QVariant();
    }
    default:
        return text;
    }
}

// shapelib accepts some garbage as a table; check that the header's sizes add up.
bool headerLooksSound(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = file.read(32);
    if (head.size() < 32)
        return false;
    const quint32 records = quint8(head[4]) | quint8(head[5]) << 8 | quint8(head[6]) << 16
                            | quint32(quint8(head[7])) << 24;
    const int headerSize = quint8(head[8]) | quint8(head[9]) << 8;
    const int recordSize = quint8(head[10]) | quint8(head[11]) << 8;
    if (headerSize < 65 || recordSize < 2 || (headerSize - 33) % 32 != 0)
        return false;
    return qint64(headerSize) + qint64(records) * recordSize <= file.size() + 1;
}

} // namespace

Result<DataTable> readDbaseFile(const QString &path)
{
    if (!QFileInfo(path).isFile())
        return fileError(path, QStringLiteral("file not found"));
    if (!headerLooksSound(path))
        return fileError(path, QStringLiteral("not a readable dBase table"));
    DbfHandle h(DBFOpen(QFile::encodeName(path).constData(), "rb"));
    if (!h)
        return fileError(path, QStringLiteral("not a readable dBase table"));
    const bool utf8 = isUtf8Table(h.get());
    auto decode = [utf8](const char *s) {
        return utf8 ? QString::fromUtf8(s) : decodeCp949(s, qsizetype(std::strlen(s)));
    };
    DataTable table;
    table.name = QFileInfo(path).fileName();
    const int fieldCount = DBFGetFieldCount(h.get());
    for (int i = 0; i < fieldCount; ++i) {
        char name[XBASE_FLDNAME_LEN_READ + 1] = {};
        int width = 0, decimals = 0;
        const DBFFieldType t = DBFGetFieldInfo(h.get(), i, name, &width, &decimals);
        const FieldType type = typeOf(h.get(), i, t);
        table.fields.append({decode(name), type, type == FieldType::Text ? width : 0});
    }
    const int recordCount = DBFGetRecordCount(h.get());
    table.rows.reserve(recordCount);
    for (int r = 0; r < recordCount; ++r) {
        if (DBFIsRecordDeleted(h.get(), r))
            continue;
        QVariantList row;
        row.reserve(fieldCount);
        for (int i = 0; i < fieldCount; ++i) {
            const char *s = DBFReadStringAttribute(h.get(), r, i);
            if (!s)
                return fileError(path, QStringLiteral("record %1 cannot be read").arg(r + 1));
            const FieldType type = table.fields.at(i).type;
            row.append(DBFIsAttributeNULL(h.get(), r, i) && type != FieldType::Text
                           ? QVariant()
                           : convert(decode(s), type));
        }
        table.rows.append(row);
    }
    return table;
}

namespace {

// Names are cut to ten bytes at a character boundary; names that become equal get a number.
QList<QByteArray> dbaseFieldNames(const DataTable &table)
{
    QList<QByteArray> names;
    QSet<QByteArray> seen;
    for (const DataField &f : table.fields) {
        QByteArray name = cp949Cut(f.name, XBASE_FLDNAME_LEN_WRITE);
        for (int n = 1; seen.contains(name.toUpper()) && n < 1000; ++n) {
            const QByteArray suffix = QByteArray::number(n);
            name = cp949Cut(f.name, XBASE_FLDNAME_LEN_WRITE - int(suffix.size())) + suffix;
        }
        seen.insert(name.toUpper());
        names.append(name);
    }
    return names;
}

int stringWidth(const DataTable &table, int field)
{
    const DataField &f = table.fields.at(field);
    int width = f.type == FieldType::Memo ? MaxStringWidth : f.size;
    for (int r = 0; r < table.rows.size(); ++r)
        width = qMax(width, cp949Length(table.text(r, field)));
    return qBound(1, width, MaxStringWidth);
}

bool addField(DBFHandle h, const DataTable &table, int i, const QByteArray &name)
{
    switch (table.fields.at(i).type) {
    case FieldType::Integer: return DBFAddField(h, name.constData(), FTInteger, 18, 0) >= 0;
    case FieldType::Float: return DBFAddField(h, name.constData(), FTDouble, 24, 8) >= 0;
    case FieldType::Boolean: return DBFAddField(h, name.constData(), FTLogical, 1, 0) >= 0;
    case FieldType::Date: return DBFAddNativeFieldType(h, name.constData(), 'D', 8, 0) >= 0;
    default:
        return DBFAddField(h, name.constData(), FTString, stringWidth(table, i), 0) >= 0;
    }
}

bool writeValue(DBFHandle h, int r, int i, FieldType type, int width, const QVariant &v)
{
    if (v.isNull() || (type != FieldType::Text && v.toString().isEmpty()))
        return DBFWriteNULLAttribute(h, r, i) != 0;
    bool ok = true;
    switch (type) {
    case FieldType::Integer: {
        const double n = double(v.toLongLong(&ok));
        return ok ? DBFWriteDoubleAttribute(h, r, i, n) != 0 : DBFWriteNULLAttribute(h, r, i) != 0;
    }
    case FieldType::Float: {
        const double n = v.toDouble(&ok);
        return ok ? DBFWriteDoubleAttribute(h, r, i, n) != 0 : DBFWriteNULLAttribute(h, r, i) != 0;
    }
    case FieldType::Boolean:
        return DBFWriteLogicalAttribute(h, r, i, v.toBool() ? 'T' : 'F') != 0;
    case FieldType::Date: {
        // shapelib formats date fields as numbers; hand it the eight characters directly.
        const QDate d = v.toDate();
        if (!d.isValid())
            return DBFWriteNULLAttribute(h, r, i) != 0;
        QByteArray text = d.toString(QStringLiteral("yyyyMMdd")).toLatin1();
        return DBFWriteAttributeDirectly(h, r, i, text.data()) != 0;
    }
    default: {
        const QByteArray bytes = cp949Cut(v.toString(), width);
        return DBFWriteStringAttribute(h, r, i, bytes.constData()) != 0;
    }
    }
}

} // namespace

Status writeDbaseFile(const QString &path, const DataTable &table)
{
    if (table.fields.isEmpty())
        return fileError(path, QStringLiteral("a table needs at least one field"));
    AtomicPath target(path, QStringLiteral("dbf")); // shapelib writes .dbf whatever the case
    if (!target.isValid())
        return fileError(path, QStringLiteral("the folder is not writable"));
    {
        DbfHandle h(DBFCreateEx(target.tempPathBytes().constData(), "LDID/121"));
        if (!h)
            return fileError(path, QStringLiteral("the table cannot be created"));
        const QList<QByteArray> names = dbaseFieldNames(table);
        QList<int> widths;
        for (int i = 0; i < table.fields.size(); ++i) {
            if (!addField(h.get(), table, i, names.at(i)))
                return fileError(path, QStringLiteral("the field %1 cannot be created")
                                           .arg(table.fields.at(i).name));
            int width = 0;
            DBFGetFieldInfo(h.get(), i, nullptr, &width, nullptr);
            widths.append(width);
        }
        const QDate today = QDate::currentDate();
        DBFSetLastModifiedDate(h.get(), today.year() - 1900, today.month(), today.day());
        for (int r = 0; r < table.rows.size(); ++r) {
            for (int i = 0; i < table.fields.size(); ++i) {
                if (!writeValue(h.get(), r, i, table.fields.at(i).type, widths.at(i),
                                table.rows.at(r).value(i)))
                    return fileError(path, QStringLiteral("record %1 cannot be written").arg(r + 1));
            }
        }
    }
    return target.commit();
}

} // namespace quill
