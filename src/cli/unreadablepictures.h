// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCommandLineOption>
#include <QString>
#include <QStringList>

// --skip-unreadable, for create and preview.
QCommandLineOption skipUnreadableOption();

// The pictures of a run that could not be read. By default one of them stops
// the run before anything is written; with --skip-unreadable they are left
// out, named, and counted, and the rest are written.
class UnreadablePictures
{
public:
    explicit UnreadablePictures(bool skip)
        : m_skip(skip)
    {
    }

    // "<path>: <reason>"
    void add(const QString &problem) { m_problems.append(problem); }
    // Whether the run writes nothing more: one was found and is not skipped.
    bool stopRun() const { return !m_skip && !m_problems.isEmpty(); }
    // When the run stops, names each picture and says that nothing was
    // written; returns true then.
    bool refuse() const;
    // Names each picture left out and says how many; nothing when none was.
    void reportSkipped() const;
    // `status` once any pictures were left out: ImagesLeftOut where the run
    // would otherwise be done.
    int exitStatus(int status) const;

private:
    bool m_skip;
    QStringList m_problems;
};
