// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>

// Each command takes its own words, its name first, and returns the exit status.
int runCreate(const QStringList &words);
int runList(const QStringList &words);
int runExtract(const QStringList &words);
int runAppend(const QStringList &words);
int runPreview(const QStringList &words);

// Picks the command named by the program's arguments (the program's path
// first) and runs it; handles the program's own --help and --version.
int runCommandLine(const QStringList &arguments);
