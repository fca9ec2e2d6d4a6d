// OpenDocument .ods lists: read from the zip's content.xml.
#include "WorkbookFiles.h"

#include "FileSupport.h"
#include "SheetGrid.h"
#include "ZipArchive.h"

#include <QXmlStreamReader>

namespace quill {
namespace {

// Repeats beyond these are the format's way of saying "the rest is empty".
constexpr int MaxColumns = 1024;
constexpr int MaxRows = 1048576;

QVariant cellValue(const QXmlStreamAttributes &a, const QString &text)
{
    const QStringView type = a.value(QLatin1String("office:value-type"));
    if (type == u"float" || type == u"percentage" || type == u"currency") {
        bool ok = false;
        const double d = a.value(QLatin1String("office:value")).toDouble(&ok);
        return ok ? numberValue(d) : QVariant(text);
    }
    if (type == u"boolean")
        return QVariant(a.value(QLatin1String("office:boolean-value")) == u"true");
    if (type == u"date")
        return a.value(QLatin1String("office:date-value")).toString();
    if (type.isEmpty() && text.isEmpty())
        return {};
    return text;
}

struct OdsSheet {
    QString name;
    QList<QVariantList> grid;
};

// Reads the cells of one table:table element (the reader stands on its start).
QList<QVariantList> readTable(QXmlStreamReader &r)
{
    QList<QVariantList> grid;
    while (r.readNextStartElement()) {
        if (r.name() != u"table-row") {
            if (r.name() != u"table-row-group" && r.name() != u"table-rows"
                && r.name() != u"table-header-rows") {
                r.skipCurrentElement();
                continue;
            }
            grid += readTable(r);
            continue;
        }
        const int rowRepeat = qBound(1, r.attributes().value(QLatin1String("table:number-rows-repeated")).toInt(), MaxRows);
        QVariantList row;
        while (r.readNextStartElement()) {
            const QXmlStreamAttributes a = r.attributes();
            const int repeat = qBound(1, a.value(QLatin1String("table:number-columns-repeated")).toInt(), MaxColumns);
            const QString text = r.name() == u"table-cell"
                                     ? r.readElementText(QXmlStreamReader::IncludeChildElements)
                                     : (r.skipCurrentElement(), QString());
            const QVariant v = cellValue(a, text);
            for (int i = 0; i < repeat && row.size() < MaxColumns; ++i)
                row.append(v);
        }
        for (int i = 0; i < rowRepeat && grid.size() < MaxRows; ++i) {
            grid.append(row);
            if (row.isEmpty() || std::all_of(row.cbegin(), row.cend(), [](const QVariant &v) { return v.isNull(); }))
                break; // repeated empty rows pad the sheet; one is enough to keep positions
        }
    }
    return grid;
}

Result<QList<OdsSheet>> readSheets(const QString &path, bool withCells)
{
    auto zip = ZipArchive::open(path);
    if (!zip)
        return zip.error();
    auto xml = zip.value().read(QStringLiteral("content.xml"));
    if (!xml)
        return fileError(path, QStringLiteral("not an OpenDocument spreadsheet"));
    QList<OdsSheet> sheets;
    QXmlStreamReader r(xml.value());
    while (!r.atEnd()) {
        r.readNext();
        if (r.isStartElement() && r.qualifiedName() == u"table:table") {
            OdsSheet sheet{r.attributes().value(QLatin1String("table:name")).toString(), {}};
            if (withCells)
                sheet.grid = readTable(r);
            sheets.append(sheet);
        }
    }
    if (r.hasError() || sheets.isEmpty())
        return fileError(path, QStringLiteral("the spreadsheet is damaged"));
    return sheets;
}

} // namespace

Result<QStringList> odsSheetNames(const QString &path)
{
    auto sheets = readSheets(path, false);
    if (!sheets)
        return sheets.error();
    QStringList names;
    for (const OdsSheet &s : sheets.value())
        names.append(s.name);
    return names;
}

Result<DataTable> readOdsFile(const QString &path, const QString &sheet)
{
    auto sheets = readSheets(path, true);
    if (!sheets)
        return sheets.error();
    for (const OdsSheet &s : sheets.value()) {
        if (sheet.isEmpty() || s.name.compare(sheet, Qt::CaseInsensitive) == 0)
            return tableFromGrid(s.name, s.grid);
    }
    return fileError(path, QStringLiteral("there is no sheet %1").arg(sheet));
}

} // namespace quill
