// The paper catalogue: the delivered products, the lists and searches, user additions.
#include "catalogue/PaperCatalogue.h"
#include "catalogue/UserCatalogue.h"
#include "document/InnerCutOutline.h"
#include "shell/CaptionFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

using namespace quill;
using namespace Qt::StringLiterals;

namespace {

QString resourcePath(const QString &name)
{
    return QDir(QStringLiteral(QUILL_SOURCE_RESOURCE_DIR)).filePath(name);
}

// A product on A4 with the given family, paper kind, code and count; sizes of a 3 x 7 sheet.
CatalogueRecord product(const QString &code, const QString &family, const QString &paper,
                        const QString &total = QStringLiteral("21"))
{
    return {{QStringLiteral("Code"), code},           {QStringLiteral("Product"), family},
            {QStringLiteral("Paper"), paper},         {QStringLiteral("Type"), QStringLiteral("SHEET")},
            {QStringLiteral("P_Width"), u"210"_s},   {QStringLiteral("P_Height"), u"297"_s},
            {QStringLiteral("L_Columns"), u"3"_s},   {QStringLiteral("L_Rows"), u"7"_s},
            {QStringLiteral("L_Margin"), u"7.2"_s},  {QStringLiteral("R_Margin"), u"7.3"_s},
            {QStringLiteral("T_Margin"), u"15.15"_s}, {QStringLiteral("B_Margin"), u"15.15"_s},
            {QStringLiteral("L_Width"), u"63.5"_s},  {QStringLiteral("L_Height"), u"38.1"_s},
            {QStringLiteral("C_Space"), u"2.5"_s},   {QStringLiteral("R_Space"), u"0"_s},
            {QStringLiteral("Shape"), u"R.Rect"_s},  {QStringLiteral("Radios"), u"3"_s},
            {QStringLiteral("C_Code"), u"clWhite"_s}, {QStringLiteral("Color"), u"흰색"_s},
            {QStringLiteral("Remark"), u"잉크젯/레이저 겸용"_s},
            {QStringLiteral("L_TOTAL"), total}};
}

PaperCatalogue catalogueOf(const QList<CatalogueRecord> &records)
{
    DataTable table = emptyCatalogueTable();
    for (const CatalogueRecord &record : records)
        table.rows.append(catalogueRow(record).value());
    return PaperCatalogue(table);
}

QStringList codes(const PaperCatalogue &catalogue, const QList<int> &indexes)
{
    QStringList list;
    for (int i : indexes)
        list.append(catalogue.text(i, QStringLiteral("code")));
    return list;
}

double field(const CatalogueRecord &record, const QString &name)
{
    return record.value(name).toDouble();
}

// Why a delivered product's geometry is wrong, or empty when it is sound.
QString geometryFault(const CatalogueRecord &r)
{
    constexpr double tolerance = 0.011; // the sources keep thousandths of a millimetre
    const int columns = r.value(u"L_Columns"_s).toInt();
    const int rows = r.value(u"L_Rows"_s).toInt();
    const double w = field(r, u"L_Width"_s), h = field(r, u"L_Height"_s);
    const double gapX = field(r, u"C_Space"_s), gapY = field(r, u"R_Space"_s);
    const double usedX = field(r, u"L_Margin"_s) + columns * w + (columns - 1) * gapX;
    const double usedY = field(r, u"T_Margin"_s) + rows * h + (rows - 1) * gapY;
    if (columns < 1 || rows < 1 || w <= 0 || h <= 0)
        return u"no cells"_s;
    if (r.value(u"L_TOTAL"_s).toInt() != columns * rows)
        return u"L_TOTAL is not columns x rows"_s;
    for (const QString &name : {u"L_Margin"_s, u"R_Margin"_s, u"T_Margin"_s, u"B_Margin"_s})
        if (field(r, name) < 0)
            return name + u" negative"_s;
    if (gapX < 0 || gapY < 0)
        return u"overlapping cells"_s;
    if (usedX > field(r, u"P_Width"_s) + tolerance || usedY > field(r, u"P_Height"_s) + tolerance)
        return u"cells beyond the sheet"_s;
    if (std::abs(usedX + field(r, u"R_Margin"_s) - field(r, u"P_Width"_s)) > tolerance
        || std::abs(usedY + field(r, u"B_Margin"_s) - field(r, u"P_Height"_s)) > tolerance)
        return u"margins do not add up to the sheet"_s;
    if (field(r, u"Radios"_s) < 0 || 2 * field(r, u"Radios"_s) > std::min(w, h) + tolerance)
        return u"corner radius larger than the cell"_s;
    return {};
}

} // namespace

