// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture/pngdecode.h"

#include "picture/pngchunks.h"

#include <png.h>

#include <array>
#include <csetjmp>
#include <cstddef>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

namespace {

// What the callbacks reach through libpng: trivial, as it lives in frames
// that libpng may leave by longjmp.
struct PngSource
{
    const std::uint8_t *data;
    std::size_t size;
    std::size_t at;
    std::vector<std::string> *warnings;
};

void ReadFromSource(png_structp png, png_bytep out, std::size_t length)
{
    auto *source = static_cast<PngSource *>(png_get_io_ptr(png));
    if (source->size - source->at < length)
        png_error(png, "Read Error");
    std::memcpy(out, source->data + source->at, length);
    source->at += length;
}

void Note(PngSource *source, const char *message)
{
    try {
        source->warnings->emplace_back(message);
    } catch (...) {
        // A warning that cannot be kept is not worth failing the picture for,
        // and no exception may cross libpng's C frames.
    }
}

[[noreturn]] void StopOnError(png_structp png, png_const_charp message)
{
    Note(static_cast<PngSource *>(png_get_error_ptr(png)), message);
    png_longjmp(png, 1);
}

void KeepWarning(png_structp png, png_const_charp message)
{
    Note(static_cast<PngSource *>(png_get_error_ptr(png)), message);
}

// The read struct and its info struct, destroyed together.
class PngReader
{
public:
    explicit PngReader(PngSource &source)
        : m_png(png_create_read_struct(PNG_LIBPNG_VER_STRING, &source, StopOnError, KeepWarning))
    {
        if (m_png) {
            m_info = png_create_info_struct(m_png);
            png_set_read_fn(m_png, &source, ReadFromSource);
        }
    }
    ~PngReader() { png_destroy_read_struct(&m_png, m_info ? &m_info : nullptr, nullptr); }
    PngReader(const PngReader &) = delete;
    PngReader &operator=(const PngReader &) = delete;

    bool isValid() const { return m_png && m_info; }
    png_structp png() const { return m_png; }
    png_infop info() const { return m_info; }

private:
    png_structp m_png = nullptr;
    png_infop m_info = nullptr;
};

struct PngHeader
{
    png_uint_32 width;
    png_uint_32 height;
    int bitDepth;
    int colourType;
    bool transparency; // a tRNS chunk
};

// The header and every chunk before the pixels. libpng leaves this frame by
// longjmp on error: nothing here owns memory.
bool ReadHeader(png_structp png, png_infop info, PngHeader &header)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    // Our own pixel limit bounds the picture; libpng's default of a million
    // rows or columns would refuse a tall panorama well within it.
    png_set_user_limits(png, PNG_UINT_31_MAX, PNG_UINT_31_MAX);
    // Some writers' streams claim a smaller window than they use; taking the
    // largest one costs a little memory and reads them.
    png_set_option(png, PNG_MAXIMUM_INFLATE_WINDOW, PNG_OPTION_ON);
    png_read_info(png, info);
    int interlace = 0;
    png_get_IHDR(png, info, &header.width, &header.height, &header.bitDepth, &header.colourType, &interlace, nullptr,
                 nullptr);
    header.transparency = png_get_valid(png, info, PNG_INFO_tRNS) != 0;
    return true;
}

// Pictures of one sample a pixel, of 8 bits or fewer, come out as one byte a
// pixel, looked up in a table; everything else as red, green, blue and alpha,
// 8 bits each.
bool IsTableLooked(const PngHeader &header)
{
    return header.colourType == PNG_COLOR_TYPE_PALETTE
           || (header.colourType == PNG_COLOR_TYPE_GRAY && header.bitDepth <= 8);
}

bool SetUpTransforms(png_structp png, png_infop info, const PngHeader &header, std::size_t expectedRowBytes)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_set_interlace_handling(png);
    if (IsTableLooked(header)) {
        png_set_packing(png);
    } else {
        png_set_expand(png); // a tRNS colour becomes an alpha channel
        png_set_gray_to_rgb(png);
        // Rounded, not cut: 16-bit samples reach the same 8 bits as Qt's
        // readers and painter gave them.
        png_set_scale_16(png);
        if ((header.colourType & PNG_COLOR_MASK_ALPHA) == 0 && !header.transparency)
            png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
    }
    png_read_update_info(png, info);
    return png_get_rowbytes(png, info) == expectedRowBytes;
}

bool ReadRows(png_structp png, png_infop info, png_bytepp rows)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_read_image(png, rows);
    // The chunks after the pixels too: their errors refuse the file, as the
    // reader before ours did.
    png_read_end(png, info);
    return true;
}

Rgb Opaque(int red, int green, int blue)
{
    return 0xFF000000u | Rgb(red) << 16 | Rgb(green) << 8 | Rgb(blue);
}

