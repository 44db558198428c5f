#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

class QTemporaryDir;

#include <cstdint>

// Pictures that bracket what an album holds, from the easiest to compress to
// the hardest. All are 92 x 92 RGB32 and the same for the same seed.
enum class BenchPicture {
    Solid, // one grey: the smallest record, so the most records in a full album
    Photo, // smooth shading with some grain, like a scaled-down photograph
    Noise, // every pixel an independent random colour: the largest record
};

QImage MakeBenchPicture(BenchPicture kind, std::uint32_t seed = 1);

// The name a benchmark shows for `kind`.
const char *BenchPictureName(BenchPicture kind);

// As many pictures of `kind` (different seeds) as the writer can fit under the
// album size limit, plus one that it has to leave out.
QList<QImage> FullAlbumOf(BenchPicture kind);

// Writes `bytes` as a file named `name` in `dir`; returns its path, or an
// empty string when the folder or the file cannot be made.
QString WriteBenchFile(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes);