class TestCatalogue : public QObject {
    Q_OBJECT

private slots:
    void deliveredProducts();
    void deliveredFamilies();
    void sheetFromRecord_data();
    void sheetFromRecord();
    void innerCutOutlineProducts();
    void paperKindsAndFamilies();
    void familyList_data();
    void familyList();
    void labelCountSearch();
    void sizeAndGridSearch();
    void locateAndFetch();
    void literalValues();
    void userAdditions_data();
    void userAdditions();
    void userCodesAndRewrite();
    void saveAndLoad();
    void additionsSurviveReinstall();
    void damagedUserCopyIsKept();

private:
    PaperCatalogue mDelivered;
};

void TestCatalogue::deliveredProducts()
{
    Result<PaperCatalogue> loaded = PaperCatalogue::load(resourcePath(u"spec.db"_s));
    QVERIFY2(loaded.ok(), qPrintable(loaded.error().message));
    mDelivered = loaded.value();
    QVERIFY2(mDelivered.count() > 1000, qPrintable(QString::number(mDelivered.count())));
    QSet<QString> seen;
    QStringList faults;
    for (int i = 0; i < mDelivered.count(); ++i) {
        const CatalogueRecord record = mDelivered.record(i);
        const QString code = record.value(u"Code"_s);
        if (code.isEmpty() || seen.contains(code.toLower()))
            faults.append(code + u": empty or repeated code"_s);
        seen.insert(code.toLower());
        if (const QString fault = geometryFault(record); !fault.isEmpty())
            faults.append(code + u": "_s + fault);
        if (!PaperCatalogue::labelSize(record, u"파일라벨"_s, true).ok())
            faults.append(code + u": does not fill a sheet"_s);
        if (mDelivered.isUserRecord(i))
            faults.append(code + u": marked as the user's"_s);
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.mid(0, 10).join(u'\n')));
}

void TestCatalogue::deliveredFamilies()
{
    // Every family of the caption file's list but the last (user-defined) has products.
    const CaptionFile captions(resourcePath(u"label.dat"_s));
    const int families = captions.read(u"LabelType"_s, u"itemcount"_s).toInt();
    QVERIFY(families > 10);
    for (int i = 1; i < families; ++i) {
        const QString family = captions.read(u"LabelType"_s, u"item"_s + QString::number(i));
        QVERIFY2(!mDelivered.productsOfFamily(family, u"일반용지"_s).isEmpty(),
                 qPrintable(family));
    }
    QVERIFY(mDelivered.paperKinds().contains(u"해외 A4"_s));
    QVERIFY(mDelivered.families(u"해외 US Letter"_s).contains(u"Avery"_s));
}

void TestCatalogue::sheetFromRecord_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("rows");
    QTest::addColumn<double>("widthMm");
    QTest::addColumn<double>("heightMm");
    QTest::addColumn<double>("leftMm");
    QTest::addColumn<double>("topMm");
    QTest::addColumn<int>("shape");
    QTest::addColumn<QString>("family");
    QTest::newRow("address 3x7") << u"QL-2121"_s << 3 << 7 << 63.5 << 38.1 << 7.2 << 15.15
                                 << int(stRoundRect) << u"주소라벨"_s;
    QTest::newRow("index") << u"QL-3101"_s << 4 << 10 << 40.0 << 25.0 << 17.5 << 14.5
                           << int(stRoundRect) << u"인덱스라벨"_s;
    QTest::newRow("cassette") << u"QL-3102"_s << 2 << 3 << 89.0 << 84.0 << 11.0 << 14.5
                              << int(stRectangle) << u"카세트라벨"_s;
    QTest::newRow("CD") << u"QL-5101"_s << 1 << 2 << 117.0 << 117.0 << 46.5 << 21.0
                        << int(stCircle) << u"CD라벨"_s;
    QTest::newRow("imported, inches") << u"Avery 5160"_s << 3 << 10 << 66.675 << 25.4
                                      << 3.969 << 12.7 << int(stRoundRect) << u"Avery"_s;
}

