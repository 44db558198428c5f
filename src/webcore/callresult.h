// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "codec/pixelcodec.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

// The one place each call of webcore.h leaves its result: bytes and a JSON
// text, kept until the next call starts.
struct CallResult
{
    std::vector<std::uint8_t> data;
    std::string json = "{}";
};

// The result of the call in progress; NewCallResult() empties it first.
CallResult &CurrentResult();
CallResult &NewCallResult();

// Sets the JSON to {"error":"<message>"} and gives the status for bad
// choices or a malformed list (-2).
int RefusedCall(const std::string &message);

// Pixels 0xAARRGGBB as R, G, B, A bytes, a canvas's ImageData order.
void PutRgba(const Rgb *pixels, std::size_t count, std::vector<std::uint8_t> &out);
