#include "picture/picturedamage.h"

#include "picture/picturedamagecheckers.h"

QString DamagedPictureReason()
{
    return QStringLiteral("The file is damaged or incomplete.");
}

bool IsDamagedPicture(const QByteArray &format, QByteArrayView file)
{
    if (format == "jpeg")
        return IsDamagedJpeg(file);
    if (format == "png")
        return IsDamagedPng(file);
    if (format == "bmp")
        return IsDamagedBitmap(file);
    if (format == "gif")
        return IsDamagedGif(file);
    return false;
}
