// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pictureimport/decodereduction.h"

#include "conversion/placement.h"

DecodeReduction DecodeReductionFor(const ConversionOptions &options)
{
    if (!options.smooth)
        return {};
    return [options](PictureSize size) { return ReducedDecodeScale(size.width, size.height, options); };
}
