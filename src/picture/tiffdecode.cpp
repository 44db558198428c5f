// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture/librarydecoders.h"
#include "picture/orientation.h"
#include "picture/straightalpha.h"
#include "picture/tiffdamage.h"
#include "picture/tifftwelvebit.h"

#include <tiffio.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <limits>
#include <memory>
#include <string>
#include <vector>

namespace {

// The file in memory, as libtiff's client procedures see it.
struct MemoryFile
{
    std::span<const std::uint8_t> bytes;
    std::int64_t at = 0;
};

tsize_t ReadProc(thandle_t handle, tdata_t buffer, tsize_t size)
{
    auto *file = static_cast<MemoryFile *>(handle);
    const std::int64_t count = std::clamp<std::int64_t>(std::int64_t(file->bytes.size()) - file->at, 0, size);
    if (count > 0)
        std::memcpy(buffer, file->bytes.data() + file->at, std::size_t(count));
    file->at += count;
    return tsize_t(count);
}

tsize_t WriteProc(thandle_t, tdata_t, tsize_t)
{
    return 0;
}

toff_t SeekProc(thandle_t handle, toff_t offset, int whence)
{
    auto *file = static_cast<MemoryFile *>(handle);
    std::int64_t base = 0;
    if (whence == SEEK_CUR)
        base = file->at;
    else if (whence == SEEK_END)
        base = std::int64_t(file->bytes.size());
    // An offset past any real file's length is a hostile header's: refused.
    if (offset > toff_t(std::numeric_limits<std::int64_t>::max() / 2))
        return toff_t(-1);
    file->at = base + std::int64_t(offset);
    return toff_t(file->at);
}

int CloseProc(thandle_t)
{
    return 0;
}

toff_t SizeProc(thandle_t handle)
{
    return toff_t(static_cast<MemoryFile *>(handle)->bytes.size());
}

// The whole file is already in memory: libtiff reads strips straight from it.
int MapProc(thandle_t handle, tdata_t *base, toff_t *size)
{
    auto *file = static_cast<MemoryFile *>(handle);
    *base = const_cast<std::uint8_t *>(file->bytes.data());
    *size = toff_t(file->bytes.size());
    return 1;
}

void UnmapProc(thandle_t, tdata_t, toff_t)
{
}

// What libtiff said about this file: errors make it damaged, warnings go
// to the picture's warnings. Nothing reaches standard error.
struct TiffMessages
{
    std::vector<std::string> errors;
    std::vector<std::string> warnings;
};

std::string Formatted(const char *module, const char *format, va_list arguments)
{
    char text[512];
    std::vsnprintf(text, sizeof text, format, arguments);
    return module != nullptr && *module != '\0' ? std::string(module) + ": " + text : std::string(text);
}

int OnError(TIFF *, void *messages, const char *module, const char *format, va_list arguments)
{
    static_cast<TiffMessages *>(messages)->errors.push_back(Formatted(module, format, arguments));
    return 1;
}

// libjpeg's warnings inside a JPEG-compressed TIFF are corrupt data that it
// made pixels up for: damage, as for a JPEG file.
int OnWarning(TIFF *, void *messages, const char *module, const char *format, va_list arguments)
{
    auto *said = static_cast<TiffMessages *>(messages);
    std::string text = Formatted(module, format, arguments);
    if (module != nullptr && std::strcmp(module, "JPEGLib") == 0)
        said->errors.push_back(std::move(text));
    else
        said->warnings.push_back(std::move(text));
    return 1;
}

struct TiffCloser
{
    void operator()(TIFF *tiff) const { TIFFClose(tiff); }
};

struct OpenOptionsFreer
{
    void operator()(TIFFOpenOptions *options) const { TIFFOpenOptionsFree(options); }
};

struct RgbaImageEnder
{
    void operator()(TIFFRGBAImage *image) const { TIFFRGBAImageEnd(image); }
};

// The compressions Debian's libtiff leaves out, by name.
std::string CompressionName(uint16_t compression)
{
    switch (compression) {
    case 34712:
        return "JPEG 2000";
    case 34887:
    case 34888:
    case 34889:
        return "ESRI LERC";
    case 34892:
        return "lossy JPEG (DNG)";
    default:
        break;
    }
    if (const TIFFCodec *codec = TIFFFindCODEC(compression); codec != nullptr && codec->name != nullptr)
        return codec->name;
    return "number " + std::to_string(compression);
}

// Why TIFFRGBAImageOK refused the page, named from its tags.
std::string UnreadableLayout(TIFF *tiff)
{
    uint16_t bits = 0, sampleFormat = SAMPLEFORMAT_UINT, photometric = 0;
    TIFFGetFieldDefaulted(tiff, TIFFTAG_BITSPERSAMPLE, &bits);
    TIFFGetFieldDefaulted(tiff, TIFFTAG_SAMPLEFORMAT, &sampleFormat);
    if (sampleFormat == SAMPLEFORMAT_IEEEFP)
        return "TIFF with floating-point samples";
    if (bits != 1 && bits != 2 && bits != 4 && bits != 8 && bits != 16)
        return "TIFF with " + std::to_string(bits) + "-bit samples";
    if (TIFFGetField(tiff, TIFFTAG_PHOTOMETRIC, &photometric) != 0)
        return "TIFF with colour model " + std::to_string(photometric);
    return "This kind of TIFF";
}

PictureFileContents Damaged(const TiffMessages &messages)
{
    PictureFileContents result = RefusedPicture(PictureProblem::Kind::Damaged);
    result.warnings = messages.warnings;
    result.warnings.insert(result.warnings.end(), messages.errors.begin(), messages.errors.end());
    return result;
}

// The page read, turned upright: the Orientation tag's values are those of
// EXIF's orientation.
PictureFileContents Upright(RgbPicture picture, uint16_t orientation, const TiffMessages &messages)
{
    PictureFileContents result;
    result.ok = true;
    result.warnings = messages.warnings;
    result.orientation = orientation >= 1 && orientation <= 8 ? orientation : 1;
    result.picture = OrientedPicture(std::move(picture), result.orientation);
    return result;
}

} // namespace

