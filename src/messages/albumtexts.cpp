// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "messages/albumtexts.h"

#include "language/textlocale.h"
#include "messages/sharedmessages.h"

QString ImageLabel(int index)
{
    return QString::asprintf("%3.3d", index);
}

QString AlbumSizeLimitText()
{
    return LocaleNumber(AlbumSizeLimit);
}

QString NotAnAlbumMessage()
{
    //: The device's name stays as it is.
    return SharedMessages::tr("This file is not a Vemo ZidarUzura");
}

QString CannotOpenMessage(const QString &path, const QString &reason)
{
    QString trimmed = reason;
    while (!trimmed.isEmpty() && (trimmed.back() == QLatin1Char('.') || trimmed.back().unicode() <= 32))
        trimmed.chop(1);
    return SharedMessages::tr("Cannot open file \"%1\". %2").arg(path, trimmed);
}

QString ImageCount(qint64 count)
{
    return count == 1 ? QStringLiteral("1 image") : QStringLiteral("%1 images").arg(count);
}

QString ImagesReadClause(qsizetype count)
{
    return SharedMessages::tr("%n image(s) were read", nullptr, int(count));
}

QString ReadStopReason(AlbumReadStop stop)
{
    switch (stop) {
    case AlbumReadStop::None:
        break;
    case AlbumReadStop::RecordPastEnd:
        return SharedMessages::tr("a record runs past the end of the file");
    case AlbumReadStop::RecordTooShort:
        return SharedMessages::tr("a record is too short to hold an image");
    case AlbumReadStop::PayloadTooLarge:
        return SharedMessages::tr("a record is larger than %1 bytes")
            .arg(LocaleNumber(static_cast<qint64>(CompressedImageCapacity)));
    case AlbumReadStop::NotDecompressible:
        return SharedMessages::tr("a record does not decompress");
    case AlbumReadStop::BytesLeftOver:
        return SharedMessages::tr("bytes are left over after the last image");
    case AlbumReadStop::ImageCap:
        return SharedMessages::tr("no more than %1 images are read from one file").arg(LocaleNumber(MaxImagesPerRead));
    }
    return {};
}

QString AlbumWriteFailureReason(const AlbumWriteResult &result)
{
    switch (result.failure) {
    case AlbumWriteFailure::ImageNotAlbumSized:
        return SharedMessages::tr("Image %1 is not 92 x 92 pixels").arg(ImageLabel(result.failedImage));
    case AlbumWriteFailure::ImageNotCompressible:
        return SharedMessages::tr("Image %1 cannot be compressed").arg(ImageLabel(result.failedImage));
    case AlbumWriteFailure::FileNotWritten:
    case AlbumWriteFailure::None:
        break;
    }
    return QString::fromStdString(result.errorString);
}

QString WithClosingPeriod(const QString &text)
{
    //: The full stop a message box's sentence ends with.
    const QString period = SharedMessages::tr(".");
    if (!text.isEmpty() && text.back() > QLatin1Char('.') && !text.endsWith(period))
        return text + period;
    return text;
}

QString AlbumDamageClause(qsizetype imagesRead, AlbumReadStop stop, std::optional<qint64> offset)
{
    //: Follows the reason a damaged album stops, inside its brackets.
    const QString where = offset ? SharedMessages::tr(", at offset %1").arg(*offset) : QString();
    //: %1 is "3 images were read", %2 the reason, %3 ", at offset N" or nothing.
    return SharedMessages::tr("damaged: %1, and the rest of the file could not be read (%2%3)")
        .arg(ImagesReadClause(imagesRead), ReadStopReason(stop), where);
}

QString AlbumFullClause(const QString &path)
{
    return SharedMessages::tr("%1 is full (%2 bytes at most)").arg(path, QString::number(AlbumSizeLimit));
}
