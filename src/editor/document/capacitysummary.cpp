// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/document/capacitysummary.h"

#include "editor/document/capacitymeter.h"
#include "messages/albumtexts.h"

#include <QLocale>

QString CapacityNumber(qint64 value)
{
    return QLocale(QLocale::English, QLocale::UnitedStates).toString(value);
}

QString CapacitySummary(const CapacityFigures &figures)
{
    const QString images =
        figures.count == 1 ? QStringLiteral("1 image") : QStringLiteral("%1 images").arg(CapacityNumber(figures.count));
    switch (figures.state) {
    case CapacityFigures::State::Measuring:
        return QStringLiteral("%1, measuring...").arg(images);
    case CapacityFigures::State::CannotSave:
        return WarningSign + QStringLiteral("Cannot save image %1").arg(ImageLabel(figures.failedImage));
    case CapacityFigures::State::DoesNotFit:
        // Over the limit the limit itself goes: the count that fits, and
        // the bytes they take, are what the line is for.
        return WarningSign
               + QStringLiteral("%1 of %2 fit, %3 B")
                     .arg(CapacityNumber(figures.fitting), CapacityNumber(figures.count),
                          CapacityNumber(figures.bytes));
    case CapacityFigures::State::Fits:
        break;
    }
    const QString bytes = QStringLiteral("%1/%2 B").arg(CapacityNumber(figures.bytes), AlbumSizeLimitText());
    if (figures.bestFit)
        return QStringLiteral("%1 best fit, %2").arg(CapacityNumber(figures.count), bytes);
    return QStringLiteral("%1, %2").arg(images, bytes);
}
