// The barcode property dialogs driven through their widgets: the one- and two-dimensional
// barcode, the postal code barcode and its postal code search.
#include "ModalAnswer.h"

#include "objects/Barcode2Frm.h"
#include "objects/BarcodeFrm.h"
#include "objects/ZipCodeForm.h"
#include "objects/ZipbarcodeFrm.h"

#include "barcode/Barcode2DControl.h"
#include "barcode/BarcodeSymbologies.h"
#include "catalogue/PostalCodes.h"
#include "objects/BarcodeFormChecks.h"
#include "objects/ZR_2DBarcode.h"
#include "objects/ZR_Barcode.h"
#include "objects/ZR_ZipBarcode.h"
#include "shell/CaptionFile.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableWidget>
#include <QtTest>

using namespace quill;
using namespace quilltest;
using namespace Qt::StringLiterals;

namespace {

template<typename T> T *child(QWidget *parent, const char *name)
{
    T *found = parent->findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qWarning("no child %s", name);
    return found;
}

QVariantList valuesOf(const PersistentObject &object)
{
    QVariantList values;
    for (int i = 0; i < object.classInfo().properties.size(); ++i)
        values.append(object.value(i));
    return values;
}

// Pixels of a widget's picture that are clearly dark (bars, modules).
int darkPixels(QWidget *widget)
{
    const QImage image = widget->grab().toImage();
    int dark = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            dark += qGray(image.pixel(x, y)) < 100;
    }
    return dark;
}

PostalCodeTable smallTable()
{
    DataTable table = PostalCodeTable::emptyTable();
    table.rows = {
        {u"135-070"_s, u"서울 강남구 역삼동"_s, u"02"_s},
        {u"135-110"_s, u"서울 강남구 삼성동"_s, u"02"_s},
        {u"612-010"_s, u"부산 해운대구 우동"_s, u"051"_s},
    };
    return PostalCodeTable(table);
}

int matrixIndex(const QString &name)
{
    for (int i = 0; i < matrixSymbologies().size(); ++i) {
        if (matrixSymbologies()[i].name == name)
            return i;
    }
    return -1;
}

void clickRow(QTableWidget *grid, int row)
{
    const QRect cell = grid->visualRect(grid->model()->index(row, 1));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
}

} // namespace

class TestObjectFormsBarcodes : public QObject {
    Q_OBJECT

private slots:
    void ean13InvalidDataRefusesOk_data();
    void ean13InvalidDataRefusesOk();
    void linearSettingsApply();
    void linearEditKeepsLoadedValues();
    void matrixSymbologyAndModeApply();
    void thinBarWarning_data();
    void thinBarWarning();
    void postalSearchFillsTheDialog();
    void postalSearchSelectNeedsACurrentRow();
    void postalStatusDoesNotBlockOk();
    void cancelChangesNothing_data();
    void cancelChangesNothing();

private:
    CaptionFile mCaptions {QStringLiteral(QUILL_SOURCE_RESOURCE_DIR "/label.dat")};
};

void TestObjectFormsBarcodes::ean13InvalidDataRefusesOk_data()
{
    QTest::addColumn<QString>("data");
    QTest::addColumn<QString>("message");
    QTest::newRow("wrong length") << u"12345"_s << u"바코드 값의 길이가 맞지 않습니다."_s;
    QTest::newRow("letters") << u"ABCDEFGHIJKL"_s << u"바코드로 만들 수 없는 값입니다."_s;
}

