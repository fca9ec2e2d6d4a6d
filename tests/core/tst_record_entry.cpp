// The record entry window's rules: which editor each field gets (and the address fields of
// Korean lists), where the generated editors go, which typed values are refused, and storing
// a record all or nothing.
#include "datalists/DataSet.h"
#include "datalists/RecordEntry.h"
#include "shell/CaptionFile.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace quill;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(quill::EntryEditor)

namespace {

QString writeCaptions(const QTemporaryDir &dir, const QString &text)
{
    const QString path = dir.filePath(u"label.dat"_s);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write(toCp949(text));
    return path;
}

AddressFields korean(bool on)
{
    return {on, u"우편번호"_s, u"주소"_s, u"주소1"_s};
}

DataTable people()
{
    DataTable t;
    t.fields = {{u"이름"_s, FieldType::Text, 5}, {u"나이"_s, FieldType::Integer, 0},
        {u"키"_s, FieldType::Float, 0}, {u"가입"_s, FieldType::Date, 0}};
    t.rows = {{u"홍길동"_s, 30, 175.5, QDate(2020, 1, 2)}, {u"김철수"_s, 41, QVariant(), QDate(2021, 3, 4)}};
    return t;
}

} // namespace

class TestRecordEntry : public QObject {
    Q_OBJECT
private slots:
    void editorOfField_data();
    void editorOfField();
    void addressFieldsFromCaptions();
    void layoutOfGeneratedEditors();
    void typedValues_data();
    void typedValues();
    void storesNewAndChangedRecords();
    void refusedValueStoresNothing();
    void editorTexts();
};

void TestRecordEntry::editorOfField_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("kor");
    QTest::addColumn<EntryEditor>("editor");
    QTest::addColumn<int>("maxLength");

    const int text = int(FieldType::Text);
    QTest::newRow("text, its size") << u"이름"_s << text << 12 << true << EntryEditor::Text << 12;
    QTest::newRow("text without a size") << u"비고"_s << text << 0 << true << EntryEditor::Text << 255;
    QTest::newRow("integer") << u"나이"_s << int(FieldType::Integer) << 0 << true << EntryEditor::Integer << 0;
    QTest::newRow("float") << u"키"_s << int(FieldType::Float) << 0 << true << EntryEditor::Float << 0;
    QTest::newRow("date: none") << u"가입"_s << int(FieldType::Date) << 0 << true << EntryEditor::None << 0;
    QTest::newRow("date-time: none") << u"t"_s << int(FieldType::DateTime) << 0 << true << EntryEditor::None << 0;
    QTest::newRow("boolean: none") << u"b"_s << int(FieldType::Boolean) << 0 << true << EntryEditor::None << 0;
    QTest::newRow("memo: none") << u"m"_s << int(FieldType::Memo) << 0 << true << EntryEditor::None << 0;
    QTest::newRow("postal code, Korean") << u"우편번호"_s << text << 10 << true << EntryEditor::PostalCode << 7;
    QTest::newRow("address 1, Korean") << u"주소"_s << text << 80 << true << EntryEditor::Address1 << 50;
    QTest::newRow("address 2, Korean") << u"주소1"_s << text << 80 << true << EntryEditor::Address2 << 50;
    QTest::newRow("address name, not Korean") << u"주소"_s << text << 80 << false << EntryEditor::Text << 80;
    QTest::newRow("name not exactly equal") << u"주소 "_s << text << 80 << true << EntryEditor::Text << 80;
    QTest::newRow("postal code of another kind")
        << u"우편번호"_s << int(FieldType::Integer) << 0 << true << EntryEditor::PostalCode << 7;
}

void TestRecordEntry::editorOfField()
{
    QFETCH(QString, name);
    QFETCH(int, type);
    QFETCH(int, size);
    QFETCH(bool, kor);
    QFETCH(EntryEditor, editor);
    QFETCH(int, maxLength);
    const QList<DataField> fields{{u"앞"_s, FieldType::Text, 3}, {name, FieldType(type), size}};
    const QList<EntryField> editors = entryFields(fields, korean(kor));
    QCOMPARE(editors.size(), 2);
    QCOMPARE(editors.at(1).field, 1);
    QCOMPARE(editors.at(1).name, name);
    QCOMPARE(editors.at(1).editor, editor);
    QCOMPARE(editors.at(1).maxLength, maxLength);
}

