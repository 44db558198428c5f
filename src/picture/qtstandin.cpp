// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Bitmaps, PNGs, GIFs and icons through Qt's image readers, for as long as
// they have no readers of their own: the same checks and the same pixels as
// ever. The one file of this folder that uses Qt.

#include "picture/bitmapheader.h"
#include "picture/bmpdecode.h"
#include "picture/gifdecode.h"
#include "picture/icodecode.h"
#include "picture/picturedamagecheckers.h"
#include "picture/pngdecode.h"

#include <QBuffer>
#include <QImageReader>

#include <algorithm>

namespace {

// Four bytes a pixel, as the readers decode into, with room to spare.
constexpr int AllocationLimitMegabytes = static_cast<int>(MaxPicturePixels * 4 / (1024 * 1024)) + 64;

// The picture as the conversion draws it: straight ARGB when it has alpha,
// opaque RGB otherwise.
RgbPicture RgbPictureOf(const QImage &image)
{
    const bool alpha = image.hasAlphaChannel();
    const QImage words = image.convertToFormat(alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    RgbPicture picture(words.width(), words.height(), 0, alpha);
    for (int y = 0; y < words.height(); ++y)
        std::copy_n(reinterpret_cast<const Rgb *>(words.constScanLine(y)), words.width(), picture.row(y));
    return picture;
}

struct ReaderOutcome
{
    PictureFileContents contents;
    bool invalidData = false; // the reader found the data itself undecodable
};

ReaderOutcome Read(QImageReader &reader)
{
    ReaderOutcome outcome;
    // Qt's own allocation limit (128 MB) refuses a 48-megapixel photo with a
    // bare "Unable to read image data"; ours is larger, and says why.
    const QSize size = reader.size();
    if (size.isValid() && IsTooLargePicture(size.width(), size.height())) {
        outcome.contents = RefusedPicture(PictureProblem::Kind::TooLarge, {}, {size.width(), size.height()});
        return outcome;
    }
    reader.setAllocationLimit(AllocationLimitMegabytes);
    QImage picture = reader.read();
    if (picture.isNull()) {
        outcome.contents = RefusedPicture(PictureProblem::Kind::Unreadable, reader.errorString().toStdString());
        outcome.invalidData = reader.error() == QImageReader::InvalidDataError;
        return outcome;
    }
    // A bitmap's pixels may name colours past the end of its palette, and Qt
    // reads its colour table unchecked when it draws or converts them: past
    // the end of the table, which can crash. Such colours show as black, as
    // bitmap viewers show them.
    if (picture.format() == QImage::Format_Indexed8 && picture.colorCount() < 256) {
        QList<QRgb> colours = picture.colorTable();
        colours.resize(256, qRgb(0, 0, 0));
        picture.setColorTable(colours);
    }
    outcome.contents.ok = true;
    outcome.contents.picture = RgbPictureOf(picture);
    return outcome;
}

// The reader that the contents choose, over bytes that stay where they are.
ReaderOutcome ReadWithQt(std::span<const std::uint8_t> file, const char *format = nullptr)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(file.data()), static_cast<qsizetype>(file.size()));
    QBuffer device;
    device.setData(bytes);
    device.open(QIODevice::ReadOnly);
    QImageReader reader(&device, format);
    if (format == nullptr)
        reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    return Read(reader);
}

} // namespace

PictureFileContents DecodeBmp(std::span<const std::uint8_t> file)
{
    // The reader fills in what is missing or undecodable; a damaged file is refused instead.
    if (IsDamagedBitmap(file))
        return RefusedPicture(PictureProblem::Kind::Damaged);
    if (HasMaskInfoHeader(file)) {
        const std::vector<std::uint8_t> rewritten = WithLongerInfoHeader(file);
        if (rewritten.empty())
            return RefusedPicture(PictureProblem::Kind::HeaderCutShort);
        return ReadWithQt(rewritten, "bmp").contents;
    }
    return ReadWithQt(file).contents;
}

PictureFileContents DecodePng(std::span<const std::uint8_t> file)
{
    if (IsDamagedPng(file))
        return RefusedPicture(PictureProblem::Kind::Damaged);
    ReaderOutcome read = ReadWithQt(file);
    // Every chunk was whole and checked; rows that still do not decompress are damage too.
    if (read.invalidData)
        return RefusedPicture(PictureProblem::Kind::Damaged);
    return std::move(read.contents);
}

PictureFileContents DecodeGif(std::span<const std::uint8_t> file)
{
    if (IsDamagedGif(file))
        return RefusedPicture(PictureProblem::Kind::Damaged);
    return ReadWithQt(file).contents;
}

PictureFileContents DecodeIco(std::span<const std::uint8_t> file)
{
    return ReadWithQt(file).contents;
}
