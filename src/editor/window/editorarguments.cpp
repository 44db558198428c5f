// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/window/editorarguments.h"

#include "editor/translationcontexts.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <array>

namespace {

// QGuiApplication and QApplication take these from the command line, with one
// or two dashes; the first group takes a value as the next word.
constexpr std::array QtOptionsWithValue{
    "platform",    "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
    "qwindowicon", "qwindowtitle",       "session",       "style",  "stylesheet",
    "display",     "geometry",           "title",         "name",   "qmljsdebugger",
    "visual"};
constexpr std::array QtFlags{"reverse", "widgetcount", "nograb", "dograb", "sync"};

template <std::size_t N>
bool contains(const std::array<const char *, N> &names, const QString &name)
{
    return std::any_of(names.begin(), names.end(), [&name](const char *each) { return name == QLatin1String(each); });
}

// "--style=fusion" and "-style fusion" both name "style"; the value may follow
// an equals sign.
QString optionName(const QString &word)
{
    QString name = word.mid(word.startsWith(QLatin1String("--")) ? 2 : 1);
    return name.left(name.indexOf(QLatin1Char('=')));
}

EditorArguments mistake(const QString &problem)
{
    EditorArguments result;
    result.exitStatus = EditorUsageStatus;
    result.problem = QStringLiteral("valbum-editor: %1\n%2").arg(problem, EditorUsage());
    return result;
}

} // namespace

QString EditorUsage()
{
    //: The options' names stay as they are; keep their column.
    return EditorCommandLine::tr("Usage: valbum-editor [OPTIONS] [ALBUM.valbum]\n\n"
                                 "Opens the photo album editor; with ALBUM, opens that album as Load Album does.\n\n"
                                 "Options:\n"
                                 "  -h, --help  Show this help.\n"
                                 "  --version   Show the program's version.\n"
                                 "Qt's own options (-style, -platform, ...) are passed on to Qt.\n");
}

EditorArguments ParseEditorArguments(const QStringList &words)
{
    EditorArguments result;
    QStringList albums;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QString &word = words.at(i);
        if (optionsEnded || !word.startsWith(QLatin1Char('-')) || word == QLatin1String("-")) {
            albums.append(word);
            continue;
        }
        if (word == QLatin1String("--")) {
            optionsEnded = true;
        } else if (word == QLatin1String("-h") || word == QLatin1String("--help")) {
            result.exitStatus = 0;
            result.output = EditorUsage();
            return result;
        } else if (word == QLatin1String("--version")) {
            result.exitStatus = 0;
            result.output = QStringLiteral("valbum-editor " VALBUM_VERSION "\n");
            return result;
        } else if (const QString name = optionName(word); contains(QtOptionsWithValue, name)) {
            if (!word.contains(QLatin1Char('=')) && ++i == words.size())
                return mistake(EditorCommandLine::tr("option %1 needs a value.").arg(word));
        } else if (!contains(QtFlags, name)) {
            return mistake(EditorCommandLine::tr("unknown option %1.").arg(word));
        }
    }
    if (albums.size() > 1)
        return mistake(EditorCommandLine::tr("only one album can be opened at a time."));
    if (!albums.isEmpty())
        result.albumPath = QFileInfo(albums.constFirst()).absoluteFilePath();
    return result;
}

EditorArguments ParseEditorArguments(int argc, const char *const *argv)
{
    QStringList words;
    for (int i = 1; i < argc; ++i)
        words.append(QFile::decodeName(argv[i]));
    return ParseEditorArguments(words);
}
