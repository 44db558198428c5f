// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture/gifdecode.h"

#include "picture/gifblocks.h"

#include <gif_lib.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <vector>

namespace {

struct GifSource
{
    std::span<const std::uint8_t> file;
    std::size_t at = 0;
};

// giflib asks for `length` bytes; fewer means the file ended.
int ReadFromSource(GifFileType *gif, GifByteType *out, int length)
{
    auto *source = static_cast<GifSource *>(gif->UserData);
    const std::size_t wanted = length > 0 ? std::size_t(length) : 0;
    const std::size_t given = std::min(wanted, source->file.size() - source->at);
    std::memcpy(out, source->file.data() + source->at, given);
    source->at += given;
    return static_cast<int>(given);
}

struct GifCloser
{
    void operator()(GifFileType *gif) const
    {
        int error = 0;
        DGifCloseFile(gif, &error);
    }
};
using GifFile = std::unique_ptr<GifFileType, GifCloser>;

// A colour word the way the reader before ours left it, so that what reaches
// the painter is the same: 0x00FFFFFF for an index past the table, which
// shows white where the picture has no transparency.
constexpr Rgb PastTheTable = 0x00FFFFFFu;

struct Palette
{
    std::array<Rgb, 256> colours{};
    int count = 0; // as the descriptor says, whether or not a table is there

    Rgb operator[](int index) const { return index >= count ? PastTheTable : colours[index]; }
};

// A table of 2^(n+1) entries as the descriptor's low bits say; entries
// missing from it, or the whole table when there is none, are black with no
// alpha, as the reader before ours left them.
Palette PaletteOf(const ColorMapObject *map, int declared)
{
    Palette palette;
    palette.count = declared;
    if (map) {
        const int colours = std::min({map->ColorCount, declared, 256});
        for (int i = 0; i < colours; ++i)
            palette.colours[i] =
                0xFF000000u | Rgb(map->Colors[i].Red) << 16 | Rgb(map->Colors[i].Green) << 8 | Rgb(map->Colors[i].Blue);
    }
    return palette;
}

// The rows of a frame in the order they are stored: straight down, or the
// four interlaced passes (every 8th row from 0, every 8th from 4, every 4th
// from 2, every 2nd from 1).
class RowOrder
{
public:
    RowOrder(int frameHeight, bool interlaced)
        : m_height(frameHeight)
        , m_pass(interlaced ? 0 : Passes.size() - 1)
        , m_y(0)
        , m_interlaced(interlaced)
    {
    }
    // The row within the frame.
    int y() const { return m_y; }
    // How many rows below y() an early pass's row stands for until a later
    // pass fills them: the picture is complete however soon its data ends.
    int spread() const { return m_interlaced ? Passes[m_pass].spread : 0; }
    void next()
    {
        if (!m_interlaced) {
            ++m_y;
            return;
        }
        m_y += Passes[m_pass].step;
        while (m_y >= m_height && m_pass + 1 < Passes.size())
            m_y = Passes[++m_pass].start;
    }

private:
    struct Pass
    {
        int start;
        int step;
        int spread;
    };
    static constexpr std::array<Pass, 4> Passes{{{0, 8, 7}, {4, 8, 3}, {2, 4, 1}, {1, 2, 0}}};

    int m_height;
    std::size_t m_pass;
    int m_y;
    bool m_interlaced;
};

// The screen, as the reader before ours sized it: a screen ten times wider
// (or taller) than the first frame and 200 pixels is not believed, nor one
// of no size; the frame's own extent is taken instead.
int ScreenSide(int screen, int offset, int frame)
{
    if (screen / 10 > std::max(frame, 200) || screen <= 0)
        return offset + frame;
    return screen;
}

PictureFileContents Damaged()
{
    return RefusedPicture(PictureProblem::Kind::Damaged);
}

bool HasGifSignature(std::span<const std::uint8_t> file)
{
    return file.size() >= 6
           && (std::memcmp(file.data(), "GIF87a", 6) == 0 || std::memcmp(file.data(), "GIF89a", 6) == 0);
}

} // namespace

