// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/bmpfixtures.h"

#include <functional>

LittleEndian &LittleEndian::u8(unsigned value)
{
    data.append(static_cast<char>(value & 0xFF));
    return *this;
}

LittleEndian &LittleEndian::u16(unsigned value)
{
    return u8(value).u8(value >> 8);
}

LittleEndian &LittleEndian::u32(std::uint32_t value)
{
    return u16(value & 0xFFFF).u16(value >> 16);
}

LittleEndian &LittleEndian::bytes(const QByteArray &more)
{
    data.append(more);
    return *this;
}

LittleEndian &LittleEndian::bytes(std::initializer_list<unsigned> more)
{
    for (unsigned value : more)
        u8(value);
    return *this;
}

LittleEndian &LittleEndian::zeros(int count)
{
    data.append(count, '\0');
    return *this;
}

namespace {

enum Compression : unsigned { Rgb = 0, Rle8 = 1, Rle4 = 2, BitFields = 3 };

// The picture most fixtures show: five pixels wide so rows need padding, three
// high and different in every row and column so a flip or a shift shows.
constexpr int GridWidth = 5;
constexpr int GridHeight = 3;
const QList<int> Grid{
    0, 1, 2, 3, 0, //
    1, 1, 0, 2, 3, //
    3, 2, 1, 0, 1, //
};

// Colours any 8-bit channel can hold, and colours a 5-bit channel holds closely.
const QList<QRgb> TrueColours{qRgb(0x10, 0x20, 0x30), qRgb(0xF0, 0xE0, 0xD0), qRgb(0xC0, 0x18, 0x48),
                              qRgb(0x38, 0x90, 0x68)};
const QList<QRgb> CoarseColours{qRgb(0, 0, 0), qRgb(0xFF, 0, 0), qRgb(0, 0xFF, 0), qRgb(0, 0, 0xFF)};

QList<QRgb> Expand(const QList<int> &indices, const QList<QRgb> &colours)
{
    QList<QRgb> pixels;
    for (int index : indices)
        pixels.append(colours.at(index));
    return pixels;
}

// File header, then the info header with its masks and palette, an optional
// gap, then the pixel data.
QByteArray BitmapFile(const QByteArray &infoAndPalette, const QByteArray &pixels, int gap = 0)
{
    const auto offset = static_cast<std::uint32_t>(14 + infoAndPalette.size() + gap);
    LittleEndian file;
    file.bytes({'B', 'M'}).u32(offset + static_cast<std::uint32_t>(pixels.size())).u16(0).u16(0).u32(offset);
    return file.bytes(infoAndPalette).zeros(gap).bytes(pixels).data;
}

struct Masks
{
    std::uint32_t red = 0, green = 0, blue = 0, alpha = 0;
};

// An info header of `size` bytes (40, 52, 56, 108 or 124); the longer ones
// carry the masks themselves.
LittleEndian InfoHeader(int size, int width, int height, unsigned bits, Compression compression,
                        unsigned coloursUsed = 0, Masks masks = {})
{
    LittleEndian header;
    header.u32(static_cast<std::uint32_t>(size)).i32(width).i32(height).u16(1).u16(bits).u32(compression);
    header.u32(0).i32(2835).i32(2835).u32(coloursUsed).u32(0);
    if (size >= 52)
        header.u32(masks.red).u32(masks.green).u32(masks.blue);
    if (size >= 56)
        header.u32(masks.alpha);
    if (size >= 108)
        header.u32(0x73524742).zeros(36 + 12); // sRGB; endpoints and gammas unused
    if (size >= 124)
        header.u32(4).zeros(12); // perceptual intent, no profile
    return header;
}

LittleEndian &Palette(LittleEndian &out, const QList<QRgb> &colours, int entryBytes = 4)
{
    for (QRgb colour : colours) {
        out.u8(qBlue(colour)).u8(qGreen(colour)).u8(qRed(colour));
        if (entryBytes == 4)
            out.u8(0);
    }
    return out;
}

// Rows bottom-up unless `topDown`, each padded to four bytes; pixels under
// eight bits are packed from the high bits down, wider ones little-endian.
QByteArray PackRows(int width, int height, unsigned bits, const std::function<std::uint32_t(int, int)> &value,
                    bool topDown = false)
{
    LittleEndian out;
    for (int row = 0; row < height; ++row) {
        const int y = topDown ? row : height - 1 - row;
        const auto start = out.data.size();
        unsigned pending = 0;
        unsigned pendingBits = 0;
        for (int x = 0; x < width; ++x) {
            const std::uint32_t v = value(x, y);
            if (bits < 8) {
                pending = (pending << bits) | v;
                pendingBits += bits;
                if (pendingBits == 8) {
                    out.u8(pending);
                    pending = pendingBits = 0;
                }
            } else {
                for (unsigned b = 0; b < bits; b += 8)
                    out.u8(v >> b);
            }
        }
        if (pendingBits > 0)
            out.u8(pending << (8 - pendingBits));
        while ((out.data.size() - start) % 4 != 0)
            out.u8(0);
    }
    return out.data;
}

std::function<std::uint32_t(int, int)> GridIndex(const QList<unsigned> &values)
{
    return [values](int x, int y) { return values.at(Grid.at(y * GridWidth + x)); };
}

std::uint32_t Rgb24(QRgb colour)
{
    return colour & 0xFFFFFF;
}

std::uint32_t Rgb555(QRgb colour)
{
    return (static_cast<unsigned>(qRed(colour)) >> 3 << 10) | (static_cast<unsigned>(qGreen(colour)) >> 3 << 5)
           | (static_cast<unsigned>(qBlue(colour)) >> 3);
}

std::uint32_t Rgb565(QRgb colour)
{
    return (static_cast<unsigned>(qRed(colour)) >> 3 << 11) | (static_cast<unsigned>(qGreen(colour)) >> 2 << 5)
           | (static_cast<unsigned>(qBlue(colour)) >> 3);
}

std::function<std::uint32_t(int, int)> GridColour(const QList<QRgb> &colours, std::uint32_t (*encode)(QRgb))
{
    return [colours, encode](int x, int y) { return encode(colours.at(Grid.at(y * GridWidth + x))); };
}

BmpFixture GridFixture(const QString &name, const QByteArray &file, const QList<QRgb> &colours, int tolerance = 0)
{
    return {name, file, GridWidth, GridHeight, Expand(Grid, colours), tolerance};
}

BmpFixture OneBit()
{
    // Ten wide, so a row spans two bytes.
    const QList<int> bits{1, 0, 0, 1, 1, 0, 1, 0, 0, 1, //
                          0, 1, 1, 0, 0, 1, 0, 1, 1, 1};
    const QList<QRgb> colours{qRgb(0x20, 0x40, 0x60), qRgb(0xE0, 0xC0, 0xA0)};
    LittleEndian info = InfoHeader(40, 10, 2, 1, Rgb, 2);
    const QByteArray rows =
        PackRows(10, 2, 1, [&](int x, int y) { return static_cast<std::uint32_t>(bits.at(y * 10 + x)); });
    return {QStringLiteral("1 bit"), BitmapFile(Palette(info, colours).data, rows), 10, 2, Expand(bits, colours)};
}

BmpFixture FourBit()
{
    LittleEndian info = InfoHeader(40, GridWidth, GridHeight, 4, Rgb, 16);
    QList<QRgb> palette(16, qRgb(0xFF, 0, 0xFF));
    for (int i = 0; i < 4; ++i)
        palette[15 - 4 * i] = TrueColours.at(i); // far from the start of the palette
    const QByteArray rows = PackRows(GridWidth, GridHeight, 4, GridIndex({15, 11, 7, 3}));
    return GridFixture(QStringLiteral("4 bit"), BitmapFile(Palette(info, palette).data, rows), TrueColours);
}

BmpFixture EightBit(bool topDown)
{
    // No colour count: the palette then has all 256 entries.
    LittleEndian info = InfoHeader(40, GridWidth, topDown ? -GridHeight : GridHeight, 8, Rgb);
    QList<QRgb> palette(256, qRgb(0xFF, 0, 0xFF));
    const QList<unsigned> at{0x00, 0x7F, 0x80, 0xFF};
    for (int i = 0; i < 4; ++i)
        palette[static_cast<int>(at.at(i))] = TrueColours.at(i);
    const QByteArray rows = PackRows(GridWidth, GridHeight, 8, GridIndex(at), topDown);
    return GridFixture(topDown ? QStringLiteral("8 bit top-down") : QStringLiteral("8 bit"),
                       BitmapFile(Palette(info, palette).data, rows), TrueColours);
}

} // namespace

