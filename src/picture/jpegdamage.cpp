// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture/picturedamagecheckers.h"

#include "picture/jpegreporter.h"

#include <vector>

namespace {

JpegDamageReporter &ReporterOf(j_common_ptr info)
{
    return *reinterpret_cast<JpegDamageReporter *>(info->err);
}

[[noreturn]] void JumpOnError(j_common_ptr info)
{
    std::longjmp(ReporterOf(info).jump, 1);
}

// Warnings have level -1; trace messages are higher and mean nothing here.
// An unknown JFIF version, Adobe colour transform or a broken ICC profile
// marker leaves the pixels whole; every other warning says the compressed
// data ended early or does not decode, and the library would make pixels up.
void JumpOnDamageWarning(j_common_ptr info, int level)
{
    if (level >= 0)
        return;
    const int code = info->err->msg_code;
    if (code == JWRN_JFIF_MAJOR || code == JWRN_ADOBE_XFORM || code == JWRN_BOGUS_ICC)
        return;
    ReporterOf(info).damageWarned = true;
    std::longjmp(ReporterOf(info).jump, 1);
}

void SilentOutput(j_common_ptr)
{
}

// Decodes every scan at an eighth of the size, into a single reused row: the
// entropy-coded data is read whole either way, the inverse transforms shrink.
// Kept apart from the C++ objects around it so the jump skips no destructor.
bool DecodesCleanly(jpeg_decompress_struct &info, JpegDamageReporter &reporter, QByteArrayView file,
                    std::vector<JSAMPLE> &row)
{
    if (setjmp(reporter.jump) != 0)
        return false;
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char *>(file.data()), static_cast<unsigned long>(file.size()));
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
    // Reads on to the end-of-image marker: a missing one is data cut short.
    jpeg_finish_decompress(&info);
    return true;
}

} // namespace

bool IsDamagedJpeg(QByteArrayView file)
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

void JpegDamageReporter::attachTo(jpeg_decompress_struct &info)
{
    jpeg_std_error(&manager);
    manager.error_exit = JumpOnError;
    manager.emit_message = JumpOnDamageWarning;
    manager.output_message = SilentOutput;
    info.err = &manager;
}
