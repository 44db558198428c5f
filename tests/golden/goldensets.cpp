// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "goldensets.h"

#include <array>
#include <cstdio>

namespace {

using enum PictureFit;
using enum Gravity;
using enum GreyDither;

// Every set without smoothing gives the album today's valbum create wrote
// (or, for the crop squares, today's import) from the same pixels as
// lossless PNGs; smoothing was rewritten in whole numbers, and its albums
// come from that code. Gravities are chosen where they move something:
// across for crop and down for pad with the landscape pictures, the other
// way once turned.
const std::array Sets{
    GoldenSet{"default", "", {}, false, 1, "acdc287756838f8771c1382162fadf1e7433713e864a3e2708c525efdf4e718f"},
    GoldenSet{"smooth",
              "--smooth",
              {.smooth = true},
              false,
              1,
              "6a6a4acdd066935769ffd3496e3c2f6b941d63a6b82fe5f0ae6b35bba1bc0135"},
    GoldenSet{"crop",
              "--fit crop",
              {.fit = Crop},
              false,
              1,
              "3f8f52bd35609f18e58be552ded08f9615b5a81cd0882d717365bd2ba6657100"},
    GoldenSet{"crop-west",
              "--fit crop --gravity west",
              {.fit = Crop, .gravity = West},
              false,
              1,
              "25abd8c379cebb9a03d22200e3c887e889ca50402e4c82d79db8b8de08e169b8"},
    GoldenSet{"crop-southeast",
              "--fit crop --gravity southeast",
              {.fit = Crop, .gravity = SouthEast},
              false,
              1,
              "cd00d9fe37fce34d1d52885cb60599f5aa9c640c16243c4cfc8097d50d0316b5"},
    GoldenSet{
        "pad", "--fit pad", {.fit = Pad}, false, 1, "ad447ffe94551d346ee0e073d3ea80f11f240adcc6f8ec4972576cea8f3d923c"},
    GoldenSet{"pad-south",
              "--fit pad --gravity south",
              {.fit = Pad, .gravity = South},
              false,
              1,
              "93d6bad8a6b08f25be4da33716dd4b48f5b58ea1144c0d7337002afaddbf23b7"},
    GoldenSet{"pad-northwest",
              "--fit pad --gravity northwest",
              {.fit = Pad, .gravity = NorthWest},
              false,
              1,
              "a9c856342281eb420cd0d8a5d132f2062db31642b2e10baae98e7e8a4ec4ef1f"},
    GoldenSet{"crop-square",
              std::nullopt,
              {.fit = Crop, .cropSquare = CropSquare{0.25, 0.1, 0.5, 0.6}},
              false,
              1,
              "952fc6c25ac74dde26eff379643d68f4ff4bd87e5c7d041d9609818f8bfb1f7e"},
    GoldenSet{"crop-square-turn-90",
              std::nullopt,
              {.fit = Crop, .quarterTurns = 1, .cropSquare = CropSquare{0.6, 0.05, 0.35, 0.9}},
              false,
              1,
              "017185e208e51b466f13f35b95517408b097c1b43ae9376e3c06b47fa0c750c2"},
    GoldenSet{"turn-90",
              "--rotate 90",
              {.quarterTurns = 1},
              false,
              1,
              "9f4149fa158d499200d3c63b5628109a9476f13b8833751d37e724042a8dbca9"},
    GoldenSet{"turn-180",
              "--rotate 180",
              {.quarterTurns = 2},
              false,
              1,
              "5cf46fbf7c80e636cf24a7a6308f17f242ba5c98e1f373d3ee37679fe54590fa"},
    GoldenSet{"turn-270",
              "--rotate 270",
              {.quarterTurns = 3},
              false,
              1,
              "06aeb18b3355e67ff7a8deeb91dfa43c81b861840110105f5b85d0de138aa853"},
    GoldenSet{"floyd-steinberg",
              "--dither floyd-steinberg",
              {.greys = FloydSteinberg},
              false,
              1,
              "4f4ba6087f854baeaed8be6757f5af886a0027abcde096487ebebccf7eade768"},
    GoldenSet{"atkinson",
              "--dither atkinson",
              {.greys = Atkinson},
              false,
              1,
              "5902e6b3a3b9176b23f2cf39b4ff251e2348470a5754dba8038db7bd5fe9d3c4"},
    GoldenSet{"ordered",
              "--dither ordered",
              {.greys = Ordered},
              false,
              1,
              "4ed4760f0a8a6affa89fdf3d70f4db27ed9dc574e29db5974bd1acce78cd6baa"},
    GoldenSet{"compact",
              "--dither compact",
              {.greys = Compact},
              false,
              1,
              "377fbf06aa81e3b1affb3e7931a8da834de6e4c221ef70245392ee621fc2f6ca"},
    GoldenSet{"compact-diffusion",
              "--dither compact-diffusion",
              {.greys = CompactDiffusion},
              false,
              1,
              "53b23272e441c02dec9a7b20c34b337278def9432307c658a796e4de112e8411"},
    GoldenSet{"brightness",
              "--brightness 35",
              {.brightness = 35},
              false,
              1,
              "76bd43fa9ecc3b1acc05780813388b47fd824969431b8191836460b9b3bc0db0"},
    GoldenSet{"contrast",
              "--contrast 40",
              {.contrast = 40},
              false,
              1,
              "35f87994ec8a90c64e1e1f3bc0b56c0eaac4edc44cb8b35c771103247ec127fe"},
    GoldenSet{"darker-flatter",
              "--brightness -25 --contrast -30",
              {.brightness = -25, .contrast = -30},
              false,
              1,
              "fc695d93c729e9f800cf3605d471d3f2c4e72bbb200131779717747d6a6c87e4"},
    GoldenSet{"crop-north-turn-90-atkinson",
              "--fit crop --gravity north --rotate 90 --dither atkinson",
              {.fit = Crop, .greys = Atkinson, .gravity = North, .quarterTurns = 1},
              false,
              1,
              "42060a2230b78088288974eec0bf369c8c779f60213d9e2e0809d88ffbefb101"},
    GoldenSet{"pad-east-turn-270-compact-lighter",
              "--fit pad --gravity east --rotate 270 --dither compact --brightness 20",
              {.fit = Pad, .greys = Compact, .brightness = 20, .gravity = East, .quarterTurns = 3},
              false,
              1,
              "e290aaff878a74b95762f2fbe7a8d28eacd57e086e18ebf61bd3b3f3e96a56d6"},
    GoldenSet{"smooth-crop-floyd-steinberg",
              "--smooth --fit crop --dither floyd-steinberg",
              {.fit = Crop, .smooth = true, .greys = FloydSteinberg},
              false,
              1,
              "7d3c6ee682d360e836c45ee30868fa64d6579fb7c0bcdadbb465253e22fc6134"},
    GoldenSet{
        "best-fit", "--best-fit", {}, true, 8, "2b6e0f303e23777a3971ad8301cf58fe4e25efc5506282c92e37393a30bec600"},
    GoldenSet{"best-fit-crop-southwest-turn-180",
              "--best-fit --fit crop --gravity southwest --rotate 180",
              {.fit = Crop, .gravity = SouthWest, .quarterTurns = 2},
              true,
              8,
              "ea814abe7bf16edac7d89dce3a4639c48130b6d79d395f1720be484ec70f12ac"},
    GoldenSet{"best-fit-pad-contrast",
              "--best-fit --fit pad --contrast 25",
              {.fit = Pad, .contrast = 25},
              true,
              9,
              "ae1f0759093c1c2973c48a3268d06cc9aced83693c259debd401c13fda899a11"},
    GoldenSet{"smooth-pad-best-fit",
              "--smooth --fit pad --best-fit",
              {.fit = Pad, .smooth = true},
              true,
              9,
              "3749dea00ccf1cb2b3d0a1c5d79fb2a79b457a0a832d5bf92aee58d5f676362b"},
};

} // namespace

