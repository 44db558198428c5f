// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture/picturesignature.h"

#include <QtEndian>

#include <algorithm>
#include <array>

namespace {

using namespace Qt::StringLiterals;

// An ISO media file begins with its 'ftyp' box: size, "ftyp", the major
// brand, a minor version and the compatible brands, four bytes each.
QByteArrayView FileTypeBox(QByteArrayView file)
{
    if (file.size() < 16 || file.sliced(4, 4) != "ftyp")
        return {};
    const quint32 size = qFromBigEndian<quint32>(file.data());
    if (size < 16)
        return {};
    return file.first(std::min<qsizetype>(file.size(), size));
}

// The brand at `at` and the compatible brands after the minor version.
bool HasBrand(QByteArrayView box, const auto &brands)
{
    const auto known = [&brands](QByteArrayView brand) {
        return std::any_of(std::begin(brands), std::end(brands), [brand](const char *b) { return brand == b; });
    };
    if (known(box.sliced(8, 4)))
        return true;
    for (qsizetype at = 16; at + 4 <= box.size(); at += 4)
        if (known(box.sliced(at, 4)))
            return true;
    return false;
}

// Brands of still pictures in the HEIF container: HEVC ones, AV1 ones and
// the general image and sequence brands they share.
constexpr std::array HeifBrands{"heic", "heix", "heim", "heis", "hevc", "hevx", "hevm",
                                "hevs", "mif1", "msf1", "mif2", "miaf", "avif", "avis"};

struct Signature
{
    qsizetype at;
    QByteArrayView bytes;
    const char *what;
};

// Types people try to bring in, most of them pictures of other kinds.
const Signature KnownSignatures[] = {
    {0, "\xFF\x0A", "a JPEG XL picture"},
    {0, QByteArrayView("\0\0\0\x0CJXL \r\n\x87\n", 12), "a JPEG XL picture"},
    {0, QByteArrayView("\0\0\0\x0CjP  \r\n\x87\n", 12), "a JPEG 2000 picture"},
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
    QByteArrayView form;
    const char *what;
};

const RiffKind RiffKinds[] = {{"WAVE", "a WAV sound"}, {"AVI ", "an AVI video"}, {"ANI ", "an animated cursor"}};

QString DescribeIsoMedia(QByteArrayView box)
{
    if (HasBrand(box, std::array{"crx "}))
        return u"a camera raw photo"_s;
    if (HasBrand(box, std::array{"jxl "}))
        return u"a JPEG XL picture"_s;
    if (HasBrand(box, std::array{"jp2 ", "jpx ", "jpm "}))
        return u"a JPEG 2000 picture"_s;
    if (HasBrand(box, std::array{"qt  "}))
        return u"a QuickTime video"_s;
    if (HasBrand(box, std::array{"M4A ", "M4B "}))
        return u"an MP4 sound"_s;
    return u"an MP4 video"_s;
}

// Readable text, as a look at the first bytes shows it: no control bytes
// but line ends and tabs.
bool LooksLikeText(QByteArrayView start)
{
    if (start.isEmpty())
        return false;
    return std::all_of(start.begin(), start.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte >= 0x20 || byte == '\n' || byte == '\r' || byte == '\t';
    });
}

} // namespace

LibraryPictureType LibraryPictureTypeOf(QByteArrayView file)
{
    if (file.size() >= 12 && file.first(4) == "RIFF" && file.sliced(8, 4) == "WEBP")
        return LibraryPictureType::WebP;
    if (file.size() >= 4
        && (file.first(4) == QByteArrayView("II*\0", 4) || file.first(4) == QByteArrayView("MM\0*", 4)
            || file.first(4) == QByteArrayView("II+\0", 4) || file.first(4) == QByteArrayView("MM\0+", 4)))
        return LibraryPictureType::Tiff;
    if (const QByteArrayView box = FileTypeBox(file); !box.isEmpty() && HasBrand(box, HeifBrands))
        return LibraryPictureType::Heif;
    return LibraryPictureType::None;
}

QString DescribeUnreadFile(QByteArrayView file)
{
    for (const Signature &signature : KnownSignatures)
        if (file.size() >= signature.at + signature.bytes.size()
            && file.sliced(signature.at, signature.bytes.size()) == signature.bytes)
            return QString::fromLatin1(signature.what);
    if (file.size() >= 12 && file.first(4) == "RIFF") {
        for (const RiffKind &kind : RiffKinds)
            if (file.sliced(8, 4) == kind.form)
                return QString::fromLatin1(kind.what);
    }
    if (const QByteArrayView box = FileTypeBox(file); !box.isEmpty())
        return DescribeIsoMedia(box);
    const QByteArrayView start = file.first(std::min<qsizetype>(file.size(), 512));
    if (start.startsWith("<svg") || (start.startsWith("<?xml") && start.contains("<svg")))
        return u"an SVG drawing"_s;
    if (start.size() >= 2 && start[0] == 'P' && start[1] >= '1' && start[1] <= '7')
        return u"a Netpbm picture"_s;
    if (LooksLikeText(start))
        return u"a text file"_s;
    return {};
}
