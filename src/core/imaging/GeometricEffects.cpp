// The geometric effects: resampler and tile, fish-eye and twist, spot light and trace.
#include "PixelEffects.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace quill {

namespace {

// The rows of an unchanged copy, read without a call per pixel.
struct Rows {
    const uchar *bits;
    qsizetype stride;
    int w;
    int h;
    const uchar *at(int x, int y) const { return bits + y * stride + x * 3; }
};

// One bilinear sample of fish-eye and twist at (sx, sy), wrapped at the edges as the effects
// require; `own` is used where the sample point is not a number or too far out to be converted
// to an integer (a pixel on the fish-eye's radius, a twist of 0).
void samplePoint(const Rows &source, float sx, float sy, const uchar *own, uchar *out)
{
    const int w = source.w;
    const int h = source.h;
    if (!(std::fabs(sx) < 1.0e9f && std::fabs(sy) < 1.0e9f)) {
        out[0] = own[0], out[1] = own[1], out[2] = own[2];
        return;
    }
    int ix = int(sx);
    int iy = int(sy);
    const float fx = std::fabs(sx - float(ix));
    const float fy = std::fabs(sy - float(iy));
    const float wc[2] = {sx >= 0 ? 1 - fx : fx, sx >= 0 ? fx : 1 - fx};
    const float wr[2] = {sy >= 0 ? 1 - fy : fy, sy >= 0 ? fy : 1 - fy};
    const auto wrap = [](int i, int n) {
        if (i < 0)
            return n - 1 - ((-i) % n);
        return i > n - 1 ? i % n : i;
    };
    ix = wrap(ix, w);
    iy = wrap(iy, h);
    const int cols[2] = {ix, ix + 1 < w ? ix + 1 : w - ix - 1};
    const int rows[2] = {iy, iy + 1 < h ? iy + 1 : h - iy - 1};
    float sum[3] = {0, 0, 0};
    for (int j = 0; j < 2; ++j) {
        for (int i = 0; i < 2; ++i) {
            const uchar *p = source.at(cols[i], rows[j]);
            const float weight = wc[i] * wr[j];
            sum[0] += float(p[0]) * weight;
            sum[1] += float(p[1]) * weight;
            sum[2] += float(p[2]) * weight;
        }
    }
    for (int c = 0; c < 3; ++c)
        out[c] = uchar(std::clamp(std::nearbyint(sum[c]), 0.0f, 255.0f));
}

// Runs `map` (target pixel -> sample point) over every pixel, sampling an unchanged copy.
template<typename Map> void remapPicture(QImage &picture, Map map)
{
    toPicture24(picture);
    const QImage source = picture.copy();
    const Rows rows {source.constBits(), source.bytesPerLine(), source.width(), source.height()};
    for (int y = 0; y < picture.height(); ++y) {
        uchar *row = picture.scanLine(y);
        for (int x = 0; x < rows.w; ++x) {
            float sx = 0;
            float sy = 0;
            map(x, y, sx, sy);
            samplePoint(rows, sx, sy, rows.at(x, y), row + x * 3);
        }
    }
}

} // namespace

QImage resamplePicture(const QImage &source, int tw, int th)
{
    if (source.isNull() || source.width() < 1 || source.height() < 1 || tw < 1 || th < 1)
        return {};
    QImage src = source;
    toPicture24(src);
    const int sw = src.width();
    const int sh = src.height();
    const qint64 stepX = (qint64(sw - 1) * 32768) / tw;
    const qint64 stepY = (qint64(sh - 1) * 32768) / th;
    QImage target(tw, th, QImage::Format_RGB888);
    for (int r = 0; r < th; ++r) {
        const qint64 fy = r * stepY;
        const int sy = int(fy >> 15);
        const qint64 wy = fy & 32767;
        const uchar *top = src.constScanLine(sy);
        const uchar *bottom = src.constScanLine(std::min(sy + 1, sh - 1)); // one row: itself
        uchar *out = target.scanLine(r);
        for (int c = 0; c < tw; ++c) {
            const qint64 fx = c * stepX;
            const int sx = int(fx >> 15);
            const int sx1 = std::min(sx + 1, sw - 1);
            const qint64 wx = fx & 32767;
            const qint64 tr = (wx * (32768 - wy)) >> 15;
            const qint64 tl = (32768 - wy) - tr;
            const qint64 br = (wy * wx) >> 15;
            const qint64 bl = wy - br;
            for (int k = 0; k < 3; ++k) {
                const qint64 sum = top[sx * 3 + k] * tl + top[sx1 * 3 + k] * tr
                    + bottom[sx * 3 + k] * bl + bottom[sx1 * 3 + k] * br;
                out[c * 3 + k] = uchar(std::clamp<qint64>(sum >> 15, 0, 255));
            }
        }
    }
    return target;
}

