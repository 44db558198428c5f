// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/commands.h"

#include "album/albumformat.h"
#include "cli/console.h"
#include "cli/exitstatus.h"
#include "cli/valbumtexts.h"

#include <array>

namespace {

struct Command
{
    const char *name;
    const char *summary;
    int (*run)(const QStringList &words);
};

constexpr std::array<Command, 5> AllCommands{{
    {"create", QT_TRANSLATE_NOOP("Valbum", "Make an album from pictures"), runCreate},
    {"list", QT_TRANSLATE_NOOP("Valbum", "Show an album's password, records and free room"), runList},
    {"extract", QT_TRANSLATE_NOOP("Valbum", "Write an album's images as PNG or BMP files"), runExtract},
    {"append", QT_TRANSLATE_NOOP("Valbum", "Add the images of other albums to the end of an album"), runAppend},
    {"preview", QT_TRANSLATE_NOOP("Valbum", "Write pictures as the device will show them, as PNG files"), runPreview},
}};

QString programHelp()
{
    //: The command's and the options' names stay as they are.
    QString help = Valbum::tr("Usage: valbum COMMAND [OPTIONS] ARGUMENTS...\n\n"
                              "Makes, lists and takes apart photo albums (*.valbum) for the grey-level\n"
                              "device: 92 x 92 images in seven greys, at most %1 bytes an album.\n\n"
                              "Commands:\n")
                       .arg(AlbumSizeLimit);
    for (const Command &command : AllCommands)
        help += QStringLiteral("  %1  %2\n")
                    .arg(QString::fromLatin1(command.name).leftJustified(8),
                         QCoreApplication::translate("Valbum", command.summary));
    help += Valbum::tr("\nRun \"valbum COMMAND --help\" for a command's arguments and options.\n"
                       "Exit status: 0 done, 1 compression library failed, 2 unreadable or damaged\n"
                       "input, 3 images left out at the size limit (or unreadable pictures left out\n"
                       "with --skip-unreadable), 4 output exists (use --force), 5 output could not be\n"
                       "written, 64 wrong command line, 128 + N stopped by signal N (the run is\n"
                       "undone).");
    return help;
}

const Command *findCommand(const QString &name)
{
    for (const Command &command : AllCommands)
        if (name == QLatin1String(command.name))
            return &command;
    return nullptr;
}

} // namespace

int runCommandLine(const QStringList &arguments)
{
    if (arguments.size() < 2) {
        printProblem(Valbum::tr("no command given."));
        printProblem(Valbum::tr("Try \"valbum --help\"."));
        return ExitStatus::Usage;
    }

    const QString &first = arguments.at(1);
    if (first == QLatin1String("--help") || first == QLatin1String("-h")) {
        printLine(programHelp());
        return ExitStatus::Ok;
    }
    if (first == QLatin1String("--version")) {
        printLine(QStringLiteral("valbum " VALBUM_VERSION));
        return ExitStatus::Ok;
    }
    // "valbum help create" is the same as "valbum create --help".
    if (first == QLatin1String("help")) {
        if (arguments.size() == 2) {
            printLine(programHelp());
            return ExitStatus::Ok;
        }
        if (const Command *command = findCommand(arguments.at(2)))
            return command->run({arguments.at(2), QStringLiteral("--help")});
        printProblem(Valbum::tr("unknown command \"%1\". Try \"valbum --help\".").arg(arguments.at(2)));
        return ExitStatus::Usage;
    }

    const Command *command = findCommand(first);
    if (command == nullptr) {
        printProblem(Valbum::tr("unknown command \"%1\". Try \"valbum --help\".").arg(first));
        return ExitStatus::Usage;
    }
    return command->run(arguments.mid(1));
}
