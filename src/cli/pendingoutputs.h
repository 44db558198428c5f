// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>

#include <vector>

// The outputs of one run, written as soon as they are ready under temporary
// names beside their final ones and given those names all together at the
// end, so that a run that fails part way leaves nothing of itself behind and
// no file it would have replaced is touched. Only the names are kept, never
// the contents: a run may write any number of files.
class PendingOutputs
{
public:
    PendingOutputs() = default;
    PendingOutputs(const PendingOutputs &) = delete;
    PendingOutputs &operator=(const PendingOutputs &) = delete;
    // Removes every temporary file and every directory made, unless committed.
    ~PendingOutputs();

    // Makes a new, empty temporary file beside where `finalPath` is to be
    // written (beside a symbolic link's target, as a save through the link
    // would) and returns its name, to be written over. On failure returns an
    // empty string and sets `reason`.
    QString reserve(const QString &finalPath, QString &reason);

    // Writes `bytes` to a new temporary file for `finalPath`, as reserve()
    // makes it. Returns the reason on failure, else empty.
    QString write(const QString &finalPath, const QByteArray &bytes);

    // Creates `directory` and its missing parents; they are removed again if
    // the run is not committed. Returns the reason on failure, else empty.
    QString makeDirectory(const QString &directory);

    // Renames every temporary file to its final name, in the order reserved,
    // replacing what is there (keeping its permissions, as a save does). If a
    // rename fails, the files already renamed that were new are removed too
    // (one that replaced a file stays: the old one is gone either way) and the
    // reason comes back as "<final path>: <reason>"; empty on success.
    QString commit();

private:
    // Makes the temporary file for `finalPath` and leaves it open in `file`.
    bool create(const QString &finalPath, QFile &file, QString &reason);

    struct Output
    {
        QString temporaryPath;
        QString finalPath;
        QString targetPath; // the final name past any symbolic links: what is replaced
    };

    std::vector<Output> m_outputs;
    QStringList m_madeDirectories; // outermost first
    bool m_committed = false;
};
