// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "conversion/conversionoptions.h"
#include "picture/picturefile.h"

#include <QImage>
#include <QString>

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

// A picture's import, its whole way into an album: the file read with its
// checks (picturefile.h), then converted (conversion/albumconversion.h).

struct PictureImport
{
    bool ok = false;
    QImage albumImage; // 92 x 92 when ok
    PictureProblem problem;
    std::vector<std::string> warnings; // what the reader said without refusing the picture, or before it did
};

// Imports a picture file: reads it with ReadPictureFile()'s checks and converts it. With
// smoothing on, a JPEG is decoded at a reduced scale by its decoder when the
// reduced picture is still at least as large as the part the square needs.
PictureImport ImportPicture(const QString &path, const ConversionOptions &options);

// The same from a whole file's bytes.
PictureImport ImportPictureBytes(std::span<const std::uint8_t> file, const ConversionOptions &options);

// A path as the readers take it.
std::filesystem::path PicturePath(const QString &path);
