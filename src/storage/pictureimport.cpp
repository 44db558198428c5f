#include "pictureimport.h"

#include "pixelcodec.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

QStringList ImportablePictureFormats()
{
    return {QStringLiteral("bmp"), QStringLiteral("png"), QStringLiteral("jpeg"), QStringLiteral("gif"),
            QStringLiteral("ico")};
}

LoadedPicture LoadPicture(const QString &path)
{
    LoadedPicture result;
    const QFileInfo info(path);
    // The image reader fails on an empty file; it is an empty picture.
    if (info.isFile() && info.size() == 0) {
        result.ok = true;
        return result;
    }

    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QByteArray format = reader.format().toLower();
    if (!format.isEmpty() && !ImportablePictureFormats().contains(QString::fromLatin1(format))) {
        result.errorString = QStringLiteral("Unsupported image format");
        return result;
    }
    result.picture = reader.read();
    if (result.picture.isNull()) {
        result.errorString = reader.errorString();
        return result;
    }
    result.ok = true;
    return result;
}

QImage ScaleToAlbumImage(const QImage &picture)
{
    QImage albumImage(AlbumImageSide, AlbumImageSide, QImage::Format_RGB32);
    albumImage.fill(Qt::white);
    if (picture.isNull())
        return albumImage;
    // Without SmoothPixmapTransform the painter samples the nearest source pixel.
    QPainter painter(&albumImage);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(QRect(0, 0, AlbumImageSide, AlbumImageSide), picture);
    return albumImage;
}
