// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "codec/pixelcodec.h"

#include "codec/extendedrounding.h"

#include <algorithm>
#include <limits>

namespace {

// Nibble written for each level: upper value = ceil(level / 2), lower = floor(level / 2).
constexpr std::array<std::uint8_t, 7> LevelNibble{0x0, 0x4, 0x5, 0x9, 0xA, 0xE, 0xF};

// Colour shown for each nibble. Pairs two or more apart are no level at all
// and show white, as the device does.
constexpr std::array<Rgb, 16> NibbleColours{
    0xFF000000, 0xFF484848, 0xFFFFFFFF, 0xFFFFFFFF, // 0 1 2 3
    0xFF484848, 0xFF808080, 0xFFA0A0A0, 0xFFFFFFFF, // 4 5 6 7
    0xFFFFFFFF, 0xFFA0A0A0, 0xFFC0C0C0, 0xFFDFDFDF, // 8 9 10 11
    0xFFFFFFFF, 0xFFFFFFFF, 0xFFDFDFDF, 0xFFFFFFFF, // 12 13 14 15
};

constexpr std::array<std::uint8_t, 256> makeLevelTable()
{
    std::array<std::uint8_t, 256> table{};
    for (int y = 0; y < 256; ++y) {
        int level = 0;
        for (std::uint8_t threshold : GreyThresholds)
            level += y > threshold ? 1 : 0;
        table[static_cast<std::size_t>(y)] = static_cast<std::uint8_t>(level);
    }
    return table;
}
constexpr std::array<std::uint8_t, 256> LevelOfLuminance = makeLevelTable();

inline std::uint8_t nibbleOf(Rgb colour)
{
    return LevelNibble[LevelOfLuminance[Luminance(colour)]];
}

// The same nibbles without rounding each luminance. 100 times the luminance,
// 30 R + 59 G + 11 B, is above threshold t exactly when the rounded luminance is,
// except when it equals 100 t + 50: only there does the rounding of an exact
// half decide the level. The largest sum, 25,500, fits in 16 bits, so the
// compiler can put more pixels in each vector register.
using Hundredfold = std::int16_t;
static_assert(100 * 255 <= std::numeric_limits<Hundredfold>::max());

constexpr std::array<Hundredfold, GreyThresholds.size()> ThresholdHalves = [] {
    std::array<Hundredfold, GreyThresholds.size()> halves{};
    for (std::size_t i = 0; i < GreyThresholds.size(); ++i)
        halves[i] = static_cast<Hundredfold>(100 * GreyThresholds[i] + 50);
    return halves;
}();

constexpr std::uint8_t nibbleOfLevel(int level)
{
    return static_cast<std::uint8_t>(((level + 1) >> 1) << 2 | (level >> 1));
}
static_assert([] {
    for (int level = 0; level < static_cast<int>(LevelNibble.size()); ++level)
        if (nibbleOfLevel(level) != LevelNibble[static_cast<std::size_t>(level)])
            return false;
    return true;
}());

// Fills `nibbles` for `count` pixels with straight-line arithmetic, integers
// rather than bools and branches, which would keep the loop scalar. Returns
// false when a pixel lies on a threshold's half; the caller then takes those
// pixels through nibbleOf().
bool nibblesAwayFromHalves(const Rgb *pixels, int count, std::uint8_t *nibbles)
{
    Hundredfold onHalf = 0;
    for (int i = 0; i < count; ++i) {
        const auto channel = [&](int shift) { return static_cast<Hundredfold>((pixels[i] >> shift) & 0xFF); };
        const auto hundredfold = static_cast<Hundredfold>(30 * channel(16) + 59 * channel(8) + 11 * channel(0));
        Hundredfold level = 0;
        for (Hundredfold half : ThresholdHalves) {
            level = static_cast<Hundredfold>(level + (hundredfold > half));
            onHalf = static_cast<Hundredfold>(onHalf | (hundredfold == half));
        }
        nibbles[i] = nibbleOfLevel(level);
    }
    return onHalf == 0;
}

} // namespace

