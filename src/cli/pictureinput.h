#pragma once

#include "pictureconversion.h"

#include <QImage>
#include <QList>
#include <QStringList>

struct AlbumImages
{
    QList<QImage> images; // one 92 x 92 album image per picture that loaded, in order
    QStringList problems; // "<path>: <reason>" for each picture that did not
};

// Loads each picture and converts it exactly as the editor's add command does
// with the same options. Every picture is tried so that one run names all the
// unreadable ones.
AlbumImages loadAlbumImages(const QStringList &paths, const ConversionOptions &options = {});
