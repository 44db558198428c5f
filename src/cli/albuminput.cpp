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

    input.fileSize = contents.fileSize;
    const QString stop = QString::number(contents.stopOffset);
    const QString read = QString::number(contents.images.size());
    switch (contents.stop) {
    case AlbumReadStop::None:
        break;
    case AlbumReadStop::NotDecompressible:
        input.problems.append(
            QStringLiteral("%1: LZO Uncompression error in the record at offset %2; the %3 image(s) before it were read")
                .arg(path, stop, read));
        break;
    case AlbumReadStop::RecordPastEnd:
    case AlbumReadStop::RecordTooShort:
    case AlbumReadStop::PayloadTooLarge:
    case AlbumReadStop::BytesLeftOver:
    case AlbumReadStop::ImageCap:
        input.problems.append(
            QStringLiteral("%1: the %2 byte(s) from offset %3 hold no readable image; the album is truncated or "
                           "damaged, and the %4 image(s) before them were read")
                .arg(path, QString::number(contents.fileSize - contents.stopOffset), stop, read));
        break;
    }
    return input;
}
