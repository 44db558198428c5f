// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "album/albumwriter.h"
#include "album/password.h"
#include "cli/albumsplit.h"
#include "cli/bestfit.h"
#include "cli/commandline.h"
#include "cli/commands.h"
#include "cli/console.h"
#include "cli/conversionarguments.h"
#include "cli/exitstatus.h"
#include "cli/outputfiles.h"
#include "cli/pictureinput.h"
#include "messages/albumtexts.h"

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

// `notes` are added to the picture lines; with --best-fit a total follows them.
int writeAlbum(const QString &path, const QStringList &pictures, const std::vector<ImageRecord> &records,
               const QString &passwordText, const QStringList &notes = {})
{
    // Saved exactly as the editor saves an album.
    const int count = static_cast<int>(records.size());
    const AlbumWriteResult written = SaveAlbum(
        path, EncodeAlbumRecords(
                  count, [&records](int index) { return records[static_cast<std::size_t>(index)]; }, passwordText));
    if (!written.ok) {
        printProblem(QStringLiteral("%1: %2").arg(path, AlbumWriteFailureReason(written)));
        return ExitStatus::WriteFailed;
    }

    printAlbumLine(path, written.imagesWritten);
    printPictureLines(pictures, 0, written.imagesWritten, notes);
    if (!notes.isEmpty())
        printLine(QStringLiteral("total: %1 bytes of %2").arg(written.bytes.size()).arg(AlbumSizeLimit));
    if (written.imagesWritten == count)
        return ExitStatus::Ok;

    printProblem(QStringLiteral("%1 is full (%2 bytes at most); %3 picture(s) left out, use --split to keep them:")
                     .arg(path, QString::number(AlbumSizeLimit), QString::number(count - written.imagesWritten)));
    for (int index = written.imagesWritten; index < count; ++index)
        printProblem(QStringLiteral("left out: %1").arg(pictures.at(index)));
    return ExitStatus::ImagesLeftOut;
}

int writeSplitAlbums(const QString &path, const QStringList &pictures, const std::vector<ImageRecord> &records,
                     const QString &passwordText, bool force)
{
    // Everything is encoded before anything is written: only then are the
    // names known, and all of them are checked before the first is replaced.
    const SplitAlbums split = splitIntoAlbums(records, passwordText);
    if (!split.ok) {
        printProblem(QStringLiteral("%1: %2").arg(path, split.errorString));
        return ExitStatus::WriteFailed;
    }
    const QStringList paths = partPaths(path, split.parts.size());
    if (refuseToOverwrite(paths, force))
        return ExitStatus::WouldOverwrite;

    for (qsizetype part = 0; part < split.parts.size(); ++part) {
        const AlbumPart &album = split.parts.at(part);
        const AlbumWriteResult written = SaveAlbum(paths.at(part), album.encoded);
        if (!written.ok) {
            printProblem(QStringLiteral("%1: %2").arg(paths.at(part), AlbumWriteFailureReason(written)));
            return ExitStatus::WriteFailed;
        }
        printAlbumLine(paths.at(part), written.imagesWritten);
        printPictureLines(pictures, album.firstImage, written.imagesWritten);
    }

    // A longer set from an earlier run would otherwise pass for part of this one.
    const QString stale = partPaths(path, split.parts.size() + 1).constLast();
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
    if (!IsTypedPassword(passwordText))
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

    if (bestFit) {
        const BestFitAlbum chosen = bestFitPictures(pictures, conversion.options, conversion.jobs);
        if (!chosen.problems.isEmpty()) {
            for (const QString &problem : chosen.problems)
                printProblem(problem);
            printProblem(QStringLiteral("nothing was written."));
            return ExitStatus::BadInput;
        }
        if (refuseToOverwrite({path}, parser.isSet(ForceOption)))
            return ExitStatus::WouldOverwrite;
        return writeAlbum(path, pictures, chosen.records, passwordText, chosen.notes);
    }

    const AlbumImages loaded = convertPictures(pictures, conversion.options, conversion.jobs, true);
    if (!loaded.problems.isEmpty()) {
        for (const QString &problem : loaded.problems)
            printProblem(problem);
        printProblem(QStringLiteral("nothing was written."));
        return ExitStatus::BadInput;
    }

    if (parser.isSet(SplitOption))
        return writeSplitAlbums(path, pictures, loaded.records, passwordText, parser.isSet(ForceOption));
    if (refuseToOverwrite({path}, parser.isSet(ForceOption)))
        return ExitStatus::WouldOverwrite;
    return writeAlbum(path, pictures, loaded.records, passwordText);
}
