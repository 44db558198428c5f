// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// A picture file read whole into memory, once, whether it is a regular file
// or a stream (a pipe, a FIFO, a process substitution, a device): the damage
// checks and the decoders then judge the same bytes either way.
struct PictureBytes
{
    enum class Outcome {
        Read,
        TooLarge,   // more than MaxPictureFileBytes; reading stopped there
        CannotOpen, // error: the system's reason (UTF-8)
    };
    Outcome outcome = Outcome::Read;
    std::vector<std::uint8_t> bytes;
    std::string error;
};

// Reads the file at `path` (UTF-8 names on every system). A regular file
// larger than the bound is refused unread; a stream is read until it ends,
// or until it has passed the bound. A stream that fails part way gives what
// came before, to be judged like a file cut short.
PictureBytes ReadPictureFileBytes(const std::filesystem::path &path);
