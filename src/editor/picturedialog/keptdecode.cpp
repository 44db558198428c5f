// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/picturedialog/keptdecode.h"

#include <QFileInfo>

FileStamp FileStampOf(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return {};
    return {info.size(), info.lastModified()};
}

bool KeptDecode::matches(const QString &file, const ConversionOptions &choices) const
{
    if (albumImage.isNull() || stamp.size < 0 || choices != options)
        return false;
    // Compared as the file system names them: one file reached by two
    // spellings of its path is still the one that was read.
    if (QFileInfo(file).absoluteFilePath() != QFileInfo(path).absoluteFilePath())
        return false;
    return FileStampOf(file) == stamp;
}
