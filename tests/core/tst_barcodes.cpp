// Barcode controls, the drawing of the barcode objects and the postal code barcode.
#include "barcode/Barcode2DControl.h"
#include "barcode/BarcodeControl.h"
#include "barcode/BarcodeErrors.h"
#include "barcode/BarcodeSymbologies.h"
#include "barcode/PostalCodeBarcode.h"
#include "objects/ZR_2DBarcode.h"
#include "objects/ZR_Barcode.h"
#include "objects/ZR_ZipBarcode.h"

#include <ZXing/ReadBarcode.h>

#include <QImage>
#include <QPainter>
#include <QtTest>

#include <algorithm>

using namespace quill;
using namespace Qt::StringLiterals;

namespace {

// The object drawn at scale onto white with a white border of margin pixels (at 100 %).
QImage renderObject(const LabelObject &object, double scale = 1.0, int margin = 0,
                    const PaintContext &context = {})
{
    const QRect box = object.bounds();
    QImage image(qCeil((box.width() + 2 * margin) * scale),
                 qCeil((box.height() + 2 * margin) * scale), QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.scale(scale, scale);
    painter.translate(margin, margin);
    object.paint(painter, context);
    painter.end();
    return image;
}

QString decode(const QImage &image, ZXing::BarcodeFormat format, bool pure = false)
{
    ZXing::DecodeHints hints;
    hints.setFormats(format);
    hints.setTryHarder(true);
    hints.setIsPure(pure);
    const ZXing::ImageView view(image.constBits(), image.width(), image.height(),
                                ZXing::ImageFormat::BGRX, int(image.bytesPerLine()));
    const ZXing::Result result = ZXing::ReadBarcode(view, hints);
    return result.isValid() ? QString::fromStdString(result.text()) : QString();
}

bool isWhite(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                return false;
        }
    }
    return true;
}

BarcodeSettings linear(int codeType, const QString &data)
{
    BarcodeSettings s;
    s.codeType = codeType;
    s.caption = data;
    s.font = QFont(QStringLiteral("DejaVu Sans"));
    s.fontSize = 9;
    s.imageWidth = 60;
    s.imageHeight = 20;
    return s;
}

// Rectangles of a picture ordered from left to right.
QList<QRectF> barsLeftToRight(const BarcodePicture &picture)
{
    QList<QRectF> bars = picture.rects();
    std::sort(bars.begin(), bars.end(),
              [](const QRectF &a, const QRectF &b) { return a.left() < b.left(); });
    return bars;
}

std::unique_ptr<TZR_Barcode> barcode1D(int codeType, const QString &data, int w = 300,
                                       int h = 100)
{
    auto object = std::make_unique<TZR_Barcode>();
    object->setBounds(QRect(0, 0, w, h));
    object->setCodeType(quint16(codeType));
    object->setCaption(data);
    return object;
}

std::unique_ptr<TZR_2DBarcode> barcode2D(int codeType, const QString &data, int mode = 0)
{
    auto object = std::make_unique<TZR_2DBarcode>();
    object->setBounds(QRect(0, 0, 200, 200));
    object->setCodeType(quint16(codeType));
    object->setMode(quint16(mode));
    object->setCaption(data);
    object->setBackColor(0x00FFFFFF);
    object->setForeColor(0);
    object->setUseEnhanced(true);
    object->setTransparent(false);
    return object;
}

} // namespace

class TestBarcodes : public QObject {
    Q_OBJECT

private slots:
    void listsKeepTheirNumbers();
    void everyLinearSymbologyRenders_data();
    void everyLinearSymbologyRenders();
    void everyMatrixSymbologyAndModeRenders();
    void decodesLinear_data();
    void decodesLinear();
    void decodesMatrix_data();
    void decodesMatrix();
    void postnetBarByBar();
    void koreaPostBarByBar();
    void humanReadableText_data();
    void humanReadableText();
    void marginsAndTextChangeTheBars();
    void orientationTurnsThePicture();
    void invalidDataGivesMessageAndEmptyPicture_data();
    void invalidDataGivesMessageAndEmptyPicture();
    void imageSizeInMillimetres();
    void recordedPictureDrawsTheSame();
    void matrixColoursSizeAndBinding();
    void postalPositions_data();
    void postalPositions();
    void postalGeometry();
    void postalObjectPaints();
};

