// Tests of the persisted data of the shape and the table object.
#include "ObjectRoundTrip.h"

#include "document/StandardProperties.h"
#include "objects/ObjectClasses.h"
#include "objects/ZR_ShapeTable.h"
#include "objects/ZR_VantorShape.h"

#include <QTest>

using namespace quill;
using namespace quill::testing;

namespace {

QStringList split(const char *names)
{
    return QString::fromUtf8(names).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

QByteArray shortString(const QByteArray &s)
{
    return char(s.size()) + s;
}

QByteArray integerEntry(const QByteArray &name, char value)
{
    return shortString(name) + '\x02' + value;
}

} // namespace

class TestObjectsShapes : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { registerObjectClasses(); }

    void newRecordEntries_data();
    void newRecordEntries();
    void newShapeRecordBytes();
    void newTableRecordBytes();
    void everyPropertyRoundTrips_data();
    void everyPropertyRoundTrips();
    void linePosTopRoundTrips_data();
    void linePosTopRoundTrips();
    void shapeNames_data();
    void shapeNames();
    void normalisations_data();
    void normalisations();
    void weldDivideFlagIsReadOnly();
    void gridItems();
    void tableCopiesItsCollections();
};

void TestObjectsShapes::newRecordEntries_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("shape") << QStringLiteral("TZR_VantorShape")
                           << split("Left Top Width Height Start LinePosTop");
    QTest::newRow("table") << QStringLiteral("TZR_ShapeTable")
                           << split("Left Top Width Height MouseUseFlag RowsCnt ColumnsCnt "
                                    "CellDatas");
}

void TestObjectsShapes::newRecordEntries()
{
    QFETCH(QString, className);
    QFETCH(QStringList, names);
    const ClassInfo *info = ClassRegistry::instance().find(className);
    QVERIFY(info);
    QCOMPARE(entryNames(*info->create()), names);
}

void TestObjectsShapes::newShapeRecordBytes()
{
    const QByteArray expected = "TPF0" + shortString("TZR_VantorShape") + '\0'
                                + integerEntry("Left", 0) + integerEntry("Top", 0)
                                + integerEntry("Width", 65) + integerEntry("Height", 65)
                                + integerEntry("Start", 16) + shortString("LinePosTop") + '\x08'
                                + QByteArray(2, '\0');
    QCOMPARE(recordBytes(TZR_VantorShape()).toHex(' '), expected.toHex(' '));
}

void TestObjectsShapes::newTableRecordBytes()
{
    const QByteArray expected =
        "TPF0" + shortString("TZR_ShapeTable") + '\0' + integerEntry("Left", 0)
        + integerEntry("Top", 0) + integerEntry("Width", 0) + integerEntry("Height", 0)
        + shortString("MouseUseFlag") + '\x08' + shortString("RowsCnt") + QByteArray("\x0e\x00", 2)
        + shortString("ColumnsCnt") + QByteArray("\x0e\x00", 2) + shortString("CellDatas")
        + QByteArray("\x0e\x00", 2) + QByteArray(2, '\0');
    TZR_ShapeTable table;
    QCOMPARE(table.rows(), 3);
    QCOMPARE(table.columns(), 3);
    QVERIFY(table.rowsCnt().empty() && table.columnsCnt().empty() && table.cellDatas().empty());
    QCOMPARE(recordBytes(table).toHex(' '), expected.toHex(' '));
}

void TestObjectsShapes::everyPropertyRoundTrips_data()
{
    QTest::addColumn<QString>("className");
    QTest::newRow("shape") << QStringLiteral("TZR_VantorShape");
    QTest::newRow("table") << QStringLiteral("TZR_ShapeTable");
}

