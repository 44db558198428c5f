#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

#include <functional>

class QIODevice;

// Picture types a user can bring into an album, as Qt image format names.
QStringList ImportablePictureFormats();

// The largest picture brought in, in pixels: a 100-megapixel camera's and
// more, with the decoded picture's memory bounded all the same.
inline constexpr qint64 MaxPicturePixels = 120'000'000;

// How many times smaller (1, 2, 4 or 8) a JPEG of the given full size may be
// decoded: the decoder then averages as it shrinks and does far less work.
using DecodeReduction = std::function<int(QSize fullSize)>;

struct LoadedPicture
{
    bool ok = false;
    QImage picture;      // null for an empty file
    QString errorString; // the reader's reason when !ok
};

// Loads a picture file (BMP, PNG, JPEG, GIF or ICO), whatever its name says:
// its contents decide the type. A zero-byte file loads as an empty picture.
// Any other type is refused with "Unsupported image format"; a file that cannot
// be opened, with the system's reason; a damaged one (see IsDamagedPicture),
// with DamagedPictureReason().
LoadedPicture LoadPicture(const QString &path);

// The same from an open device, read from its current position: an empty
// random-access device is an empty picture. A picture of more than
// MaxPicturePixels is refused as too large, naming its size. With a
// `reduction`, a JPEG may arrive decoded at a reduced size.
LoadedPicture LoadPicture(QIODevice &device, const DecodeReduction &reduction = {});

// LoadPicture(path) with a decode reduction.
LoadedPicture LoadPicture(const QString &path, const DecodeReduction &reduction);

// The 92 x 92 RGB album image of a picture: the whole picture stretched over the
// whole square, nearest-neighbour in both directions (no averaging, so no new
// colours), aspect ratio not kept, onto white so transparent parts and an empty
// picture come out white.
QImage ScaleToAlbumImage(const QImage &picture);