std::span<const GoldenSet> GoldenSets()
{
    return Sets;
}

std::string GoldenSetLines()
{
    std::string lines;
    for (const GoldenSet &set : Sets) {
        lines.append(set.name).append("\t").append(std::to_string(set.repeats)).append("\t").append(set.sha256);
        lines.append("\t").append(set.createArguments.value_or("-"));
        lines.append("\n");
    }
    return lines;
}

namespace {

std::string Share(double value)
{
    // As many digits as give the same double back.
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%.17g", value);
    return text.data();
}

std::string ChoicesText(const ConversionOptions &options)
{
    std::string text = "fit=" + std::string(PictureFitNames[static_cast<std::size_t>(options.fit)]);
    text += " gravity=" + std::string(GravityNames[static_cast<std::size_t>(options.gravity)]);
    text += options.smooth ? " smooth=1" : " smooth=0";
    text += " greys=" + std::string(GreyDitherNames[static_cast<std::size_t>(options.greys)]);
    text += " brightness=" + std::to_string(options.brightness);
    text += " contrast=" + std::to_string(options.contrast);
    text += " turns=" + std::to_string(options.quarterTurns);
    if (options.cropSquare) {
        const CropSquare &square = *options.cropSquare;
        text +=
            " crop=" + Share(square.x) + "," + Share(square.y) + "," + Share(square.width) + "," + Share(square.height);
    }
    return text;
}

} // namespace

std::string GoldenSetChoiceLines()
{
    std::string lines;
    for (const GoldenSet &set : Sets) {
        lines.append(set.name).append("\t").append(std::to_string(set.repeats));
        lines.append(set.bestFit ? "\t1\t" : "\t0\t").append(set.sha256);
        lines.append("\t").append(ChoicesText(set.options)).append("\n");
    }
    return lines;
}
