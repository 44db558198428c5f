#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

// Picture types a user can bring into an album, as Qt image format names.
QStringList ImportablePictureFormats();

struct LoadedPicture
{
    bool ok = false;
    QImage picture;      // null for an empty file
    QString errorString; // the reader's reason when !ok
};

// Loads a picture file (BMP, PNG, JPEG, GIF or ICO). A zero-byte file loads as
// an empty picture.
LoadedPicture LoadPicture(const QString &path);

// The 92 x 92 RGB album image of a picture: the whole picture stretched over the
// whole square, nearest-neighbour in both directions (no averaging, so no new
// colours), aspect ratio not kept, onto white so transparent parts and an empty
// picture come out white.
QImage ScaleToAlbumImage(const QImage &picture);
