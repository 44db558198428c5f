// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture/picturefile.h"

#include "picture/bitmapheader.h"
#include "picture/jpegcheckeddecode.h"
#include "picture/librarydecoders.h"
#include "picture/picturebytes.h"
#include "picture/picturedamage.h"
#include "picture/picturesignature.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QTransform>

#include <optional>

namespace {

PictureFileContents Failure(PictureProblem::Kind kind, const QString &detail = {}, QSize size = {})
{
    PictureFileContents result;
    result.problem = {kind, detail, size};
    return result;
}

// Four bytes a pixel, as the readers decode into, with room to spare.
constexpr int AllocationLimitMegabytes = static_cast<int>(MaxPicturePixels * 4 / (1024 * 1024)) + 64;

bool IsTooLarge(QSize size)
{
    return size.isValid() && qint64(size.width()) * size.height() > MaxPicturePixels;
}

PictureFileContents Read(QImageReader &reader, const DecodeReduction &reduction = {})
{
    // Qt's own allocation limit (128 MB) refuses a 48-megapixel photo with a
    // bare "Unable to read image data"; ours is larger, and says why.
    const QSize size = reader.size();
    if (IsTooLarge(size))
        return Failure(PictureProblem::Kind::TooLarge, {}, size);
    reader.setAllocationLimit(AllocationLimitMegabytes);
    if (reduction && size.isValid()) {
        if (const int scale = reduction(size); scale == 2 || scale == 4 || scale == 8) {
            // Asked for exactly 1/2, 1/4 or 1/8 the JPEG decoder scales in its
            // transform and nothing is scaled afterwards.
            reader.setQuality(100);
            reader.setScaledSize(QSize(size.width() / scale, size.height() / scale));
        }
    }

    PictureFileContents result;
    result.picture = reader.read();
    if (result.picture.isNull())
        return Failure(PictureProblem::Kind::Unreadable, reader.errorString());
    // A bitmap's pixels may name colours past the end of its palette, and Qt
    // reads its colour table unchecked when it draws or converts them: past
    // the end of the table, which can crash. Such colours show as black, as
    // bitmap viewers show them.
    if (result.picture.format() == QImage::Format_Indexed8 && result.picture.colorCount() < 256) {
        QList<QRgb> colours = result.picture.colorTable();
        colours.resize(256, qRgb(0, 0, 0));
        result.picture.setColorTable(colours);
    }
    result.ok = true;
    return result;
}

} // namespace

QImage OrientedPicture(QImage picture, QImageIOHandler::Transformations transformation)
{
    if (transformation == QImageIOHandler::TransformationRotate270)
        return picture.transformed(QTransform().rotate(270));
    picture = std::move(picture).mirrored(transformation.testFlag(QImageIOHandler::TransformationMirror),
                                          transformation.testFlag(QImageIOHandler::TransformationFlip));
    if (transformation.testFlag(QImageIOHandler::TransformationRotate90))
        picture = picture.transformed(QTransform().rotate(90));
    return picture;
}

namespace {

// A JPEG is decoded once, by libjpeg, and that decode is its damage check
// too: a whole-file check before the reader's decode would cost as much
// again. Reduced when `reduction` asks for it. Nothing when it takes the
// reader's path (a colour model the reader converts itself). Libjpeg reads
// the header before the reader does, so a kind of JPEG it cannot decode is
// refused with its name and never handed to the reader.
std::optional<PictureFileContents> ReadCheckedJpeg(QImageReader &reader, QByteArrayView file,
                                                   const DecodeReduction &reduction)
{
    CheckedJpeg decoded = DecodeCheckedJpeg(file, [&reduction](QSize size) {
        if (IsTooLarge(size))
            return 0;
        return reduction ? reduction(size) : 1;
    });
    switch (decoded.outcome) {
    case CheckedJpeg::Outcome::NotHandled:
        if (IsTooLarge(decoded.size))
            return Failure(PictureProblem::Kind::TooLarge, {}, decoded.size);
        return std::nullopt;
    case CheckedJpeg::Outcome::Damaged:
        return Failure(PictureProblem::Kind::Damaged);
    case CheckedJpeg::Outcome::Unsupported: {
        PictureFileContents refused = Failure(PictureProblem::Kind::UnsupportedJpeg);
        refused.problem.jpegKind = decoded.unsupported;
        return refused;
    }
    case CheckedJpeg::Outcome::Decoded:
        break;
    }
    PictureFileContents result;
    result.ok = true;
    result.picture = OrientedPicture(std::move(decoded.picture), reader.transformation());
    return result;
}

} // namespace

