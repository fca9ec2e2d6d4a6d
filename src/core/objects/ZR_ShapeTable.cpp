#include "ZR_ShapeTable.h"

#include "ControlProperties.h"
#include "ObjectValueRules.h"
#include "document/StandardProperties.h"

namespace quill {

namespace names {

const QStringList &weldDivide()
{
    static const QStringList list{QStringLiteral("wdNone"), QStringLiteral("wdWeld"),
                                  QStringLiteral("wdDivide")};
    return list;
}

} // namespace names

namespace {

const QString kRows = QStringLiteral("Rows");
const QString kColumns = QStringLiteral("Columns");
const QString kRowsCnt = QStringLiteral("RowsCnt");
const QString kColumnsCnt = QStringLiteral("ColumnsCnt");
const QString kCellDatas = QStringLiteral("CellDatas");

PropertyDef weldDivideFlagProperty()
{
    PropertyDef d;
    d.name = QStringLiteral("WeldDivideFlag");
    d.kind = PropKind::Enum;
    d.names = names::weldDivide();
    d.start = int(wdNone);
    d.readOnly = true;
    return d;
}

} // namespace

const ClassInfo &TZR_ShapeTable::classInfo()
{
    static const ClassInfo info = [] {
        ClassBuilder b(QStringLiteral("TZR_ShapeTable"));
        // The constructor does not size a table; the table tool gives it its bounds.
        addControlHead(b, 0, 0);
        addPen(b);
        addBrush(b);
        b.integer(kRows, 3, 3).integer(kColumns, 3, 3);
        b.add(weldDivideFlagProperty());
        b.boolean(QStringLiteral("MouseUseFlag"), false);
        b.collection(kRowsCnt, TGridInfoItem::classInfo())
            .collection(kColumnsCnt, TGridInfoItem::classInfo())
            .collection(kCellDatas, TGridInfoItem::classInfo());
        return b.build([] { return std::make_unique<TZR_ShapeTable>(); });
    }();
    return info;
}

TZR_ShapeTable::TZR_ShapeTable() : LabelObject(classInfo()) {}

std::unique_ptr<LabelObject> TZR_ShapeTable::clone() const
{
    return std::unique_ptr<LabelObject>(new TZR_ShapeTable(*this));
}

TZR_ShapeTable::Items &TZR_ShapeTable::rowsCnt()
{
    return collection(classInfo().indexOf(kRowsCnt));
}

const TZR_ShapeTable::Items &TZR_ShapeTable::rowsCnt() const
{
    return collection(classInfo().indexOf(kRowsCnt));
}

TZR_ShapeTable::Items &TZR_ShapeTable::columnsCnt()
{
    return collection(classInfo().indexOf(kColumnsCnt));
}

const TZR_ShapeTable::Items &TZR_ShapeTable::columnsCnt() const
{
    return collection(classInfo().indexOf(kColumnsCnt));
}

TZR_ShapeTable::Items &TZR_ShapeTable::cellDatas()
{
    return collection(classInfo().indexOf(kCellDatas));
}

const TZR_ShapeTable::Items &TZR_ShapeTable::cellDatas() const
{
    return collection(classInfo().indexOf(kCellDatas));
}

TGridInfoItem *TZR_ShapeTable::item(Items &items, qsizetype k)
{
    if (k < 0 || k >= qsizetype(items.size()))
        return nullptr;
    return dynamic_cast<TGridInfoItem *>(items[size_t(k)].get());
}

const TGridInfoItem *TZR_ShapeTable::item(const Items &items, qsizetype k)
{
    if (k < 0 || k >= qsizetype(items.size()))
        return nullptr;
    return dynamic_cast<const TGridInfoItem *>(items[size_t(k)].get());
}

TGridInfoItem &TZR_ShapeTable::appendItem(Items &items)
{
    auto item = std::make_unique<TGridInfoItem>();
    TGridInfoItem &ref = *item;
    items.push_back(std::move(item));
    return ref;
}

void TZR_ShapeTable::setBrushColor(TColor c)
{
    assignBrushColor(*this, c);
}

QVariant TZR_ShapeTable::normalize(int index, const QVariant &value) const
{
    const QString &name = classInfo().properties[index].name;
    if (name == kRows || name == kColumns) {
        // A 16-bit unsigned count; a table has at least one row and one column.
        const qint64 n = wordValue(value.toLongLong());
        return QVariant::fromValue<qint64>(n == 0 ? 1 : n);
    }
    return wrapInteger(classInfo().properties[index], value);
}

void TZR_ShapeTable::valueChanged(int index)
{
    LabelObject::valueChanged(index);
    applyControlRules(*this, index);
    // A resize rescales the grid; each side its own list, so that setting the bounds side by
    // side scales every list once.
    static const int widthIndex = classInfo().indexOf(QStringLiteral("Width"));
    static const int heightIndex = classInfo().indexOf(QStringLiteral("Height"));
    if (index == widthIndex)
        rescaleColumns();
    else if (index == heightIndex)
        rescaleRows();
}

} // namespace quill