void TestBarcodes::listsKeepTheirNumbers()
{
    const QList<QPair<int, QString>> fixed = {
        {0, u"EAN-13"_s},       {1, u"EAN-8"_s},       {8, u"Code 39"_s},
        {9, u"Code 128"_s},     {10, u"EAN-128 (GS1-128)"_s},
        {12, u"Interleaved 2 of 5"_s}, {16, u"Codabar"_s}, {19, u"UPC-A"_s},
        {23, u"UPC-E"_s},       {28, u"Postnet ZIP"_s}, {29, u"Postnet ZIP+4"_s},
        {30, u"Postnet 11 digits (DPBC)"_s}, {51, u"우편번호 (Korea Post)"_s}};
    for (const auto &[index, name] : fixed)
        QCOMPARE(BarcodeControl::codeTypeName(index), name);
    const int linearCount = int(linearSymbologies().size());
    QVERIFY(!BarcodeControl::codeTypeName(linearCount - 1).isEmpty());
    QVERIFY(BarcodeControl::codeTypeName(linearCount).isEmpty());
    QVERIFY(linearCount <= 101); // the dialog asks for indexes 0..100

    const QStringList matrixOrder = {u"QR Code"_s, u"Data Matrix"_s, u"PDF417"_s,
                                     u"MicroPDF417"_s, u"Aztec"_s, u"MaxiCode"_s,
                                     u"Micro QR"_s, u"Han Xin"_s, u"DotCode"_s,
                                     u"Grid Matrix"_s};
    for (int i = 0; i < matrixOrder.size(); ++i)
        QCOMPARE(Barcode2DControl::codeTypeName(i), matrixOrder[i]);
    const int matrixCount = int(matrixSymbologies().size());
    QVERIFY(Barcode2DControl::codeTypeName(matrixCount).isEmpty());
    for (int t = 0; t < matrixCount; ++t) {
        const int modes = int(matrixSymbologies()[t].modes.size());
        QVERIFY(modes >= 1 && modes <= 11); // the dialog asks for modes 0..10
        QVERIFY(!Barcode2DControl::modeName(t, modes - 1).isEmpty());
        QVERIFY(Barcode2DControl::modeName(t, modes).isEmpty());
    }
    QCOMPARE(Barcode2DControl::modeName(0, 3), u"H (30%)"_s);
}

void TestBarcodes::everyLinearSymbologyRenders_data()
{
    QTest::addColumn<int>("codeType");
    QTest::addColumn<QString>("data");
    const QStringList samples = {
        u"590123412345"_s, u"9638507"_s, u"9780306406157"_s, u"123-45"_s, u"12345"_s,
        u"12345"_s, u"12345"_s, u"12345"_s, u"CODE39"_s, u"Code 128"_s,
        u"[01]09501101530003"_s, u"Code39 ext"_s, u"123456"_s, u"1234567890123"_s,
        u"CODE93"_s, u"LOGMARS"_s, u"A123456B"_s, u"123456"_s, u"12345AB"_s,
        u"01234567890"_s, u"Telepen"_s, u"123456"_s, u"12345678"_s, u"123456"_s,
        u"123456"_s, u"1234"_s, u"1234"_s, u"1234567890123"_s, u"12345"_s,
        u"12345-6789"_s, u"12345678901"_s, u"12345678901"_s, u"01234567094987654321"_s,
        u"12345678901234567"_s, u"1234567890123"_s, u"1234567890123"_s,
        u"[01]09501101530003"_s, u"1234567890123"_s, u"12345678901"_s, u"SN34RD1A"_s,
        u"2500GG30250"_s, u"12345678"_s, u"12345678"_s, u"12345678"_s, u"12345678"_s,
        u"15400233-16-4-205"_s, u"A123BJC5D6E71"_s, u"A123BJC5D6E71"_s, u"DAFTDAFT"_s,
        u"1234"_s, u"123"_s, u"123-456"_s, u"1M8GDM9AXKP042788"_s,
        u"%000393206219912345678101040"_s, u"AQ45670"_s, u"12345678"_s,
        u"11210012341234567AB19XY1A"_s, u"Code128B"_s};
    QCOMPARE(samples.size(), linearSymbologies().size());
    for (int i = 0; i < samples.size(); ++i)
        QTest::addRow("%d %s", i, qPrintable(BarcodeControl::codeTypeName(i)))
            << i << samples[i];
}

