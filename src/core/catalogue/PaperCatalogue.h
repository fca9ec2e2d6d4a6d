// The label paper catalogue: the products of spec.db, their lists and searches, and additions.
#pragma once

#include "CatalogueTable.h"
#include "Result.h"
#include "datalists/DataTable.h"
#include "document/ZR_LabelSize.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace quill {

// What a product search asks for; every part left empty matches all products.
struct CatalogueFilter {
    QString paper;  // paper kind, blanks and letter case ignored
    QString family; // product family, blanks and letter case ignored
    std::optional<int> labels; // labels per sheet (L_TOTAL)
    // Cell size in millimetres, width x height, each within sizeTolerance.
    std::optional<double> cellWidth;
    std::optional<double> cellHeight;
    double sizeTolerance = 0.5;
    std::optional<int> columns;
    std::optional<int> rows;
};

// The catalogue held in memory. Products are addressed by their row index (0 ..
// count() - 1); lists of products are lists of row indexes. Nothing here builds query text, so
// any character in a family, paper kind or code is taken literally.
class PaperCatalogue {
public:
    // An empty catalogue with the catalogue's fields.
    PaperCatalogue();
    // A catalogue over a table read from spec.db (or made in memory). The table keeps its own
    // fields; missing catalogue fields read as empty texts.
    explicit PaperCatalogue(DataTable table);

    // Opens spec.db (a Paradox table).
    static Result<PaperCatalogue> load(const QString &path);
    // Writes the catalogue to path atomically, in the catalogue's field layout.
    Status save(const QString &path) const;

    const DataTable &table() const { return mTable; }
    int count() const { return mTable.rowCount(); }
    // Every field of product `index` as text (empty record outside the range).
    CatalogueRecord record(int index) const;
    // One field of product `index` as text; field names ignore case.
    QString text(int index, const QString &field) const;
    bool isUserRecord(int index) const;

    // The distinct non-empty paper kinds, sorted (as a distinct query returns them).
    QStringList paperKinds() const;
    // The distinct non-empty families of the products on a paper kind (compared exactly), sorted.
    QStringList families(const QString &paper) const;
    // The products of a family on a paper kind, ordered by labels per sheet (stable; products
    // without a count first). Family and paper kind compare with blanks removed and letter case
    // ignored on both sides, so "Address Label" lists "addresslabel" but not
    // "Address Label Large", and a paper kind with a blank in its name lists its products.
    QList<int> productsOfFamily(const QString &family, const QString &paper) const;
    // The products with `labels` labels per sheet on a paper kind (compared exactly). A product
    // whose count is empty or no number is never found.
    QList<int> productsWithLabelCount(int labels, const QString &paper) const;
    // Products whose cell is width x height millimetres, each within tolerance, ordered by
    // labels per sheet. An empty paper kind searches every paper.
    QList<int> productsWithCellSize(double width, double height, double tolerance,
                                    const QString &paper = {}) const;
    // Products with `columns` cells across and `rows` down; empty paper searches every paper.
    QList<int> productsWithGrid(int columns, int rows, const QString &paper = {}) const;
    // Every product matching all parts of the filter, in table order.
    QList<int> find(const CatalogueFilter &filter) const;

    // The first product whose code equals `code` without regard to case, or -1.
    int indexOfCode(const QString &code) const;
    // Positions the catalogue on a code. When no product has the code the position stays where
    // it was and false is returned.
    bool locate(const QString &code);
    int currentIndex() const { return mCurrent; } // -1 before the first successful locate
    // The record of a code: an exact match first, otherwise one that ignores letter case.
    std::optional<CatalogueRecord> recordOfCode(const QString &code) const;

    // A sheet filled from a record. swapRedBlue as the new job hand-over does (see
    // TZR_LabelSize::fillFromCatalogueRecord); fileLabelName is [LabelType] FileLabel.
    static Result<TZR_LabelSize> labelSize(const CatalogueRecord &record,
                                           const QString &fileLabelName, bool swapRedBlue);

    // Adds a product of the user. Values are texts as a dialog collects them; an empty code
    // takes freeUserCode(). Refused: a code that another product already has (ignoring case),
    // lengths or counts that are no numbers, fewer than one column or row, and a label width or
    // height of zero or less. L_TOTAL is set to columns x rows and the record is marked as the
    // user's. Returns the new product's index.
    Result<int> append(const CatalogueRecord &record);
    // Rewrites product `index` with the same rules; it becomes the user's record.
    Status rewrite(int index, const CatalogueRecord &record);
    // "User" when no product has that code, else the first free "User2", "User3", ...
    QString freeUserCode() const;

private:
    Result<QVariantList> checkedUserRow(const CatalogueRecord &record, int replacing) const;
    QList<int> sortedByTotal(QList<int> indexes) const;
    std::optional<qint64> number(int index, const QString &field) const;
    std::optional<double> decimal(int index, const QString &field) const;
    QStringList distinct(const QString &field, const QString &paper, bool byPaper) const;

    DataTable mTable;
    int mCurrent = -1;
};

} // namespace quill
