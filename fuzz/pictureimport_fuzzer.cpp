// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// libFuzzer entry for the picture import, on the path a user's picture takes:
// any bytes go through ImportPicture as a picture file would, with
// conversion options taken from the input's last four bytes (pictures ignore
// what follows their end, so a seed stays a whole picture while mutations of
// its tail try every fit, dither and tone, and smoothing with its reduced JPEG
// decode). Sanitizers catch the memory faults in the bitmap header rewriting
// and the readers behind it; the checks below catch an import that fails
// without a reason or hands on an image the codec cannot take or the preview
// would not show.

#include "picture/albumbitmap.h"
#include "picture/albumimage.h"
#include "picture/qtconversion.h"

#include <QBuffer>
#include <QImageReader>
#include <QtEndian>

#include <cstdio>
#include <cstdlib>

namespace {

// A header may claim any size, and Qt would allocate up to its 128 MB limit
// for it; under the sanitizers that is slow and soon exhausts the fuzzer's
// memory. Such inputs are skipped here; the import itself is left as it is.
constexpr qint64 MaxFuzzedPixels = 4'000'000;

void require(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "picture import check failed: %s\n", what);
        std::abort();
    }
}

bool tooManyPixels(qint64 width, qint64 height)
{
    return std::abs(width) * std::abs(height) > MaxFuzzedPixels;
}

// Bitmaps with a 52- or 56-byte info header are rewritten before Qt sees
// them, so QImageReader cannot tell their size: it is read from the header.
bool claimsTooManyPixels(const QByteArray &bytes)
{
    constexpr qsizetype InfoHeader = 14;
    if (bytes.startsWith("BM") && bytes.size() >= InfoHeader + 12) {
        const auto infoSize = qFromLittleEndian<quint32>(bytes.constData() + InfoHeader);
        if ((infoSize == 52 || infoSize == 56)
            && tooManyPixels(qFromLittleEndian<qint32>(bytes.constData() + InfoHeader + 4),
                             qFromLittleEndian<qint32>(bytes.constData() + InfoHeader + 8)))
            return true;
    }
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    const QSize size = reader.size();
    return size.isValid() && tooManyPixels(size.width(), size.height());
}

template <typename Enum>
Enum pick(std::uint8_t byte, int count)
{
    return static_cast<Enum>(byte % count);
}

// -100 .. 100 from one byte, 0 more often than the rest so tone stays off in
// most runs, as it does for most users.
int toneFrom(std::uint8_t byte)
{
    return byte < 56 ? 0 : (byte - 56) * 200 / 199 - 100;
}

ConversionOptions optionsFrom(const QByteArray &bytes)
{
    ConversionOptions options;
    if (bytes.size() < 4)
        return options;
    const auto tail = [&](int back) { return static_cast<std::uint8_t>(bytes.at(bytes.size() - back)); };
    options.fit = pick<PictureFit>(tail(4), 3);
    options.smooth = (tail(3) & 1) != 0;
    options.greys =
        pick<GreyDither>(static_cast<std::uint8_t>(tail(3) >> 1), static_cast<int>(NameList(GreyDitherNames).size()));
    options.brightness = toneFrom(tail(2));
    options.contrast = toneFrom(tail(1));
    return options;
}

bool isLevelNibble(int nibble)
{
    return nibble == 0x0 || nibble == 0x4 || nibble == 0x5 || nibble == 0x9 || nibble == 0xA || nibble == 0xE
           || nibble == 0xF;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    if (claimsTooManyPixels(bytes))
        return -1;

    QBuffer file;
    file.setData(bytes);
    file.open(QIODevice::ReadOnly);
    const ConversionOptions options = optionsFrom(bytes);
    const PictureImport loaded = ImportPicture(file, options);
    if (!loaded.ok) {
        require(loaded.problem.kind != PictureProblem::Kind::None, "a refused picture has a reason");
        return 0;
    }

    const QImage &albumImage = loaded.albumImage;
    require(albumImage.size() == QSize(AlbumImageSide, AlbumImageSide), "the album image is 92 x 92");
    PackedImage packed{};
    require(EncodeImageOf(albumImage, packed) == PackedImageSize, "the album image packs whole");
    for (const std::uint8_t byte : packed)
        require(isLevelNibble(byte & 0x0F) && isLevelNibble(byte >> 4), "every nibble is one of the seven levels");
    if (options.reducesToGreys())
        require(DeviceViewOf(albumImage) == albumImage, "a picture reduced to greys is what the device shows");
    return 0;
}