void TestBarcodes::everyLinearSymbologyRenders()
{
    QFETCH(int, codeType);
    QFETCH(QString, data);
    BarcodeControl control;
    const int code = control.render(linear(codeType, data));
    QVERIFY2(code == 0, qPrintable(control.errorText()));
    QVERIFY(!control.picture().isEmpty());
    const QRectF bounds = control.picture().contentBounds();
    QVERIFY(bounds.left() >= -1e-6 && bounds.right() <= 60 + 1e-6);
    QVERIFY(bounds.top() >= -1e-6 && bounds.bottom() <= 20 + 1e-6);
}

void TestBarcodes::everyMatrixSymbologyAndModeRenders()
{
    for (int t = 0; t < matrixSymbologies().size(); ++t) {
        const MatrixSymbology &sym = matrixSymbologies()[t];
        QString data = u"Quilllabel 2D Barcode"_s;
        if (sym.name == u"Aztec Runes"_s)
            data = u"123"_s;
        else if (sym.name.startsWith(u"GS1 DataBar Expanded"_s))
            data = u"[01]09501101530003"_s;
        else if (sym.name.startsWith(u"GS1 DataBar"_s))
            data = u"1234567890123"_s;
        else if (sym.name == u"Data Matrix"_s || sym.name == u"Code One"_s) // smallest sizes
            data = u"123456"_s;
        else if (sym.name == u"Micro QR"_s || sym.name == u"rMQR"_s)
            data = u"QUILL 2D"_s;
        for (int m = 0; m < sym.modes.size(); ++m) {
            Barcode2DSettings s;
            s.codeType = t;
            s.mode = m;
            s.caption = data;
            Barcode2DControl control;
            const int code = control.render(s);
            const QString what = sym.name + u" / "_s + sym.modes[m].name + u": "_s;
            QVERIFY2(code == 0, qPrintable(what + control.errorText()));
            QVERIFY2(!control.picture().isEmpty(), qPrintable(what));
        }
    }
}

void TestBarcodes::decodesLinear_data()
{
    QTest::addColumn<int>("codeType");
    QTest::addColumn<QString>("data");
    QTest::addColumn<int>("format");
    QTest::addColumn<QString>("expected");
    using F = ZXing::BarcodeFormat;
    QTest::newRow("EAN-13") << 0 << u"590123412345"_s << int(F::EAN13) << u"5901234123457"_s;
    QTest::newRow("EAN-8") << 1 << u"9638507"_s << int(F::EAN8) << u"96385074"_s;
    QTest::newRow("Code 39") << 8 << u"CODE 39"_s << int(F::Code39) << u"CODE 39"_s;
    QTest::newRow("Code 128") << 9 << u"Quill 128"_s << int(F::Code128) << u"Quill 128"_s;
    QTest::newRow("GS1-128") << 10 << u"(01)09501101530003"_s << int(F::Code128)
                             << u"0109501101530003"_s;
    QTest::newRow("ITF") << 12 << u"12345678"_s << int(F::ITF) << u"12345678"_s;
    QTest::newRow("Codabar") << 16 << u"A123456B"_s << int(F::Codabar) << u"123456"_s;
    QTest::newRow("UPC-A") << 19 << u"01234567890"_s << int(F::UPCA) << u"012345678905"_s;
    QTest::newRow("UPC-E") << 23 << u"123456"_s << int(F::UPCE) << u"01234565"_s;
}

