// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "messages/picturetexts.h"

QString PictureProblemText(const PictureProblem &problem)
{
    switch (problem.kind) {
    case PictureProblem::Kind::None:
        break;
    case PictureProblem::Kind::CannotOpen:
    case PictureProblem::Kind::Unreadable:
        return problem.detail;
    case PictureProblem::Kind::UnsupportedFormat:
        return QStringLiteral("Unsupported image format");
    case PictureProblem::Kind::Damaged:
        return QStringLiteral("The file is damaged or incomplete.");
    case PictureProblem::Kind::TooLarge:
        return QStringLiteral("The picture is too large: %1 x %2 pixels, more than %3 megapixels")
            .arg(problem.size.width())
            .arg(problem.size.height())
            .arg(MaxPicturePixels / 1'000'000);
    case PictureProblem::Kind::HeaderCutShort:
        return QStringLiteral("The bitmap's header is cut short");
    }
    return {};
}
