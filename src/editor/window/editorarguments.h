// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The exit status after a mistake on the command line: 64, the usage error
// scripts know from valbum and other programs.
inline constexpr int EditorUsageStatus = 64;

// What the editor's command line asks for. It is read before the application
// object exists, so --help and --version answer without a display.
struct EditorArguments
{
    // Set when the program must stop at once with this status: 0 after the
    // help or the version, EditorUsageStatus after a mistake.
    std::optional<int> exitStatus;
    // Printed to standard output, or to standard error after a mistake.
    QString output;
    QString problem;
    // The album to open once the window is shown; empty for none.
    QString albumPath;
};

// Reads the words after the program's name. Qt's own options (-style,
// -platform, ...) are let through for the application object to take; an
// album name is made absolute. "--" ends the options.
EditorArguments ParseEditorArguments(const QStringList &words);

// The same, for main()'s arguments; file names are decoded as the file
// system encodes them.
EditorArguments ParseEditorArguments(int argc, const char *const *argv);

QString EditorUsage();
