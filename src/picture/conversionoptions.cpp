// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture/conversionoptions.h"

QStringList PictureFitNames()
{
    return {QStringLiteral("stretch"), QStringLiteral("crop"), QStringLiteral("pad")};
}

QStringList GreyDitherNames()
{
    return {QStringLiteral("none"),    QStringLiteral("floyd-steinberg"), QStringLiteral("atkinson"),
            QStringLiteral("ordered"), QStringLiteral("compact"),         QStringLiteral("compact-diffusion")};
}

QStringList GravityNames()
{
    return {QStringLiteral("center"),    QStringLiteral("north"),     QStringLiteral("south"),
            QStringLiteral("east"),      QStringLiteral("west"),      QStringLiteral("northeast"),
            QStringLiteral("northwest"), QStringLiteral("southeast"), QStringLiteral("southwest")};
}

std::optional<PictureFit> PictureFitFromName(const QString &name)
{
    const qsizetype index = PictureFitNames().indexOf(name);
    if (index < 0)
        return std::nullopt;
    return static_cast<PictureFit>(index);
}

std::optional<GreyDither> GreyDitherFromName(const QString &name)
{
    const qsizetype index = GreyDitherNames().indexOf(name);
    if (index < 0)
        return std::nullopt;
    return static_cast<GreyDither>(index);
}

std::optional<Gravity> GravityFromName(const QString &name)
{
    const qsizetype index = GravityNames().indexOf(name);
    if (index < 0)
        return std::nullopt;
    return static_cast<Gravity>(index);
}
