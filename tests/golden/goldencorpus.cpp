// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "goldencorpus.h"

#include "coretestsupport.h"
#include "goldenpicture.h"

#include <string>

std::vector<RgbPicture> LoadGoldenCorpus()
{
    std::vector<RgbPicture> corpus;
    for (const std::string_view name : GoldenPictureNames) {
        const auto path = SourceDir() / "tests" / "data" / "golden" / (std::string(name) + ".argb");
        corpus.push_back(ParseGoldenPicture(ReadFileBytes(path)).value_or(RgbPicture()));
    }
    return corpus;
}
