#include "jpegreduceddecode.h"

#include "jpegreporter.h"

#include <QtGlobal>

namespace {

// Four bytes a pixel in QImage::Format_RGB32's order, 0xffRRGGBB in memory's
// word; libjpeg fills the padding byte with 0xff.
constexpr J_COLOR_SPACE Rgb32ColourSpace = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? JCS_EXT_BGRX : JCS_EXT_XRGB;

// Reads the header and settles the output size and colours. Kept apart from
// the C++ objects around it so the jump skips no destructor.
bool ReadHeader(jpeg_decompress_struct &info, JpegDamageReporter &reporter, QByteArrayView file, int scale)
{
    if (setjmp(reporter.jump) != 0)
        return false;
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char *>(file.data()), static_cast<unsigned long>(file.size()));
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK)
        return false;
    reporter.headerRead = true;
    // Qt's reader at full quality keeps the library's defaults too: the
    // accurate integer transform and fancy upsampling.
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
    jpeg_finish_decompress(&info);
    return true;
}

} // namespace

ReducedJpeg DecodeReducedJpeg(QByteArrayView file, int scale)
{
    ReducedJpeg result;
    if (scale != 2 && scale != 4 && scale != 8)
        return result;
    JpegDamageReporter reporter;
    jpeg_decompress_struct info{};
    reporter.attachTo(info);
    const JpegDecompressGuard guard(info);

    if (!ReadHeader(info, reporter, file, scale)) {
        result.outcome = reporter.sawDamage() ? ReducedJpeg::Outcome::Damaged : ReducedJpeg::Outcome::NotHandled;
        return result;
    }
    // CMYK and YCCK go through the reader's own conversion, whole-file check first.
    if (info.jpeg_color_space != JCS_GRAYSCALE && info.jpeg_color_space != JCS_YCbCr &&
        info.jpeg_color_space != JCS_RGB)
        return result;

    QImage picture(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                   info.out_color_space == JCS_GRAYSCALE ? QImage::Format_Grayscale8 : QImage::Format_RGB32);
    if (picture.isNull())
        return result;
    if (!DecodeRows(info, reporter, picture)) {
        result.outcome = ReducedJpeg::Outcome::Damaged;
        return result;
    }
    result.outcome = ReducedJpeg::Outcome::Decoded;
    result.picture = std::move(picture);
    return result;
}
