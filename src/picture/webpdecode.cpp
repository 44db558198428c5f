// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture/librarydecoders.h"

#include <QtEndian>

#include <webp/decode.h>
#include <webp/demux.h>

#include <memory>

namespace {

// Bytes as QImage::Format_ARGB32 lays them out in memory, unpremultiplied.
constexpr WEBP_CSP_MODE ArgbOrder = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? MODE_BGRA : MODE_ARGB;

struct AnimationDecoderDeleter
{
    void operator()(WebPAnimDecoder *decoder) const { WebPAnimDecoderDelete(decoder); }
};

// The RIFF header gives the file's length: a file shorter than that is cut
// short, even where the part that is missing holds no pixels.
bool IsCutShort(QByteArrayView file)
{
    const qint64 riffLength = qint64(qFromLittleEndian<quint32>(file.data() + 4)) + 8;
    return file.size() < riffLength;
}

// Whole, with or without alpha as the picture has it.
QImage Settled(QImage picture, bool hasAlpha)
{
    return hasAlpha ? picture : std::move(picture).convertToFormat(QImage::Format_RGB32);
}

PictureFileContents FirstFrame(QByteArrayView file, bool hasAlpha)
{
    WebPAnimDecoderOptions options;
    if (!WebPAnimDecoderOptionsInit(&options))
        return RefusedPicture(PictureProblem::Kind::Unreadable, QStringLiteral("The WebP decoder is unusable"));
    options.color_mode = ArgbOrder;
    options.use_threads = 0;
    const WebPData data{reinterpret_cast<const uint8_t *>(file.data()), std::size_t(file.size())};
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
    const QImage frame(canvas, int(info.canvas_width), int(info.canvas_height), int(info.canvas_width) * 4,
                       QImage::Format_ARGB32);
    PictureFileContents result;
    result.picture = Settled(frame.copy(), hasAlpha);
    result.ok = !result.picture.isNull();
    return result;
}

} // namespace

PictureFileContents DecodeWebP(QByteArrayView file)
{
    const auto *data = reinterpret_cast<const uint8_t *>(file.data());
    WebPBitstreamFeatures features;
    if (file.size() < 12 || IsCutShort(file) || WebPGetFeatures(data, file.size(), &features) != VP8_STATUS_OK)
        return RefusedPicture(PictureProblem::Kind::Damaged);
    if (IsTooLargePicture(features.width, features.height))
        return RefusedPicture(PictureProblem::Kind::TooLarge, {}, QSize(features.width, features.height));
    if (features.has_animation)
        return FirstFrame(file, features.has_alpha);

    QImage picture(features.width, features.height, QImage::Format_ARGB32);
    if (picture.isNull())
        return RefusedPicture(PictureProblem::Kind::TooLarge, {}, picture.size());
    WebPDecoderConfig config;
    if (!WebPInitDecoderConfig(&config))
        return RefusedPicture(PictureProblem::Kind::Unreadable, QStringLiteral("The WebP decoder is unusable"));
    config.output.colorspace = ArgbOrder;
    config.output.is_external_memory = 1;
    config.output.u.RGBA.rgba = picture.bits();
    config.output.u.RGBA.stride = int(picture.bytesPerLine());
    config.output.u.RGBA.size = std::size_t(picture.sizeInBytes());
    // Decoded whole or not at all: unlike the incremental decoder, this one
    // refuses data that ends before the last pixel.
    const VP8StatusCode status = WebPDecode(data, file.size(), &config);
    WebPFreeDecBuffer(&config.output);
    if (status == VP8_STATUS_UNSUPPORTED_FEATURE)
        return RefusedPicture(PictureProblem::Kind::UnsupportedVariant, QStringLiteral("This kind of WebP"));
    if (status != VP8_STATUS_OK)
        return RefusedPicture(PictureProblem::Kind::Damaged);
    PictureFileContents result;
    result.ok = true;
    result.picture = Settled(std::move(picture), features.has_alpha);
    return result;
}
