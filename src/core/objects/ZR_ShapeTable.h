// The table object: a ruled grid of rows and columns with mergeable cells.
#pragma once

#include "GridInfoItem.h"

#include "document/ColorNames.h"
#include "document/LabelObject.h"

#include <QStringList>

namespace quill {

// What the current cell selection allows.
enum TWeldDivide { wdNone, wdWeld, wdDivide };

namespace names {
const QStringList &weldDivide(); // wdNone, wdWeld, wdDivide
} // namespace names

// Persisted data of a table. RowsCnt holds one item per row, ColumnsCnt one per column and
// CellDatas one per grid position, row-major (row x Columns + column). A new table's three
// collections are empty; they are built at its size when it is first drawn.
class TZR_ShapeTable : public LabelObject {
public:
    static const ClassInfo &classInfo();

    // A new table: 3 x 3, solid black pen of width 1, solid white brush, empty collections.
    TZR_ShapeTable();

    ObjectTypeCode typeCode() const override { return ObjectTypeCode::ShapeTable; }
    std::unique_ptr<LabelObject> clone() const override;
    // The filled frame and the inner lines of the visible cells; selected cells highlighted. A
    // table whose lists are not built yet (or do not match its counts) is drawn as it would be
    // built at its current size; the object itself is left as it is.
    void paint(QPainter &painter, const PaintContext &context) const override;

    // Grid operations. After each of them columns tile the inner width from x = 1, rows the
    // inner height from y = 1, CellDatas holds Rows x Columns cells (row-major) and every cell's
    // rectangle follows its column, row and spans.

    // True when the three lists hold Columns, Rows and Rows x Columns items.
    bool gridReady() const;
    // Builds what is missing at the current size: both lists when they are empty (or a list
    // whose length does not match its count), then the cells when they are empty or do not
    // match. Existing consistent lists are kept.
    void buildGrid();
    // Fits the columns (rows) to Width - 2 (Height - 2) in proportion; runs by itself when Width
    // (Height) changes and both lists exist. Lists whose sizes all truncated to 0 are rebuilt
    // in equal parts at the new size.
    void rescaleColumns();
    void rescaleRows();
    // The properties dialog's assignment of Columns (Rows); 0 means 1. Growing divides the
    // last column (row) into equal parts, shrinking removes the last ones and stretches the rest
    // over the table; merged cells are cut back to the remaining grid.
    void changeColumns(int count);
    void changeRows(int count);
    // Recomputes every cell's rectangle from its column, row and spans.
    void recomputeCells();

    // Cell selection in grid coordinates (x = column, y = row, inclusive). Selected marks every
    // visible cell meeting the range; WeldDivideFlag becomes wdWeld when the range is exactly
    // covered by more than one whole cell, wdDivide when by exactly one, wdNone otherwise.
    void selectCells(const QRect &range);
    void clearSelection();
    // The grid position (column, row) of the visible cell under a point in table pixels, or
    // (-1, -1) outside the grid.
    QPoint cellAt(const QPoint &point) const;
    // Merges a wdWeld selection into its top-left cell; false when the selection cannot merge.
    bool mergeSelectedCells();
    // Splits every selected merged cell back into plain cells; false when none was merged.
    bool splitSelectedCells();

    // Counts are 16-bit unsigned; 0 is stored as 1.
    int rows() const { return int(intValue(QStringLiteral("Rows"))); }
    void setRows(int n) { setValue(QStringLiteral("Rows"), n); }
    int columns() const { return int(intValue(QStringLiteral("Columns"))); }
    void setColumns(int n) { setValue(QStringLiteral("Columns"), n); }
    // Read-only in documents: never written, refused when read.
    int weldDivideFlag() const { return value(QStringLiteral("WeldDivideFlag")).toInt(); }
    void setWeldDivideFlag(int flag) { setValue(QStringLiteral("WeldDivideFlag"), flag); }
    bool mouseUseFlag() const { return boolValue(QStringLiteral("MouseUseFlag")); }
    void setMouseUseFlag(bool on) { setValue(QStringLiteral("MouseUseFlag"), on); }

    using Items = std::vector<std::unique_ptr<PersistentObject>>;
    Items &rowsCnt();
    const Items &rowsCnt() const;
    Items &columnsCnt();
    const Items &columnsCnt() const;
    Items &cellDatas();
    const Items &cellDatas() const;
    // Item k of a collection as a grid item; nullptr when out of range.
    static TGridInfoItem *item(Items &items, qsizetype k);
    static const TGridInfoItem *item(const Items &items, qsizetype k);
    // Appends a new item (every number 0, UseFlag True, Selected False) and returns it.
    static TGridInfoItem &appendItem(Items &items);

    TColor penColor() const { return TColor(intValue(QStringLiteral("Pen.Color"))); }
    void setPenColor(TColor c) { setValue(QStringLiteral("Pen.Color"), qint64(c)); }
    int penStyle() const { return value(QStringLiteral("Pen.Style")).toInt(); } // TPenStyle
    void setPenStyle(int s) { setValue(QStringLiteral("Pen.Style"), s); }
    int penWidth() const { return int(intValue(QStringLiteral("Pen.Width"))); }
    void setPenWidth(int px) { setValue(QStringLiteral("Pen.Width"), px); }
    TColor brushColor() const { return TColor(intValue(QStringLiteral("Brush.Color"))); }
    // As the toolkit's brush: a clear brush becomes solid.
    void setBrushColor(TColor c);
    int brushStyle() const { return value(QStringLiteral("Brush.Style")).toInt(); } // TBrushStyle
    void setBrushStyle(int s) { setValue(QStringLiteral("Brush.Style"), s); }

protected:
    QVariant normalize(int index, const QVariant &value) const override;
    void valueChanged(int index) override;

private:
    TZR_ShapeTable(const TZR_ShapeTable &) = default;

    void buildAxis(bool columnAxis);
    void rescaleAxis(bool columnAxis);
    void addColumns(int from, int to);
    void addRows(int from, int to);
    void removeColumns(int from, int to);
    void removeRows(int from, int to);
    void buildCells();
    // Cuts spans back to the grid and recomputes which positions merged cells cover.
    void normalizeCoverage();
    void classifySelection(const QRect &range);
};

} // namespace quill
