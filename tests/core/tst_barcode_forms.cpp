// What the barcode dialogs compute: the Korean status of the data per symbology, the narrowest
// bar as printed and the thin-bar warning, and the size box conversions.
#include "barcode/BarcodeControl.h"
#include "barcode/BarcodeDataRules.h"
#include "barcode/BarcodeErrors.h"
#include "barcode/BarcodePicture.h"
#include "barcode/BarcodeSymbologies.h"
#include "objects/BarcodeFormChecks.h"
#include "objects/ZR_2DBarcode.h"
#include "objects/ZR_Barcode.h"
#include "objects/ZR_ZipBarcode.h"

#include <QPainterPath>
#include <QTest>

using namespace quill;
using namespace Qt::StringLiterals;

namespace {

std::unique_ptr<TZR_Barcode> linearObject(
    int codeType, const QString &data, int width = 151, int height = 60)
{
    auto object = std::make_unique<TZR_Barcode>();
    object->setBounds(QRect(10, 10, width, height));
    object->setCodeType(quint16(codeType));
    object->setCaption(data);
    return object;
}

std::unique_ptr<TZR_2DBarcode> matrixObject(
    int codeType, int mode, const QString &data, int size = 120)
{
    auto object = std::make_unique<TZR_2DBarcode>();
    object->setBounds(QRect(0, 0, size, size));
    object->setCodeType(quint16(codeType));
    object->setMode(quint16(mode));
    object->setCaption(data);
    return object;
}

int matrixIndex(const QString &name)
{
    const QList<MatrixSymbology> &list = matrixSymbologies();
    for (int i = 0; i < list.size(); ++i) {
        if (list[i].name == name)
            return i;
    }
    return -1;
}

const QString kEan13Rule = u"EAN-13: 숫자 12자리 (검사 숫자까지 13자리)"_s;

} // namespace

class TestBarcodeForms : public QObject {
    Q_OBJECT

private slots:
    void everySymbologyHasARule();
    void linearStatus_data();
    void linearStatus();
    void matrixStatus_data();
    void matrixStatus();
    void narrowestMarkFollowsPrintedSizeAndTurn();
    void thinBarsFollowTheObjectSize_data();
    void thinBarsFollowTheObjectSize();
    void postalBarsAndStatus_data();
    void postalBarsAndStatus();
    void sizeBoxesKeepPixels();
    void newPostalBarcodeStart();
};

void TestBarcodeForms::everySymbologyHasARule()
{
    // A symbology appended to a list without its rule would show a bare message.
    const int linear = int(linearSymbologies().size());
    for (int i = 0; i < linear; ++i)
        QVERIFY2(!linearDataRule(i).isEmpty(), qPrintable(linearSymbologies()[i].name));
    QVERIFY(linearDataRule(linear).isEmpty());
    QVERIFY(linearDataRule(-1).isEmpty());
    const int matrix = int(matrixSymbologies().size());
    for (int i = 0; i < matrix; ++i)
        QVERIFY2(!matrixDataRule(i).isEmpty(), qPrintable(matrixSymbologies()[i].name));
    QVERIFY(matrixDataRule(matrix).isEmpty());
}

