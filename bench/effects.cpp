// Times every pixel effect of the effects editor on a 3000 x 2000 picture at slider position 50,
// against one plain pass over the same rows (inverting every byte by hand) as the baseline.
#include "imaging/PixelEffects.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QTextStream>

#include <algorithm>
#include <ctime>

using namespace quill;

namespace {

constexpr int kWidth = 3000;
constexpr int kHeight = 2000;
constexpr int kPosition = 50;

// A picture with gradients and edges, so no effect meets a flat or trivial input.
QImage samplePicture()
{
    QImage image(kWidth, kHeight, QImage::Format_RGB888);
    for (int y = 0; y < kHeight; ++y) {
        uchar *row = image.scanLine(y);
        for (int x = 0; x < kWidth; ++x) {
            row[x * 3] = uchar(x * 255 / kWidth);
            row[x * 3 + 1] = uchar(y * 255 / kHeight);
            row[x * 3 + 2] = uchar(((x / 40 + y / 40) % 2) * 200 + 20);
        }
    }
    return image;
}

double baselineMs(const QImage &source)
{
    QImage image = source.copy();
    QElapsedTimer timer;
    timer.start();
    for (int y = 0; y < image.height(); ++y) {
        uchar *row = image.scanLine(y);
        for (int i = 0; i < image.width() * 3; ++i)
            row[i] = uchar(255 - row[i]);
    }
    return double(timer.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv); // the spot light draws its mask with QPainter
    QTextStream out(stdout);
    const QImage source = samplePicture();
    // The fastest of three runs: the first also pays for the machine warming up.
    const double baseline = std::min({baselineMs(source), baselineMs(source), baselineMs(source)});
    out << "picture " << kWidth << " x " << kHeight << ", slider position " << kPosition
        << "; baseline pass " << QString::number(baseline, 'f', 1) << " ms\n";
    const QStringList &entries = effectListEntries();
    for (int entry = 0; entry < entries.size(); ++entry) {
        QImage image = source.copy();
        QElapsedTimer timer;
        timer.start();
        const std::clock_t cpuStart = std::clock();
        applyListEffect(image, entry, kPosition);
        const double cpuMs = double(std::clock() - cpuStart) * 1000.0 / CLOCKS_PER_SEC;
        const double ms = double(timer.nsecsElapsed()) / 1e6;
        // Processor time beside the wall clock: on a busy machine only the first is steady.
        out << qSetFieldWidth(16) << Qt::left << entries[entry] << qSetFieldWidth(0)
            << QString::number(ms, 'f', 1) << " ms, cpu " << QString::number(cpuMs, 'f', 1)
            << " ms  (x" << QString::number(ms / baseline, 'f', 1) << ")\n";
    }
    return 0;
}