void TestObjectFormsBarcodes::ean13InvalidDataRefusesOk()
{
    QFETCH(QString, data);
    QFETCH(QString, message);
    TZR_Barcode original;
    original.setBounds(QRect(20, 20, 151, 60));
    const QVariantList before = valuesOf(original);
    TbarcodeFrm dialog(mCaptions, original);
    dialog.show();
    QSignalSpy accepted(&dialog, &QDialog::accepted);
    auto *ok = child<QPushButton>(&dialog, "Btn_Ok");
    auto *status = child<QLineEdit>(&dialog, "Edt_Error");
    auto *preview = child<QWidget>(&dialog, "prv_Barcode");
    QVERIFY(darkPixels(preview) > 0); // the default Code 39 draws

    child<QComboBox>(&dialog, "Cbo_BarcodeType")->setCurrentIndex(TZR_Barcode::EAN13);
    child<QLineEdit>(&dialog, "Edt_BarcodeValue")->setText(data);
    QVERIFY2(status->text().startsWith(message), qPrintable(status->text()));
    QVERIFY(status->text().contains(u"EAN-13: 숫자 12자리"_s));
    QVERIFY(!ok->isEnabled());
    QCOMPARE(darkPixels(preview), 0); // the preview shows what would print: nothing
    dialog.accept();
    QCOMPARE(accepted.count(), 0);
    QVERIFY(dialog.isVisible());

    child<QLineEdit>(&dialog, "Edt_BarcodeValue")->setText(u"590123412345"_s);
    QCOMPARE(status->text(), u"정상"_s);
    QVERIFY(ok->isEnabled());
    QVERIFY(darkPixels(preview) > 0);
    QTest::mouseClick(ok, Qt::LeftButton);
    QCOMPARE(accepted.count(), 1);
    const std::unique_ptr<TZR_Barcode> result = dialog.takeResult();
    QCOMPARE(result->codeType(), quint16(TZR_Barcode::EAN13));
    QCOMPARE(result->caption(), u"590123412345"_s);
    QCOMPARE(result->bounds(), original.bounds());
    QCOMPARE(valuesOf(original), before);
}

void TestObjectFormsBarcodes::linearSettingsApply()
{
    TZR_Barcode original;
    original.setBounds(QRect(0, 0, 200, 80));
    TbarcodeFrm dialog(mCaptions, original);
    QSignalSpy help(&dialog, &TbarcodeFrm::helpRequested);
    child<QComboBox>(&dialog, "Cbo_BarcodeType")->setCurrentIndex(TZR_Barcode::Code128);
    child<QLineEdit>(&dialog, "Edt_BarcodeValue")->setText(u"Quill-128"_s);
    child<QCheckBox>(&dialog, "Chk_Parity")->setChecked(false);
    child<QRadioButton>(&dialog, "Rdo_Align2")->click();
    child<QCheckBox>(&dialog, "Chk_Text")->setChecked(false);
    child<QCheckBox>(&dialog, "Chk_Asterisk")->setChecked(false);
    child<QCheckBox>(&dialog, "Chk_StartEnd")->setChecked(true);
    // A margin typed while its box is unchecked is no margin.
    child<QDoubleSpinBox>(&dialog, "spe_Margin")->setValue(2.5);
    QCOMPARE(dialog.preview().marginSize(), 0.0);
    child<QCheckBox>(&dialog, "Chk_Margin")->setChecked(true);
    QCOMPARE(dialog.preview().marginSize(), 2.5);
    child<QComboBox>(&dialog, "Cbo_Orientation")->setCurrentIndex(1);
    QTest::mouseClick(child<QPushButton>(&dialog, "Btn_Help"), Qt::LeftButton);
    QCOMPARE(help.count(), 1);
    QVERIFY(dialog.isAcceptable());
    dialog.accept();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));

    const std::unique_ptr<TZR_Barcode> r = dialog.takeResult();
    QCOMPARE(r->codeType(), quint16(TZR_Barcode::Code128));
    QCOMPARE(r->caption(), u"Quill-128"_s);
    QVERIFY(!r->autoParity() && !r->showCheckDigit());
    QCOMPARE(r->justifyText(), quint16(2));
    QVERIFY(!r->showText());
    QCOMPARE(r->showAsterisk(), quint16(0));
    QVERIFY(r->showLightMargins());
    QCOMPARE(r->marginSize(), 2.5);
    QCOMPARE(r->orientation(), quint16(1));
    QCOMPARE(original.caption(), u"12345678"_s);
    QCOMPARE(original.codeType(), quint16(TZR_Barcode::Code39));
}

