// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "picture/picturetypes.h"

#include <cstdint>
#include <span>

// A bitmap file ("BM"): every length and offset is checked against the bytes
// that remain before it is used, and the size against MaxPicturePixels before
// any pixel is allocated (TooLarge, with the size). Pixel data cut short or
// run-length data that runs past a row or the picture is Damaged; a file
// ending inside its info header is HeaderCutShort; a header, palette, mask or
// compression the format does not allow is Malformed, with its fault.
PictureFileContents DecodeBmp(std::span<const std::uint8_t> file);
