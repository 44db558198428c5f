// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/importarguments.h"
#include "cli/valbumtexts.h"
#include "qtimage/qtconversion.h"

#include <QThread>

#include <algorithm>

namespace {

const QString FitName = QStringLiteral("fit");
const QString SmoothName = QStringLiteral("smooth");
const QString DitherName = QStringLiteral("dither");
const QString BrightnessName = QStringLiteral("brightness");
const QString ContrastName = QStringLiteral("contrast");
const QString JobsName = QStringLiteral("jobs");
const QString VerboseName = QStringLiteral("verbose");
const QString GravityName = QStringLiteral("gravity");
const QString RotateName = QStringLiteral("rotate");
// More workers than this only add memory: each holds one full-size picture.
constexpr int MaxJobs = 64;

// A tone value, or nothing when the text is not a whole number in range.
std::optional<int> toneValue(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < -ToneLimit || value > ToneLimit)
        return std::nullopt;
    return value;
}

QString choices(const QStringList &names)
{
    return names.join(QLatin1Char('|'));
}

} // namespace

QList<QCommandLineOption> importCommandOptions()
{
    return {
        QCommandLineOption(FitName,
                           Valbum::tr("stretch (default): the whole picture over the square; crop: aspect kept, "
                                      "the overflow cut off; pad: aspect kept, white around it."),
                           QStringLiteral("FIT")),
        QCommandLineOption(SmoothName, Valbum::tr("Average pixels when shrinking, so thin lines and small text "
                                                  "survive (default: keep the nearest pixel).")),
        QCommandLineOption(
            DitherName,
            Valbum::tr("none (default): plain thresholds; floyd-steinberg, atkinson: finest "
                       "shading, large records; ordered: even pattern; compact: shading for photos in records as "
                       "small as none's; compact-diffusion: finer shading for photos in records about as small."),
            QStringLiteral("DITHER")),
        QCommandLineOption(BrightnessName,
                           Valbum::tr("-100 to 100 (default 0): added to each pixel's grey; lifts a dark photo."),
                           QStringLiteral("N")),
        QCommandLineOption(ContrastName,
                           Valbum::tr("-100 to 100 (default 0): spreads the greys apart (more) or together "
                                      "(less)."),
                           QStringLiteral("N")),
        QCommandLineOption(GravityName,
                           Valbum::tr("With crop, which part is kept; with pad, where the picture goes: "
                                      "center (default), north, south, east, west, northeast, northwest, "
                                      "southeast or southwest."),
                           QStringLiteral("GRAVITY")),
        QCommandLineOption(RotateName,
                           Valbum::tr("90, 180 or 270: turn the picture clockwise, after its orientation tag."),
                           QStringLiteral("DEGREES")),
        QCommandLineOption(JobsName,
                           Valbum::tr("Pictures brought in at once (default: one per processor); 1 for one at "
                                      "a time. The output is the same."),
                           QStringLiteral("N")),
        QCommandLineOption(VerboseName, Valbum::tr("Also show what the picture libraries warn of, as "
                                                   "\"valbum: PICTURE: warning: ...\".")),
    };
}

ImportArguments importArguments(const QCommandLineParser &parser)
{
    ImportArguments result;
    const auto bad = [&](const QString &name, const QString &expected) {
        //: "--fit takes stretch|crop|pad, not "x"."
        result.problem = Valbum::tr("--%1 takes %2, not \"%3\".").arg(name, expected, parser.value(name));
        return result;
    };

    if (parser.isSet(FitName)) {
        const auto fit = PictureFitFromName(parser.value(FitName).toStdString());
        if (!fit)
            return bad(FitName, choices(NameList(PictureFitNames)));
        result.options.fit = *fit;
    }
    result.options.smooth = parser.isSet(SmoothName);
    if (parser.isSet(DitherName)) {
        const auto greys = GreyDitherFromName(parser.value(DitherName).toStdString());
        if (!greys)
            return bad(DitherName, choices(NameList(GreyDitherNames)));
        result.options.greys = *greys;
    }
    if (parser.isSet(GravityName)) {
        const auto gravity = GravityFromName(parser.value(GravityName).toStdString());
        if (!gravity)
            return bad(GravityName, choices(NameList(GravityNames)));
        result.options.gravity = *gravity;
    }
    if (parser.isSet(RotateName)) {
        const QString degrees = parser.value(RotateName);
        const qsizetype turns =
            QStringList{QStringLiteral("90"), QStringLiteral("180"), QStringLiteral("270")}.indexOf(degrees);
        if (turns < 0)
            return bad(RotateName, QStringLiteral("90|180|270"));
        result.options.quarterTurns = int(turns) + 1;
    }
    for (const QString &name : {BrightnessName, ContrastName}) {
        if (!parser.isSet(name))
            continue;
        const auto value = toneValue(parser.value(name));
        if (!value)
            return bad(name, Valbum::tr("a whole number from -100 to 100"));
        (name == BrightnessName ? result.options.brightness : result.options.contrast) = *value;
    }
    result.verbose = parser.isSet(VerboseName);
    result.jobs = std::clamp(QThread::idealThreadCount(), 1, MaxJobs);
    if (parser.isSet(JobsName)) {
        bool ok = false;
        result.jobs = parser.value(JobsName).toInt(&ok);
        if (!ok || result.jobs < 1 || result.jobs > MaxJobs)
            return bad(JobsName, Valbum::tr("a whole number from 1 to %1").arg(MaxJobs));
    }
    return result;
}
