#include "albuminput.h"

#include <QFileInfo>

namespace {

// Where the reader stopped: the end of the last record it decoded.
qint64 endOfRecords(const AlbumFileContents &contents)
{
    if (contents.records.empty())
        return AlbumHeaderSize;
    const AlbumRecord &last = contents.records.back();
    return last.offset + RecordHeaderSize + last.payloadSize;
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
        // The message names the file already.
        input.problems.append(WithClosingPeriod(contents.message));
        return input;
    case AlbumReadOutcome::NotAnAlbum:
        input.problems.append(QStringLiteral("%1: %2").arg(path, contents.message));
        return input;
    case AlbumReadOutcome::Read:
        break;
    }

    input.fileSize = QFileInfo(path).size();
    const qint64 stop = endOfRecords(contents);
    if (contents.decompressionFailed) {
        input.problems.append(
            QStringLiteral("%1: %2 in the record at offset %3; the %4 image(s) before it were read")
                .arg(path, contents.message, QString::number(stop), QString::number(contents.images.size())));
    } else if (stop < input.fileSize) {
        input.problems.append(
            QStringLiteral("%1: the %2 byte(s) from offset %3 hold no readable image; the album is truncated or "
                           "damaged, and the %4 image(s) before them were read")
                .arg(path, QString::number(input.fileSize - stop), QString::number(stop),
                     QString::number(contents.images.size())));
    }
    return input;
}
