// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <span>
#include <string>

// A picture's type, told from the file's first bytes, never from its name.
enum class PictureType {
    None, // not a type read here
    Bmp,
    Png,
    Jpeg,
    Gif,
    Ico,  // icons and cursors
    Heif, // HEIC, HEIF and AVIF: one container, HEVC or AV1 inside
    WebP,
    Tiff,
};

// The type a file holds. The first bytes decide as the readers' own checks
// do: "BM"; the PNG signature; FF D8; "GIF87a" or "GIF89a"; an icon or
// cursor directory whose first entry looks like one (see the definition).
PictureType PictureTypeOf(std::span<const std::uint8_t> file);

// The types read by a library of their own (HEIF, WebP, TIFF), and None for
// every other file.
PictureType LibraryPictureTypeOf(std::span<const std::uint8_t> file);

// What a file of a type that is not read is, as "a PDF document" or "a JPEG
// XL picture", when its first bytes tell; empty when they do not.
std::string DescribeUnreadFile(std::span<const std::uint8_t> file);
