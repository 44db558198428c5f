#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

class QIODevice;

// Picture types a user can bring into an album, as Qt image format names.
QStringList ImportablePictureFormats();

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
// random-access device is an empty picture.
LoadedPicture LoadPicture(QIODevice &device);

// The 92 x 92 RGB album image of a picture: the whole picture stretched over the
// whole square, nearest-neighbour in both directions (no averaging, so no new
// colours), aspect ratio not kept, onto white so transparent parts and an empty
// picture come out white.
QImage ScaleToAlbumImage(const QImage &picture);
