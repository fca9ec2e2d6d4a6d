// The layout of the paper catalogue table (spec.db) and the conversion of its rows to text.
#pragma once

#include "Result.h"
#include "datalists/DataTable.h"
#include "document/ZR_LabelSize.h"

#include <QString>

namespace quill {

// Field names of the catalogue, spelled as the table stores them. Lookups ignore case.
namespace CatalogueField {
inline const QString Code = QStringLiteral("Code");
inline const QString Product = QStringLiteral("Product");
inline const QString Paper = QStringLiteral("Paper");
inline const QString Type = QStringLiteral("Type");
inline const QString PWidth = QStringLiteral("P_Width");
inline const QString PHeight = QStringLiteral("P_Height");
inline const QString Columns = QStringLiteral("L_Columns");
inline const QString Rows = QStringLiteral("L_Rows");
inline const QString LMargin = QStringLiteral("L_Margin");
inline const QString RMargin = QStringLiteral("R_Margin");
inline const QString TMargin = QStringLiteral("T_Margin");
inline const QString BMargin = QStringLiteral("B_Margin");
inline const QString LWidth = QStringLiteral("L_Width");
inline const QString LHeight = QStringLiteral("L_Height");
inline const QString CSpace = QStringLiteral("C_Space");
inline const QString RSpace = QStringLiteral("R_Space");
inline const QString Shape = QStringLiteral("Shape");
inline const QString Radios = QStringLiteral("Radios");
inline const QString CCode = QStringLiteral("C_Code");
inline const QString Color = QStringLiteral("Color");
inline const QString Remark = QStringLiteral("Remark");
inline const QString Total = QStringLiteral("L_TOTAL");
// Who made the record: empty for the products delivered with the program, UserOrigin for the
// records the user added or rewrote. An update of the program keeps the latter.
inline const QString Origin = QStringLiteral("Origin");
inline const QString UserOrigin = QStringLiteral("user");
} // namespace CatalogueField

// The catalogue's fields in table order: lengths in millimetres as decimals, counts as integers,
// everything else text.
const QList<DataField> &catalogueFields();

// An empty catalogue table with the fields above.
DataTable emptyCatalogueTable();

// A value of the table as the catalogue hands it out: text, numbers in their shortest decimal
// form ("63.5", "15.15"), null as an empty text.
QString catalogueText(const QVariant &value);

// The record of row `row` of a table holding catalogue fields: field name -> text.
CatalogueRecord catalogueRecord(const DataTable &table, int row);

// The row of the catalogue layout (catalogueFields() order) for a record given as text; field
// names are matched without regard to case and missing fields stay null. A length or count
// that is not a number fails with an error naming the field.
Result<QVariantList> catalogueRow(const CatalogueRecord &record);

// The product list's labels column: columns x rows, then "칸(", columns, "*", rows, ")", for
// example "21칸(3*7)".
QString labelCountText(const CatalogueRecord &record);
// The product list's size column: the cell width and height rounded to two decimals (halves to
// even) in shortest form, "63.5 * 38.1 mm".
QString labelSizeText(const CatalogueRecord &record);

// Text with every blank removed and lower-cased: how the product lists compare families and
// paper kinds.
QString squeezedLower(const QString &text);

} // namespace quill
