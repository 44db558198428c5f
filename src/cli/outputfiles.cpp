// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/outputfiles.h"

#include "cli/console.h"
#include "cli/valbumtexts.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImageWriter>

#include <filesystem>
#include <system_error>

bool refuseToOverwrite(const QStringList &paths, bool force)
{
    if (force)
        return false;
    QStringList existing;
    for (const QString &path : paths) {
        // A dangling symbolic link counts too: writing would go through it.
        const QFileInfo info(path);
        if (info.exists() || info.isSymLink())
            existing.append(path);
    }
    if (existing.isEmpty())
        return false;
    reportExisting(existing);
    return true;
}

void reportExisting(const QStringList &paths)
{
    for (const QString &path : paths)
        printProblem(Valbum::tr("%1 exists; use --force to replace it.").arg(path));
    printProblem(Valbum::tr("nothing was written."));
}

QByteArray encodePicture(const QImage &image, const char *format, QString &reason)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (!writer.write(image)) {
        reason = writer.errorString();
        return {};
    }
    return bytes;
}

QString makeDirectory(const QString &directory)
{
    const QFileInfo info(directory);
    if (info.isDir())
        return {};
    if (info.exists())
        return Valbum::tr("it exists and is not a directory");
    // The system's reason, as for a file that cannot be written: a folder
    // of someone else's, a read-only disk, a file in the way higher up.
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(directory.toStdU16String()), error);
    if (error)
        return Valbum::tr("the directory cannot be created: %1")
            .arg(QString::fromLocal8Bit(std::generic_category().message(error.value())));
    return {};
}
