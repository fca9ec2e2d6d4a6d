// Excel .xlsx lists: read from the zip's XML parts, written with libxlsxwriter.
#include "WorkbookFiles.h"

#include "FileSupport.h"
#include "SheetGrid.h"
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

QStringList readSharedStrings(const ZipArchive &zip)
{
    QStringList strings;
    if (!zip.contains(QStringLiteral("xl/sharedStrings.xml")))
        return strings;
    auto data = zip.read(QStringLiteral("xl/sharedStrings.xml"));
    if (!data)
        return strings;
    QXmlStreamReader r(data.value());
    QString current;
    while (!r.atEnd()) {
        r.readNext();
        if (r.isStartElement() && r.name() == u"si")
            current.clear();
        else if (r.isStartElement() && r.name() == u"t")
            current += r.readElementText(QXmlStreamReader::IncludeChildElements);
        else if (r.isStartElement() && r.name() == u"rPh")
            r.skipCurrentElement(); // phonetic hints are not part of the text
        else if (r.isEndElement() && r.name() == u"si")
            strings.append(current);
    }
    return strings;
}

int columnOf(QStringView ref)
{
    int column = 0;
    for (const QChar c : ref) {
        if (!c.isLetter())
            break;
        column = column * 26 + (c.toUpper().unicode() - u'A' + 1);
    }
    return column - 1;
}

QVariant cellValue(const QString &type, const QString &v, const QString &inlineText,
                   const QStringList &shared)
{
    if (type == u"s")
        return shared.value(v.toInt());
    if (type == u"inlineStr")
        return inlineText;
    if (type == u"str" || type == u"e")
        return v;
    if (type == u"b")
        return QVariant(v == u"1");
    if (v.isEmpty())
        return {};
    bool ok = false;
    const double d = v.toDouble(&ok);
    return ok ? numberValue(d) : QVariant(v);
}

QList<QVariantList> readGrid(const QByteArray &xml, const QStringList &shared, bool *error)
{
    QList<QVariantList> grid;
    QXmlStreamReader r(xml);
    QString type, value, inlineText;
    int column = -1;
    while (!r.atEnd()) {
        r.readNext();
        if (r.isStartElement()) {
            if (r.name() == u"row") {
                const int rowNumber = r.attributes().value(QLatin1String("r")).toInt();
                const int index = rowNumber > 0 ? rowNumber - 1 : int(grid.size());
                while (grid.size() <= index && index < 2000000)
                    grid.append(QVariantList());
            } else if (r.name() == u"c") {
                const QStringView ref = r.attributes().value(QLatin1String("r"));
                column = ref.isEmpty() ? (grid.isEmpty() ? 0 : int(grid.last().size())) : columnOf(ref);
                type = r.attributes().value(QLatin1String("t")).toString();
                value.clear();
                inlineText.clear();
            } else if (r.name() == u"v") {
                value = r.readElementText();
            } else if (r.name() == u"is") {
                inlineText = r.readElementText(QXmlStreamReader::IncludeChildElements);
            }
        } else if (r.isEndElement() && r.name() == u"c" && !grid.isEmpty() && column >= 0
                   && column < 16384) {
            QVariantList &row = grid.last();
            if (row.size() <= column)
                row.resize(column + 1);
            row[column] = cellValue(type, value, inlineText, shared);
        }
    }
    *error = r.hasError();
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
    const QList<QVariantList> grid = readGrid(xml.value(), readSharedStrings(zip.value()), &error);
    if (error)
        return fileError(path, QStringLiteral("the sheet %1 is damaged").arg(chosen->name));
    return tableFromGrid(chosen->name, grid);
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
