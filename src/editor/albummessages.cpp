#include "albummessages.h"

EditorMessage ReadMessage(const QString &path, const AlbumFileContents &contents)
{
    if (contents.outcome == AlbumReadOutcome::NotAnAlbum)
        return {QMessageBox::Critical, NotAnAlbumCaption, NotAnAlbumMessage};
    if (contents.outcome != AlbumReadOutcome::Read || contents.whole())
        return {};
    // The images before the damage are kept, so the user must know that the
    // next save drops whatever the file held after them.
    const qsizetype read = contents.images.size();
    const QString count =
        read == 1 ? QStringLiteral("1 image was read") : QStringLiteral("%1 images were read").arg(read);
    return {QMessageBox::Warning, AlbumEditorCaption,
            QStringLiteral("The album \"%1\" is damaged: %2, and the rest of the file could not be read (%3). "
                           "Saving writes only the images shown.")
                .arg(path, count, ReadStopReason(contents.stop))};
}

QString WriteFailureReason(const AlbumWriteResult &result)
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
    return result.errorString;
}

QString WithClosingPeriod(const QString &text)
{
    if (!text.isEmpty() && text.back() > QLatin1Char('.'))
        return text + QLatin1Char('.');
    return text;
}

QString CannotOpenMessage(const QString &path, const QString &reason)
{
    QString trimmed = reason;
    while (!trimmed.isEmpty() && (trimmed.back() == QLatin1Char('.') || trimmed.back().unicode() <= 32))
        trimmed.chop(1);
    return QStringLiteral("Cannot open file \"%1\". %2").arg(path, trimmed);
}
