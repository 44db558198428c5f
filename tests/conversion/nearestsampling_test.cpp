// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "conversion/nearestsampling.h"
#include "conversion/placement.h"
#include "coretestsupport.h"
#include "goldentables.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

const std::map<std::string, PictureFit> Fits{
    {"stretch", PictureFit::Stretch}, {"crop", PictureFit::Crop}, {"pad", PictureFit::Pad}};

// The picks for one picture size as the table writer folds them: 92 column
// picks, then 92 row picks.
void addPicks(Fnv64 &hash, PictureFit fit, int width, int height)
{
    ConversionOptions options;
    options.fit = fit;
    const Placement place = PlacementOf(width, height, options);
    for (int pick : NearestPicks({width, place.source.x, place.source.width, place.target.x, place.target.width}))
        hash.add(pick);
    for (int pick : NearestPicks({height, place.source.y, place.source.height, place.target.y, place.target.height}))
        hash.add(pick);
}

std::uint64_t hexValue(const std::string &text)
{
    return std::stoull(text, nullptr, 16);
}

// Every width and height from 1 to 400 and the large and odd sizes, for each
// fit with the default gravity: the painter's picks, pixel for pixel.
TEST(NearestSampling, PicksWhatThePainterPicked)
{
    const auto lines = GoldenLines("nearestpicks.txt");
    ASSERT_GT(lines.size(), 3u * 400u) << "tests/conversion/golden/nearestpicks.txt not found under " << SourceDir();
    int checked = 0;
    for (const auto &fields : lines) {
        ASSERT_TRUE(fields.size() == 3 || fields.size() == 4);
        const PictureFit fit = Fits.at(fields[0]);
        const int width = std::stoi(fields[1]);
        Fnv64 hash;
        if (fields.size() == 3) {
            for (int height = 1; height <= 400; ++height)
                addPicks(hash, fit, width, height);
        } else {
            addPicks(hash, fit, width, std::stoi(fields[2]));
        }
        EXPECT_EQ(hash.hash, hexValue(fields.back()))
            << fields[0] << " " << width << (fields.size() == 4 ? " x " + fields[2] : " x 1..400");
        ++checked;
    }
    EXPECT_EQ(checked, static_cast<int>(lines.size()));
}

struct PickCase
{
    const char *name;
    AxisSpan span;
    std::array<int, 4> firstPicks; // of the square's pixels 0..3
    int lastPick;                  // of pixel 91
};

// Small cases a reader can follow, beside the table.
const PickCase PickCases[] = {
    {"one pixel fills the square", {1, 0, 1, 0, 92}, {0, 0, 0, 0}, 0},
    {"same length copies", {92, 0, 92, 0, 92}, {0, 1, 2, 3}, 91},
    {"a centre between two pixels takes the first", {184, 0, 184, 0, 92}, {0, 2, 4, 6}, 182},
    {"a target that starts later leaves white before it", {10, 0, 10, 2, 90}, {NoPick, NoPick, 0, 0}, 9},
    {"an offset source starts at its offset", {300, 100, 184, 0, 92}, {100, 102, 104, 106}, 282},
    {"nothing to place picks nothing", {0, 0, 0, 0, 92}, {NoPick, NoPick, NoPick, NoPick}, NoPick},
};

TEST(NearestSampling, SmallCases)
{
    for (const PickCase &test : PickCases) {
        const auto picks = NearestPicks(test.span);
        for (std::size_t i = 0; i < 4; ++i)
            EXPECT_EQ(picks[i], test.firstPicks[i]) << test.name << ", pixel " << i;
        EXPECT_EQ(picks[91], test.lastPick) << test.name;
    }
}

} // namespace
