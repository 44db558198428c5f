// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <vector>

// The outputs of one run, all kept or none. Each is written under a temporary
// name beside its final one and given that name (commit()) as soon as it is
// whole, so that its line can be printed at once and a script may act on the
// file while the run goes on. A file an output replaces is kept under a
// hidden backup name until the run is done (finish()); a run that fails or
// is interrupted before that undoes every output it committed, newest first:
// new files go, replaced ones come back with their bytes and permissions, and
// the directories it made are removed. Only the names are kept, never the
// contents: a run may write any number of files.
class PendingOutputs
{
public:
    // `replaceExisting` (--force): whether an output may take the name of a
    // file that is there.
    explicit PendingOutputs(bool replaceExisting);
    PendingOutputs(const PendingOutputs &) = delete;
    PendingOutputs &operator=(const PendingOutputs &) = delete;
    // Unless finished: undoes every commit and removes every temporary file
    // and every directory made.
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
    // the run is not finished. Returns the reason on failure, else empty.
    QString makeDirectory(const QString &directory);

    enum class Commit {
        Done,      // every output written so far has its final name
        NameTaken, // a final name exists and replacing was not allowed
        Failed,    // `problem` says why
    };
    // Gives each output written since the last call its final name, in the
    // order reserved, once its bytes are on the disk (a wait on the disk for
    // each call, whatever the number of outputs: a caller writing many in a
    // quick loop commits them a few at a time); a file there is
    // replaced keeping its permissions, as a save does, and its old version
    // stays under a backup name. On a taken name every commit so far is
    // undone and none is made from then on, so that the run can name the
    // taken files and stop as a refused run does; on failure the output
    // stays under its temporary name and `problem` is "<final path>: <reason>".
    Commit commit(QString &problem);
    // Whether a commit met a taken name.
    bool nameTaken() const { return !m_takenName.isEmpty(); }
    const QString &takenName() const { return m_takenName; }

    // The run is done: every committed output stays for good, the backups
    // are removed and the new names made durable.
    void finish();

private:
    struct Output
    {
        QString temporaryPath;
        QString finalPath;
        QString targetPath; // the final name past any symbolic links: what is replaced
        QString backupPath; // once committed over a file: its old version; else empty
        bool synced = false;
    };

    // Makes the temporary file for `finalPath` and leaves it open in `file`.
    bool create(const QString &finalPath, QFile &file, QString &reason);
    // Gives one output its final name; returns the reason on failure.
    QString commitOne(Output &output);
    // Takes every committed output back, newest first.
    void undoCommitted();

    bool m_replaceExisting;
    std::vector<Output> m_outputs;
    std::size_t m_committed = 0;   // the first outputs, in order, have their final names
    std::size_t m_nextNumber = 0;  // of the next temporary name: never one the run used
    QStringList m_madeDirectories; // outermost first
    QString m_takenName;
    bool m_finished = false;
};