void TestBarcodeForms::linearStatus_data()
{
    QTest::addColumn<int>("codeType");
    QTest::addColumn<QString>("data");
    QTest::addColumn<int>("errorCode");
    QTest::addColumn<QString>("message");
    const int tooLong = BarcodeError::TooLong, invalid = BarcodeError::InvalidData;
    QTest::newRow("EAN-13 valid") << 0 << u"590123412345"_s << 0 << u"정상"_s;
    QTest::newRow("EAN-13 with check digit") << 0 << u"5901234123457"_s << 0 << u"정상"_s;
    QTest::newRow("EAN-13 too short")
        << 0 << u"12345"_s << tooLong << u"바코드 값의 길이가 맞지 않습니다. "_s + kEan13Rule;
    QTest::newRow("EAN-13 too long") << 0 << u"12345678901234"_s << tooLong
                                     << u"바코드 값의 길이가 맞지 않습니다. "_s + kEan13Rule;
    QTest::newRow("EAN-13 letters")
        << 0 << u"59012341234A"_s << invalid << u"바코드로 만들 수 없는 값입니다. "_s + kEan13Rule;
    QTest::newRow("EAN-13 wrong check digit")
        << 0 << u"5901234123458"_s << int(BarcodeError::InvalidCheck)
        << u"검사 숫자가 맞지 않습니다. "_s + kEan13Rule;
    QTest::newRow("EAN-13 empty") << 0 << QString() << invalid << u"바코드 값을 입력하십시오."_s;
    QTest::newRow("EAN-8 letters")
        << 1 << u"12AB567"_s << invalid
        << u"바코드로 만들 수 없는 값입니다. EAN-8: 숫자 7자리 (검사 숫자까지 8자리)"_s;
    QTest::newRow("UPC-A short")
        << 19 << u"123"_s << tooLong
        << u"바코드 값의 길이가 맞지 않습니다. UPC-A: 숫자 11자리 (검사 숫자까지 12자리)"_s;
    QTest::newRow("Code 39 symbol")
        << 8 << u"AB#12"_s << invalid
        << u"바코드로 만들 수 없는 값입니다. Code 39: 영문 대문자, 숫자, 공백과 - . $ / + % (85자 이하)"_s;
    QTest::newRow("Code 39 valid") << 8 << u"CODE-39"_s << 0 << u"정상"_s;
    QTest::newRow("Code 128 text") << 9 << u"Quill 128"_s << 0 << u"정상"_s;
    QTest::newRow("EAN-128 without AI")
        << 10 << u"12345"_s << invalid
        << u"바코드로 만들 수 없는 값입니다. EAN-128 (GS1-128): GS1 응용 식별자 형식, 예) (01)09501101530003"_s;
    QTest::newRow("Interleaved letters")
        << 12 << u"12A4"_s << invalid
        << u"바코드로 만들 수 없는 값입니다. Interleaved 2 of 5: 숫자 (90자리 이하)"_s;
    QTest::newRow("Codabar without start")
        << 16 << u"123456"_s << invalid
        << u"바코드로 만들 수 없는 값입니다. Codabar: 숫자와 - $ : / . +, 앞뒤에 시작/끝 문자 A, B, C, D (예: A123456B)"_s;
    QTest::newRow("Postnet ZIP four digits")
        << 28 << u"1234"_s << tooLong
        << u"바코드 값의 길이가 맞지 않습니다. Postnet ZIP: 숫자 5자리"_s;
    QTest::newRow("Korea Post with hyphen") << 51 << u"123-456"_s << 0 << u"정상"_s;
    QTest::newRow("Korea Post seven digits")
        << 51 << u"123-4567"_s << tooLong
        << u"바코드 값의 길이가 맞지 않습니다. 우편번호 (Korea Post): 숫자 6자리 (예: 123-456)"_s;
    QTest::newRow("unknown type") << 999 << u"123"_s << int(BarcodeError::InvalidOption)
                                  << u"바코드 종류나 모드가 올바르지 않습니다."_s;
}

void TestBarcodeForms::linearStatus()
{
    QFETCH(int, codeType);
    QFETCH(QString, data);
    QFETCH(int, errorCode);
    QFETCH(QString, message);
    const auto object = linearObject(codeType, data);
    const BarcodeFormStatus status = barcodeFormStatus(*object);
    QCOMPARE(status.errorCode, errorCode);
    QCOMPARE(status.message, message);
    // OK may only take what draws, and the object's own control agrees.
    QCOMPARE(status.acceptable, errorCode == 0);
    QCOMPARE(object->errorCode(), errorCode);
    QCOMPARE(status.narrowestBarMm > 0, errorCode == 0);
}

