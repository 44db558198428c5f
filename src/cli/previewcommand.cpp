// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/commandline.h"
#include "cli/commands.h"
#include "cli/console.h"
#include "cli/exitstatus.h"
#include "cli/importarguments.h"
#include "cli/outputfiles.h"
#include "cli/pendingoutputs.h"
#include "cli/pictureimport.h"
#include "cli/progressline.h"
#include "cli/unreadablepictures.h"
#include "cli/valbumtexts.h"
#include "qtimage/albumbitmap.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>

namespace {

// Made before any language is chosen: the help translates its description.
const QCommandLineOption
    ForceOption(QStringLiteral("force"),
                QString::fromUtf8(QT_TRANSLATE_NOOP("Valbum", "Replace preview files that exist.")));

CommandSyntax previewSyntax()
{
    return {.name = QStringLiteral("preview"),
            .arguments = QStringLiteral("OUTDIR PICTURE..."),
            .description =
                Valbum::tr("Writes each picture as the device will show it, brought in as create brings it in\n"
                           "with the same options and reduced to the seven greys, as OUTDIR/<name>.png\n"
                           "(photo.jpg gives photo.png); the album holds exactly these pixels.\n"
                           "OUTDIR is created when missing. If a picture cannot be read, nothing is written\n"
                           "(exit status 2), unless --skip-unreadable is given: then it is named and left out,\n"
                           "and the rest are written (exit status 3)."),
            .options =
                QList<QCommandLineOption>{ForceOption, skipUnreadableOption(), quietOption()} + importCommandOptions(),
            .minArguments = 2};
}

} // namespace

int runPreview(const QStringList &words)
{
    const CommandSyntax syntax = previewSyntax();
    QCommandLineParser parser;
    if (const auto stop = parseCommand(parser, syntax, words))
        return *stop;

    const ImportArguments importing = importArguments(parser);
    if (!importing.problem.isEmpty())
        return usageError(syntax.name, importing.problem);
    setVerbose(importing.verbose);
    setQuiet(parser.isSet(quietOption()));

    QStringList pictures = parser.positionalArguments();
    const QDir outDir(pictures.takeFirst());

    QStringList paths;
    QHash<QString, QString> pictureOfPath;
    for (const QString &picture : pictures) {
        const QString path = outDir.filePath(QFileInfo(picture).completeBaseName() + QStringLiteral(".png"));
        if (const auto other = pictureOfPath.constFind(path); other != pictureOfPath.constEnd())
            return usageError(syntax.name,
                              Valbum::tr("%1 and %2 would both be written as %3.").arg(other.value(), picture, path));
        pictureOfPath.insert(path, picture);
        paths.append(path);
    }

    // Each preview is written as soon as its picture is converted and given
    // its name at once, with its line; if anything fails before the run is
    // done (a picture that cannot be read, a name that is taken), every one
    // goes again and the files they replaced come back.
    PendingOutputs outputs(parser.isSet(ForceOption));
    UnreadablePictures unreadable(parser.isSet(skipUnreadableOption()));
    std::vector<bool> read(static_cast<std::size_t>(paths.size()), false);
    QString writeProblem;
    QString directoryProblem;
    bool directoryMade = false;
    ProgressLine progress(pictures.size(), Valbum::tr("pictures read", nullptr, ProgressCount(pictures.size())));
    importPictures(pictures, importing.options, importing.jobs, false, [&](const ImportedPicture &picture) {
        progress.advance(picture.index + 1);
        if (!picture.problem.isEmpty()) {
            unreadable.add(picture.problem);
            return;
        }
        read[static_cast<std::size_t>(picture.index)] = true;
        if (unreadable.stopRun() || !writeProblem.isEmpty() || !directoryProblem.isEmpty() || outputs.nameTaken())
            return;
        if (!directoryMade) {
            directoryProblem = outputs.makeDirectory(outDir.path());
            directoryMade = directoryProblem.isEmpty();
            if (!directoryMade)
                return;
        }
        const QString &path = paths.at(picture.index);
        QString reason;
        const QByteArray bytes = encodePicture(DeviceViewOf(picture.image), "png", reason);
        if (reason.isEmpty())
            reason = outputs.write(path, bytes);
        if (!reason.isEmpty()) {
            writeProblem = QStringLiteral("%1: %2").arg(path, reason);
            return;
        }
        // A taken name stops the run once every picture has been read, so
        // that all the taken names and unreadable pictures are named.
        if (outputs.commit(writeProblem) == PendingOutputs::Commit::Done)
            printLine(QStringLiteral("%1 %2").arg(pictures.at(picture.index), path));
    });
    progress.finish();
    if (unreadable.refuse())
        return ExitStatus::BadInput;
    // Each name was checked as its preview took it. Once one was found taken
    // every preview went again, so those there now are the ones to name.
    if (outputs.nameTaken()) {
        QStringList readPaths;
        for (qsizetype index = 0; index < paths.size(); ++index)
            if (read[static_cast<std::size_t>(index)])
                readPaths.append(paths.at(index));
        if (!refuseToOverwrite(readPaths, false))
            reportExisting({outputs.takenName()});
        return ExitStatus::WouldOverwrite;
    }
    if (!directoryProblem.isEmpty()) {
        printProblem(QStringLiteral("%1: %2").arg(outDir.path(), directoryProblem));
        return ExitStatus::WriteFailed;
    }
    if (!writeProblem.isEmpty()) {
        printProblem(writeProblem);
        return ExitStatus::WriteFailed;
    }
    outputs.finish();
    unreadable.reportSkipped();
    return unreadable.exitStatus(ExitStatus::Ok);
}
