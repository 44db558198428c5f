#include "picturedamagecheckers.h"

#include <png.h>

#include <cstring>
#include <vector>

namespace {

// The file, read from the front by the library.
struct Source
{
    QByteArrayView file;
    qsizetype at = 0;
};

// A read past the end is the file ending early: an error like any other.
void ReadFromSource(png_structp png, png_bytep out, png_size_t length)
{
    auto &source = *static_cast<Source *>(png_get_io_ptr(png));
    if (length > png_size_t(source.file.size() - source.at))
        png_error(png, "Read past the end");
    std::memcpy(out, source.file.data() + source.at, length);
    source.at += qsizetype(length);
}

// Jumps back to the check without printing anything.
[[noreturn]] void JumpOnError(png_structp png, png_const_charp)
{
    png_longjmp(png, 1);
}

// Warnings (an odd colour profile, extra compressed data after the rows)
// leave every pixel as stored; only errors count.
void IgnoreWarning(png_structp, png_const_charp)
{
}

class ReadGuard
{
public:
    ReadGuard()
        : m_png(png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, JumpOnError, IgnoreWarning))
        , m_info(m_png ? png_create_info_struct(m_png) : nullptr)
    {
    }
    ~ReadGuard() { png_destroy_read_struct(m_png ? &m_png : nullptr, m_info ? &m_info : nullptr, nullptr); }
    ReadGuard(const ReadGuard &) = delete;
    ReadGuard &operator=(const ReadGuard &) = delete;

    png_structp png() const { return m_png; }
    png_infop info() const { return m_info; }

private:
    png_structp m_png;
    png_infop m_info;
};

// Decodes every row of every pass into one reused row, then reads on through
// the end chunk, as the reader does. An error jumps back here; the jump skips
// no C++ destructor.
bool DecodesCleanly(png_structp png, png_infop info, Source &source, std::vector<png_byte> &row)
{
    if (setjmp(png_jmpbuf(png)) != 0)
        return false;
    png_set_read_fn(png, &source, ReadFromSource);
    png_read_info(png, info);
    const int passes = png_set_interlace_handling(png);
    png_read_update_info(png, info);
    row.resize(png_get_rowbytes(png, info));
    const png_uint_32 height = png_get_image_height(png, info);
    for (int pass = 0; pass < passes; ++pass)
        for (png_uint_32 y = 0; y < height; ++y)
            png_read_row(png, row.data(), nullptr);
    png_read_end(png, nullptr);
    return true;
}

} // namespace

bool IsDamagedPng(QByteArrayView file)
{
    ReadGuard guard;
    if (guard.png() == nullptr || guard.info() == nullptr)
        return false; // out of memory: the reader will say so
    Source source{file};
    std::vector<png_byte> row;
    return !DecodesCleanly(guard.png(), guard.info(), source, row);
}
