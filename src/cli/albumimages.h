// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "albumfile/albumfile.h"

#include <QImage>

#include <cstddef>

// valbum's one edge between an album's records and pictures: each image is
// decoded from its record only when a command asks for it, one at a time.

// Record `index` of `contents` as a 92 x 92 RGB32 picture.
QImage AlbumImageAt(const AlbumFileContents &contents, std::size_t index);

// Record `index` decoded and made into a record again, as the editor's save
// makes it from the image it shows.
ImageRecord RecompressedRecord(const AlbumFileContents &contents, std::size_t index);
