// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "picture/picturetypes.h"

#include <QString>

// What is wrong with a Malformed picture's structure, as both front ends say
// it: "The picture's colour table is longer than its depth allows, or cut short."
// Empty for PictureFault::None.
QString PictureFaultText(PictureFault fault);
