// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "album/password.h"
#include "cli/albuminput.h"
#include "cli/commandline.h"
#include "cli/commands.h"
#include "cli/console.h"
#include "cli/exitstatus.h"
#include "cli/valbumtexts.h"
#include "messages/albumtexts.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace {

// Made before any language is chosen: the help translates its description.
const QCommandLineOption
    JsonOption(QStringLiteral("json"),
               QString::fromUtf8(QT_TRANSLATE_NOOP("Valbum", "Print one JSON object instead of text.")));

CommandSyntax listSyntax()
{
    const QStringList kinds = readStopKeys();
    return {.name = QStringLiteral("list"),
            .arguments = QStringLiteral("ALBUM.valbum"),
            .description =
                //: The JSON keys and kinds stay as they are: scripts read them.
            Valbum::tr("Shows the album's password (or \"none\"), its number of images, each record's\n"
                       "offset and compressed size, and the bytes left under the %1-byte limit.\n"
                       "A damaged album is listed up to the damage, which is then reported (exit status 2).\n"
                       "JSON keys: password (empty when none), images, records ([{offset, size}]), bytes_free,\n"
                       "and for a damaged album only, damage ({offset, kind, message}): offset is the first\n"
                       "byte not read, message the line printed on standard error, and kind one of\n"
                       "  %2,\n"
                       "  %3.\n"
                       "A file that cannot be opened or is not an album gives only error ({kind, message}):\n"
                       "kind is cannot_open or not_an_album, message the line printed on standard error.")
                .arg(AlbumSizeLimit)
                .arg(kinds.mid(0, 3).join(QStringLiteral(", ")), kinds.mid(3).join(QStringLiteral(", "))),
            .options = {JsonOption},
            .minArguments = 1,
            .maxArguments = 1};
}

qint64 bytesFree(const AlbumInput &input)
{
    return std::max<qint64>(0, AlbumSizeLimit - input.contents.fileSize);
}

void printJson(const AlbumInput &input)
{
    QJsonArray records;
    for (const RecordLocation &record : input.contents.records)
        records.append(QJsonObject{{QStringLiteral("offset"), static_cast<qint64>(record.offset)},
                                   {QStringLiteral("size"), record.payloadSize}});
    QJsonObject album{
        {QStringLiteral("password"), QString::fromStdString(PasswordTextFromStored(input.contents.password))},
        {QStringLiteral("images"), static_cast<qint64>(input.contents.records.size())},
        {QStringLiteral("records"), records},
        {QStringLiteral("bytes_free"), bytesFree(input)},
    };
    // A script must tell a damaged album from a whole one without reading
    // standard error; the key is absent when the album was read to its end.
    if (!input.damage.isEmpty())
        album.insert(QStringLiteral("damage"),
                     QJsonObject{{QStringLiteral("offset"), static_cast<qint64>(input.contents.stopOffset)},
                                 {QStringLiteral("kind"), readStopKey(input.contents.stop)},
                                 {QStringLiteral("message"), input.damage}});
    printLine(QString::fromUtf8(QJsonDocument(album).toJson(QJsonDocument::Indented)).trimmed());
}

// A script reading the output gets JSON whatever the file was.
void printJsonFailure(const AlbumInput &input)
{
    const QJsonObject failure{
        {QStringLiteral("error"), QJsonObject{{QStringLiteral("kind"), input.failureKind},
                                              {QStringLiteral("message"), input.problems.value(0)}}}};
    printLine(QString::fromUtf8(QJsonDocument(failure).toJson(QJsonDocument::Indented)).trimmed());
}

void printText(const AlbumInput &input)
{
    const std::uint32_t stored = input.contents.password;
    QString password = QString::fromStdString(PasswordTextFromStored(stored));
    // The editor shows such a value as no password, and saving from it drops it.
    if (password.isEmpty())
        password = stored == 0 ? QStringLiteral("none")
                               : QStringLiteral("none (the file holds %1, more than eight digits)").arg(stored);
    printLine(QStringLiteral("password: %1").arg(password));
    printLine(QStringLiteral("images: %1").arg(input.contents.records.size()));
    for (std::size_t index = 0; index < input.contents.records.size(); ++index) {
        const RecordLocation &record = input.contents.records.at(index);
        printLine(QStringLiteral("%1  offset %2  size %3")
                      .arg(ImageLabel(static_cast<int>(index)), QString::number(record.offset).rightJustified(5),
                           QString::number(record.payloadSize).rightJustified(4)));
    }
    printLine(QStringLiteral("bytes free: %1").arg(bytesFree(input)));
}

} // namespace

int runList(const QStringList &words)
{
    QCommandLineParser parser;
    if (const auto stop = parseCommand(parser, listSyntax(), words))
        return *stop;

    const AlbumInput input = readAlbumInput(parser.positionalArguments().constFirst());
    if (parser.isSet(JsonOption))
        input.opened() ? printJson(input) : printJsonFailure(input);
    else if (input.opened())
        printText(input);
    for (const QString &problem : input.problems)
        printProblem(problem);
    return input.complete() ? ExitStatus::Ok : ExitStatus::BadInput;
}
