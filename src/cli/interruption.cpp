// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/interruption.h"

#include <QFile>

#include <algorithm>
#include <atomic>
#include <csignal>
#include <iterator>
#include <string>
#include <thread>
#include <unordered_set>
#include <utility>
#include <vector>

#include <pthread.h>
#include <unistd.h>

namespace {

struct Leftovers
{
    std::recursive_mutex lock;
    std::unordered_set<std::string> files; // native names
    std::vector<std::string> directories;  // outermost first
    // Outputs with their final names, oldest first: target, and the backup
    // that goes back in its place (empty for a new file).
    std::vector<std::pair<std::string, std::string>> committed;
};

Leftovers &leftovers()
{
    static Leftovers state;
    return state;
}

std::atomic<bool> watching{false};

sigset_t watchedSignals()
{
    sigset_t watched;
    sigemptyset(&watched);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP})
        sigaddset(&watched, signal);
    return watched;
}

[[noreturn]] void cleanUpAndExit(int signal)
{
    Leftovers &state = leftovers();
    // Never released: the run stops where it is, between two steps.
    state.lock.lock();
    if (watching) {
        // Newest first: the same target may have been replaced twice (two
        // outputs naming one file through symbolic links).
        for (auto output = state.committed.crbegin(); output != state.committed.crend(); ++output) {
            if (output->second.empty())
                ::unlink(output->first.c_str());
            else
                ::rename(output->second.c_str(), output->first.c_str());
        }
        for (const std::string &file : state.files)
            ::unlink(file.c_str());
        for (auto directory = state.directories.crbegin(); directory != state.directories.crend(); ++directory)
            ::rmdir(directory->c_str());
    }
    ::_exit(128 + signal);
}

void watch()
{
    const sigset_t watched = watchedSignals();
    int signal = 0;
    while (sigwait(&watched, &signal) != 0) {
    }
    cleanUpAndExit(signal);
}

std::string nativeName(const QString &path)
{
    return QFile::encodeName(path).toStdString();
}

} // namespace

InterruptionWatch::InterruptionWatch()
{
    const sigset_t watched = watchedSignals();
    pthread_sigmask(SIG_BLOCK, &watched, nullptr);
    watching = true;
    // Detached: it waits for a signal until the process ends.
    std::thread(watch).detach();
}

InterruptionWatch::~InterruptionWatch()
{
    const auto hold = holdOffInterruption();
    watching = false;
}

std::unique_lock<std::recursive_mutex> holdOffInterruption()
{
    return std::unique_lock(leftovers().lock);
}

void removeOnInterruption(const QString &path)
{
    const auto hold = holdOffInterruption();
    leftovers().files.insert(nativeName(path));
}

void removeDirectoryOnInterruption(const QString &directory)
{
    const auto hold = holdOffInterruption();
    leftovers().directories.push_back(nativeName(directory));
}

void forgetOnInterruption(const QString &path)
{
    const auto hold = holdOffInterruption();
    const std::string name = nativeName(path);
    std::vector<std::string> &directories = leftovers().directories;
    if (leftovers().files.erase(name) == 0)
        directories.erase(std::remove(directories.begin(), directories.end(), name), directories.end());
}

void undoOnInterruption(const QString &target, const QString &backup)
{
    const auto hold = holdOffInterruption();
    leftovers().committed.emplace_back(nativeName(target), backup.isEmpty() ? std::string() : nativeName(backup));
}

void forgetUndoOnInterruption(const QString &target)
{
    const auto hold = holdOffInterruption();
    const std::string name = nativeName(target);
    auto &committed = leftovers().committed;
    const auto newest = std::find_if(committed.rbegin(), committed.rend(),
                                     [&name](const auto &output) { return output.first == name; });
    if (newest != committed.rend())
        committed.erase(std::next(newest).base());
}
