// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/albumimages.h"
#include "cli/albuminput.h"
#include "cli/commandline.h"
#include "cli/commands.h"
#include "cli/console.h"
#include "cli/exitstatus.h"
#include "cli/outputfiles.h"
#include "cli/pendingoutputs.h"
#include "cli/progressline.h"
#include "cli/valbumtexts.h"
#include "messages/albumtexts.h"

#include <QDir>
#include <QElapsedTimer>

namespace {

// Made before any language is chosen: the help translates their descriptions.
const QCommandLineOption FormatOption(QStringLiteral("format"),
                                      QString::fromUtf8(QT_TRANSLATE_NOOP("Valbum", "png or bmp (default png).")),
                                      QStringLiteral("FORMAT"), QStringLiteral("png"));
const QCommandLineOption
    ForceOption(QStringLiteral("force"),
                QString::fromUtf8(QT_TRANSLATE_NOOP("Valbum", "Replace picture files that exist.")));

// How long the images written stay under their temporary names at most,
// in milliseconds, before they are synced together and named.
constexpr qint64 CommitInterval = 100;

CommandSyntax extractSyntax()
{
    return {.name = QStringLiteral("extract"),
            .arguments = QStringLiteral("ALBUM.valbum OUTDIR"),
            .description =
                Valbum::tr("Writes each image of the album as OUTDIR/NNN.png (or .bmp), 92 x 92 in the album's\n"
                           "greys, numbered as the editor labels them: 000, 001, ... OUTDIR is created when\n"
                           "missing. A damaged album gives the images before the damage, which is then\n"
                           "reported (exit status 2)."),
            .options = {FormatOption, ForceOption, quietOption()},
            .minArguments = 2,
            .maxArguments = 2};
}

} // namespace

int runExtract(const QStringList &words)
{
    const CommandSyntax syntax = extractSyntax();
    QCommandLineParser parser;
    if (const auto stop = parseCommand(parser, syntax, words))
        return *stop;

    setQuiet(parser.isSet(quietOption()));
    const QString format = parser.value(FormatOption).toLower();
    if (format != QLatin1String("png") && format != QLatin1String("bmp"))
        return usageError(syntax.name,
                          Valbum::tr("the format must be png or bmp, not \"%1\".").arg(parser.value(FormatOption)));

    const QString albumPath = parser.positionalArguments().at(0);
    const QDir outDir(parser.positionalArguments().at(1));
    const AlbumInput input = readAlbumInput(albumPath);
    if (!input.opened()) {
        for (const QString &problem : input.problems)
            printProblem(problem);
        return ExitStatus::BadInput;
    }

    QStringList paths;
    for (std::size_t index = 0; index < input.contents.records.size(); ++index)
        paths.append(outDir.filePath(ImageLabel(static_cast<int>(index)) + QLatin1Char('.') + format));
    if (refuseToOverwrite(paths, parser.isSet(ForceOption)))
        return ExitStatus::WouldOverwrite;
    // Each image is written under a temporary name and given its own once it
    // is on the disk, its line printed then; should a later one fail, every
    // one goes again and the files they replaced come back. The images come
    // out of memory faster than the disk takes a sync, so those written
    // within a tenth of a second share one: a wait on the disk for each image
    // would double the run's time.
    PendingOutputs outputs(parser.isSet(ForceOption));
    if (const QString reason = outputs.makeDirectory(outDir.path()); !reason.isEmpty()) {
        printProblem(QStringLiteral("%1: %2").arg(outDir.path(), reason));
        return ExitStatus::WriteFailed;
    }
    const QByteArray formatName = format.toLatin1();
    ProgressLine progress(paths.size(), Valbum::tr("images written", nullptr, ProgressCount(paths.size())));
    QElapsedTimer sinceCommit;
    sinceCommit.start();
    qsizetype unprinted = 0;
    for (qsizetype index = 0; index < paths.size(); ++index) {
        QString reason;
        const QByteArray bytes = encodePicture(AlbumImageAt(input.contents, static_cast<std::size_t>(index)),
                                               formatName.constData(), reason);
        if (reason.isEmpty())
            reason = outputs.write(paths.at(index), bytes);
        if (!reason.isEmpty()) {
            printProblem(QStringLiteral("%1: %2").arg(paths.at(index), reason));
            return ExitStatus::WriteFailed;
        }
        progress.advance(index + 1);
        if (index + 1 < paths.size() && sinceCommit.elapsed() < CommitInterval)
            continue;
        QString problem;
        switch (outputs.commit(problem)) {
        case PendingOutputs::Commit::Done:
            break;
        case PendingOutputs::Commit::NameTaken:
            // Made since the names were checked above.
            reportExisting({outputs.takenName()});
            return ExitStatus::WouldOverwrite;
        case PendingOutputs::Commit::Failed:
            printProblem(problem);
            return ExitStatus::WriteFailed;
        }
        for (; unprinted <= index; ++unprinted)
            printLine(paths.at(unprinted));
        sinceCommit.restart();
    }
    progress.finish();
    outputs.finish();

    // What the damage cost comes last, under the list of what was saved.
    for (const QString &problem : input.problems)
        printProblem(problem);
    return input.complete() ? ExitStatus::Ok : ExitStatus::BadInput;
}
