// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "messages/picturetexts.h"

#include "messages/picturefaulttexts.h"
#include "messages/sharedmessages.h"

namespace {

QString UnsupportedJpegText(UnsupportedJpeg kind)
{
    switch (kind) {
    case UnsupportedJpeg::Lossless:
        return SharedMessages::tr("Lossless JPEG is not supported.");
    case UnsupportedJpeg::Hierarchical:
        return SharedMessages::tr("Hierarchical JPEG is not supported.");
    case UnsupportedJpeg::ArithmeticCoded:
        return SharedMessages::tr("Arithmetic-coded JPEG is not supported.");
    case UnsupportedJpeg::TwelveBit:
        return SharedMessages::tr("12-bit JPEG is not supported.");
    case UnsupportedJpeg::FractionalSampling:
        return SharedMessages::tr("JPEG with fractional colour sampling is not supported.");
    case UnsupportedJpeg::Other:
        break;
    }
    return SharedMessages::tr("This kind of JPEG is not supported.");
}

} // namespace

QString PictureProblemText(const PictureProblem &problem)
{
    const QString detail = QString::fromStdString(problem.detail);
    const QString types = QString::fromStdString(ReadPictureTypesText());
    switch (problem.kind) {
    case PictureProblem::Kind::None:
        break;
    case PictureProblem::Kind::CannotOpen:
    case PictureProblem::Kind::Unreadable:
        return detail;
    case PictureProblem::Kind::UnsupportedFormat:
        if (detail.isEmpty())
            //: %1 lists the formats: "BMP, PNG, JPEG, ...".
            return SharedMessages::tr("Unsupported image format. Pictures are read from %1 files.").arg(types);
        //: %1 names what the file is, in English ("a PDF document"); %2 lists the formats.
        return SharedMessages::tr("Unsupported image format: this is %1. Pictures are read from %2 files.")
            .arg(detail, types);
    case PictureProblem::Kind::Empty:
        return SharedMessages::tr("The file is empty.");
    case PictureProblem::Kind::Damaged:
        return SharedMessages::tr("The file is damaged or incomplete.");
    case PictureProblem::Kind::TooLarge:
        if (!problem.size.isValid())
            return SharedMessages::tr(
                       "The file is too large: more than %1 MB, more than a picture of %2 megapixels needs.")
                .arg(MaxPictureFileBytes / 1'000'000)
                .arg(MaxPicturePixels / 1'000'000);
        return SharedMessages::tr("The picture is too large: %1 x %2 pixels, more than %3 megapixels")
            .arg(problem.size.width)
            .arg(problem.size.height)
            .arg(MaxPicturePixels / 1'000'000);
    case PictureProblem::Kind::HeaderCutShort:
        return SharedMessages::tr("The bitmap's header is cut short");
    case PictureProblem::Kind::UnsupportedJpeg:
        return UnsupportedJpegText(problem.jpegKind);
    case PictureProblem::Kind::Malformed:
        return PictureFaultText(problem.fault);
    case PictureProblem::Kind::UnsupportedVariant:
        //: %1 names a kind of picture, in English ("Animated AVIF").
        return SharedMessages::tr("%1 is not supported.").arg(detail);
    }
    return {};
}
