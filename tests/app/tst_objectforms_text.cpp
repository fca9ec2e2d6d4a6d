// The property dialogs of the serial number, the field label's honorific and the table, driven
// through their controls: what OK gives, what is refused, and that Cancel changes nothing.
#include "../core/ObjectRoundTrip.h"
#include "ModalAnswer.h"

#include "objects/ADDHonoForm.h"
#include "objects/SerialNumberForm.h"
#include "objects/ShapeTableForm.h"

#include "document/StandardProperties.h"
#include "objects/ZR_GuideLabel.h"
#include "objects/ZR_SerialNumber.h"
#include "objects/ZR_ShapeTable.h"
#include "shell/CaptionFile.h"

#include <QComboBox>
#include <QFontComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

using namespace quill;
using quill::testing::recordBytes;

namespace {

template<typename T> T *child(QWidget &dialog, const char *name)
{
    T *w = dialog.findChild<T *>(QString::fromLatin1(name));
    if (!w)
        qFatal("no control %s", name);
    return w;
}

void click(QWidget &dialog, const char *button)
{
    child<QPushButton>(dialog, button)->click();
}

// Clicks a button that should open a message box, and returns the message (empty when none).
QString clickExpectingMessage(QWidget &dialog, const char *button)
{
    QString seen;
    quilltest::answerMessageBox(QMessageBox::Ok, &seen);
    click(dialog, button);
    return seen;
}

std::unique_ptr<TZR_SerialNumber> countingNumber()
{
    auto number = std::make_unique<TZR_SerialNumber>();
    number->setBounds(QRect(10, 20, 120, 20));
    number->setPrefix(QStringLiteral("A-"));
    number->setPostfix(QStringLiteral("호"));
    number->setImsiSerialNum(3);
    number->setStartNum(7);
    number->setEndNum(20);
    number->setIncNum(1);
    number->setAlignment(taRightJustify);
    return number;
}

std::unique_ptr<TZR_ShapeTable> table152()
{
    auto table = std::make_unique<TZR_ShapeTable>();
    table->setBounds(QRect(0, 0, 152, 92));
    table->buildGrid();
    return table;
}

QImage draw(const LabelObject &object)
{
    QImage image(object.bounds().size(), QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    object.paint(painter, PaintContext());
    return image;
}

bool dark(const QImage &image, int x, int y)
{
    return qGray(image.pixel(x, y)) < 100;
}

void setSpin(QWidget &dialog, const char *name, int value)
{
    child<QSpinBox>(dialog, name)->setValue(value);
}

} // namespace

class TestObjectFormsText : public QObject {
    Q_OBJECT
private slots:
    void captionsWithoutCaptionFile();
    void serialNumberAppliedOnOk();
    void serialNumberRefusals_data();
    void serialNumberRefusals();
    void cancelChangesNothing();
    void honorificForDataListSend();
    void honorificRefusals();
    void honorificOfOneLabel();
    void tableCounts_data();
    void tableCounts();
    void screenshots();

private:
    CaptionFile mCaptions; // no file: every text is the built-in one
};

void TestObjectFormsText::captionsWithoutCaptionFile()
{
    TZR_SerialNumber number;
    TSerialNumberForm serial(mCaptions, number);
    QCOMPARE(serial.windowTitle(), QStringLiteral("일련번호"));
    QCOMPARE(child<QPushButton>(serial, "OkBtn")->text(), QStringLiteral("확인"));
    QVERIFY(child<QPushButton>(serial, "OkBtn")->isDefault());
    TZR_ShapeTable table;
    TZRShapeTableForm tableForm(mCaptions, table);
    QCOMPARE(tableForm.windowTitle(), QStringLiteral("표 등록정보"));
    TADDHonoForm hono(mCaptions, QStringList {QStringLiteral("이름")});
    QCOMPARE(hono.windowTitle(), QStringLiteral("존칭추가"));
    QCOMPARE(child<QPushButton>(hono, "AddBtn")->text(), QStringLiteral("추가"));
    QVERIFY(!(hono.windowFlags() & Qt::WindowCloseButtonHint));
}

// The boxes open on the number; OK gives the copy the counter settings (start and first number
// alike, direction from the range) but not the font or alignment, which only the preview shows.
void TestObjectFormsText::serialNumberAppliedOnOk()
{
    const auto original = countingNumber();
    const QByteArray before = recordBytes(*original);
    TSerialNumberForm form(mCaptions, *original);
    QCOMPARE(child<QLineEdit>(form, "prefix")->text(), QStringLiteral("A-"));
    QCOMPARE(child<QLineEdit>(form, "postfix")->text(), QStringLiteral("호"));
    QCOMPARE(child<QSpinBox>(form, "StartNum")->value(), 7);
    QCOMPARE(child<QSpinBox>(form, "EndNum")->value(), 20);
    QCOMPARE(child<QSpinBox>(form, "Dx")->value(), 1);
    QCOMPARE(child<QSpinBox>(form, "Dx")->minimum(), -1000);
    QCOMPARE(child<QSpinBox>(form, "Dx")->maximum(), 1000);
    QCOMPARE(form.preview().displayText(), QStringLiteral("A-7호"));

    child<QLineEdit>(form, "prefix")->setText(QStringLiteral("No."));
    child<QLineEdit>(form, "postfix")->clear();
    setSpin(form, "StartNum", 10);
    setSpin(form, "EndNum", 1);
    setSpin(form, "Dx", -3);
    child<QComboBox>(form, "AlignBtn")->setCurrentIndex(1);
    auto *font = child<QFontComboBox>(form, "FontName");
    font->setCurrentIndex(font->count() - 1);
    // The preview follows every change.
    QCOMPARE(form.preview().displayText(), QStringLiteral("No.10"));
    QCOMPARE(form.preview().alignment(), int(taCenter));
    QCOMPARE(form.preview().fontName(), font->currentText());
    QVERIFY(!form.findChild<QWidget *>(QStringLiteral("zrSerialNumber"))->grab().isNull());

    click(form, "OkBtn");
    QCOMPARE(form.result(), int(QDialog::Accepted));
    const auto result = form.takeResult();
    QVERIFY(result);
    QCOMPARE(result->prefix(), QStringLiteral("No."));
    QCOMPARE(result->postfix(), QString());
    QCOMPARE(result->startNum(), 10);
    QCOMPARE(result->imsiSerialNum(), 10);
    QCOMPARE(result->endNum(), 1);
    QCOMPARE(result->incNum(), -3);
    QVERIFY(!result->rising());
    QVERIFY(result->canReachEnd());
    QCOMPARE(result->displayText(), QStringLiteral("No.10"));
    QCOMPARE(result->alignment(), int(taRightJustify));
    QCOMPARE(result->fontName(), original->fontName());
    QCOMPARE(result->bounds(), original->bounds());
    // The serial number tool builds its new object from the preview.
    QCOMPARE(form.preview().imsiSerialNum(), 10);
    QVERIFY(!form.preview().rising());
    QCOMPARE(recordBytes(*original), before);
    QVERIFY(!form.takeResult()); // taken once
}

void TestObjectFormsText::serialNumberRefusals_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("end");
    QTest::addColumn<int>("step");
    QTest::addColumn<bool>("emptyStart");
    QTest::addColumn<QString>("messagePart");
    QTest::newRow("step 0") << 1 << 5 << 0 << false << "0이 아닌";
    QTest::newRow("end below start, rising step") << 5 << 1 << 1 << false << "끝 번호";
    QTest::newRow("end above start, falling step") << 1 << 5 << -2 << false << "끝 번호";
    QTest::newRow("emptied start box") << 1 << 5 << 1 << true << "비어";
}

