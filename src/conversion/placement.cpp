// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "conversion/placement.h"

#include "conversion/nearestsampling.h"
#include "conversion/smoothscaling.h"
#include "conversion/whiteblend.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr Rgb OpaqueWhite = 0xFFFFFFFFu;
constexpr Rgb OpaqueAlpha = 0xFF000000u;

// Where `length` goes in `room`: at the start, the end or halfway, as the
// gravity leans along that axis (-1 start, 1 end, 0 middle).
int leaning(int room, int length, int lean)
{
    return lean < 0 ? 0 : lean > 0 ? room - length : (room - length) / 2;
}

int horizontalLean(Gravity gravity)
{
    switch (gravity) {
    case Gravity::West:
    case Gravity::NorthWest:
    case Gravity::SouthWest:
        return -1;
    case Gravity::East:
    case Gravity::NorthEast:
    case Gravity::SouthEast:
        return 1;
    default:
        return 0;
    }
}

int verticalLean(Gravity gravity)
{
    switch (gravity) {
    case Gravity::North:
    case Gravity::NorthEast:
    case Gravity::NorthWest:
        return -1;
    case Gravity::South:
    case Gravity::SouthEast:
    case Gravity::SouthWest:
        return 1;
    default:
        return 0;
    }
}

// A hand-chosen square in pixels: as large as its shares allow in both
// directions, at least one pixel, moved inside the picture. One product and
// one rounding each, so every machine gives the same square.
PixelRect chosenSquare(int width, int height, const CropSquare &chosen)
{
    const int side = std::clamp(static_cast<int>(std::lround(std::min(chosen.width * width, chosen.height * height))),
                                1, std::min(width, height));
    const int left = std::clamp(static_cast<int>(std::lround(chosen.x * width)), 0, width - side);
    const int top = std::clamp(static_cast<int>(std::lround(chosen.y * height)), 0, height - side);
    return {left, top, side, side};
}

// The picture's part with every pixel over white, as smoothing starts from it.
RgbPicture opaqueRegion(const RgbPicture &picture, const PixelRect &region)
{
    RgbPicture opaque(region.width, region.height);
    for (int y = 0; y < region.height; ++y) {
        const Rgb *from = picture.row(region.y + y) + region.x;
        Rgb *to = opaque.row(y);
        for (int x = 0; x < region.width; ++x)
            to[x] = picture.hasAlpha ? OnWhite(from[x]) : from[x] | OpaqueAlpha;
    }
    return opaque;
}

void placeNearest(const RgbPicture &picture, const Placement &place, AlbumBitmap &square)
{
    const auto across =
        NearestPicks({picture.width, place.source.x, place.source.width, place.target.x, place.target.width});
    const auto down =
        NearestPicks({picture.height, place.source.y, place.source.height, place.target.y, place.target.height});
    const bool onePixel = place.source.width == 1 && place.source.height == 1;
    for (int y = 0; y < AlbumImageSide; ++y) {
        if (down[static_cast<std::size_t>(y)] == NoPick)
            continue;
        const Rgb *line = picture.row(down[static_cast<std::size_t>(y)]);
        Rgb *out = square.pixels.data() + static_cast<std::size_t>(y) * AlbumImageSide;
        for (int x = 0; x < AlbumImageSide; ++x) {
            const int pick = across[static_cast<std::size_t>(x)];
            if (pick == NoPick)
                continue;
            const Rgb pixel = line[pick];
            out[x] = !picture.hasAlpha ? pixel | OpaqueAlpha : onePixel ? OnePixelOnWhite(pixel) : OnWhite(pixel);
        }
    }
}

bool wellFormed(const RgbPicture &picture)
{
    return picture.width > 0 && picture.height > 0
           && picture.pixels.size()
                  == static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height);
}

} // namespace

Placement PlacementOf(int width, int height, const ConversionOptions &options)
{
    const PixelRect square{0, 0, AlbumImageSide, AlbumImageSide};
    const PixelRect whole{0, 0, width, height};
    const int across = horizontalLean(options.gravity);
    const int down = verticalLean(options.gravity);
    switch (options.fit) {
    case PictureFit::Stretch:
        break;
    case PictureFit::Crop: {
        if (options.cropSquare && width > 0 && height > 0)
            return {chosenSquare(width, height, *options.cropSquare), square};
        const int side = std::min(width, height);
        return {{leaning(width, side, across), leaning(height, side, down), side, side}, square};
    }
    case PictureFit::Pad: {
        // The long side fills the square; the short one keeps the ratio, rounded, at least one pixel.
        const int longSide = std::max(width, height);
        if (longSide <= 0)
            return {whole, square};
        const int shortSide =
            std::max(1, static_cast<int>((2 * std::int64_t{AlbumImageSide} * std::min(width, height) + longSide)
                                         / (2 * longSide)));
        return {whole, width >= height
                           ? PixelRect{0, leaning(AlbumImageSide, shortSide, down), AlbumImageSide, shortSide}
                           : PixelRect{leaning(AlbumImageSide, shortSide, across), 0, shortSide, AlbumImageSide}};
    }
    }
    return {whole, square};
}

PixelRect PlacementSource(int width, int height, const ConversionOptions &options)
{
    return PlacementOf(width, height, options).source;
}

AlbumBitmap PlaceOnSquare(const RgbPicture &turned, const ConversionOptions &options)
{
    AlbumBitmap square;
    square.pixels.fill(OpaqueWhite);
    if (!wellFormed(turned))
        return square;
    const Placement place = PlacementOf(turned.width, turned.height, options);
    if (place.source.isEmpty() || place.target.isEmpty())
        return square;
    if (options.smooth)
        SmoothOnto(opaqueRegion(turned, place.source), square, place.target);
    else
        placeNearest(turned, place, square);
    return square;
}

int ReducedDecodeScale(int width, int height, const ConversionOptions &options)
{
    if (width <= 0 || height <= 0)
        return 1;
    const PictureFit fit = options.fit;
    int extent = fit == PictureFit::Pad ? std::max(width, height) : std::min(width, height);
    if (fit == PictureFit::Crop && options.cropSquare) {
        // The size comes before any turn, so which side is which is unknown:
        // the smaller share of the shorter side is never more than the square.
        const CropSquare &chosen = *options.cropSquare;
        extent = static_cast<int>(std::min(chosen.width, chosen.height) * extent);
    }
    for (int scale : {8, 4, 2})
        if (extent / scale >= AlbumImageSide)
            return scale;
    return 1;
}
