// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCommandLineOption>
#include <QMutex>
#include <QString>

#include <chrono>

// --quiet: no progress line.
QCommandLineOption quietOption();

// A total as the plural forms of a ProgressLine's unit are chosen by it.
int ProgressCount(qint64 total);

// How far a long run has come, as one line on standard error updated in
// place: "412/2,000 pictures, 230/s, 7 s left". Shown only while standard
// error is a terminal and --quiet was not given, so logs and pipes get
// exactly what they got without it; cleared when the run's work is done.
class ProgressLine
{
public:
    // `total` things to do, named by `unit` ("pictures read", "images
    // written"), in the spoken language.
    ProgressLine(qint64 total, const QString &unit);
    ~ProgressLine();
    ProgressLine(const ProgressLine &) = delete;
    ProgressLine &operator=(const ProgressLine &) = delete;

    // `done` of the total are done; from any thread. Redrawn at most ten
    // times a second.
    void advance(qint64 done);
    // Takes the line away for good, before the run's own lines.
    void finish();

private:
    qint64 m_total;
    QString m_unit;
    std::chrono::steady_clock::time_point m_start;
    std::chrono::steady_clock::time_point m_drawn;
    bool m_finished = false;
    QMutex m_lock;
};
