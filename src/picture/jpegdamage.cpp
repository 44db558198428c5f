// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture/picturedamagecheckers.h"

#include "picture/jpegreporter.h"

#include <vector>

namespace {

// Decodes every scan at an eighth of the size, into a single reused row: the
// entropy-coded data is read whole either way, the inverse transforms shrink.
// Kept apart from the C++ objects around it so the jump skips no destructor.
bool DecodesCleanly(jpeg_decompress_struct &info, JpegDamageReporter &reporter, std::span<const std::uint8_t> file,
                    std::vector<JSAMPLE> &row)
{
    if (setjmp(reporter.jump) != 0)
        return false;
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, file.data(), static_cast<unsigned long>(file.size()));
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK)
        return false;
    reporter.headerRead = true;
    info.scale_num = 1;
    info.scale_denom = 8;
    info.dct_method = JDCT_IFAST;
    info.do_fancy_upsampling = FALSE;
    info.do_block_smoothing = FALSE;
    jpeg_calc_output_dimensions(&info);
    row.resize(std::size_t(info.output_width) * std::size_t(info.output_components));
    jpeg_start_decompress(&info);
    JSAMPROW rows[1] = {row.data()};
    while (info.output_scanline < info.output_height)
        jpeg_read_scanlines(&info, rows, 1);
    if (!HasAllScans(info)) {
        reporter.damageWarned = true;
        return false;
    }
    // Reads on to the end-of-image marker: a missing one is data cut short.
    jpeg_finish_decompress(&info);
    return true;
}

} // namespace

bool IsDamagedJpeg(std::span<const std::uint8_t> file)
{
    JpegDamageReporter reporter;
    jpeg_decompress_struct info{};
    reporter.attachTo(info);
    const JpegDecompressGuard guard(info);
    std::vector<JSAMPLE> row;
    if (DecodesCleanly(info, reporter, file, row))
        return false;
    return reporter.sawDamage();
}