QStringList ImportablePictureFormats()
{
    return {QStringLiteral("bmp"), QStringLiteral("png"), QStringLiteral("jpeg"), QStringLiteral("gif"),
            QStringLiteral("ico")};
}

QString ReadPictureTypesText()
{
    return QStringLiteral("BMP, PNG, JPEG, GIF, ICO, WebP, TIFF, HEIC/HEIF and AVIF");
}

PictureFileContents ReadPictureFile(const QString &path, const DecodeReduction &reduction)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Failure(PictureProblem::Kind::CannotOpen, file.errorString());
    return ReadPictureFile(file, reduction);
}

PictureFileContents ReadPictureFile(QIODevice &device, const DecodeReduction &reduction)
{
    const PictureBytes read = ReadPictureBytes(device);
    switch (read.outcome) {
    case PictureBytes::Outcome::Read:
        break;
    case PictureBytes::Outcome::TooLarge:
        return Failure(PictureProblem::Kind::TooLarge);
    case PictureBytes::Outcome::Failed:
        return Failure(PictureProblem::Kind::CannotOpen, read.error);
    }
    return ReadPictureBytes(read.bytes, reduction);
}

PictureFileContents ReadPictureBytes(const QByteArray &file, const DecodeReduction &reduction)
{
    // An empty file is a picture whose every byte is missing: taking it as a
    // white square would report a failed copy or download as a success.
    if (file.isEmpty())
        return Failure(PictureProblem::Kind::Empty);

    switch (LibraryPictureTypeOf(file)) {
    case LibraryPictureType::Heif:
        return DecodeHeif(file);
    case LibraryPictureType::WebP:
        return DecodeWebP(file);
    case LibraryPictureType::Tiff:
        return DecodeTiff(file);
    case LibraryPictureType::None:
        break;
    }

    // What the file holds decides, not its name: a picture of another type
    // renamed to ".bmp" is still refused, and a PNG renamed to ".bmp" is still read.
    QBuffer device;
    device.setData(file); // shared, not copied
    device.open(QIODevice::ReadOnly);
    QImageReader reader(&device);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    const QByteArray format = reader.format().toLower();
    if (format.isEmpty() || !ImportablePictureFormats().contains(QString::fromLatin1(format)))
        return Failure(PictureProblem::Kind::UnsupportedFormat, DescribeUnreadFile(file));
    if (format == "jpeg") {
        if (std::optional<PictureFileContents> decoded = ReadCheckedJpeg(reader, file, reduction))
            return *std::move(decoded);
    }
    // The readers fill in what is missing or undecodable; a damaged file is refused instead.
    if (IsDamagedPicture(format, file))
        return Failure(PictureProblem::Kind::Damaged);

    if (format == "bmp" && HasMaskInfoHeader(device)) {
        QByteArray rewritten = WithLongerInfoHeader(device.readAll());
        if (rewritten.isEmpty())
            return Failure(PictureProblem::Kind::HeaderCutShort);
        QBuffer buffer(&rewritten);
        buffer.open(QIODevice::ReadOnly);
        QImageReader bitmapReader(&buffer, "bmp");
        return Read(bitmapReader);
    }
    PictureFileContents loaded = Read(reader, format == "jpeg" ? reduction : DecodeReduction());
    // Every chunk was whole and checked; rows that still do not decompress are damage too.
    if (!loaded.ok && format == "png" && reader.error() == QImageReader::InvalidDataError)
        return Failure(PictureProblem::Kind::Damaged);
    return loaded;
}
