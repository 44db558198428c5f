// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture/picturedamage.h"

#include "picture/picturedamagecheckers.h"

bool IsDamagedPicture(PictureType type, std::span<const std::uint8_t> file)
{
    switch (type) {
    case PictureType::Jpeg:
        return IsDamagedJpeg(file);
    case PictureType::Png:
        return IsDamagedPng(file);
    case PictureType::Bmp:
        return IsDamagedBitmap(file);
    case PictureType::Gif:
        return IsDamagedGif(file);
    default:
        return false;
    }
}
