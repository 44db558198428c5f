// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "conversion/conversionoptions.h"

#include <string>
#include <string_view>

// The page's choices text, space-separated `name=value` words (webcore.h
// lists them), as conversion options.
struct ParsedChoices
{
    bool ok = false;
    ConversionOptions options; // when ok: the defaults, changed by each word given
    std::string error;         // when not: the word that is wrong and why
};

// Parses `text` (empty for every default). A word repeated takes its last value.
ParsedChoices ParseChoices(std::string_view text);
