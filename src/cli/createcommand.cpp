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
#include "cli/conversionarguments.h"
#include "cli/exitstatus.h"
#include "cli/outputfiles.h"
#include "cli/pendingoutputs.h"
#include "cli/pictureinput.h"
#include "messages/albumtexts.h"
#include "picture/albumbitmap.h"

#include <QFileInfo>

namespace {

const QCommandLineOption PasswordOption(QStringLiteral("password"),
                                        QStringLiteral("Password of up to eight decimal digits (default: none)."),
                                        QStringLiteral("DIGITS"));
const QCommandLineOption SplitOption(QStringLiteral("split"),
                                     QStringLiteral("Write OUT-1.valbum, OUT-2.valbum, ... so that no picture "
                                                    "is left out."));
const QCommandLineOption ForceOption(QStringLiteral("force"), QStringLiteral("Replace albums that exist."));
const QCommandLineOption BestFitOption(QStringLiteral("best-fit"),
                                       QStringLiteral("Choose each picture's greys so that all fit in one album "
                                                      "looking their best; not with --dither or --split."));

CommandSyntax createSyntax()
{
    CommandSyntax syntax;
    syntax.name = QStringLiteral("create");
    syntax.arguments = QStringLiteral("OUT.valbum PICTURE...");
    syntax.description =
        QStringLiteral("Makes an album of the pictures (BMP, PNG, JPEG, GIF or ICO) in the order given, each\n"
                       "brought in as the editor's Add does (by default stretched over 92 x 92), and prints\n"
                       "one line per picture with its place in the album. Pictures past the %1-byte\n"
                       "limit are left out and named (exit status 3) unless --split is given. If a picture\n"
                       "cannot be read, nothing is written (exit status 2).")
            .arg(AlbumSizeLimit);
    syntax.options =
        QList<QCommandLineOption>{PasswordOption, SplitOption, ForceOption, BestFitOption} + conversionCommandOptions();
    syntax.minArguments = 2;
    return syntax;
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

// Stops the run when any picture could not be read, naming each. Returns true when it did.
bool refuseUnreadPictures(const QStringList &problems)
{
    if (problems.isEmpty())
        return false;
    for (const QString &problem : problems)
        printProblem(problem);
    printProblem(QStringLiteral("nothing was written."));
    return true;
}

// Saves one album and prints its lines; `notes` (--best-fit's renderings)
// go on the picture lines, followed by the total. Names what was left out.
int saveAndReport(const QString &path, const QStringList &pictures, const AlbumWriteResult &encoded,
                  const QStringList &notes = {})
{
    const AlbumWriteResult written = SaveAlbum(path, encoded);
    if (!written.ok) {
        printProblem(QStringLiteral("%1: %2").arg(path, AlbumWriteFailureReason(written)));
        return ExitStatus::WriteFailed;
    }
    const int count = static_cast<int>(pictures.size());
    printAlbumLine(path, written.imagesWritten);
    printPictureLines(pictures, 0, written.imagesWritten, notes);
    if (!notes.isEmpty())
        printLine(QStringLiteral("total: %1 bytes of %2").arg(written.bytes.size()).arg(AlbumSizeLimit));
    if (written.imagesWritten == count)
        return ExitStatus::Ok;

    // --best-fit fills one album, so only without it does --split help.
    const QString remedy = notes.isEmpty() ? QStringLiteral(", use --split to keep them") : QString();
    printProblem(QStringLiteral("%1; %2 picture(s) left out%3:")
                     .arg(AlbumFullClause(path), QString::number(count - written.imagesWritten), remedy));
    for (int index = written.imagesWritten; index < count; ++index)
        printProblem(QStringLiteral("left out: %1").arg(pictures.at(index)));
    return ExitStatus::ImagesLeftOut;
}

int createAlbum(const QString &path, const QStringList &pictures, const ConversionArguments &conversion,
                const QString &passwordText, bool force)
{
    // Only the records that fit are kept; past them the album is full and
    // the rest are only counted.
    AlbumFiller album;
    bool full = false;
    QStringList problems;
    convertPictures(pictures, conversion.options, conversion.jobs, true, [&](const ConvertedPicture &picture) {
        if (!picture.problem.isEmpty())
            problems.append(picture.problem);
        else if (!full && problems.isEmpty())
            full = album.add(picture.record) != AlbumFiller::Outcome::Added;
    });
    if (refuseUnreadPictures(problems))
        return ExitStatus::BadInput;
    if (refuseToOverwrite({path}, force))
        return ExitStatus::WouldOverwrite;

    // Saved exactly as the editor saves an album.
    return saveAndReport(path, pictures, album.encode(passwordText));
}

int createBestFitAlbum(const QString &path, const QStringList &pictures, const ConversionArguments &conversion,
                       const QString &passwordText, bool force)
{
    const BestFitAlbum chosen = bestFitPictures(pictures, conversion.options, conversion.jobs);
    if (refuseUnreadPictures(chosen.problems))
        return ExitStatus::BadInput;
    if (refuseToOverwrite({path}, force))
        return ExitStatus::WouldOverwrite;
    const auto recordAt = [&chosen](int index) { return chosen.records[static_cast<std::size_t>(index)]; };
    return saveAndReport(
        path, pictures,
        EncodeAlbumRecords(static_cast<int>(chosen.records.size()), recordAt, passwordText.toStdString()),
        chosen.notes);
}

int createSplitAlbums(const QString &path, const QStringList &pictures, const ConversionArguments &conversion,
                      const QString &passwordText, bool force)
{
    // Each album is written as soon as it is full, under a temporary name;
    // all of them get their names only once every picture has been read and
    // every name checked, and are removed if anything fails before that.
    PendingOutputs outputs;
    SplitAlbumWriter albums(path, passwordText, outputs);
    QStringList problems;
    convertPictures(pictures, conversion.options, conversion.jobs, true, [&](const ConvertedPicture &picture) {
        if (!picture.problem.isEmpty())
            problems.append(picture.problem);
        else if (problems.isEmpty())
            albums.add(picture.record);
    });
    if (refuseUnreadPictures(problems))
        return ExitStatus::BadInput;
    albums.finish();
    if (!albums.encodingProblem().isEmpty()) {
        printProblem(QStringLiteral("%1: %2").arg(path, albums.encodingProblem()));
        return ExitStatus::WriteFailed;
    }
    const QStringList paths = partPaths(path, albums.parts().size());
    if (refuseToOverwrite(paths, force))
        return ExitStatus::WouldOverwrite;
    if (!albums.writeProblem().isEmpty()) {
        printProblem(albums.writeProblem());
        return ExitStatus::WriteFailed;
    }
    if (const QString problem = outputs.commit(); !problem.isEmpty()) {
        printProblem(problem);
        return ExitStatus::WriteFailed;
    }

    for (qsizetype part = 0; part < albums.parts().size(); ++part) {
        printAlbumLine(paths.at(part), albums.parts().at(part).imageCount);
        printPictureLines(pictures, albums.parts().at(part).firstImage, albums.parts().at(part).imageCount);
    }
    // A longer set from an earlier run would otherwise pass for part of this one.
    const QString stale = partPath(path, albums.parts().size() + 1);
    if (QFileInfo::exists(stale))
        printProblem(QStringLiteral("note: %1 is from an earlier run, not part of this set.").arg(stale));
    return ExitStatus::Ok;
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
        return usageError(
            syntax.name,
            QStringLiteral("the password must be up to eight decimal digits, not \"%1\".").arg(passwordText));

    const ConversionArguments conversion = conversionArguments(parser);
    if (!conversion.problem.isEmpty())
        return usageError(syntax.name, conversion.problem);
    setVerbose(conversion.verbose);

    const bool bestFit = parser.isSet(BestFitOption);
    if (bestFit && (parser.isSet(QStringLiteral("dither")) || parser.isSet(SplitOption)))
        return usageError(syntax.name, QStringLiteral("--best-fit chooses the greys and fills one album: it takes "
                                                      "neither --dither nor --split."));

    QStringList pictures = parser.positionalArguments();
    const QString path = pictures.takeFirst();

    if (bestFit)
        return createBestFitAlbum(path, pictures, conversion, passwordText, parser.isSet(ForceOption));
    if (parser.isSet(SplitOption))
        return createSplitAlbums(path, pictures, conversion, passwordText, parser.isSet(ForceOption));
    return createAlbum(path, pictures, conversion, passwordText, parser.isSet(ForceOption));
}