void TestObjectFormsBarcodes::linearEditKeepsLoadedValues()
{
    TZR_Barcode original;
    original.setBounds(QRect(5, 7, 151, 61));
    original.setCodeType(TZR_Barcode::UPCA);
    original.setCaption(u"01234567890"_s);
    original.setShowCheckDigit(false); // differs from AutoParity: kept while parity is untouched
    original.setJustifyText(1);
    original.setShowAsterisk(0);
    original.setShowLightMargins(true);
    original.setMarginSize(1.5);
    original.setOrientation(2);
    const QVariantList before = valuesOf(original);
    TbarcodeFrm dialog(mCaptions, original);
    QCOMPARE(child<QComboBox>(&dialog, "Cbo_BarcodeType")->currentIndex(), int(TZR_Barcode::UPCA));
    QCOMPARE(child<QLineEdit>(&dialog, "Edt_BarcodeValue")->text(), u"01234567890"_s);
    QVERIFY(child<QCheckBox>(&dialog, "Chk_Parity")->isChecked());
    QVERIFY(child<QRadioButton>(&dialog, "Rdo_Align1")->isChecked());
    QVERIFY(!child<QCheckBox>(&dialog, "Chk_Asterisk")->isChecked());
    QVERIFY(child<QCheckBox>(&dialog, "Chk_StartEnd")->isChecked());
    QVERIFY(child<QCheckBox>(&dialog, "Chk_Margin")->isChecked());
    QCOMPARE(child<QDoubleSpinBox>(&dialog, "spe_Margin")->value(), 1.5);
    QCOMPARE(child<QComboBox>(&dialog, "Cbo_Orientation")->currentIndex(), 2);
    // Another change leaves the rest of the object as loaded, sizes included.
    child<QCheckBox>(&dialog, "Chk_Text")->setChecked(false);
    dialog.accept();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    const std::unique_ptr<TZR_Barcode> r = dialog.takeResult();
    original.setShowText(false);
    QCOMPARE(valuesOf(*r), valuesOf(original));
    original.setShowText(true);
    QCOMPARE(valuesOf(original), before);
}

void TestObjectFormsBarcodes::matrixSymbologyAndModeApply()
{
    TZR_2DBarcode original;
    original.setBounds(QRect(0, 0, 120, 120));
    Tbarcode2Frm dialog(mCaptions, original);
    auto *type = child<QComboBox>(&dialog, "Cbo_BarcodeType");
    auto *mode = child<QComboBox>(&dialog, "Cbo_BarcodeMode");
    auto *ok = child<QPushButton>(&dialog, "Btn_Ok");
    QCOMPARE(type->count(), int(matrixSymbologies().size()));
    mode->setCurrentIndex(2); // QR Q
    QCOMPARE(dialog.preview().mode(), quint16(2));

    const int dataMatrix = matrixIndex(u"Data Matrix"_s);
    type->setCurrentIndex(dataMatrix);
    QCOMPARE(mode->count(), int(matrixSymbologies()[dataMatrix].modes.size()));
    QCOMPARE(mode->itemText(4), Barcode2DControl::modeName(dataMatrix, 4));
    QCOMPARE(mode->currentIndex(), 0);
    QCOMPARE(dialog.preview().mode(), quint16(0)); // a new symbology starts at its first mode

    // Too much for the smallest size: the message names the symbology and OK is off.
    mode->setCurrentIndex(1);
    child<QLineEdit>(&dialog, "Edt_BarcodeValue")->setText(u"12345678901234567890"_s);
    const QString message = child<QLineEdit>(&dialog, "Edt_Error")->text();
    QVERIFY2(message.contains(u"Data Matrix"_s), qPrintable(message));
    QVERIFY(!ok->isEnabled());

    mode->setCurrentIndex(4);
    QCOMPARE(mode->currentText(), u"16x16"_s);
    QVERIFY(ok->isEnabled());
    child<QCheckBox>(&dialog, "Chk_Autosize")->setChecked(false);
    child<QCheckBox>(&dialog, "Chk_Transe")->setChecked(true);
    whenModalAppears([](QWidget *modal) {
        if (auto *colours = qobject_cast<QColorDialog *>(modal)) {
            colours->setCurrentColor(QColor(255, 0, 0));
            colours->accept();
        }
    });
    QTest::mouseClick(child<QPushButton>(&dialog, "Btn_ForeColor"), Qt::LeftButton);
    QTest::mouseClick(ok, Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));

    const std::unique_ptr<TZR_2DBarcode> r = dialog.takeResult();
    QCOMPARE(r->codeType(), quint16(dataMatrix));
    QCOMPARE(r->mode(), quint16(4));
    QCOMPARE(r->caption(), u"12345678901234567890"_s);
    QVERIFY(!r->useEnhanced());
    QVERIFY(r->transparent());
    QCOMPARE(r->foreColor(), clRed);
    QCOMPARE(r->errorCode(), 0);
    QCOMPARE(original.codeType(), quint16(0));
    QCOMPARE(original.foreColor(), clBlack);
}

