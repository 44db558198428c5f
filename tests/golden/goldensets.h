// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "conversion/conversionoptions.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

// The sets of choices the golden albums are made with, and the SHA-256 of
// each album: the corpus in order, `repeats` times over, in one album without
// a password.
struct GoldenSet
{
    std::string_view name;
    // valbum create's options for the same album; none where it has none
    // (a hand-chosen crop square is the editor's alone).
    std::optional<std::string_view> createArguments;
    ConversionOptions options;
    bool bestFit = false;
    // Best fit chooses among renderings only when the finest do not all fit:
    // its sets repeat the corpus until they do not.
    int repeats = 1;
    std::string_view sha256;
};

std::span<const GoldenSet> GoldenSets();

// One line a set, for tests/golden/check_against_valbum.sh: name, repeats,
// SHA-256 and valbum create's options, tab-separated; "-" for no options.
std::string GoldenSetLines();

// One line a set for the page's core's tests, so they check the same table:
// name, repeats, 1 for best fit or 0, SHA-256 and the choices in the words
// of src/webcore/webcore.h ("fit=crop gravity=west"), tab-separated.
std::string GoldenSetChoiceLines();
