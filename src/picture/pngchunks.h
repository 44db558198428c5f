// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <span>

// True when `file` starts with the PNG signature.
bool HasPngSignature(std::span<const std::uint8_t> file);

// True when a file with the PNG signature has a chunk cut short or with a
// wrong checksum, or ends before its end chunk. False for a file without the
// signature: not for this check to judge.
bool HasDamagedPngChunks(std::span<const std::uint8_t> file);
