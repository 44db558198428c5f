// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture/picturedamagecheckers.h"

#include "picture/gifblocks.h"

bool IsDamagedGif(std::span<const std::uint8_t> file)
{
    return HasDamagedGifBlocks(file);
}
