// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/console.h"

#include <QMutex>
#include <QRegularExpression>
#include <QTextStream>

#include <atomic>
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

QMutex &outputLock()
{
    static QMutex lock;
    return lock;
}

std::atomic<bool> showLibraryWarnings{false};
thread_local QString inputInProgress;

// "libpng warning: iCCP: too short" becomes "iCCP: too short": the line says
// "warning" once, in valbum's own form.
QString withoutLibraryPrefix(const QString &message)
{
    static const QRegularExpression prefix(QStringLiteral("^[\\w.-]+ warning: "));
    return QString(message).remove(prefix);
}

void handleLibraryMessage(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type != QtCriticalMsg && type != QtFatalMsg && !showLibraryWarnings)
        return;
    const QString what =
        type == QtCriticalMsg || type == QtFatalMsg ? QStringLiteral("error") : QStringLiteral("warning");
    const QString where = inputInProgress.isEmpty() ? QString() : inputInProgress + QStringLiteral(": ");
    const QMutexLocker locker(&outputLock());
    printProblem(QStringLiteral("%1%2: %3").arg(where, what, withoutLibraryPrefix(message)));
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

void installLibraryMessageHandler()
{
    qInstallMessageHandler(handleLibraryMessage);
}

void setVerbose(bool verbose)
{
    showLibraryWarnings = verbose;
}

InputInProgress::InputInProgress(const QString &path)
    : m_previous(std::exchange(inputInProgress, path))
{
}

InputInProgress::~InputInProgress()
{
    inputInProgress = m_previous;
}