void TestObjectFormsBarcodes::thinBarWarning_data()
{
    QTest::addColumn<bool>("matrix");
    QTest::addColumn<double>("tinyMm");
    QTest::newRow("Code 39") << false << 8.0;
    QTest::newRow("QR Code") << true << 1.6;
}

void TestObjectFormsBarcodes::thinBarWarning()
{
    QFETCH(bool, matrix);
    QFETCH(double, tinyMm);
    TZR_Barcode linear;
    linear.setBounds(QRect(0, 0, 151, 60));
    TZR_2DBarcode square;
    square.setBounds(QRect(0, 0, 120, 120));
    std::unique_ptr<QDialog> dialog;
    if (matrix)
        dialog = std::make_unique<Tbarcode2Frm>(mCaptions, square);
    else
        dialog = std::make_unique<TbarcodeFrm>(mCaptions, linear);
    dialog->show();
    auto *warning = child<QLabel>(dialog.get(), "Lbl_ThinBars");
    auto *width = child<QDoubleSpinBox>(dialog.get(), "spe_Width");
    auto *height = child<QDoubleSpinBox>(dialog.get(), "spe_Height");
    QVERIFY(!warning->isVisible());

    width->setValue(tinyMm);
    if (matrix)
        height->setValue(tinyMm);
    QVERIFY(warning->isVisible());
    QVERIFY(warning->text().contains(u"300 dpi"_s));
    // A warning, not a refusal: thin bars still draw.
    QVERIFY(child<QPushButton>(dialog.get(), "Btn_Ok")->isEnabled());

    width->setValue(40);
    height->setValue(matrix ? 40 : 16);
    QVERIFY(!warning->isVisible());
    dialog->accept();
    const QRect bounds = matrix ? static_cast<Tbarcode2Frm *>(dialog.get())->takeResult()->bounds()
                                : static_cast<TbarcodeFrm *>(dialog.get())->takeResult()->bounds();
    QCOMPARE(bounds, QRect(0, 0, objectPixels(40), objectPixels(matrix ? 40 : 16)));
}

void TestObjectFormsBarcodes::postalSearchFillsTheDialog()
{
    const PostalCodeTable table = smallTable();
    TZR_ZipBarcode original;
    original.setBounds(QRect(0, 0, 147, 40));
    startNewZipBarcode(original);
    TZipbarcodeFrm dialog(mCaptions, original, table);
    QCOMPARE(child<QLineEdit>(&dialog, "Edt_zipData")->text(), u"123-456"_s);
    QVERIFY(child<QCheckBox>(&dialog, "autosizeChkBox")->isChecked());
    QCOMPARE(child<QSpinBox>(&dialog, "spEdt_BarWidth")->value(), 1);
    QCOMPARE(child<QSpinBox>(&dialog, "spEdt_StartPoint")->value(), 1);

    bool panelShown = false, disabledAtFirst = false, disabledAfterSearch = false;
    bool enabledOnRow = false;
    int rows = -1;
    whenModalAppears([&](QWidget *modal) {
        auto *form = qobject_cast<TZipCodeForm *>(modal);
        if (!form)
            return;
        auto *select = child<QPushButton>(form, "SelectBtn");
        auto *grid = child<QTableWidget>(form, "DBGrid");
        panelShown = child<QWidget>(form, "SearchPanel")->isVisible();
        disabledAtFirst = !select->isEnabled();
        child<QLineEdit>(form, "Edt_Search")->setText(u"역삼"_s);
        QTest::mouseClick(child<QPushButton>(form, "SearchBtn"), Qt::LeftButton);
        rows = grid->rowCount();
        disabledAfterSearch = !select->isEnabled();
        clickRow(grid, 0);
        enabledOnRow = select->isEnabled();
        QTest::mouseClick(select, Qt::LeftButton);
    });
    QTest::mouseClick(child<QPushButton>(&dialog, "ZipSearchBtn"), Qt::LeftButton);
    QVERIFY(panelShown);
    QVERIFY(disabledAtFirst);
    QCOMPARE(rows, 1);
    QVERIFY(disabledAfterSearch);
    QVERIFY(enabledOnRow);
    QCOMPARE(child<QLineEdit>(&dialog, "Edt_zipData")->text(), u"135-070"_s);
    QCOMPARE(child<QLineEdit>(&dialog, "Edt_Error")->text(), u" OK"_s);
    QCOMPARE(dialog.preview().text(), u"135-070"_s);

    dialog.accept();
    const std::unique_ptr<TZR_ZipBarcode> r = dialog.takeResult();
    QCOMPARE(r->text(), u"135-070"_s);
    QVERIFY(r->autoSize());
    QCOMPARE(r->color(), clBlack);
    QCOMPARE(original.text(), u"123-456"_s);
}

