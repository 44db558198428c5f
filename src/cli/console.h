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
