// OpenDocument .ods lists: read from the zip's content.xml.
#include "WorkbookFiles.h"

#include "FileSupport.h"
#include "SheetGrid.h"
#include "ZipArchive.h"

#include <QXmlStreamReader>

namespace quill {
namespace {

const QString TableNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:table:1.0");
const QString OfficeNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:office:1.0");
const QString TextNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:text:1.0");

// Repeats beyond the widest and longest sheets only pad; a sheet whose repeats would expand
// past MaxSheetCells cells is refused rather than exhausting memory.
constexpr int MaxColumns = MaxSheetColumns;
constexpr int MaxRows = MaxSheetRows;
constexpr qint64 MaxCells = MaxSheetCells;
// Row groups nest in each other only a few levels deep; each level is read by a nested call.
constexpr int MaxGroupDepth = 64;

int repeatCount(const QXmlStreamAttributes &a, QLatin1String name, int max)
{
    return qBound(1, a.value(TableNs, name).toInt(), max);
}

// The text of a cell (the reader stands on its start): paragraphs joined by line breaks,
// text:s as its count of spaces, tabs and line breaks as characters. Notes and drawings
// anchored in the cell are not part of its value.
QString cellText(QXmlStreamReader &r)
{
    QString text;
    int depth = 0, paragraphs = 0;
    while (!r.atEnd()) {
        r.readNext();
        if (r.isEndElement()) {
            if (depth-- == 0)
                break;
        } else if (r.isCharacters()) {
            if (depth > 0) // white space between paragraphs is layout, not text
                text += r.text();
        } else if (r.isStartElement()) {
            const QStringView name = r.name();
            if (depth == 0 && name != u"p" && name != u"h") {
                r.skipCurrentElement();
                continue;
            }
            if (depth == 0 && paragraphs++ > 0)
                text += u'\n';
            if (name == u"s" && r.namespaceUri() == TextNs)
                text += QString(qBound(1, r.attributes().value(TextNs, QLatin1String("c")).toInt(), 1024), u' ');
            else if (name == u"tab")
                text += u'\t';
            else if (name == u"line-break")
                text += u'\n';
            ++depth;
        }
    }
    return text;
}

QVariant cellValue(const QXmlStreamAttributes &a, const QString &text)
{
    const QStringView type = a.value(OfficeNs, QLatin1String("value-type"));
    if (type == u"float" || type == u"percentage" || type == u"currency") {
        bool ok = false;
        const double d = a.value(OfficeNs, QLatin1String("value")).toDouble(&ok);
        return ok ? numberValue(d) : QVariant(text);
    }
    if (type == u"boolean")
        return QVariant(a.value(OfficeNs, QLatin1String("boolean-value")) == u"true");
    if (type == u"date")
        return a.value(OfficeNs, QLatin1String("date-value")).toString();
    if (text.isEmpty())
        return {};
    return text;
}

// Collects a sheet's rows. Empty cells and rows are counted, not stored, until something
// follows them: trailing repeats (the format's way of filling the sheet to its edge) cost
// nothing, while empty cells and rows between values keep every value in its place.
class GridBuilder {
public:
    bool tooLarge() const { return mTooLarge; }
    QList<QVariantList> takeGrid() { return std::move(mGrid); }