// A refused entry shows a message, keeps the dialog open and gives nothing; once corrected,
// OK goes through.
void TestObjectFormsText::serialNumberRefusals()
{
    QFETCH(int, start);
    QFETCH(int, end);
    QFETCH(int, step);
    QFETCH(bool, emptyStart);
    QFETCH(QString, messagePart);
    const auto original = countingNumber();
    const QByteArray before = recordBytes(*original);
    TSerialNumberForm form(mCaptions, *original);
    form.show();
    setSpin(form, "StartNum", start);
    setSpin(form, "EndNum", end);
    setSpin(form, "Dx", step);
    QLineEdit *startText = child<QSpinBox>(form, "StartNum")->findChild<QLineEdit *>();
    if (emptyStart)
        startText->clear();

    const QString message = clickExpectingMessage(form, "OkBtn");
    QVERIFY2(message.contains(messagePart), qPrintable(message));
    QVERIFY(form.isVisible());
    QVERIFY(form.result() != QDialog::Accepted);
    QVERIFY(!form.takeResult());
    QCOMPARE(form.preview().imsiSerialNum(), 1); // the preview was not confirmed either

    if (emptyStart)
        startText->setText(QString::number(start));
    setSpin(form, "Dx", end < start ? -1 : 1);
    click(form, "OkBtn");
    QCOMPARE(form.result(), int(QDialog::Accepted));
    const auto result = form.takeResult();
    QVERIFY(result);
    QCOMPARE(result->startNum(), start);
    QCOMPARE(result->endNum(), end);
    QCOMPARE(recordBytes(*original), before);
}

