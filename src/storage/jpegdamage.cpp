#include "picturedamagecheckers.h"

#include <csetjmp>
#include <cstdio> // jpeglib.h needs FILE declared first
#include <vector>

#include <jerror.h>
#include <jpeglib.h>

namespace {

// The library reports through this manager: an error jumps back to the
// check, and so does the first warning that means the data is damaged.
struct DamageReporter
{
    jpeg_error_mgr manager{};
    std::jmp_buf jump{};
    bool headerRead = false;
    bool damageWarned = false;
};

DamageReporter &ReporterOf(j_common_ptr info)
{
    return *reinterpret_cast<DamageReporter *>(info->err);
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

// Frees what the library allocated; safe on a struct it never set up.
class DecompressGuard
{
public:
    explicit DecompressGuard(jpeg_decompress_struct &info)
        : m_info(info)
    {
    }
    ~DecompressGuard() { jpeg_destroy_decompress(&m_info); }
    DecompressGuard(const DecompressGuard &) = delete;
    DecompressGuard &operator=(const DecompressGuard &) = delete;

private:
    jpeg_decompress_struct &m_info;
};

// Decodes every scan at an eighth of the size, into a single reused row: the
// entropy-coded data is read whole either way, the inverse transforms shrink.
// Kept apart from the C++ objects around it so the jump skips no destructor.
bool DecodesCleanly(jpeg_decompress_struct &info, DamageReporter &reporter, QByteArrayView file,
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
    DamageReporter reporter;
    jpeg_std_error(&reporter.manager);
    reporter.manager.error_exit = JumpOnError;
    reporter.manager.emit_message = JumpOnDamageWarning;
    reporter.manager.output_message = SilentOutput;

    jpeg_decompress_struct info{};
    info.err = &reporter.manager;
    const DecompressGuard guard(info);
    std::vector<JSAMPLE> row;
    if (DecodesCleanly(info, reporter, file, row))
        return false;
    // A header the library cannot read, with no sign of the data ending
    // early, may be a kind of JPEG it does not support: the reader says so.
    return reporter.headerRead || reporter.damageWarned;
}