PictureFileContents DecodeTiff(std::span<const std::uint8_t> file)
{
    if (IsCutShortTiff(file))
        return RefusedPicture(PictureProblem::Kind::Damaged);
    TiffMessages messages;
    const std::unique_ptr<TIFFOpenOptions, OpenOptionsFreer> options(TIFFOpenOptionsAlloc());
    TIFFOpenOptionsSetErrorHandlerExtR(options.get(), OnError, &messages);
    TIFFOpenOptionsSetWarningHandlerExtR(options.get(), OnWarning, &messages);
    // No single buffer beyond what a picture at the pixel limit needs.
    TIFFOpenOptionsSetMaxSingleMemAlloc(options.get(), tmsize_t(MaxPictureFileBytes));
    MemoryFile memory{file};
    const std::unique_ptr<TIFF, TiffCloser> tiff(TIFFClientOpenExt("picture", "r", &memory, ReadProc, WriteProc,
                                                                   SeekProc, CloseProc, SizeProc, MapProc, UnmapProc,
                                                                   options.get()));
    if (!tiff)
        return Damaged(messages);

    uint32_t width = 0, height = 0;
    uint16_t compression = COMPRESSION_NONE, orientation = ORIENTATION_TOPLEFT;
    TIFFGetField(tiff.get(), TIFFTAG_IMAGEWIDTH, &width);
    TIFFGetField(tiff.get(), TIFFTAG_IMAGELENGTH, &height);
    TIFFGetFieldDefaulted(tiff.get(), TIFFTAG_COMPRESSION, &compression);
    TIFFGetFieldDefaulted(tiff.get(), TIFFTAG_ORIENTATION, &orientation);
    if (width == 0 || height == 0)
        return Damaged(messages);
    if (IsTooLargePicture(width, height))
        return RefusedPicture(PictureProblem::Kind::TooLarge, {}, {int(width), int(height)});
    if (TIFFIsCODECConfigured(compression) == 0)
        return RefusedPicture(PictureProblem::Kind::UnsupportedVariant,
                              "TIFF with " + CompressionName(compression) + " compression");
    if (IsTwelveBitGreyOrRgb(tiff.get())) {
        RgbPicture picture(static_cast<int>(width), static_cast<int>(height));
        if (!ReadTwelveBitPixels(tiff.get(), picture) || !messages.errors.empty())
            return Damaged(messages);
        return Upright(std::move(picture), orientation, messages);
    }
    char reason[1024] = {};
    if (TIFFRGBAImageOK(tiff.get(), reason) == 0)
        return RefusedPicture(PictureProblem::Kind::UnsupportedVariant, UnreadableLayout(tiff.get()));

    TIFFRGBAImage reader{};
    if (TIFFRGBAImageBegin(&reader, tiff.get(), 1, reason) == 0)
        return Damaged(messages);
    const std::unique_ptr<TIFFRGBAImage, RgbaImageEnder> ender(&reader);
    // Rows as stored, top first; the orientation is applied afterwards, as
    // libtiff's own handling leaves the transposing ones out.
    reader.req_orientation = ORIENTATION_TOPLEFT;
    reader.orientation = ORIENTATION_TOPLEFT;
    const bool hasAlpha = reader.alpha != 0;
    RgbPicture picture(int(width), int(height), 0, hasAlpha);
    uint32_t *raster = picture.pixels.data();
    if (TIFFRGBAImageGet(&reader, raster, width, height) == 0 || !messages.errors.empty())
        return Damaged(messages);
    // libtiff packs each pixel as ABGR, its alpha premultiplied; without
    // alpha the picture is opaque whatever the byte says.
    for (uint32_t &pixel : picture.pixels) {
        const uint32_t abgr = pixel;
        const Rgb argb = (TIFFGetA(abgr) << 24) | (TIFFGetR(abgr) << 16) | (TIFFGetG(abgr) << 8) | TIFFGetB(abgr);
        pixel = hasAlpha ? StraightFromPremultiplied(argb) : (argb | 0xFF000000u);
    }
    return Upright(std::move(picture), orientation, messages);
}
