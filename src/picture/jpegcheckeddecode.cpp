// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture/jpegcheckeddecode.h"

#include "picture/jpegreporter.h"

#include <QColorSpace>
#include <QtGlobal>

#include <cstdlib>
#include <memory>

namespace {

// Four bytes a pixel in QImage::Format_RGB32's order, 0xffRRGGBB in memory's
// word; libjpeg fills the padding byte with 0xff.
constexpr J_COLOR_SPACE Rgb32ColourSpace = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? JCS_EXT_BGRX : JCS_EXT_XRGB;

// An ICC profile as libjpeg hands it over, to be freed with the C library.
struct IccProfile
{
    JOCTET *data = nullptr;
    unsigned int length = 0;
};

// Gives libjpeg's allocation back to the C library it came from.
struct FreeWithCLibrary
{
    void operator()(JOCTET *data) const { std::free(data); }
};
using OwnedIccData = std::unique_ptr<JOCTET, FreeWithCLibrary>;

// Reads the header and its ICC profile. Kept apart from the C++ objects
// around it so the jump skips no destructor.
bool ReadHeader(jpeg_decompress_struct &info, JpegDamageReporter &reporter, QByteArrayView file, IccProfile &profile)
{
    if (setjmp(reporter.jump) != 0)
        return false;
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char *>(file.data()), static_cast<unsigned long>(file.size()));
    jpeg_save_markers(&info, JPEG_APP0 + 2, 0xFFFF); // where an ICC profile is kept
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK)
        return false;
    reporter.headerRead = true;
    jpeg_read_icc_profile(&info, &profile.data, &profile.length);
    return true;
}

// Settles the output size and colours.
bool SetOutput(jpeg_decompress_struct &info, JpegDamageReporter &reporter, int scale)
{
    if (setjmp(reporter.jump) != 0)
        return false;
    // Qt's reader at its default or full quality keeps the library's
    // defaults too: the accurate integer transform and fancy upsampling.
    info.scale_num = 1;
    info.scale_denom = static_cast<unsigned int>(scale);
    info.out_color_space = info.jpeg_color_space == JCS_GRAYSCALE ? JCS_GRAYSCALE : Rgb32ColourSpace;
    jpeg_calc_output_dimensions(&info);
    return true;
}

// Decodes every row straight into `picture` and reads on to the end-of-image
// marker, as the damage check does: a missing one is data cut short.
bool DecodeRows(jpeg_decompress_struct &info, JpegDamageReporter &reporter, QImage &picture)
{
    if (setjmp(reporter.jump) != 0)
        return false;
    jpeg_start_decompress(&info);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row[1] = {picture.scanLine(static_cast<int>(info.output_scanline))};
        jpeg_read_scanlines(&info, row, 1);
    }
    if (!HasAllScans(info)) {
        reporter.damageWarned = true;
        return false;
    }
    jpeg_finish_decompress(&info);
    return true;
}

// What the library's jump back means for the file.
CheckedJpeg Refused(const JpegDamageReporter &reporter)
{
    CheckedJpeg result;
    if (const std::optional<UnsupportedJpeg> kind = reporter.unsupportedKind()) {
        result.outcome = CheckedJpeg::Outcome::Unsupported;
        result.unsupported = *kind;
    } else if (reporter.sawDamage()) {
        result.outcome = CheckedJpeg::Outcome::Damaged;
    }
    return result;
}

} // namespace

CheckedJpeg DecodeCheckedJpeg(QByteArrayView file, const DecodeReduction &scale)
{
    JpegDamageReporter reporter;
    jpeg_decompress_struct info{};
    reporter.attachTo(info);
    const JpegDecompressGuard guard(info);

    IccProfile profile;
    const bool headerRead = ReadHeader(info, reporter, file, profile);
    // Owned from here on, so every way out frees it.
    const OwnedIccData ownedProfile(profile.data);
    // The colour space the profile names, as Qt's reader gives the picture.
    const QColorSpace colourSpace =
        profile.data ? QColorSpace::fromIccProfile(
            QByteArray(reinterpret_cast<const char *>(profile.data), static_cast<qsizetype>(profile.length)))
                     : QColorSpace();
    if (!headerRead)
        return Refused(reporter);
    CheckedJpeg result;
    result.size = QSize(static_cast<int>(info.image_width), static_cast<int>(info.image_height));
    const int reduction = scale ? scale(result.size) : 1;
    if (reduction != 1 && reduction != 2 && reduction != 4 && reduction != 8)
        return result;
    // CMYK and YCCK go through the reader's own conversion, whole-file check first.
    if (info.jpeg_color_space != JCS_GRAYSCALE && info.jpeg_color_space != JCS_YCbCr
        && info.jpeg_color_space != JCS_RGB)
        return result;
    if (!SetOutput(info, reporter, reduction))
        return Refused(reporter);

    QImage picture(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                   info.out_color_space == JCS_GRAYSCALE ? QImage::Format_Grayscale8 : QImage::Format_RGB32);
    if (picture.isNull())
        return result;
    picture.setColorSpace(colourSpace);
    if (!DecodeRows(info, reporter, picture))
        return Refused(reporter);
    result.outcome = CheckedJpeg::Outcome::Decoded;
    result.picture = std::move(picture);
    return result;
}
