// Paradox (.db) tables through pxlib: the classic list format and the merge tables.
#include "ParadoxFile.h"

#include "FileSupport.h"
#include "ParadoxCheck.h"
#include "shell/CaptionFile.h"

#include <QDate>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QScopeGuard>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

extern "C" {
#include <paradox.h>
}

namespace quill {
namespace {

// Paradox stores dates as days since 1 January of year 1; pxlib converts via Julian day numbers.
constexpr long JulianOffset = 1721425;
constexpr int MaxAlphaBytes = 255;

struct PxErrors {
    QString message;
};

void collectError(pxdoc_t *, int, const char *msg, void *data)
{
    auto *errors = static_cast<PxErrors *>(data);
    if (errors && errors->message.isEmpty())
        errors->message = QString::fromUtf8(msg).trimmed();
}

void bootOnce()
{
    static const bool booted = [] {
        PX_boot();
        return true;
    }();
    Q_UNUSED(booted);
}

struct PxDeleter {
    void operator()(pxdoc_t *px) const
    {
        PX_close(px);
        PX_delete(px);
    }
};
using PxDoc = std::unique_ptr<pxdoc_t, PxDeleter>;

QString decodeText(const QByteArray &bytes, int codepage)
{
    if (codepage == 65001)
        return QString::fromUtf8(bytes);
    if (codepage == 1252 || codepage == 437 || codepage == 850) {
        bool ascii = true;
        for (char c : bytes)
            ascii = ascii && quint8(c) < 0x80;
        if (!ascii)
            return QString::fromLatin1(bytes);
    }
    return decodeCp949(bytes);
}

FieldType typeOf(char pxType)
{
    switch (pxType) {
    case pxfShort: case pxfLong: case pxfAutoInc: return FieldType::Integer;
    case pxfCurrency: case pxfNumber: case pxfBCD: return FieldType::Float;
    case pxfLogical: return FieldType::Boolean;
    case pxfDate: return FieldType::Date;
    case pxfTimestamp: return FieldType::DateTime;
    case pxfMemoBLOb: case pxfFmtMemoBLOb: return FieldType::Memo;
    case pxfBLOb: case pxfOLE: case pxfGraphic: case pxfBytes: return FieldType::Binary;
    default: return FieldType::Text;
    }
}

QDate dateFromDays(long days)
{
    int y = 0, m = 0, d = 0;
    PX_SdnToGregorian(days + JulianOffset, &y, &m, &d);
    return QDate(y, m, d);
}

QVariant readValue(pxdoc_t *px, const pxfield_t &f, char *data, int codepage)
{
    // A field of zero bytes is Paradox's null, whatever its type.
    if (std::all_of(data, data + f.px_flen, [](char c) { return c == 0; }))
        return {};
    switch (f.px_ftype) {
    case pxfAlpha: {
        char *value = nullptr;
        if (PX_get_data_alpha(px, data, f.px_flen, &value) <= 0 || !value)
            return {};
        const QString text = decodeText(QByteArray(value), codepage);
        px->free(px, value);
        return text;
    }
    case pxfShort: {
        short v = 0;
        return PX_get_data_short(px, data, f.px_flen, &v) > 0 ? QVariant(int(v)) : QVariant();
    }
    case pxfLong: case pxfAutoInc: {
        long v = 0;
        return PX_get_data_long(px, data, f.px_flen, &v) > 0 ? QVariant(qlonglong(v)) : QVariant();
    }
    case pxfCurrency: case pxfNumber: {
        double v = 0;
        return PX_get_data_double(px, data, f.px_flen, &v) > 0 ? QVariant(v) : QVariant();
    }
    case pxfLogical: {
        char v = 0;
        return PX_get_data_byte(px, data, f.px_flen, &v) > 0 ? QVariant(v != 0) : QVariant();
    }
    case pxfDate: {
        long v = 0;
        return PX_get_data_long(px, data, f.px_flen, &v) > 0 ? QVariant(dateFromDays(v))
                                                              : QVariant();
    }
    case pxfTimestamp: {
        double ms = 0;
        // Beyond some 30,000 years the value is damage (and would not convert to whole days).
        if (PX_get_data_double(px, data, f.px_flen, &ms) <= 0 || !std::isfinite(ms)
            || std::fabs(ms) > 1.0e15)
            return {};
        const long days = long(ms / 86400000.0);
        const QTime time = QTime(0, 0).addMSecs(int(ms - double(days) * 86400000.0));
        return QDateTime(dateFromDays(days), time);
    }
    case pxfTime: {
        long v = 0;
        return PX_get_data_long(px, data, f.px_flen, &v) > 0
                   ? QVariant(QTime(0, 0).addMSecs(int(v)).toString(QStringLiteral("HH:mm:ss")))
                   : QVariant();
    }
    default:
        return {}; // blobs live in a separate .mb file that the lists never use
    }
}

QString headerProblem(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("the file cannot be opened");
    return paradoxFileProblem(file);
}

} // namespace

Result<DataTable> readParadoxFile(const QString &path)
{
    bootOnce();
    if (!QFileInfo(path).isFile())
        return fileError(path, QStringLiteral("file not found"));
    if (const QString problem = headerProblem(path); !problem.isEmpty())
        return fileError(path, QStringLiteral("not a readable Paradox table (%1)").arg(problem));
    PxErrors errors;
    PxDoc px(PX_new3(collectError, nullptr, nullptr, nullptr, &errors));
    if (!px)
        return fileError(path, QStringLiteral("out of memory"));
    if (PX_open_file(px.get(), QFile::encodeName(path).constData()) < 0)
        return fileError(path, QStringLiteral("not a readable Paradox table")
                                   + (errors.message.isEmpty() ? QString()
                                                               : QStringLiteral(" (") + errors.message + QStringLiteral(")")));
    const int fieldCount = PX_get_num_fields(px.get());
    const pxfield_t *pxFields = PX_get_fields(px.get());
    const int recordSize = PX_get_recordsize(px.get());
    if (fieldCount <= 0 || !pxFields || recordSize <= 0)
        return fileError(path, QStringLiteral("the table has no fields"));
    float codepageValue = 0;
    PX_get_value(px.get(), "codepage", &codepageValue);
    const int codepage = int(codepageValue);

    DataTable table;
    table.name = QFileInfo(path).fileName();
    QList<int> offsets;
    int offset = 0;
    for (int i = 0; i < fieldCount; ++i) {
        const pxfield_t &f = pxFields[i];
        const FieldType type = typeOf(f.px_ftype);
        table.fields.append({decodeText(QByteArray(f.px_fname), codepage), type,
                             type == FieldType::Text ? f.px_flen : 0});
        offsets.append(offset);
        offset += f.px_flen;
    }
    if (offset > recordSize)
        return fileError(path, QStringLiteral("the table header is damaged"));
    const int recordCount = PX_get_num_records(px.get());
    QByteArray buffer(recordSize, '\0');
    table.rows.reserve(recordCount);
    for (int r = 0; r < recordCount; ++r) {
        if (!PX_get_record(px.get(), r, buffer.data()))
            return fileError(path, QStringLiteral("record %1 cannot be read").arg(r + 1));
        QVariantList row;
        row.reserve(fieldCount);
        for (int i = 0; i < fieldCount; ++i)
            row.append(readValue(px.get(), pxFields[i], buffer.data() + offsets.at(i), codepage));
        table.rows.append(row);
    }
    return table;
}

namespace {

char *duplicate(const QByteArray &bytes)
{
    char *copy = static_cast<char *>(std::malloc(size_t(bytes.size()) + 1));
    if (copy)
        std::memcpy(copy, bytes.constData(), size_t(bytes.size()) + 1);
    return copy;
}

int alphaWidth(const DataTable &table, int field)
{
    const DataField &f = table.fields.at(field);
    if (f.type == FieldType::Memo || f.type == FieldType::Binary)
        return MaxAlphaBytes;
    int width = f.size;
    for (int r = 0; r < table.rows.size(); ++r)
        width = qMax(width, cp949Length(table.text(r, field)));
    return qBound(1, width, MaxAlphaBytes);
}

// The field array belongs to pxlib once the table is created: it frees it with PX_delete.
pxfield_t *makeFields(const DataTable &table)
{
    const int n = int(table.fields.size());
    auto *fields = static_cast<pxfield_t *>(std::calloc(size_t(n), sizeof(pxfield_t)));
    for (int i = 0; fields && i < n; ++i) {
        const DataField &f = table.fields.at(i);
        fields[i].px_fname = duplicate(cp949Cut(f.name, 25));
        switch (f.type) {
        case FieldType::Integer: fields[i].px_ftype = pxfLong; fields[i].px_flen = 4; break;
        case FieldType::Float: fields[i].px_ftype = pxfNumber; fields[i].px_flen = 8; break;
        case FieldType::Boolean: fields[i].px_ftype = pxfLogical; fields[i].px_flen = 1; break;
        case FieldType::Date: fields[i].px_ftype = pxfDate; fields[i].px_flen = 4; break;
        case FieldType::DateTime: fields[i].px_ftype = pxfTimestamp; fields[i].px_flen = 8; break;
        default: fields[i].px_ftype = pxfAlpha; fields[i].px_flen = alphaWidth(table, i); break;
        }
    }
    return fields;
}

void putValue(pxdoc_t *px, const pxfield_t &f, char *data, const QVariant &value)
{
    if (value.isNull())
        return; // an all-zero field is Paradox's null
    switch (f.px_ftype) {
    case pxfLong: {
        bool ok = false;
        const qlonglong v = value.toLongLong(&ok);
        if (ok)
            PX_put_data_long(px, data, f.px_flen, int(v));
        return;
    }
    case pxfNumber: {
        bool ok = false;
        const double v = value.toDouble(&ok);
        if (ok)
            PX_put_data_double(px, data, f.px_flen, v);
        return;
    }
    case pxfLogical:
        PX_put_data_byte(px, data, f.px_flen, value.toBool() ? 1 : 0);
        return;
    case pxfDate: {
        const QDate d = value.toDate();
        if (d.isValid())
            PX_put_data_long(px, data, f.px_flen,
                             int(PX_GregorianToSdn(d.year(), d.month(), d.day()) - JulianOffset));
        return;
    }
    case pxfTimestamp: {
        const QDateTime t = value.toDateTime();
        if (!t.isValid())
            return;
        const QDate d = t.date();
        const double days = double(PX_GregorianToSdn(d.year(), d.month(), d.day()) - JulianOffset);
        PX_put_data_double(px, data, f.px_flen,
                           days * 86400000.0 + double(t.time().msecsSinceStartOfDay()));
        return;
    }
    default: {
        QByteArray bytes = cp949Cut(value.toString(), f.px_flen);
        PX_put_data_alpha(px, data, f.px_flen, bytes.data());
        return;
    }
    }
}

} // namespace

// pxlib seeks and rewrites its header for every record; on a real file that costs a few
// system calls per record, so the table is built in memory and saved in one atomic write.
Status writeParadoxFile(const QString &path, const DataTable &table)
{
    bootOnce();
    if (table.fields.isEmpty())
        return fileError(path, QStringLiteral("a table needs at least one field"));
    PxErrors errors;
    PxDoc px(PX_new3(collectError, nullptr, nullptr, nullptr, &errors));
    pxfield_t *fields = makeFields(table);
    const int n = int(table.fields.size());
    if (!px || !fields)
        return fileError(path, QStringLiteral("out of memory"));
    qint64 recordSize = 0;
    for (int i = 0; i < n; ++i)
        recordSize += fields[i].px_flen;
    // Room for the header and for blocks that are at worst half full.
    QByteArray memory(qint64(1 << 20) + qint64(n) * 512 + recordSize * 2 * (table.rows.size() + 1), '\0');
    FILE *fp = fmemopen(memory.data(), size_t(memory.size()), "w+");
    if (!fp)
        return fileError(path, QStringLiteral("out of memory"));
    const auto closeFile = qScopeGuard([fp] { std::fclose(fp); });
    if (PX_create_fp(px.get(), fields, n, fp, pxfFileTypNonIndexDB) < 0)
        return fileError(path, QStringLiteral("the table cannot be created: ") + errors.message);
    PX_set_value(px.get(), "codepage", 949);
    PX_set_tablename(px.get(), QFile::encodeName(QFileInfo(path).completeBaseName()).constData());
    QByteArray record(PX_get_recordsize(px.get()), '\0');
    for (const QVariantList &row : table.rows) {
        record.fill('\0');
        int offset = 0;
        for (int i = 0; i < n; ++i) {
            putValue(px.get(), fields[i], record.data() + offset, row.value(i));
            offset += fields[i].px_flen;
        }
        if (PX_put_record(px.get(), record.data()) < 0)
            return fileError(path, QStringLiteral("a record cannot be written: ") + errors.message);
    }
    px.reset(); // closing writes the header
    if (!errors.message.isEmpty() || std::fflush(fp) != 0 || std::fseek(fp, 0, SEEK_END) != 0)
        return fileError(path, QStringLiteral("the table cannot be written: ") + errors.message);
    const long length = std::ftell(fp);
    QSaveFile file(path);
    if (length <= 0 || !file.open(QIODevice::WriteOnly)
        || file.write(memory.constData(), length) != length || !file.commit())
        return fileError(path, QStringLiteral("the file cannot be written"));
    return Status::success();
}

} // namespace quill