// The colours of a table-looked picture, as Qt's PNG reader built its colour
// tables: entries past the palette are opaque black; a grey tRNS value
// clears its entry to transparent black, except at one bit a pixel, where it
// keeps its colour.
std::array<Rgb, 256> ColourTable(png_structp png, png_infop info, const PngHeader &header)
{
    std::array<Rgb, 256> table;
    table.fill(Opaque(0, 0, 0));
    png_bytep transparency = nullptr;
    int transparent = 0;
    png_color_16p transparentColour = nullptr;
    const bool hasTransparency = png_get_tRNS(png, info, &transparency, &transparent, &transparentColour) != 0;
    if (header.colourType == PNG_COLOR_TYPE_PALETTE) {
        png_colorp palette = nullptr;
        int colours = 0;
        png_get_PLTE(png, info, &palette, &colours);
        for (int i = 0; i < colours && i < 256; ++i) {
            const Rgb alpha = hasTransparency && transparency && i < transparent ? transparency[i] : 0xFF;
            table[i] = alpha << 24 | Rgb(palette[i].red) << 16 | Rgb(palette[i].green) << 8 | Rgb(palette[i].blue);
        }
        return table;
    }
    const int greys = 1 << header.bitDepth;
    for (int i = 0; i < greys; ++i) {
        const int grey = i * 255 / (greys - 1);
        table[i] = Opaque(grey, grey, grey);
    }
    if (hasTransparency && transparentColour && transparentColour->gray < greys)
        table[transparentColour->gray] = header.bitDepth == 1 ? table[transparentColour->gray] & 0x00FFFFFFu : 0;
    return table;
}

PictureFileContents Damaged(std::vector<std::string> warnings)
{
    PictureFileContents refused = RefusedPicture(PictureProblem::Kind::Damaged);
    refused.warnings = std::move(warnings);
    return refused;
}

} // namespace

PictureFileContents DecodePng(std::span<const std::uint8_t> file)
{
    if (!HasPngSignature(file))
        return RefusedPicture(PictureProblem::Kind::UnsupportedFormat);
    if (HasDamagedPngChunks(file))
        return RefusedPicture(PictureProblem::Kind::Damaged);

    std::vector<std::string> warnings;
    PngSource source{file.data(), file.size(), 0, &warnings};
    PngReader reader(source);
    if (!reader.isValid())
        return RefusedPicture(PictureProblem::Kind::Damaged);
    PngHeader header{};
    if (!ReadHeader(reader.png(), reader.info(), header))
        return Damaged(std::move(warnings));
    if (IsTooLargePicture(header.width, header.height))
        return RefusedPicture(PictureProblem::Kind::TooLarge, {},
                              {static_cast<int>(header.width), static_cast<int>(header.height)});

    // Within MaxPicturePixels, so neither the sizes nor their products overflow.
    const int width = static_cast<int>(header.width);
    const int height = static_cast<int>(header.height);
    const bool tableLooked = IsTableLooked(header);
    const std::size_t rowBytes = std::size_t(width) * (tableLooked ? 1 : 4);
    if (!SetUpTransforms(reader.png(), reader.info(), header, rowBytes))
        return Damaged(std::move(warnings));

    // Table-looked rows go to a buffer of their own; red, green, blue and
    // alpha bytes land in the picture's own words and are turned into
    // 0xAARRGGBB there, whatever the machine's byte order.
    PictureFileContents result;
    result.picture = RgbPicture(width, height, 0xFF000000u, false);
    std::vector<std::uint8_t> indices(tableLooked ? rowBytes * std::size_t(height) : 0);
    auto *const words = reinterpret_cast<png_bytep>(result.picture.pixels.data());
    std::vector<png_bytep> rows(static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y)
        rows[y] = (tableLooked ? indices.data() : words) + rowBytes * std::size_t(y);
    if (!ReadRows(reader.png(), reader.info(), rows.data()))
        return Damaged(std::move(warnings));

    std::vector<Rgb> &pixels = result.picture.pixels;
    Rgb allAlpha = 0xFF000000u;
    if (tableLooked) {
        const std::array<Rgb, 256> table = ColourTable(reader.png(), reader.info(), header);
        for (std::size_t i = 0; i < pixels.size(); ++i) {
            pixels[i] = table[indices[i]];
            allAlpha &= pixels[i];
        }
    } else {
        for (std::size_t i = 0; i < pixels.size(); ++i) {
            const png_bytep rgba = words + 4 * i;
            pixels[i] = Rgb(rgba[3]) << 24 | Rgb(rgba[0]) << 16 | Rgb(rgba[1]) << 8 | Rgb(rgba[2]);
            allAlpha &= pixels[i];
        }
    }
    result.picture.hasAlpha = (allAlpha & 0xFF000000u) != 0xFF000000u;
    result.ok = true;
    result.warnings = std::move(warnings);
    return result;
}
