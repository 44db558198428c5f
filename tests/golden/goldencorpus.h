// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "codec/rgbpicture.h"

#include <array>
#include <string_view>
#include <vector>

// The golden corpus in its album order: tests/data/golden/NAME.argb.
inline constexpr std::array<std::string_view, 6> GoldenPictureNames{"astronaut", "camera", "chelsea",
                                                                    "coffee",    "rocket", "trash"};

// Every picture of the corpus, read from the source tree (SourceDir()), in
// the order of GoldenPictureNames; a picture that cannot be read or parsed
// is left null, so that a test names it.
std::vector<RgbPicture> LoadGoldenCorpus();
