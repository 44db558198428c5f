// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "codec/extendedrounding.h"

#include <array>
#include <bit>
#include <cfloat>
#include <cstddef>
#include <cstdint>

namespace {

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
// that unit and stays below 2^77: two 64-bit words hold each one exactly.
constexpr int FractionBits = 67;

struct Fixed
{
    std::uint64_t high; // units of 2^64, below 2^13
    std::uint64_t low;
};

constexpr Fixed add(Fixed a, Fixed b)
{
    const std::uint64_t low = a.low + b.low;
    return {a.high + b.high + (low < a.low ? 1u : 0u), low};
}

// round(numerator / denominator * 2^power), ties to even, by long division one
// binary digit at a time; the result must fit in 64 bits.
constexpr std::uint64_t nearestSignificand(std::uint64_t numerator, std::uint64_t denominator, int power)
{
    std::uint64_t quotient = numerator / denominator;
    std::uint64_t remainder = numerator % denominator;
    for (int digit = 0; digit < power; ++digit) {
        remainder *= 2;
        const bool one = remainder >= denominator;
        quotient = 2 * quotient + (one ? 1u : 0u);
        remainder -= one ? denominator : 0u;
    }
    const std::uint64_t twiceRemainder = 2 * remainder;
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
#if LDBL_MANT_DIG == 64
// Where long double has the extended significand, its literals are the same numbers.
static_assert(RedWeight.significand * 0x1p-65L == 0.3L);
static_assert(GreenWeight.significand * 0x1p-64L == 0.59L);
static_assert(BlueWeight.significand * 0x1p-67L == 0.11L);
#endif

// Whether cutting off the bits `dropped` rounds up, `half` being half a unit
// of the last bit kept: past the half, or at it when that bit is odd.
constexpr bool roundsUp(std::uint64_t dropped, std::uint64_t half, bool lastKeptOdd)
{
    return dropped > half || (dropped == half && lastKeptOdd);
}

// `value` rounded to 64 significant bits, still in units of 2^-67. Below 2^64
// units it already fits. Above, every value here is under 2^77, so the bits
// that go all lie in the low word.
constexpr Fixed toSignificand(Fixed value)
{
    if (value.high == 0)
        return value;
    const int excess = static_cast<int>(std::bit_width(value.high)); // 1 to 13
    const std::uint64_t dropped = value.low & ((std::uint64_t{1} << excess) - 1);
    const bool up = roundsUp(dropped, std::uint64_t{1} << (excess - 1), ((value.low >> excess) & 1) != 0);
    return add({value.high, value.low - dropped}, {0, std::uint64_t{up} << excess});
}

// `value` rounded to a whole number, ties to even. The binary point lies
// three bits into the high word, so the half is 4 there and 0 below.
constexpr unsigned toInteger(Fixed value)
{
    constexpr int PointInHigh = FractionBits - 64;
    constexpr std::uint64_t HalfInHigh = std::uint64_t{1} << (PointInHigh - 1);
    const auto whole = static_cast<unsigned>(value.high >> PointInHigh);
    const std::uint64_t fractionHigh = value.high & (2 * HalfInHigh - 1);
    const bool up = fractionHigh > HalfInHigh || (fractionHigh == HalfInHigh && (value.low != 0 || (whole & 1) != 0));
    return whole + (up ? 1u : 0u);
}

// channel * weight, rounded to 64 significant bits. The channel, moved to the
// 2^-67 unit, has at most 11 bits, so each half of the significand times it
// fits in a word.
constexpr Fixed weightedChannel(int channel, ExtendedConstant weight)
{
    const std::uint64_t scaled = static_cast<std::uint64_t>(channel) << (FractionBits - weight.exponent);
    const std::uint64_t lowPart = scaled * (weight.significand & 0xFFFFFFFFu);
    const std::uint64_t highPart = scaled * (weight.significand >> 32); // times 2^32
    return toSignificand(add({highPart >> 32, highPart << 32}, {0, lowPart}));
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
    const Fixed redAndGreen = toSignificand(add(RedProducts[at(r)], GreenProducts[at(g)]));
    const Fixed sum = toSignificand(add(redAndGreen, BlueProducts[at(b)]));
    return static_cast<std::uint8_t>(toInteger(sum));
}
// 76.5 goes to even; (0, 150, 100), 99.5 in decimal, lies just below the half.
static_assert(extendedLuminance(255, 0, 0) == 76);
static_assert(extendedLuminance(0, 150, 100) == 99);
static_assert(extendedLuminance(255, 255, 255) == 255);

// Which way each half goes. A colour is at a half when 30 R + 59 G + 11 B
// ends in 50; 11 is invertible modulo 100, so for each red and green only
// blues of one residue modulo 100 qualify: at most three, told apart by
// B / 100. Bit B / 100 of entry (R, G) says whether that half rounds up.
using TieTable = std::array<std::uint8_t, 256 * 256>;
TieTable makeTieTable()
{
    TieTable table{};
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

// The two-word arithmetic takes four times as long as a look-up, and working
// all 167,836 halves out while compiling would need more constant evaluation
// than compilers allow by default; so the table is filled on first use (2 ms
// on x86-64), once for all threads.
const TieTable &halvesRoundingUp()
{
    static const TieTable table = makeTieTable();
    return table;
}

} // namespace

bool HalfRoundsUp(int r, int g, int b)
{
    return (halvesRoundingUp()[static_cast<std::size_t>(r << 8 | g)] >> (b / 100) & 1u) != 0;
}
