// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// Results go to standard output, one line each; problems go to standard error
// behind the program's name so they stand out in a script's log. Every line is
// flushed at once so the two streams interleave in the order things happened.

void printLine(const QString &line);
void printProblem(const QString &line);

// What the libraries say on their own (Qt's image readers, libpng, libjpeg)
// goes through one handler, so that valbum speaks only its own words: their
// warnings are dropped, as valbum's own checks decide what a picture is worth,
// unless `verbose`, when each is shown as "valbum: FILE: warning: ...".
// Critical messages are always shown.
void installLibraryMessageHandler();
void setVerbose(bool verbose);

// Names the input this thread works on, for the library messages it causes.
class InputInProgress
{
public:
    explicit InputInProgress(const QString &path);
    ~InputInProgress();
    InputInProgress(const InputInProgress &) = delete;
    InputInProgress &operator=(const InputInProgress &) = delete;

private:
    QString m_previous;
};
