// The least a program can do to print the print benchmark's sheets: the same texts and zint
// Code 128 symbols (bars and human-readable text) drawn with QPdfWriter and nothing else.
// Usage: bench_print_baseline N OUT.pdf
// Prints the milliseconds it took. Without arguments: 10,000 records into a temporary file.
#include "print_records.h"

#include <QElapsedTimer>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <cstdio>

#include <zint.h>

namespace {

constexpr int Dpi = 600;

double mm(double v)
{
    return v / 25.4 * Dpi;
}

// The symbol as zint lays it out: its bars and its human-readable text below them.
void drawBarcode(QPainter &painter, const QString &data, const QRectF &box)
{
    zint_symbol *symbol = ZBarcode_Create();
    symbol->symbology = BARCODE_CODE128;
    symbol->input_mode = UNICODE_MODE;
    const QByteArray bytes = data.toUtf8();
    if (ZBarcode_Encode_and_Buffer_Vector(symbol, reinterpret_cast<const unsigned char *>(bytes.constData()),
                                          int(bytes.size()), 0) < ZINT_ERROR) {
        const zint_vector *v = symbol->vector;
        const double sx = box.width() / v->width;
        const double sy = box.height() / v->height;
        for (const zint_vector_rect *r = v->rectangles; r; r = r->next)
            painter.fillRect(QRectF(box.x() + r->x * sx, box.y() + r->y * sy, r->width * sx,
                                    r->height * sy),
                             Qt::black);
        for (const zint_vector_string *t = v->strings; t; t = t->next) {
            const QString text = QString::fromUtf8(reinterpret_cast<const char *>(t->text), t->length);
            QFont font(QStringLiteral("DejaVu Sans"));
            font.setPixelSize(qMax(1, int(t->fsize * sy)));
            const QFont previous = painter.font();
            painter.setFont(font);
            const double width = QFontMetricsF(font).horizontalAdvance(text);
            painter.drawText(QPointF(box.x() + t->x * sx - width / 2, box.y() + t->y * sy), text);
            painter.setFont(previous);
        }
    }
    ZBarcode_Delete(symbol);
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 1 && argc != 3)
        return 2;
    QTemporaryDir dir;
    const int count = argc == 3 ? QString::fromLocal8Bit(argv[1]).toInt() : 10000;
    const QString output = argc == 3 ? QString::fromLocal8Bit(argv[2])
                                     : dir.filePath(QStringLiteral("baseline.pdf"));
    QElapsedTimer timer;
    timer.start();
    QPdfWriter writer(output);
    writer.setResolution(Dpi);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF());
    QPainter painter(&writer);
    QFont font(QStringLiteral("NanumGothic"));
    font.setPixelSize(int(mm(3.5)));
    painter.setFont(font);
    const int cells = printbench::Columns * printbench::Rows;
    for (int i = 0; i < count; ++i) {
        if (i > 0 && i % cells == 0)
            writer.newPage();
        const int cell = i % cells;
        const double x = mm(printbench::LeftMarginMm
                            + (cell % printbench::Columns) * (printbench::CellWidthMm + printbench::HorizSpaceMm));
        const double y = mm(printbench::TopMarginMm + (cell / printbench::Columns) * printbench::CellHeightMm);
        const QStringList values = printbench::record(i + 1);
        for (int f = 0; f < 3; ++f)
            painter.drawText(QPointF(x + mm(3), y + mm(6 + 6 * f)), values[f]);
        drawBarcode(painter, values[3], QRectF(x + mm(3), y + mm(22), mm(45), mm(13)));
    }
    painter.end();
    std::printf("%lld\n", static_cast<long long>(timer.elapsed()));
    return 0;
}