// Whatever was typed, Cancel gives nothing and the original keeps every value.
void TestObjectFormsText::cancelChangesNothing()
{
    const auto number = countingNumber();
    const QByteArray numberBefore = recordBytes(*number);
    TSerialNumberForm serial(mCaptions, *number);
    child<QLineEdit>(serial, "prefix")->setText(QStringLiteral("X"));
    setSpin(serial, "StartNum", 99);
    click(serial, "CancelBtn");
    QCOMPARE(serial.result(), int(QDialog::Rejected));
    QVERIFY(!serial.takeResult());
    QCOMPARE(recordBytes(*number), numberBefore);
    QVERIFY(number->rising());

    const auto table = table152();
    const QByteArray tableBefore = recordBytes(*table);
    TZRShapeTableForm tableForm(mCaptions, *table);
    setSpin(tableForm, "Spe_columns", 7);
    setSpin(tableForm, "Spe_rows", 1);
    click(tableForm, "CancelBtn");
    QVERIFY(!tableForm.takeResult());
    QCOMPARE(recordBytes(*table), tableBefore);

    TZR_GuideLabel label;
    label.setFieldName(QStringLiteral("이름"));
    label.setAddHono(QStringLiteral("님"));
    const QByteArray labelBefore = recordBytes(label);
    TADDHonoForm hono(mCaptions, label);
    child<QLineEdit>(hono, "Edt_ADDHono")->setText(QStringLiteral("귀하"));
    click(hono, "CancelBtn");
    QVERIFY(!hono.takeResult());
    QCOMPARE(recordBytes(label), labelBefore);
}

// The data list send offers its fields, the first selected, and keeps the chosen pair.
void TestObjectFormsText::honorificForDataListSend()
{
    const QStringList fields {
        QStringLiteral("이름"), QStringLiteral("주소"), QStringLiteral("우편번호")};
    TADDHonoForm form(mCaptions, fields);
    auto *list = child<QComboBox>(form, "Cbo_FieldLists");
    QCOMPARE(list->count(), 3);
    QCOMPARE(list->currentText(), QStringLiteral("이름"));
    QVERIFY(!list->isEditable());
    list->setCurrentIndex(1);
    child<QLineEdit>(form, "Edt_ADDHono")->setText(QStringLiteral("귀하"));
    click(form, "AddBtn");
    QCOMPARE(form.result(), int(QDialog::Accepted));
    QCOMPARE(form.honorific(), (TZR_ADDHono {QStringLiteral("주소"), QStringLiteral("귀하")}));
    QVERIFY(!form.takeResult()); // no label was given
}

void TestObjectFormsText::honorificRefusals()
{
    TADDHonoForm noFields(mCaptions, QStringList());
    noFields.show();
    child<QLineEdit>(noFields, "Edt_ADDHono")->setText(QStringLiteral("님"));
    QCOMPARE(clickExpectingMessage(noFields, "AddBtn"),
        QStringLiteral("선택된 필드가 없습니다. 먼저 필드를 선택 하십시오."));
    QVERIFY(noFields.isVisible());

    TADDHonoForm noText(mCaptions, QStringList {QStringLiteral("이름")});
    noText.show();
    QCOMPARE(clickExpectingMessage(noText, "AddBtn"),
        QStringLiteral("존칭추가 내용이 없습니다. 먼저 내용을 입력 하십시오."));
    QVERIFY(noText.isVisible());
    QVERIFY(noText.result() != QDialog::Accepted);
}

// On one field label: its field is the only choice, the box starts at its honorific and the
// copy gets the new one.
void TestObjectFormsText::honorificOfOneLabel()
{
    TZR_GuideLabel label;
    label.setFieldName(QStringLiteral("이름"));
    label.setAddHono(QStringLiteral("님"));
    label.setCaption(QStringLiteral("홍길동님"));
    TADDHonoForm form(mCaptions, label);
    QCOMPARE(child<QComboBox>(form, "Cbo_FieldLists")->count(), 1);
    QCOMPARE(child<QLineEdit>(form, "Edt_ADDHono")->text(), QStringLiteral("님"));
    child<QLineEdit>(form, "Edt_ADDHono")->setText(QStringLiteral("씨"));
    click(form, "AddBtn");
    const auto result = form.takeResult();
    QVERIFY(result);
    QCOMPARE(result->addHono(), QStringLiteral("씨"));
    QCOMPARE(result->fieldName(), QStringLiteral("이름"));
    QCOMPARE(label.addHono(), QStringLiteral("님"));
    // The record's value shows with the new honorific.
    const QHash<QString, QString> record {{QStringLiteral("이름"), QStringLiteral("홍길동")}};
    PaintContext context;
    context.labelRecord = &record;
    QCOMPARE(result->shownText(context), QStringLiteral("홍길동씨"));

    TZR_GuideLabel unbound;
    TADDHonoForm none(mCaptions, unbound);
    none.show();
    child<QLineEdit>(none, "Edt_ADDHono")->setText(QStringLiteral("님"));
    QVERIFY(!clickExpectingMessage(none, "AddBtn").isEmpty());
    QVERIFY(!none.takeResult());
}

