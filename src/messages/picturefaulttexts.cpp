// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "messages/picturefaulttexts.h"

#include "messages/sharedmessages.h"

QString PictureFaultText(PictureFault fault)
{
    switch (fault) {
    case PictureFault::None:
        break;
    case PictureFault::Header:
        return SharedMessages::tr("The picture's header holds a value outside its range.");
    case PictureFault::Dimensions:
        return SharedMessages::tr("The picture's width or height is zero, out of range or too large for the file.");
    case PictureFault::Depth:
        return SharedMessages::tr("The picture has a number of bits a pixel that its format does not define.");
    case PictureFault::Palette:
        return SharedMessages::tr("The picture's colour table is longer than its depth allows, or cut short.");
    case PictureFault::BitFields:
        return SharedMessages::tr("The bitmap's colour masks are missing.");
    case PictureFault::Compression:
        return SharedMessages::tr("The bitmap is compressed in a way that is not read at its number of bits a pixel.");
    case PictureFault::PixelOffset:
        return SharedMessages::tr("The picture's pixels are said to start outside the file.");
    case PictureFault::IconDirectory:
        return SharedMessages::tr("The icon file's directory holds no picture, or its entry lies outside the file.");
    }
    return {};
}