void TestBarcodes::decodesLinear()
{
    QFETCH(int, codeType);
    QFETCH(QString, data);
    QFETCH(int, format);
    QFETCH(QString, expected);
    auto object = barcode1D(codeType, data, 400, 120);
    object->setAutoParity(false); // readers return optional check characters as data
    const QImage image = renderObject(*object, 2.0, 30);
    QCOMPARE(decode(image, ZXing::BarcodeFormat(format)), expected);
}

void TestBarcodes::decodesMatrix_data()
{
    QTest::addColumn<int>("codeType");
    QTest::addColumn<QString>("data");
    QTest::addColumn<int>("format");
    QTest::addColumn<bool>("pure");
    using F = ZXing::BarcodeFormat;
    const QString text = u"Quilllabel 2D Barcode"_s;
    QTest::newRow("QR") << 0 << text << int(F::QRCode) << false;
    QTest::newRow("QR Korean") << 0 << u"우편번호 123-456 서울특별시"_s << int(F::QRCode) << false;
    QTest::newRow("Data Matrix") << 1 << text << int(F::DataMatrix) << false;
    QTest::newRow("Data Matrix Korean") << 1 << u"한글 데이터"_s << int(F::DataMatrix) << false;
    QTest::newRow("PDF417") << 2 << text << int(F::PDF417) << false;
    QTest::newRow("Aztec") << 4 << text << int(F::Aztec) << false;
    QTest::newRow("MaxiCode") << 5 << text << int(F::MaxiCode) << true;
}

void TestBarcodes::decodesMatrix()
{
    QFETCH(int, codeType);
    QFETCH(QString, data);
    QFETCH(int, format);
    QFETCH(bool, pure);
    auto object = barcode2D(codeType, data);
    if (codeType == 2)
        object->setBounds(QRect(0, 0, 300, 150));
    const QImage image = renderObject(*object, 2.0, 20);
    QCOMPARE(decode(image, ZXing::BarcodeFormat(format), pure), data);
}

void TestBarcodes::postnetBarByBar()
{
    // Postnet digits, tall bars as 1 (five bars, two tall).
    static const char *const table[] = {"11000", "00011", "00101", "00110", "01001",
                                        "01010", "01100", "10001", "10010", "10100"};
    const QList<QPair<int, QString>> cases = {
        {28, u"12345"_s}, {29, u"12345-6789"_s}, {30, u"12345678901"_s}};
    for (const auto &[codeType, data] : cases) {
        QString digits = data;
        digits.remove(QLatin1Char('-'));
        int sum = 0;
        QString expected = u"1"_s;
        for (QChar c : std::as_const(digits)) {
            sum += c.digitValue();
            expected += QLatin1String(table[c.digitValue()]);
        }
        expected += QLatin1String(table[(10 - sum % 10) % 10]) + u"1"_s;

        BarcodeControl control;
        QCOMPARE(control.render(linear(codeType, data)), 0);
        const QList<QRectF> bars = barsLeftToRight(control.picture());
        double tallest = 0;
        for (const QRectF &bar : bars)
            tallest = std::max(tallest, bar.height());
        QString seen;
        for (const QRectF &bar : bars)
            seen += bar.height() > 0.75 * tallest ? QLatin1Char('1') : QLatin1Char('0');
        QCOMPARE(seen, expected);
        // Equal spacing: every bar one pitch after the previous one.
        const double pitch = (bars.last().left() - bars.first().left()) / (bars.size() - 1);
        for (int i = 1; i < bars.size(); ++i)
            QVERIFY(qAbs(bars[i].left() - bars[i - 1].left() - pitch) < pitch * 0.01);
    }
}

