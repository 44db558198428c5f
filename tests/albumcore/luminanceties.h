// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

// Colours whose exact grey, 0.3 R + 0.59 G + 0.11 B, is a half: there the
// rounding of the constants, not the decimal value, decides the grey. They are
// visited in the order R, then G, then B ascending.
void ForEachTieColour(const std::function<void(int r, int g, int b)> &visit);

// The checked-in table of those colours' greys: one bit per tie colour in
// visiting order, least significant bit first, set when the half is rounded
// up. Stored as base64 lines after '#' comment lines.
std::vector<std::uint8_t> ParseTieTable(const std::string &text);
std::string FormatTieTable(const std::vector<std::uint8_t> &bits);
// The table's whole text; empty when `path` cannot be read.
std::string ReadTieTable(const std::filesystem::path &path);
