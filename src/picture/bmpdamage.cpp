// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture/picturedamagecheckers.h"

#include "picture/bitmapdamage.h"

#include <cstdint>
#include <span>

bool IsDamagedBitmap(QByteArrayView file)
{
    return IsDamagedBitmapFile(
        std::span(reinterpret_cast<const std::uint8_t *>(file.data()), static_cast<std::size_t>(file.size())));
}