PictureFileContents DecodeGif(std::span<const std::uint8_t> file)
{
    if (!HasGifSignature(file))
        return RefusedPicture(PictureProblem::Kind::UnsupportedFormat);
    if (HasDamagedGifBlocks(file))
        return Damaged();

    GifSource source{file};
    int error = 0;
    const GifFile gif(DGifOpen(&source, ReadFromSource, &error));
    if (!gif)
        return Damaged();
    // The screen descriptor's packed byte declares the global table's size
    // even when no table follows.
    const int globalCount = 2 << (file[10] & 0x07);
    const Palette global = PaletteOf(gif->SColorMap, globalCount);
    const int background = gif->SColorMap ? gif->SBackGroundColor : -1;

    // Extensions before the first frame: the last graphic control block
    // says which index, if any, is transparent.
    int transparentIndex = -1;
    GifRecordType record = UNDEFINED_RECORD_TYPE;
    while (true) {
        if (DGifGetRecordType(gif.get(), &record) == GIF_ERROR)
            return Damaged();
        if (record == IMAGE_DESC_RECORD_TYPE)
            break;
        if (record != EXTENSION_RECORD_TYPE)
            return Damaged(); // the trailer with no frame before it
        int code = 0;
        GifByteType *data = nullptr;
        if (DGifGetExtension(gif.get(), &code, &data) == GIF_ERROR)
            return Damaged();
        if (code == GRAPHICS_EXT_FUNC_CODE && data && data[0] >= 4)
            transparentIndex = (data[1] & 0x01) != 0 ? data[4] : -1;
        while (data) {
            if (DGifGetExtensionNext(gif.get(), &data) == GIF_ERROR)
                return Damaged();
        }
    }
    if (DGifGetImageDesc(gif.get()) == GIF_ERROR)
        return Damaged();

    const GifImageDesc &frame = gif->Image;
    const int left = frame.Left;
    const int top = frame.Top;
    const int frameWidth = frame.Width;
    const int frameHeight = frame.Height;
    const int width = ScreenSide(gif->SWidth, left, frameWidth);
    const int height = ScreenSide(gif->SHeight, top, frameHeight);
    if (IsTooLargePicture(width, height))
        return RefusedPicture(PictureProblem::Kind::TooLarge, {}, {width, height});
    if (width <= 0 || height <= 0)
        return Damaged();

    const bool transparent = transparentIndex >= 0;
    const Palette palette = frame.ColorMap ? PaletteOf(frame.ColorMap, frame.ColorMap->ColorCount) : global;
    // Where the frame does not cover the screen: transparent when the frame
    // has a transparent index, else the background colour, else black.
    Rgb fill = 0;
    if (left != 0 || top != 0 || frameWidth < width || frameHeight < height) {
        if (transparent)
            fill = palette[transparentIndex] & 0x00FFFFFFu;
        else if (background >= 0)
            fill = global[background];
    }
    RgbPicture picture(width, height, fill, transparent);
    const auto shown = [transparent](Rgb colour) { return transparent ? colour : colour | 0xFF000000u; };

    std::array<Rgb, 256> colours;
    for (int i = 0; i < 256; ++i)
        colours[i] = shown(i == transparentIndex ? palette[i] & 0x00FFFFFFu : palette[i]);
    const int shownWidth = left < width ? std::min(frameWidth, width - left) : 0;

    std::vector<GifPixelType> line(std::size_t(std::max(frameWidth, 1)));
    RowOrder rows(frameHeight, frame.Interlace);
    for (int stored = 0; stored < frameHeight; ++stored, rows.next()) {
        // A frame whose data ends early keeps what came, as the reader
        // before ours kept it; a defect in the data refuses it.
        if (DGifGetLine(gif.get(), line.data(), frameWidth) == GIF_ERROR) {
            if (gif->Error == D_GIF_ERR_EOF_TOO_SOON)
                break;
            return Damaged();
        }
        const int y = top + rows.y();
        if (y >= height || shownWidth == 0)
            continue;
        Rgb *row = picture.row(y);
        for (int x = 0; x < shownWidth; ++x)
            row[left + x] = colours[line[x]];
        // Without transparency, an early pass's row is copied down over the
        // rows it stands for, within the screen.
        if (!transparent) {
            const int copies = std::min(rows.spread(), std::min(top + frameHeight, height) - 1 - y);
            for (int below = 1; below <= copies; ++below)
                std::copy_n(row + left, shownWidth, picture.row(y + below) + left);
        }
    }
    if (transparent) {
        picture.hasAlpha =
            std::any_of(picture.pixels.begin(), picture.pixels.end(), [](Rgb colour) { return colour >> 24 != 0xFF; });
    } else {
        for (Rgb &colour : picture.pixels)
            colour |= 0xFF000000u;
    }

    PictureFileContents result;
    result.ok = true;
    result.picture = std::move(picture);
    return result;
}