void TestObjectFormsBarcodes::postalSearchSelectNeedsACurrentRow()
{
    const PostalCodeTable table = smallTable();
    TZipCodeForm form(mCaptions, table);
    form.setSearchPanelVisible(true);
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    auto *select = child<QPushButton>(&form, "SelectBtn");
    auto *grid = child<QTableWidget>(&form, "DBGrid");
    QVERIFY(!select->isEnabled());
    form.accept(); // 선택 before any search takes nothing
    QVERIFY(form.isVisible());
    QVERIFY(form.chosenZipCode().isEmpty());

    QString told;
    answerMessageBox(QMessageBox::Ok, &told);
    QCOMPARE(form.search(u"없는동"_s), 0);
    QCOMPARE(told, u"우편번호를 찾을 수 없습니다."_s);
    QCOMPARE(grid->rowCount(), 0);

    QCOMPARE(form.search(u"강남"_s), 2);
    QVERIFY(!select->isEnabled());
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_Down); // a key in the grid makes a row current
    QVERIFY(grid->currentRow() >= 0);
    QVERIFY(select->isEnabled());
    QTest::keyClick(grid, Qt::Key_Down);
    QCOMPARE(grid->currentRow(), 1);
    QVERIFY(grid->selectionModel()->isRowSelected(1, {}));
    QTest::keyClick(grid, Qt::Key_Return); // Enter goes on to 선택
    QCOMPARE(form.focusWidget(), select);
    QTest::mouseClick(select, Qt::LeftButton);
    QCOMPARE(form.result(), int(QDialog::Accepted));
    QCOMPARE(form.chosenZipCode(), u"135-110"_s);
    QCOMPARE(form.chosenAddress(), u"서울 강남구 삼성동"_s);

    // Rows handed over by the record entry window: the first is current when shown.
    TZipCodeForm given(mCaptions, table);
    given.setAreas(table.searchAddress(u"부산"_s));
    QVERIFY(!child<QPushButton>(&given, "SelectBtn")->isEnabled());
    given.show();
    QVERIFY(child<QPushButton>(&given, "SelectBtn")->isEnabled());
    given.accept();
    QCOMPARE(given.chosenZipCode(), u"612-010"_s);
}

