// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture/jpegcheckeddecode.h"

#include "picture/exiforientation.h"
#include "picture/jpegreporter.h"

#include <bit>
#include <vector>

namespace {

// A pixel word 0xAARRGGBB as memory holds it, libjpeg filling the padding
// byte with 0xFF: opaque.
constexpr J_COLOR_SPACE RgbWordColourSpace = std::endian::native == std::endian::little ? JCS_EXT_BGRX : JCS_EXT_XRGB;

// How the rows come out of libjpeg for the picture's colour model.
enum class RowKind {
    Grey,    // one byte a pixel
    RgbWord, // straight into the picture's words
    Cmyk,    // four bytes a pixel, inverted (Adobe's CMYK)
};

// Reads the header and keeps the APP1 segments, where EXIF lives. Kept
// apart from the C++ objects around it so the jump skips no destructor.
bool ReadHeader(jpeg_decompress_struct &info, JpegDamageReporter &reporter, std::span<const std::uint8_t> file)
{
    if (setjmp(reporter.jump) != 0)
        return false;
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, file.data(), static_cast<unsigned long>(file.size()));
    jpeg_save_markers(&info, JPEG_APP0 + 1, 0xFFFF);
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK)
        return false;
    reporter.headerRead = true;
    return true;
}

// Settles the output size and colours. Kept at the library's defaults (the
// accurate integer transform, fancy upsampling) as a full-quality decode.
bool SetOutput(jpeg_decompress_struct &info, JpegDamageReporter &reporter, int scale, RowKind kind)
{
    if (setjmp(reporter.jump) != 0)
        return false;
    info.scale_num = 1;
    info.scale_denom = static_cast<unsigned int>(scale);
    info.out_color_space = kind == RowKind::Grey   ? JCS_GRAYSCALE
                           : kind == RowKind::Cmyk ? JCS_CMYK
                                                   : RgbWordColourSpace;
    jpeg_calc_output_dimensions(&info);
    return true;
}

// Adobe's CMYK files store every channel inverted, and libjpeg hands them on
// so: each stored byte is already 255 minus the ink, and the ink of K darkens
// the other three.
void CmykRow(const JSAMPLE *in, Rgb *out, int width)
{
    for (int x = 0; x < width; ++x, in += 4) {
        const unsigned k = in[3];
        out[x] = 0xFF000000u | ((k * in[0] / 255) << 16) | ((k * in[1] / 255) << 8) | (k * in[2] / 255);
    }
}

void GreyRow(const JSAMPLE *in, Rgb *out, int width)
{
    for (int x = 0; x < width; ++x)
        out[x] = 0xFF000000u | (Rgb(in[x]) * 0x010101u);
}

// Decodes every row into `picture` and reads on to the end-of-image marker,
// as the damage check does: a missing one is data cut short.
bool DecodeRows(jpeg_decompress_struct &info, JpegDamageReporter &reporter, RowKind kind, RgbPicture &picture,
                std::vector<JSAMPLE> &row)
{
    if (setjmp(reporter.jump) != 0)
        return false;
    jpeg_start_decompress(&info);
    while (info.output_scanline < info.output_height) {
        Rgb *out = picture.row(static_cast<int>(info.output_scanline));
        JSAMPROW rows[1] = {kind == RowKind::RgbWord ? reinterpret_cast<JSAMPLE *>(out) : row.data()};
        jpeg_read_scanlines(&info, rows, 1);
        if (kind == RowKind::Cmyk)
            CmykRow(row.data(), out, picture.width);
        else if (kind == RowKind::Grey)
            GreyRow(row.data(), out, picture.width);
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

// The APP1 segments' contents in the file's order, joined.
std::vector<std::uint8_t> App1Contents(const jpeg_decompress_struct &info)
{
    std::vector<std::uint8_t> joined;
    for (jpeg_saved_marker_ptr marker = info.marker_list; marker != nullptr; marker = marker->next)
        if (marker->marker == JPEG_APP0 + 1)
            joined.insert(joined.end(), marker->data, marker->data + marker->data_length);
    return joined;
}

} // namespace

CheckedJpeg DecodeCheckedJpeg(std::span<const std::uint8_t> file, const DecodeReduction &scale)
{
    JpegDamageReporter reporter;
    jpeg_decompress_struct info{};
    reporter.attachTo(info);
    const JpegDecompressGuard guard(info);

    if (!ReadHeader(info, reporter, file))
        return Refused(reporter);
    CheckedJpeg result;
    result.size = {static_cast<int>(info.image_width), static_cast<int>(info.image_height)};
    // Read now: the saved segments go with the rest of the decode's memory.
    const int orientation = ExifOrientation(App1Contents(info));
    const int reduction = scale ? scale(result.size) : 1;
    if (reduction != 1 && reduction != 2 && reduction != 4 && reduction != 8)
        return result;
    RowKind kind = RowKind::RgbWord;
    switch (info.jpeg_color_space) {
    case JCS_GRAYSCALE:
        kind = RowKind::Grey;
        break;
    case JCS_YCbCr:
    case JCS_RGB:
        break;
    case JCS_CMYK:
    case JCS_YCCK:
        kind = RowKind::Cmyk;
        break;
    default:
        return result; // two components, or five and more: no colours to show
    }
    if (!SetOutput(info, reporter, reduction, kind))
        return Refused(reporter);

    RgbPicture picture(static_cast<int>(info.output_width), static_cast<int>(info.output_height));
    std::vector<JSAMPLE> row(
        kind == RowKind::RgbWord ? 0 : std::size_t(info.output_width) * std::size_t(kind == RowKind::Cmyk ? 4 : 1));
    if (!DecodeRows(info, reporter, kind, picture, row))
        return Refused(reporter);
    result.outcome = CheckedJpeg::Outcome::Decoded;
    result.picture = std::move(picture);
    result.orientation = orientation;
    return result;
}
