#include "codec/pixelcodec.h"

#include <algorithm>
#include <bit>
#include <cfloat>
#include <limits>

namespace {

// Nibble written for each level: upper value = ceil(level / 2), lower = floor(level / 2).
constexpr std::array<std::uint8_t, 7> LevelNibble{0x0, 0x4, 0x5, 0x9, 0xA, 0xE, 0xF};

// Colour shown for each nibble. Pairs two or more apart are no level at all
// and show white, as the device does.
constexpr std::array<QRgb, 16> NibbleColours{
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

// The grey rule is 0.3 R + 0.59 G + 0.11 B as the x87 extended format works
// it out: the constants held with 64-bit significands, each product and each
// sum rounded to 64 significant bits (to nearest, ties to even), the result
// rounded to an integer the same way. Only at an exact half does that rounding
// decide the grey, and the same album must come out on every CPU, so it is
// carried out here in integers rather than trusting long double, which is
// plain double on some CPUs and quadruple precision on others.
//
// Values are fixed point in units of 2^-67, the weight of the last bit of the
// smallest constant. Every product and sum the rule forms is a multiple of
// that unit and stays below 2^77, so unsigned __int128 holds each one exactly.
#ifndef __SIZEOF_INT128__
#error "the exact luminance needs unsigned __int128 (GCC or Clang on a 64-bit target)"
#endif
__extension__ using Fixed = unsigned __int128;
constexpr int FractionBits = 67;
constexpr int SignificandBits = 64;

// round(numerator / denominator * 2^power), ties to even.
constexpr std::uint64_t nearestSignificand(unsigned numerator, unsigned denominator, int power)
{
    const Fixed scaled = Fixed{numerator} << power;
    std::uint64_t quotient = static_cast<std::uint64_t>(scaled / denominator);
    const Fixed twiceRemainder = 2 * (scaled % denominator);
    if (twiceRemainder > denominator || (twiceRemainder == denominator && (quotient & 1) != 0))
        ++quotient;
    return quotient;
}

// The constants as the extended format holds them: m * 2^-e with m in
// [2^63, 2^64), e chosen for each so that the whole significand is used.
struct ExtendedConstant
{
    std::uint64_t significand;
    int exponent; // the value is significand * 2^-exponent
};
constexpr ExtendedConstant RedWeight{nearestSignificand(30, 100, 65), 65};
constexpr ExtendedConstant GreenWeight{nearestSignificand(59, 100, 64), 64};
constexpr ExtendedConstant BlueWeight{nearestSignificand(11, 100, 67), 67};
static_assert(RedWeight.significand >> 63 == 1 && GreenWeight.significand >> 63 == 1
              && BlueWeight.significand >> 63 == 1);
#if defined(__x86_64__) || defined(__i386__)
#if LDBL_MANT_DIG == 64
// Where long double is the x87 format, its literals are the same numbers.
static_assert(RedWeight.significand * 0x1p-65L == 0.3L);
static_assert(GreenWeight.significand * 0x1p-64L == 0.59L);
static_assert(BlueWeight.significand * 0x1p-67L == 0.11L);
#endif
#endif

// Whether cutting off the bits `dropped` rounds up, `half` being half a unit
// of the last bit kept: past the half, or at it when that bit is odd. Bitwise
// rather than short-circuit: which way a tie colour goes is anyone's guess, so
// a branch would often be mispredicted.
template <typename Bits>
constexpr bool roundsUp(Bits dropped, Bits half, bool lastKeptOdd)
{
    return (dropped > half) | ((dropped == half) & lastKeptOdd);
}

// `value` rounded to 64 significant bits, still in units of 2^-67. Below 2^64
// units it already fits. Above, every value here is under 2^77, so the bits
// that go all lie in the low word.
constexpr Fixed toSignificand(Fixed value)
{
    const auto high = static_cast<std::uint64_t>(value >> SignificandBits);
    if (high == 0)
        return value;
    const int excess = static_cast<int>(std::bit_width(high)); // 1 to 13
    const auto low = static_cast<std::uint64_t>(value);
    const std::uint64_t dropped = low & ((std::uint64_t{1} << excess) - 1);
    const bool up = roundsUp(dropped, std::uint64_t{1} << (excess - 1), ((low >> excess) & 1) != 0);
    return value - dropped + (std::uint64_t{up} << excess);
}

// `value` rounded to a whole number, ties to even.
constexpr unsigned toInteger(Fixed value)
{
    constexpr Fixed Half = Fixed{1} << (FractionBits - 1);
    const auto whole = static_cast<unsigned>(value >> FractionBits);
    return whole + roundsUp(value & (2 * Half - 1), Half, (whole & 1) != 0);
}

constexpr Fixed weightedChannel(int channel, ExtendedConstant weight)
{
    const Fixed product = Fixed{static_cast<unsigned>(channel)} * weight.significand;
    return toSignificand(product << (FractionBits - weight.exponent));
}

// Each channel's rounded product for all 256 values, worked out while compiling.
using WeightedChannels = std::array<Fixed, 256>;
constexpr WeightedChannels weightedChannelTable(ExtendedConstant weight)
{
    WeightedChannels table{};
    for (int channel = 0; channel < 256; ++channel)
        table[static_cast<std::size_t>(channel)] = weightedChannel(channel, weight);
    return table;
}
constexpr WeightedChannels RedProducts = weightedChannelTable(RedWeight);
constexpr WeightedChannels GreenProducts = weightedChannelTable(GreenWeight);
constexpr WeightedChannels BlueProducts = weightedChannelTable(BlueWeight);

constexpr std::uint8_t extendedLuminance(int r, int g, int b)
{
    const auto at = [](int channel) { return static_cast<std::size_t>(channel); };
    const Fixed redAndGreen = toSignificand(RedProducts[at(r)] + GreenProducts[at(g)]);
    const Fixed sum = toSignificand(redAndGreen + BlueProducts[at(b)]);
    return static_cast<std::uint8_t>(toInteger(sum));
}
// 76.5 goes to even; (0, 150, 100), 99.5 in decimal, lies just below the half.
static_assert(extendedLuminance(255, 0, 0) == 76);
static_assert(extendedLuminance(0, 150, 100) == 99);
static_assert(extendedLuminance(255, 255, 255) == 255);

// Which way each half goes, worked out while compiling. A colour is at a half
// when 30 R + 59 G + 11 B ends in 50; 11 is invertible modulo 100, so for each
// red and green only blues of one residue modulo 100 qualify: at most three,
// told apart by B / 100. Bit B / 100 of entry (R, G) says whether that half
// rounds up.
constexpr std::array<std::uint8_t, 256 * 256> makeTieTable()
{
    std::array<std::uint8_t, 256 * 256> table{};
    for (int r = 0; r < 256; ++r) {
        for (int g = 0; g < 256; ++g) {
            std::uint8_t bits = 0;
            // 11 * 91 = 1001: 91 undoes the blue weight modulo 100.
            const int residue = ((50 - 30 * r - 59 * g) % 100 + 100) % 100 * 91 % 100;
            for (int b = residue; b < 256; b += 100) {
                const int hundredfold = 30 * r + 59 * g + 11 * b;
                if (extendedLuminance(r, g, b) == (hundredfold + 50) / 100)
                    bits = static_cast<std::uint8_t>(bits | (1u << (b / 100)));
            }
            table[static_cast<std::size_t>(r << 8 | g)] = bits;
        }
    }
    return table;
}
constexpr std::array<std::uint8_t, 256 * 256> HalvesRoundingUp = makeTieTable();

inline std::uint8_t nibbleOf(QRgb colour)
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
bool nibblesAwayFromHalves(const QRgb *pixels, int count, std::uint8_t *nibbles)
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

std::uint8_t Luminance(QRgb colour)
{
    const int r = qRed(colour);
    const int g = qGreen(colour);
    const int b = qBlue(colour);
    // 100 times the exact value is an integer. Unless it ends in 50 the exact
    // value is at least 0.01 away from a half, far beyond any rounding error, so
    // integer rounding gives the same answer as the extended arithmetic. Only
    // at an exact half does the direction depend on how 0.3, 0.59 and 0.11 are
    // represented; the table worked out while compiling holds each answer.
    const int hundredfold = 30 * r + 59 * g + 11 * b;
    if (hundredfold % 100 != 50)
        return static_cast<std::uint8_t>((hundredfold + 50) / 100);
    const unsigned up = HalvesRoundingUp[static_cast<std::size_t>(r << 8 | g)] >> (b / 100) & 1u;
    return static_cast<std::uint8_t>((hundredfold - 50) / 100 + static_cast<int>(up));
}

int GreyLevel(std::uint8_t luminance)
{
    return LevelOfLuminance[luminance];
}

QImage DeviceView(const QImage &albumImage)
{
    PackedImage packed{};
    EncodeImage(albumImage, packed);
    QImage shown(AlbumImageSide, AlbumImageSide, QImage::Format_RGB32);
    DecodeImage(packed, shown);
    return shown;
}

QRgb NibbleColour(std::uint8_t nibble)
{
    return NibbleColours[nibble & 0x0F];
}

std::size_t EncodeImage(const QImage &bitmap, std::span<std::uint8_t> out)
{
    const std::size_t pixels = static_cast<std::size_t>(bitmap.width()) * static_cast<std::size_t>(bitmap.height());
    const std::size_t bytes = (pixels + 1) / 2;
    if (out.size() < bytes)
        return 0;

    const QImage rgb = bitmap.format() == QImage::Format_RGB32 || bitmap.format() == QImage::Format_ARGB32
                           ? bitmap
                           : bitmap.convertToFormat(QImage::Format_RGB32);
    const int width = rgb.width();

    // With an even width every row starts on a byte boundary and its pixels
    // pair up, so rows go a piece at a time through the fast path.
    if (width % 2 == 0) {
        constexpr int Piece = 128; // a whole album row
        std::array<std::uint8_t, Piece> nibbles{};
        std::uint8_t *byte = out.data();
        for (int y = 0; y < rgb.height(); ++y) {
            const auto *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
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
    for (int y = 0; y < rgb.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
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

void DecodeImage(std::span<const std::uint8_t> packed, QImage &bitmap)
{
    if (bitmap.width() != AlbumImageSide || bitmap.height() != AlbumImageSide
        || bitmap.format() != QImage::Format_RGB32)
        bitmap = QImage(AlbumImageSide, AlbumImageSide, QImage::Format_RGB32);

    std::size_t pixel = 0;
    for (int y = 0; y < AlbumImageSide; ++y) {
        auto *line = reinterpret_cast<QRgb *>(bitmap.scanLine(y));
        for (int x = 0; x < AlbumImageSide; ++x, ++pixel) {
            const std::size_t index = pixel / 2;
            const std::uint8_t byte = index < packed.size() ? packed[index] : 0;
            line[x] = NibbleColours[(pixel % 2 == 0) ? (byte & 0x0F) : (byte >> 4)];
        }
    }
}