void TestRecordEntry::addressFieldsFromCaptions()
{
    QTemporaryDir dir;
    const CaptionFile kor(writeCaptions(dir,
        u"[CreateDB]\r\nPostBox=ZIP\r\nAddressBox=Addr\r\nAddressBox1=Addr2\r\n[Option]\r\nLanguage=KOR\r\n"_s));
    const AddressFields names = AddressFields::fromCaptions(kor);
    QVERIFY(names.korean); // letter case ignored
    QCOMPARE(names.postalCode, u"ZIP"_s);
    QCOMPARE(names.address1, u"Addr"_s);
    QCOMPARE(names.address2, u"Addr2"_s);
    // The names themselves match exactly.
    QCOMPARE(entryEditor({u"zip"_s, FieldType::Text, 7}, names), EntryEditor::Text);
    QCOMPARE(entryEditor({u"ZIP"_s, FieldType::Text, 7}, names), EntryEditor::PostalCode);

    QTemporaryDir other;
    const CaptionFile eng(writeCaptions(other, u"[Option]\r\nLanguage=eng\r\n"_s));
    const AddressFields none = AddressFields::fromCaptions(eng);
    QVERIFY(!none.korean);
    // Missing keys name no field (not even one called "0").
    QVERIFY(none.postalCode.isEmpty() && none.address1.isEmpty() && none.address2.isEmpty());
    QCOMPARE(entryEditor({u"0"_s, FieldType::Text, 7}, {true, {}, {}, {}}), EntryEditor::Text);

    const CaptionFile shipped(QStringLiteral(QUILL_SOURCE_RESOURCE_DIR "/label.dat"));
    const AddressFields delivered = AddressFields::fromCaptions(shipped);
    QVERIFY(delivered.korean);
    QCOMPARE(delivered.postalCode, u"우편번호"_s);
    QCOMPARE(delivered.address1, u"주소"_s);
    QCOMPARE(delivered.address2, u"주소1"_s);
}

void TestRecordEntry::layoutOfGeneratedEditors()
{
    const QList<QSize> labels{{40, 12}, {70, 12}, {55, 14}};
    const QList<QSize> editors{{120, 21}, {80, 21}, {400, 22}};
    const EntryLayout alone = entryLayout(labels, editors, -1);
    QCOMPARE(alone.rows.size(), 3);
    QCOMPARE(alone.rows.at(0).label, QRect(20, 30, 40, 12));
    QCOMPARE(alone.rows.at(1).label, QRect(20, 55, 70, 12));
    QCOMPARE(alone.rows.at(2).label, QRect(20, 80, 55, 14));
    // Editors 5 pixels above their labels, all at the widest label (70) plus 35.
    QCOMPARE(alone.rows.at(0).editor, QRect(105, 25, 120, 21));
    QCOMPARE(alone.rows.at(2).editor, QRect(105, 75, 400, 22));
    QCOMPARE(alone.groupTop, 15);
    QCOMPARE(alone.groupHeight, 75 + 22 + 5); // 5 below the lowest editor

    const EntryLayout below = entryLayout(labels, editors, 120);
    QCOMPARE(below.groupTop, 135);
    QCOMPARE(below.rows.at(1).label, alone.rows.at(1).label); // rows are inside the group

    QCOMPARE(textEditorWidth(12), 120);
    QCOMPARE(textEditorWidth(255), MaxTextEditorWidth);
    QCOMPARE(entryWindowHeight(300, 40, 20, 1080), 410);
    QCOMPARE(entryWindowHeight(3000, 40, 20, 768), 668);
}

void TestRecordEntry::typedValues_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("size");
    QTest::addColumn<EntryEditor>("editor");
    QTest::addColumn<QVariant>("typed");
    QTest::addColumn<QVariant>("stored"); // invalid with refused
    QTest::addColumn<bool>("refused");

    const int text = int(FieldType::Text);
    const int integer = int(FieldType::Integer);
    const int real = int(FieldType::Float);
    QTest::newRow("text within size") << text << 5 << EntryEditor::Text << QVariant(u"12345"_s)
                                      << QVariant(u"12345"_s) << false;
    QTest::newRow("text over size refused, not cut")
        << text << 5 << EntryEditor::Text << QVariant(u"123456"_s) << QVariant() << true;
    QTest::newRow("Korean counts characters") << text << 3 << EntryEditor::Text << QVariant(u"홍길동"_s)
                                              << QVariant(u"홍길동"_s) << false;
    QTest::newRow("unsized text up to 255") << text << 0 << EntryEditor::Text
                                            << QVariant(QString(255, u'x')) << QVariant(QString(255, u'x')) << false;
    QTest::newRow("unsized text over 255") << text << 0 << EntryEditor::Text << QVariant(QString(256, u'x'))
                                           << QVariant() << true;
    QTest::newRow("empty text is an empty cell") << text << 5 << EntryEditor::Text << QVariant(QString())
                                                 << QVariant() << false;
    QTest::newRow("blanks are kept") << text << 5 << EntryEditor::Text << QVariant(u"  "_s) << QVariant(u"  "_s)
                                     << false;
    QTest::newRow("postal code beyond 7") << text << 20 << EntryEditor::PostalCode
                                          << QVariant(u"123-4567"_s) << QVariant() << true;
    QTest::newRow("postal code within 7") << text << 20 << EntryEditor::PostalCode << QVariant(u"123-456"_s)
                                          << QVariant(u"123-456"_s) << false;
    QTest::newRow("address limited by field") << text << 10 << EntryEditor::Address1
                                              << QVariant(QString(11, u'가')) << QVariant() << true;
    QTest::newRow("integer from box") << integer << 0 << EntryEditor::Integer << QVariant(42)
                                      << QVariant(qlonglong(42)) << false;
    QTest::newRow("integer typed") << integer << 0 << EntryEditor::Integer << QVariant(u" -7 "_s)
                                   << QVariant(qlonglong(-7)) << false;
    QTest::newRow("integer letters") << integer << 0 << EntryEditor::Integer << QVariant(u"4x"_s) << QVariant()
                                     << true;
    QTest::newRow("integer too large") << integer << 0 << EntryEditor::Integer << QVariant(u"99999999999"_s)
                                       << QVariant() << true;
    QTest::newRow("integer at its maximum") << integer << 0 << EntryEditor::Integer
                                            << QVariant(u"2147483647"_s) << QVariant(qlonglong(2147483647)) << false;
    QTest::newRow("integer fraction") << integer << 0 << EntryEditor::Integer << QVariant(u"1.5"_s) << QVariant()
                                      << true;
    QTest::newRow("float typed") << real << 0 << EntryEditor::Float << QVariant(u"2.5"_s) << QVariant(2.5) << false;
    QTest::newRow("float from box") << real << 0 << EntryEditor::Float << QVariant(-0.125) << QVariant(-0.125)
                                    << false;
    QTest::newRow("float too large") << real << 0 << EntryEditor::Float << QVariant(1e16) << QVariant() << true;
    QTest::newRow("float letters") << real << 0 << EntryEditor::Float << QVariant(u"abc"_s) << QVariant() << true;
}

