// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "conversion/whiteblend.h"

namespace {

// x * a / 255 rounded the painter's way: exact for a of 0 and 255.
unsigned byteMultiply(unsigned value, unsigned alpha)
{
    const unsigned t = value * alpha;
    return (t + (t >> 8) + 0x80) >> 8;
}

template <typename Channel>
Rgb overWhite(Rgb colour, Channel channelOnWhite)
{
    const auto alpha = static_cast<std::uint8_t>(colour >> 24);
    Rgb result = 0xFF000000u;
    for (int shift : {16, 8, 0})
        result |= Rgb{channelOnWhite(static_cast<std::uint8_t>(colour >> shift), alpha)} << shift;
    return result;
}

} // namespace

std::uint8_t ChannelOnWhite(std::uint8_t channel, std::uint8_t alpha)
{
    return static_cast<std::uint8_t>(byteMultiply(channel, alpha) + byteMultiply(255, 255u - alpha));
}

std::uint8_t OnePixelChannelOnWhite(std::uint8_t channel, std::uint8_t alpha)
{
    const unsigned sum = unsigned{channel} * alpha + 255u * (255u - alpha);
    return static_cast<std::uint8_t>((sum + 127) / 255);
}

Rgb OnWhite(Rgb colour)
{
    return overWhite(colour, ChannelOnWhite);
}

Rgb OnePixelOnWhite(Rgb colour)
{
    return overWhite(colour, OnePixelChannelOnWhite);
}