void TestCatalogue::sheetFromRecord()
{
    QFETCH(QString, code);
    const std::optional<CatalogueRecord> record = mDelivered.recordOfCode(code);
    QVERIFY(record);
    Result<TZR_LabelSize> sheet = PaperCatalogue::labelSize(*record, u"파일라벨"_s, true);
    QVERIFY(sheet.ok());
    const TZR_LabelSize &s = sheet.value();
    QCOMPARE(s.labelCode(), code);
    QTEST(int(s.columns()), "columns");
    QTEST(int(s.rows()), "rows");
    QFETCH(double, widthMm);
    QFETCH(double, heightMm);
    QFETCH(double, leftMm);
    QFETCH(double, topMm);
    QVERIFY(std::abs(s.width() * 25.4 - widthMm) < 0.01);
    QVERIFY(std::abs(s.height() * 25.4 - heightMm) < 0.01);
    QVERIFY(std::abs(s.leftMargin() * 25.4 - leftMm) < 0.01);
    QVERIFY(std::abs(s.topMargin() * 25.4 - topMm) < 0.01);
    QTEST(int(s.shape()), "shape");
    QTEST(s.labelKindType(), "family");
    QCOMPARE(s.color(), clWhite);
}

void TestCatalogue::innerCutOutlineProducts()
{
    // The products the caption file gives an inner cut outline are delivered, and the first
    // box lies inside their cells.
    const CaptionFile captions(resourcePath(u"label.dat"_s));
    for (const QString &code : {u"QL-3101"_s, u"QL-3102"_s}) {
        Result<InnerCutOutline> outline = loadInnerCutOutline(captions, code);
        QVERIFY(outline.ok());
        QVERIFY2(outline.value().present, qPrintable(code));
        const std::optional<CatalogueRecord> record = mDelivered.recordOfCode(code);
        QVERIFY(record);
        const InnerCutOutline &o = outline.value();
        QVERIFY(o.x + o.width <= field(*record, u"L_Width"_s));
        QVERIFY(o.y + o.height <= field(*record, u"L_Height"_s));
    }
}

void TestCatalogue::paperKindsAndFamilies()
{
    const PaperCatalogue catalogue = catalogueOf({
        product(u"B1"_s, u"물류라벨"_s, u"일반용지"_s),
        product(u"A1"_s, u"주소라벨"_s, u"일반용지"_s),
        product(u"A2"_s, u"주소라벨"_s, u"레이저전용"_s),
        product(u"X1"_s, u""_s, u""_s),
        product(u"A3"_s, u"주소라벨"_s, u"일반용지 "_s),
    });
    QCOMPARE(catalogue.paperKinds(), (QStringList{u"레이저전용"_s, u"일반용지"_s,
                                                  u"일반용지 "_s}));
    // The family list compares the paper kind exactly.
    QCOMPARE(catalogue.families(u"일반용지"_s), (QStringList{u"물류라벨"_s, u"주소라벨"_s}));
    QCOMPARE(catalogue.families(u"없는용지"_s), QStringList());
}

void TestCatalogue::familyList_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<QString>("paper");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("blanks and case ignored")
        << u"Address Label"_s << u"A4"_s << QStringList{u"lower"_s, u"exact"_s};
    QTest::newRow("paper kind with a blank") << u"Avery"_s << u"해외 A4"_s
                                             << QStringList{u"avery"_s};
    QTest::newRow("no such family") << u"Address"_s << u"A4"_s << QStringList();
}

