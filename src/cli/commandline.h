// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// What one command accepts, enough to parse its words and to print its help.
struct CommandSyntax
{
    QString name;                      // as typed after the program name
    QString arguments;                 // the positional part of the usage line
    QString description;               // what the command does, for --help
    QList<QCommandLineOption> options; // --help is added by the parser
    qsizetype minArguments = 0;
    qsizetype maxArguments = -1; // -1: no upper bound
};

// Parses a command's words (its name first) into `parser`. Returns the status
// to exit with when the command must not run: Ok once the help is printed,
// Usage once the mistake is reported. Returns nothing when the command may go on.
std::optional<int> parseCommand(QCommandLineParser &parser, const CommandSyntax &syntax, const QStringList &words);

QString commandHelp(const CommandSyntax &syntax);

// Reports a command-line mistake with a pointer to the command's help and
// returns the usage status.
int usageError(const QString &commandName, const QString &problem);
