// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "codec/rgbpicture.h"

// The pictures the page holds, each under a handle (> 0) until it lets it go.

// Keeps `picture` and gives its handle.
int KeepPicture(RgbPicture picture);

// The picture of `handle`; null when there is none.
const RgbPicture *KeptPicture(int handle);

void ReleasePicture(int handle);
