// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "messages/albumtexts.h"

#include <QLocale>

namespace {

QString englishNumber(qint64 value)
{
    return QLocale(QLocale::English, QLocale::UnitedStates).toString(value);
}

} // namespace

QString ImageLabel(int index)
{
    return QString::asprintf("%3.3d", index);
}

QString AlbumSizeLimitText()
{
    return englishNumber(AlbumSizeLimit);
}

QString CannotOpenMessage(const QString &path, const QString &reason)
{
    QString trimmed = reason;
    while (!trimmed.isEmpty() && (trimmed.back() == QLatin1Char('.') || trimmed.back().unicode() <= 32))
        trimmed.chop(1);
    return QStringLiteral("Cannot open file \"%1\". %2").arg(path, trimmed);
}

QString ImageCount(qint64 count)
{
    return count == 1 ? QStringLiteral("1 image") : QStringLiteral("%1 images").arg(count);
}

QString ImagesReadClause(qsizetype count)
{
    return count == 1 ? QStringLiteral("1 image was read") : QStringLiteral("%1 images were read").arg(count);
}

QString ReadStopReason(AlbumReadStop stop)
{
    switch (stop) {
    case AlbumReadStop::None:
        break;
    case AlbumReadStop::RecordPastEnd:
        return QStringLiteral("a record runs past the end of the file");
    case AlbumReadStop::RecordTooShort:
        return QStringLiteral("a record is too short to hold an image");
    case AlbumReadStop::PayloadTooLarge:
        return QStringLiteral("a record is larger than %1 bytes")
            .arg(englishNumber(static_cast<qint64>(CompressedImageCapacity)));
    case AlbumReadStop::NotDecompressible:
        return QStringLiteral("a record does not decompress");
    case AlbumReadStop::BytesLeftOver:
        return QStringLiteral("bytes are left over after the last image");
    case AlbumReadStop::ImageCap:
        return QStringLiteral("no more than %1 images are read from one file").arg(englishNumber(MaxImagesPerRead));
    }
    return {};
}

QString AlbumWriteFailureReason(const AlbumWriteResult &result)
{
    switch (result.failure) {
    case AlbumWriteFailure::ImageNotAlbumSized:
        return QStringLiteral("Image %1 is not 92 x 92 pixels").arg(ImageLabel(result.failedImage));
    case AlbumWriteFailure::ImageNotCompressible:
        return QStringLiteral("Image %1 cannot be compressed").arg(ImageLabel(result.failedImage));
    case AlbumWriteFailure::FileNotWritten:
    case AlbumWriteFailure::None:
        break;
    }
    return QString::fromStdString(result.errorString);
}

QString WithClosingPeriod(const QString &text)
{
    if (!text.isEmpty() && text.back() > QLatin1Char('.'))
        return text + QLatin1Char('.');
    return text;
}

QString AlbumDamageClause(qsizetype imagesRead, AlbumReadStop stop, std::optional<qint64> offset)
{
    const QString where = offset ? QStringLiteral(", at offset %1").arg(*offset) : QString();
    return QStringLiteral("damaged: %1, and the rest of the file could not be read (%2%3)")
        .arg(ImagesReadClause(imagesRead), ReadStopReason(stop), where);
}

QString AlbumFullClause(const QString &path)
{
    return QStringLiteral("%1 is full (%2 bytes at most)").arg(path, QString::number(AlbumSizeLimit));
}
