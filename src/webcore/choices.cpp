// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "webcore/choices.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <vector>

namespace {

std::optional<int> WholeNumber(std::string_view text, int lowest, int highest)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || value < lowest || value > highest)
        return std::nullopt;
    return value;
}

// A share from 0 to 1. libc++ 13 has no from_chars for doubles; strtod reads
// the C locale's decimal point, the only locale a WebAssembly module has.
std::optional<double> Share(std::string_view text)
{
    if (text.empty() || text.size() > 40)
        return std::nullopt;
    const std::string copy(text);
    char *end = nullptr;
    const double value = std::strtod(copy.c_str(), &end);
    if (end != copy.c_str() + copy.size() || !std::isfinite(value) || value < 0 || value > 1)
        return std::nullopt;
    return value;
}

std::optional<CropSquare> CropOf(std::string_view text)
{
    std::vector<double> values;
    while (values.size() < 4) {
        const std::size_t comma = text.find(',');
        const std::optional<double> value = Share(text.substr(0, comma));
        if (!value)
            return std::nullopt;
        values.push_back(*value);
        if (comma == std::string_view::npos)
            break;
        text.remove_prefix(comma + 1);
    }
    if (values.size() != 4 || text.find(',') != std::string_view::npos || values[2] <= 0 || values[3] <= 0)
        return std::nullopt;
    return CropSquare{values[0], values[1], values[2], values[3]};
}

// Sets the option `name` names from `value`; the error text when it cannot.
std::string Apply(std::string_view name, std::string_view value, ConversionOptions &options)
{
    const auto bad = [&](std::string_view expected) {
        return std::string(name) + " takes " + std::string(expected) + ", not \"" + std::string(value) + "\"";
    };
    if (name == "fit") {
        const auto fit = PictureFitFromName(value);
        if (!fit)
            return bad("stretch, crop or pad");
        options.fit = *fit;
    } else if (name == "gravity") {
        const auto gravity = GravityFromName(value);
        if (!gravity)
            return bad("a gravity (center, north, ..., southwest)");
        options.gravity = *gravity;
    } else if (name == "smooth") {
        if (value != "0" && value != "1")
            return bad("0 or 1");
        options.smooth = value == "1";
    } else if (name == "greys") {
        const auto greys = GreyDitherFromName(value);
        if (!greys)
            return bad("a grey rendering (none, floyd-steinberg, ..., compact-diffusion)");
        options.greys = *greys;
    } else if (name == "brightness" || name == "contrast") {
        const auto tone = WholeNumber(value, -ToneLimit, ToneLimit);
        if (!tone)
            return bad("a whole number from -100 to 100");
        (name == "brightness" ? options.brightness : options.contrast) = *tone;
    } else if (name == "turns") {
        const auto turns = WholeNumber(value, 0, 3);
        if (!turns)
            return bad("0, 1, 2 or 3");
        options.quarterTurns = *turns;
    } else if (name == "crop") {
        const auto square = CropOf(value);
        if (!square)
            return bad("X,Y,W,H, each a share from 0 to 1, W and H above 0");
        options.cropSquare = *square;
    } else {
        return "unknown choice \"" + std::string(name) + "\"";
    }
    return {};
}

} // namespace

ParsedChoices ParseChoices(std::string_view text)
{
    ParsedChoices result;
    while (!text.empty()) {
        const std::size_t start = text.find_first_not_of(' ');
        if (start == std::string_view::npos)
            break;
        text.remove_prefix(start);
        const std::size_t end = std::min(text.find(' '), text.size());
        const std::string_view word = text.substr(0, end);
        text.remove_prefix(end);
        const std::size_t equals = word.find('=');
        if (equals == std::string_view::npos) {
            result.error = "\"" + std::string(word) + "\" is not name=value";
            return result;
        }
        result.error = Apply(word.substr(0, equals), word.substr(equals + 1), result.options);
        if (!result.error.empty())
            return result;
    }
    result.ok = true;
    return result;
}
