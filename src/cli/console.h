// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <string>
#include <vector>

// Results go to standard output, one line each; problems go to standard error
// behind the program's name so they stand out in a script's log. Every line is
// flushed at once so the two streams interleave in the order things happened.

void printLine(const QString &line);
void printProblem(const QString &line);

// The progress line (see ProgressLine): drawn on standard error only when it
// is a terminal and quiet was not asked for. Lines printed while it shows go
// above it, and it is drawn again below them.
void setQuiet(bool quiet);
bool showsProgress();
void showProgress(const QString &text);
void clearProgress();

// What the libraries say on their own (Qt's image readers, libpng, libjpeg)
// goes through one handler, so that valbum speaks only its own words: their
// warnings are dropped, as valbum's own checks decide what a picture is worth,
// unless `verbose`, when each is shown as "valbum: FILE: warning: ...".
// Critical messages are always shown.
void installLibraryMessageHandler();
void setVerbose(bool verbose);

// The warnings a reader collected while it read `input` (UTF-8), shown as the
// handler above shows a library's: only when verbose.
void printReaderWarnings(const QString &input, const std::vector<std::string> &warnings);

// Some libraries write to standard error themselves, past every handler:
// libpng's default error callback, which Qt's PNG reader leaves in place,
// prints "libpng error: ..." there. While this object lives, standard error
// is a pipe that valbum empties after each picture, passing each line to the
// handler above as a warning of that picture; valbum's own lines go straight
// to the real standard error. With more than one job, a line may be named
// after a picture read at the same time as the one that caused it.
class StrayOutputCapture
{
public:
    StrayOutputCapture();
    // Passes on what is left and gives standard error back.
    ~StrayOutputCapture();
    StrayOutputCapture(const StrayOutputCapture &) = delete;
    StrayOutputCapture &operator=(const StrayOutputCapture &) = delete;
};

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