void TestObjectFormsText::tableCounts_data()
{
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QList<int>>("widths");
    QTest::newRow("5 x 2: the last column split") << 5 << 2 << QList<int> {50, 50, 16, 16, 16};
    QTest::newRow("1 x 1") << 1 << 1 << QList<int> {150};
    QTest::newRow("3 x 3 unchanged") << 3 << 3 << QList<int> {50, 50, 50};
    QTest::newRow("99 x 99") << 99 << 99 << QList<int>();
}

// The boxes start at the table's counts; OK gives the copy columns, then rows; the copy still
// tiles its width and draws its frame and lines.
void TestObjectFormsText::tableCounts()
{
    QFETCH(int, columns);
    QFETCH(int, rows);
    QFETCH(QList<int>, widths);
    const auto original = table152();
    const QByteArray before = recordBytes(*original);
    TZRShapeTableForm form(mCaptions, *original);
    auto *columnBox = child<QSpinBox>(form, "Spe_columns");
    auto *rowBox = child<QSpinBox>(form, "Spe_rows");
    QCOMPARE(columnBox->value(), 3);
    QCOMPARE(rowBox->value(), 3);
    QCOMPARE(columnBox->minimum(), 1);
    QCOMPARE(rowBox->maximum(), 99);
    columnBox->setValue(columns);
    rowBox->setValue(rows);
    click(form, "OkBtn");
    const auto result = form.takeResult();
    QVERIFY(result);
    QCOMPARE(result->columns(), columns);
    QCOMPARE(result->rows(), rows);
    QVERIFY(result->gridReady());
    int x = 1;
    QList<int> got;
    for (int c = 0; c < columns; ++c) {
        const TGridInfoItem *col = TZR_ShapeTable::item(result->columnsCnt(), c);
        QCOMPARE(col->left(), x);
        x += col->width();
        got << col->width();
    }
    QVERIFY(x <= 151);
    if (!widths.isEmpty())
        QCOMPARE(got, widths);

    const QImage image = draw(*result);
    QVERIFY(dark(image, 1, 45)); // left side of the frame
    QVERIFY(dark(image, 75, 1)); // top side
    if (columns == 5) {
        QVERIFY(dark(image, 51, 20)); // between the first two columns
        QVERIFY(dark(image, 117, 20)); // between the third and fourth
        QVERIFY(dark(image, 30, 46)); // between the two rows
        QVERIFY(!dark(image, 25, 20)); // inside a cell
    }
    if (columns == 1)
        QVERIFY(!dark(image, 75, 45)); // one cell: nothing inside
    QCOMPARE(recordBytes(*original), before);
}

// The three dialogs as pictures, into $QUILL_SCREENSHOT_DIR when set (for the guide).
void TestObjectFormsText::screenshots()
{
    const QString folder = qEnvironmentVariable("QUILL_SCREENSHOT_DIR");
    if (folder.isEmpty())
        QSKIP("QUILL_SCREENSHOT_DIR not set");
    const auto number = countingNumber();
    TSerialNumberForm serial(mCaptions, *number);
    serial.show();
    QVERIFY(serial.grab().save(folder + QStringLiteral("/serialnumber-dialog.png")));
    TADDHonoForm hono(mCaptions, QStringList {QStringLiteral("이름"), QStringLiteral("주소")});
    hono.show();
    QVERIFY(hono.grab().save(folder + QStringLiteral("/honorific-dialog.png")));
    const auto table = table152();
    TZRShapeTableForm tableForm(mCaptions, *table);
    tableForm.show();
    QVERIFY(tableForm.grab().save(folder + QStringLiteral("/table-dialog.png")));
}

QTEST_MAIN(TestObjectFormsText)
#include "tst_objectforms_text.moc"
