// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Whether the grey of a colour whose exact 0.3 R + 0.59 G + 0.11 B is a half
// (30 R + 59 G + 11 B ends in 50) rounds up when x87 extended precision works
// it out: 64-bit significands, each step rounded to nearest with ties to even.
// Channels 0-255; the answer for any other colour means nothing. Safe from any
// thread; the first call fills a 64 KiB table (2 ms on x86-64).
bool HalfRoundsUp(int r, int g, int b);
