// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "album/password.h"
#include "albumfile/albumfile.h"
#include "cli/albumimages.h"
#include "cli/albuminput.h"
#include "cli/commandline.h"
#include "cli/commands.h"
#include "cli/console.h"
#include "cli/exitstatus.h"
#include "cli/interruption.h"
#include "cli/outputfiles.h"
#include "cli/progressline.h"
#include "cli/valbumtexts.h"
#include "messages/albumtexts.h"
#include "qtimage/albumbitmap.h"

#include <vector>

namespace {

CommandSyntax appendSyntax()
{
    return {.name = QStringLiteral("append"),
            .arguments = QStringLiteral("TARGET.valbum SOURCE.valbum..."),
            .description = Valbum::tr("Adds the images of the source albums, in order, after the target's own and\n"
                                      "saves the target in place, keeping its password; a failed save leaves it as it\n"
                                      "was. Images past the %1-byte limit are left out and named (exit status 3).\n"
                                      "If any album cannot be read whole, nothing is written (exit status 2).")
                               .arg(AlbumSizeLimit),
            .options = {quietOption()},
            .minArguments = 2};
}

// Where an image of the combined album came from, to name it when it is left out.
struct ImageOrigin
{
    QString album;
    int index = 0;
};

} // namespace

int runAppend(const QStringList &words)
{
    QCommandLineParser parser;
    if (const auto stop = parseCommand(parser, appendSyntax(), words))
        return *stop;

    setQuiet(parser.isSet(quietOption()));
    const QStringList paths = parser.positionalArguments();
    std::vector<AlbumInput> inputs;
    inputs.reserve(static_cast<std::size_t>(paths.size()));
    bool allRead = true;
    for (const QString &path : paths) {
        inputs.push_back(readAlbumInput(path));
        for (const QString &problem : inputs.back().problems)
            printProblem(problem);
        allRead = allRead && inputs.back().complete();
    }
    // Saving what could be read of a damaged target would throw its damaged
    // rest away, and a damaged source would go in short.
    if (!allRead) {
        printProblem(Valbum::tr("nothing was written."));
        return ExitStatus::BadInput;
    }

    const QString &targetPath = paths.constFirst();
    const AlbumFileContents &target = inputs.front().contents;
    // Every image as (album, record), decoded only when its record is made.
    std::vector<std::pair<const AlbumFileContents *, std::size_t>> images;
    for (std::size_t index = 0; index < target.records.size(); ++index)
        images.emplace_back(&target, index);
    const std::string passwordText = PasswordTextFromStored(target.password);
    const int targetCount = static_cast<int>(images.size());
    std::vector<ImageOrigin> origins;
    for (std::size_t source = 1; source < inputs.size(); ++source) {
        const AlbumFileContents &sourceAlbum = inputs.at(source).contents;
        for (std::size_t index = 0; index < sourceAlbum.records.size(); ++index) {
            images.emplace_back(&sourceAlbum, index);
            origins.push_back({inputs.at(source).path, static_cast<int>(index)});
        }
    }

    // Encoded here, not by the save call, so that a target too full to keep its
    // own images is found before it is touched. The bytes are the ones the
    // editor's save writes for this album.
    ProgressLine progress(qint64(images.size()),
                          Valbum::tr("images recompressed", nullptr, ProgressCount(images.size())));
    const AlbumWriteResult encoded = EncodeAlbumRecords(
        static_cast<int>(images.size()),
        [&images, &progress](int index) {
            const auto &[album, record] = images.at(static_cast<std::size_t>(index));
            ImageRecord recompressed = RecompressedRecord(*album, record);
            progress.advance(index + 1);
            return recompressed;
        },
        passwordText);
    progress.finish();
    if (!encoded.ok) {
        printProblem(QStringLiteral("%1: %2").arg(targetPath, AlbumWriteFailureReason(encoded)));
        return ExitStatus::WriteFailed;
    }
    if (encoded.imagesWritten < targetCount) {
        printProblem(Valbum::tr("%1: its own images no longer fit in %2 bytes; nothing was written.")
                         .arg(targetPath, QString::number(AlbumSizeLimit)));
        return ExitStatus::BadInput;
    }
    // An interruption waits for the save: the target is replaced whole or not at all.
    const auto hold = holdOffInterruption();
    if (const AlbumWriteResult saved = SaveAlbum(targetPath, encoded); !saved.ok) {
        printProblem(QStringLiteral("%1: %2").arg(targetPath, AlbumWriteFailureReason(saved)));
        return ExitStatus::WriteFailed;
    }

    printLine(QStringLiteral("%1 (%2, %3 bytes)")
                  .arg(targetPath, ImageCount(encoded.imagesWritten), QString::number(encoded.bytes.size())));
    const int appended = encoded.imagesWritten - targetCount;
    for (int index = 0; index < appended; ++index) {
        const ImageOrigin &origin = origins.at(static_cast<std::size_t>(index));
        printLine(
            QStringLiteral("%1 %2 %3").arg(ImageLabel(targetCount + index), origin.album, ImageLabel(origin.index)));
    }
    if (appended == static_cast<int>(origins.size()))
        return ExitStatus::Ok;

    //: %1 is "ALBUM is full (81920 bytes at most)"; "image(s)" stays as it is in English.
    printProblem(Valbum::tr("%1; %n image(s) left out:", nullptr, int(origins.size()) - appended)
                     .arg(AlbumFullClause(targetPath)));
    for (std::size_t index = static_cast<std::size_t>(appended); index < origins.size(); ++index)
        printProblem(Valbum::tr("left out: %1 %2").arg(origins.at(index).album, ImageLabel(origins.at(index).index)));
    return ExitStatus::ImagesLeftOut;
}
