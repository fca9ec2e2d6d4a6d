// The catalogue's products read once into a form the new job dialog can filter on every keystroke.
#pragma once

#include "PaperCatalogue.h"

#include <QList>
#include <QString>

#include <optional>

namespace quill {

// What the product list shows: every part that is set must match (an empty query lists every
// product). Texts compare with blanks removed and letter case ignored, so "Address Label"
// finds "addresslabel" but not "Address Label Large".
struct ProductQuery {
    QString paper;                 // paper kind; empty: every paper kind
    std::optional<QString> family; // product family, compared as a whole
    std::optional<int> labels;     // labels per sheet (L_TOTAL); an empty count never matches
    QString text;                  // part of the product code or of the family name
    // Cell size in millimetres; each given side must lie within tolerance of the product's.
    std::optional<double> cellWidth;
    std::optional<double> cellHeight;
    double tolerance = 0.5;
    std::optional<int> columns;
    std::optional<int> rows;

    // The products of a family on a paper kind: the dialog's family list.
    static ProductQuery ofFamily(const QString &family, const QString &paper);
    // The products with a number of labels per sheet on a paper kind (empty: every paper kind).
    static ProductQuery ofLabelCount(int labels, const QString &paper);
    bool operator==(const ProductQuery &) const = default;
};

// One product as the list shows and filters it.
struct ProductEntry {
    int index = -1; // row of the product in the catalogue
    QString code;
    QString family;
    QString paper;
    QString remark; // printer kind
    QString colour; // the colour as the catalogue names it for people
    QString countText; // "21칸(3*7)"
    QString sizeText;  // "63.5 * 38.1 mm"
    std::optional<qint64> total;
    std::optional<qint64> columns;
    std::optional<qint64> rows;
    std::optional<double> width;  // mm
    std::optional<double> height; // mm
    // Blank-free, lower-cased keys for the comparisons of ProductQuery.
    QString paperKey;
    QString familyKey;
    QString codeKey;
};

// The products of a catalogue, read once. Filtering touches no text conversion, so a query over
// the whole catalogue takes well under a millisecond.
class ProductIndex {
public:
    ProductIndex() = default;
    explicit ProductIndex(const PaperCatalogue &catalogue);

    int count() const { return int(mEntries.size()); }
    // Product `index` of the catalogue (0 .. count() - 1).
    const ProductEntry &entry(int index) const { return mEntries.at(index); }

    // The catalogue indexes of the products matching the query, ordered by labels per sheet;
    // products without a count come first and equal counts keep catalogue order.
    QList<int> filter(const ProductQuery &query) const;

private:
    bool matches(const ProductEntry &entry, const ProductQuery &query, const QString &paperKey,
                 const QString &familyKey, const QString &textKey) const;

    QList<ProductEntry> mEntries;
};

} // namespace quill
