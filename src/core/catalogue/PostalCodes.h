// The postal code table (zipcode.dbf) and its address search.
#pragma once

#include "Result.h"
#include "datalists/DataTable.h"

#include <QList>
#include <QString>

namespace quill {

// One row of the postal code table.
struct PostalArea {
    QString zipCode; // with its hyphen, "135-080"
    QString address; // the area the code covers, "서울 강남구 역삼동"
    QString ddd;     // telephone area code, "02"
    bool operator==(const PostalArea &) const = default;
};

// The postal code table in memory: fields ZIPCODE (text 7), ADDRESS (text 60), DDD (text 4).
class PostalCodeTable {
public:
    PostalCodeTable() = default;
    // A table read from zipcode.dbf or made in memory; fields are found by name (any case).
    explicit PostalCodeTable(const DataTable &table);

    // Opens zipcode.dbf (a dBase table).
    static Result<PostalCodeTable> load(const QString &path);
    // The empty table layout of zipcode.dbf.
    static DataTable emptyTable();

    int count() const { return int(mAreas.size()); }
    const QList<PostalArea> &areas() const { return mAreas; }

    // The address search: every area whose address contains `text`, in table order. The text
    // is taken literally (no wildcards, quotes need no escaping) and Latin letters match
    // without regard to case. An empty text finds every area, as the search with "%%" does.
    QList<PostalArea> searchAddress(const QString &text) const;
    // The areas of one postal code (with or without its hyphen).
    QList<PostalArea> findZipCode(const QString &zipCode) const;

private:
    QList<PostalArea> mAreas;
};

} // namespace quill
