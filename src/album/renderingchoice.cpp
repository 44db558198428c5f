// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "album/renderingchoice.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace {

constexpr std::int64_t Unreachable = std::numeric_limits<std::int64_t>::min();

// Looks in millionths, so equal sums are equal exactly and the choice cannot
// depend on the order floating-point sums are taken in.
std::int64_t lookUnits(double look)
{
    return std::llround(look * 1e6);
}

std::int64_t smallestSize(const std::vector<RenderingCandidate> &candidates)
{
    std::int64_t smallest = std::numeric_limits<std::int64_t>::max();
    for (const RenderingCandidate &candidate : candidates)
        smallest = std::min(smallest, candidate.recordSize);
    return smallest;
}

// Each picture's finest-looking candidate (the later one among equals).
std::vector<int> finestCandidates(const std::vector<std::vector<RenderingCandidate>> &pictures, int count)
{
    std::vector<int> finest(static_cast<std::size_t>(count), 0);
    for (std::size_t picture = 0; picture < finest.size(); ++picture) {
        const std::vector<RenderingCandidate> &candidates = pictures[picture];
        for (std::size_t index = 1; index < candidates.size(); ++index)
            if (lookUnits(candidates[index].look) >= lookUnits(candidates[std::size_t(finest[picture])].look))
                finest[picture] = static_cast<int>(index);
    }
    return finest;
}

} // namespace

RenderingChoice ChooseRenderings(const std::vector<std::vector<RenderingCandidate>> &pictures, std::int64_t room)
{
    RenderingChoice result;
    std::int64_t used = 0;
    for (const std::vector<RenderingCandidate> &candidates : pictures) {
        const std::int64_t smallest = smallestSize(candidates);
        if (candidates.empty() || smallest < 0 || smallest > room - used)
            break;
        used += smallest;
        ++result.fitting;
    }

    result.chosen = finestCandidates(pictures, result.fitting);
    std::int64_t finestTotal = 0;
    for (int picture = 0; picture < result.fitting; ++picture)
        finestTotal += pictures[std::size_t(picture)][std::size_t(result.chosen[std::size_t(picture)])].recordSize;
    if (finestTotal <= room)
        return result;

    // best[c]: the largest sum of looks of the pictures so far in at most c
    // bytes; took[picture][c]: the candidate that picture takes there.
    const auto width = static_cast<std::size_t>(room) + 1;
    std::vector<std::int64_t> best(width, 0);
    std::vector<std::int64_t> next(width);
    std::vector<std::uint8_t> took(static_cast<std::size_t>(result.fitting) * width);
    for (int picture = 0; picture < result.fitting; ++picture) {
        const std::vector<RenderingCandidate> &candidates = pictures[std::size_t(picture)];
        std::uint8_t *row = took.data() + static_cast<std::size_t>(picture) * width;
        for (std::size_t bytes = 0; bytes < width; ++bytes) {
            std::int64_t bestHere = Unreachable;
            for (std::size_t index = candidates.size(); index-- > 0;) {
                const std::int64_t size = candidates[index].recordSize;
                if (size < 0 || static_cast<std::size_t>(size) > bytes)
                    continue;
                const std::int64_t before = best[bytes - static_cast<std::size_t>(size)];
                if (before == Unreachable)
                    continue;
                const std::int64_t total = before + lookUnits(candidates[index].look);
                if (total > bestHere) {
                    bestHere = total;
                    row[bytes] = static_cast<std::uint8_t>(index);
                }
            }
            next[bytes] = bestHere;
        }
        best.swap(next);
    }

    std::size_t bytes = width - 1;
    for (int picture = result.fitting; picture-- > 0;) {
        const int index = took[static_cast<std::size_t>(picture) * width + bytes];
        result.chosen[std::size_t(picture)] = index;
        bytes -= static_cast<std::size_t>(pictures[std::size_t(picture)][std::size_t(index)].recordSize);
    }
    return result;
}
