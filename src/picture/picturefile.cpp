// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture/picturefile.h"

#include "picture/bmpdecode.h"
#include "picture/gifdecode.h"
#include "picture/icodecode.h"
#include "picture/jpegcheckeddecode.h"
#include "picture/librarydecoders.h"
#include "picture/orientation.h"
#include "picture/picturebytes.h"
#include "picture/picturedamagecheckers.h"
#include "picture/picturesignature.h"
#include "picture/pngdecode.h"

namespace {

bool IsTooLarge(PictureSize size)
{
    return size.isValid() && IsTooLargePicture(size.width, size.height);
}

// A JPEG is decoded once, by libjpeg, and that decode is its damage check
// too: a whole-file check before it would cost as much again. Reduced when
// `reduction` asks for 1/2, 1/4 or 1/8; any other answer decodes it whole.
PictureFileContents ReadJpeg(std::span<const std::uint8_t> file, const DecodeReduction &reduction)
{
    CheckedJpeg decoded = DecodeCheckedJpeg(file, [&reduction](PictureSize size) {
        if (IsTooLarge(size))
            return 0;
        const int scale = reduction ? reduction(size) : 1;
        return scale == 2 || scale == 4 || scale == 8 ? scale : 1;
    });
    switch (decoded.outcome) {
    case CheckedJpeg::Outcome::NotHandled: {
        if (IsTooLarge(decoded.size))
            return RefusedPicture(PictureProblem::Kind::TooLarge, {}, decoded.size);
        // A header libjpeg could not read without complaint, or colours
        // that make no picture (two components, five and more). A file that
        // is damaged too is called damaged, as the whole-file check calls it.
        if (IsDamagedJpeg(file))
            return RefusedPicture(PictureProblem::Kind::Damaged);
        PictureFileContents refused = RefusedPicture(PictureProblem::Kind::Malformed);
        refused.problem.fault = PictureFault::Header;
        return refused;
    }
    case CheckedJpeg::Outcome::Damaged:
        return RefusedPicture(PictureProblem::Kind::Damaged);
    case CheckedJpeg::Outcome::Unsupported: {
        PictureFileContents refused = RefusedPicture(PictureProblem::Kind::UnsupportedJpeg);
        refused.problem.jpegKind = decoded.unsupported;
        return refused;
    }
    case CheckedJpeg::Outcome::Decoded:
        break;
    }
    PictureFileContents result;
    result.ok = true;
    result.orientation = decoded.orientation;
    result.picture = OrientedPicture(std::move(decoded.picture), decoded.orientation);
    return result;
}

} // namespace

std::string ReadPictureTypesText()
{
    return "BMP, PNG, JPEG, GIF, ICO, WebP, TIFF, HEIC/HEIF and AVIF";
}

PictureFileContents ReadPictureBytes(std::span<const std::uint8_t> file, const DecodeReduction &reduction)
{
    // An empty file is a picture whose every byte is missing: taking it as a
    // white square would report a failed copy or download as a success.
    if (file.empty())
        return RefusedPicture(PictureProblem::Kind::Empty);

    // What the file holds decides, not its name: a picture of another type
    // renamed to ".bmp" is still refused, and a PNG renamed to ".bmp" is still read.
    switch (PictureTypeOf(file)) {
    case PictureType::Heif:
        return DecodeHeif(file);
    case PictureType::WebP:
        return DecodeWebP(file);
    case PictureType::Tiff:
        return DecodeTiff(file);
    case PictureType::Jpeg:
        return ReadJpeg(file, reduction);
    case PictureType::Png:
        return DecodePng(file);
    case PictureType::Bmp:
        return DecodeBmp(file);
    case PictureType::Gif:
        return DecodeGif(file);
    case PictureType::Ico:
        return DecodeIco(file);
    case PictureType::None:
        break;
    }
    return RefusedPicture(PictureProblem::Kind::UnsupportedFormat, DescribeUnreadFile(file));
}

PictureFileContents ReadPictureFile(const std::filesystem::path &path, const DecodeReduction &reduction)
{
    PictureBytes read = ReadPictureFileBytes(path);
    switch (read.outcome) {
    case PictureBytes::Outcome::Read:
        break;
    case PictureBytes::Outcome::TooLarge:
        return RefusedPicture(PictureProblem::Kind::TooLarge);
    case PictureBytes::Outcome::CannotOpen:
        return RefusedPicture(PictureProblem::Kind::CannotOpen, std::move(read.error));
    }
    return ReadPictureBytes(read.bytes, reduction);
}
