// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "album/password.h"
#include "albumfile/albumfile.h"
#include "cli/albumsplit.h"
#include "cli/bestfit.h"
#include "cli/commandline.h"
#include "cli/commands.h"
#include "cli/console.h"
#include "cli/exitstatus.h"
#include "cli/importarguments.h"
#include "cli/interruption.h"
#include "cli/outputfiles.h"
#include "cli/pendingoutputs.h"
#include "cli/pictureimport.h"
#include "cli/progressline.h"
#include "cli/unreadablepictures.h"
#include "cli/valbumtexts.h"
#include "messages/albumtexts.h"
#include "qtimage/albumbitmap.h"
#include "qtimage/qtconversion.h"

#include <QFileInfo>

#include <functional>

namespace {

// Made before any language is chosen: the help translates their descriptions.
const QCommandLineOption PasswordOption(
    QStringLiteral("password"),
    QString::fromUtf8(QT_TRANSLATE_NOOP("Valbum", "Password of up to eight decimal digits (default: none).")),
    QStringLiteral("DIGITS"));
const QCommandLineOption SplitOption(
    QStringLiteral("split"),
    QString::fromUtf8(QT_TRANSLATE_NOOP("Valbum", "Write OUT-1.valbum, OUT-2.valbum, ... so that no picture "
                                                  "is left out.")));
const QCommandLineOption ForceOption(QStringLiteral("force"),
                                     QString::fromUtf8(QT_TRANSLATE_NOOP("Valbum", "Replace albums that exist.")));
const QCommandLineOption BestFitOption(
    QStringLiteral("best-fit"),
    QString::fromUtf8(QT_TRANSLATE_NOOP(
        "Valbum", "Choose each picture's greys so that all fit in one album looking their best; with --split, "
                  "each album takes as many pictures as fit with their smallest renderings, then chooses so. "
                  "Not with --dither.")));

CommandSyntax createSyntax()
{
    return {.name = QStringLiteral("create"),
            .arguments = QStringLiteral("OUT.valbum PICTURE..."),
            .description =
                Valbum::tr("Makes an album of the pictures (BMP, PNG, JPEG, GIF, ICO, WebP, TIFF, HEIC/HEIF or\n"
                           "AVIF) in the order given, each brought in as the editor's Add does (by default\n"
                           "stretched over 92 x 92), and prints one line per picture with its place in the\n"
                           "album. Pictures past the %1-byte limit are left out and named (exit status 3)\n"
                           "unless --split is given. If a picture cannot be read, nothing is written (exit\n"
                           "status 2), unless --skip-unreadable is given: then it is named and left out, and\n"
                           "the rest are written (exit status 3).")
                    .arg(AlbumSizeLimit),
            .options = QList<QCommandLineOption>{PasswordOption, SplitOption, ForceOption, BestFitOption,
                                                 skipUnreadableOption(), quietOption()}
                       + importCommandOptions(),
            .minArguments = 2};
}

void printAlbumLine(const QString &path, int imageCount)
{
    printLine(
        QStringLiteral("%1 (%2, %3 bytes)").arg(path, ImageCount(imageCount), QString::number(QFileInfo(path).size())));
}

void printPictureLines(const QStringList &pictures, int first, int count, const QStringList &notes = {})
{
    for (int index = 0; index < count; ++index) {
        QString line = QStringLiteral("%1 %2").arg(ImageLabel(index), pictures.at(first + index));
        if (index < notes.size())
            line += QStringLiteral(" (%1)").arg(notes.at(index));
        printLine(line);
    }
}

// The line under a --best-fit album's pictures: its size, how many pictures
// got each rendering, and the pictures left out.
QString bestFitTotal(qint64 bytes, const BestFitAlbum &album, const QStringList &leftOut)
{
    const QStringList names = NameList(GreyDitherNames);
    QStringList counts;
    for (std::size_t step = 0; step < BestFitRenderings.size(); ++step)
        counts.append(QStringLiteral("%1 %2")
                          .arg(names.at(static_cast<qsizetype>(BestFitRenderings[step])))
                          .arg(album.renderingCounts[step]));
    QString line = QStringLiteral("total: %1 bytes of %2 (%3)").arg(bytes).arg(AlbumSizeLimit).arg(counts.join(", "));
    if (!leftOut.isEmpty())
        line += QStringLiteral("; %1 left out: %2").arg(leftOut.size()).arg(leftOut.join(QStringLiteral(", ")));
    return line;
}

// Saves one album and prints its lines; `bestFit`'s renderings go on the
// picture lines, followed by the total. Names what was left out.
int saveAndReport(const QString &path, const QStringList &pictures, const AlbumWriteResult &encoded,
                  const BestFitAlbum *bestFit = nullptr)
{
    const AlbumWriteResult written = [&] {
        const auto hold = holdOffInterruption();
        return SaveAlbum(path, encoded);
    }();
    if (!written.ok) {
        printProblem(QStringLiteral("%1: %2").arg(path, AlbumWriteFailureReason(written)));
        return ExitStatus::WriteFailed;
    }
    const int count = static_cast<int>(pictures.size());
    printAlbumLine(path, written.imagesWritten);
    printPictureLines(pictures, 0, written.imagesWritten, bestFit != nullptr ? bestFit->notes : QStringList());
    if (bestFit != nullptr)
        printLine(bestFitTotal(written.bytes.size(), *bestFit, pictures.mid(written.imagesWritten)));
    if (written.imagesWritten == count)
        return ExitStatus::Ok;

    // --best-fit fills one album, so only without it does --split help.
    //: Follows "N picture(s) left out".
    const QString remedy = bestFit == nullptr ? Valbum::tr(", use --split to keep them") : QString();
    //: %1 is "ALBUM is full (81920 bytes at most)", %2 ", use --split to keep them" or nothing; "picture(s)"
    //: stays as it is in English.
    printProblem(Valbum::tr("%1; %n picture(s) left out%2:", nullptr, count - written.imagesWritten)
                     .arg(AlbumFullClause(path), remedy));
    for (int index = written.imagesWritten; index < count; ++index)
        printProblem(Valbum::tr("left out: %1").arg(pictures.at(index)));
    return ExitStatus::ImagesLeftOut;
}

// The choices common to every way of making albums.
struct CreateRequest
{
    QString path;
    QStringList pictures;
    ImportArguments importing;
    QString passwordText;
    bool force = false;
    bool skipUnreadable = false;
};

// Imports the request's pictures, compressed, strictly in order: each one
// that cannot be read goes to `unreadable`, each record that came in to
// `keep` until the run stops, its path to `read` just before.
void importRecords(const CreateRequest &request, UnreadablePictures &unreadable, QStringList &read,
                   const std::function<void(const ImageRecord &)> &keep)
{
    ProgressLine progress(request.pictures.size(),
                          Valbum::tr("pictures read", nullptr, ProgressCount(request.pictures.size())));
    importPictures(request.pictures, request.importing.options, request.importing.jobs, true,
                   [&](const ImportedPicture &picture) {
                       progress.advance(picture.index + 1);
                       if (!picture.problem.isEmpty()) {
                           unreadable.add(picture.problem);
                       } else if (!unreadable.stopRun()) {
                           read.append(request.pictures.at(picture.index));
                           keep(picture.record);
                       }
                   });
}

int createAlbum(const CreateRequest &request)
{
    // Only the records that fit are kept; past them the album is full and
    // the rest are only counted.
    AlbumFiller album;
    bool full = false;
    UnreadablePictures unreadable(request.skipUnreadable);
    QStringList read;
    importRecords(request, unreadable, read, [&](const ImageRecord &record) {
        if (!full)
            full = album.add(record) != AlbumFiller::Outcome::Added;
    });
    if (unreadable.refuse())
        return ExitStatus::BadInput;
    if (refuseToOverwrite({request.path}, request.force))
        return ExitStatus::WouldOverwrite;

    // Saved exactly as the editor saves an album.
    const int status = saveAndReport(request.path, read, album.encode(request.passwordText));
    if (status == ExitStatus::WriteFailed)
        return status;
    unreadable.reportSkipped();
    return unreadable.exitStatus(status);
}

int createBestFitAlbums(const CreateRequest &request, bool split)
{
    const BestFitRun run = bestFitPictures(request.pictures, request.importing.options, request.importing.jobs,
                                           request.skipUnreadable, split);
    UnreadablePictures unreadable(request.skipUnreadable);
    for (const QString &problem : run.problems)
        unreadable.add(problem);
    if (unreadable.refuse())
        return ExitStatus::BadInput;
    if (!run.encodingProblem.isEmpty()) {
        printProblem(QStringLiteral("%1: %2").arg(request.path, run.encodingProblem));
        return ExitStatus::WriteFailed;
    }
    const auto encode = [&](const BestFitAlbum &album) {
        return EncodeAlbumRecords(
            static_cast<int>(album.records.size()),
            [&album](int index) { return album.records[static_cast<std::size_t>(index)]; },
            request.passwordText.toStdString());
    };

    if (!split) {
        if (refuseToOverwrite({request.path}, request.force))
            return ExitStatus::WouldOverwrite;
        const int status = saveAndReport(request.path, run.pictures, encode(run.albums.front()), &run.albums.front());
        if (status == ExitStatus::WriteFailed)
            return status;
        unreadable.reportSkipped();
        return unreadable.exitStatus(status);
    }

    // As with --split: each album under its name as soon as it is written,
    // its lines printed then; all of them undone if a later one fails.
    const QStringList paths = partPaths(request.path, static_cast<qsizetype>(run.albums.size()));
    if (refuseToOverwrite(paths, request.force))
        return ExitStatus::WouldOverwrite;
    PendingOutputs outputs(request.force);
    for (std::size_t part = 0; part < run.albums.size(); ++part) {
        const BestFitAlbum &album = run.albums[part];
        const QString &finalPath = paths.at(static_cast<qsizetype>(part));
        QString reason;
        const QString temporary = outputs.reserve(finalPath, reason);
        AlbumWriteResult written;
        if (!temporary.isEmpty()) {
            const auto hold = holdOffInterruption();
            written = SaveAlbum(temporary, encode(album));
            if (!written.ok)
                reason = AlbumWriteFailureReason(written);
        }
        if (!reason.isEmpty()) {
            printProblem(QStringLiteral("%1: %2").arg(finalPath, reason));
            return ExitStatus::WriteFailed;
        }
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
        printAlbumLine(finalPath, album.fitting);
        printPictureLines(run.pictures, album.firstPicture, album.fitting, album.notes);
        printLine(bestFitTotal(written.bytes.size(), album, {}));
    }
    outputs.finish();
    unreadable.reportSkipped();
    return unreadable.exitStatus(ExitStatus::Ok);
}

int createSplitAlbums(const CreateRequest &request)
{
    // Each album is written as soon as it is full and given its name at once,
    // with its lines; if anything fails before the run is done (a picture
    // that cannot be read, a name that is taken), every album goes again and
    // the files they replaced come back.
    PendingOutputs outputs(request.force);
    QStringList read;
    SplitAlbumWriter albums(request.path, request.passwordText, outputs,
                            [&read](const QString &finalPath, const AlbumPart &part) {
                                printAlbumLine(finalPath, part.imageCount);
                                printPictureLines(read, part.firstImage, part.imageCount);
                            });
    UnreadablePictures unreadable(request.skipUnreadable);
    importRecords(request, unreadable, read, [&](const ImageRecord &record) { albums.add(record); });
    if (unreadable.refuse())
        return ExitStatus::BadInput;
    albums.finish();
    if (!albums.encodingProblem().isEmpty()) {
        printProblem(QStringLiteral("%1: %2").arg(request.path, albums.encodingProblem()));
        return ExitStatus::WriteFailed;
    }
    // Each name was checked as its album took it. Once one was found taken
    // every album went again, so those there now are the ones to name.
    if (outputs.nameTaken()) {
        if (!refuseToOverwrite(partPaths(request.path, albums.parts().size()), false))
            reportExisting({outputs.takenName()});
        return ExitStatus::WouldOverwrite;
    }
    if (!albums.writeProblem().isEmpty()) {
        printProblem(albums.writeProblem());
        return ExitStatus::WriteFailed;
    }
    outputs.finish();

    // A longer set from an earlier run would otherwise pass for part of this one.
    const QString stale = partPath(request.path, albums.parts().size() + 1);
    if (QFileInfo::exists(stale))
        printProblem(Valbum::tr("note: %1 is from an earlier run, not part of this set.").arg(stale));
    unreadable.reportSkipped();
    return unreadable.exitStatus(ExitStatus::Ok);
}

} // namespace

