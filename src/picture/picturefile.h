// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "picture/picturetypes.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

// The first step of a picture's way into an album: reading the file, with
// the checks that keep a damaged or hostile file out. The contents decide
// the type, and each type goes to its own reader.

// Every type a user can bring into an album, as a user names them.
std::string ReadPictureTypesText();

// Reads a picture from a whole file's bytes (BMP, PNG, JPEG, GIF, ICO, WebP,
// TIFF, HEIC/HEIF or AVIF), whatever its name says. No bytes at all is
// refused as Empty. With a `reduction`, a JPEG may arrive decoded at a
// reduced size.
PictureFileContents ReadPictureBytes(std::span<const std::uint8_t> file, const DecodeReduction &reduction = {});

// The same from the file at `path`, read whole once (see
// ReadPictureFileBytes()): a stream gets the same verdict as a regular file.
PictureFileContents ReadPictureFile(const std::filesystem::path &path, const DecodeReduction &reduction = {});
