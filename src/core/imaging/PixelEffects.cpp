// The per-channel and neighbourhood pixel effects on 24-bit rows.
#include "PixelEffects.h"

#include <QRandomGenerator>

#include <array>
#include <cmath>
#include <cstdlib>

namespace quill {

namespace {

using Table = std::array<uchar, 256>;

// 24-bit rows of Format_RGB888 hold red, green, blue; these are the byte offsets.
constexpr int kR = 0;
constexpr int kG = 1;
constexpr int kB = 2;

uchar clamp255(qint64 v)
{
    return uchar(v < 0 ? 0 : (v > 255 ? 255 : v));
}

template<typename F> Table makeTable(F f)
{
    Table t {};
    for (int c = 0; c < 256; ++c)
        t[c] = clamp255(f(qint64(c)));
    return t;
}

// Runs one table over every byte of every row.
void applyTable(QImage &picture, const Table &table)
{
    toPicture24(picture);
    const int bytes = picture.width() * 3;
    for (int y = 0; y < picture.height(); ++y) {
        uchar *row = picture.scanLine(y);
        for (int i = 0; i < bytes; ++i)
            row[i] = table[row[i]];
    }
}

// Random(a) of the noise effects: 0 .. a - 1, and 0 when a is not positive.
int randomBelow(QRandomGenerator &gen, int a)
{
    return a > 0 ? int(gen.bounded(quint32(a))) : 0;
}

QRandomGenerator generatorFor(std::optional<quint32> seed)
{
    return QRandomGenerator(seed ? *seed : QRandomGenerator::global()->generate());
}

} // namespace

void toPicture24(QImage &picture)
{
    if (picture.format() != QImage::Format_RGB888)
        picture = picture.convertToFormat(QImage::Format_RGB888);
    // Detach now: the effects hold row pointers while writing, and a later detach by
    // scanLine() would leave the earlier pointers on the shared copy.
    if (!picture.isNull())
        picture.bits();
}

void Effect_Invert(QImage &picture)
{
    applyTable(picture, makeTable([](qint64 c) { return 255 - c; }));
}

void Effect_Lightness(QImage &picture, int a)
{
    applyTable(picture, makeTable([a](qint64 c) { return c + a * (255 - c) / 255; }));
}

void Effect_Ligthness(QImage &picture, int a)
{
    Effect_Lightness(picture, a);
}

void Effect_Darkness(QImage &picture, int a)
{
    applyTable(picture, makeTable([a](qint64 c) { return c - a * c / 255; }));
}

void Effect_Contrast(QImage &picture, int a)
{
    applyTable(picture, makeTable([a](qint64 c) {
        const qint64 f = std::llabs(127 - c) * a / 255;
        return c < 128 ? c - f : c + f;
    }));
}

void Effect_Posterize(QImage &picture, int a)
{
    if (a <= 0)
        return toPicture24(picture);
    applyTable(picture, makeTable([a](qint64 c) {
        return std::min<qint64>(255, qint64(std::nearbyint(double(c) / a)) * a);
    }));
}

void Effect_Splitlight(QImage &picture, int n)
{
    if (n <= 0)
        return toPicture24(picture);
    const Table once = makeTable([](qint64 c) {
        return qint64(std::nearbyint(255.0 * std::sin(double(c) / 255.0 * M_PI / 2.0)));
    });
    Table all = makeTable([](qint64 c) { return c; });
    // The passes converge to a fixed table within 255 steps; more change nothing.
    for (int pass = 0; pass < std::min(n, 256); ++pass) {
        for (uchar &v : all)
            v = once[v];
    }
    applyTable(picture, all);
}

void Effect_Saturation(QImage &picture, int a)
{
    toPicture24(picture);
    const int w = picture.width();
    for (int y = 0; y < picture.height(); ++y) {
        uchar *p = picture.scanLine(y);
        for (int x = 0; x < w; ++x, p += 3) {
            const qint64 g = (p[0] + p[1] + p[2]) / 3;
            for (int c = 0; c < 3; ++c)
                p[c] = clamp255(g + a * (p[c] - g) / 255);
        }
    }
}

void Effect_GrayScale(QImage &picture)
{
    toPicture24(picture);
    const int w = picture.width();
    for (int y = 0; y < picture.height(); ++y) {
        uchar *p = picture.scanLine(y);
        for (int x = 0; x < w; ++x, p += 3) {
            const double v = 0.3 * p[kR] + 0.59 * p[kG] + 0.11 * p[kB];
            p[0] = p[1] = p[2] = clamp255(qint64(std::nearbyint(v)));
        }
    }
}

void Effect_AddColorNoise(QImage &picture, int a, std::optional<quint32> seed)
{
    toPicture24(picture);
    QRandomGenerator gen = generatorFor(seed);
    const int w = picture.width();
    for (int y = 0; y < picture.height(); ++y) {
        uchar *p = picture.scanLine(y);
        for (int x = 0; x < w; ++x, p += 3) {
            for (int c : {kB, kG, kR})
                p[c] = clamp255(qint64(p[c]) + randomBelow(gen, a) - a / 2);
        }
    }
}

void Effect_AddMonoNoise(QImage &picture, int a, std::optional<quint32> seed)
{
    toPicture24(picture);
    QRandomGenerator gen = generatorFor(seed);
    const int w = picture.width();
    for (int y = 0; y < picture.height(); ++y) {
        uchar *p = picture.scanLine(y);
        for (int x = 0; x < w; ++x, p += 3) {
            const qint64 d = qint64(randomBelow(gen, a)) - a / 2;
            for (int c = 0; c < 3; ++c)
                p[c] = clamp255(p[c] + d);
        }
    }
}

void Effect_Solorize(QImage &picture, int a)
{
    toPicture24(picture);
    const int w = picture.width();
    for (int y = 0; y < picture.height(); ++y) {
        uchar *p = picture.scanLine(y);
        for (int x = 0; x < w; ++x, p += 3) {
            if ((p[0] + p[1] + p[2]) / 3 > a) {
                for (int c = 0; c < 3; ++c)
                    p[c] = uchar(255 - p[c]);
            }
        }
    }
}

void Effect_AntiAlias(QImage &picture)
{
    toPicture24(picture);
    const int w = picture.width();
    const int h = picture.height();
    for (int y = 1; y <= h - 2; ++y) {
        const uchar *up = picture.constScanLine(y - 1);
        uchar *row = picture.scanLine(y);
        const uchar *down = picture.constScanLine(y + 1);
        for (int i = 3; i < (w - 1) * 3; ++i)
            row[i] = uchar((up[i] + down[i] + row[i - 3] + row[i + 3]) / 4);
    }
}

void Effect_SplitBlur(QImage &picture, int d)
{
    toPicture24(picture);
    const int w = picture.width();
    const int h = picture.height();
    d = std::max(d, 0);
    // Past the far edge the partner is mirrored (W - x); where even that would be the edge
    // itself (x = 0 with d >= W) the last column is used, so every read stays inside.
    const auto farIndex = [d](int i, int n) {
        if (qint64(i) + d < n)
            return i + d;
        return std::min(n - i, n - 1);
    };
    const auto nearIndex = [d](int i) { return i - d < 0 ? i : i - d; };
    for (int y = 0; y < h; ++y) {
        const uchar *r1 = picture.constScanLine(nearIndex(y));
        const uchar *r2 = picture.constScanLine(farIndex(y, h));
        uchar *row = picture.scanLine(y);
        for (int x = 0; x < w; ++x) {
            const int a = nearIndex(x) * 3;
            const int b = farIndex(x, w) * 3;
            for (int c = 0; c < 3; ++c)
                row[x * 3 + c] = uchar((r1[a + c] + r2[a + c] + r1[b + c] + r2[b + c]) / 4);
        }
    }
}

void Effect_GaussianBlur(QImage &picture, int n)
{
    toPicture24(picture);
    for (int pass = 0; pass <= n; ++pass)
        Effect_SplitBlur(picture, 3);
}

void Effect_Mosaic(QImage &picture, int s)
{
    toPicture24(picture);
    if (s <= 0)
        return;
    const int w = picture.width();
    const int h = picture.height();
    for (int y = 0; y < h; ++y) {
        const uchar *source = picture.constScanLine(y - y % s);
        uchar *row = picture.scanLine(y);
        for (int x = 0; x < w; ++x) {
            const int from = (x - x % s) * 3;
            for (int c = 0; c < 3; ++c)
                row[x * 3 + c] = source[from + c];
        }
    }
}

void Effect_Emboss(QImage &picture)
{
    toPicture24(picture);
    const int w = picture.width();
    const int h = picture.height();
    for (int y = 0; y <= h - 2; ++y) {
        uchar *row = picture.scanLine(y);
        const uchar *below = picture.constScanLine(y + 1);
        for (int i = 0; i < (w - 3) * 3; ++i)
            row[i] = uchar((row[i] + 255 - below[i + 9]) / 2);
    }
}

} // namespace quill
