// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/console.h"

#include <QTextStream>

#include <cstdio>

namespace {

QTextStream &standardOutput()
{
    static QTextStream stream(stdout);
    return stream;
}

QTextStream &standardError()
{
    static QTextStream stream(stderr);
    return stream;
}

} // namespace

void printLine(const QString &line)
{
    standardOutput() << line << Qt::endl;
}

void printProblem(const QString &line)
{
    standardOutput().flush();
    standardError() << "valbum: " << line << Qt::endl;
}
