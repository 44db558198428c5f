// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "codec/pixelcodec.h"

#include <cstdint>

// A colour with straight alpha over white, opaque afterwards. The albums so
// far were painted two ways, which round differently for 24 of the 65,536
// channel/alpha pairs; each way keeps its own.

// The rounding of a picture scaled onto the square: each channel
// (c a + 255 (255 - a)) / 255, rounded to nearest.
std::uint8_t ScaledChannelOnWhite(std::uint8_t channel, std::uint8_t alpha);

// The rounding of a picture drawn 1:1 onto white (the part smoothing starts
// from, and a part placed without scaling): the channel premultiplied, then
// white times 255 - a added, each product divided by 255 as
// (t + t / 256 + 128) / 256.
std::uint8_t UnscaledChannelOnWhite(std::uint8_t channel, std::uint8_t alpha);

// The colour over white, with ScaledChannelOnWhite() or UnscaledChannelOnWhite().
Rgb ScaledOnWhite(Rgb colour);
Rgb UnscaledOnWhite(Rgb colour);