std::uint8_t Luminance(Rgb colour)
{
    const int r = static_cast<int>((colour >> 16) & 0xFF);
    const int g = static_cast<int>((colour >> 8) & 0xFF);
    const int b = static_cast<int>(colour & 0xFF);
    // 100 times the exact value is an integer. Unless it ends in 50 the exact
    // value is at least 0.01 away from a half, far beyond any rounding error, so
    // integer rounding gives the same answer as the extended arithmetic. Only
    // at an exact half does the direction depend on how 0.3, 0.59 and 0.11 are
    // represented.
    const int hundredfold = 30 * r + 59 * g + 11 * b;
    if (hundredfold % 100 != 50)
        return static_cast<std::uint8_t>((hundredfold + 50) / 100);
    return static_cast<std::uint8_t>((hundredfold - 50) / 100 + (HalfRoundsUp(r, g, b) ? 1 : 0));
}

int GreyLevel(std::uint8_t luminance)
{
    return LevelOfLuminance[luminance];
}

AlbumBitmap DeviceView(ImageView albumImage)
{
    PackedImage packed{};
    EncodeImage(albumImage, packed);
    AlbumBitmap shown;
    DecodeImage(packed, shown);
    return shown;
}

Rgb NibbleColour(std::uint8_t nibble)
{
    return NibbleColours[nibble & 0x0F];
}

std::size_t EncodeImage(ImageView bitmap, std::span<std::uint8_t> out)
{
    if (bitmap.width <= 0 || bitmap.height <= 0 || bitmap.pixels == nullptr)
        return 0;
    const std::size_t pixels = static_cast<std::size_t>(bitmap.width) * static_cast<std::size_t>(bitmap.height);
    const std::size_t bytes = (pixels + 1) / 2;
    if (out.size() < bytes)
        return 0;

    const int width = bitmap.width;
    const auto rowOf = [&bitmap](int y) { return bitmap.pixels + static_cast<std::ptrdiff_t>(y) * bitmap.stride; };

    // With an even width every row starts on a byte boundary and its pixels
    // pair up, so rows go a piece at a time through the fast path.
    if (width % 2 == 0) {
        constexpr int Piece = 128; // a whole album row
        std::array<std::uint8_t, Piece> nibbles{};
        std::uint8_t *byte = out.data();
        for (int y = 0; y < bitmap.height; ++y) {
            const Rgb *line = rowOf(y);
            for (int x = 0; x < width; x += Piece) {
                const int count = std::min(Piece, width - x);
                if (!nibblesAwayFromHalves(line + x, count, nibbles.data()))
                    for (int i = 0; i < count; ++i)
                        nibbles[static_cast<std::size_t>(i)] = nibbleOf(line[x + i]);
                for (int i = 0; i < count; i += 2)
                    *byte++ = static_cast<std::uint8_t>(nibbles[static_cast<std::size_t>(i)]
                                                        | nibbles[static_cast<std::size_t>(i) + 1] << 4);
            }
        }
        return bytes;
    }

    // Nibbles run on across rows: pixel p goes to byte p / 2, low half when p is even.
    std::size_t pixel = 0;
    for (int y = 0; y < bitmap.height; ++y) {
        const Rgb *line = rowOf(y);
        for (int x = 0; x < width; ++x, ++pixel) {
            const std::uint8_t nibble = nibbleOf(line[x]);
            if (pixel % 2 == 0)
                out[pixel / 2] = nibble;
            else
                out[pixel / 2] = static_cast<std::uint8_t>(out[pixel / 2] | (nibble << 4));
        }
    }
    return bytes;
}

void DecodeImage(std::span<const std::uint8_t> packed, AlbumBitmap &bitmap)
{
    DecodeImage(packed, bitmap.pixels.data(), AlbumImageSide);
}

void DecodeImage(std::span<const std::uint8_t> packed, Rgb *pixels, std::ptrdiff_t stride)
{
    std::size_t pixel = 0;
    for (int y = 0; y < AlbumImageSide; ++y) {
        Rgb *line = pixels + static_cast<std::ptrdiff_t>(y) * stride;
        for (int x = 0; x < AlbumImageSide; ++x, ++pixel) {
            const std::size_t index = pixel / 2;
            const std::uint8_t byte = index < packed.size() ? packed[index] : 0;
            line[x] = NibbleColours[(pixel % 2 == 0) ? (byte & 0x0F) : (byte >> 4)];
        }
    }
}
