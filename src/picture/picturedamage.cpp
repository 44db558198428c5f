// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture/picturedamage.h"

#include "picture/picturedamagecheckers.h"

bool IsDamagedPicture(const QByteArray &format, QByteArrayView file)
{
    if (format == "jpeg")
        return IsDamagedJpeg(file);
    if (format == "png")
        return IsDamagedPng(file);
    if (format == "bmp")
        return IsDamagedBitmap(file);
    if (format == "gif")
        return IsDamagedGif(file);
    return false;
}