void TestCatalogue::familyList()
{
    const PaperCatalogue catalogue = catalogueOf({
        product(u"exact"_s, u"Address Label"_s, u"A4"_s, u"30"_s),
        product(u"large"_s, u"Address Label Large"_s, u"A4"_s, u"10"_s),
        product(u"lower"_s, u"addresslabel"_s, u"a4"_s, u"14"_s),
        product(u"other paper"_s, u"Address Label"_s, u"B5"_s, u"8"_s),
        product(u"avery"_s, u"Avery"_s, u"해외 A4"_s),
    });
    QFETCH(QString, family);
    QFETCH(QString, paper);
    QTEST(codes(catalogue, catalogue.productsOfFamily(family, paper)), "expected");
}

void TestCatalogue::labelCountSearch()
{
    const PaperCatalogue catalogue = catalogueOf({
        product(u"a"_s, u"F"_s, u"A4"_s, u"21"_s),
        product(u"empty"_s, u"F"_s, u"A4"_s, u""_s),
        product(u"b"_s, u"G"_s, u"A4"_s, u"21"_s),
        product(u"other paper"_s, u"F"_s, u"a4"_s, u"21"_s),
        product(u"c"_s, u"F"_s, u"A4"_s, u"24"_s),
    });
    QCOMPARE(codes(catalogue, catalogue.productsWithLabelCount(21, u"A4"_s)),
             (QStringList{u"a"_s, u"b"_s}));
    QCOMPARE(codes(catalogue, catalogue.productsWithLabelCount(0, u"A4"_s)), QStringList());
    // The family list puts a product without a count first.
    QCOMPARE(codes(catalogue, catalogue.productsOfFamily(u"F"_s, u"A4"_s)),
             (QStringList{u"empty"_s, u"a"_s, u"other paper"_s, u"c"_s}));
}

void TestCatalogue::sizeAndGridSearch()
{
    QList<int> found = mDelivered.productsWithCellSize(63.5, 38.1, 0.05, u"일반용지"_s);
    QVERIFY(codes(mDelivered, found).contains(u"QL-2121"_s));
    for (int i : found) {
        QVERIFY(std::abs(mDelivered.text(i, u"L_Width"_s).toDouble() - 63.5) <= 0.05);
        QCOMPARE(mDelivered.text(i, u"Paper"_s), u"일반용지"_s);
    }
    const int all = int(mDelivered.productsWithCellSize(63.5, 38.1, 1.0).size());
    QVERIFY(all > found.size()); // other papers and near sizes
    found = mDelivered.productsWithGrid(3, 7);
    QVERIFY(codes(mDelivered, found).contains(u"QL-2121"_s));
    for (int i : found)
        QCOMPARE(mDelivered.text(i, u"L_TOTAL"_s), u"21"_s);
    CatalogueFilter filter;
    filter.family = u"주소 라벨"_s;
    filter.labels = 21;
    QVERIFY(codes(mDelivered, mDelivered.find(filter)).contains(u"QL-2121T"_s));
}

void TestCatalogue::locateAndFetch()
{
    PaperCatalogue catalogue = catalogueOf({product(u"QL-1"_s, u"F"_s, u"A4"_s),
                                            product(u"ql-2"_s, u"F"_s, u"A4"_s),
                                            product(u"QL-2"_s, u"G"_s, u"A4"_s)});
    QCOMPARE(catalogue.currentIndex(), -1);
    QVERIFY(catalogue.locate(u"ql-1"_s));
    QCOMPARE(catalogue.currentIndex(), 0);
    QVERIFY(!catalogue.locate(u"none"_s));
    QCOMPARE(catalogue.currentIndex(), 0); // stays where it was
    QVERIFY(catalogue.locate(u"QL-2"_s));
    QCOMPARE(catalogue.currentIndex(), 1); // the first regardless of case
    // Fetching by code prefers the exact spelling.
    QCOMPARE(catalogue.recordOfCode(u"QL-2"_s)->value(u"Product"_s), u"G"_s);
    QCOMPARE(catalogue.recordOfCode(u"Ql-1"_s)->value(u"Code"_s), u"QL-1"_s);
    QVERIFY(!catalogue.recordOfCode(u"QL-3"_s));
}

