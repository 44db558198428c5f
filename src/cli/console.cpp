// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/console.h"

#include <QFile>
#include <QMutex>
#include <QRegularExpression>
#include <QTextStream>

#include <array>
#include <atomic>
#include <cstdio>

#include <fcntl.h>
#include <unistd.h>

namespace {

QTextStream &standardOutput()
{
    static QTextStream stream(stdout);
    return stream;
}

// Where valbum's own problem lines go: the real standard error, also while
// the stray output of the libraries is caught.
int ownErrorDescriptor = STDERR_FILENO;
// The end of the pipe the stray output is read from; -1 when not caught.
int strayOutputDescriptor = -1;

QTextStream &standardError()
{
    static QFile file;
    static QTextStream stream;
    if (!file.isOpen()) {
        file.open(ownErrorDescriptor, QIODevice::WriteOnly | QIODevice::Unbuffered);
        stream.setDevice(&file);
    }
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
    static const QRegularExpression prefix(QStringLiteral("^[\\w.-]+ (warning|error): "));
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

QMutex &strayOutputLock()
{
    static QMutex lock;
    return lock;
}

// Passes each whole line waiting in the pipe to the handler, as `input`'s.
void passOnStrayOutput(const QString &input)
{
    if (strayOutputDescriptor < 0)
        return;
    static QByteArray pending;
    const QMutexLocker locker(&strayOutputLock());
    std::array<char, 4096> buffer{};
    for (ssize_t count = 0; (count = ::read(strayOutputDescriptor, buffer.data(), buffer.size())) > 0;)
        pending.append(buffer.data(), count);
    // At the end, a last line without its line break goes too.
    const bool last = input.isNull() && !pending.isEmpty() && !pending.endsWith('\n');
    if (last)
        pending.append('\n');
    for (qsizetype end = pending.indexOf('\n'); end >= 0; end = pending.indexOf('\n')) {
        const QString line = QString::fromLocal8Bit(pending.left(end)).trimmed();
        pending.remove(0, end + 1);
        if (line.isEmpty() || !showLibraryWarnings)
            continue;
        const QString where = input.isEmpty() ? QString() : input + QStringLiteral(": ");
        const QMutexLocker outputLocker(&outputLock());
        printProblem(QStringLiteral("%1warning: %2").arg(where, withoutLibraryPrefix(line)));
    }
}

std::atomic<bool> quiet{false};

QMutex &progressLock()
{
    static QMutex lock;
    return lock;
}

// What the progress line shows now; empty when it is not on the screen.
QByteArray &progressShown()
{
    static QByteArray text;
    return text;
}

void writeToTerminal(const QByteArray &bytes)
{
    for (qsizetype at = 0; at < bytes.size();) {
        const ssize_t count = ::write(ownErrorDescriptor, bytes.constData() + at, std::size_t(bytes.size() - at));
        if (count <= 0)
            return;
        at += count;
    }
}

// Back to the start of the line, and the line erased.
const QByteArray EraseLine = "\r\x1b[K";

// While one of valbum's own lines is printed, the progress line is off the
// screen; it comes back below.
class ProgressAside
{
public:
    ProgressAside()
        : m_locker(&progressLock())
    {
        if (!progressShown().isEmpty())
            writeToTerminal(EraseLine);
    }
    ~ProgressAside()
    {
        // Erased first, though the line is empty: the progress is always
        // drawn over a line's start.
        if (!progressShown().isEmpty())
            writeToTerminal(EraseLine + progressShown());
    }

private:
    QMutexLocker<QMutex> m_locker;
};

} // namespace

void printLine(const QString &line)
{
    const ProgressAside aside;
    standardOutput() << line << Qt::endl;
}

void printProblem(const QString &line)
{
    const ProgressAside aside;
    standardOutput().flush();
    standardError() << "valbum: " << line << Qt::endl;
}

void setQuiet(bool silent)
{
    quiet = silent;
}

bool showsProgress()
{
    return !quiet && ::isatty(ownErrorDescriptor) == 1;
}

void showProgress(const QString &text)
{
    if (!showsProgress())
        return;
    const QMutexLocker locker(&progressLock());
    standardOutput().flush();
    progressShown() = text.toLocal8Bit();
    writeToTerminal(EraseLine + progressShown());
}

void clearProgress()
{
    const QMutexLocker locker(&progressLock());
    if (progressShown().isEmpty())
        return;
    progressShown().clear();
    writeToTerminal(EraseLine);
}

void installLibraryMessageHandler()
{
    qInstallMessageHandler(handleLibraryMessage);
}

void setVerbose(bool verbose)
{
    showLibraryWarnings = verbose;
}

void printReaderWarnings(const QString &input, const std::vector<std::string> &warnings)
{
    if (!showLibraryWarnings)
        return;
    const QMutexLocker locker(&outputLock());
    for (const std::string &warning : warnings)
        printProblem(
            QStringLiteral("%1: warning: %2")
                .arg(input, withoutLibraryPrefix(QString::fromUtf8(warning.data(), qsizetype(warning.size())))));
}

InputInProgress::InputInProgress(const QString &path)
    : m_previous(std::exchange(inputInProgress, path))
{
}

InputInProgress::~InputInProgress()
{
    passOnStrayOutput(inputInProgress);
    inputInProgress = m_previous;
}

StrayOutputCapture::StrayOutputCapture()
{
    std::array<int, 2> pipe{-1, -1};
    const int own = ::fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 3);
    // Without a pipe, the libraries' lines go out as they are.
    if (own < 0 || ::pipe2(pipe.data(), O_CLOEXEC | O_NONBLOCK) != 0) {
        if (own >= 0)
            ::close(own);
        return;
    }
    // Past a full pipe a library's line is lost rather than the run stalled.
    std::fflush(stderr);
    ::dup2(pipe[1], STDERR_FILENO);
    ::close(pipe[1]);
    ownErrorDescriptor = own;
    strayOutputDescriptor = pipe[0];
}

StrayOutputCapture::~StrayOutputCapture()
{
    if (strayOutputDescriptor < 0)
        return;
    std::fflush(stderr);
    passOnStrayOutput(QString());
    standardError().flush();
    ::dup2(ownErrorDescriptor, STDERR_FILENO);
    ::close(strayOutputDescriptor);
    strayOutputDescriptor = -1;
}
