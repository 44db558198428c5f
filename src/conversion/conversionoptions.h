// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <optional>
#include <string_view>

// How a picture becomes a 92 x 92 album image. Every choice's default is the
// plain import: the whole picture stretched over the square,
// nearest-neighbour, colours kept until the album is written.

// Where the picture goes in the square.
enum class PictureFit {
    Stretch, // the whole picture over the whole square, aspect ratio not kept
    Crop,    // aspect kept, covering the square; the overflow is cut as the gravity says
    Pad,     // aspect kept, inside the square, placed on white as the gravity says
};

// Where Crop keeps the picture's square and where Pad puts the picture:
// towards that side or corner, or in the middle.
enum class Gravity {
    Center,
    North,
    South,
    East,
    West,
    NorthEast,
    NorthWest,
    SouthEast,
    SouthWest,
};

// How the picture reaches the seven device greys.
enum class GreyDither {
    None,             // colours kept; the album writer reduces them by the thresholds
    FloydSteinberg,   // error diffusion to four neighbours
    Atkinson,         // error diffusion of three quarters of the error to six neighbours
    Ordered,          // 4 x 4 Bayer matrix
    Compact,          // a light blur, then a pattern that the album's compressor packs tightly
    CompactDiffusion, // a finer compact pattern with part of the error handed on, copying byte runs it can
};

// The renderings `valbum create --best-fit` chooses among, plainest first.
// Measured on real photos (bench/look_vs_size.sh): compact is about as small
// as the plain import and looks better than ordered and Atkinson, which it
// makes redundant; compact diffusion, as small on average, looks better
// still, but compact stays: it is the smaller of the two for some photos, so
// an album that overflows keeps one more picture with it. Floyd-Steinberg
// looks best and costs the most. The plain import stays for drawings and flat
// pictures, which it keeps smallest.
inline constexpr std::array<GreyDither, 4> BestFitRenderings{GreyDither::None, GreyDither::Compact,
                                                             GreyDither::CompactDiffusion, GreyDither::FloydSteinberg};

inline constexpr int ToneLimit = 100; // brightness and contrast run from -ToneLimit to ToneLimit

// A hand-chosen part of a picture, each value a share (0 .. 1) of the
// picture's width or height.
struct CropSquare
{
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;

    bool operator==(const CropSquare &) const = default;
};

struct ConversionOptions
{
    PictureFit fit = PictureFit::Stretch;
    bool smooth = false; // area averaging when shrinking, bilinear when enlarging, instead of the nearest pixel
    GreyDither greys = GreyDither::None;
    int brightness = 0; // -100 (black) .. 100 (white), added to the luminance
    int contrast = 0;   // -100 (flat mid grey) .. 100 (black and white only)
    Gravity gravity = Gravity::Center;
    int quarterTurns = 0; // clockwise, after the orientation tag and before placing; 0 .. 3
    // The square Crop keeps, chosen by hand, instead of the gravity's: in the
    // turned picture's coordinates, 0 .. 1 across its width and height.
    std::optional<CropSquare> cropSquare;

    bool operator==(const ConversionOptions &) const = default;
    // True when the result is in the seven greys already.
    bool reducesToGreys() const { return greys != GreyDither::None || brightness != 0 || contrast != 0; }
};

// The names the command line and the README use, in enum order.
inline constexpr std::array<std::string_view, 3> PictureFitNames{"stretch", "crop", "pad"};
inline constexpr std::array<std::string_view, 6> GreyDitherNames{"none",    "floyd-steinberg", "atkinson",
                                                                 "ordered", "compact",         "compact-diffusion"};
inline constexpr std::array<std::string_view, 9> GravityNames{"center",    "north",     "south",     "east",     "west",
                                                              "northeast", "northwest", "southeast", "southwest"};

// The choice a name stands for, matched exactly; none for any other name.
std::optional<PictureFit> PictureFitFromName(std::string_view name);
std::optional<GreyDither> GreyDitherFromName(std::string_view name);
std::optional<Gravity> GravityFromName(std::string_view name);
