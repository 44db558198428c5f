// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "album/albumwriter.h"

#include <QImage>

#include <cstdint>
#include <span>

// Where an album image as a QImage meets the album's records: the one place
// that knows both, so the picture side and the format side know nothing of
// each other.

// The record of an album image of any pixel format (RGB32 is read in place).
ImageRecord RecordOfImage(const QImage &image, const ImageCompressor &compress = CompressImage);

// The image of one album record's payload; black where the payload does not decompress.
QImage DecodeRecordImage(std::span<const std::uint8_t> payload);
