// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/pendingoutputs.h"

#include "cli/interruption.h"
#include "cli/outputfiles.h"
#include "cli/valbumtexts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <set>
#include <system_error>

#include <fcntl.h>
#include <unistd.h>

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

// An open directory, closed when it goes.
class DirectoryHandle
{
public:
    explicit DirectoryHandle(const QString &path)
        : m_descriptor(::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC))
    {
    }
    ~DirectoryHandle()
    {
        if (m_descriptor >= 0)
            ::close(m_descriptor);
    }
    DirectoryHandle(const DirectoryHandle &) = delete;
    DirectoryHandle &operator=(const DirectoryHandle &) = delete;
    int descriptor() const { return m_descriptor; }

private:
    int m_descriptor;
};

// Makes what was written to the file system of each directory durable: one
// sync for all the files rather than a wait on the disk for each of them.
QString syncFileSystems(const std::set<QString> &directories)
{
    for (const QString &directory : directories) {
        const DirectoryHandle handle(directory);
        if (handle.descriptor() < 0 || ::syncfs(handle.descriptor()) != 0)
            return QStringLiteral("%1: %2").arg(directory, qt_error_string(errno));
    }
    return {};
}

// Makes the new names in each directory durable. A failure here loses no
// file that was there before, so it is not reported.
void syncDirectories(const std::set<QString> &directories)
{
    for (const QString &directory : directories) {
        const DirectoryHandle handle(directory);
        if (handle.descriptor() >= 0)
            ::fsync(handle.descriptor());
    }
}

} // namespace

PendingOutputs::~PendingOutputs()
{
    const auto hold = holdOffInterruption();
    if (!m_committed)
        for (const Output &output : m_outputs)
            QFile::remove(output.temporaryPath);
    for (const Output &output : m_outputs)
        forgetOnInterruption(output.temporaryPath);
    // Innermost first: each is empty once what is inside has gone.
    for (auto directory = m_madeDirectories.crbegin(); directory != m_madeDirectories.crend(); ++directory) {
        if (!m_committed)
            QDir().rmdir(*directory);
        forgetOnInterruption(*directory);
    }
}

QString PendingOutputs::reserve(const QString &finalPath, QString &reason)
{
    QFile file;
    return create(finalPath, file, reason) ? file.fileName() : QString();
}

QString PendingOutputs::write(const QString &finalPath, const QByteArray &bytes)
{
    // Created and written through one handle: opening each file twice
    // doubles the time a folder of thousands of images takes.
    QFile file;
    QString reason;
    if (!create(finalPath, file, reason))
        return reason;
    if (file.write(bytes) != bytes.size())
        return file.errorString();
    file.close();
    return file.error() == QFileDevice::NoError ? QString() : file.errorString();
}

bool PendingOutputs::create(const QString &finalPath, QFile &file, QString &reason)
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
        file.setFileName(temporary);
        const auto hold = holdOffInterruption();
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered)) {
            removeOnInterruption(temporary);
            m_outputs.push_back({temporary, finalPath, target});
            return true;
        }
        if (!file.exists() && !QFileInfo(temporary).isSymLink()) {
            reason = file.errorString();
            return false;
        }
    }
    reason = Valbum::tr("no free temporary name");
    return false;
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
    const auto hold = holdOffInterruption();
    for (const QString &folder : missing)
        removeDirectoryOnInterruption(folder);
    m_madeDirectories += missing;
    return ::makeDirectory(directory);
}

QString PendingOutputs::commit()
{
    std::set<QString> temporaryDirectories;
    std::set<QString> finalDirectories;
    for (const Output &output : m_outputs) {
        temporaryDirectories.insert(QFileInfo(output.temporaryPath).absolutePath());
        finalDirectories.insert(QFileInfo(output.targetPath).absolutePath());
    }
    // The contents are on the disk before any name points at them.
    if (const QString problem = syncFileSystems(temporaryDirectories); !problem.isEmpty())
        return problem;

    // An interruption waits until every name is given, or none is.
    const auto hold = holdOffInterruption();

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
            for (std::size_t renamed = 0; renamed < index; ++renamed)
                forgetOnInterruption(m_outputs[renamed].temporaryPath);
            m_outputs.erase(m_outputs.begin(), m_outputs.begin() + static_cast<std::ptrdiff_t>(index));
            return problem;
        }
    }
    syncDirectories(finalDirectories);
    m_committed = true;
    for (const Output &output : m_outputs)
        forgetOnInterruption(output.temporaryPath);
    for (const QString &directory : std::as_const(m_madeDirectories))
        forgetOnInterruption(directory);
    return {};
}
