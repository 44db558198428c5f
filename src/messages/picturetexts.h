// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "picture/picturefile.h"

#include <QString>

// Why a picture was refused, as both front ends say it: "The file is damaged
// or incomplete.", "Unsupported image format: this is a PDF document. ...",
// "Lossless JPEG is not supported.", the system's or the image reader's own reason.
QString PictureProblemText(const PictureProblem &problem);
