// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <span>

// The Orientation (1 to 8) that a JPEG's EXIF data asks for: `app1` is the
// contents of the file's APP1 segments one after the other, which must
// begin with "Exif\0\0" and a TIFF header. 1 when there is none, or when the
// first directory's Orientation entry is not one short in the range.
int ExifOrientation(std::span<const std::uint8_t> app1);

// The same for EXIF data as a WebP file's EXIF chunk holds it: the TIFF
// header first, or, as some writers leave it, after "Exif\0\0".
int WebPExifOrientation(std::span<const std::uint8_t> chunk);
