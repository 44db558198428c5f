// SPDX-FileCopyrightText: 2026 The valbum-editor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// How the JPEG damage check and the checked decoder hear from libjpeg: an error
// jumps back to the caller, and so does the first warning that means the data
// is damaged. Only for the files in this folder that call libjpeg.

#include "picture/picturetypes.h"

#include <csetjmp>
#include <cstdio> // jpeglib.h needs FILE declared first
#include <optional>

#include <jpeglib.h>
// After jpeglib.h, whose configuration says which messages exist.
#include <jerror.h>

// Whether libjpeg's warning `code` means pixel data is missing or unusable.
bool IsDamageWarning(int code);

struct JpegDamageReporter
{
    jpeg_error_mgr manager{};
    std::jmp_buf jump{};
    bool headerRead = false;
    bool damageWarned = false;
    int errorCode = 0;      // the message code of the error that jumped back, 0 for none
    int errorParameter = 0; // its first number (a marker, a precision)

    // Sets up the manager and hands it to `info`, which must not be created yet.
    void attachTo(jpeg_decompress_struct &info);
    // What the library's complaint means once it has jumped back: a header it
    // read followed by an error, or any damage warning, is a damaged file; a
    // header it could not read at all may be a kind of JPEG it does not
    // support, which the image reader judges.
    bool sawDamage() const { return headerRead || damageWarned; }
    // The kind of JPEG the error refused as one this libjpeg does not decode.
    std::optional<UnsupportedJpeg> unsupportedKind() const;
};

// Whether a decoded progressive picture had every coefficient sent to full
// precision: a file that ends after some of its scans, with its end marker,
// draws no warning but shows a blurred picture. True for a sequential one.
// Call it before jpeg_finish_decompress(), which frees what it reads.
bool HasAllScans(const jpeg_decompress_struct &info);

// Frees what the library allocated; safe on a struct it never set up.
class JpegDecompressGuard
{
public:
    explicit JpegDecompressGuard(jpeg_decompress_struct &info)
        : m_info(info)
    {
    }
    ~JpegDecompressGuard() { jpeg_destroy_decompress(&m_info); }
    JpegDecompressGuard(const JpegDecompressGuard &) = delete;
    JpegDecompressGuard &operator=(const JpegDecompressGuard &) = delete;

private:
    jpeg_decompress_struct &m_info;
};
