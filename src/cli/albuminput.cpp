#include "albuminput.h"

namespace {

// "Cannot open file "<path>". <reason>." with the reason's own closing
// periods and blanks replaced by one period.
QString cannotOpen(const QString &path, const QString &reason)
{
    QString trimmed = reason;
    while (!trimmed.isEmpty() && (trimmed.back() == QLatin1Char('.') || trimmed.back().unicode() <= 32))
        trimmed.chop(1);
    QString line = QStringLiteral("Cannot open file \"%1\". %2").arg(path, trimmed);
    if (line.back() > QLatin1Char('.'))
        line += QLatin1Char('.');
    return line;
}

} // namespace

AlbumInput readAlbumInput(const QString &path)
{
    AlbumInput input;
    input.path = path;
    input.contents = ReadAlbumFile(path);
    const AlbumFileContents &contents = input.contents;

    switch (contents.outcome) {
    case AlbumReadOutcome::OpenFailed:
        input.problems.append(cannotOpen(path, contents.errorString));
        return input;
    case AlbumReadOutcome::NotAnAlbum:
        input.problems.append(QStringLiteral("%1: This file is not a Vemo ZidarUzura").arg(path));
        return input;
    case AlbumReadOutcome::Read:
        break;
    }

    if (!contents.whole()) {
        const qsizetype read = contents.images.size();
        const QString count =
            read == 1 ? QStringLiteral("1 image was read") : QStringLiteral("%1 images were read").arg(read);
        input.problems.append(
            QStringLiteral(
                "%1: the album is damaged: %2, and the rest of the file could not be read (%3, at offset %4).")
                .arg(path, count, ReadStopReason(contents.stop), QString::number(contents.stopOffset)));
    }
    return input;
}
