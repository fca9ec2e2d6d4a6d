// The postal code table, its address search, and the address block of the field templates.
#include "catalogue/PostalCodes.h"
#include "datalists/DbaseFile.h"
#include "shell/CaptionFile.h"

#include <QDir>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

using namespace quill;
using namespace Qt::StringLiterals;

namespace {

QString resourcePath(const QString &name)
{
    return QDir(QStringLiteral(QUILL_SOURCE_RESOURCE_DIR)).filePath(name);
}

PostalCodeTable smallTable()
{
    DataTable table = PostalCodeTable::emptyTable();
    table.rows = {
        {u"135-070"_s, u"서울 강남구 역삼동"_s, u"02"_s},
        {u"135-110"_s, u"서울 강남구 삼성동"_s, u"02"_s},
        {u"612-010"_s, u"부산 해운대구 우동"_s, u"051"_s},
        {u"999-001"_s, u"Jeju Olle Road 7"_s, u"064"_s},
        {u"999-002"_s, u"한빛 \"별\"마을 100%"_s, u"064"_s},
    };
    return PostalCodeTable(table);
}

QStringList zipCodes(const QList<PostalArea> &areas)
{
    QStringList list;
    for (const PostalArea &area : areas)
        list.append(area.zipCode);
    return list;
}

} // namespace

class TestPostcodes : public QObject {
    Q_OBJECT

private slots:
    void deliveredTable();
    void addressSearch_data();
    void addressSearch();
    void zipCodeLookup();
    void dbaseRoundTrip();
    void fieldTemplates();
};

void TestPostcodes::deliveredTable()
{
    Result<PostalCodeTable> loaded = PostalCodeTable::load(resourcePath(u"zipcode.dbf"_s));
    QVERIFY2(loaded.ok(), qPrintable(loaded.error().message));
    const PostalCodeTable &table = loaded.value();
    QVERIFY(table.count() >= 300);
    const QRegularExpression zip(u"^\\d{3}-\\d{3}$"_s);
    const QSet<QString> areaCodes{u"02"_s,  u"031"_s, u"032"_s, u"033"_s, u"041"_s, u"042"_s,
                                  u"043"_s, u"051"_s, u"052"_s, u"053"_s, u"054"_s, u"055"_s,
                                  u"061"_s, u"062"_s, u"063"_s, u"064"_s};
    QSet<QString> seen;
    for (const PostalArea &area : table.areas()) {
        QVERIFY2(zip.match(area.zipCode).hasMatch(), qPrintable(area.zipCode));
        QVERIFY2(!seen.contains(area.zipCode), qPrintable(area.zipCode));
        seen.insert(area.zipCode);
        QVERIFY(!area.address.isEmpty() && area.address.size() <= 60);
        QVERIFY2(areaCodes.contains(area.ddd), qPrintable(area.address));
    }
    const QList<PostalArea> found = table.searchAddress(u"역삼"_s);
    QCOMPARE(found.size(), 1);
    QCOMPARE(found.first().address, u"서울 강남구 역삼동"_s);
    QCOMPARE(found.first().ddd, u"02"_s);
}

void TestPostcodes::addressSearch_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("part of a neighbourhood") << u"삼"_s << QStringList{u"135-070"_s, u"135-110"_s};
    QTest::newRow("district") << u"강남구"_s << QStringList{u"135-070"_s, u"135-110"_s};
    QTest::newRow("no match") << u"대전"_s << QStringList();
    QTest::newRow("Latin letters ignore case") << u"olle"_s << QStringList{u"999-001"_s};
    QTest::newRow("quote is literal") << u"\"별\""_s << QStringList{u"999-002"_s};
    QTest::newRow("percent is no wildcard") << u"0%"_s << QStringList{u"999-002"_s};
    QTest::newRow("underscore is no wildcard") << u"우_"_s << QStringList();
    QTest::newRow("empty finds all") << QString() << QStringList{u"135-070"_s, u"135-110"_s,
                                                                 u"612-010"_s, u"999-001"_s,
                                                                 u"999-002"_s};
}

void TestPostcodes::addressSearch()
{
    QFETCH(QString, text);
    QTEST(zipCodes(smallTable().searchAddress(text)), "expected");
}

void TestPostcodes::zipCodeLookup()
{
    const PostalCodeTable table = smallTable();
    QCOMPARE(zipCodes(table.findZipCode(u"612-010"_s)), QStringList{u"612-010"_s});
    QCOMPARE(zipCodes(table.findZipCode(u"612010"_s)), QStringList{u"612-010"_s});
    QVERIFY(table.findZipCode(u""_s).isEmpty());
    QVERIFY(table.findZipCode(u"000-000"_s).isEmpty());
}

void TestPostcodes::dbaseRoundTrip()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"zipcode.dbf"_s);
    DataTable table = PostalCodeTable::emptyTable();
    table.rows = {{u"135-070"_s, u"서울 강남구 역삼동"_s, u"02"_s}};
    QVERIFY(writeDbaseFile(path, table).ok());
    Result<PostalCodeTable> loaded = PostalCodeTable::load(path);
    QVERIFY(loaded.ok());
    QCOMPARE(loaded.value().areas(), smallTable().areas().mid(0, 1));
    // A table without the postal fields is refused.
    DataTable other;
    other.fields = {{u"NAME"_s, FieldType::Text, 10}};
    other.rows = {{u"x"_s}};
    QVERIFY(writeDbaseFile(dir.filePath(u"other.dbf"_s), other).ok());
    QVERIFY(!PostalCodeTable::load(dir.filePath(u"other.dbf"_s)).ok());
}

void TestPostcodes::fieldTemplates()
{
    // Every template is a list of "name;문자열;size" definitions with unique names, and the
    // address block holds the fields the record entry window recognises by name.
    const CaptionFile templates(resourcePath(u"TableField.dat"_s));
    QVERIFY(templates.exists());
    const CaptionFile captions(resourcePath(u"label.dat"_s));
    const QStringList addressNames{captions.read(u"CreateDB"_s, u"PostBox"_s),
                                   captions.read(u"CreateDB"_s, u"AddressBox"_s),
                                   captions.read(u"CreateDB"_s, u"AddressBox1"_s)};
    const auto definitions = [&templates](const QString &section) {
        QStringList names;
        const int count = templates.read(section, u"ItemCount"_s).toInt();
        for (int i = 1; i <= count; ++i) {
            const QStringList parts
                = templates.read(section, u"Item"_s + QString::number(i)).split(u';');
            bool sized = false;
            const int size = parts.value(2).toInt(&sized);
            if (parts.size() != 3 || parts.at(1) != u"문자열"_s || !sized || size < 1 || size > 100)
                return QStringList{u"bad definition in "_s + section};
            names.append(parts.at(0));
        }
        return names;
    };
    QCOMPARE(definitions(u"DefaultAddr"_s), addressNames);
    const int count = templates.read(u"TableName"_s, u"ItemCount"_s).toInt();
    QVERIFY(count >= 4);
    for (int i = 1; i <= count; ++i) {
        const QString name = templates.read(u"TableName"_s, u"Item"_s + QString::number(i));
        const QStringList names = definitions(name);
        QVERIFY2(names.size() >= 5, qPrintable(name + u": "_s + names.join(u',')));
        QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), names.size());
        if (i <= 2) { // the first two templates bring the address block along
            for (const QString &field : addressNames)
                QVERIFY2(names.contains(field), qPrintable(name));
        }
    }
}

QTEST_GUILESS_MAIN(TestPostcodes)
#include "tst_postcodes.moc"