BmpFixture Rle8Fixture()
{
    LittleEndian info = InfoHeader(40, GridWidth, GridHeight, 8, Rle8, 4);
    LittleEndian rows;
    rows.bytes({0, 5, 3, 2, 1, 0, 1, 0, 0, 0});       // bottom row, literal, padded to a word; end of line
    rows.bytes({2, 1, 0, 3, 0, 2, 3, 0, 0, 0});       // a run of two, a literal of three, end of line
    rows.bytes({1, 0, 1, 1, 1, 2, 1, 3, 1, 0, 0, 1}); // runs of one; end of bitmap
    return GridFixture(QStringLiteral("RLE8"), BitmapFile(Palette(info, TrueColours).data, rows.data), TrueColours);
}

BmpFixture Palette8Fixture()
{
    // A short palette keeps the file small enough to cut at every length.
    LittleEndian info = InfoHeader(40, GridWidth, GridHeight, 8, Rgb, 4);
    const QByteArray rows = PackRows(GridWidth, GridHeight, 8, GridIndex({0, 1, 2, 3}));
    return GridFixture(QStringLiteral("8 bit, four colours"), BitmapFile(Palette(info, TrueColours).data, rows),
                       TrueColours);
}

QList<BmpFixture> BmpFixtures()
{
    QList<BmpFixture> fixtures{OneBit(), FourBit(), EightBit(false), EightBit(true), Palette8Fixture(), Rle8Fixture()};

    {
        LittleEndian info = InfoHeader(40, GridWidth, GridHeight, 4, Rle4, 4);
        LittleEndian rows;
        rows.bytes({0, 5, 0x32, 0x10, 0x10, 0, 0, 0}); // literal of five nibbles, padded to a word; end of line
        rows.bytes({2, 0x11, 1, 0x00, 2, 0x23, 0, 0}); // runs, the last alternating two colours
        rows.bytes({0, 4, 0x01, 0x23, 1, 0x00, 0, 1}); // literal of four, a run of one; end of bitmap
        fixtures.append(
            GridFixture(QStringLiteral("RLE4"), BitmapFile(Palette(info, TrueColours).data, rows.data), TrueColours));
    }
    fixtures.append(GridFixture(QStringLiteral("16 bit 5-5-5"),
                                BitmapFile(InfoHeader(40, GridWidth, GridHeight, 16, Rgb).data,
                                           PackRows(GridWidth, GridHeight, 16, GridColour(CoarseColours, Rgb555))),
                                CoarseColours, 8));
    {
        LittleEndian info = InfoHeader(40, GridWidth, GridHeight, 16, BitFields);
        info.u32(0xF800).u32(0x07E0).u32(0x001F);
        fixtures.append(
            GridFixture(QStringLiteral("16 bit 5-6-5 bit fields"),
                        BitmapFile(info.data, PackRows(GridWidth, GridHeight, 16, GridColour(CoarseColours, Rgb565))),
                        CoarseColours, 8));
    }
    fixtures.append(GridFixture(QStringLiteral("24 bit"),
                                BitmapFile(InfoHeader(40, GridWidth, GridHeight, 24, Rgb).data,
                                           PackRows(GridWidth, GridHeight, 24, GridColour(TrueColours, Rgb24))),
                                TrueColours));
    fixtures.append(
        GridFixture(QStringLiteral("24 bit top-down, pixels after a gap"),
                    BitmapFile(InfoHeader(40, GridWidth, -GridHeight, 24, Rgb).data,
                               PackRows(GridWidth, GridHeight, 24, GridColour(TrueColours, Rgb24), true), 6),
                    TrueColours));
    // The fourth byte is zero, as most writers leave it: it is not transparency.
    fixtures.append(GridFixture(QStringLiteral("32 bit"),
                                BitmapFile(InfoHeader(40, GridWidth, GridHeight, 32, Rgb).data,
                                           PackRows(GridWidth, GridHeight, 32, GridColour(TrueColours, Rgb24))),
                                TrueColours));
    {
        // Red in the low byte: only the masks say so.
        LittleEndian info = InfoHeader(40, GridWidth, GridHeight, 32, BitFields);
        info.u32(0x000000FF).u32(0x0000FF00).u32(0x00FF0000);
        const auto swapped = [](QRgb c) -> std::uint32_t {
            return static_cast<std::uint32_t>(qRed(c)) | static_cast<std::uint32_t>(qGreen(c)) << 8
                   | static_cast<std::uint32_t>(qBlue(c)) << 16;
        };
        fixtures.append(GridFixture(
            QStringLiteral("32 bit bit fields"),
            BitmapFile(info.data, PackRows(GridWidth, GridHeight, 32, GridColour(TrueColours, swapped))), TrueColours));
    }
    {
        // The old header: 16-bit sizes, three-byte palette entries, one per possible index.
        LittleEndian info;
        info.u32(12).u16(GridWidth).u16(GridHeight).u16(1).u16(4);
        QList<QRgb> palette(16, qRgb(0xFF, 0, 0xFF));
        for (int i = 0; i < 4; ++i)
            palette[i + 1] = TrueColours.at(i);
        Palette(info, palette, 3);
        fixtures.append(GridFixture(QStringLiteral("OS/2 header, 4 bit"),
                                    BitmapFile(info.data, PackRows(GridWidth, GridHeight, 4, GridIndex({1, 2, 3, 4}))),
                                    TrueColours));
    }
    {
        LittleEndian info;
        info.u32(12).u16(GridWidth).u16(GridHeight).u16(1).u16(24);
        fixtures.append(GridFixture(
            QStringLiteral("OS/2 header, 24 bit"),
            BitmapFile(info.data, PackRows(GridWidth, GridHeight, 24, GridColour(TrueColours, Rgb24))), TrueColours));
    }
    const Masks rgb565{0xF800, 0x07E0, 0x001F, 0};
    const Masks rgb888{0x00FF0000, 0x0000FF00, 0x000000FF, 0};
    fixtures.append(GridFixture(QStringLiteral("52-byte header, 16 bit bit fields"),
                                BitmapFile(InfoHeader(52, GridWidth, GridHeight, 16, BitFields, 0, rgb565).data,
                                           PackRows(GridWidth, GridHeight, 16, GridColour(CoarseColours, Rgb565))),
                                CoarseColours, 8));
    // Without bit-field compression the masks mean nothing: the data is 5-5-5.
    fixtures.append(GridFixture(QStringLiteral("52-byte header, 16 bit, masks unused"),
                                BitmapFile(InfoHeader(52, GridWidth, GridHeight, 16, Rgb, 0, rgb565).data,
                                           PackRows(GridWidth, GridHeight, 16, GridColour(CoarseColours, Rgb555))),
                                CoarseColours, 8));
    fixtures.append(GridFixture(QStringLiteral("56-byte header, 32 bit bit fields"),
                                BitmapFile(InfoHeader(56, GridWidth, GridHeight, 32, BitFields, 0, rgb888).data,
                                           PackRows(GridWidth, GridHeight, 32, GridColour(TrueColours, Rgb24))),
                                TrueColours));
    {
        LittleEndian info = InfoHeader(108, GridWidth, GridHeight, 8, Rgb, 4);
        fixtures.append(GridFixture(
            QStringLiteral("108-byte header, 8 bit"),
            BitmapFile(Palette(info, TrueColours).data, PackRows(GridWidth, GridHeight, 8, GridIndex({0, 1, 2, 3}))),
            TrueColours));
    }
    fixtures.append(GridFixture(QStringLiteral("124-byte header, 24 bit"),
                                BitmapFile(InfoHeader(124, GridWidth, GridHeight, 24, Rgb, 0, rgb888).data,
                                           PackRows(GridWidth, GridHeight, 24, GridColour(TrueColours, Rgb24))),
                                TrueColours));
    fixtures.append(GridFixture(QStringLiteral("124-byte header, 16 bit 5-6-5 bit fields"),
                                BitmapFile(InfoHeader(124, GridWidth, GridHeight, 16, BitFields, 0, rgb565).data,
                                           PackRows(GridWidth, GridHeight, 16, GridColour(CoarseColours, Rgb565))),
                                CoarseColours, 8));
    return fixtures;
}

QByteArray Bitmap24(const QImage &picture)
{
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    return BitmapFile(InfoHeader(40, rgb.width(), rgb.height(), 24, Rgb).data,
                      PackRows(rgb.width(), rgb.height(), 24, [&](int x, int y) { return Rgb24(rgb.pixel(x, y)); }));
}