void TestRecordEntry::typedValues()
{
    QFETCH(int, type);
    QFETCH(int, size);
    QFETCH(EntryEditor, editor);
    QFETCH(QVariant, typed);
    QFETCH(QVariant, stored);
    QFETCH(bool, refused);
    const DataField field{u"Field_A"_s, FieldType(type), size};
    const Result<QVariant> value = entryValue(field, editor, typed);
    QCOMPARE(!value.ok(), refused);
    if (refused) {
        QVERIFY2(value.error().message.contains(u"Field_A"_s), qPrintable(value.error().message));
        QCOMPARE(value.error().where, u"Field_A"_s);
    } else {
        QCOMPARE(value.value(), stored);
    }
}

void TestRecordEntry::storesNewAndChangedRecords()
{
    DataSet set;
    set.setTable(people());
    set.setRecNo(2);
    QVERIFY(storeEntry(set,
        {{0, EntryEditor::Text, u"이영희"_s}, {1, EntryEditor::Integer, 25}, {2, EntryEditor::Float, 160.5}},
        true));
    QCOMPARE(set.recordCount(), 3);
    QCOMPARE(set.table().rows.at(2), (QVariantList{u"이영희"_s, qlonglong(25), 160.5, QVariant()}));
    QCOMPARE(set.recNo(), 3); // appended at the end, whichever record was current
    QCOMPARE(set.state(), DataSet::State::Browse);

    set.setRecNo(1);
    QVERIFY(storeEntry(set, {{0, EntryEditor::Text, u"홍길순"_s}, {2, EntryEditor::Float, QString()}}, false));
    QCOMPARE(set.recordCount(), 3);
    // Fields without an input (the date, the age) keep their values.
    QCOMPARE(set.table().rows.at(0), (QVariantList{u"홍길순"_s, 30, QVariant(), QDate(2020, 1, 2)}));
    QCOMPARE(set.table().rows.at(1).at(0), QVariant(u"김철수"_s));
}

void TestRecordEntry::refusedValueStoresNothing()
{
    DataSet set;
    set.setTable(people());
    const DataTable before = set.table();
    set.setRecNo(1);
    // The name comes first and is fine; the age after it is refused: neither is stored.
    const Status add = storeEntry(set, {{0, EntryEditor::Text, u"박"_s}, {1, EntryEditor::Integer, u"열"_s}}, true);
    QVERIFY(!add);
    QVERIFY(add.error().message.contains(u"나이"_s));
    const Status change = storeEntry(set, {{0, EntryEditor::Text, u"아주긴이름이요"_s}}, false);
    QVERIFY(!change);
    QVERIFY(change.error().message.contains(u"이름"_s));
    QCOMPARE(set.table().rows, before.rows);
    QCOMPARE(set.state(), DataSet::State::Browse);

    DataSet empty;
    empty.setTable(DataTable{u"e"_s, people().fields, {}, {}});
    QVERIFY(!storeEntry(empty, {{0, EntryEditor::Text, u"a"_s}}, false)); // nothing to modify
    QVERIFY(storeEntry(empty, {{0, EntryEditor::Text, u"a"_s}}, true));
    QCOMPARE(empty.recordCount(), 1);
}

void TestRecordEntry::editorTexts()
{
    QCOMPARE(entryText(QVariant()), QString());
    QCOMPARE(entryText(175.5), u"175.5"_s);
    QCOMPARE(entryText(2.0), u"2"_s);
    QCOMPARE(entryText(qlonglong(-3)), u"-3"_s);
    QCOMPARE(entryText(u"홍"_s), u"홍"_s);
}

QTEST_GUILESS_MAIN(TestRecordEntry)
#include "tst_record_entry.moc"
