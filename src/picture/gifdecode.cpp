// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture/gifdecode.h"

#include "picture/gifblocks.h"
#include "picture/gifcodereader.h"

#include <gif_lib.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <optional>
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

// The screen, as the reader before ours sized it: one of no size takes the
// frame's own extent.
int ScreenSide(int screen, int offset, int frame)
{
    return screen > 0 ? screen : offset + frame;
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
    // giflib refuses a smallest code size over 8 bits, which Qt's reader
    // read; those frames are decoded here. The descriptor was read whole
    // (the block walk saw it), and the refused size was the last byte taken.
    std::optional<GifCodeReader> ownReader;
    const bool giflibReads = DGifGetImageDesc(gif.get()) != GIF_ERROR;
    const std::size_t dataStart = source.at;
    const int codeSize = dataStart > 0 ? file[dataStart - 1] : 0;
    if (!giflibReads) {
        if (gif->Error != D_GIF_ERR_READ_FAILED || codeSize < 9 || codeSize > 11)
            return Damaged();
        ownReader.emplace(file.subspan(dataStart), codeSize);
    }

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
    // has a transparent index, else the background colour, else black. Qt's
    // reader took the background from the frame's own table before reading
    // it, which gave black; so does this.
    Rgb fill = 0;
    if (left != 0 || top != 0 || frameWidth < width || frameHeight < height) {
        if (transparent)
            fill = palette[transparentIndex] & 0x00FFFFFFu;
        else if (background >= 0 && !frame.ColorMap)
            fill = global[background];
    }
    RgbPicture picture(width, height, fill, transparent);
    const auto shown = [transparent](Rgb colour) { return transparent ? colour : colour | 0xFF000000u; };

    std::array<Rgb, 256> colours;
    for (int i = 0; i < 256; ++i)
        colours[i] = shown(i == transparentIndex ? palette[i] & 0x00FFFFFFu : palette[i]);
    const int shownWidth = left < width ? std::min(frameWidth, width - left) : 0;

    std::vector<GifPixelType> line(std::size_t(std::max(frameWidth, 1)));
    const std::span<GifPixelType> lineSpan = std::span(line).first(std::size_t(frameWidth));
    std::size_t filled = lineSpan.size();
    const auto readLine = [&]() {
        if (ownReader) {
            const GifCodeReader::Line read = ownReader->readLine(lineSpan);
            filled = ownReader->filled();
            return read;
        }
        if (DGifGetLine(gif.get(), line.data(), frameWidth) != GIF_ERROR)
            return GifCodeReader::Line::Whole;
        return gif->Error == D_GIF_ERR_EOF_TOO_SOON ? GifCodeReader::Line::EndedEarly : GifCodeReader::Line::Defect;
    };
    RowOrder rows(frameHeight, frame.Interlace);
    for (int stored = 0; stored < frameHeight; ++stored, rows.next()) {
        GifCodeReader::Line read = readLine();
        if (read == GifCodeReader::Line::EndedEarly && !ownReader) {
            // giflib does not say how much of the line came: the frame is
            // decoded again from its start, the same rows the same way, by
            // the reader that does.
            ownReader.emplace(file.subspan(dataStart), codeSize);
            rows = RowOrder(frameHeight, frame.Interlace);
            stored = 0;
            read = readLine();
        }
        if (read == GifCodeReader::Line::Defect)
            return Damaged();
        const bool endedEarly = read == GifCodeReader::Line::EndedEarly;
        const int y = top + rows.y();
        if (y >= height || shownWidth == 0) {
            if (endedEarly)
                break;
            continue;
        }
        Rgb *row = picture.row(y);
        const int came = endedEarly ? std::min(shownWidth, static_cast<int>(filled)) : shownWidth;
        for (int x = 0; x < came; ++x)
            row[left + x] = colours[line[x]];
        if (endedEarly)
            break; // the last row that came is not copied down
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
