// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture/librarydecoders.h"
#include "picture/tiffdamage.h"

#include <tiffio.h>

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

// The file in memory, as libtiff's client procedures see it.
struct MemoryFile
{
    QByteArrayView bytes;
    qint64 at = 0;
};

tsize_t ReadProc(thandle_t handle, tdata_t buffer, tsize_t size)
{
    auto *file = static_cast<MemoryFile *>(handle);
    const qint64 count = std::clamp<qint64>(file->bytes.size() - file->at, 0, size);
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
    qint64 base = 0;
    if (whence == SEEK_CUR)
        base = file->at;
    else if (whence == SEEK_END)
        base = file->bytes.size();
    // An offset past any real file's length is a hostile header's: refused.
    if (offset > toff_t(std::numeric_limits<qint64>::max() / 2))
        return toff_t(-1);
    file->at = base + qint64(offset);
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
    *base = const_cast<char *>(file->bytes.data());
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
    QStringList errors;
    QStringList warnings;
};

QString Formatted(const char *module, const char *format, va_list arguments)
{
    char text[512];
    std::vsnprintf(text, sizeof text, format, arguments);
    return module != nullptr && *module != '\0' ? QStringLiteral("%1: %2").arg(QString::fromUtf8(module), text)
                                                : QString::fromUtf8(text);
}

int OnError(TIFF *, void *messages, const char *module, const char *format, va_list arguments)
{
    static_cast<TiffMessages *>(messages)->errors.append(Formatted(module, format, arguments));
    return 1;
}

// libjpeg's warnings inside a JPEG-compressed TIFF are corrupt data that it
// made pixels up for: damage, as for a JPEG file.
int OnWarning(TIFF *, void *messages, const char *module, const char *format, va_list arguments)
{
    auto *said = static_cast<TiffMessages *>(messages);
    const QString text = Formatted(module, format, arguments);
    if (module != nullptr && std::strcmp(module, "JPEGLib") == 0)
        said->errors.append(text);
    else
        said->warnings.append(text);
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
QString CompressionName(uint16_t compression)
{
    switch (compression) {
    case 34712:
        return QStringLiteral("JPEG 2000");
    case 34887:
    case 34888:
    case 34889:
        return QStringLiteral("ESRI LERC");
    case 34892:
        return QStringLiteral("lossy JPEG (DNG)");
    default:
        break;
    }
    if (const TIFFCodec *codec = TIFFFindCODEC(compression); codec != nullptr && codec->name != nullptr)
        return QString::fromLatin1(codec->name);
    return QStringLiteral("number %1").arg(compression);
}

// Why TIFFRGBAImageOK refused the page, named from its tags.
QString UnreadableLayout(TIFF *tiff)
{
    uint16_t bits = 0, sampleFormat = SAMPLEFORMAT_UINT, photometric = 0;
    TIFFGetFieldDefaulted(tiff, TIFFTAG_BITSPERSAMPLE, &bits);
    TIFFGetFieldDefaulted(tiff, TIFFTAG_SAMPLEFORMAT, &sampleFormat);
    if (sampleFormat == SAMPLEFORMAT_IEEEFP)
        return QStringLiteral("TIFF with floating-point samples");
    if (bits != 1 && bits != 2 && bits != 4 && bits != 8 && bits != 16)
        return QStringLiteral("TIFF with %1-bit samples").arg(bits);
    if (TIFFGetField(tiff, TIFFTAG_PHOTOMETRIC, &photometric) != 0)
        return QStringLiteral("TIFF with colour model %1").arg(photometric);
    return QStringLiteral("This kind of TIFF");
}

// The Orientation tag's values are those of EXIF's orientation.
QImageIOHandler::Transformations TransformationFor(uint16_t orientation)
{
    switch (orientation) {
    case ORIENTATION_TOPRIGHT:
        return QImageIOHandler::TransformationMirror;
    case ORIENTATION_BOTRIGHT:
        return QImageIOHandler::TransformationRotate180;
    case ORIENTATION_BOTLEFT:
        return QImageIOHandler::TransformationFlip;
    case ORIENTATION_LEFTTOP:
        return QImageIOHandler::TransformationFlipAndRotate90;
    case ORIENTATION_RIGHTTOP:
        return QImageIOHandler::TransformationRotate90;
    case ORIENTATION_RIGHTBOT:
        return QImageIOHandler::TransformationMirrorAndRotate90;
    case ORIENTATION_LEFTBOT:
        return QImageIOHandler::TransformationRotate270;
    default:
        return QImageIOHandler::TransformationNone;
    }
}

PictureFileContents Damaged(const TiffMessages &messages)
{
    PictureFileContents result = RefusedPicture(PictureProblem::Kind::Damaged);
    result.warnings = messages.warnings + messages.errors;
    return result;
}

} // namespace

PictureFileContents DecodeTiff(QByteArrayView file)
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
        return RefusedPicture(PictureProblem::Kind::TooLarge, {}, QSize(int(width), int(height)));
    if (TIFFIsCODECConfigured(compression) == 0)
        return RefusedPicture(PictureProblem::Kind::UnsupportedVariant,
                              QStringLiteral("TIFF with %1 compression").arg(CompressionName(compression)));
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
    QImage picture(int(width), int(height), QImage::Format_ARGB32);
    if (picture.isNull())
        return RefusedPicture(PictureProblem::Kind::TooLarge, {}, QSize(int(width), int(height)));
    auto *raster = reinterpret_cast<uint32_t *>(picture.bits());
    if (TIFFRGBAImageGet(&reader, raster, width, height) == 0 || !messages.errors.isEmpty())
        return Damaged(messages);
    // libtiff packs each pixel as ABGR, its alpha premultiplied.
    for (qsizetype i = 0, count = qsizetype(width) * height; i < count; ++i) {
        const uint32_t abgr = raster[i];
        raster[i] = qRgba(int(TIFFGetR(abgr)), int(TIFFGetG(abgr)), int(TIFFGetB(abgr)), int(TIFFGetA(abgr)));
    }
    picture.reinterpretAsFormat(hasAlpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    PictureFileContents result;
    result.ok = true;
    result.warnings = messages.warnings;
    result.picture = OrientedPicture(std::move(picture), TransformationFor(orientation));
    return result;
}
