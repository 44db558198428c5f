// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the golden tables tests/conversion checks our own placement and
// blending against: which source pixel Qt's painter picks for every target
// pixel when it places a picture without smoothing, and what it makes of
// every colour/alpha pair over white. Run once, by hand, where Qt is; the
// tests themselves need no Qt.
//
//   valbum_conversion_makegolden OUTDIR

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <tuple>
#include <vector>

namespace {

constexpr int Side = 92;
constexpr int SweepLimit = 400;
constexpr std::uint32_t White = 0xFFFFFFu;

// The lengths beyond the sweep: powers of two and their neighbours, camera
// and screen sizes, primes.
constexpr std::array LargeLengths{401,  479,  500,  511,  512,  513,  640,  800,  997,   1000, 1023,
                                  1024, 1025, 1080, 1366, 1920, 2047, 2048, 2049, 3000,  3024, 4000,
                                  4032, 4095, 5000, 6000, 7919, 8000, 8191, 9973, 11999, 12000};
constexpr std::array ShortLengths{1, 2, 3, 7, 91, 92, 93, 183, 184, 400};

enum class Mode { Stretch, Crop, Pad };
constexpr std::array<const char *, 3> ModeNames{"stretch", "crop", "pad"};

struct Rect
{
    int x, y, w, h;
};

// The centred crop square and the padded target, as squareplacement.cpp
// places them with the default gravity.
void placement(Mode mode, int w, int h, Rect &source, Rect &target)
{
    source = {0, 0, w, h};
    target = {0, 0, Side, Side};
    if (mode == Mode::Crop) {
        const int side = std::min(w, h);
        source = {(w - side) / 2, (h - side) / 2, side, side};
    } else if (mode == Mode::Pad) {
        const int longSide = std::max(w, h);
        const int shortSide = std::max(1, (2 * Side * std::min(w, h) + longSide) / (2 * longSide));
        target = w >= h ? Rect{0, (Side - shortSide) / 2, Side, shortSide}
                        : Rect{(Side - shortSide) / 2, 0, shortSide, Side};
    }
}

struct Sweep
{
    std::uint64_t hash = 14695981039346656037ull;
    void add(std::int32_t value)
    {
        hash ^= static_cast<std::uint32_t>(value);
        hash *= 1099511628211ull;
    }
};

int bitsFor(int length)
{
    return std::bit_width(static_cast<unsigned>(length));
}

// Coordinates coded into the colour: x above y, never all ones (white).
std::vector<std::uint32_t> codedPicture(int w, int h)
{
    const int yBits = bitsFor(h);
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(w) * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            pixels[static_cast<std::size_t>(y) * w + x] = 0xFF000000u | (std::uint32_t(x) << yBits) | std::uint32_t(y);
    return pixels;
}

// Draws and reads back the per-axis picks; false when the picks are not
// one column pick times one row pick (the tables assume they are).
bool picks(const std::uint32_t *pixels, int w, int h, QImage::Format format, Mode mode, std::array<int, Side> &xs,
           std::array<int, Side> &ys)
{
    const QImage picture(reinterpret_cast<const uchar *>(pixels), w, h, w * 4, format);
    QImage square(Side, Side, QImage::Format_RGB32);
    square.fill(Qt::white);
    Rect source, target;
    placement(mode, w, h, source, target);
    {
        QPainter painter(&square);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        if (mode == Mode::Stretch)
            painter.drawImage(QRect(0, 0, Side, Side), picture);
        else
            painter.drawImage(QRect(target.x, target.y, target.w, target.h), picture,
                              QRect(source.x, source.y, source.w, source.h));
    }
    const int yBits = bitsFor(h);
    const auto at = [&](int x, int y) { return reinterpret_cast<const QRgb *>(square.constScanLine(y))[x] & White; };
    xs.fill(-1);
    ys.fill(-1);
    for (int y = 0; y < Side; ++y)
        for (int x = 0; x < Side; ++x)
            if (at(x, y) != White) {
                if (xs[x] < 0)
                    xs[x] = int(at(x, y) >> yBits);
                if (ys[y] < 0)
                    ys[y] = int(at(x, y) & ((1u << yBits) - 1));
            }
    for (int y = 0; y < Side; ++y)
        for (int x = 0; x < Side; ++x) {
            const std::uint32_t want =
                xs[x] < 0 || ys[y] < 0 ? White : (std::uint32_t(xs[x]) << yBits) | std::uint32_t(ys[y]);
            if (at(x, y) != want)
                return false;
        }
    return true;
}

void addPicks(Sweep &sweep, const std::array<int, Side> &xs, const std::array<int, Side> &ys)
{
    for (int v : xs)
        sweep.add(v);
    for (int v : ys)
        sweep.add(v);
}

int writeNearest(const std::string &dir)
{
    std::ofstream out(dir + "/nearestpicks.txt");
    out << "# mode width hash: FNV-1a 64 over heights 1.." << SweepLimit
        << " of 92 column picks then 92 row picks (-1: left white)\n";
    int faults = 0;
    std::array<int, Side> xs{}, ys{}, xa{}, ya{};
    for (int m = 0; m < 3; ++m) {
        const Mode mode = static_cast<Mode>(m);
        for (int w = 1; w <= SweepLimit; ++w) {
            Sweep sweep;
            for (int h = 1; h <= SweepLimit; ++h) {
                const std::vector<std::uint32_t> tight = codedPicture(w, h);
                if (!picks(tight.data(), w, h, QImage::Format_RGB32, mode, xs, ys)) {
                    std::fprintf(stderr, "%s %dx%d: picks not separable\n", ModeNames[m], w, h);
                    ++faults;
                }
                if (!picks(tight.data(), w, h, QImage::Format_ARGB32, mode, xa, ya) || xa != xs || ya != ys) {
                    std::fprintf(stderr, "%s %dx%d: ARGB32 picks differ from RGB32\n", ModeNames[m], w, h);
                    ++faults;
                }
                addPicks(sweep, xs, ys);
            }
            out << ModeNames[m] << ' ' << w << ' ' << std::hex << sweep.hash << std::dec << '\n';
        }
    }
    out << "# mode width height hash: the same for one size each\n";
    std::vector<std::pair<int, int>> sizes;
    for (int l : LargeLengths)
        for (int s : ShortLengths) {
            sizes.emplace_back(l, s);
            sizes.emplace_back(s, l);
        }
    for (int a : LargeLengths)
        for (int b : LargeLengths)
            if (bitsFor(a) + bitsFor(b) <= 24 && a <= 4095 && b <= 4095 && (a % 3 == 0 || b % 3 == 0 || a == b))
                sizes.emplace_back(a, b);
    for (int m = 0; m < 3; ++m) {
        const Mode mode = static_cast<Mode>(m);
        for (auto [w, h] : sizes) {
            if (bitsFor(w) + bitsFor(h) > 24)
                continue;
            const std::vector<std::uint32_t> pixels = codedPicture(w, h);
            if (!picks(pixels.data(), w, h, QImage::Format_RGB32, mode, xs, ys)) {
                std::fprintf(stderr, "%s %dx%d: picks not separable\n", ModeNames[m], w, h);
                ++faults;
            }
            if (!picks(pixels.data(), w, h, QImage::Format_ARGB32, mode, xa, ya) || xa != xs || ya != ys) {
                std::fprintf(stderr, "%s %dx%d: ARGB32 picks differ from RGB32\n", ModeNames[m], w, h);
                ++faults;
            }
            Sweep sweep;
            addPicks(sweep, xs, ys);
            out << ModeNames[m] << ' ' << w << ' ' << h << ' ' << std::hex << sweep.hash << std::dec << '\n';
        }
    }
    return faults;
}

// Every colour/alpha pair over white, three ways the painter blends it: a
// one-pixel part scaled over the square (the painter fills with its colour),
// a larger picture scaled, and a picture drawn 1:1 (the smooth path's
// flattening). Red, green and blue carry three different values at once, so
// channel independence is checked too.
int writeBlends(const std::string &dir)
{
    constexpr int Pairs = 256 * 256;
    std::vector<std::uint8_t> onePixel(Pairs), scaled(Pairs), flat(Pairs);
    QImage pairs(256, 256, QImage::Format_ARGB32);
    for (int a = 0; a < 256; ++a)
        for (int c = 0; c < 256; ++c)
            reinterpret_cast<QRgb *>(pairs.scanLine(a))[c] = qRgba(c, 255 - c, (c + 128) & 255, a);
    QImage flattened(256, 256, QImage::Format_RGB32);
    flattened.fill(Qt::white);
    QImage doubled(512, 512, QImage::Format_RGB32);
    doubled.fill(Qt::white);
    {
        QPainter painter(&flattened);
        painter.drawImage(QPoint(0, 0), pairs, pairs.rect());
        // Twice the size: both target pixels 2c and 2c + 1 pick source pixel c.
        QPainter scaling(&doubled);
        scaling.setRenderHint(QPainter::SmoothPixmapTransform, false);
        scaling.drawImage(QRect(0, 0, 512, 512), pairs);
    }
    int faults = 0;
    for (int a = 0; a < 256; ++a)
        for (int c = 0; c < 256; ++c) {
            const QRgb colour = qRgba(c, 255 - c, (c + 128) & 255, a);
            QImage three(3, 3, QImage::Format_ARGB32);
            three.fill(colour);
            QImage square(Side, Side, QImage::Format_RGB32);
            square.fill(Qt::white);
            QImage cropped = square;
            {
                QPainter painter(&square);
                painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
                painter.drawImage(QRect(0, 0, Side, Side), three.copy(1, 1, 1, 1));
                QPainter part(&cropped);
                part.setRenderHint(QPainter::SmoothPixmapTransform, false);
                part.drawImage(QRect(0, 0, Side, Side), three, QRect(1, 1, 1, 1));
            }
            if (square.pixel(45, 45) != cropped.pixel(45, 45)) {
                std::fprintf(stderr, "a one-pixel part of %d/%d blends unlike a one-pixel picture\n", c, a);
                ++faults;
            }
            onePixel[a * 256 + c] = std::uint8_t(qRed(square.pixel(45, 45)));
            scaled[a * 256 + c] = std::uint8_t(qRed(doubled.pixel(2 * c + 1, 2 * a + 1)));
            flat[a * 256 + c] = std::uint8_t(qRed(flattened.pixel(c, a)));
        }
    for (int a = 0; a < 256; ++a)
        for (int c = 0; c < 256; ++c)
            for (const auto &[table, image, x, y] :
                 {std::tuple{&flat, &flattened, c, a}, std::tuple{&scaled, &doubled, 2 * c, 2 * a}}) {
                const QRgb f = image->pixel(x, y);
                if (qGreen(f) != (*table)[a * 256 + 255 - c] || qBlue(f) != (*table)[a * 256 + ((c + 128) & 255)]) {
                    std::fprintf(stderr, "blend of %d/%d is not per channel\n", c, a);
                    ++faults;
                }
            }
    // One line for each alpha: FNV-1a 64 of the 256 results, colour 0 first,
    // for each way; then the pairs where the ways differ, spelt out.
    std::ofstream out(dir + "/blends.txt");
    out << "# alpha one-pixel-hash scaled-hash flat-hash\n";
    for (int a = 0; a < 256; ++a) {
        Sweep o, s, f;
        for (int c = 0; c < 256; ++c) {
            o.add(onePixel[a * 256 + c]);
            s.add(scaled[a * 256 + c]);
            f.add(flat[a * 256 + c]);
        }
        out << a << ' ' << std::hex << o.hash << ' ' << s.hash << ' ' << f.hash << std::dec << '\n';
    }
    out << "# differ colour alpha one-pixel scaled flat\n";
    for (int a = 0; a < 256; ++a)
        for (int c = 0; c < 256; ++c) {
            const int i = a * 256 + c;
            if (onePixel[i] != scaled[i] || scaled[i] != flat[i])
                out << "differ " << c << ' ' << a << ' ' << int(onePixel[i]) << ' ' << int(scaled[i]) << ' '
                    << int(flat[i]) << '\n';
        }
    return faults;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTDIR\n", argv[0]);
        return 2;
    }
    const std::string dir = argv[1];
    const int faults = writeBlends(dir) + writeNearest(dir);
    std::fprintf(stderr, "%d faults\n", faults);
    return faults == 0 ? 0 : 1;
}