    void addRow(const QVariantList &row, int repeat)
    {
        if (row.isEmpty()) {
            mEmptyRows = qMin<qint64>(mEmptyRows + repeat, MaxRows);
            return;
        }
        for (; mEmptyRows > 0 && mGrid.size() < MaxRows; --mEmptyRows)
            mGrid.append(QVariantList());
        mEmptyRows = 0;
        mCells += qint64(row.size()) * repeat;
        if (mCells > MaxCells) {
            mTooLarge = true;
            return;
        }
        for (int i = 0; i < repeat && mGrid.size() < MaxRows; ++i)
            mGrid.append(row);
    }

private:
    QList<QVariantList> mGrid;
    qint64 mEmptyRows = 0;
    qint64 mCells = 0;
    bool mTooLarge = false;
};

// Reads the cells of one table:table-row (the reader stands on its start).
QVariantList readRow(QXmlStreamReader &r)
{
    QVariantList row;
    qint64 emptyCells = 0;
    while (r.readNextStartElement()) {
        const QXmlStreamAttributes a = r.attributes();
        const int repeat = repeatCount(a, QLatin1String("number-columns-repeated"), MaxColumns);
        QVariant v;
        if (r.name() == u"table-cell")
            v = cellValue(a, cellText(r));
        else
            r.skipCurrentElement(); // a covered cell of a merged range shows nothing
        if (v.isNull()) {
            emptyCells += repeat;
            continue;
        }
        if (row.size() + emptyCells >= MaxColumns)
            continue;
        row.resize(row.size() + emptyCells);
        emptyCells = 0;
        for (int i = 0; i < repeat && row.size() < MaxColumns; ++i)
            row.append(v);
    }
    return row;
}

// Reads the rows of one table:table element or row group (the reader stands on its start).
void readTable(QXmlStreamReader &r, GridBuilder &grid, int depth = 0)
{
    while (r.readNextStartElement() && !grid.tooLarge()) {
        const QStringView name = r.name();
        if (name == u"table-row") {
            const int repeat = repeatCount(r.attributes(), QLatin1String("number-rows-repeated"), MaxRows);
            grid.addRow(readRow(r), repeat);
        } else if (name == u"table-row-group" || name == u"table-rows" || name == u"table-header-rows") {
            if (depth >= MaxGroupDepth) {
                r.raiseError(QStringLiteral("row groups nested too deeply"));
                return;
            }
            readTable(r, grid, depth + 1);
        } else {
            r.skipCurrentElement();
        }
    }
}

struct OdsSheets {
    QStringList names;
    bool found = false;        // the wanted sheet was there
    QString chosen;            // its name
    QList<QVariantList> grid;  // its rows
};

// Lists the sheets; with withCells, reads the cells of the sheet named wanted (case ignored;
// empty: the first sheet) and stops there.
Result<OdsSheets> readSheets(const QString &path, bool withCells, const QString &wanted = {})
{
    auto zip = ZipArchive::open(path);
    if (!zip)
        return zip.error();
    auto xml = zip.value().read(QStringLiteral("content.xml"));
    if (!xml)
        return fileError(path, QStringLiteral("not an OpenDocument spreadsheet"));
    OdsSheets sheets;
    QXmlStreamReader r(xml.value());
    while (!r.atEnd()) {
        r.readNext();
        if (!r.isStartElement() || r.name() != u"table" || r.namespaceUri() != TableNs)
            continue;
        const QString name = r.attributes().value(TableNs, QLatin1String("name")).toString();
        sheets.names.append(name);
        if (!withCells || !(wanted.isEmpty() || name.compare(wanted, Qt::CaseInsensitive) == 0)) {
            r.skipCurrentElement();
            continue;
        }
        GridBuilder grid;
        readTable(r, grid);
        if (grid.tooLarge())
            return fileError(path, QStringLiteral("the sheet %1 is too large").arg(name));
        if (r.hasError())
            break;
        sheets.found = true;
        sheets.chosen = name;
        sheets.grid = grid.takeGrid();
        return sheets;
    }
    if (r.hasError() || sheets.names.isEmpty())
        return fileError(path, QStringLiteral("the spreadsheet is damaged"));
    return sheets;
}

} // namespace

Result<QStringList> odsSheetNames(const QString &path)
{
    auto sheets = readSheets(path, false);
    if (!sheets)
        return sheets.error();
    return sheets.value().names;
}

Result<DataTable> readOdsFile(const QString &path, const QString &sheet)
{
    auto sheets = readSheets(path, true, sheet);
    if (!sheets)
        return sheets.error();
    if (!sheets.value().found)
        return fileError(path, QStringLiteral("there is no sheet %1").arg(sheet));
    auto table = tableFromGrid(sheets.value().chosen, std::move(sheets.value().grid));
    if (!table)
        return fileError(path, table.error().message);
    return table;
}

} // namespace quill
