// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// The lines of tests/conversion/golden/NAME that are not comments, each
// split at spaces; empty when the file cannot be read.
std::vector<std::vector<std::string>> GoldenLines(const std::string &name);

// FNV-1a 64 over 32-bit values, as the table writer folds them.
struct Fnv64
{
    std::uint64_t hash = 14695981039346656037ull;
    void add(std::int32_t value)
    {
        hash ^= static_cast<std::uint32_t>(value);
        hash *= 1099511628211ull;
    }
};
