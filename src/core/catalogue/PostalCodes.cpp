// The postal code table (zipcode.dbf) and its address search.
#include "PostalCodes.h"

#include "datalists/DbaseFile.h"

namespace quill {

PostalCodeTable::PostalCodeTable(const DataTable &table)
{
    const int zip = table.fieldIndex(QStringLiteral("ZIPCODE"));
    const int address = table.fieldIndex(QStringLiteral("ADDRESS"));
    const int ddd = table.fieldIndex(QStringLiteral("DDD"));
    mAreas.reserve(table.rowCount());
    for (int row = 0; row < table.rowCount(); ++row) {
        mAreas.append({table.text(row, zip).trimmed(), table.text(row, address).trimmed(),
                       table.text(row, ddd).trimmed()});
    }
}

Result<PostalCodeTable> PostalCodeTable::load(const QString &path)
{
    Result<DataTable> table = readDbaseFile(path);
    if (!table)
        return table.error();
    const DataTable &t = table.value();
    if (t.fieldIndex(QStringLiteral("ZIPCODE")) < 0 || t.fieldIndex(QStringLiteral("ADDRESS")) < 0)
        return Error{QStringLiteral("우편번호 자료에 ZIPCODE와 ADDRESS 필드가 없습니다."), path};
    return PostalCodeTable(t);
}

DataTable PostalCodeTable::emptyTable()
{
    DataTable table;
    table.name = QStringLiteral("zipcode");
    table.fields = {{QStringLiteral("ZIPCODE"), FieldType::Text, 7},
                    {QStringLiteral("ADDRESS"), FieldType::Text, 60},
                    {QStringLiteral("DDD"), FieldType::Text, 4}};
    return table;
}

QList<PostalArea> PostalCodeTable::searchAddress(const QString &text) const
{
    QList<PostalArea> found;
    for (const PostalArea &area : mAreas) {
        if (area.address.contains(text, Qt::CaseInsensitive))
            found.append(area);
    }
    return found;
}

QList<PostalArea> PostalCodeTable::findZipCode(const QString &zipCode) const
{
    const auto digits = [](QString code) { return code.remove(QLatin1Char('-')).trimmed(); };
    const QString wanted = digits(zipCode);
    QList<PostalArea> found;
    for (const PostalArea &area : mAreas) {
        if (!wanted.isEmpty() && digits(area.zipCode) == wanted)
            found.append(area);
    }
    return found;
}

} // namespace quill
