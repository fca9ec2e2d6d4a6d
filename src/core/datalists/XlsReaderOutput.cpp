// Parses what the Excel 97-2003 reader process (quill-xls-reader) prints: sheet names or cells.
#include "XlsReaderOutput.h"

#include "SheetGrid.h"

#include "../../xlsreader/XlsReaderFormat.h"

#include <cstring>

namespace quill {
namespace {

using namespace xlsframe;

// Reads the little-endian fields of a frame; any read past the end fails and stays failed.
class FrameReader {
public:
    explicit FrameReader(QByteArrayView bytes) : mBytes(bytes) { }

    bool ok() const { return mOk; }
    qsizetype left() const { return mBytes.size() - mPos; }

    bool expect(const char *bytes, qsizetype size)
    {
        if (!take(size) || std::memcmp(mBytes.data() + mPos - size, bytes, size_t(size)) != 0)
            mOk = false;
        return mOk;
    }
    quint8 u8() { return take(1) ? quint8(mBytes.data()[mPos - 1]) : 0; }
    quint64 unsigned64(int size)
    {
        if (!take(size))
            return 0;
        quint64 v = 0;
        for (int i = size - 1; i >= 0; --i)
            v = (v << 8) | quint8(mBytes.data()[mPos - size + i]);
        return v;
    }
    quint32 u32() { return quint32(unsigned64(4)); }
    QString text()
    {
        const quint32 size = u32();
        if (!mOk || qint64(size) > left()) {
            mOk = false;
            return {};
        }
        mPos += size;
        return QString::fromUtf8(mBytes.data() + mPos - size, qsizetype(size));
    }
    bool header(char kind)
    {
        const char head[6] = {Magic[0], Magic[1], Magic[2], Magic[3], char(Version), kind};
        return expect(head, sizeof head);
    }
    // The trailer, and nothing after it.
    bool finish() { return expect(Trailer, sizeof Trailer) && left() == 0; }

private:
    bool take(qsizetype size)
    {
        if (!mOk || size > left()) {
            mOk = false;
            return false;
        }
        mPos += size;
        return true;
    }

    QByteArrayView mBytes;
    qsizetype mPos = 0;
    bool mOk = true;
};

// One cell; false for an unknown type byte.
bool readCell(FrameReader &in, QVariant &value)
{
    switch (in.u8()) {
    case CellNull: value = QVariant(); return true;
    case CellInt: value = QVariant(qlonglong(qint32(in.u32()))); return true;
    case CellDouble: {
        const quint64 bits = in.unsigned64(8);
        double number = 0;
        std::memcpy(&number, &bits, sizeof number);
        value = numberValue(number);
        return true;
    }
    case CellText: case CellDate: case CellDateTime: case CellTime:
        value = QVariant(in.text());
        return true;
    default: return false;
    }
}

} // namespace

QString xlsReaderDamagedMessage(const QString &detail)
{
    return QStringLiteral("the file is damaged or not an Excel 97-2003 workbook (%1)").arg(detail);
}

Result<QStringList> parseXlsSheetNames(QByteArrayView output)
{
    FrameReader in(output);
    const quint32 count = in.header(KindNames) ? in.u32() : 0;
    // Every name takes at least one byte: a count beyond that is a lie, not a reason to allocate.
    if (!in.ok() || count == 0 || qint64(count) > in.left())
        return Error(xlsReaderDamagedMessage(QStringLiteral("the reader's sheet list is malformed")));
    QStringList names;
    names.reserve(qsizetype(count));
    for (quint32 i = 0; i < count && in.ok(); ++i) {
        const quint8 present = in.u8();
        if (present > 1)
            break;
        names.append(present ? in.text() : QStringLiteral("Sheet%1").arg(i + 1));
    }
    if (qsizetype(count) != names.size() || !in.finish())
        return Error(xlsReaderDamagedMessage(QStringLiteral("the reader's sheet list is malformed")));
    return names;
}

Result<DataTable> parseXlsSheet(QByteArrayView output, const QString &sheetName)
{
    const QString malformed = xlsReaderDamagedMessage(QStringLiteral("the reader's cells are malformed"));
    FrameReader in(output);
    const quint32 rows = in.header(KindCells) ? in.u32() : 0;
    const quint32 columns = in.u32();
    if (!in.ok())
        return Error(malformed);
    const qint64 cells = qint64(rows) * qint64(columns);
    // Rows are bounded on their own too: rows of no columns cost memory without taking bytes.
    if (cells > MaxSheetCells || rows > quint32(MaxSheetRows) || columns > quint32(MaxSheetColumns))
        return Error(QStringLiteral("the sheet %1 is too large (%2 rows by %3 columns)")
                         .arg(sheetName).arg(rows).arg(columns));
    if (cells > in.left()) // every cell takes at least its type byte
        return Error(malformed);
    QList<QVariantList> grid;
    grid.reserve(qsizetype(rows));
    for (quint32 r = 0; r < rows && in.ok(); ++r) {
        QVariantList row;
        row.reserve(qsizetype(columns));
        for (quint32 c = 0; c < columns && in.ok(); ++c) {
            QVariant value;
            if (!readCell(in, value))
                return Error(malformed);
            row.append(std::move(value));
        }
        grid.append(std::move(row));
    }
    if (!in.finish())
        return Error(malformed);
    return tableFromGrid(sheetName, std::move(grid));
}

} // namespace quill
