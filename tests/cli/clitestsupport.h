// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "qtimage/albumbitmap.h"
#include "support/testalbums.h"

#include <QImage>
#include <QList>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdint>

struct ProgramRun
{
    int exitCode = -1;
    QString out;
    QString err;
};

ProgramRun runValbum(const QStringList &arguments, const QString &workingDirectory = {});

QByteArray readFileBytes(const QString &path);
void writeFileBytes(const QString &path, const QByteArray &bytes);

// What the editor's Add command makes of a picture file.
QImage editorAlbumImage(const QString &picturePath);
// The file the editor's save writes for an album of these images and password.
QByteArray editorSavedBytes(const QList<QImage> &images, const QString &passwordText = {});
bool samePixels(const QImage &actual, const QImage &expected);

class CliTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }

    QString path(const QString &name) const { return m_dir.filePath(name); }
    // Saves `picture` in the format the suffix of `name` names.
    QString savePicture(const QString &name, const QImage &picture);
    // A small four-grey GIF: Qt reads GIF but cannot write it.
    QString saveGif(const QString &name);
    // Noisy 92 x 92 pictures hardly compress: about nineteen fill an album.
    QStringList noisyPictures(int count);

    QTemporaryDir m_dir;
};
