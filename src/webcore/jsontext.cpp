// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "webcore/jsontext.h"

#include <array>
#include <cmath>
#include <cstdio>

std::string JsonString(std::string_view text)
{
    std::string json = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            json += '\\';
            json += c;
        } else if (byte < 0x20) {
            std::array<char, 8> escaped{};
            std::snprintf(escaped.data(), escaped.size(), "\\u%04x", byte);
            json += escaped.data();
        } else {
            json += c; // UTF-8 passes through as it is
        }
    }
    return json + "\"";
}

std::string JsonNumber(double value)
{
    if (!std::isfinite(value))
        return "null";
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%.17g", value);
    return text.data();
}

std::string JsonBool(bool value)
{
    return value ? "true" : "false";
}

std::string JsonArray(const std::vector<std::string> &values)
{
    std::string json = "[";
    for (std::size_t index = 0; index < values.size(); ++index) {
        if (index > 0)
            json += ',';
        json += values[index];
    }
    return json + "]";
}

JsonObject &JsonObject::raw(std::string_view key, std::string_view json)
{
    if (!m_fields.empty())
        m_fields += ',';
    m_fields += JsonString(key);
    m_fields += ':';
    m_fields += json;
    return *this;
}