void TestCatalogue::literalValues()
{
    // Quotes, apostrophes and wildcard characters are plain characters everywhere.
    const QString family = u"Bob's \"Best\" 100% Labels"_s;
    const QString code = u"Q\"1'_%"_s;
    PaperCatalogue catalogue = catalogueOf({product(code, family, u"A\"4"_s),
                                            product(u"plain"_s, u"Bobs Best 100 Labels"_s, u"A\"4"_s)});
    QCOMPARE(catalogue.families(u"A\"4"_s).size(), 2);
    QCOMPARE(codes(catalogue, catalogue.productsOfFamily(family, u"A\"4"_s)), QStringList{code});
    QCOMPARE(catalogue.productsWithLabelCount(21, u"A\"4"_s).size(), 2);
    QVERIFY(catalogue.recordOfCode(code));
    QVERIFY(catalogue.append(product(u"O'Neil \"2\""_s, family, u"A\"4"_s)).ok());
    QCOMPARE(catalogue.productsOfFamily(family, u"A\"4"_s).size(), 2);
}

void TestCatalogue::userAdditions_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("as typed") << u"Remark"_s << u"레이저 전용"_s << true;
    QTest::newRow("length no number") << u"L_Margin"_s << u"ten"_s << false;
    QTest::newRow("count no number") << u"L_Rows"_s << u"7.5"_s << false;
    QTest::newRow("no rows") << u"L_Rows"_s << u"0"_s << false;
    QTest::newRow("zero width") << u"L_Width"_s << u"0"_s << false;
    QTest::newRow("negative height") << u"L_Height"_s << u"-3"_s << false;
    QTest::newRow("taken code") << u"Code"_s << u"ql-2121"_s << false;
    QTest::newRow("count given wrongly") << u"L_TOTAL"_s << u"99"_s << true;
}

void TestCatalogue::userAdditions()
{
    QFETCH(QString, field);
    QFETCH(QString, value);
    PaperCatalogue catalogue = catalogueOf({product(u"QL-2121"_s, u"주소라벨"_s, u"A4"_s)});
    CatalogueRecord record = product(u"MY-1"_s, u"사용자 정의"_s, u"A4"_s, {});
    record.insert(field, value);
    Result<int> added = catalogue.append(record);
    QTEST(added.ok(), "accepted");
    if (!added.ok()) {
        QCOMPARE(catalogue.count(), 1);
        QVERIFY(!added.error().message.isEmpty());
        return;
    }
    QCOMPARE(added.value(), 1);
    QVERIFY(catalogue.isUserRecord(1));
    QVERIFY(!catalogue.isUserRecord(0));
    QCOMPARE(catalogue.text(1, u"L_TOTAL"_s), u"21"_s); // always columns x rows
    // Found by the count search like any delivered product.
    QCOMPARE(codes(catalogue, catalogue.productsWithLabelCount(21, u"A4"_s)),
             (QStringList{u"QL-2121"_s, u"MY-1"_s}));
}

void TestCatalogue::userCodesAndRewrite()
{
    PaperCatalogue catalogue;
    CatalogueRecord record = product({}, u"사용자 정의"_s, u"A4"_s);
    QCOMPARE(catalogue.append(record).value(), 0);
    QCOMPARE(catalogue.append(record).value(), 1);
    QCOMPARE(catalogue.text(0, u"Code"_s), u"User"_s);
    QCOMPARE(catalogue.text(1, u"Code"_s), u"User2"_s);
    record.insert(u"Code"_s, u"User"_s);
    record.insert(u"L_Width"_s, u"60"_s);
    QVERIFY(catalogue.rewrite(0, record).ok()); // its own code is no clash
    QCOMPARE(catalogue.text(0, u"L_Width"_s), u"60"_s);
    QVERIFY(!catalogue.rewrite(1, record).ok()); // the code of another product
    QVERIFY(!catalogue.rewrite(5, record).ok());
}