void Effect_Tile(QImage &picture, int n)
{
    toPicture24(picture);
    if (n <= 0 || picture.width() / n < 5 || picture.height() / n < 5)
        return;
    const int tw = picture.width() / n;
    const int th = picture.height() / n;
    const QImage tile = resamplePicture(picture, tw, th);
    for (int j = 0; j < n; ++j) {
        for (int y = 0; y < th; ++y) {
            const uchar *from = tile.constScanLine(y);
            uchar *row = picture.scanLine(j * th + y);
            for (int i = 0; i < n; ++i)
                std::memcpy(row + i * tw * 3, from, size_t(tw) * 3);
        }
    }
}

void Effect_FishEye(QImage &picture, int k)
{
    const float cx = float(picture.width()) / 2;
    const float cy = float(picture.height()) / 2;
    const float radius = float(k) * float(picture.width());
    remapPicture(picture, [=](int x, int y, float &sx, float &sy) {
        const float dx = float(x) - cx;
        const float dy = float(y) - cy;
        const float r = std::sqrt(dx * dx + dy * dy);
        if (r == 0) {
            sx = cx, sy = cy;
            return;
        }
        // On the radius itself the quotient is infinite: the pixel keeps its own colour.
        const float q = (1 / (1 - r / radius) - 1) * radius / 2;
        sx = cx + dx * q / r;
        sy = cy + dy * q / r;
    });
}

void Effect_Twist(QImage &picture, int t)
{
    const float cx = float(picture.width() - 1) / 2;
    const float cy = float(picture.height() - 1) / 2;
    // A twist of 0 would turn by an infinite angle: every pixel keeps its colour.
    const float inverse = t == 0 ? std::nanf("") : 1.0f / float(t);
    remapPicture(picture, [=](int x, int y, float &sx, float &sy) {
        const float dx = float(x) - cx;
        const float dy = float(y) - cy;
        const float r = std::sqrt(dx * dx + dy * dy);
        if (r == 0) {
            sx = cx, sy = cy;
            return;
        }
        // The point at angle(dx, dy) - r / t + pi / 2 on the circle of radius r: (dx, dy) turned
        // by pi / 2 - r / t. Turning the vector itself gives the same point without the arc
        // tangent, whose cost dominated the effect (cos of that turn is sin(r / t), and so on).
        const float s = std::sin(r * inverse);
        const float c = std::cos(r * inverse);
        sx = cx + dx * s - dy * c;
        sy = cy + dx * c + dy * s;
    });
}

void Effect_SpotLight(QImage &picture, int a, const QRect &rectangle)
{
    Effect_Darkness(picture, a);
    if (picture.isNull())
        return;
    QImage mask(picture.size(), QImage::Format_RGB32);
    mask.fill(Qt::black);
    {
        QPainter painter(&mask);
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(Qt::white);
        // The outline stays inside the rectangle, right and bottom edges excluded.
        const QRect r = rectangle.normalized();
        painter.drawEllipse(QRect(r.left(), r.top(), r.width() - 1, r.height() - 1));
    }
    for (int y = 0; y < picture.height(); ++y) {
        const QRgb *m = reinterpret_cast<const QRgb *>(mask.constScanLine(y));
        uchar *row = picture.scanLine(y);
        for (int x = 0; x < picture.width(); ++x) {
            if ((m[x] & 0xFFFFFF) != 0xFFFFFF)
                row[x * 3] = row[x * 3 + 1] = row[x * 3 + 2] = 0;
        }
    }
}

// The palette picture P is Qt's conversion to 8 bits without dithering, so that flat areas keep
// one index. Only P and the reference index decide where marks go, and P never changes, so
// passes after the second repeat the second and are skipped.
void Effect_Trace(QImage &picture, int n)
{
    toPicture24(picture);
    const int w = picture.width();
    const int h = picture.height();
    if (n <= 0 || w < 3 || h < 2)
        return;
    const QImage palette = picture.convertToFormat(
        QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither | Qt::ThresholdAlphaDither);
    int reference = -1;
    const auto black = [&picture](int x, int y) { std::memset(picture.scanLine(y) + x * 3, 0, 3); };
    const auto compare = [&](int x, int y, int nx, int ny) {
        const int v = palette.constScanLine(y)[x];
        const int m = palette.constScanLine(ny)[nx];
        if (m == v)
            return;
        if (reference < 0) {
            reference = m;
            black(x, y);
        } else if (v != reference) {
            black(x, y);
        } else {
            black(nx, ny);
        }
    };
    for (int pass = 1; pass <= std::min(n, 2); ++pass) {
        for (int y = 0; y <= h - 2; ++y) {
            for (int x = 0; x <= w - 3; ++x) {
                compare(x, y, x + 1, y);
                compare(x, y, x, y + 1);
            }
        }
        if (pass < 2)
            continue;
        for (int y = h - 1; y >= 1; --y) {
            for (int x = w - 1; x >= 2; --x) {
                compare(x, y, x - 1, y);
                compare(x, y, x, y - 1);
            }
        }
    }
}

} // namespace quill