void TestObjectsShapes::everyPropertyRoundTrips()
{
    QFETCH(QString, className);
    const ClassInfo *info = ClassRegistry::instance().find(className);
    std::unique_ptr<PersistentObject> object = info->create();
    changeEveryProperty(*object);
    const std::unique_ptr<PersistentObject> fresh = info->create();
    for (int i = 0; i < info->properties.size(); ++i) {
        if (info->properties[i].kind != PropKind::Collection)
            QVERIFY2(object->value(i) != fresh->value(i), qPrintable(info->properties[i].name));
    }

    QString problem;
    std::unique_ptr<PersistentObject> read = streamRoundTrip(*object, &problem);
    QVERIFY2(read, qPrintable(problem));
    QCOMPARE(firstDifference(*object, *read, true), QString());
    QCOMPARE(recordBytes(*read), recordBytes(*object));

    std::unique_ptr<PersistentObject> fromJson = jsonRoundTrip(*object, &problem);
    QVERIFY2(fromJson, qPrintable(problem));
    QCOMPARE(firstDifference(*object, *fromJson, false), QString());
}

void TestObjectsShapes::linePosTopRoundTrips_data()
{
    QTest::addColumn<bool>("value");
    QTest::addColumn<QByteArray>("entry");
    QTest::newRow("True") << true << shortString("LinePosTop") + '\x09';
    QTest::newRow("False") << false << shortString("LinePosTop") + '\x08';
}

void TestObjectsShapes::linePosTopRoundTrips()
{
    QFETCH(bool, value);
    QFETCH(QByteArray, entry);
    TZR_VantorShape shape;
    shape.setShape(mstDLine);
    shape.setLinePosTop(value);
    QVERIFY(recordBytes(shape).contains(entry));
    QString problem;
    std::unique_ptr<PersistentObject> read = streamRoundTrip(shape, &problem);
    QVERIFY2(read, qPrintable(problem));
    QCOMPARE(static_cast<TZR_VantorShape &>(*read).linePosTop(), value);
    QCOMPARE(static_cast<TZR_VantorShape &>(*read).shape(), int(mstDLine));
}

void TestObjectsShapes::shapeNames_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("name");
    QTest::newRow("first") << int(mstLine) << QStringLiteral("mstLine");
    QTest::newRow("circle") << int(mstCircle) << QStringLiteral("mstCircle");
    QTest::newRow("triangle") << int(mstTriAngle) << QStringLiteral("mstTriAngle");
    QTest::newRow("centre lean") << int(mstRectLeanCenter) << QStringLiteral("mstRectLeanCenter");
    QTest::newRow("octagon") << int(mstOctopus) << QStringLiteral("mstOctopus");
    QTest::newRow("last") << int(mstLove) << QStringLiteral("mstLove");
}

void TestObjectsShapes::shapeNames()
{
    QFETCH(int, kind);
    QFETCH(QString, name);
    QCOMPARE(names::multiShapeType().size(), 19);
    QCOMPARE(names::multiShapeType().at(kind), name);
    TZR_VantorShape shape;
    shape.setShape(kind);
    shape.setStartType(spLeft);
    const StreamRecord record = recordFromObject(shape);
    if (kind != mstLine) // mstLine is the declared default and not written
        QCOMPARE(record.value(QStringLiteral("Shape"))->identName(), name);
    QCOMPARE(record.value(QStringLiteral("StartType"))->identName(), QStringLiteral("spLeft"));
}

void TestObjectsShapes::normalisations_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("property");
    QTest::addColumn<qint64>("assigned");
    QTest::addColumn<qint64>("stored");
    const QString table = QStringLiteral("TZR_ShapeTable");
    const QString shape = QStringLiteral("TZR_VantorShape");
    for (const char *p : {"Columns", "Rows"}) {
        const QString prop = QString::fromLatin1(p);
        QTest::addRow("%s 0", p) << table << prop << 0LL << 1LL;
        QTest::addRow("%s 5", p) << table << prop << 5LL << 5LL;
        QTest::addRow("%s 65536", p) << table << prop << 65536LL << 1LL;
        QTest::addRow("%s 65537", p) << table << prop << 65537LL << 1LL;
        QTest::addRow("%s -1", p) << table << prop << -1LL << 65535LL;
    }
    QTest::newRow("shape angle kept") << shape << QStringLiteral("Angle") << 450LL << 450LL;
    QTest::newRow("shape angle negative") << shape << QStringLiteral("Angle") << -30LL << -30LL;
    QTest::newRow("shape angle 16 bits") << shape << QStringLiteral("Angle") << 70000LL << 4464LL;
    QTest::newRow("shape start") << shape << QStringLiteral("Start") << -5LL << -5LL;
    QTest::newRow("32-bit wrap") << shape << QStringLiteral("Width") << 0x100000005LL << 5LL;
}