void TestBarcodes::koreaPostBarByBar()
{
    // Korea Post digits: alternating bar and space widths in modules (a bar of width 0 is
    // none), bars one module wide; the digits run from the last to the first, then the check
    // digit (10 - sum mod 10) mod 10.
    static const char *const table[] = {"1313150613", "0713131313", "0417131313", "1506131313",
                                        "0413171313", "17171313",   "1315061313", "0413131713",
                                        "17131713",   "13171713"};
    const QString data = u"123456"_s;
    QList<int> digits;
    int sum = 0;
    for (qsizetype i = data.size() - 1; i >= 0; --i) {
        digits.append(data[i].digitValue());
        sum += digits.last();
    }
    digits.append((10 - sum % 10) % 10);
    QCOMPARE(digits.last(), 9);
    // Left edges of the bars in modules, counted from the first bar.
    QList<int> expected;
    int x = 0;
    for (int digit : std::as_const(digits)) {
        const char *pattern = table[digit];
        for (int i = 0; pattern[i]; ++i) {
            const int w = pattern[i] - '0';
            if (i % 2 == 0 && w > 0)
                expected.append(x);
            x += w;
        }
    }
    const int first = expected.first();
    for (int &e : expected)
        e -= first;

    BarcodeControl control;
    QCOMPARE(control.render(linear(51, u"123-456"_s)), 0);
    const QList<QRectF> bars = barsLeftToRight(control.picture());
    QCOMPARE(bars.size(), expected.size());
    const double module = bars.first().width();
    for (int i = 0; i < bars.size(); ++i) {
        QVERIFY(qAbs(bars[i].width() - module) < module * 0.01);
        const double at = (bars[i].left() - bars.first().left()) / module;
        QVERIFY2(qAbs(at - expected[i]) < 0.01,
                 qPrintable(u"bar %1 at %2, expected %3"_s.arg(i).arg(at).arg(expected[i])));
    }
    QCOMPARE(control.picture().texts(), QStringList {u"1234569"_s});
}

void TestBarcodes::humanReadableText_data()
{
    QTest::addColumn<int>("codeType");
    QTest::addColumn<QString>("data");
    QTest::addColumn<bool>("autoParity");
    QTest::addColumn<bool>("showCheckDigit");
    QTest::addColumn<int>("asterisk");
    QTest::addColumn<bool>("showText");
    QTest::addColumn<QStringList>("texts");
    const QString c39 = u"CODE39"_s;
    // Code 39's mod-43 check character of CODE39 is W.
    QTest::newRow("39 check shown") << 8 << c39 << true << true << 1 << true
                                    << QStringList {u"*CODE39W*"_s};
    QTest::newRow("39 check hidden") << 8 << c39 << true << false << 1 << true
                                     << QStringList {u"*CODE39*"_s};
    QTest::newRow("39 no stars") << 8 << c39 << true << false << 0 << true
                                 << QStringList {u"CODE39"_s};
    QTest::newRow("39 no parity") << 8 << c39 << false << true << 1 << true
                                  << QStringList {u"*CODE39*"_s};
    QTest::newRow("39 no text") << 8 << c39 << true << true << 1 << false << QStringList {};
    QTest::newRow("EAN-13 check shown") << 0 << u"590123412345"_s << true << true << 1 << true
                                        << QStringList {u"5"_s, u"901234"_s, u"123457"_s};
    QTest::newRow("EAN-13 check hidden") << 0 << u"590123412345"_s << true << false << 1
                                         << true
                                         << QStringList {u"5"_s, u"901234"_s, u"12345"_s};
    QTest::newRow("Codabar stops shown") << 16 << u"A123456B"_s << true << true << 1 << true
                                         << QStringList {u"A123456B"_s};
    QTest::newRow("Codabar stops hidden") << 16 << u"A123456B"_s << true << true << 0 << true
                                          << QStringList {u"123456"_s};
    QTest::newRow("ITF check") << 12 << u"1234"_s << true << true << 1 << true
                               << QStringList {u"012348"_s};
    QTest::newRow("ITF check hidden") << 12 << u"1234"_s << true << false << 1 << true
                                      << QStringList {u"01234"_s};
}

void TestBarcodes::humanReadableText()
{
    QFETCH(int, codeType);
    QFETCH(QString, data);
    QFETCH(bool, autoParity);
    QFETCH(bool, showCheckDigit);
    QFETCH(int, asterisk);
    QFETCH(bool, showText);
    QFETCH(QStringList, texts);
    BarcodeSettings s = linear(codeType, data);
    s.autoParity = autoParity;
    s.showCheckDigit = showCheckDigit;
    s.extra1 = asterisk;
    s.showText = showText;
    BarcodeControl control;
    QCOMPARE(control.render(s), 0);
    QCOMPARE(control.picture().texts(), texts);
}

