// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "conversion/albumconversion.h"

#include "conversion/greyreduction.h"
#include "conversion/placement.h"

RgbPicture TurnedPicture(const RgbPicture &picture, int quarterTurns)
{
    const int turns = ((quarterTurns % 4) + 4) % 4;
    if (turns == 0 || picture.isNull())
        return picture;
    const int width = picture.width;
    const int height = picture.height;
    const bool across = turns == 2;
    RgbPicture turned(across ? width : height, across ? height : width, 0, picture.hasAlpha);
    for (int y = 0; y < height; ++y) {
        const Rgb *line = picture.row(y);
        for (int x = 0; x < width; ++x) {
            // Clockwise: the first row becomes the last column.
            int tx = width - 1 - x, ty = height - 1 - y;
            if (turns == 1) {
                tx = height - 1 - y;
                ty = x;
            } else if (turns == 3) {
                tx = y;
                ty = width - 1 - x;
            }
            turned.row(ty)[tx] = line[x];
        }
    }
    return turned;
}

AlbumBitmap ConvertToAlbumBitmap(const RgbPicture &picture, const ConversionOptions &options)
{
    return ReducePlacedSquare(PlaceOnSquare(TurnedPicture(picture, options.quarterTurns), options), options);
}

AlbumBitmap ReducePlacedSquare(AlbumBitmap square, const ConversionOptions &options)
{
    if (options.reducesToGreys())
        ReduceToGreys(square, options);
    return square;
}
