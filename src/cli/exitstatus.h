// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the exit status tells a calling script. Scripts test these numbers, so
// each keeps its meaning for good. When a command stops early, the status is
// that of the problem that stopped it.
namespace ExitStatus {

inline constexpr int Ok = 0;
// The compression library did not start.
inline constexpr int Failure = 1;
// An album or picture could not be read, or an album is damaged.
inline constexpr int BadInput = 2;
// The album was written, but images that did not fit were left out.
inline constexpr int ImagesLeftOut = 3;
// An output file exists and --force was not given; nothing was written.
inline constexpr int WouldOverwrite = 4;
// An output file or directory could not be written.
inline constexpr int WriteFailed = 5;
// The command line is wrong (the value sysexits.h calls EX_USAGE).
inline constexpr int Usage = 64;

} // namespace ExitStatus
