// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture/picturedamagecheckers.h"

#include "picture/pngchunks.h"

// Damage in the compressed rows that the checksums do not show makes the
// reader fail, which the import reports as damage too.
bool IsDamagedPng(std::span<const std::uint8_t> file)
{
    return HasDamagedPngChunks(file);
}
