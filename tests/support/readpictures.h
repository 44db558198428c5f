// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "picture/picturefile.h"

#include <QByteArray>
#include <QImage>
#include <QString>

#include <cstdint>
#include <span>

// The readers' plain results, reached from the Qt types tests hold.

// The bytes of `bytes`, as the readers take them (no copy).
std::span<const std::uint8_t> BytesOf(const QByteArray &bytes);

// Reads the file at a Qt path, as ImportPicture() does.
PictureFileContents ReadPictureAt(const QString &path, const DecodeReduction &reduction = {});

// Reads a whole file held in memory.
PictureFileContents ReadPictureIn(const QByteArray &file, const DecodeReduction &reduction = {});

// The picture read, as an image (a copy; null when refused).
QImage ImageOf(const PictureFileContents &read);
