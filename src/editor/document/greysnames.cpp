// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/document/greysnames.h"

#include "editor/translationcontexts.h"

QStringList GreyDitherTexts()
{
    return {PictureDialog::tr("None", "greys"), PictureDialog::tr("Floyd-Steinberg"),
            PictureDialog::tr("Atkinson"),      PictureDialog::tr("Ordered"),
            PictureDialog::tr("Compact"),       PictureDialog::tr("Compact diffusion")};
}
