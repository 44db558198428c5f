// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

// Numbers and tags read from a file's bytes in the byte order the format
// states, never through a struct laid over them. Each reader takes the whole
// file and an offset the caller has checked: `at + size` lies within `file`.

using FileBytes = std::span<const std::uint8_t>;

inline std::uint16_t U16le(FileBytes file, std::size_t at)
{
    return static_cast<std::uint16_t>(file[at] | (file[at + 1] << 8));
}

inline std::uint32_t U32le(FileBytes file, std::size_t at)
{
    return std::uint32_t(file[at]) | (std::uint32_t(file[at + 1]) << 8) | (std::uint32_t(file[at + 2]) << 16)
           | (std::uint32_t(file[at + 3]) << 24);
}

inline std::int32_t I32le(FileBytes file, std::size_t at)
{
    return static_cast<std::int32_t>(U32le(file, at));
}

inline std::uint64_t U64le(FileBytes file, std::size_t at)
{
    return std::uint64_t(U32le(file, at)) | (std::uint64_t(U32le(file, at + 4)) << 32);
}

inline std::uint16_t U16be(FileBytes file, std::size_t at)
{
    return static_cast<std::uint16_t>((file[at] << 8) | file[at + 1]);
}

inline std::uint32_t U32be(FileBytes file, std::size_t at)
{
    return (std::uint32_t(file[at]) << 24) | (std::uint32_t(file[at + 1]) << 16) | (std::uint32_t(file[at + 2]) << 8)
           | std::uint32_t(file[at + 3]);
}

inline std::uint64_t U64be(FileBytes file, std::size_t at)
{
    return (std::uint64_t(U32be(file, at)) << 32) | std::uint64_t(U32be(file, at + 4));
}

// Whether `file` holds `expected` at `at`; false when it is too short to.
inline bool HasBytesAt(FileBytes file, std::size_t at, std::string_view expected)
{
    if (at > file.size() || file.size() - at < expected.size())
        return false;
    for (std::size_t i = 0; i < expected.size(); ++i)
        if (file[at + i] != static_cast<std::uint8_t>(expected[i]))
            return false;
    return true;
}

// The bytes as characters, for comparing a four-byte tag with a name.
inline std::string_view CharsOf(FileBytes bytes)
{
    return {reinterpret_cast<const char *>(bytes.data()), bytes.size()};
}
