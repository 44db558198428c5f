// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "codec/rgbpicture.h"

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

// What every picture reader gives and takes: plain C++, so the readers build
// and run wherever the codec does.

// The largest picture brought in, in pixels: a 100-megapixel camera's and
// more, with the decoded picture's memory bounded all the same.
inline constexpr std::int64_t MaxPicturePixels = 120'000'000;

// The largest picture file read, in bytes: a picture at the pixel limit
// stored uncompressed at 16 bits for each of red, green and blue (a
// scanner's deepest TIFF), with room for its headers. A stream is read up to
// this and no further, so an endless pipe cannot fill the memory.
inline constexpr std::int64_t MaxPictureFileBytes = MaxPicturePixels * 6 + 64 * 1024 * 1024;

struct PictureSize
{
    int width = 0;
    int height = 0;
    bool isValid() const { return width > 0 && height > 0; }
    bool operator==(const PictureSize &) const = default;
};

// True when a picture of this size is larger than MaxPicturePixels.
inline bool IsTooLargePicture(std::int64_t width, std::int64_t height)
{
    return width > 0 && height > 0 && width * height > MaxPicturePixels;
}

// How many times smaller (1, 2, 4 or 8) a JPEG of the given full size may be
// decoded: the decoder then averages as it shrinks and does far less work.
using DecodeReduction = std::function<int(PictureSize fullSize)>;

// Kinds of JPEG the decoder cannot decode, though the file may be whole.
enum class UnsupportedJpeg {
    Lossless,           // SOF3 or SOF11
    Hierarchical,       // SOF5 to SOF7, SOF13 to SOF15
    ArithmeticCoded,    // SOF9 or SOF10 where the decoder has no arithmetic decoding
    TwelveBit,          // 12 bits a sample
    FractionalSampling, // colour sampling factors that are not whole multiples of each other
    Other,              // another process (the reserved SOF8)
};

// What is wrong with a file whose structure its reader refuses (a
// Malformed picture). The front ends word each one.
enum class PictureFault {
    None,
    Header,        // a header field out of its range: its length, the planes, an unknown version
    Dimensions,    // a width or height of zero, out of range or too large for the file
    Depth,         // a number of bits a pixel the format does not define
    Palette,       // a colour table longer than the depth allows, or cut short
    BitFields,     // colour masks missing, overlapping or not one run of bits
    Compression,   // a compression the format does not define for this depth
    PixelOffset,   // the pixels are said to start outside the file
    IconDirectory, // an icon directory with no picture, or entries outside the file
};

// Why a picture was refused. The front ends word it.
struct PictureProblem
{
    enum class Kind {
        None,
        CannotOpen,         // detail: the system's reason
        UnsupportedFormat,  // not a type read here; detail: what the file is ("a PDF document"), if known
        Empty,              // no bytes at all
        Damaged,            // data ends early or does not decode cleanly
        TooLarge,           // size: more than MaxPicturePixels; no size: a file of more than MaxPictureFileBytes
        HeaderCutShort,     // a bitmap whose info header is cut short
        Malformed,          // fault: what is wrong with its structure
        Unreadable,         // detail: the image reader's own reason (UTF-8)
        UnsupportedJpeg,    // jpegKind: a kind of JPEG that is never decoded
        UnsupportedVariant, // detail: a variant of a type read here that is not, named ("Uncompressed HEIF")
    };
    Kind kind = Kind::None;
    std::string detail; // UTF-8
    PictureSize size;
    UnsupportedJpeg jpegKind = UnsupportedJpeg::Other;
    PictureFault fault = PictureFault::None;
};

// A picture file read: the picture upright, or why it was refused.
struct PictureFileContents
{
    bool ok = false;
    RgbPicture picture; // when ok: upright, as the file's own orientation says
    PictureProblem problem;
    // The EXIF or TIFF orientation (1 to 8) that was applied to give the
    // picture upright; 1 when the file asked for none.
    int orientation = 1;
    // What the decoding libraries said without refusing the picture, or
    // before they did (UTF-8): for a front end to show when asked to be verbose.
    std::vector<std::string> warnings;
};

// A refusal of the given kind, with nothing else set.
inline PictureFileContents RefusedPicture(PictureProblem::Kind kind, std::string detail = {}, PictureSize size = {})
{
    PictureFileContents result;
    result.problem.kind = kind;
    result.problem.detail = std::move(detail);
    result.problem.size = size;
    return result;
}
