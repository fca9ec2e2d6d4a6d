// Excel .xlsx lists: read from the zip's XML parts, written with libxlsxwriter.
#include "WorkbookFiles.h"

#include "FileSupport.h"
#include "SheetGrid.h"
#include "XmlScanner.h"
#include "ZipArchive.h"

#include <QFile>
#include <QFileInfo>
#include <QXmlStreamReader>

#include <xlsxwriter.h>

namespace quill {
namespace {

struct SheetRef {
    QString name;
    QString member;
};

QString resolveTarget(const QString &target)
{
    if (target.startsWith(u'/'))
        return target.mid(1);
    return QStringLiteral("xl/") + target;
}

Result<QList<SheetRef>> readSheets(const ZipArchive &zip, const QString &path)
{
    auto workbook = zip.read(QStringLiteral("xl/workbook.xml"));
    auto rels = zip.read(QStringLiteral("xl/_rels/workbook.xml.rels"));
    if (!workbook || !rels)
        return fileError(path, QStringLiteral("not an Excel workbook"));
    QHash<QString, QString> targets;
    QXmlStreamReader r(rels.value());
    while (!r.atEnd()) {
        r.readNext();
        if (r.isStartElement() && r.name() == u"Relationship")
            targets.insert(r.attributes().value(QLatin1String("Id")).toString(),
                           resolveTarget(r.attributes().value(QLatin1String("Target")).toString()));
    }
    QList<SheetRef> sheets;
    QXmlStreamReader w(workbook.value());
    while (!w.atEnd()) {
        w.readNext();
        if (w.isStartElement() && w.name() == u"sheet") {
            QString id;
            for (const QXmlStreamAttribute &a : w.attributes()) {
                if (a.name() == u"id")
                    id = a.value().toString();
            }
            sheets.append({w.attributes().value(QLatin1String("name")).toString(), targets.value(id)});
        }
    }
    if (w.hasError() || sheets.isEmpty())
        return fileError(path, QStringLiteral("the workbook lists no sheets"));
    return sheets;
}

// The shared strings of the workbook, in order; *error is set for a damaged part.
QStringList readSharedStrings(const ZipArchive &zip, bool *error)
{
    QStringList strings;
    if (!zip.contains(QStringLiteral("xl/sharedStrings.xml")))
        return strings;
    auto data = zip.read(QStringLiteral("xl/sharedStrings.xml"));
    if (!data) {
        *error = true;
        return strings;
    }
    XmlScanner x(data.value());
    QString current;
    bool inText = false;
    for (XmlScanner::Token t = x.next(); t != XmlScanner::EndDocument && t != XmlScanner::Invalid; t = x.next()) {
        if (t == XmlScanner::Characters) {
            if (inText)
                current += x.text();
        } else if (t == XmlScanner::StartElement) {
            if (x.name() == "si") {
                current.clear();
            } else if (x.name() == "t") {
                inText = true;
            } else if (x.name() == "rPh") {
                x.skipElement(); // phonetic hints are not part of the text
            } else if (x.name() == "sst") {
                const qsizetype count = x.attribute("uniqueCount").toByteArray().toLongLong();
                strings.reserve(qBound<qsizetype>(0, count, data.value().size() / 8));
            }
        } else if (x.name() == "t") {
            inText = false;
        } else if (x.name() == "si") {
            strings.append(current);
        }
    }
    *error = x.hasError();
    return strings;
}

int columnOf(QByteArrayView ref)
{
    int column = 0;
    for (const char c : ref) {
        const char upper = c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c;
        if (upper < 'A' || upper > 'Z' || column > 16384)
            break;
        column = column * 26 + (upper - 'A' + 1);
    }
    return column - 1;
}

// One cell being read: its type and the raw text of its <v> and <is> parts.
struct CellParts {
    QByteArrayView type; // views point into the sheet's XML, which outlives the cell
    QByteArrayView value;
    QByteArray valueCopy; // when the value came in several pieces (split by comments or CDATA)
    QString inlineText;
    bool inValue = false, inInline = false, pieces = false;

