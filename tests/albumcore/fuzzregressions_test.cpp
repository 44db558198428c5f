// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Every hostile input kept in fuzz/regressions/ goes through the album reader:
// each must end in an outcome, and every record it lists must decode. The
// sanitizer build runs this too, which is where a quiet overrun would show.

#include "album/albumreader.h"
#include "coretestsupport.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

std::vector<std::filesystem::path> RegressionInputs()
{
    std::vector<std::filesystem::path> inputs;
    std::error_code error;
    for (const auto &entry : std::filesystem::directory_iterator(SourceDir() / "fuzz/regressions", error))
        if (entry.is_regular_file())
            inputs.push_back(entry.path());
    std::sort(inputs.begin(), inputs.end());
    return inputs;
}

} // namespace

TEST(FuzzRegressions, FolderHoldsTheHandMadeInputs)
{
    EXPECT_GE(RegressionInputs().size(), 30u) << SourceDir() / "fuzz/regressions";
}

TEST(FuzzRegressions, AlbumReaderEndsInAnOutcome)
{
    for (const std::filesystem::path &input : RegressionInputs()) {
        SCOPED_TRACE(input.filename().string());
        const std::vector<std::uint8_t> bytes = ReadFileBytes(input);
        const AlbumRecords parsed = ParseAlbum(bytes);
        EXPECT_LE(parsed.records.size(), std::size_t(MaxImagesPerRead));
        for (const RecordLocation &record : parsed.records) {
            AlbumBitmap image;
            EXPECT_TRUE(DecodeRecord(RecordPayload(bytes, record), image));
        }
    }
}