void TestCatalogue::saveAndLoad()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"spec.db"_s);
    PaperCatalogue catalogue = catalogueOf({product(u"QL-2121"_s, u"주소 \"라벨\""_s, u"일반용지"_s),
                                            product(u"E"_s, u"F"_s, u"A4"_s, {})});
    QVERIFY(catalogue.append(product(u"MY"_s, u"사용자 정의"_s, u"A4"_s)).ok());
    QVERIFY(catalogue.save(path).ok());
    Result<PaperCatalogue> loaded = PaperCatalogue::load(path);
    QVERIFY(loaded.ok());
    QCOMPARE(loaded.value().count(), 3);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(loaded.value().record(i), catalogue.record(i));
    QCOMPARE(loaded.value().text(0, u"T_Margin"_s), u"15.15"_s);
    QCOMPARE(loaded.value().text(0, u"R_Space"_s), u"0"_s);
    QCOMPARE(loaded.value().text(1, u"L_TOTAL"_s), QString());
    QVERIFY(loaded.value().isUserRecord(2));
}

void TestCatalogue::additionsSurviveReinstall()
{
    QTemporaryDir dir;
    const QString installed = dir.filePath(u"installed/spec.db"_s);
    const QString user = dir.filePath(u"user/spec.db"_s);
    QDir().mkpath(dir.filePath(u"installed"_s));
    QVERIFY(catalogueOf({product(u"OLD"_s, u"F"_s, u"A4"_s), product(u"KEEP"_s, u"F"_s, u"A4"_s),
                         product(u"GONE"_s, u"F"_s, u"A4"_s)})
                .save(installed).ok());
    Result<PaperCatalogue> first = openUserCatalogue(installed, user);
    QVERIFY(first.ok());
    QVERIFY(QFile::exists(user));
    QVERIFY(addUserProduct(first.value(), product(u"MINE"_s, u"사용자 정의"_s, u"A4"_s), user).ok());
    CatalogueRecord edited = product(u"KEEP"_s, u"F"_s, u"A4"_s);
    edited.insert(u"Remark"_s, u"내가 고침"_s);
    QVERIFY(first.value().rewrite(first.value().indexOfCode(u"KEEP"_s), edited).ok());
    QVERIFY(first.value().save(user).ok());

    // The program is updated: OLD changed, GONE dropped, NEW added.
    CatalogueRecord changed = product(u"OLD"_s, u"F"_s, u"A4"_s);
    changed.insert(u"Remark"_s, u"새 설명"_s);
    QVERIFY(catalogueOf({changed, product(u"KEEP"_s, u"F"_s, u"A4"_s),
                         product(u"NEW"_s, u"F"_s, u"A4"_s)})
                .save(installed).ok());
    Result<PaperCatalogue> second = openUserCatalogue(installed, user);
    QVERIFY(second.ok());
    const PaperCatalogue &merged = second.value();
    QCOMPARE(codes(merged, {0, 1, 2, 3, 4}),
             (QStringList{u"OLD"_s, u"KEEP"_s, u"NEW"_s, u"MINE"_s, u"GONE"_s}));
    QCOMPARE(merged.count(), 5);
    QCOMPARE(merged.text(0, u"Remark"_s), u"새 설명"_s);
    QCOMPARE(merged.text(1, u"Remark"_s), u"내가 고침"_s);
    QVERIFY(merged.isUserRecord(3));
    // The merge was written: the user's file alone now holds it.
    QCOMPARE(PaperCatalogue::load(user).value().count(), 5);
    QCOMPARE(PaperCatalogue::load(user).value().text(2, u"Code"_s), u"NEW"_s);
}

void TestCatalogue::damagedUserCopyIsKept()
{
    QTemporaryDir dir;
    const QString installed = dir.filePath(u"installed.db"_s);
    const QString user = dir.filePath(u"spec.db"_s);
    QVERIFY(catalogueOf({product(u"A"_s, u"F"_s, u"A4"_s)}).save(installed).ok());
    QFile file(user);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("not a table");
    file.close();
    QVERIFY(!openUserCatalogue(installed, user).ok());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("not a table"));
}

QTEST_GUILESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
