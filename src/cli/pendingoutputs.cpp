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
#include <cstdio>
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

// The system's reason for `errorNumber`, as the other failures give it.
QString systemReason(int errorNumber)
{
    return QString::fromLocal8Bit(std::generic_category().message(errorNumber));
}

// Makes what was written to the file system of each directory durable: one
// sync for many files rather than a wait on the disk for each of them.
bool syncFileSystems(const std::set<QString> &directories)
{
    for (const QString &directory : directories) {
        const DirectoryHandle handle(directory);
        if (handle.descriptor() < 0 || ::syncfs(handle.descriptor()) != 0)
            return false;
    }
    return true;
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

// Waits until the file's bytes are on the disk. A file its writer synced
// already (a save does) costs no more than the call: fdatasync leaves the
// times that changed since alone.
bool syncFile(const QString &path)
{
    const int descriptor = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0)
        return false;
    const bool synced = ::fdatasync(descriptor) == 0;
    const int error = errno;
    ::close(descriptor);
    errno = error;
    return synced;
}

bool renameFile(const QString &from, const QString &to)
{
    return ::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

// A hidden name beside `target` that nothing has, for its old version.
QString freeBackupName(const QFileInfo &target)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString name = target.dir().filePath(
            QStringLiteral(".%1.%2-%3.old")
                .arg(target.fileName(), QString::number(QCoreApplication::applicationPid()), QString::number(attempt)));
        const QFileInfo candidate(name);
        if (!candidate.exists() && !candidate.isSymLink())
            return name;
    }
    return {};
}

} // namespace

PendingOutputs::PendingOutputs(bool replaceExisting)
    : m_replaceExisting(replaceExisting)
{
}

PendingOutputs::~PendingOutputs()
{
    const auto hold = holdOffInterruption();
    if (!m_finished)
        undoCommitted();
    for (std::size_t index = m_committed; index < m_outputs.size(); ++index) {
        QFile::remove(m_outputs[index].temporaryPath);
        forgetOnInterruption(m_outputs[index].temporaryPath);
    }
    // Innermost first: each is empty once what is inside has gone.
    for (auto directory = m_madeDirectories.crbegin(); directory != m_madeDirectories.crend(); ++directory) {
        if (!m_finished)
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
                     QString::number(m_nextNumber++)));
        file.setFileName(temporary);
        const auto hold = holdOffInterruption();
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered)) {
            removeOnInterruption(temporary);
            m_outputs.push_back({temporary, finalPath, target, {}, false});
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

PendingOutputs::Commit PendingOutputs::commit(QString &problem)
{
    if (nameTaken())
        return Commit::NameTaken;
    // The contents are on the disk before any name points at them: one file
    // alone is synced by itself, several with one sync of their file system.
    std::set<QString> unsynced;
    for (std::size_t index = m_committed; index < m_outputs.size(); ++index)
        if (!m_outputs[index].synced)
            unsynced.insert(QFileInfo(m_outputs[index].temporaryPath).absolutePath());
    if (m_outputs.size() - m_committed > 1 && !unsynced.empty()) {
        if (!syncFileSystems(unsynced)) {
            problem = QStringLiteral("%1: %2").arg(m_outputs[m_committed].finalPath, systemReason(errno));
            return Commit::Failed;
        }
        for (std::size_t index = m_committed; index < m_outputs.size(); ++index)
            m_outputs[index].synced = true;
    }
    for (; m_committed < m_outputs.size(); ++m_committed) {
        Output &output = m_outputs[m_committed];
        if (!m_replaceExisting) {
            // A dangling symbolic link counts too: the output would go through it.
            const QFileInfo there(output.finalPath);
            if (there.exists() || there.isSymLink()) {
                m_takenName = output.finalPath;
                undoCommitted();
                return Commit::NameTaken;
            }
        }
        if (const QString reason = commitOne(output); !reason.isEmpty()) {
            problem = QStringLiteral("%1: %2").arg(output.finalPath, reason);
            return Commit::Failed;
        }
    }
    return Commit::Done;
}

QString PendingOutputs::commitOne(Output &output)
{
    if (!output.synced) {
        if (!syncFile(output.temporaryPath))
            return systemReason(errno);
        output.synced = true;
    }

    // An interruption waits until the output has its name and is noted, so
    // that it finds either the old state or one it can undo.
    const auto hold = holdOffInterruption();
    const QFileInfo existing(output.targetPath);
    if (!existing.exists()) {
        if (!renameFile(output.temporaryPath, output.targetPath))
            return systemReason(errno);
        forgetOnInterruption(output.temporaryPath);
        undoOnInterruption(output.targetPath, {});
        return {};
    }
    // A directory of that name is no output of ours to replace; swapping it
    // away would succeed and hide it.
    if (existing.isDir())
        return systemReason(EISDIR);

    // A replaced file keeps its permissions, as it does when saved over.
    QFile::setPermissions(output.temporaryPath, existing.permissions());
    const QByteArray temporaryName = QFile::encodeName(output.temporaryPath);
    const QByteArray targetName = QFile::encodeName(output.targetPath);
    // Swapped in one step where the file system can: the name never goes
    // missing, and the old version lands under the temporary name, its backup.
    if (::renameat2(AT_FDCWD, temporaryName.constData(), AT_FDCWD, targetName.constData(), RENAME_EXCHANGE) == 0) {
        output.backupPath = output.temporaryPath;
    } else if (errno == EINVAL || errno == ENOSYS || errno == EOPNOTSUPP || errno == ENOTSUP) {
        // Elsewhere (FAT memory cards among them) the old version is moved
        // aside first; the name is missing only between the two renames.
        const QString backup = freeBackupName(existing);
        if (backup.isEmpty())
            return Valbum::tr("no free name for the old version");
        if (!renameFile(output.targetPath, backup))
            return systemReason(errno);
        if (!renameFile(output.temporaryPath, output.targetPath)) {
            const int error = errno;
            if (!renameFile(backup, output.targetPath))
                return Valbum::tr("%1; its old version is %2").arg(systemReason(error), backup);
            return systemReason(error);
        }
        output.backupPath = backup;
    } else {
        return systemReason(errno);
    }
    forgetOnInterruption(output.temporaryPath);
    undoOnInterruption(output.targetPath, output.backupPath);
    return {};
}

void PendingOutputs::undoCommitted()
{
    const auto hold = holdOffInterruption();
    // Newest first: two outputs may name one file through symbolic links,
    // and each backup holds what the one before it left.
    for (std::size_t index = m_committed; index-- > 0;) {
        const Output &output = m_outputs[index];
        if (output.backupPath.isEmpty())
            QFile::remove(output.targetPath);
        else
            renameFile(output.backupPath, output.targetPath);
        forgetUndoOnInterruption(output.targetPath);
    }
    m_outputs.erase(m_outputs.begin(), m_outputs.begin() + static_cast<std::ptrdiff_t>(m_committed));
    m_committed = 0;
}

void PendingOutputs::finish()
{
    const auto hold = holdOffInterruption();
    std::set<QString> directories;
    // Newest first, as they were noted for an interruption.
    for (std::size_t index = m_committed; index-- > 0;) {
        const Output &output = m_outputs[index];
        forgetUndoOnInterruption(output.targetPath);
        if (!output.backupPath.isEmpty())
            QFile::remove(output.backupPath);
        directories.insert(QFileInfo(output.targetPath).absolutePath());
    }
    m_finished = true;
    for (const QString &directory : std::as_const(m_madeDirectories))
        forgetOnInterruption(directory);
    // Once for each directory, not once for each name in it.
    syncDirectories(directories);
}