void TestBarcodes::marginsAndTextChangeTheBars()
{
    const auto barExtent = [](const BarcodeSettings &s) {
        BarcodeControl control;
        control.render(s);
        QRectF bounds;
        for (const QRectF &bar : control.picture().rects())
            bounds = bounds.united(bar);
        return bounds;
    };
    const BarcodeSettings plain = linear(9, u"Quill 128"_s);
    const QRectF base = barExtent(plain);
    QVERIFY(qAbs(base.left()) < 1e-6 && qAbs(base.right() - 60) < 1e-6);

    BarcodeSettings light = plain;
    light.showLightMargins = true; // Code 128 keeps ten modules of quiet zone on each side
    const QRectF withLight = barExtent(light);
    QVERIFY(withLight.left() > 1 && withLight.width() < base.width() - 2);
    QVERIFY(qAbs(withLight.left() - (60 - withLight.right())) < 1e-6);

    BarcodeSettings margin = plain;
    margin.marginSize = 5;
    const QRectF withMargin = barExtent(margin);
    QVERIFY(qAbs(withMargin.left() - 5) < 1e-6 && qAbs(withMargin.right() - 55) < 1e-6);

    BarcodeSettings noText = plain;
    noText.showText = false;
    QVERIFY(qAbs(barExtent(noText).height() - 20) < 1e-6);
    QVERIFY(base.height() < 20 - 2); // the text line takes the bottom
}

void TestBarcodes::orientationTurnsThePicture()
{
    // Turned a quarter, the bars of a picture as wide as it is tall run horizontally.
    for (int orientation : {0, 1, 2, 3, 90, 270}) {
        auto object = barcode1D(9, u"Quill"_s, 200, 200);
        object->setShowText(false);
        object->setOrientation(quint16(orientation));
        const QImage image = renderObject(*object);
        const bool turned = orientation % 2 == 1 || orientation == 90 || orientation == 270;
        int changes = 0; // colour changes along the middle row (upright) or column (turned)
        for (int i = 1; i < 200; ++i) {
            const QRgb a = turned ? image.pixel(100, i - 1) : image.pixel(i - 1, 100);
            const QRgb b = turned ? image.pixel(100, i) : image.pixel(i, 100);
            changes += a != b;
        }
        QVERIFY2(changes > 20, qPrintable(QString::number(orientation)));
    }
    // A half turn mirrors the bars: the widest bar moves to the other side.
    auto upright = barcode1D(9, u"Quill"_s, 200, 100);
    upright->setShowText(false);
    auto half = barcode1D(9, u"Quill"_s, 200, 100);
    half->setShowText(false);
    half->setOrientation(2);
    const QImage a = renderObject(*upright);
    const QImage b = renderObject(*half);
    for (int x = 0; x < 200; x += 7)
        QCOMPARE(a.pixel(x, 50), b.pixel(199 - x, 50));
}

void TestBarcodes::invalidDataGivesMessageAndEmptyPicture_data()
{
    QTest::addColumn<int>("codeType");
    QTest::addColumn<QString>("data");
    QTest::addColumn<int>("code");
    QTest::newRow("EAN-13 letters") << 0 << u"ABC"_s << int(BarcodeError::InvalidData);
    QTest::newRow("EAN-13 too short") << 0 << u"1234567"_s << int(BarcodeError::TooLong);
    QTest::newRow("EAN-13 wrong check") << 0 << u"5901234123458"_s
                                        << int(BarcodeError::InvalidCheck);
    QTest::newRow("Postnet ZIP length") << 28 << u"1234"_s << int(BarcodeError::TooLong);
    QTest::newRow("Code 39 Korean") << 8 << u"한글"_s << int(BarcodeError::InvalidData);
    QTest::newRow("empty") << 9 << QString() << int(BarcodeError::InvalidData);
    QTest::newRow("unknown type") << 200 << u"123"_s << int(BarcodeError::InvalidOption);
}

