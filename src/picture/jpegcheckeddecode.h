// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "picture/picturetypes.h"

#include <cstdint>
#include <span>

struct CheckedJpeg
{
    enum class Outcome {
        Decoded,     // `picture` holds the picture, as stored (`orientation` not applied)
        Damaged,     // pixel data is missing or unusable: refuse it as IsDamagedJpeg() would
        Unsupported, // `unsupported`: a kind of JPEG libjpeg does not decode
        NotHandled,  // a header not read, a size refused by `scale`, or a colour model with no RGB rendering
    };
    Outcome outcome = Outcome::NotHandled;
    RgbPicture picture;
    PictureSize size; // the full size the header gives, once it was read
    UnsupportedJpeg unsupported = UnsupportedJpeg::Other;
    int orientation = 1; // the EXIF orientation (1 to 8) the file asks for
};

// Decodes a whole JPEG file in one pass that is the damage check too: the
// same warnings that make IsDamagedJpeg() true give Damaged here. Once the
// header is read, `scale` is asked for the reduction at that full size: 1, 2,
// 4 or 8, and anything else leaves the file NotHandled. Grey, YCbCr and RGB
// files come as libjpeg's accurate integer transform and fancy upsampling give
// them; CMYK and YCCK ones as Adobe's inverted CMYK, each channel times K over
// 255, rounded down. The picture is opaque.
CheckedJpeg DecodeCheckedJpeg(std::span<const std::uint8_t> file, const DecodeReduction &scale);
