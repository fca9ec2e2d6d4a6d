// make-tables: turns the catalogue and postal code source texts into spec.db and zipcode.dbf.
//
//   make-tables catalogue OUTPUT.db SOURCE.csv...
//   make-tables postcodes OUTPUT.dbf SOURCE.csv
//
// Every source starts with a header line naming the table's fields. The catalogue sources are
// joined in the order given; a code that appears twice is an error.
#include "CsvReader.h"

#include "catalogue/CatalogueTable.h"
#include "catalogue/PostalCodes.h"
#include "datalists/DbaseFile.h"
#include "datalists/ParadoxFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QTextStream>

namespace {

using namespace quill;

QTextStream &err()
{
    static QTextStream stream(stderr);
    return stream;
}

int fail(const Error &error)
{
    err() << "make-tables: " << error.where << ": " << error.message << Qt::endl;
    return 1;
}

// Records of a source file: its header names the fields.
Result<QList<CatalogueRecord>> readRecords(const QString &path)
{
    Result<QList<QStringList>> lines = tools::readCsvFile(path);
    if (!lines)
        return lines.error();
    if (lines.value().isEmpty())
        return Error{QStringLiteral("no header line"), path};
    const QStringList header = lines.value().takeFirst();
    QList<CatalogueRecord> records;
    for (const QStringList &line : std::as_const(lines.value())) {
        if (line.size() != header.size())
            return Error{QStringLiteral("%1 fields where the header has %2: %3")
                             .arg(line.size()).arg(header.size()).arg(line.join(u',')), path};
        CatalogueRecord record;
        for (int i = 0; i < header.size(); ++i)
            record.insert(header.at(i), line.at(i));
        records.append(record);
    }
    return records;
}

int makeCatalogue(const QString &output, const QStringList &sources)
{
    DataTable table = emptyCatalogueTable();
    QSet<QString> codes;
    for (const QString &source : sources) {
        Result<QList<CatalogueRecord>> records = readRecords(source);
        if (!records)
            return fail(records.error());
        for (const CatalogueRecord &record : std::as_const(records.value())) {
            const QString code = record.value(CatalogueField::Code).toLower();
            if (code.isEmpty() || codes.contains(code))
                return fail({QStringLiteral("empty or repeated code '%1'").arg(code), source});
            codes.insert(code);
            Result<QVariantList> row = catalogueRow(record);
            if (!row)
                return fail({row.error().message, source + u':' + code});
            table.rows.append(row.value());
        }
    }
    if (Status s = writeParadoxFile(output, table); !s)
        return fail(s.error());
    return 0;
}

int makePostcodes(const QString &output, const QString &source)
{
    Result<QList<CatalogueRecord>> records = readRecords(source);
    if (!records)
        return fail(records.error());
    DataTable table = PostalCodeTable::emptyTable();
    for (const CatalogueRecord &record : std::as_const(records.value())) {
        QVariantList row;
        for (const DataField &field : std::as_const(table.fields))
            row.append(record.value(field.name));
        table.rows.append(row);
    }
    if (Status s = writeDbaseFile(output, table); !s)
        return fail(s.error());
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() < 3 || (args.at(0) != u"catalogue" && args.at(0) != u"postcodes")
        || (args.at(0) == u"postcodes" && args.size() != 3)) {
        err() << "usage: make-tables catalogue OUTPUT.db SOURCE.csv...\n"
                 "       make-tables postcodes OUTPUT.dbf SOURCE.csv" << Qt::endl;
        return 2;
    }
    QDir().mkpath(QFileInfo(args.at(1)).absolutePath());
    if (args.at(0) == u"catalogue")
        return makeCatalogue(args.at(1), args.mid(2));
    return makePostcodes(args.at(1), args.at(2));
}