void TestBarcodeForms::matrixStatus_data()
{
    QTest::addColumn<QString>("symbology");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("data");
    QTest::addColumn<int>("errorCode");
    QTest::addColumn<QString>("message");
    QTest::newRow("QR Korean") << u"QR Code"_s << 3 << u"우편번호 123-456"_s << 0 << u"정상"_s;
    QTest::newRow("QR too long for H")
        << u"QR Code"_s << 3 << QString(3000, u'가') << int(BarcodeError::TooLong)
        << u"바코드 값의 길이가 맞지 않습니다. QR Code: 한글을 포함한 모든 문자 "
           u"더 큰 크기나 낮은 오류 정정 수준의 모드를 고르십시오."_s;
    QTest::newRow("Data Matrix 10x10 too small")
        << u"Data Matrix"_s << 1 << u"1234567890123456789012345"_s << int(BarcodeError::TooLong)
        << u"바코드 값의 길이가 맞지 않습니다. Data Matrix: 한글을 포함한 모든 문자 (크기를 고르면 "
           u"그 크기에 들어가는 만큼) 더 큰 크기나 낮은 오류 정정 수준의 모드를 고르십시오."_s;
    QTest::newRow("Aztec Runes out of range")
        << u"Aztec Runes"_s << 0 << u"300"_s << int(BarcodeError::InvalidData)
        << u"바코드로 만들 수 없는 값입니다. Aztec Runes: 0부터 255까지의 수"_s;
    QTest::newRow("empty") << u"PDF417"_s << 0 << QString() << int(BarcodeError::InvalidData)
                           << u"바코드 값을 입력하십시오."_s;
    QTest::newRow("mode past the list")
        << u"QR Code"_s << 9 << u"QR"_s << int(BarcodeError::InvalidOption)
        << u"바코드 종류나 모드가 올바르지 않습니다."_s;
}

void TestBarcodeForms::matrixStatus()
{
    QFETCH(QString, symbology);
    QFETCH(int, mode);
    QFETCH(QString, data);
    QFETCH(int, errorCode);
    QFETCH(QString, message);
    const int type = matrixIndex(symbology);
    QVERIFY(type >= 0);
    const auto object = matrixObject(type, mode, data);
    const BarcodeFormStatus status = barcodeFormStatus(*object);
    QCOMPARE(status.errorCode, errorCode);
    QCOMPARE(status.message, message);
    QCOMPARE(status.acceptable, errorCode == 0);
}

void TestBarcodeForms::narrowestMarkFollowsPrintedSizeAndTurn()
{
    // Upright: a 0.25 mm bar in a 40 mm frame printed 80 mm wide is 0.5 mm.
    BarcodePicture upright(QSizeF(40, 20));
    upright.addRect(QRectF(1, 0, 0.5, 15), Qt::black);
    upright.addRect(QRectF(3, 0, 0.25, 15), Qt::black);
    QCOMPARE(narrowestMarkMillimetres(upright, QSizeF(80, 20)), 0.5);
    QCOMPARE(narrowestMarkMillimetres(upright, QSizeF(40, 20)), 0.25);

    // A quarter turn lays the bars' widths along the frame's height: only the printed height
    // scales them.
    BarcodePicture turned(QSizeF(20, 40));
    turned.setQuarterTurns(1);
    turned.addRect(QRectF(3, 0, 0.25, 15), Qt::black);
    QCOMPARE(narrowestMarkMillimetres(turned, QSizeF(10, 40)), 0.25);
    QCOMPARE(narrowestMarkMillimetres(turned, QSizeF(20, 20)), 0.125);

    // Modules measure their smaller side; dots and hexagons their bounds.
    BarcodePicture modules(QSizeF(10, 10));
    modules.addRect(QRectF(0, 0, 2, 0.3), Qt::black);
    QPainterPath dot;
    dot.addEllipse(QPointF(5, 5), 0.1, 0.1);
    modules.addPath(dot, Qt::black);
    QCOMPARE(narrowestMarkMillimetres(modules, QSizeF(10, 10)), 0.2);

    QCOMPARE(narrowestMarkMillimetres(BarcodePicture(QSizeF(10, 10)), QSizeF(10, 10)), 0.0);
}

void TestBarcodeForms::thinBarsFollowTheObjectSize_data()
{
    QTest::addColumn<bool>("matrix");
    QTest::addColumn<int>("large");
    QTest::addColumn<int>("small");
    // Code 39 "12345678" has about 170 modules: 151 px (40 mm) gives bars of about 0.2 mm,
    // 30 px (8 mm) about 0.05 mm. A 21-module QR symbol needs more than 7 px.
    QTest::newRow("Code 39") << false << 151 << 30;
    QTest::newRow("QR Code") << true << 120 << 6;
}

