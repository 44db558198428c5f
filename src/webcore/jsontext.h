// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// JSON texts built by hand: the few shapes webcore.h describes need no library.

// A JSON string of UTF-8 text, quoted and escaped.
std::string JsonString(std::string_view text);

// A number that reads back as the same double (17 significant digits); null
// for a value JSON cannot hold (infinite or not a number).
std::string JsonNumber(double value);

std::string JsonBool(bool value);

// [a,b,...] of texts that are JSON values already.
std::string JsonArray(const std::vector<std::string> &values);

// One object built field by field.
class JsonObject
{
public:
    JsonObject &raw(std::string_view key, std::string_view json);
    JsonObject &text(std::string_view key, std::string_view value) { return raw(key, JsonString(value)); }
    JsonObject &number(std::string_view key, std::int64_t value) { return raw(key, std::to_string(value)); }
    JsonObject &real(std::string_view key, double value) { return raw(key, JsonNumber(value)); }
    JsonObject &flag(std::string_view key, bool value) { return raw(key, JsonBool(value)); }
    std::string str() const { return "{" + m_fields + "}"; }

private:
    std::string m_fields;
};
