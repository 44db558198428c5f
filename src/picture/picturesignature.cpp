// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture/picturesignature.h"

#include "picture/byteorder.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {

// An ISO media file begins with its 'ftyp' box: size, "ftyp", the major
// brand, a minor version and the compatible brands, four bytes each.
FileBytes FileTypeBox(FileBytes file)
{
    if (file.size() < 16 || !HasBytesAt(file, 4, "ftyp"))
        return {};
    const std::uint32_t size = U32be(file, 0);
    if (size < 16)
        return {};
    return file.first(std::min<std::size_t>(file.size(), size));
}

// The major brand and the compatible brands after the minor version.
bool HasBrand(FileBytes box, const auto &brands)
{
    const auto known = [&brands](FileBytes brand) {
        return std::any_of(std::begin(brands), std::end(brands),
                           [brand](const char *b) { return CharsOf(brand) == std::string_view(b); });
    };
    if (known(box.subspan(8, 4)))
        return true;
    for (std::size_t at = 16; at + 4 <= box.size(); at += 4)
        if (known(box.subspan(at, 4)))
            return true;
    return false;
}

// Brands of still pictures in the HEIF container: HEVC ones, AV1 ones and
// the general image and sequence brands they share.
constexpr std::array HeifBrands{"heic", "heix", "heim", "heis", "hevc", "hevx", "hevm",
                                "hevs", "mif1", "msf1", "mif2", "miaf", "avif", "avis"};

struct Signature
{
    std::size_t at;
    std::string_view bytes;
    const char *what;
};

// Types people try to bring in, most of them pictures of other kinds.
const Signature KnownSignatures[] = {
    {0, "\xFF\x0A", "a JPEG XL picture"},
    {0, std::string_view("\0\0\0\x0CJXL \r\n\x87\n", 12), "a JPEG XL picture"},
    {0, std::string_view("\0\0\0\x0CjP  \r\n\x87\n", 12), "a JPEG 2000 picture"},
    {0, "\xFF\x4F\xFF\x51", "a JPEG 2000 picture"},
    {0, "%PDF", "a PDF document"},
    {0, "%!PS", "a PostScript document"},
    {0, "8BPS", "a Photoshop document"},
    {0, "gimp xcf", "a GIMP picture"},
    {0, "qoif", "a QOI picture"},
    {0, "DDS ", "a DirectDraw texture"},
    {0, "\x76\x2F\x31\x01", "an OpenEXR picture"},
    {0, "#?RADIANCE", "a Radiance HDR picture"},
    {0, "/* XPM */", "an XPM picture"},
    {0, "#define ", "an XBM picture"},
    {0, "FUJIFILMCCD-RAW", "a camera raw photo"},
    {0, "\xD7\xCD\xC6\x9A", "a Windows metafile"},
    {40, " EMF", "an enhanced metafile"},
    {0, "VAF", "an album"},
    {0, "PK\x03\x04", "a ZIP archive"},
    {0, "\x1F\x8B", "a gzip archive"},
    {0, "7z\xBC\xAF\x27\x1C", "a 7-Zip archive"},
    {0, "Rar!", "a RAR archive"},
    {0, "\xD0\xCF\x11\xE0", "an Office document"},
    {0, "{\\rtf", "an RTF document"},
    {0, "\x1A\x45\xDF\xA3", "a Matroska or WebM video"},
    {0, "OggS", "an Ogg file"},
    {0, "fLaC", "a FLAC sound"},
    {0, "ID3", "an MP3 sound"},
    {0,
     "\x7F"
     "ELF",
     "a program"},
};

struct RiffKind
{
    std::string_view form;
    const char *what;
};

const RiffKind RiffKinds[] = {{"WAVE", "a WAV sound"}, {"AVI ", "an AVI video"}, {"ANI ", "an animated cursor"}};

