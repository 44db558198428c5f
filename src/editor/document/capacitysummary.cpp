// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/document/capacitysummary.h"

#include "editor/document/capacitymeter.h"
#include "editor/translationcontexts.h"
#include "language/textlocale.h"
#include "messages/albumtexts.h"

QString CapacityNumber(qint64 value)
{
    return LocaleNumber(value);
}

QString CapacitySummary(const CapacityFigures &figures)
{
    //: %1 is the count with its thousands separators.
    const QString images = CapacityLine::tr("%1 image(s)", nullptr, figures.count).arg(CapacityNumber(figures.count));
    switch (figures.state) {
    case CapacityFigures::State::Measuring:
        //: %1 is "12 images".
        return CapacityLine::tr("%1, measuring...").arg(images);
    case CapacityFigures::State::CannotSave:
        return WarningSign + CapacityLine::tr("Cannot save image %1").arg(ImageLabel(figures.failedImage));
    case CapacityFigures::State::DoesNotFit:
        // Over the limit the limit itself goes: the count that fits, and
        // the bytes they take, are what the line is for.
        return WarningSign
               //: "19 of 25 fit, 81,812 B": images that fit, of the album's, and the bytes they take.
               + CapacityLine::tr("%1 of %2 fit, %3 B")
                     .arg(CapacityNumber(figures.fitting), CapacityNumber(figures.count),
                          CapacityNumber(figures.bytes));
    case CapacityFigures::State::Fits:
        break;
    }
    //: "40,123/81,920 B": the file's bytes of the limit.
    const QString bytes = CapacityLine::tr("%1/%2 B").arg(CapacityNumber(figures.bytes), AlbumSizeLimitText());
    if (figures.bestFit)
        //: "12 best fit, 40,123/81,920 B": 12 images, their greys chosen by best fit.
        return CapacityLine::tr("%1 best fit, %2", nullptr, figures.count).arg(CapacityNumber(figures.count), bytes);
    //: "12 images, 40,123/81,920 B".
    return CapacityLine::tr("%1, %2").arg(images, bytes);
}
