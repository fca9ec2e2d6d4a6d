// Times encoding 10,000 Code 128 barcodes through the one-dimensional barcode control, against
// libzint's own encoding of the same data in the same run, and drawing them onto an image.
#include "barcode/BarcodeControl.h"
#include "barcode/ZintSymbol.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextStream>

#include <zint.h>

using namespace quill;

namespace {

constexpr int kCount = 10000;
constexpr int kCode128 = 9;

QString data(int i)
{
    return QStringLiteral("QL-%1-%2").arg(i, 6, 10, QLatin1Char('0')).arg(i % 97);
}

qint64 zintOnly()
{
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < kCount; ++i) {
        ZintRequest r;
        r.symbology = BARCODE_CODE128;
        r.showText = true;
        r.data = data(i).toUtf8();
        ZintSymbol symbol;
        if (symbol.encode(r, nullptr) != 0)
            qFatal("encoding failed");
    }
    return timer.elapsed();
}

BarcodeSettings settings(int i)
{
    BarcodeSettings s;
    s.codeType = kCode128;
    s.caption = data(i);
    s.font = QFont(QStringLiteral("DejaVu Sans"));
    s.imageWidth = 50;
    s.imageHeight = 15;
    return s;
}

qint64 control(bool draw)
{
    QImage image(189, 57, QImage::Format_ARGB32);
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < kCount; ++i) {
        BarcodeControl c;
        if (c.render(settings(i)) != 0)
            qFatal("rendering failed");
        if (draw) {
            image.fill(Qt::white);
            QPainter painter(&image);
            c.picture().draw(painter, QRectF(0, 0, 189, 57));
        }
    }
    return timer.elapsed();
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    QTextStream out(stdout);
    const qint64 zint = zintOnly();
    const qint64 encode = control(false);
    const qint64 drawn = control(true);
    out << "10,000 Code 128, libzint alone (baseline)     " << zint << " ms\n";
    out << "10,000 Code 128 through the control          " << encode << " ms  ("
        << QString::number(double(encode) / qMax<qint64>(1, zint), 'f', 2) << " x baseline)\n";
    out << "10,000 Code 128 rendered and drawn (189x57)   " << drawn << " ms  ("
        << QString::number(double(drawn) / qMax<qint64>(1, zint), 'f', 2) << " x baseline)\n";
    return 0;
}
