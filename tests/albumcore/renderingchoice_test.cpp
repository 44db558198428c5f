// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "album/renderingchoice.h"

#include <gtest/gtest.h>

namespace {

using Candidates = std::vector<std::vector<RenderingCandidate>>;

// Only the plainest renderings of all three fit in 90; the best sum in 100
// needs exactly 100 bytes, and taking the finest rendering first (the first
// picture's) misses it.
const Candidates Three{{{40, 0.5}, {60, 0.9}}, {{30, 0.5}, {40, 0.8}}, {{10, 0.5}, {20, 0.65}}};

TEST(RenderingChoice, BestSumOfLooksWithinTheRoom)
{
    struct Case
    {
        const char *what;
        Candidates pictures;
        std::int64_t room;
        int fitting;
        std::vector<int> chosen;
    };
    const std::vector<Case> cases{
        {"fills the room exactly", Three, 100, 3, {0, 1, 1}},
        {"one byte less, never past it", Three, 99, 3, {0, 1, 0}},
        {"room for all the finest", Three, 120, 3, {1, 1, 1}},
        {"equal looks: the finer rendering", {{{10, 0.7}, {10, 0.7}}, {{5, 0.3}, {8, 0.3}}}, 100, 2, {1, 1}},
        {"the smallest do not all fit", Three, 75, 2, {0, 0}},
        {"a picture with no record ends the run", {{{10, 0.5}}, {}, {{10, 0.5}}}, 100, 1, {0}},
        {"the whole album",
         {{{40000, 0.9}, {41000, 0.95}}, {{40000, 0.9}, {40912, 0.99}}},
         AlbumSizeLimit - AlbumHeaderSize,
         2,
         {1, 1}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const RenderingChoice choice = ChooseRenderings(c.pictures, c.room);
        EXPECT_EQ(choice.fitting, c.fitting);
        EXPECT_EQ(choice.chosen, c.chosen);
        std::int64_t total = 0;
        for (std::size_t picture = 0; picture < choice.chosen.size(); ++picture)
            total += c.pictures[picture][std::size_t(choice.chosen[picture])].recordSize;
        EXPECT_LE(total, c.room);
    }
}

} // namespace