void TestBarcodeForms::thinBarsFollowTheObjectSize()
{
    QFETCH(bool, matrix);
    QFETCH(int, large);
    QFETCH(int, small);
    const auto statusAt = [&](int size) {
        if (matrix)
            return barcodeFormStatus(*matrixObject(0, 0, u"Quill"_s, size));
        return barcodeFormStatus(*linearObject(TZR_Barcode::Code39, u"12345678"_s, size));
    };
    const BarcodeFormStatus big = statusAt(large);
    const BarcodeFormStatus tiny = statusAt(small);
    QVERIFY(big.acceptable && tiny.acceptable); // thin bars warn, they do not refuse
    QVERIFY2(!big.thinBars, qPrintable(QString::number(big.narrowestBarMm)));
    QVERIFY2(tiny.thinBars, qPrintable(QString::number(tiny.narrowestBarMm)));
    QVERIFY(big.narrowestBarMm >= printerDotMillimetres());
    QVERIFY(tiny.narrowestBarMm < printerDotMillimetres());
    // The bars scale with the object (the text and margins aside).
    QVERIFY(qAbs(big.narrowestBarMm / tiny.narrowestBarMm - double(large) / small)
        < 0.1 * large / small);

    const QString warning = thinBarWarning(tiny.narrowestBarMm);
    QVERIFY(warning.contains(u"300 dpi"_s));
    QVERIFY(warning.contains(u"0.085 mm"_s));
    QVERIFY(warning.contains(QString::number(tiny.narrowestBarMm, 'f', 3) + u" mm"_s));
}

void TestBarcodeForms::postalBarsAndStatus_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("autoSize");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("barWidth");
    QTest::addColumn<int>("barPixels");
    QTest::addColumn<QString>("status");
    // w = 147 / 73.48 = 2.0005: bars Round(1.1003) = 1 px; w = 60 / 73.48: Round(0.449) = 0.
    QTest::newRow("automatic 147 px") << u"123-456"_s << true << 147 << 1 << 1 << u" OK"_s;
    QTest::newRow("automatic 60 px: no bars") << u"123-456"_s << true << 60 << 1 << 0 << u" OK"_s;
    QTest::newRow("bar width 3") << u"123-456"_s << false << 60 << 3 << 2 << u" OK"_s;
    QTest::newRow("misplaced hyphen")
        << u"12-3456"_s << false << 147 << 3 << 2 << u" 우편번호 입력 오류."_s;
    QTest::newRow("empty") << QString() << true << 147 << 1 << 1 << u" 우편번호 입력 오류."_s;
}

void TestBarcodeForms::postalBarsAndStatus()
{
    QFETCH(QString, text);
    QFETCH(bool, autoSize);
    QFETCH(int, width);
    QFETCH(int, barWidth);
    QFETCH(int, barPixels);
    QFETCH(QString, status);
    TZR_ZipBarcode zip;
    zip.setBounds(QRect(0, 0, width, 40));
    zip.setText(text);
    zip.setAutoSize(autoSize);
    zip.setBarWidth(barWidth);
    const BarcodeFormStatus result = barcodeFormStatus(zip);
    QCOMPARE(result.message, status);
    QVERIFY(result.acceptable); // the postal code barcode draws whatever is typed
    QCOMPARE(result.narrowestBarMm, barPixels * 25.4 / 96);
    QCOMPARE(result.thinBars, barPixels == 0);
}

void TestBarcodeForms::sizeBoxesKeepPixels()
{
    QCOMPARE(objectMillimetres(151), 151 * 25.4 / 96);
    QCOMPARE(objectPixels(39.95), 151);
    QCOMPARE(objectPixels(0.1), 0);
    // A size shown with one decimal and read back gives the same pixels, so an untouched size
    // box never resizes the object.
    for (int px = 1; px <= 1200; ++px) {
        const double shown = std::round(objectMillimetres(px) * 10) / 10;
        QCOMPARE(objectPixels(shown), px);
    }
}

void TestBarcodeForms::newPostalBarcodeStart()
{
    TZR_ZipBarcode zip;
    startNewZipBarcode(zip);
    QVERIFY(zip.autoSize());
    QCOMPARE(zip.barWidth(), 1.0);
    QCOMPARE(zip.bStartPoint(), quint16(1));
    QCOMPARE(zip.text(), u"123-456"_s);
    QCOMPARE(zip.color(), clBlack);
}

QTEST_MAIN(TestBarcodeForms)
#include "tst_barcode_forms.moc"
