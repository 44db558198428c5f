// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "codec/pixelcodec.h"

#include <cstdint>

// A colour with straight alpha over white, opaque afterwards, rounded as the
// painter that made the albums so far rounded it. It blended every picture
// one way, scaled or not, but painted a one-pixel part as a fill of its
// colour, which rounds differently for 24 of the 65,536 channel/alpha pairs.

// The channel premultiplied, then white times 255 - a added, each product
// divided by 255 as (t + t / 256 + 128) / 256.
std::uint8_t ChannelOnWhite(std::uint8_t channel, std::uint8_t alpha);

// A one-pixel part's channel: (c a + 255 (255 - a)) / 255, rounded to nearest.
std::uint8_t OnePixelChannelOnWhite(std::uint8_t channel, std::uint8_t alpha);

// The colour over white with ChannelOnWhite() or OnePixelChannelOnWhite().
Rgb OnWhite(Rgb colour);
Rgb OnePixelOnWhite(Rgb colour);