void TestObjectFormsBarcodes::postalStatusDoesNotBlockOk()
{
    const PostalCodeTable table = smallTable();
    TZR_ZipBarcode original;
    original.setBounds(QRect(0, 0, 147, 40));
    original.setText(u"12-3456"_s);
    original.setBarWidth(2.6);
    original.setBStartPoint(4);
    TZipbarcodeFrm dialog(mCaptions, original, table);
    dialog.show();
    QCOMPARE(child<QLineEdit>(&dialog, "Edt_zipData")->text(), u"12-3456"_s);
    QCOMPARE(child<QSpinBox>(&dialog, "spEdt_BarWidth")->value(), 3);
    QCOMPARE(child<QSpinBox>(&dialog, "spEdt_StartPoint")->value(), 4);
    QVERIFY(!child<QCheckBox>(&dialog, "autosizeChkBox")->isChecked());
    QCOMPARE(child<QLineEdit>(&dialog, "Edt_Error")->text(), u" 우편번호 입력 오류."_s);
    QVERIFY(child<QPushButton>(&dialog, "Btn_Ok")->isEnabled());
    QVERIFY(darkPixels(child<QWidget>(&dialog, "prv_ZipBarcode")) > 0);

    // The automatic size on a narrow object leaves bars under half a pixel: a warning.
    child<QDoubleSpinBox>(&dialog, "spe_Width")->setValue(15);
    child<QCheckBox>(&dialog, "autosizeChkBox")->setChecked(true);
    QVERIFY(child<QLabel>(&dialog, "Lbl_ThinBars")->isVisible());
    child<QCheckBox>(&dialog, "autosizeChkBox")->setChecked(false);
    QVERIFY(!child<QLabel>(&dialog, "Lbl_ThinBars")->isVisible());

    // Typed but not yet left: OK still takes it.
    child<QLineEdit>(&dialog, "Edt_zipData")->setText(u"612-010"_s);
    dialog.accept();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    const std::unique_ptr<TZR_ZipBarcode> r = dialog.takeResult();
    QCOMPARE(r->text(), u"612-010"_s);
    QCOMPARE(r->barWidth(), 3.0);
    QCOMPARE(r->bStartPoint(), quint16(4));
    QVERIFY(!r->autoSize());
    QCOMPARE(r->color(), clBlack);
    QCOMPARE(r->bounds().width(), objectPixels(15));
}

void TestObjectFormsBarcodes::cancelChangesNothing_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("barcode") << 0;
    QTest::newRow("2D barcode") << 1;
    QTest::newRow("postal code barcode") << 2;
}

void TestObjectFormsBarcodes::cancelChangesNothing()
{
    QFETCH(int, kind);
    const PostalCodeTable table = smallTable();
    std::unique_ptr<LabelObject> original;
    if (kind == 0)
        original = std::make_unique<TZR_Barcode>();
    else if (kind == 1)
        original = std::make_unique<TZR_2DBarcode>();
    else
        original = std::make_unique<TZR_ZipBarcode>();
    original->setBounds(QRect(3, 4, 150, 100));
    const QVariantList before = valuesOf(*original);

    std::unique_ptr<QDialog> dialog;
    if (kind == 0) {
        dialog = std::make_unique<TbarcodeFrm>(mCaptions, static_cast<TZR_Barcode &>(*original));
        child<QLineEdit>(dialog.get(), "Edt_BarcodeValue")->setText(u"CHANGED"_s);
        child<QCheckBox>(dialog.get(), "Chk_Parity")->setChecked(false);
    } else if (kind == 1) {
        dialog = std::make_unique<Tbarcode2Frm>(mCaptions, static_cast<TZR_2DBarcode &>(*original));
        child<QComboBox>(dialog.get(), "Cbo_BarcodeType")->setCurrentIndex(2);
        child<QCheckBox>(dialog.get(), "Chk_Transe")->setChecked(true);
    } else {
        dialog = std::make_unique<TZipbarcodeFrm>(
            mCaptions, static_cast<TZR_ZipBarcode &>(*original), table);
        child<QLineEdit>(dialog.get(), "Edt_zipData")->setText(u"999-999"_s);
        child<QCheckBox>(dialog.get(), "autosizeChkBox")->setChecked(true);
    }
    child<QDoubleSpinBox>(dialog.get(), "spe_Width")->setValue(25);
    QTest::mouseClick(child<QPushButton>(dialog.get(), "Btn_Cancel"), Qt::LeftButton);
    QCOMPARE(dialog->result(), int(QDialog::Rejected));
    QCOMPARE(valuesOf(*original), before);
}

QTEST_MAIN(TestObjectFormsBarcodes)
#include "tst_objectforms_barcodes.moc"
