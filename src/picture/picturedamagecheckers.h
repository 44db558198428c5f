// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <span>

// One check per format, each given the whole file; see IsDamagedPicture.
bool IsDamagedJpeg(std::span<const std::uint8_t> file);
bool IsDamagedPng(std::span<const std::uint8_t> file);
bool IsDamagedBitmap(std::span<const std::uint8_t> file);
bool IsDamagedGif(std::span<const std::uint8_t> file);
