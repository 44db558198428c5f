// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <mutex>

// A run stopped by Ctrl-C (SIGINT), SIGTERM or SIGHUP undoes what it did, as
// a failed run does: the outputs it gave their final names go again (a file
// it replaced comes back from its backup), then its temporary files and the
// directories it made are removed. It exits with 128 + the signal's number.
// Once the run has kept its outputs (PendingOutputs::finish), they stay.
//
// The signals are taken by a thread of their own rather than by a handler, so
// that the clean-up may take a lock: the run holds it while it makes, writes
// or renames a file, and the clean-up waits for that step to end.
class InterruptionWatch
{
public:
    // Must be made before any other thread starts: the threads inherit the
    // blocked signals, so that only the watch receives them.
    InterruptionWatch();
    // Later signals end the program with no clean-up: nothing is pending then.
    ~InterruptionWatch();
    InterruptionWatch(const InterruptionWatch &) = delete;
    InterruptionWatch &operator=(const InterruptionWatch &) = delete;
};

// Held while a file is made, written or renamed and noted below; an
// interruption waits for it. The same thread may hold it more than once.
std::unique_lock<std::recursive_mutex> holdOffInterruption();

// What an interruption removes: a temporary file, or a directory made by the
// run (removed after the files, innermost first, and only when empty).
void removeOnInterruption(const QString &path);
void removeDirectoryOnInterruption(const QString &directory);
// The file or directory has been renamed or removed by the run itself.
void forgetOnInterruption(const QString &path);

// An output that has its final name at `target`: an interruption renames
// `backup` (what the output replaced) back to `target`, or removes `target`
// when `backup` is empty. These are undone newest first, before the files
// and directories above are removed.
void undoOnInterruption(const QString &target, const QString &backup);
// The newest output noted above for `target` has been undone, or kept for good.
void forgetUndoOnInterruption(const QString &target);
