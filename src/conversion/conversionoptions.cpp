// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "conversion/conversionoptions.h"

#include <algorithm>

namespace {

template <typename Choice, std::size_t N>
std::optional<Choice> fromName(const std::array<std::string_view, N> &names, std::string_view name)
{
    const auto found = std::find(names.begin(), names.end(), name);
    if (found == names.end())
        return std::nullopt;
    return static_cast<Choice>(found - names.begin());
}

} // namespace

std::optional<PictureFit> PictureFitFromName(std::string_view name)
{
    return fromName<PictureFit>(PictureFitNames, name);
}

std::optional<GreyDither> GreyDitherFromName(std::string_view name)
{
    return fromName<GreyDither>(GreyDitherNames, name);
}

std::optional<Gravity> GravityFromName(std::string_view name)
{
    return fromName<Gravity>(GravityNames, name);
}
