// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/commandline.h"

#include "cli/console.h"
#include "cli/exitstatus.h"
#include "cli/valbumtexts.h"

#include <algorithm>

namespace {

QString optionSynopsis(const QCommandLineOption &option)
{
    QStringList names;
    for (const QString &name : option.names())
        names.append(name.size() == 1 ? QStringLiteral("-") + name : QStringLiteral("--") + name);
    QString synopsis = names.join(QStringLiteral(", "));
    if (!option.valueName().isEmpty())
        synopsis += QLatin1Char(' ') + option.valueName();
    return synopsis;
}

QCommandLineOption helpOption()
{
    return QCommandLineOption({QStringLiteral("h"), QStringLiteral("help")}, Valbum::tr("Show this help."));
}

} // namespace

QString commandHelp(const CommandSyntax &syntax)
{
    QList<QCommandLineOption> options = syntax.options;
    options.append(helpOption());

    qsizetype width = 0;
    for (const QCommandLineOption &option : options)
        width = std::max(width, optionSynopsis(option).size());

    //: %1 is the command, %2 its arguments ("OUT.valbum PICTURE..."), %3 what it does.
    QString help = Valbum::tr("Usage: valbum %1 [OPTIONS] %2\n\n%3\n\nOptions:\n")
                       .arg(syntax.name, syntax.arguments, syntax.description);
    for (const QCommandLineOption &option : options)
        help += QStringLiteral("  %1  %2\n")
                    .arg(optionSynopsis(option).leftJustified(width), TranslatedDescription(option.description()));
    return help;
}

int usageError(const QString &commandName, const QString &problem)
{
    printProblem(problem);
    printProblem(Valbum::tr("Try \"valbum %1 --help\".").arg(commandName));
    return ExitStatus::Usage;
}

std::optional<int> parseCommand(QCommandLineParser &parser, const CommandSyntax &syntax, const QStringList &words)
{
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsCompactedShortOptions);
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    parser.addOptions(syntax.options);
    const QCommandLineOption help = helpOption();
    parser.addOption(help);

    // The parser takes the first word as the program's name; the command's
    // name stands in for it.
    if (!parser.parse(words))
        return usageError(syntax.name, parser.errorText());
    if (parser.isSet(help)) {
        printLine(commandHelp(syntax).trimmed());
        return ExitStatus::Ok;
    }

    const qsizetype count = parser.positionalArguments().size();
    if (count < syntax.minArguments || (syntax.maxArguments >= 0 && count > syntax.maxArguments))
        return usageError(
            syntax.name,
            Valbum::tr("wrong number of arguments; usage: valbum %1 [OPTIONS] %2").arg(syntax.name, syntax.arguments));
    return std::nullopt;
}
