// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Highest password the field can hold: eight decimal digits.
inline constexpr std::uint32_t MaxPasswordValue = 99'999'999;

// What a user may type as a password: up to eight decimal digits, or nothing.
inline constexpr char PasswordPattern[] = "[0-9]{0,8}";

// True when the whole of `text` matches PasswordPattern.
bool IsTypedPassword(std::string_view text);

// Converts password text the way the album file stores it: optional leading
// spaces, an optional sign, then decimal digits, or hexadecimal digits after
// "$", "x", "X", "0x" or "0X". Decimal must fit a signed 32-bit number;
// hexadecimal may use all 32 bits. Anything else (empty text, trailing
// characters, overflow) has no value.
std::optional<std::int32_t> PasswordTextToInteger(std::string_view text);

// The 32-bit value written to the file for a password text: 0 when invalid.
std::uint32_t StoredPassword(std::string_view text);

// The text a stored value shows: decimal without leading zeros for
// 1 .. 99,999,999, empty for anything else (0 means no password).
std::string PasswordTextFromStored(std::uint32_t stored);