int runCreate(const QStringList &words)
{
    const CommandSyntax syntax = createSyntax();
    QCommandLineParser parser;
    if (const auto stop = parseCommand(parser, syntax, words))
        return *stop;

    const QString passwordText = parser.value(PasswordOption);
    if (!IsTypedPassword(passwordText.toStdString()))
        return usageError(syntax.name,
                          Valbum::tr("the password must be up to eight decimal digits, not \"%1\".").arg(passwordText));

    const ImportArguments importing = importArguments(parser);
    if (!importing.problem.isEmpty())
        return usageError(syntax.name, importing.problem);
    setVerbose(importing.verbose);
    setQuiet(parser.isSet(quietOption()));

    const bool bestFit = parser.isSet(BestFitOption);
    if (bestFit && parser.isSet(QStringLiteral("dither")))
        return usageError(syntax.name, Valbum::tr("--best-fit chooses the greys: it does not take --dither."));

    CreateRequest request;
    request.pictures = parser.positionalArguments();
    request.path = request.pictures.takeFirst();
    request.importing = importing;
    request.passwordText = passwordText;
    request.force = parser.isSet(ForceOption);
    request.skipUnreadable = parser.isSet(skipUnreadableOption());

    if (bestFit)
        return createBestFitAlbums(request, parser.isSet(SplitOption));
    if (parser.isSet(SplitOption))
        return createSplitAlbums(request);
    return createAlbum(request);
}