    void clear(QByteArrayView cellType)
    {
        type = cellType;
        value = {};
        valueCopy.clear();
        inlineText.clear();
        inValue = inInline = pieces = false;
    }
    void addValue(QByteArrayView raw)
    {
        if (value.isNull()) {
            value = raw;
            return;
        }
        // Appended in place: a value in many pieces must not be copied whole for each one.
        if (!pieces)
            valueCopy = value.toByteArray();
        pieces = true;
        valueCopy.append(raw);
        value = valueCopy;
    }
};

QVariant cellValue(const CellParts &cell, const XmlScanner &x, const QStringList &shared)
{
    const QByteArrayView type = cell.type;
    if (type == "s") {
        bool ok = false;
        const qsizetype index = QByteArray::fromRawData(cell.value.data(), cell.value.size()).trimmed().toLongLong(&ok);
        return ok && index >= 0 && index < shared.size() ? shared.at(index) : QString();
    }
    if (type == "inlineStr")
        return cell.inlineText;
    const QString text = x.decode(cell.value);
    if (type == "str" || type == "e")
        return text;
    if (type == "b")
        return QVariant(text == u"1");
    if (text.isEmpty())
        return {};
    bool ok = false;
    const double d = text.toDouble(&ok);
    return ok ? numberValue(d) : QVariant(text);
}

// Starts the row numbered rowNumber (the next one when it has no number); false for a number
// beyond the sheet's last row.
bool startRow(QList<QVariantList> &grid, QByteArrayView rowNumber, qsizetype width)
{
    const qint64 number = QByteArray::fromRawData(rowNumber.data(), rowNumber.size()).toLongLong();
    if (number > MaxSheetRows)
        return false;
    const qsizetype index = number > 0 ? qsizetype(number - 1) : grid.size();
    while (grid.size() <= index)
        grid.append(QVariantList()); // rows left out are empty; only the row itself is sized
    if (grid.size() == index + 1)
        grid.last().reserve(width);
    return true;
}

// The cells of a sheet by rows. problem is set for a damaged sheet, and for one whose table
// would be too large: rows become as wide as the widest, so the cells are counted that way
// while reading, before a few bytes of XML can claim gigabytes.
QList<QVariantList> readGrid(const QByteArray &xml, const QStringList &shared, QString *problem)
{
    QList<QVariantList> grid;
    XmlScanner x(xml);
    CellParts cell;
    int column = -1;
    qsizetype width = 0; // the widest row so far
    for (XmlScanner::Token t = x.next(); t != XmlScanner::EndDocument && t != XmlScanner::Invalid; t = x.next()) {
        if (t == XmlScanner::Characters) {
            if (cell.inValue)
                cell.addValue(x.rawText());
            else if (cell.inInline)
                cell.inlineText += x.text();
        } else if (t == XmlScanner::StartElement) {
            const QByteArrayView name = x.name();
            if (name == "c") {
                const QByteArrayView ref = x.attribute("r");
                column = ref.isEmpty() ? (grid.isEmpty() ? 0 : int(grid.last().size())) : columnOf(ref);
                cell.clear(x.attribute("t"));
            } else if (name == "v") {
                cell.inValue = true;
            } else if (name == "is") {
                cell.inInline = true;
            } else if (name == "rPh") {
                x.skipElement(); // phonetic hints are not part of the text
            } else if (name == "row" && !startRow(grid, x.attribute("r"), width)) {
                *problem = QStringLiteral("damaged (a row lies beyond the last row a sheet can have)");
                return {};
            }
        } else if (x.name() == "v") {
            cell.inValue = false;
        } else if (x.name() == "is") {
            cell.inInline = false;
        } else if (x.name() == "c" && !grid.isEmpty() && column >= 0 && column < MaxSheetColumns) {
            QVariantList &row = grid.last();
            if (row.size() <= column) {
                width = qMax<qsizetype>(width, column + 1);
                if (qint64(grid.size()) * width > MaxSheetCells) {
                    *problem = QStringLiteral("too large (more than %1 cells)").arg(MaxSheetCells);
                    return {};
                }
                row.resize(column + 1);
            }
            row[column] = cellValue(cell, x, shared);
        }
    }
    if (x.hasError())
        *problem = QStringLiteral("damaged");
    return grid;
}

} // namespace

Result<QStringList> xlsxSheetNames(const QString &path)
{
    auto zip = ZipArchive::open(path);
    if (!zip)
        return zip.error();
    auto sheets = readSheets(zip.value(), path);
    if (!sheets)
        return sheets.error();
    QStringList names;
    for (const SheetRef &s : sheets.value())
        names.append(s.name);
    return names;
}

Result<DataTable> readXlsxFile(const QString &path, const QString &sheet)
{
    auto zip = ZipArchive::open(path);
    if (!zip)
        return zip.error();
    auto sheets = readSheets(zip.value(), path);
    if (!sheets)
        return sheets.error();
    const SheetRef *chosen = sheet.isEmpty() ? &sheets.value().first() : nullptr;
    for (const SheetRef &s : sheets.value()) {
        if (!chosen && s.name.compare(sheet, Qt::CaseInsensitive) == 0)
            chosen = &s;
    }
    if (!chosen)
        return fileError(path, QStringLiteral("there is no sheet %1").arg(sheet));
    auto xml = zip.value().read(chosen->member);
    if (!xml)
        return xml.error();
    bool error = false;
    const QStringList shared = readSharedStrings(zip.value(), &error);
    if (error)
        return fileError(path, QStringLiteral("the shared strings of the workbook are damaged"));
    QString problem;
    QList<QVariantList> grid = readGrid(xml.value(), shared, &problem);
    if (!problem.isEmpty())
        return fileError(path, QStringLiteral("the sheet %1 is %2").arg(chosen->name, problem));
    auto table = tableFromGrid(chosen->name, std::move(grid));
    if (!table)
        return fileError(path, table.error().message);
    return table;
}

Status writeXlsxFile(const QString &path, const DataTable &table, const QString &sheet)
{
    AtomicPath target(path);
    if (!target.isValid())
        return fileError(path, QStringLiteral("the folder is not writable"));
    lxw_workbook *wb = workbook_new(target.tempPathBytes().constData());
    if (!wb)
        return fileError(path, QStringLiteral("the workbook cannot be created"));
    lxw_worksheet *ws = workbook_add_worksheet(wb, sheet.toUtf8().constData());
    for (int c = 0; ws && c < table.fields.size(); ++c)
        worksheet_write_string(ws, 0, lxw_col_t(c), table.fields.at(c).name.toUtf8().constData(),
                               nullptr);
    for (int r = 0; ws && r < table.rows.size(); ++r) {
        const QVariantList &row = table.rows.at(r);
        for (int c = 0; c < table.fields.size(); ++c) {
            const QVariant v = row.value(c);
            const FieldType type = table.fields.at(c).type;
            if (v.isNull())
                continue;
            if (type == FieldType::Integer || type == FieldType::Float) {
                bool ok = false;
                const double d = v.toDouble(&ok);
                if (ok) {
                    worksheet_write_number(ws, lxw_row_t(r + 1), lxw_col_t(c), d, nullptr);
                    continue;
                }
            }
            worksheet_write_string(ws, lxw_row_t(r + 1), lxw_col_t(c),
                                   v.toString().toUtf8().constData(), nullptr);
        }
    }
    const lxw_error rc = workbook_close(wb);
    if (!ws || rc != LXW_NO_ERROR)
        return fileError(path, QStringLiteral("the workbook cannot be written: ")
                                   + QString::fromUtf8(lxw_strerror(rc)));
    return target.commit();
}

} // namespace quill
