// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <span>

// True when a whole bitmap file ("BM") has less pixel data than its header
// says, or run-length data that runs past a row or the picture, or stops
// before the end without its end marker. False for headers too odd to judge
// here, which the decoder then refuses or reads with its own checks.
bool IsDamagedBitmapFile(std::span<const std::uint8_t> file);

// True when run-length data for a picture of the given size, `fourBit` for
// RLE4 and otherwise RLE8, is broken as IsDamagedBitmapFile() describes.
bool RunLengthDataIsBroken(std::span<const std::uint8_t> data, std::int64_t width, std::int64_t height, bool fourBit);
