// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <span>

// True when a GIF file ends inside a block, or ends with neither a picture
// nor its trailer. A file that only lacks its trailer after a whole picture,
// or has stray bytes after its blocks, is not damaged here.
bool HasDamagedGifBlocks(std::span<const std::uint8_t> file);
