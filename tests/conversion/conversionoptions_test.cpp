// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "conversion/conversionoptions.h"

#include <gtest/gtest.h>

namespace {

// Every name gives back its own choice, in enum order; anything else none.
TEST(ConversionOptions, NamesRoundTrip)
{
    for (std::size_t i = 0; i < PictureFitNames.size(); ++i)
        EXPECT_EQ(PictureFitFromName(PictureFitNames[i]), static_cast<PictureFit>(i)) << PictureFitNames[i];
    for (std::size_t i = 0; i < GreyDitherNames.size(); ++i)
        EXPECT_EQ(GreyDitherFromName(GreyDitherNames[i]), static_cast<GreyDither>(i)) << GreyDitherNames[i];
    for (std::size_t i = 0; i < GravityNames.size(); ++i)
        EXPECT_EQ(GravityFromName(GravityNames[i]), static_cast<Gravity>(i)) << GravityNames[i];
    for (std::string_view unknown : {"", "Crop", "crop ", "compact_diffusion", "centre"}) {
        EXPECT_FALSE(PictureFitFromName(unknown)) << unknown;
        EXPECT_FALSE(GreyDitherFromName(unknown)) << unknown;
        EXPECT_FALSE(GravityFromName(unknown)) << unknown;
    }
    EXPECT_EQ(GreyDitherFromName("compact-diffusion"), GreyDither::CompactDiffusion);
    EXPECT_EQ(GravityFromName("southwest"), Gravity::SouthWest);
}

TEST(ConversionOptions, OnlyToneAndDithersReduceToGreys)
{
    ConversionOptions options;
    EXPECT_FALSE(options.reducesToGreys());
    options.smooth = true;
    options.fit = PictureFit::Pad;
    EXPECT_FALSE(options.reducesToGreys());
    for (auto change : {+[](ConversionOptions &o) { o.brightness = 1; }, +[](ConversionOptions &o) { o.contrast = -1; },
                        +[](ConversionOptions &o) { o.greys = GreyDither::Ordered; }}) {
        ConversionOptions changed;
        change(changed);
        EXPECT_TRUE(changed.reducesToGreys());
    }
}

} // namespace
