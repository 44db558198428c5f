// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture/picturedamagecheckers.h"

#include "picture/bitmapdamage.h"

bool IsDamagedBitmap(std::span<const std::uint8_t> file)
{
    return IsDamagedBitmapFile(file);
}
