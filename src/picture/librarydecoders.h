// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "picture/picturetypes.h"

#include <cstdint>
#include <span>

// Decoders for the picture types read by a library of their own, each given
// the whole file and each its own damage check: a file cut short or whose
// data does not decode is refused as Damaged, never passed off with made-up
// pixels. The size is checked against MaxPicturePixels from the header,
// before any pixel is decoded. The picture comes upright (the file's own
// rotation and mirroring applied), with straight alpha when it has any;
// library warnings go to PictureFileContents::warnings, never to standard error.

// HEIC, HEIF and AVIF: the primary image, with its transform boxes applied.
PictureFileContents DecodeHeif(std::span<const std::uint8_t> file);

// WebP, lossy or lossless; the first frame of an animation.
PictureFileContents DecodeWebP(std::span<const std::uint8_t> file);

// TIFF: the first page.
PictureFileContents DecodeTiff(std::span<const std::uint8_t> file);
