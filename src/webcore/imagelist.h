// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "imagerecords/bestfitlayout.h"

#include <cstdint>
#include <span>
#include <string>

// The list of album images the page hands vw_album_write() (its layout is in
// webcore.h), as best fit's snapshot of an album.
struct ParsedImageList
{
    bool ok = false;
    BestFitSnapshot snapshot; // when ok; its password is left empty
    std::string error;        // when not: where the list is malformed
};

// Reads the list, every length checked against what remains. A payload
// longer than an album record can hold, a rendering count other than best
// fit's, or bytes left over make the list malformed.
ParsedImageList ParseImageList(std::span<const std::uint8_t> bytes);
