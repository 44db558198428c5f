// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "goldenalbum.h"
#include "goldencorpus.h"
#include "sha256.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

TEST(GoldenAlbum, EverySetGivesItsAlbum)
{
    const std::vector<RgbPicture> corpus = LoadGoldenCorpus();
    for (const RgbPicture &picture : corpus)
        ASSERT_FALSE(picture.isNull()) << "the corpus is not there: give --source-dir";
    for (const GoldenSet &set : GoldenSets()) {
        const AlbumWriteResult album = GoldenAlbum(corpus, set);
        ASSERT_TRUE(album.ok) << set.name;
        // Every picture fits: an album cut short would hide what the rest look like.
        EXPECT_EQ(album.imagesWritten, static_cast<int>(corpus.size()) * set.repeats) << set.name;
        EXPECT_EQ(Sha256Hex(album.bytes), set.sha256) << set.name << " (" << album.bytes.size() << " bytes)";
    }
}

TEST(GoldenAlbum, SetsAreNamedOnceAndEachMovesTheAlbum)
{
    // Two sets with one album test the same thing twice: a gravity that
    // moves nothing for these pictures, say.
    std::set<std::string_view> names;
    std::set<std::string_view> albums;
    for (const GoldenSet &set : GoldenSets()) {
        EXPECT_TRUE(names.insert(set.name).second) << set.name;
        EXPECT_TRUE(albums.insert(set.sha256).second) << set.name;
    }
}

} // namespace
