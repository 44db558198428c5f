// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/pendingoutputs.h"

#include "cli/outputfiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace {

// Where a save to `path` lands: past its symbolic links, but kept as given
// when the target does not exist yet, so the save creates it.
QString savedPath(const QString &path)
{
    QFileInfo file(path);
    for (int depth = 0; depth < 128 && file.isSymLink(); ++depth)
        file.setFile(file.symLinkTarget());
    return file.isSymLink() ? path : file.filePath();
}

std::filesystem::path nativePath(const QString &path)
{
    // UTF-16 to the path type: the system's own wide names on Windows, its
    // UTF-8 elsewhere, so no name is lost to a local code page.
    return std::filesystem::path(path.toStdU16String());
}

} // namespace

PendingOutputs::~PendingOutputs()
{
    if (m_committed)
        return;
    for (const Output &output : m_outputs)
        QFile::remove(output.temporaryPath);
    // Innermost first: each is empty once what is inside has gone.
    for (auto directory = m_madeDirectories.crbegin(); directory != m_madeDirectories.crend(); ++directory)
        QDir().rmdir(*directory);
}

QString PendingOutputs::reserve(const QString &finalPath, QString &reason)
{
    const QString target = savedPath(finalPath);
    const QFileInfo targetInfo(target);
    // Hidden, and named after the output and this process so that it is
    // clear where a file left by a crash came from. Created exclusively: an
    // existing file of that name is never taken over.
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString temporary = targetInfo.dir().filePath(
            QStringLiteral(".%1.%2-%3.tmp")
                .arg(targetInfo.fileName(), QString::number(QCoreApplication::applicationPid()),
                     QString::number(m_outputs.size() + static_cast<std::size_t>(attempt))));
        QFile file(temporary);
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            m_outputs.push_back({temporary, finalPath, target});
            return temporary;
        }
        if (!file.exists() && !QFileInfo(temporary).isSymLink()) {
            reason = file.errorString();
            return {};
        }
    }
    reason = QStringLiteral("no free temporary name");
    return {};
}

QString PendingOutputs::makeDirectory(const QString &directory)
{
    // Note the folders that are missing before making them, outermost first.
    QStringList missing;
    for (QString folder = QDir::cleanPath(QDir(directory).absolutePath()); !QFileInfo::exists(folder);) {
        missing.prepend(folder);
        const QString parent = QFileInfo(folder).path();
        if (parent == folder)
            break;
        folder = parent;
    }
    if (const QString reason = ::makeDirectory(directory); !reason.isEmpty())
        return reason;
    m_madeDirectories += missing;
    return {};
}

QString PendingOutputs::commit()
{
    std::vector<bool> replaced;
    for (std::size_t index = 0; index < m_outputs.size(); ++index) {
        const Output &output = m_outputs[index];
        // A replaced file keeps its permissions, as it does when saved over.
        const QFileInfo existing(output.targetPath);
        replaced.push_back(existing.exists());
        if (replaced.back())
            QFile::setPermissions(output.temporaryPath, existing.permissions());
        std::error_code error;
        std::filesystem::rename(nativePath(output.temporaryPath), nativePath(output.targetPath), error);
        if (error) {
            const QString problem =
                QStringLiteral("%1: %2").arg(output.finalPath, QString::fromLocal8Bit(error.message()));
            // What this run added goes again. A file it replaced cannot be
            // brought back, so its whole new version stays rather than nothing.
            for (std::size_t renamed = 0; renamed < index; ++renamed)
                if (!replaced[renamed])
                    QFile::remove(m_outputs[renamed].targetPath);
            m_outputs.erase(m_outputs.begin(), m_outputs.begin() + static_cast<std::ptrdiff_t>(index));
            return problem;
        }
    }
    m_committed = true;
    return {};
}