void TestBarcodes::invalidDataGivesMessageAndEmptyPicture()
{
    QFETCH(int, codeType);
    QFETCH(QString, data);
    QFETCH(int, code);
    auto object = barcode1D(codeType, data);
    QCOMPARE(object->errorCode(), code);
    QVERIFY(object->errorText().startsWith(BarcodeControl::errorMessage(code)));
    QVERIFY(object->errorText() != BarcodeControl::errorMessage(0));
    QVERIFY(isWhite(renderObject(*object)));

    object->setCaption(u"12345678"_s);
    object->setCodeType(9);
    QCOMPARE(object->errorCode(), 0);
    QCOMPARE(object->errorText(), BarcodeControl::errorMessage(0));
    QVERIFY(!isWhite(renderObject(*object)));
}

void TestBarcodes::imageSizeInMillimetres()
{
    QCOMPARE(pixelsToImageMillimetres(151, 96), 39.95);
    QCOMPARE(pixelsToImageMillimetres(96, 96), 25.4);
    auto object = barcode1D(9, u"1"_s, 151, 40);
    const BarcodeSettings s = object->controlSettings();
    QCOMPARE(s.imageWidth, 39.95);
    QCOMPARE(s.imageHeight, 10.58);
}

void TestBarcodes::recordedPictureDrawsTheSame()
{
    // Printing replays the recorded picture scaled: bars and text must come out as painted.
    auto object = barcode1D(9, u"590123412345"_s, 200, 80);
    const QImage direct = renderObject(*object, 3.0);
    QImage replayed(direct.size(), QImage::Format_ARGB32);
    replayed.fill(Qt::white);
    QPainter painter(&replayed);
    painter.scale(3.0, 3.0);
    painter.drawPicture(0, 0, object->renderToMetafile());
    painter.end();
    int differing = 0;
    for (int y = 0; y < direct.height(); ++y) {
        for (int x = 0; x < direct.width(); ++x)
            differing += qGray(direct.pixel(x, y)) / 128 != qGray(replayed.pixel(x, y)) / 128;
    }
    QVERIFY2(differing < direct.width() * direct.height() / 200,
             qPrintable(QString::number(differing)));
    // The text is there: some row of the band under the bars is neither empty nor all bars.
    int textRows = 0;
    for (int y = replayed.height() * 3 / 4; y < replayed.height(); ++y) {
        int dark = 0;
        for (int x = 0; x < replayed.width(); ++x)
            dark += qGray(replayed.pixel(x, y)) < 128;
        textRows += dark > 5 && dark < replayed.width() / 4;
    }
    QVERIFY(textRows > 5);
}

void TestBarcodes::matrixColoursSizeAndBinding()
{
    auto object = barcode2D(0, u"Quill"_s);
    object->setBounds(QRect(0, 0, 200, 100));
    object->setForeColor(0x000000FF);   // red bars
    object->setBackColor(0x0000FFFF);   // yellow background
    QImage image = renderObject(*object);
    QCOMPARE(image.pixel(5, 50), qRgb(255, 255, 0)); // beside the centred square symbol
    bool red = false;
    for (int x = 50; x < 150 && !red; ++x)
        red = image.pixel(x, 50) == qRgb(255, 0, 0);
    QVERIFY(red);
    // Automatic size keeps modules square: the symbol spans the height only.
    const BarcodePicture fitted = [&] {
        Barcode2DControl c;
        c.render(object->controlSettings());
        return c.picture();
    }();
    const QRectF bounds = fitted.contentBounds();
    QVERIFY(qAbs(bounds.width() - bounds.height()) < 1e-6);

    object->setTransparent(true);
    image = renderObject(*object);
    QCOMPARE(image.pixel(5, 50), qRgb(255, 255, 255));

    object->setUseEnhanced(false); // stretched over the whole object
    image = renderObject(*object);
    QVERIFY(image.pixel(1, 1) == qRgb(255, 0, 0)); // QR's finder pattern corner

    // A resized symbol is drawn afresh at the new size.
    object->setUseEnhanced(true);
    object->setTransparent(false);
    object->setBounds(QRect(0, 0, 100, 100));
    QCOMPARE(object->controlSettings().imageWidth, 26.46);
    QCOMPARE(renderObject(*object).pixel(1, 1), qRgb(255, 0, 0));

    // Field binding: the barcode record's value replaces Caption.
    auto bound = barcode2D(0, u"own caption"_s);
    bound->setFieldName(u"CODE"_s);
    const QHash<QString, QString> record {{u"code"_s, u"from the record"_s}};
    PaintContext context;
    context.barcodeRecord = &record;
    QCOMPARE(decode(renderObject(*bound, 2.0, 20, context), ZXing::BarcodeFormat::QRCode),
             u"from the record"_s);
    QCOMPARE(decode(renderObject(*bound, 2.0, 20), ZXing::BarcodeFormat::QRCode),
             u"own caption"_s);
}

