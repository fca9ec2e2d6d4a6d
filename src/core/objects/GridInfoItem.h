// One item of a table object's row, column or cell collection.
#pragma once

#include "document/PersistentObject.h"

namespace quill {

// Positions are pixels within the table. A new item has every number 0, UseFlag True and
// Selected False. Row items carry Top/Height/Row, column items Left/Width/Column, cell items
// all of them plus their spans; UseFlag False marks a position covered by a merged cell.
class TGridInfoItem : public PersistentObject {
public:
    static const ClassInfo &classInfo();

    TGridInfoItem();

    std::unique_ptr<PersistentObject> clonePersistent() const override;

    int left() const { return int(intValue(QStringLiteral("Left"))); }
    void setLeft(int v) { setValue(QStringLiteral("Left"), v); }
    int top() const { return int(intValue(QStringLiteral("Top"))); }
    void setTop(int v) { setValue(QStringLiteral("Top"), v); }
    int width() const { return int(intValue(QStringLiteral("Width"))); }
    void setWidth(int v) { setValue(QStringLiteral("Width"), v); }
    int height() const { return int(intValue(QStringLiteral("Height"))); }
    void setHeight(int v) { setValue(QStringLiteral("Height"), v); }
    int row() const { return int(intValue(QStringLiteral("Row"))); }
    void setRow(int v) { setValue(QStringLiteral("Row"), v); }
    int column() const { return int(intValue(QStringLiteral("Column"))); }
    void setColumn(int v) { setValue(QStringLiteral("Column"), v); }
    int rowCnt() const { return int(intValue(QStringLiteral("RowCnt"))); }
    void setRowCnt(int v) { setValue(QStringLiteral("RowCnt"), v); }
    int columnCnt() const { return int(intValue(QStringLiteral("ColumnCnt"))); }
    void setColumnCnt(int v) { setValue(QStringLiteral("ColumnCnt"), v); }
    bool useFlag() const { return boolValue(QStringLiteral("UseFlag")); }
    void setUseFlag(bool on) { setValue(QStringLiteral("UseFlag"), on); }
    bool selected() const { return boolValue(QStringLiteral("Selected")); }
    void setSelected(bool on) { setValue(QStringLiteral("Selected"), on); }

protected:
    // Every field is a 32-bit integer and wraps as one.
    QVariant normalize(int index, const QVariant &value) const override;

private:
    TGridInfoItem(const TGridInfoItem &) = default;
};

} // namespace quill
