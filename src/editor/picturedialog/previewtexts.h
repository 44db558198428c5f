// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "editor/translationcontexts.h"

#include <QString>

// The words the picture dialog's panes and windows show, in the spoken language.

inline QString PreviewCaption()
{
    return PictureDialog::tr("Picture:");
}
inline QString EmptyPreviewText()
{
    //: The preview when no picture is chosen.
    return PictureDialog::tr("(None)");
}
inline QString PreviewWindowTitle()
{
    return PictureDialog::tr("Preview", "the larger preview's caption");
}
inline QString DeviceViewCaption()
{
    return PictureDialog::tr("On the device:");
}
inline QString LoadingCaption()
{
    return PictureDialog::tr("Loading…");
}
// "3 pictures chosen"; never fewer than 2.
inline QString ChosenCountText(int count)
{
    return PictureDialog::tr("%n pictures chosen", nullptr, count);
}
inline QString SquareSizeCaption()
{
    //: The size of the crop square.
    return PictureDialog::tr("Size:");
}
