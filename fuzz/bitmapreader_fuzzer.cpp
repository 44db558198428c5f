// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// libFuzzer entry for our own bitmap and icon readers, with no Qt: bytes
// starting "BM" go to DecodeBmp, the rest to DecodeIco (whose PNG entries go
// on to DecodePng). The sanitizers catch a read outside the file; the checks
// below catch a picture whose pixels do not fill it and a refusal without
// its reason.

#include "picture/bmpdecode.h"
#include "picture/icodecode.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>

namespace {

// A header may claim up to MaxPicturePixels of one colour in a few bytes of
// run-length data, which is slow under the sanitizers and soon exhausts the
// fuzzer's memory: such pictures are left to the unit tests' sweep.
constexpr std::int64_t MaxFuzzedPixels = 4'000'000;

void require(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "bitmap reader check failed: %s\n", what);
        std::abort();
    }
}

std::int64_t ClaimedPixels(std::span<const std::uint8_t> file)
{
    // A bitmap's width and height, 32-bit at 18 and 22 (16-bit in the core
    // header, where this overestimates, which only skips more).
    if (file.size() < 26 || file[0] != 'B' || file[1] != 'M')
        return 0;
    const auto at = [&](std::size_t i) {
        return static_cast<std::int32_t>(file[i] | file[i + 1] << 8 | file[i + 2] << 16
                                         | static_cast<std::uint32_t>(file[i + 3]) << 24);
    };
    return std::abs(static_cast<std::int64_t>(at(18))) * std::abs(static_cast<std::int64_t>(at(22)));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::span<const std::uint8_t> file(data, size);
    if (ClaimedPixels(file) > MaxFuzzedPixels)
        return -1;
    const bool bitmap = size >= 2 && data[0] == 'B' && data[1] == 'M';
    const PictureFileContents read = bitmap ? DecodeBmp(file) : DecodeIco(file);
    if (!read.ok) {
        require(read.problem.kind != PictureProblem::Kind::None, "a refused picture has a reason");
        require(read.problem.kind != PictureProblem::Kind::Malformed || read.problem.fault != PictureFault::None,
                "a malformed picture names its fault");
        require(read.picture.isNull(), "a refused picture has no pixels");
        return 0;
    }
    const RgbPicture &picture = read.picture;
    require(picture.width > 0 && picture.height > 0, "a picture has a size");
    require(picture.pixels.size() == static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height),
            "the pixels fill the picture");
    if (!picture.hasAlpha) {
        for (const Rgb pixel : picture.pixels)
            require(pixel >> 24 == 0xFF, "a picture without alpha is opaque");
    }
    return 0;
}
