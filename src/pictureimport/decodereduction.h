// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "conversion/conversionoptions.h"
#include "picture/picturetypes.h"

// The reduction a picture may be decoded at for the given conversion: with
// smoothing, a JPEG may be shrunk by 1/2, 1/4 or 1/8 in its decoder's
// transform, averaging as it goes, as long as the part the square needs stays
// at least 92 pixels across; without, none (every source pixel counts).
DecodeReduction DecodeReductionFor(const ConversionOptions &options);
