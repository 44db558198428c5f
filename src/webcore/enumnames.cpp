// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "webcore/enumnames.h"

#include <array>
#include <cstddef>

namespace {

// The enumerator's name from a table in enum order; "?" for a value past it,
// which a cast from bad data could give.
template <std::size_t Size, typename Enum>
std::string_view Named(const std::array<std::string_view, Size> &names, Enum value)
{
    const auto index = static_cast<std::size_t>(value);
    return index < names.size() ? names[index] : "?";
}

} // namespace

std::string_view NameOf(PictureProblem::Kind kind)
{
    static constexpr std::array<std::string_view, 11> Names{
        "None",           "CannotOpen", "UnsupportedFormat", "Empty",           "Damaged",           "TooLarge",
        "HeaderCutShort", "Malformed",  "Unreadable",        "UnsupportedJpeg", "UnsupportedVariant"};
    return Named(Names, kind);
}

std::string_view NameOf(UnsupportedJpeg kind)
{
    static constexpr std::array<std::string_view, 6> Names{"Lossless",  "Hierarchical",       "ArithmeticCoded",
                                                           "TwelveBit", "FractionalSampling", "Other"};
    return Named(Names, kind);
}

std::string_view NameOf(PictureFault fault)
{
    static constexpr std::array<std::string_view, 9> Names{
        "None", "Header", "Dimensions", "Depth", "Palette", "BitFields", "Compression", "PixelOffset", "IconDirectory"};
    return Named(Names, fault);
}

std::string_view NameOf(AlbumReadOutcome outcome)
{
    static constexpr std::array<std::string_view, 3> Names{"Read", "NotAnAlbum", "OpenFailed"};
    return Named(Names, outcome);
}

std::string_view NameOf(AlbumReadStop stop)
{
    static constexpr std::array<std::string_view, 7> Names{
        "None", "RecordPastEnd", "RecordTooShort", "PayloadTooLarge", "NotDecompressible", "BytesLeftOver", "ImageCap"};
    return Named(Names, stop);
}

std::string_view NameOf(AlbumWriteFailure failure)
{
    static constexpr std::array<std::string_view, 4> Names{"None", "ImageNotAlbumSized", "ImageNotCompressible",
                                                           "FileNotWritten"};
    return Named(Names, failure);
}