void TestObjectsShapes::normalisations()
{
    QFETCH(QString, className);
    QFETCH(QString, property);
    QFETCH(qint64, assigned);
    QFETCH(qint64, stored);
    std::unique_ptr<PersistentObject> object = ClassRegistry::instance().find(className)->create();
    object->setValue(property, assigned);
    QCOMPARE(object->intValue(property), stored);
    // Whatever the object holds can be written and read back.
    QString problem;
    std::unique_ptr<PersistentObject> read = streamRoundTrip(*object, &problem);
    QVERIFY2(read, qPrintable(problem));
    QCOMPARE(read->intValue(property), stored);
}

void TestObjectsShapes::weldDivideFlagIsReadOnly()
{
    TZR_ShapeTable table;
    table.setWeldDivideFlag(wdWeld);
    QCOMPARE(table.weldDivideFlag(), int(wdWeld));
    QVERIFY(!entryNames(table).contains(QStringLiteral("WeldDivideFlag")));

    StreamRecord record = recordFromObject(table);
    record.entries.append({QStringLiteral("WeldDivideFlag"), StreamValue::ident(QStringLiteral("wdWeld"))});
    TZR_ShapeTable target;
    const Status s = applyRecord(target, record);
    QVERIFY(!s.ok());
    QCOMPARE(s.error().message,
             QStringLiteral("Error reading TZR_ShapeTable.WeldDivideFlag: Property is read-only"));
}

void TestObjectsShapes::gridItems()
{
    TZR_ShapeTable table;
    TGridInfoItem &row = TZR_ShapeTable::appendItem(table.rowsCnt());
    QVERIFY(row.useFlag());
    QVERIFY(!row.selected());
    QCOMPARE(row.left() + row.top() + row.width() + row.height() + row.row() + row.column()
                 + row.rowCnt() + row.columnCnt(),
             0);
    // Every field of an item is written, in declaration order.
    QCOMPARE(entryNames(row), split("Left Top Width Height Row Column RowCnt ColumnCnt UseFlag "
                                    "Selected"));
    row.setTop(1);
    row.setHeight(33);
    TGridInfoItem &cell = TZR_ShapeTable::appendItem(table.cellDatas());
    cell.setColumnCnt(2);
    cell.setRowCnt(1);
    TGridInfoItem &covered = TZR_ShapeTable::appendItem(table.cellDatas());
    covered.setUseFlag(false);

    QString problem;
    std::unique_ptr<PersistentObject> read = streamRoundTrip(table, &problem);
    QVERIFY2(read, qPrintable(problem));
    auto &copy = static_cast<TZR_ShapeTable &>(*read);
    QCOMPARE(copy.rowsCnt().size(), size_t(1));
    QVERIFY(copy.columnsCnt().empty());
    QCOMPARE(copy.cellDatas().size(), size_t(2));
    QCOMPARE(TZR_ShapeTable::item(copy.rowsCnt(), 0)->height(), 33);
    QCOMPARE(TZR_ShapeTable::item(copy.cellDatas(), 0)->columnCnt(), 2);
    QVERIFY(!TZR_ShapeTable::item(copy.cellDatas(), 1)->useFlag());
    QVERIFY(!TZR_ShapeTable::item(copy.cellDatas(), 2));
}

void TestObjectsShapes::tableCopiesItsCollections()
{
    TZR_ShapeTable table;
    TZR_ShapeTable::appendItem(table.columnsCnt()).setWidth(50);
    std::unique_ptr<LabelObject> copy = table.clone();
    auto &other = static_cast<TZR_ShapeTable &>(*copy);
    TZR_ShapeTable::item(other.columnsCnt(), 0)->setWidth(20);
    QCOMPARE(TZR_ShapeTable::item(table.columnsCnt(), 0)->width(), 50);
    QVERIFY(TZR_ShapeTable::item(other.columnsCnt(), 0));
}

QTEST_GUILESS_MAIN(TestObjectsShapes)
#include "tst_objects_shapes.moc"
