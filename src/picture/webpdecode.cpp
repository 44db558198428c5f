// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture/librarydecoders.h"

#include "picture/byteorder.h"
#include "picture/exiforientation.h"
#include "picture/orientation.h"

#include <webp/decode.h>
#include <webp/demux.h>

#include <algorithm>
#include <bit>
#include <memory>

namespace {

// Bytes as a pixel word 0xAARRGGBB lies in memory, unpremultiplied.
constexpr WEBP_CSP_MODE ArgbOrder = std::endian::native == std::endian::little ? MODE_BGRA : MODE_ARGB;

struct AnimationDecoderDeleter
{
    void operator()(WebPAnimDecoder *decoder) const { WebPAnimDecoderDelete(decoder); }
};

struct DemuxDeleter
{
    void operator()(WebPDemuxer *demuxer) const { WebPDemuxDelete(demuxer); }
};

// The Orientation the file's EXIF chunk asks for, 1 when it has none. Only
// the extended layout (VP8X) carries metadata chunks.
int OrientationOf(FileBytes file)
{
    const WebPData data{file.data(), file.size()};
    const std::unique_ptr<WebPDemuxer, DemuxDeleter> demuxer(WebPDemux(&data));
    if (!demuxer || (WebPDemuxGetI(demuxer.get(), WEBP_FF_FORMAT_FLAGS) & EXIF_FLAG) == 0)
        return 1;
    WebPChunkIterator chunk;
    if (!WebPDemuxGetChunk(demuxer.get(), "EXIF", 1, &chunk))
        return 1;
    const int orientation = WebPExifOrientation({chunk.chunk.bytes, chunk.chunk.size});
    WebPDemuxReleaseChunkIterator(&chunk);
    return orientation;
}

// Upright, as the EXIF chunk says, as a JPEG's EXIF segment is taken.
PictureFileContents Oriented(PictureFileContents decoded, FileBytes file)
{
    if (!decoded.ok)
        return decoded;
    decoded.orientation = OrientationOf(file);
    decoded.picture = OrientedPicture(std::move(decoded.picture), decoded.orientation);
    return decoded;
}

// The RIFF header gives the file's length: a file shorter than that is cut
// short, even where the part that is missing holds no pixels.
bool IsCutShort(FileBytes file)
{
    const std::uint64_t riffLength = std::uint64_t(U32le(file, 4)) + 8;
    return file.size() < riffLength;
}

// Whole, with or without alpha as the picture has it.
RgbPicture Settled(RgbPicture picture, bool hasAlpha)
{
    picture.hasAlpha = hasAlpha;
    if (!hasAlpha)
        for (Rgb &pixel : picture.pixels)
            pixel |= 0xFF000000u;
    return picture;
}

PictureFileContents FirstFrame(FileBytes file, bool hasAlpha)
{
    WebPAnimDecoderOptions options;
    if (!WebPAnimDecoderOptionsInit(&options))
        return RefusedPicture(PictureProblem::Kind::Unreadable, "The WebP decoder is unusable.");
    options.color_mode = ArgbOrder;
    options.use_threads = 0;
    const WebPData data{file.data(), file.size()};
    // The demultiplexer takes only a whole file: every frame's chunk must be there.
    const std::unique_ptr<WebPAnimDecoder, AnimationDecoderDeleter> decoder(WebPAnimDecoderNew(&data, &options));
    if (!decoder)
        return RefusedPicture(PictureProblem::Kind::Damaged);
    WebPAnimInfo info;
    if (!WebPAnimDecoderGetInfo(decoder.get(), &info) || info.frame_count < 1)
        return RefusedPicture(PictureProblem::Kind::Damaged);
    uint8_t *canvas = nullptr;
    int timestamp = 0;
    if (!WebPAnimDecoderGetNext(decoder.get(), &canvas, &timestamp))
        return RefusedPicture(PictureProblem::Kind::Damaged);
    if (canvas == nullptr || info.canvas_width == 0 || info.canvas_height == 0
        || IsTooLargePicture(info.canvas_width, info.canvas_height))
        return RefusedPicture(PictureProblem::Kind::Damaged);
    RgbPicture frame(int(info.canvas_width), int(info.canvas_height), 0, true);
    std::copy_n(reinterpret_cast<const Rgb *>(canvas), frame.pixels.size(), frame.pixels.data());
    PictureFileContents result;
    result.picture = Settled(std::move(frame), hasAlpha);
    result.ok = true;
    return result;
}

// The pixels as stored, not yet turned.
PictureFileContents DecodeStoredWebP(std::span<const std::uint8_t> file)
{
    const std::uint8_t *data = file.data();
    WebPBitstreamFeatures features;
    if (file.size() < 12 || IsCutShort(file) || WebPGetFeatures(data, file.size(), &features) != VP8_STATUS_OK)
        return RefusedPicture(PictureProblem::Kind::Damaged);
    if (IsTooLargePicture(features.width, features.height))
        return RefusedPicture(PictureProblem::Kind::TooLarge, {}, {features.width, features.height});
    if (features.has_animation)
        return FirstFrame(file, features.has_alpha);

    if (features.width <= 0 || features.height <= 0)
        return RefusedPicture(PictureProblem::Kind::Damaged);
    RgbPicture picture(features.width, features.height, 0, true);
    WebPDecoderConfig config;
    if (!WebPInitDecoderConfig(&config))
        return RefusedPicture(PictureProblem::Kind::Unreadable, "The WebP decoder is unusable.");
    config.output.colorspace = ArgbOrder;
    config.output.is_external_memory = 1;
    config.output.u.RGBA.rgba = reinterpret_cast<std::uint8_t *>(picture.pixels.data());
    config.output.u.RGBA.stride = picture.width * int(sizeof(Rgb));
    config.output.u.RGBA.size = picture.pixels.size() * sizeof(Rgb);
    // Decoded whole or not at all: unlike the incremental decoder, this one
    // refuses data that ends before the last pixel.
    const VP8StatusCode status = WebPDecode(data, file.size(), &config);
    WebPFreeDecBuffer(&config.output);
    if (status == VP8_STATUS_UNSUPPORTED_FEATURE)
        return RefusedPicture(PictureProblem::Kind::UnsupportedVariant, "This kind of WebP");
    if (status != VP8_STATUS_OK)
        return RefusedPicture(PictureProblem::Kind::Damaged);
    PictureFileContents result;
    result.ok = true;
    result.picture = Settled(std::move(picture), features.has_alpha);
    return result;
}

} // namespace

PictureFileContents DecodeWebP(std::span<const std::uint8_t> file)
{
    return Oriented(DecodeStoredWebP(file), file);
}