std::string DescribeIsoMedia(FileBytes box)
{
    if (HasBrand(box, std::array{"crx "}))
        return "a camera raw photo";
    if (HasBrand(box, std::array{"jxl "}))
        return "a JPEG XL picture";
    if (HasBrand(box, std::array{"jp2 ", "jpx ", "jpm "}))
        return "a JPEG 2000 picture";
    if (HasBrand(box, std::array{"qt  "}))
        return "a QuickTime video";
    if (HasBrand(box, std::array{"M4A ", "M4B "}))
        return "an MP4 sound";
    return "an MP4 video";
}

// Readable text, as a look at the first bytes shows it: no control bytes
// but line ends and tabs.
bool LooksLikeText(std::string_view start)
{
    if (start.empty())
        return false;
    return std::all_of(start.begin(), start.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte >= 0x20 || byte == '\n' || byte == '\r' || byte == '\t';
    });
}

// An icon or cursor file has no signature: its 6-byte directory (reserved 0,
// type 1 for icons or 2 for cursors, the count) and first 16-byte entry must
// look like one. A cursor's entry holds its hot spot where an icon's holds
// the planes and the depth, so those are checked for icons only. The count
// is not checked here: a directory that names no picture is the reader's to
// refuse.
bool LooksLikeIconDirectory(FileBytes file)
{
    constexpr std::size_t DirectorySize = 6;
    constexpr std::size_t EntrySize = 16;
    if (file.size() < DirectorySize + EntrySize)
        return false;
    const std::uint16_t type = U16le(file, 2);
    const bool cursor = type == 2;
    const std::size_t entry = DirectorySize;
    return U16le(file, 0) == 0 && (type == 1 || cursor) && file[entry + 3] == 0
           && (U16le(file, entry + 4) <= 1 || cursor) && (U16le(file, entry + 6) <= 32 || cursor)
           && U32le(file, entry + 8) >= 40; // at least a bitmap info header
}

} // namespace

PictureType PictureTypeOf(FileBytes file)
{
    if (const PictureType library = LibraryPictureTypeOf(file); library != PictureType::None)
        return library;
    if (HasBytesAt(file, 0, "GIF87a") || HasBytesAt(file, 0, "GIF89a"))
        return PictureType::Gif;
    if (LooksLikeIconDirectory(file))
        return PictureType::Ico;
    if (HasBytesAt(file, 0, "\xFF\xD8"))
        return PictureType::Jpeg;
    if (HasBytesAt(file, 0, "\x89PNG\r\n\x1A\n"))
        return PictureType::Png;
    if (HasBytesAt(file, 0, "BM"))
        return PictureType::Bmp;
    return PictureType::None;
}

PictureType LibraryPictureTypeOf(FileBytes file)
{
    if (HasBytesAt(file, 0, "RIFF") && HasBytesAt(file, 8, "WEBP"))
        return PictureType::WebP;
    using namespace std::string_view_literals;
    for (const std::string_view tiff : {"II*\0"sv, "MM\0*"sv, "II+\0"sv, "MM\0+"sv})
        if (HasBytesAt(file, 0, tiff))
            return PictureType::Tiff;
    if (const FileBytes box = FileTypeBox(file); !box.empty() && HasBrand(box, HeifBrands))
        return PictureType::Heif;
    return PictureType::None;
}

std::string DescribeUnreadFile(FileBytes file)
{
    for (const Signature &signature : KnownSignatures)
        if (HasBytesAt(file, signature.at, signature.bytes))
            return signature.what;
    if (HasBytesAt(file, 0, "RIFF") && file.size() >= 12) {
        for (const RiffKind &kind : RiffKinds)
            if (HasBytesAt(file, 8, kind.form))
                return kind.what;
    }
    if (const FileBytes box = FileTypeBox(file); !box.empty())
        return DescribeIsoMedia(box);
    const std::string_view start = CharsOf(file.first(std::min<std::size_t>(file.size(), 512)));
    if (start.starts_with("<svg") || (start.starts_with("<?xml") && start.find("<svg") != std::string_view::npos))
        return "an SVG drawing";
    if (start.size() >= 2 && start[0] == 'P' && start[1] >= '1' && start[1] <= '7')
        return "a Netpbm picture";
    if (LooksLikeText(start))
        return "a text file";
    return {};
}