void TestBarcodes::postalPositions_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("positions");
    QTest::newRow("123-456") << u"123-456"_s
                             << u"110011101011011011100111010111001111110101"_s;
    QTest::newRow("hyphen misplaced") << u"12-3456"_s
                                      << u"110011101011011011100111010111001111110101"_s;
    QTest::newRow("100-009") << u"100-009"_s
                             << u"110101111001111001111001111001001111111001"_s;
    QTest::newRow("empty") << QString() << u"111001"_s;
    QTest::newRow("no digits") << u"abc-"_s << u"111001"_s;
}

void TestBarcodes::postalPositions()
{
    QFETCH(QString, text);
    QFETCH(QString, positions);
    QCOMPARE(postalBarPositions(text), positions);
    QCOMPARE(postalBarPositions(text).count(QLatin1Char('1')), positions.count(QLatin1Char('1')));
}

void TestBarcodes::postalGeometry()
{
    // Automatic: 147 px -> w = 2.0005, bars Round(1.1003) = 1 px, 3.34 px apart from x = 3.
    PostalBarGeometry g = postalBarGeometry(true, 147, 1, 2);
    QVERIFY(qAbs(g.unit - 2.0005) < 1e-4);
    QList<QRect> bars = postalBarRects(u"123-456"_s, g, 30);
    QCOMPARE(bars.size(), 28);
    QCOMPARE(bars.first(), QRect(3, 0, 1, 30)); // position 1 of digit 6 (110011)
    QCOMPARE(bars[1].left(), 7);                // 3.34 + 3.34 = 6.68 -> 7
    // Fixed: BarWidth 3, start 2 -> first at 6, bars 2 px, positions 5.01 apart.
    g = postalBarGeometry(false, 147, 3, 2);
    bars = postalBarRects(u"123-456"_s, g, 30);
    QCOMPARE(bars.first(), QRect(6, 0, 2, 30));
    QCOMPARE(bars[1].left(), 11);               // 6 + 5.01
    QCOMPARE(bars[2].left(), 26);               // position 5: 6 + 4 x 5.01 = 26.04
    // The status of the dialog.
    QCOMPARE(postalCodeStatus(u"123-456"_s), u" OK"_s);
    QCOMPARE(postalCodeStatus(u"12-3456"_s), u" 우편번호 입력 오류."_s);
    QCOMPARE(postalCodeStatus(u"123-45"_s), u" 우편번호 입력 오류."_s);
    QCOMPARE(postalCodeStatus(u"123 456"_s), u" OK"_s);
}

void TestBarcodes::postalObjectPaints()
{
    TZR_ZipBarcode object;
    object.setBounds(QRect(0, 0, 147, 30));
    object.setText(u"123-456"_s);
    object.setAutoSize(true);
    object.setColor(0x00FF0000); // blue
    const QImage image = renderObject(object);
    const QList<QRect> bars =
        postalBarRects(u"123-456"_s, postalBarGeometry(true, 147, 1, 2), 30);
    QList<int> barColumns;
    for (const QRect &bar : bars)
        barColumns.append(bar.left());
    for (int x = 0; x < 147; ++x) {
        const bool expected = barColumns.contains(x);
        QCOMPARE(image.pixel(x, 15) == qRgb(0, 0, 255), expected);
        QCOMPARE(image.pixel(x, 0), image.pixel(x, 29));
    }
}

QTEST_MAIN(TestBarcodes)
#include "tst_barcodes.moc"
