// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture/jpegreporter.h"

#include <algorithm>
#include <array>

namespace {

struct WarningMeaning
{
    int code;
    bool damage;
};

// Every warning this libjpeg gives, and whether it means pixel data is
// missing or unusable. Viewers show a file with any of the harmless ones
// as it was meant; a file with any of the others shows grey or made-up blocks.
constexpr std::array WarningMeanings{
    // The data before the marker was whole; stray bytes (padding, a broken
    // segment's tail) follow it and are skipped. A scan garbled so that it
    // decodes to its end early leaves bytes over too, and cannot be told
    // from it: it shows as viewers show it.
    WarningMeaning{JWRN_EXTRANEOUS_DATA, false},
    // A newer JFIF version number: the header's layout is unchanged.
    WarningMeaning{JWRN_JFIF_MAJOR, false},
    // An unknown Adobe colour transform: the colours are taken as the
    // component count suggests, as every viewer does.
    WarningMeaning{JWRN_ADOBE_XFORM, false},
    // A malformed ICC profile segment: the picture shows without a profile.
    WarningMeaning{JWRN_BOGUS_ICC, false},
    // Odd scan parameters in a sequential file, which the decoder ignores:
    // the scan still carries every coefficient.
    WarningMeaning{JWRN_NOT_SEQUENTIAL, false},
    // Counts the caller's rows, not the file's; our loops never ask for more.
    WarningMeaning{JWRN_TOO_MUCH_DATA, false},
    // The file ends before the picture does: the rest would be made up.
    WarningMeaning{JWRN_JPEG_EOF, true},
    // A scan's data stops at a marker before all its blocks are decoded.
    WarningMeaning{JWRN_HIT_MARKER, true},
    // The entropy-coded data does not decode: the blocks after it are lost.
    WarningMeaning{JWRN_HUFF_BAD_CODE, true},
    WarningMeaning{JWRN_ARITH_BAD_CODE, true},
    // A restart marker is missing or out of order: whole rows of blocks are
    // skipped or shifted to resynchronise.
    WarningMeaning{JWRN_MUST_RESYNC, true},
    // A progressive scan refines coefficients whose earlier scans never came.
    WarningMeaning{JWRN_BOGUS_PROGRESSION, true},
};

JpegDamageReporter &ReporterOf(j_common_ptr info)
{
    return *reinterpret_cast<JpegDamageReporter *>(info->err);
}

[[noreturn]] void JumpOnError(j_common_ptr info)
{
    JpegDamageReporter &reporter = ReporterOf(info);
    reporter.errorCode = info->err->msg_code;
    reporter.errorParameter = info->err->msg_parm.i[0];
    std::longjmp(reporter.jump, 1);
}

// Warnings have level -1; trace messages are higher and mean nothing here.
void JumpOnDamageWarning(j_common_ptr info, int level)
{
    if (level >= 0 || !IsDamageWarning(info->err->msg_code))
        return;
    ReporterOf(info).damageWarned = true;
    std::longjmp(ReporterOf(info).jump, 1);
}

void SilentOutput(j_common_ptr)
{
}

} // namespace

bool IsDamageWarning(int code)
{
    const auto *meaning = std::find_if(WarningMeanings.begin(), WarningMeanings.end(),
                                       [code](const WarningMeaning &known) { return known.code == code; });
    // A warning a later libjpeg adds is taken as damage until it is judged.
    return meaning == WarningMeanings.end() || meaning->damage;
}

void JpegDamageReporter::attachTo(jpeg_decompress_struct &info)
{
    jpeg_std_error(&manager);
    manager.error_exit = JumpOnError;
    manager.emit_message = JumpOnDamageWarning;
    manager.output_message = SilentOutput;
    info.err = &manager;
}

std::optional<UnsupportedJpeg> JpegDamageReporter::unsupportedKind() const
{
    switch (errorCode) {
    case JERR_SOF_UNSUPPORTED:
        // The frame marker names the process.
        switch (errorParameter) {
        case 0xC3:
        case 0xCB:
            return UnsupportedJpeg::Lossless;
        case 0xC5:
        case 0xC6:
        case 0xC7:
        case 0xCD:
        case 0xCE:
        case 0xCF:
            return UnsupportedJpeg::Hierarchical;
        default:
            return UnsupportedJpeg::Other;
        }
    case JERR_UNKNOWN_MARKER:
        // A hierarchical file opens with DHP (0xDE) and may expand with EXP (0xDF).
        if (errorParameter == 0xDE || errorParameter == 0xDF)
            return UnsupportedJpeg::Hierarchical;
        return std::nullopt;
    case JERR_ARITH_NOTIMPL:
        return UnsupportedJpeg::ArithmeticCoded;
    case JERR_BAD_PRECISION:
        // Any other precision is not a JPEG at all.
        if (errorParameter == 12)
            return UnsupportedJpeg::TwelveBit;
        return std::nullopt;
    case JERR_FRACT_SAMPLE_NOTIMPL:
        return UnsupportedJpeg::FractionalSampling;
    default:
        return std::nullopt;
    }
}

bool HasAllScans(const jpeg_decompress_struct &info)
{
    if (!info.progressive_mode || !info.coef_bits)
        return true;
    // Each coefficient's lowest bit received so far, -1 before its first scan.
    for (int component = 0; component < info.num_components; ++component)
        for (int coefficient = 0; coefficient < DCTSIZE2; ++coefficient)
            if (info.coef_bits[component][coefficient] != 0)
                return false;
    return true;
}
