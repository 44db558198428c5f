// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "album/albumformat.h"

#include <cstdint>
#include <vector>

// Choosing, for every picture of an album, one of several renderings so that
// all of them fit and the album as a whole looks as good as it can.

struct RenderingCandidate
{
    std::int64_t recordSize = 0; // the record's whole size in the album, header included
    double look = 0;             // higher is better
};

struct RenderingChoice
{
    int fitting = 0;         // pictures, from the first, that fit with their smallest renderings
    std::vector<int> chosen; // for each of those, the index of its chosen candidate
};

// Takes the longest run of pictures from the first that fits in `room` bytes
// with each picture's smallest candidate (a picture without candidates ends
// the run), then chooses for each the candidate that makes the sum of looks
// largest while the records stay within `room`. Exact: a knapsack over every
// byte. Looks are compared to a millionth; among equal sums the later
// candidate of the later picture wins, so candidates should be ordered from
// the plainest to the finest rendering.
RenderingChoice ChooseRenderings(const std::vector<std::vector<RenderingCandidate>> &pictures,
                                 std::int64_t room = AlbumSizeLimit - AlbumHeaderSize);
